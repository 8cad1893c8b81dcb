// The desktop program from its first start: the first-run window, the
// responsible party registered through its form or brought in by a payroll
// file, then the main window with the tree, all through CallMainForm.

#include "principal_ui_support.h"

#include "app/sistema_desktop.h"
#include "core/configuracao.h"
#include "ui/frm_entrada.h"
#include "ui/frm_principal.h"
#include "ui/janelas_principais.h"
#include "ui/modelo_arvore.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

static void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
static void PrintTo(const QStringList &l, std::ostream *os) { *os << '[' << l.join(QStringLiteral(", ")).toStdString() << ']'; }

namespace {

class PrimeiraExecucaoTest : public CadastroTest {
protected:
    Atendente caixas;
    QObject roteiro;  // the pending window scripts go with the test
    Vigia vigia;

    PrimeiraExecucaoTest()
    {
        home.writeFile(QStringLiteral("VESK/VESK.ini"), QByteArray());
        RestaurarJanelasDaInterface();
        ConfiguracaoGlobal().DataPagamento = DataNula;
    }
    ~PrimeiraExecucaoTest() override { ConfiguracaoGlobal().DataPagamento = DataNula; }

    template <class T = QWidget>
    static T *controle(QWidget &w, const char *nome)
    {
        T *c = w.findChild<T *>(QLatin1String(nome));
        if (!c)
            throw std::runtime_error(std::string("no control ") + nome);
        return c;
    }

    static void digitar(QWidget &w, const char *nome, const QString &texto)
    {
        auto *e = controle<QLineEdit>(w, nome);
        e->setFocus(Qt::OtherFocusReason);
        e->clear();
        QTest::keyClicks(e, texto);
    }

    // What the main window showed when it came up.
    struct Principal {
        bool vista = false;
        QString titulo;
        QSize tamanho;
        QStringList abas;
        QString raiz;
        int iconeRaiz = -1;
        QStringList empregadores;
    };

    // Records the main window once it shows, then leaves it through Sair.
    void quandoPrincipal(Principal &p)
    {
        QuandoJanela<TfrmPrincipal>(roteiro, [&p](TfrmPrincipal &j) {
            p.vista = true;
            p.titulo = j.windowTitle();
            p.tamanho = j.size();
            auto *abas = j.findChild<QTabWidget *>(QStringLiteral("TabTreeView"));
            for (int i = 0; i < abas->count(); ++i)
                p.abas << abas->tabText(i);
            const QModelIndex raiz = j.Modelo().index(0, 0);
            p.raiz = raiz.data().toString();
            p.iconeRaiz = raiz.data(PapelIcone).toInt();
            for (int i = 0; i < j.Modelo().rowCount(raiz); ++i)
                p.empregadores << j.Modelo().index(i, 0, raiz).data().toString();
            j.findChild<QAction *>(QStringLiteral("actSair"))->trigger();
        });
    }
};

TEST_F(PrimeiraExecucaoTest, RegisteringTheResponsiblePartyOpensTheMainWindowWithItsRoot)
{
    struct Entrada {
        QString titulo;
        QStringList textos;
        QString grupo;
        QStringList opcoesVisiveis;
        bool voltarVisivel = true;
        bool avancarComFoco = false;
        bool formularioVisivel = true;
        bool voltarAposAvancar = false;
        bool formularioAposAvancar = false;
    } e;
    QuandoJanela<TfrmEntrada>(roteiro, [&e, this](TfrmEntrada &w) {
        e.titulo = w.windowTitle();
        e.textos << controle<QLabel>(w, "lblTexto1")->text() << controle<QLabel>(w, "lblTexto2")->text();
        e.grupo = controle<QGroupBox>(w, "rgOpcoes")->title();
        for (QRadioButton *r : w.findChildren<QRadioButton *>())
            if (r->isVisible())
                e.opcoesVisiveis << r->text();
        e.voltarVisivel = controle(w, "btnVoltar")->isVisible();
        e.avancarComFoco = w.focusWidget() == controle(w, "btnAvancar");
        e.formularioVisivel = controle(w, "frmResponsavel")->isVisible();

        controle<QRadioButton>(w, "rbCadastrar")->click();
        QTest::mouseClick(controle<QPushButton>(w, "btnAvancar"), Qt::LeftButton);
        e.voltarAposAvancar = controle(w, "btnVoltar")->isVisible();
        e.formularioAposAvancar = controle(w, "frmResponsavel")->isVisible();

        controle<QComboBox>(w, "cmbTipoInscricao")->setCurrentIndex(0);
        digitar(w, "edtInscricao", QString::number(kCnpj2));
        digitar(w, "edtRazaoSocial", QStringLiteral("CONTABIL EXEMPLO LTDA"));
        digitar(w, "edtLogradouro", QStringLiteral("SCS QUADRA 1"));
        digitar(w, "edtBairro", QStringLiteral("ASA SUL"));
        digitar(w, "edtCep", QStringLiteral("70300500"));
        digitar(w, "edtCidade", QStringLiteral("BRASILIA"));
        controle<QComboBox>(w, "cmbUf")->setCurrentText(QStringLiteral("DF"));
        digitar(w, "edtContato", QStringLiteral("MARIA"));
        digitar(w, "edtDdd", QStringLiteral("61"));
        digitar(w, "edtTelefone", QStringLiteral("33224455"));
        digitar(w, "edtEmail", QStringLiteral("maria@contabil.com.br"));
        QTest::mouseClick(controle<QPushButton>(w, "btnAvancar"), Qt::LeftButton);
    });
    Principal p;
    quandoPrincipal(p);

    ExecutarSistemaDesktop();

    EXPECT_EQ(e.titulo, QStringLiteral("TOLV Eletrônica"));
    EXPECT_EQ(e.textos,
              (QStringList{"Esta é a primeira vez que o sistema está sendo executado. Para continuar \n"
                           "é necessário que os dados do responsável sejam cadastrados.",
                           "Você pode optar por importar os dados de uma folha de pagamento ou \n"
                           "cadastrá-los através de formulário, ou restaurar Backup da base."}));
    EXPECT_EQ(e.grupo, QStringLiteral("Escolha uma das Opções"));
    EXPECT_EQ(e.opcoesVisiveis, (QStringList{"Importar Folha de Pagamento", "Cadastrar Responsável"}))
        << "the restore has no window yet: its choices are not offered";
    EXPECT_FALSE(e.voltarVisivel);
    EXPECT_TRUE(e.avancarComFoco);
    EXPECT_FALSE(e.formularioVisivel);
    EXPECT_TRUE(e.voltarAposAvancar);
    EXPECT_TRUE(e.formularioAposAvancar);
    EXPECT_EQ(caixas.codigos(), QStringList{QStringLiteral("000035")});

    ASSERT_TRUE(p.vista) << "the main window did not open";
    EXPECT_EQ(p.titulo, QStringLiteral("TOLV Eletrônica"));
    EXPECT_EQ(p.tamanho, QSize(738, 590));
    EXPECT_EQ(p.abas, (QStringList{"&Cadastro", "&Movimento"}));
    EXPECT_EQ(p.raiz, QStringLiteral("CONTABIL EXEMPLO LTDA"));
    EXPECT_EQ(p.iconeRaiz, int(IconeArvore::Raiz));
    EXPECT_TRUE(p.empregadores.isEmpty());
    EXPECT_EQ(valor(QStringLiteral("SELECT IC_ESTADO_EMPRESA || ':' || NU_INSCRICAO FROM SFGTBG02_EMPRESA")),
              QStringLiteral("R:%1").arg(kCnpj2));
    EXPECT_EQ(TDBUtils::Instancia(), nullptr) << "the shutdown did not run";
}

TEST_F(PrimeiraExecucaoTest, ImportingAPayrollFileOpensTheMainWindowWithItsEmployers)
{
    folha::PrepararReferencias(*db);
    QDir().mkpath(home.path(QStringLiteral("entrada")));
    const QString arquivo = folha::Gravar(home.path(QStringLiteral("entrada")));

    QString tituloArquivo;
    QuandoJanela<TfrmEntrada>(roteiro, [&](TfrmEntrada &w) {
        QuandoJanela<TDialogoArquivoFolha>(roteiro, [&](TDialogoArquivoFolha &d) {
            tituloArquivo = d.windowTitle();
            d.selectFile(arquivo);
            d.accept();
        });
        // "Importar Folha de Pagamento" is the first choice and is selected
        QTest::mouseClick(controle<QPushButton>(w, "btnAvancar"), Qt::LeftButton);
    });
    Principal p;
    quandoPrincipal(p);

    ExecutarSistemaDesktop();

    EXPECT_EQ(tituloArquivo, kTituloArquivoFolhaEntrada);
    EXPECT_EQ(caixas.codigos(), QStringList{QStringLiteral("990074")});
    ASSERT_TRUE(p.vista);
    EXPECT_EQ(p.raiz, QStringLiteral("CONTABIL EXEMPLO LTDA"));
    EXPECT_EQ(p.empregadores, (QStringList{"ACME COMERCIO LTDA", "RESIDENCIA SOUZA"}));
    EXPECT_EQ(contar(QStringLiteral("SFGTBG04_VINCULO_EMPREGATICIO")), 3);
}

TEST_F(PrimeiraExecucaoTest, GoingBackThenCancellingLeavesWithoutTheMainWindow)
{
    int altura = 0, alturaFormulario = 0;
    bool formularioOculto = false, voltarOculto = false;
    QuandoJanela<TfrmEntrada>(roteiro, [&](TfrmEntrada &w) {
        altura = w.height();
        controle<QRadioButton>(w, "rbCadastrar")->click();
        QTest::mouseClick(controle<QPushButton>(w, "btnAvancar"), Qt::LeftButton);
        alturaFormulario = w.height();
        QTest::mouseClick(controle<QPushButton>(w, "btnVoltar"), Qt::LeftButton);
        formularioOculto = !controle(w, "frmResponsavel")->isVisible();
        voltarOculto = !controle(w, "btnVoltar")->isVisible();
        QTest::mouseClick(controle<QPushButton>(w, "btnCancelar"), Qt::LeftButton);
    });
    Principal p;
    quandoPrincipal(p);

    ExecutarSistemaDesktop();

    EXPECT_EQ(altura, TfrmEntrada::kAlturaInicial);
    EXPECT_GE(alturaFormulario, TfrmEntrada::kAlturaCadastro);
    EXPECT_TRUE(formularioOculto);
    EXPECT_TRUE(voltarOculto);
    EXPECT_FALSE(p.vista);
    EXPECT_TRUE(caixas.vistas.isEmpty());
    EXPECT_EQ(contar(QStringLiteral("SFGTBG02_EMPRESA")), 0);
    EXPECT_EQ(TDBUtils::Instancia(), nullptr);
}

} // namespace

// The main window driven as a user drives it: the payroll import from the menu
// (file rule, run window, result, tree), cancel during the import, the marking
// actions and their messages, the tree search, the frames beside the tree and
// the pending name change.

#include "principal_ui_support.h"

#include "core/configuracao.h"
#include "files/executor_tarefa.h"
#include "files/folha/tarefa_importacao_folha.h"
#include "ui/frm_localizar.h"
#include "ui/frm_principal.h"
#include "ui/frm_prog_importa.h"
#include "ui/modelo_arvore.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

static void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
static void PrintTo(const QStringList &l, std::ostream *os) { *os << '[' << l.join(QStringLiteral(", ")).toStdString() << ']'; }

namespace {

const QString kAdmissao = QStringLiteral("2010-01-04");

class JanelaPrincipalTest : public CadastroTest {
protected:
    ApresentadorGui gui;
    PresenterScope escopo{&gui};
    Atendente caixas;
    QObject roteiro;  // the pending window scripts go with the test
    Vigia vigia;
    std::unique_ptr<TfrmPrincipal> janela;

    JanelaPrincipalTest()
    {
        TUtilitarios::Instancia().DefinirBanco(db.get());
        ConfiguracaoGlobal().DataPagamento = DataNula;
    }
    ~JanelaPrincipalTest() override
    {
        janela.reset();
        TUtilitarios::Instancia().DefinirBanco(nullptr);
        ConfiguracaoGlobal().DataPagamento = DataNula;
    }

    void responsavel() { empregador(1, kCnpj2, QStringLiteral("R"), 515, QStringLiteral("CONTABIL EXEMPLO LTDA")); }

    void abrirMovimento()
    {
        exec(QStringLiteral("INSERT INTO SFGTBG01_ABERTURA_RECOLHIMENTO (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, DT_PAGAMENTO) "
                            "VALUES (1, %1, '2018-03-06')")
                 .arg(kCnpj2));
    }

    TfrmPrincipal &abrir()
    {
        janela = std::make_unique<TfrmPrincipal>(nullptr, db.get());
        janela->show();
        janela->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(janela.get()));
        return *janela;
    }

    TArvore &arvore() { return janela->Arvore(); }
    ModeloArvore &modelo() { return janela->Modelo(); }

    QAction *acao(const char *nome)
    {
        auto *a = janela->findChild<QAction *>(QLatin1String(nome));
        if (!a)
            throw std::runtime_error(std::string("no action ") + nome);
        return a;
    }

    IdEntrada empresa(qint64 inscricao, int tipo = 1)
    {
        return arvore().LocalizarEmpresa(tipo, inscricao) ? arvore().Atual() : SemEntrada;
    }

    IdEntrada vinculoNo(qint64 pis, qint64 inscricao = kCnpj, int tipo = 1, const QString &admissao = kAdmissao)
    {
        const ChaveVinculo c{tipo, inscricao, pis, 1, Date::fromQDate(QDate::fromString(admissao, Qt::ISODate))};
        return arvore().LocalizarVinculo(c, 'F') ? arvore().Atual() : SemEntrada;
    }

    IconeArvore icone(IdEntrada id)
    {
        return IconeArvore(modelo().IndiceDe(id).data(PapelIcone).toInt());
    }

    int estadoGravado(qint64 pis)
    {
        return valor(QStringLiteral("SELECT IC_ESTADO_MOVIMENTO FROM SFGTBG04_VINCULO_EMPREGATICIO WHERE NU_PIS = %1")
                         .arg(pis))
            .toInt();
    }

    QWidget *frameVisivel() { return janela->findChild<QStackedWidget *>(QStringLiteral("pnlFrames"))->currentWidget(); }

    // The texts of the rows under `pai`, as the tree shows them.
    QStringList filhos(const QModelIndex &pai)
    {
        QStringList l;
        for (int i = 0; i < modelo().rowCount(pai); ++i)
            l << modelo().index(i, 0, pai).data().toString();
        return l;
    }

    int linhasGravadas()
    {
        int n = 0;
        for (const char *t : {"SFGTBG01_ABERTURA_RECOLHIMENTO", "SFGTBG02_EMPRESA", "SFGTBG03_EMPREGADO",
                              "SFGTBG04_VINCULO_EMPREGATICIO", "SFGTBG06_INFORMACAO_RESCISAO",
                              "SFGTBG07_COMPLEMENTO_SALDO"})
            n += contar(QLatin1String(t));
        return n;
    }

    // Picks `arquivo` in the payroll file chooser once it is up.
    void escolherArquivo(const QString &arquivo, QString *titulo = nullptr, bool *recusouOutro = nullptr,
                         const QString &outro = {})
    {
        QuandoJanela<TDialogoArquivoFolha>(roteiro, [=](TDialogoArquivoFolha &d) {
            if (titulo)
                *titulo = d.windowTitle();
            if (recusouOutro) {
                d.selectFile(outro);
                d.accept();
                *recusouOutro = d.isVisible();
            }
            d.selectFile(arquivo);
            d.accept();
        });
    }
};

// ---------------------------------------------------------------------------
// Payroll import

TEST_F(JanelaPrincipalTest, ImportingFromTheMenuFillsTheTreeWithEmployersAndWorkers)
{
    folha::PrepararReferencias(*db);
    responsavel();
    abrir();
    ASSERT_EQ(filhos(modelo().index(0, 0)), QStringList());
    QDir().mkpath(home.path(QStringLiteral("entrada")));
    const QString arquivo = folha::Gravar(home.path(QStringLiteral("entrada")));
    // the same content under another name is not taken
    const QString outro = folha::Gravar(home.path(QStringLiteral("entrada")), 0, QStringLiteral("TOLV.RE.txt"));

    QString tituloArquivo;
    bool recusou = false;
    escolherArquivo(arquivo, &tituloArquivo, &recusou, outro);
    QString tituloExecucao;
    QStringList etapas;
    QuandoJanela<TfrmProgImporta>(roteiro, [&](TfrmProgImporta &p) {
        tituloExecucao = p.windowTitle();
        for (int i = 1; i <= 4; ++i)
            etapas << p.findChild<QLabel *>(QStringLiteral("lblEtapa%1").arg(i))->text();
    });
    acao("actImportarFolha")->trigger();

    EXPECT_EQ(tituloArquivo, kTituloArquivoFolhaPrincipal);
    EXPECT_TRUE(recusou) << "the chooser closed on a file not named TOLV.RE";
    EXPECT_EQ(tituloExecucao, QStringLiteral("Importação de Folha de Pagamento"));
    EXPECT_EQ(etapas, (QStringList{"Validando arquivo", "Validando informações", "Incluindo informações na base",
                                   "Preparando visualização da tela"}));
    EXPECT_EQ(caixas.codigos(), QStringList{QStringLiteral("990074")}) << "only the success notice";

    const QModelIndex raiz = modelo().index(0, 0);
    EXPECT_EQ(raiz.data().toString(), QStringLiteral("CONTABIL EXEMPLO LTDA"));
    EXPECT_EQ(filhos(raiz), (QStringList{"ACME COMERCIO LTDA", "RESIDENCIA SOUZA"}));
    const QModelIndex acme = modelo().index(0, 0, raiz);
    EXPECT_EQ(filhos(acme), (QStringList{"JOAO DA SILVA", "MARIA SOUZA"}));
    EXPECT_EQ(filhos(modelo().index(1, 0, raiz)), QStringList{QStringLiteral("ANA LIMA")});
    EXPECT_EQ(acme.data(PapelIcone).toInt(), int(IconeArvore::EmpresaDisponivel));
    EXPECT_EQ(modelo().index(0, 0, acme).data(PapelIcone).toInt(), int(IconeArvore::Disponivel));
    EXPECT_EQ(janela->EntradaSelecionada(), arvore().Entrada(0).Id) << "the root is selected after the reload";
    EXPECT_TRUE(janela->Visualizacao()->isExpanded(raiz));
    // the file's header opened the movement
    EXPECT_EQ(janela->findChild<QLabel *>(QStringLiteral("lblMovimento"))->text(),
              QStringLiteral("Movimento aberto: recolhimento em 12/03/2018"));
}

TEST_F(JanelaPrincipalTest, AFileThatFailsValidationOffersItsInconsistencies)
{
    folha::PrepararReferencias(*db);
    responsavel();
    abrir();
    QDir().mkpath(home.path(QStringLiteral("entrada")));
    QStringList linhas = folha::Linhas();
    linhas[6].replace(32, 11, QStringLiteral("20012345674"));  // ANA's PIS with a wrong check digit
    const QString arquivo = home.path(QStringLiteral("entrada/tolv.re"));
    ASSERT_TRUE(GravarLinhas(arquivo, linhas));

    for (const bool sim : {false, true}) {
        SCOPED_TRACE(sim ? "Yes" : "No");
        caixas.vistas.clear();
        caixas.respostas[QStringLiteral("990209")] = sim ? QStringLiteral("&Sim") : QStringLiteral("&Não");
        QStringList linhasRelatorio;
        bool relatorio = false;
        if (sim)
            QuandoJanela<QDialog>(roteiro, 
                [&](QDialog &d) {
                    relatorio = true;
                    const auto *grade = d.findChild<QTableWidget *>(QStringLiteral("grdInconsistencias"));
                    for (int i = 0; grade && i < grade->rowCount(); ++i)
                        linhasRelatorio << grade->item(i, 3)->text();
                    d.accept();
                },
                [](QDialog &d) { return d.objectName() == QLatin1String("frmInconsistencias"); });
        escolherArquivo(arquivo);
        acao("actImportarFolha")->trigger();

        if (!sim)
            EXPECT_EQ(caixas.codigos(), (QStringList{"990209", "990476"}));
        else {
            EXPECT_EQ(caixas.codigos(), QStringList{QStringLiteral("990209")});
            EXPECT_TRUE(relatorio) << "Yes shows the inconsistencies";
            ASSERT_EQ(linhasRelatorio.size(), 1);
            EXPECT_TRUE(linhasRelatorio[0].contains(QStringLiteral("109"))) << linhasRelatorio[0].toStdString();
        }
        EXPECT_EQ(contar(QStringLiteral("SFGTBG04_VINCULO_EMPREGATICIO")), 0);
        EXPECT_EQ(filhos(modelo().index(0, 0)), QStringList());
    }
}

// The user cancels while the file is being written to the database: the run
// stops, its transaction is rolled back, no message follows and the tree is as
// it was.
TEST_F(JanelaPrincipalTest, CancelDuringTheImportLeavesTheDatabaseUntouched)
{
    folha::PrepararReferencias(*db);
    responsavel();
    abrir();
    const int antes = linhasGravadas();
    QDir().mkpath(home.path(QStringLiteral("entrada")));
    const QString arquivo = folha::Gravar(home.path(QStringLiteral("entrada")), 400);

    bool cancelou = false;
    EstadoTarefa fim;
    QuandoJanela<TfrmProgImporta>(roteiro, [&](TfrmProgImporta &p) {
        auto *vigia = new QTimer(&p);
        QObject::connect(vigia, &QTimer::timeout, &p, [&p, &cancelou, vigia] {
            if (p.Situacao(3) != TfrmProgImporta::SituacaoEtapa::EmAndamento || cancelou)
                return;
            cancelou = true;
            vigia->stop();
            QTest::mouseClick(p.findChild<QPushButton *>(QStringLiteral("btnCancelar")), Qt::LeftButton);
        });
        QObject::connect(&p.Executor(), &ExecutorTarefa::tarefaEncerrada, &p, [&p, &fim] { fim = p.Estado(); });
        vigia->start(2);
    });
    escolherArquivo(arquivo);
    acao("actImportarFolha")->trigger();

    ASSERT_TRUE(cancelou) << "the load step was never seen running";
    EXPECT_TRUE(fim.cancelado);
    EXPECT_FALSE(fim.sucesso);
    EXPECT_EQ(linhasGravadas(), antes);
    EXPECT_FALSE(db->EmTransacao());
    EXPECT_TRUE(caixas.vistas.isEmpty());
    EXPECT_EQ(filhos(modelo().index(0, 0)), QStringList());
    EXPECT_EQ(modelo().index(0, 0).data().toString(), QStringLiteral("CONTABIL EXEMPLO LTDA"));
}

TEST_F(JanelaPrincipalTest, TheChooserTakesOnlyAnExistingTolvRe)
{
    QDir().mkpath(home.path(QStringLiteral("a")));
    home.writeFile(QStringLiteral("a/tolv.Re"), "x");
    home.writeFile(QStringLiteral("a/TOLV.RE.bak"), "x");
    home.writeFile(QStringLiteral("a/XTOLV.RE"), "x");
    EXPECT_TRUE(TDialogoArquivoFolha::ArquivoAceito(home.path(QStringLiteral("a/tolv.Re"))));
    EXPECT_FALSE(TDialogoArquivoFolha::ArquivoAceito(home.path(QStringLiteral("a/TOLV.RE.bak"))));
    EXPECT_FALSE(TDialogoArquivoFolha::ArquivoAceito(home.path(QStringLiteral("a/XTOLV.RE"))));
    EXPECT_FALSE(TDialogoArquivoFolha::ArquivoAceito(home.path(QStringLiteral("a/TOLV.RE")))) << "missing file";
    QDir().mkpath(home.path(QStringLiteral("b/TOLV.RE")));
    EXPECT_FALSE(TDialogoArquivoFolha::ArquivoAceito(home.path(QStringLiteral("b/TOLV.RE")))) << "a folder";
}

// ---------------------------------------------------------------------------
// Marking

class MarcacaoTest : public JanelaPrincipalTest {
protected:
    void SetUp() override
    {
        responsavel();
        empregador(1, kCnpj);
        trabalhador(kPis, QStringLiteral("JOAO DA SILVA"));
        trabalhador(kPis2, QStringLiteral("MARIA SOUZA"));
        vinculo(1, kCnpj, kPis);
        vinculo(1, kCnpj, kPis2);
    }

    void fecharMaria()
    {
        exec(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_ESTADO_MOVIMENTO = 2 WHERE NU_PIS = %1").arg(kPis2));
    }
};

TEST_F(MarcacaoTest, MarkingWithNoMovementOpenShowsFE0062AndChangesNothing)
{
    abrir();
    janela->DefinirVisao(TfrmPrincipal::VisaoMovimento);
    const IdEntrada joao = vinculoNo(kPis);
    const IdEntrada emp = empresa(kCnpj);
    struct Caso {
        const char *nome;
        IdEntrada no;
        const char *titulo;
    };
    for (const Caso &c : {Caso{"worker", joao, "Erro"}, Caso{"employer", emp, "Erro"},
                          Caso{"everyone", arvore().Entrada(0).Id, "Informação"}}) {
        SCOPED_TRACE(c.nome);
        caixas.vistas.clear();
        janela->SelecionarEntrada(c.no);
        ASSERT_TRUE(acao("actMarcarParticipacao")->isEnabled());
        acao("actMarcarParticipacao")->trigger();
        ASSERT_EQ(caixas.vistas.size(), 1);
        EXPECT_EQ(caixas.vistas[0].codigo, QStringLiteral("FE0062"));
        EXPECT_EQ(caixas.vistas[0].titulo, QString::fromUtf8(c.titulo));
        EXPECT_EQ(estadoGravado(kPis), 0);
        EXPECT_EQ(icone(joao), IconeArvore::Disponivel);
        EXPECT_EQ(icone(emp), IconeArvore::EmpresaDisponivel);
    }
}

TEST_F(MarcacaoTest, MarkUnmarkAndWithdrawAClosingFromTheMovementView)
{
    fecharMaria();
    abrirMovimento();
    abrir();
    janela->DefinirVisao(TfrmPrincipal::VisaoMovimento);
    const IdEntrada joao = vinculoNo(kPis);
    const IdEntrada maria = vinculoNo(kPis2);
    const IdEntrada emp = empresa(kCnpj);

    janela->SelecionarEntrada(joao);
    EXPECT_TRUE(acao("actMarcarParticipacao")->isVisible());
    EXPECT_FALSE(acao("actDesmarcarParticipacao")->isVisible());
    acao("actMarcarParticipacao")->trigger();
    EXPECT_TRUE(caixas.vistas.isEmpty()) << caixas.codigos().join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(estadoGravado(kPis), 1);
    EXPECT_EQ(icone(joao), IconeArvore::Participando);
    EXPECT_EQ(icone(emp), IconeArvore::EmpresaParticipando);
    // a marked node offers the unmarking instead
    EXPECT_FALSE(acao("actMarcarParticipacao")->isVisible());
    ASSERT_TRUE(acao("actDesmarcarParticipacao")->isVisible());
    acao("actDesmarcarParticipacao")->trigger();
    EXPECT_EQ(estadoGravado(kPis), 0);
    EXPECT_EQ(icone(joao), IconeArvore::Disponivel);
    EXPECT_EQ(icone(emp), IconeArvore::EmpresaDisponivel);

    // A closed link cannot be marked; its closing can be withdrawn.
    janela->SelecionarEntrada(maria);
    EXPECT_FALSE(acao("actMarcarParticipacao")->isEnabled());
    EXPECT_TRUE(acao("actRetirarParticipaodeMovimento")->isEnabled());
    janela->ParticiparClick();
    ASSERT_EQ(caixas.vistas.size(), 1);
    EXPECT_EQ(caixas.vistas[0].texto, kItemNaoModificavel);
    EXPECT_EQ(caixas.vistas[0].titulo, QStringLiteral("TOLV Eletrônica"));
    caixas.vistas.clear();
    acao("actRetirarParticipaodeMovimento")->trigger();
    ASSERT_EQ(caixas.vistas.size(), 1);
    EXPECT_EQ(caixas.vistas[0].texto, kConfirmaRetirada);
    EXPECT_EQ(estadoGravado(kPis2), 0);
    EXPECT_EQ(icone(maria), IconeArvore::Disponivel);
    EXPECT_FALSE(acao("actRetirarParticipaodeMovimento")->isEnabled());

    // Everyone from the root.
    janela->SelecionarEntrada(arvore().Entrada(0).Id);
    acao("actMarcarParticipacao")->trigger();
    EXPECT_EQ(estadoGravado(kPis), 1);
    EXPECT_EQ(estadoGravado(kPis2), 1);
    ASSERT_TRUE(acao("actDesmarcarParticipacao")->isVisible());
    acao("actDesmarcarParticipacao")->trigger();
    EXPECT_EQ(estadoGravado(kPis), 0);
    EXPECT_EQ(estadoGravado(kPis2), 0);
    EXPECT_EQ(icone(emp), IconeArvore::EmpresaDisponivel);
}

TEST_F(MarcacaoTest, ARefusedEmployerMarkingAsksAboutTheInconsistencies)
{
    // JOAO's termination values are all zero: the batch rules refuse him.
    exec(QStringLiteral("UPDATE SFGTBG06_INFORMACAO_RESCISAO SET VR_REMUNERACAO_ANTERIOR_RSCSO = 0, "
                        "VR_REMUNERACAO_RESCISAO = 0, VR_SALDO_RESCISORIO = 0 WHERE NU_PIS = %1")
             .arg(kPis));
    abrirMovimento();
    abrir();
    janela->DefinirVisao(TfrmPrincipal::VisaoMovimento);
    janela->SelecionarEntrada(empresa(kCnpj));
    caixas.respostas[QStringLiteral("FE0224")] = QStringLiteral("&Não");
    ASSERT_TRUE(acao("actMarcarParticipacao")->isEnabled());
    acao("actMarcarParticipacao")->trigger();
    EXPECT_EQ(caixas.codigos(), (QStringList{"FE0224", "FE0400"}));
    EXPECT_EQ(estadoGravado(kPis), 0);
    EXPECT_EQ(estadoGravado(kPis2), 1) << "a refusal does not stop the others";
    EXPECT_EQ(icone(empresa(kCnpj)), IconeArvore::EmpresaParticipando);
    EXPECT_GE(contar(QStringLiteral("SFGTBG18_INCONSISTENCIA_ARQUIVO WHERE NU_ARQUIVO = 3")), 1);
}

// Withdrawing the closings of an employer: its closed links (also the one whose
// guide came back) return to the movement's start with their computed values
// cleared, its pending changes go, the other employer is left alone.
TEST_F(MarcacaoTest, WithdrawingAnEmployersClosingResetsItsLinksAndDropsItsChanges)
{
    fecharMaria();
    exec(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_ESTADO_MOVIMENTO = 3 WHERE NU_PIS = %1").arg(kPis));
    empregador(2, kCei, QStringLiteral("E"), 515, QStringLiteral("OUTRA EMPRESA SA"));
    trabalhador(kPis3, QStringLiteral("ANA LIMA"));
    vinculo(2, kCei, kPis3, 1, kAdmissao, 2);
    exec(QStringLiteral("UPDATE SFGTBG06_INFORMACAO_RESCISAO SET VR_DEPOSITO_RESCISAO = 123.45"));
    for (const auto &[tipo, inscricao, pis] : {std::tuple{1, kCnpj, kPis}, std::tuple{2, kCei, kPis3}}) {
        exec(QStringLiteral("INSERT INTO SFGTBG10_CONTA_EMPREGADO_FGTS (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                            "NU_CATEGORIA, DT_ADMISSAO_VINCULO, NO_EMPREGADO, NU_EMPREGADO_ORBEL, "
                            "NU_SITUACAO_CONTA_EMPREGADO, NU_SITUACAO_CONTA_EMPRESA) VALUES (%1, %2, %3, 1, '%4', "
                            "'NOME NA ORBEL', 7, 0, 0)")
                 .arg(tipo)
                 .arg(inscricao)
                 .arg(pis)
                 .arg(kAdmissao));
        exec(QStringLiteral("INSERT INTO SFGTBG05_ALTERACAO_CADASTRAL (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                            "NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_TIPO_ALTERACAO, IC_CONFIRMACAO, "
                            "NU_EMPREGADO_ORBEL_ALT_CDSTL) VALUES (%1, %2, %3, 1, '%4', 406, 'N', 7)")
                 .arg(tipo)
                 .arg(inscricao)
                 .arg(pis)
                 .arg(kAdmissao));
    }
    abrir();
    janela->DefinirVisao(TfrmPrincipal::VisaoMovimento);
    const IdEntrada emp = empresa(kCnpj);
    EXPECT_EQ(icone(emp), IconeArvore::EmpresaFechada);
    janela->SelecionarEntrada(emp);
    ASSERT_TRUE(acao("actRetirarParticipaodeMovimento")->isEnabled());
    EXPECT_FALSE(acao("actMarcarParticipacao")->isEnabled()) << "marking waits for the closing to be withdrawn";
    acao("actRetirarParticipaodeMovimento")->trigger();

    EXPECT_EQ(estadoGravado(kPis), 0);
    EXPECT_EQ(estadoGravado(kPis2), 0);
    EXPECT_EQ(estadoGravado(kPis3), 2);
    EXPECT_EQ(icone(emp), IconeArvore::EmpresaDisponivel);
    EXPECT_EQ(icone(vinculoNo(kPis)), IconeArvore::Disponivel);
    EXPECT_EQ(contar(QStringLiteral("SFGTBG06_INFORMACAO_RESCISAO WHERE VR_DEPOSITO_RESCISAO IS NULL")), 2);
    EXPECT_EQ(contar(QStringLiteral("SFGTBG06_INFORMACAO_RESCISAO WHERE VR_DEPOSITO_RESCISAO = 123.45 AND NU_PIS = %1")
                         .arg(kPis3)),
              1);
    EXPECT_EQ(contar(QStringLiteral("SFGTBG05_ALTERACAO_CADASTRAL WHERE NU_INSCRICAO = %1").arg(kCnpj)), 0);
    EXPECT_EQ(contar(QStringLiteral("SFGTBG05_ALTERACAO_CADASTRAL WHERE NU_INSCRICAO = %1").arg(kCei)), 1);
    EXPECT_TRUE(filhos(modelo().IndiceDe(vinculoNo(kPis))).isEmpty()) << "the change node went with its row";
    EXPECT_EQ(filhos(modelo().IndiceDe(vinculoNo(kPis3, kCei, 2))).size(), 1);
    EXPECT_FALSE(db->EmTransacao());
}

// The tree's popup in the movement view: a closed worker cannot be marked; the
// popup also withdraws the closing of a worker whose guide came back, which the
// Editar menu does not.
TEST_F(MarcacaoTest, ThePopupOfAClosedWorkerOffersTheWithdrawal)
{
    fecharMaria();
    exec(QStringLiteral("UPDATE SFGTBG04_VINCULO_EMPREGATICIO SET IC_ESTADO_MOVIMENTO = 3 WHERE NU_PIS = %1").arg(kPis));
    abrir();
    janela->DefinirVisao(TfrmPrincipal::VisaoMovimento);
    QTreeView *tv = janela->Visualizacao();
    tv->expandAll();
    for (const auto &[pis, retirarNoMenu] : {std::pair{kPis2, true}, std::pair{kPis, false}}) {
        SCOPED_TRACE(pis);
        QMap<QString, bool> itens;
        QuandoJanela<QMenu>(roteiro, [&itens](QMenu &m) {
            for (QAction *a : m.actions())
                if (!a->isSeparator())
                    itens.insert(a->text(), a->isEnabled());
            m.close();
        });
        const QModelIndex i = modelo().IndiceDe(vinculoNo(pis));
        tv->scrollTo(i);
        emit tv->customContextMenuRequested(tv->visualRect(i).center());
        EXPECT_EQ(janela->EntradaSelecionada(), vinculoNo(pis)) << "the right click selects";
        EXPECT_EQ(itens, (QMap<QString, bool>{{QStringLiteral("&Marcar Participação"), false},
                                               {QStringLiteral("&Retirar Fechamento"), true},
                                               {QStringLiteral("&Localizar"), true}}));
        EXPECT_EQ(acao("actRetirarParticipaodeMovimento")->isEnabled(), retirarNoMenu);
    }
}

// ---------------------------------------------------------------------------
// Views, frames and rules

TEST_F(MarcacaoTest, EachNodeShowsItsFrameAndTheRulesOfItsView)
{
    abrir();
    const IdEntrada raiz = arvore().Entrada(0).Id;
    const IdEntrada emp = empresa(kCnpj);
    const IdEntrada joao = vinculoNo(kPis);

    struct Caso {
        int visao;
        IdEntrada no;
        const char *frame;
        bool novo, alterar, excluir, marcarVisivel;
    };
    const Caso casos[] = {
        {TfrmPrincipal::VisaoCadastro, raiz, "frmResponsavel", true, true, false, false},
        {TfrmPrincipal::VisaoCadastro, emp, "frmEmpresas", false, true, true, false},
        {TfrmPrincipal::VisaoCadastro, joao, "pnlResumo", false, false, false, false},
        {TfrmPrincipal::VisaoMovimento, raiz, "pnlResumo", false, false, false, true},
        {TfrmPrincipal::VisaoMovimento, emp, "frmEmpresas", false, false, false, true},
        {TfrmPrincipal::VisaoMovimento, joao, "pnlResumo", false, false, false, true},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.frame) + (c.visao ? " movement" : " registration"));
        janela->DefinirVisao(c.visao);
        janela->SelecionarEntrada(c.no);
        EXPECT_EQ(frameVisivel()->objectName(), QLatin1String(c.frame));
        EXPECT_EQ(acao("actNovoEmpresa")->isEnabled(), c.novo);
        EXPECT_EQ(acao("actAlterar")->isEnabled(), c.alterar);
        EXPECT_EQ(acao("actExcluir")->isEnabled(), c.excluir);
        EXPECT_EQ(acao("actMarcarParticipacao")->isVisible(), c.marcarVisivel);
        EXPECT_TRUE(acao("actImportarFolha")->isEnabled());
        EXPECT_TRUE(acao("actLocalizar")->isEnabled());
    }
    // In the movement view the employer frame only shows.
    janela->DefinirVisao(TfrmPrincipal::VisaoMovimento);
    janela->SelecionarEntrada(emp);
    for (const char *b : {"btnAlterar", "btnExcluir", "btnNovoTrabalhador"})
        EXPECT_FALSE(frameVisivel()->findChild<QPushButton *>(QLatin1String(b))->isEnabled()) << b;
    // The worker's account names what the tree knows of the link.
    janela->SelecionarEntrada(joao);
    const QWidget *resumo = frameVisivel();
    QStringList textos;
    for (const QLabel *l : resumo->findChildren<QLabel *>())
        textos << l->text();
    EXPECT_TRUE(textos.contains(QStringLiteral("120.34567.89-9"))) << textos.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(textos.contains(QStringLiteral("Disponível")));

    // Only menus whose items all do something.
    QStringList menus;
    for (QAction *a : janela->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&Arquivo", "&Editar", "Aj&uda"}));
}

TEST_F(MarcacaoTest, ANewEmployerLocksTheTreeUntilItIsSavedOrCancelled)
{
    abrir();
    janela->SelecionarEntrada(arvore().Entrada(0).Id);
    auto *abas = janela->findChild<QTabWidget *>(QStringLiteral("TabTreeView"));
    acao("actNovoEmpresa")->trigger();
    EXPECT_EQ(frameVisivel()->objectName(), QStringLiteral("frmEmpresas"));
    EXPECT_FALSE(abas->isEnabled());
    EXPECT_FALSE(janela->menuBar()->isEnabled());
    auto *cancelar = frameVisivel()->findChild<QPushButton *>(QStringLiteral("btnCancelar"));
    ASSERT_TRUE(cancelar->isVisible());
    cancelar->click();
    EXPECT_TRUE(abas->isEnabled());
    EXPECT_TRUE(janela->menuBar()->isEnabled());
    EXPECT_EQ(frameVisivel()->objectName(), QStringLiteral("frmResponsavel"));
    EXPECT_EQ(janela->EntradaSelecionada(), arvore().Entrada(0).Id);
}

// ---------------------------------------------------------------------------
// Search

TEST_F(JanelaPrincipalTest, TreeSearchByNameAndByCnpjSelectsAndExpandsTheNode)
{
    responsavel();
    empregador(1, kCnpj, QStringLiteral("E"), 515, QStringLiteral("EMPRESA MODELO LTDA"));
    empregador(2, kCei, QStringLiteral("E"), 515, QStringLiteral("OUTRA EMPRESA SA"));
    trabalhador(kPis, QStringLiteral("JOAO DA SILVA"));
    vinculo(2, kCei, kPis);
    abrir();
    janela->Visualizacao()->collapseAll();

    struct Caso {
        const char *nome;
        const char *chave;
        int procura;
        QString conteudo;
        IdEntrada esperado;
    };
    const Caso casos[] = {
        {"employer by name", "rbNome", 0, QStringLiteral("outra"), empresa(kCei, 2)},
        {"employer by CNPJ", "rbCnpj", 0, QString::number(kCnpj), empresa(kCnpj)},
        {"worker by name", "rbNome", 1, QStringLiteral("JOAO"), vinculoNo(kPis, kCei, 2)},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        ASSERT_NE(c.esperado, SemEntrada);
        const QString chave = QLatin1String(c.chave);
        QuandoJanela<TfrmLocalizar>(roteiro, [&](TfrmLocalizar &d) {
            d.findChild<QRadioButton *>(chave)->click();
            auto *procura = d.findChild<QComboBox *>(QStringLiteral("cmbProcurarPor"));
            if (procura->currentIndex() != c.procura) {
                procura->setCurrentIndex(c.procura);
                emit procura->activated(c.procura);
            }
            QTest::keyClicks(d.findChild<QLineEdit *>(QStringLiteral("edtConteudo")), c.conteudo);
            QTest::mouseClick(d.findChild<QPushButton *>(QStringLiteral("btnLocalizar")), Qt::LeftButton);
            QTest::mouseClick(d.findChild<QPushButton *>(QStringLiteral("btnFechar")), Qt::LeftButton);
        });
        acao("actLocalizar")->trigger();
        EXPECT_EQ(janela->EntradaSelecionada(), c.esperado);
        const QModelIndex i = modelo().IndiceDe(c.esperado);
        EXPECT_TRUE(janela->Visualizacao()->isExpanded(modelo().parent(i))) << "the found node is shown";
        EXPECT_TRUE(caixas.vistas.isEmpty()) << caixas.vistas.value(0).texto.toStdString();
        caixas.vistas.clear();
    }
}

// ---------------------------------------------------------------------------
// Pending name change

TEST_F(JanelaPrincipalTest, SelectingAPendingChangeResolvesIt)
{
    struct Caso {
        const char *resposta;
        QStringList codigos;
        QString nome;
        int alteracoesPendentes;
    };
    const Caso casos[] = {
        {"&Não", {"990301"}, QStringLiteral("JOAO DA SILVA SANTOS"), 0},
        {"&Sim", {"990301", "990302"}, QStringLiteral("JOAO DA SILVA"), 0},
        {"Cancelar", {"990301"}, QStringLiteral("JOAO DA SILVA"), 1},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.resposta);
        janela.reset();
        apagarTudo();
        responsavel();
        empregador(1, kCnpj);
        trabalhador(kPis, QStringLiteral("JOAO DA SILVA"));
        vinculo(1, kCnpj, kPis);
        exec(QStringLiteral("INSERT INTO SFGTBG10_CONTA_EMPREGADO_FGTS (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                            "NU_CATEGORIA, DT_ADMISSAO_VINCULO, NO_EMPREGADO, NU_EMPREGADO_ORBEL, "
                            "NU_SITUACAO_CONTA_EMPREGADO, NU_SITUACAO_CONTA_EMPRESA) VALUES (1, %1, %2, 1, '%3', "
                            "'JOAO DA SILVA SANTOS', 7, 0, 0)")
                 .arg(kCnpj)
                 .arg(kPis)
                 .arg(kAdmissao));
        exec(QStringLiteral("INSERT INTO SFGTBG05_ALTERACAO_CADASTRAL (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                            "NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_TIPO_ALTERACAO, DE_CONTEUDO_ANTERIOR, "
                            "IC_CONFIRMACAO, NU_EMPREGADO_ORBEL_ALT_CDSTL) VALUES (1, %1, %2, 1, '%3', 406, "
                            "'JOAO DA SILVA', 'N', 7)")
                 .arg(kCnpj)
                 .arg(kPis)
                 .arg(kAdmissao));
        abrir();
        caixas.vistas.clear();
        caixas.respostas[QStringLiteral("990301")] = QString::fromUtf8(c.resposta);
        const IdEntrada joao = vinculoNo(kPis);
        const QModelIndex noJoao = modelo().IndiceDe(joao);
        ASSERT_EQ(filhos(noJoao), QStringList{QStringLiteral("JOAO DA SILVA SANTOS")});
        janela->SelecionarEntrada(ModeloArvore::IdDe(modelo().index(0, 0, noJoao)));
        for (int i = 0; i < 500 && (caixas.vistas.isEmpty() || janela->EntradaSelecionada() != joao); ++i)
            QTest::qWait(10);
        QTest::qWait(50);
        ASSERT_EQ(janela->EntradaSelecionada(), joao) << "the worker is selected afterwards";

        EXPECT_EQ(caixas.codigos(), c.codigos);
        EXPECT_EQ(valor(QStringLiteral("SELECT TRIM(NO_EMPREGADO) FROM SFGTBG03_EMPREGADO WHERE NU_PIS = %1").arg(kPis)),
                  c.nome);
        EXPECT_EQ(modelo().IndiceDe(joao).data().toString(), c.nome);
        EXPECT_EQ(contar(QStringLiteral("SFGTBG05_ALTERACAO_CADASTRAL WHERE IC_CONFIRMACAO = 'N'")),
                  c.alteracoesPendentes);
        EXPECT_EQ(filhos(modelo().IndiceDe(joao)).size(), c.alteracoesPendentes);
        EXPECT_FALSE(db->EmTransacao());
    }
}

} // namespace

// The responsible-party and employer frames driven as a user drives them:
// validation order with the focused field, the inscription lookups, the saves
// and the delete with their effects on the database and the tree.

#include "cadastro_ui_support.h"

#include "ui/frm_empresas.h"
#include "ui/frm_responsavel.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>

using namespace tolv;
using namespace tolv::test;

namespace {

class FrameCadastroTest : public TelaTest {
protected:
    QString estado(qint64 inscricao, int tipo = 1)
    {
        return valor(QStringLiteral("SELECT IC_ESTADO_EMPRESA FROM SFGTBG02_EMPRESA WHERE NU_TIPO_INSO_EMPRA = %1 "
                                    "AND NU_INSCRICAO = %2")
                         .arg(tipo)
                         .arg(inscricao));
    }

    const TRecArvore *entradaEmpresa(qint64 inscricao)
    {
        for (const TRecArvore &e : arvore->Entradas())
            if (e.EhEmpresa() && e.Inscricao == inscricao)
                return &e;
        return nullptr;
    }

    static void escolher(QWidget &w, const char *nome, int indice)
    {
        campo<QComboBox>(w, nome)->setCurrentIndex(indice);
    }
};

// A new employer starts from the tree's root, with the type chosen.
void IniciarNova(TfrmEmpresas &f, int tipo = 1)
{
    ASSERT_TRUE(f.NovaEmpresa());
    f.findChild<QComboBox *>(QStringLiteral("cmbTipoInscricao"))->setCurrentIndex(tipo - 1);
}

TEST_F(FrameCadastroTest, SavingStopsAtTheFirstRuleWithTheFrameCodeAndFocusesItsField)
{
    struct Caso {
        bool empresa;
        const char *campo;
        const char *texto;
        const char *codigo;
    };
    const Caso casos[] = {
        {false, "edtCep", "00999000", "000101"},
        {false, "edtEmail", "maria@contabil", "000065"},
        {false, "edtContato", "", "000097"},
        {false, "edtRazaoSocial", "CONTABIL  EXEMPLO", "000177"},
        {true, "edtCep", "00999000", "100101"},
        {true, "edtDdd", "10", "100024"},
        {true, "edtFpas", "", "100070"},
        {true, "edtRazaoSocial", "", "100177"},
    };
    responsavel();
    empregador(1, kCnpj);
    montar();
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.campo) + " " + c.codigo);
        caixas.codigos.clear();
        std::unique_ptr<TFramePadrao> frame;
        if (c.empresa) {
            auto *f = new TfrmEmpresas(arvore.get(), nullptr, db.get());
            frame.reset(f);
            ASSERT_TRUE(f->Exibir(1, kCnpj));
        } else {
            auto *f = new TfrmResponsavel(arvore.get(), nullptr, db.get());
            frame.reset(f);
            ASSERT_TRUE(f->Exibir());
        }
        ativar(*frame);
        clicar(*frame, "btnAlterar");
        if (!c.empresa)
            digitar(*frame, "edtContato", QStringLiteral("MARIA"));
        digitar(*frame, c.campo, QString::fromUtf8(c.texto));
        clicar(*frame, "btnSalvar");

        EXPECT_EQ(caixas.codigos, QStringList{QString::fromUtf8(c.codigo)});
        ASSERT_TRUE(frame->focusWidget());
        EXPECT_EQ(frame->focusWidget()->objectName(), QString::fromUtf8(c.campo));
        EXPECT_EQ(TFramePadrao::ModoCadastro(), TFramePadrao::ModoAlteracao);
        EXPECT_TRUE(campo<QPushButton>(*frame, "btnSalvar")->isVisible());
    }
    EXPECT_EQ(valor(QStringLiteral("SELECT NU_CEP FROM SFGTBG02_EMPRESA WHERE NU_INSCRICAO = %1").arg(kCnpj)),
              QStringLiteral("70300500"));
}

TEST_F(FrameCadastroTest, ChangingTheResponsiblePartyRenamesTheRoot)
{
    responsavel();
    montar();
    TfrmResponsavel f(arvore.get(), nullptr, db.get());
    ASSERT_TRUE(f.Exibir());
    ativar(f);
    QSignalSpy visualizacao(&f, &TFramePadrao::visualizacaoDefinida);
    clicar(f, "btnAlterar");
    EXPECT_FALSE(campo<QPushButton>(f, "btnNovaEmpresa")->isVisible());
    digitar(f, "edtContato", QStringLiteral("MARIA"));
    digitar(f, "edtRazaoSocial", QStringLiteral("NOVO NOME CONTABIL"));
    digitar(f, "edtEmail", QStringLiteral("maria@contabil.com.br"));
    clicar(f, "btnSalvar");

    EXPECT_EQ(caixas.codigos, (QStringList{"000035", "000001"}));
    EXPECT_EQ(arvore->Entrada(0).Texto, QStringLiteral("NOVO NOME CONTABIL"));
    EXPECT_EQ(arvore->Raiz().Tipo, QStringLiteral("R"));
    EXPECT_EQ(valor(QStringLiteral("SELECT NO_CONTATO FROM SFGTBG02_EMPRESA WHERE IC_ESTADO_EMPRESA = 'R'")),
              QStringLiteral("MARIA"));
    EXPECT_EQ(TFramePadrao::ModoCadastro(), TFramePadrao::ModoVisualizacao);
    EXPECT_FALSE(campo<QLineEdit>(f, "edtRazaoSocial")->isEnabled());
    EXPECT_TRUE(campo<QPushButton>(f, "btnNovaEmpresa")->isVisible());
    // off while editing, back on after the save
    ASSERT_EQ(visualizacao.size(), 2);
    EXPECT_FALSE(visualizacao.at(0).at(0).toBool());
    EXPECT_TRUE(visualizacao.at(1).at(0).toBool());
}

TEST_F(FrameCadastroTest, TheEmailTakesOnlyItsCharacters)
{
    responsavel();
    montar();
    TfrmResponsavel f(arvore.get(), nullptr, db.get());
    f.Exibir();
    ativar(f);
    clicar(f, "btnAlterar");
    digitar(f, "edtEmail", QStringLiteral("ma+ria#@x.com"));
    EXPECT_EQ(campo(f, "edtEmail")->text(), QStringLiteral("maria@x.com"));
}

TEST_F(FrameCadastroTest, TheResponsiblePartysOwnInscriptionBringsItsDataAndSavingMakesTheRootA)
{
    responsavel();
    montar();
    TfrmEmpresas f(arvore.get(), nullptr, db.get());
    IniciarNova(f);
    ativar(f);
    QSignalSpy selecao(&f, &TFramePadrao::pedirSelecao);
    // the last digit fills the field: the focus moves on and the lookup runs
    campo(f, "edtInscricao")->setFocus();
    QTest::keyClicks(campo(f, "edtInscricao"), QString::number(kCnpj2));

    EXPECT_EQ(campo(f, "edtRazaoSocial")->text(), QStringLiteral("CONTABIL EXEMPLO LTDA"));
    EXPECT_EQ(campo(f, "edtLogradouro")->text(), QStringLiteral("SCS QUADRA 1"));
    EXPECT_EQ(campo(f, "edtCep")->text(), QStringLiteral("70300-500"));
    EXPECT_EQ(campo<QComboBox>(f, "cmbUf")->currentText(), QStringLiteral("DF"));
    EXPECT_EQ(campo(f, "edtDdd")->text(), QStringLiteral("61"));
    EXPECT_EQ(campo(f, "edtTelefone")->text(), QStringLiteral("33224455"));
    EXPECT_TRUE(campo(f, "edtFpas")->text().isEmpty());
    EXPECT_TRUE(caixas.codigos.isEmpty());

    QTest::keyClicks(campo<QComboBox>(f, "cmbCnae")->lineEdit(), QStringLiteral("6920601"));
    digitar(f, "edtFpas", QStringLiteral("515"));
    escolher(f, "cmbSimples", 0);
    clicar(f, "btnSalvar");

    EXPECT_EQ(caixas.codigos, (QStringList{"100035", "100078"}));
    EXPECT_EQ(estado(kCnpj2), QStringLiteral("A"));
    EXPECT_EQ(arvore->Raiz().Tipo, QStringLiteral("A"));
    const TRecArvore *empresa = entradaEmpresa(kCnpj2);
    ASSERT_TRUE(empresa);
    EXPECT_EQ(empresa->Tipo, 'A');
    EXPECT_EQ(empresa->Texto, QStringLiteral("CONTABIL EXEMPLO LTDA"));
    ASSERT_EQ(selecao.size(), 1);
    EXPECT_EQ(selecao.at(0).at(0).toLongLong(), arvore->Entrada(0).Id);
    EXPECT_TRUE(campo<QPushButton>(f, "btnNovoTrabalhador")->isVisible());
    EXPECT_EQ(TFramePadrao::ModoCadastro(), TFramePadrao::ModoVisualizacao);
}

TEST_F(FrameCadastroTest, ANewEmployerGoesUnderTheRoot)
{
    responsavel();
    montar();
    TfrmEmpresas f(arvore.get(), nullptr, db.get());
    IniciarNova(f);
    ativar(f);
    digitar(f, "edtInscricao", QString::number(kCnpj));
    digitar(f, "edtRazaoSocial", QStringLiteral("NOVA EMPRESA LTDA"));
    digitar(f, "edtLogradouro", QStringLiteral("RUA A 10"));
    digitar(f, "edtBairro", QStringLiteral("CENTRO"));
    digitar(f, "edtCep", QStringLiteral("70040010"));
    digitar(f, "edtCidade", QStringLiteral("BRASILIA"));
    campo<QComboBox>(f, "cmbUf")->setCurrentText(QStringLiteral("DF"));
    digitar(f, "edtDdd", QStringLiteral("61"));
    digitar(f, "edtTelefone", QStringLiteral("33221100"));
    QTest::keyClicks(campo<QComboBox>(f, "cmbCnae")->lineEdit(), QStringLiteral("6920601"));
    digitar(f, "edtFpas", QStringLiteral("515"));
    escolher(f, "cmbSimples", 0);
    clicar(f, "btnSalvar");

    EXPECT_EQ(caixas.codigos, (QStringList{"100035", "100078"}));
    EXPECT_EQ(estado(kCnpj), QStringLiteral("E"));
    EXPECT_EQ(estado(kCnpj2), QStringLiteral("R"));
    EXPECT_EQ(arvore->Raiz().Tipo, QStringLiteral("R"));
    const TRecArvore *empresa = entradaEmpresa(kCnpj);
    ASSERT_TRUE(empresa);
    EXPECT_EQ(empresa->Tipo, 'E');
    EXPECT_EQ(empresa->Texto, QStringLiteral("NOVA EMPRESA LTDA"));
    EXPECT_EQ(valor(QStringLiteral("SELECT NU_DDD FROM SFGTBG02_EMPRESA WHERE NU_INSCRICAO = %1").arg(kCnpj)),
              QStringLiteral("61"));
}

TEST_F(FrameCadastroTest, AnEmployersInscriptionIsRefusedAndEmptied)
{
    responsavel();
    empregador(1, kCnpj);
    montar();
    TfrmEmpresas f(arvore.get(), nullptr, db.get());
    IniciarNova(f);
    ativar(f);
    campo(f, "edtInscricao")->setFocus();
    QTest::keyClicks(campo(f, "edtInscricao"), QString::number(kCnpj));

    EXPECT_EQ(caixas.codigos, QStringList{"100207"});
    EXPECT_TRUE(f.InscricaoDigitada().isEmpty());
    ASSERT_TRUE(f.focusWidget());
    EXPECT_EQ(f.focusWidget()->objectName(), QStringLiteral("edtInscricao"));
    EXPECT_TRUE(campo(f, "edtRazaoSocial")->text().isEmpty());
}

TEST_F(FrameCadastroTest, ChangingTheTypeEmptiesAnInscriptionOfTheOtherMask)
{
    responsavel();
    montar();
    TfrmEmpresas f(arvore.get(), nullptr, db.get());
    IniciarNova(f);
    ativar(f);
    QLineEdit *inscricao = campo(f, "edtInscricao");
    inscricao->setFocus();
    QTest::keyClicks(inscricao, QStringLiteral("1122233"));
    escolher(f, "cmbTipoInscricao", 0);  // the same type keeps it
    EXPECT_EQ(f.InscricaoDigitada(), QStringLiteral("1122233"));
    escolher(f, "cmbTipoInscricao", 1);
    EXPECT_TRUE(f.InscricaoDigitada().isEmpty());
    EXPECT_EQ(inscricao->maxLength(), 12);
    QTest::keyClicks(inscricao, QStringLiteral("1234567890123"));
    EXPECT_EQ(f.InscricaoDigitada(), QStringLiteral("123456789012"));
    escolher(f, "cmbTipoInscricao", 0);
    EXPECT_TRUE(f.InscricaoDigitada().isEmpty());
    EXPECT_EQ(inscricao->maxLength(), 18);
}

TEST_F(FrameCadastroTest, DeletingAsksByTheLinksStatesAndNoKeepsEverything)
{
    struct Caso {
        const char *nome;
        int vinculos;
        int estado;
        const char *pergunta;
    };
    const Caso casos[] = {
        {"no links", 0, 0, "100036"},
        {"an open link", 1, 0, "100002"},
        {"a closed link", 1, 2, "100446"},
        {"a processed link", 1, 3, "100446"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        apagarTudo();
        responsavel();
        empregador(1, kCnpj);
        trabalhador(kPis);
        if (c.vinculos > 0)
            vinculo(1, kCnpj, kPis, 1, QStringLiteral("2010-01-04"), c.estado);
        montar();
        caixas.codigos.clear();
        caixas.respostas[QString::fromUtf8(c.pergunta)] = QStringLiteral("&Não");
        TfrmEmpresas f(arvore.get(), nullptr, db.get());
        ASSERT_TRUE(f.Exibir(1, kCnpj));
        ativar(f);
        clicar(f, "btnExcluir");
        EXPECT_EQ(caixas.codigos, QStringList{QString::fromUtf8(c.pergunta)});
        EXPECT_EQ(estado(kCnpj), QStringLiteral("E"));
        EXPECT_TRUE(entradaEmpresa(kCnpj));
        EXPECT_EQ(contar(QStringLiteral("SFGTBG04_VINCULO_EMPREGATICIO")), c.vinculos);
    }
}

TEST_F(FrameCadastroTest, DeletingTheResponsiblePartysEmployerKeepsItAsResponsible)
{
    empregador(1, kCnpj, QStringLiteral("A"));
    trabalhador(kPis);
    vinculo(1, kCnpj, kPis);
    montar();
    ASSERT_EQ(arvore->Raiz().Tipo, QStringLiteral("A"));
    caixas.respostas[QStringLiteral("100002")] = QStringLiteral("&Sim");
    TfrmEmpresas f(arvore.get(), nullptr, db.get());
    ASSERT_TRUE(f.Exibir(1, kCnpj));
    ativar(f);
    QSignalSpy selecao(&f, &TFramePadrao::pedirSelecao);
    clicar(f, "btnExcluir");

    EXPECT_EQ(caixas.codigos, (QStringList{"100002", "100068"}));
    EXPECT_EQ(estado(kCnpj), QStringLiteral("R"));
    EXPECT_EQ(contar(QStringLiteral("SFGTBG04_VINCULO_EMPREGATICIO")), 0);
    EXPECT_EQ(arvore->Raiz().Tipo, QStringLiteral("R"));
    EXPECT_EQ(arvore->Quantidade(), 1);
    ASSERT_EQ(selecao.size(), 1);
    EXPECT_EQ(selecao.at(0).at(0).toLongLong(), arvore->Entrada(0).Id);
}

} // namespace

#include "guides/codigo_barras.h"
#include "guides/guia_empresa.h"
#include "guides/guia_trabalhador.h"
#include "registration/endereco.h"
#include "registration/rescisao.h"
#include "registration/trabalhador.h"
#include "registration/vinculo.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

namespace {

class GuiasTest : public ::testing::Test {
protected:
    void SetUp() override { db = OpenFullDatabase(home.path(QStringLiteral("VESK/BD/TOLV.FDB"))); }

    void preencherGuia(TGuiaEmpresa &g, const QString &codigo)
    {
        g.CodigoBarras = codigo;
        g.DataRecolhimento = Date::fromYmd(2018, 3, 6);
        TEmpresa &e = g.Empresa();
        e.TipoInscricao = 1;
        e.Inscricao = QStringLiteral("11222333000181");
        e.RazaoSocial = QStringLiteral("SILVA, D'AVILA & FILHOS");
        e.Endereco().Logradouro = QStringLiteral("RUA A");
        e.Endereco().Bairro = QStringLiteral("CENTRO");
        e.Endereco().Localidade = QStringLiteral("BRASILIA");
        e.Endereco().Cep = QStringLiteral("70040010");
        e.Endereco().Uf = QStringLiteral("DF");
        e.Ddd = QStringLiteral("61");
        e.Telefone = QStringLiteral("33224455");
        e.Fpas = QStringLiteral("515");
        e.Simples = 1;
        e.Cnae = QStringLiteral("6920601");
    }

    void preencherLinha(TGuiaTrabalhador &l, const QString &codigo, qint64 pis)
    {
        l.CodigoBarras = codigo;
        l.Trabalhador().NU_PIS = QString::number(pis);
        l.Trabalhador().NO_EMPREGADO = QStringLiteral("JOAO D'AVILA");
        l.Vinculo().NU_TIPO_INSO_EMPRA = 1;
        l.Vinculo().NU_INSCRICAO = 11222333000181LL;
        l.Vinculo().NU_PIS = pis;
        l.Vinculo().NU_CATEGORIA = 1;
        l.Vinculo().DT_ADMISSAO_VINCULO = Date::fromYmd(2010, 1, 4);
        l.Vinculo().CO_MOVIMENTACAO = QStringLiteral("I1");
        l.Rescisao().VR_DEPOSITO_MULTA_RESCISORIA = Money::fromCentavos(420800);
        l.Rescisao().VR_SALDO_RESCISORIO = Money::fromCentavos(1000000);
    }

    int contar(const QString &sql) { return db->Abrir(sql)->field(0).toInt(); }

    TempProgramDir home;
    std::unique_ptr<TIbxUtils> db;
};

TEST_F(GuiasTest, GenerationFlowMovesLinesToTheRealCode)
{
    // two employer blocks in turn, the same worker in both
    for (int bloco = 0; bloco < 2; ++bloco) {
        TGuiaEmpresa g(db.get());
        preencherGuia(g, kCodigoProvisorio);
        g.Empresa().Inscricao = bloco == 0 ? QStringLiteral("11222333000181") : QStringLiteral("11444777000161");
        ASSERT_TRUE(g.GravarValidada());
        TGuiaTrabalhador l(db.get());
        preencherLinha(l, kCodigoProvisorio, 12056789013LL);
        ASSERT_TRUE(l.Gravar());
        const QString real = QStringLiteral("%1").arg(bloco + 1, 48, 10, QLatin1Char('1'));
        ASSERT_TRUE(g.AlterarCodigo(kCodigoProvisorio, real));
    }
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM SFGTBG09_GUIA_INDIVIDUAL")), 2);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM SFGTBG09_GUIA_INDIVIDUAL WHERE CO_BARRAS = '%1'").arg(kCodigoProvisorio)), 0);

    TGuiaEmpresa lida(db.get());
    lida.CodigoBarras = QStringLiteral("%1").arg(1, 48, 10, QLatin1Char('1'));
    ASSERT_TRUE(lida.LocalizarPorCodigo());
    ASSERT_EQ(lida.QuantidadeRegistros(), 1);
    EXPECT_EQ(lida.Empresa().RazaoSocial, QStringLiteral("SILVA, D'AVILA & FILHOS"));
    EXPECT_EQ(lida.Empresa().Endereco().Cep, QStringLiteral("70040010"));
    EXPECT_EQ(lida.DataQuitacao, Date(0));  // NULL loads as day 0

    TGuiaTrabalhador linhas(db.get());
    linhas.CodigoBarras = lida.CodigoBarras;
    ASSERT_TRUE(linhas.ListarLinhas({}, QStringLiteral("NO_EMPREGADO")));
    ASSERT_EQ(linhas.QuantidadeRegistros(), 1);
    EXPECT_EQ(linhas.Rescisao().VR_DEPOSITO_MULTA_RESCISORIA, Money::fromCentavos(420800));
    EXPECT_EQ(linhas.Rescisao().VR_SALDO_RESCISORIO, Money::fromCentavos(1000000));
    EXPECT_EQ(linhas.Trabalhador().NO_EMPREGADO, QStringLiteral("JOAO D'AVILA"));
}

TEST_F(GuiasTest, ProcessedAndSentAgain)
{
    const QString codigo(48, QLatin1Char('5'));
    TGuiaEmpresa g(db.get());
    EXPECT_FALSE(g.GravarProcessada());  // empty code: nothing written
    preencherGuia(g, codigo);
    g.NumeroBanco = QStringLiteral("104");
    g.NumeroAgencia = QStringLiteral("0647");
    g.DataQuitacao = Date::fromYmd(2018, 3, 6);
    g.DataProcessamento = Date::fromYmd(2018, 3, 8);
    ASSERT_TRUE(g.GravarProcessada());  // never stored: inserted whole
    TGuiaTrabalhador l(db.get());
    preencherLinha(l, codigo, 12056789013LL);
    ASSERT_TRUE(l.Gravar());

    TGuiaTrabalhador busca(db.get());
    preencherLinha(busca, QString(), 12056789013LL);
    ASSERT_TRUE(busca.LocalizarGuiaProcessada());
    EXPECT_EQ(busca.QuantidadeRegistros(), 1);

    // sent again: bank and agency back to NULL, no longer a processed guide
    g.DataQuitacao = DataNula;
    g.DataProcessamento = DataNula;
    ASSERT_TRUE(g.GravarValidada());
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM SFGTBG08_GUIA_TOTALIZADORA WHERE NU_BANCO IS NULL")), 1);
    ASSERT_TRUE(busca.LocalizarGuiaProcessada());
    EXPECT_EQ(busca.QuantidadeRegistros(), 0);

    ASSERT_TRUE(g.Excluir());
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM SFGTBG09_GUIA_INDIVIDUAL")), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM SFGTBG08_GUIA_TOTALIZADORA")), 0);
}

TEST_F(GuiasTest, LinesByKeyInGroupsOfThree)
{
    const QString codigo(48, QLatin1Char('7'));
    TGuiaEmpresa g(db.get());
    preencherGuia(g, codigo);
    ASSERT_TRUE(g.GravarValidada());
    QStringList chaves;
    for (int i = 0; i < 6; ++i) {
        TGuiaTrabalhador l(db.get());
        preencherLinha(l, codigo, 10000000000LL + i);
        ASSERT_TRUE(l.Gravar());
        chaves << QStringLiteral("%1").arg(10000000000LL + i) + QStringLiteral("2010-01-041");
    }
    struct Case { qsizetype n; int linhas; };
    for (const Case c : {Case{1, 1}, Case{3, 3}, Case{5, 5}}) {
        TGuiaTrabalhador l(db.get());
        l.CodigoBarras = codigo;
        QStringList lista = chaves.mid(0, c.n);
        if (c.n == 5)
            lista << chaves[0];  // a repeated key still gives each line once
        ASSERT_TRUE(l.ListarLinhas(lista, QStringLiteral("NU_PIS_GUIA")));
        EXPECT_EQ(l.QuantidadeRegistros(), c.linhas) << c.n;
    }
    TGuiaTrabalhador ruim(db.get());
    ruim.CodigoBarras = codigo;
    EXPECT_FALSE(ruim.ListarLinhas({}, QStringLiteral("NU_PIS_GUIA; DELETE")));
}

TEST_F(GuiasTest, NonNumericEmployerFieldsNeverReachTheStatement)
{
    TGuiaEmpresa g(db.get());
    preencherGuia(g, QString(48, QLatin1Char('3')));
    g.Empresa().Ddd = QStringLiteral("61) OR (1=1");
    EXPECT_FALSE(g.GravarValidada());
    g.Empresa().Ddd.clear();  // empty numeric fields are stored as NULL
    EXPECT_TRUE(g.GravarValidada());
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM SFGTBG08_GUIA_TOTALIZADORA WHERE NU_DDD IS NULL")), 1);
}

} // namespace

// Deposits of balance-complement lines (rates, the old currencies, interest),
// the link totals, and clearing computed parcels.

#include "cadastro_fixture.h"

#include "calculation/indice_simplificado.h"
#include "registration/complemento_saldo.h"
#include "registration/rescisao.h"

using namespace tolv;
using namespace tolv::test;

namespace {

class ComplementoTest : public CadastroTest {
protected:
    // A link kept in memory: the deposit reads its option date only.
    TVinculo vinculoMemoria{db.get()};

    void SetUp() override
    {
        vinculoMemoria.CarregaRelacionados = false;
        vinculoMemoria.DT_OPCAO = Date::fromYmd(2010, 1, 4);
    }

    Money deposito(int categoria, qint64 remuneracaoCentavos, const char *ano, const char *mes, Date edital)
    {
        TComplementoSaldo c(db.get());
        c.DefinirVinculo(&vinculoMemoria);
        c.NU_CATEGORIA = qint16(categoria);
        c.VR_REMUNERACAO = Money::fromCentavos(remuneracaoCentavos);
        c.AA_COMPETENCIA = QString::fromLatin1(ano);
        c.MM_COMPETENCIA = QString::fromLatin1(mes);
        c.DataEdital = edital;
        return c.CalcularDeposito();
    }

    void indice(Date edital, Date competencia, const char *coluna, double fator)
    {
        exec(QStringLiteral("INSERT INTO SFGTBT17_INDICE_SIMPLIFICADO (DT_EDITAL_SIMPLIFICADO, "
                            "DT_COMPETENCIA_SIMPLIFICADO, %1) VALUES ('%2', '%3', %4)")
                 .arg(QLatin1String(coluna), FormatarData(QStringLiteral("yyyy-mm-dd"), edital),
                      FormatarData(QStringLiteral("yyyy-mm-dd"), competencia), QString::number(fator, 'g', 15)));
    }

    int registros372() { return contar(QStringLiteral("SFGTBG18_INCONSISTENCIA_ARQUIVO WHERE NU_MENSAGEM = 372 AND NU_ARQUIVO = 3")); }
};

// An edital before every competence: no month is due yet, so no interest.
const Date kSemJuros = Date::fromYmd(1960, 1, 1);

TEST_F(ComplementoTest, DepositAcrossTheCurrencyErasIsTruncated)
{
    struct Caso {
        const char *nome;
        int categoria;
        qint64 remuneracao;  // centavos
        const char *ano, *mes;
        qint64 deposito;     // centavos
    };
    const Caso casos[] = {
        {"real, 8 %", 1, 150000, "1995", "03", 12000},
        {"real, cut not rounded (98.7672)", 1, 123459, "1994", "07", 9876},
        {"cruzeiro real: / 2750 (2.9090)", 1, 10000000, "1993", "08", 290},
        {"cruzado novo: / 1000, / 1000, / 2750", 1, 123456790125, "1987", "01", 3},
        {"05/1990: 120.00 ends as 0.00", 1, 150000, "1990", "05", 0},
        {"02/1986: four conversions", 1, 1000000000000000, "1986", "02", 29},
        {"03/1986: three conversions", 1, 1000000000000000, "1986", "03", 29090},
        {"apprentice, 2 %", 7, 100000, "2001", "01", 2000},
        {"fixed term before 02/2003, 2 %", 4, 100000, "2003", "01", 2000},
        {"fixed term from 02/2003, 8 %", 4, 100000, "2003", "02", 8000},
        {"no rate yet for the category", 6, 100000, "1999", "01", 0},
        {"month 13", 1, 100000, "2000", "13", -100},
        {"year not a number", 1, 100000, "20X0", "01", -100},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(deposito(c.categoria, c.remuneracao, c.ano, c.mes, kSemJuros), Money::fromCentavos(c.deposito));
    }
    EXPECT_EQ(registros372(), 0);
}

TEST_F(ComplementoTest, InterestOnceTheMonthIsDueUnderTheEdital)
{
    const Date competencia = Date::fromYmd(1995, 3, 1);
    indice(Date::fromYmd(1995, 4, 1), competencia, "IN_JAM_OPCAO_MAIOR_0971", 0.25);
    indice(Date::fromYmd(1995, 6, 1), competencia, "IN_JAM_OPCAO_MAIOR_0971", 0.123456);
    indice(Date::fromYmd(1995, 4, 1), Date::fromYmd(1990, 5, 1), "IN_JAM_OPCAO_MAIOR_0971", 2.5);

    // due on 10/04/1995: an edital of March (up to 01/04/1995) does not reach it
    EXPECT_EQ(deposito(1, 150000, "1995", "03", Date::fromYmd(1995, 3, 1)), Money::fromCentavos(12000));
    EXPECT_EQ(deposito(1, 150000, "1995", "03", Date::fromYmd(1995, 4, 1)), Money::fromCentavos(15000));
    EXPECT_EQ(deposito(1, 150000, "1995", "03", Date::fromYmd(1995, 6, 1)), Money::fromCentavos(13481));  // 14.81472
    // the factor multiplies the deposit before the currency conversion
    EXPECT_EQ(deposito(1, 150000, "1990", "05", Date::fromYmd(1995, 4, 1)), Money::fromCentavos(30000));
    EXPECT_EQ(registros372(), 0);

    // a missing index row is logged and the line keeps its deposit without interest
    EXPECT_EQ(deposito(1, 150000, "1995", "03", Date::fromYmd(1995, 5, 1)), Money::fromCentavos(12000));
    EXPECT_EQ(registros372(), 1);
}

TEST_F(ComplementoTest, SimplifiedIndexColumnByOptionPeriod)
{
    const Date edital = Date::fromYmd(2018, 3, 1), competencia = Date::fromYmd(2017, 1, 1);
    // one factor per option period, so the value read tells the column
    exec(QStringLiteral("INSERT INTO SFGTBT17_INDICE_SIMPLIFICADO (DT_EDITAL_SIMPLIFICADO, DT_COMPETENCIA_SIMPLIFICADO, "
                        "IN_JAM_OPCAO_67, IN_JAM_OPCAO_68, IN_JAM_OPCAO_69, IN_JAM_OPCAO_70, IN_JAM_OPCAO_ATE_0971, "
                        "IN_JAM_OPCAO_MAIOR_0971) VALUES ('2018-03-01', '2017-01-01', 0.67, 0.68, 0.69, 0.70, 0.71, 0.72)"));
    struct Caso {
        int categoria;
        Date opcao;
        double fator;
    };
    const Caso casos[] = {
        {1, Date::fromYmd(1967, 5, 1), 0.67},
        {1, Date::fromYmd(1970, 12, 31), 0.70},
        {1, Date::fromYmd(1971, 9, 22), 0.71},
        {1, Date::fromYmd(1971, 9, 23), 0.72},
        {1, Date::fromYmd(1966, 3, 15), -1},
        {1, DataNula, -1},
        {2, Date::fromYmd(1966, 3, 15), 0.72},  // category 2 ignores the option date
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.opcao.serial());
        EXPECT_DOUBLE_EQ(IndiceSimplificado(*db, c.categoria, competencia, c.opcao, edital), c.fator);
    }
    EXPECT_EQ(registros372(), 0);
    EXPECT_EQ(IndiceSimplificado(*db, 1, Date::fromYmd(2017, 2, 1), Date::fromYmd(1971, 1, 2), edital), -1);
    EXPECT_EQ(registros372(), 1);
}

// The rate in force is the latest start on or before the month, whatever the
// order the rows were stored in.
TEST_F(ComplementoTest, RatesDoNotDependOnStorageOrder)
{
    exec(QStringLiteral("INSERT INTO SFGTBT14_ALIQUOTA_CALCULO_DPSTO (NU_CATEGORIA, AA_COMPETENCIA_ALIQUOTA, "
                        "MM_COMPETENCIA_ALIQUOTA, PC_ALIQUOTA, VR_REMUNERACAO_MINIMA) VALUES (9, 1998, 2, 2, 0.50)"));
    exec(QStringLiteral("INSERT INTO SFGTBT14_ALIQUOTA_CALCULO_DPSTO (NU_CATEGORIA, AA_COMPETENCIA_ALIQUOTA, "
                        "MM_COMPETENCIA_ALIQUOTA, PC_ALIQUOTA, VR_REMUNERACAO_MINIMA) VALUES (9, 1967, 1, 8, 0.13)"));
    TComplementoSaldo c(db.get());
    c.NU_CATEGORIA = 9;
    EXPECT_EQ(c.AliquotaDaCompetencia(Date::fromYmd(1998, 3, 1)), 2.0);
    EXPECT_EQ(c.AliquotaDaCompetencia(Date::fromYmd(1998, 1, 1)), 8.0);
    EXPECT_EQ(c.AliquotaDaCompetencia(Date::fromYmd(1966, 12, 1)), 0.0);

    TRescisao r(db.get());
    r.NU_CATEGORIA = 9;
    const TAliquotaVigente depois = r.AliquotaVigente(true, Date::fromYmd(1998, 3, 15));
    EXPECT_TRUE(depois.Encontrada);
    EXPECT_EQ(depois.Aliquota, 2.0);
    EXPECT_EQ(depois.Minimo, Money::fromCentavos(50));
    EXPECT_EQ(r.AliquotaVigente(true, Date::fromYmd(1998, 1, 31)).Aliquota, 8.0);
    EXPECT_FALSE(r.AliquotaVigente(true, Date::fromYmd(1966, 12, 1)).Encontrada);
}

TEST_F(ComplementoTest, LinesAndTheLinkTotal)
{
    cenarioBasico();
    const auto total = [this] {
        return valor(QStringLiteral("SELECT VR_DEPOSITO_CMPLO_SALDO FROM SFGTBG06_INFORMACAO_RESCISAO"));
    };
    TComplementoSaldo c(db.get());
    c.NU_TIPO_INSO_EMPRA = 1;
    c.NU_INSCRICAO = kCnpj;
    c.NU_PIS = kPis;
    c.NU_CATEGORIA = 1;
    c.DT_ADMISSAO_VINCULO = Date::fromYmd(2010, 1, 4);
    c.DataEdital = kSemJuros;
    EXPECT_FALSE(c.PossuiLinhas());
    ASSERT_TRUE(c.ListarDoVinculo());
    EXPECT_EQ(c.QuantidadeRegistros(), 1);  // the link, without line columns
    EXPECT_TRUE(c.NU_COMPLEMENTO.isEmpty());

    c.NU_COMPLEMENTO = QStringLiteral("1");
    for (const auto &[mes, centavos] : {std::pair{"01", 100000}, std::pair{"02", 100001}}) {
        c.AA_COMPETENCIA = QStringLiteral("2017");
        c.MM_COMPETENCIA = QString::fromLatin1(mes);
        c.VR_REMUNERACAO = Money::fromCentavos(centavos);
        ASSERT_TRUE(c.Incluir()) << c.CodigoMensagem.toStdString();
        EXPECT_EQ(c.VR_DEPOSITO, Money::fromCentavos(8000));
    }
    EXPECT_FALSE(c.Incluir());  // the same line again
    EXPECT_EQ(c.CodigoMensagem, QStringLiteral("0144"));
    c.MM_COMPETENCIA = QStringLiteral("13");
    EXPECT_FALSE(c.Incluir());
    EXPECT_EQ(c.CodigoMensagem, QStringLiteral("0372"));

    ASSERT_TRUE(c.TotalizarVinculo());
    EXPECT_EQ(total(), QStringLiteral("160"));
    c.NU_COMPLEMENTO = QStringLiteral("2");
    ASSERT_TRUE(c.ListarDoComplemento());
    EXPECT_EQ(c.QuantidadeRegistros(), 0);
    c.NU_COMPLEMENTO = QStringLiteral("1");
    ASSERT_TRUE(c.ListarDoComplemento());
    ASSERT_EQ(c.QuantidadeRegistros(), 2);
    EXPECT_EQ(c.MM_COMPETENCIA, QStringLiteral("01"));
    EXPECT_EQ(c.VR_REMUNERACAO, Money::fromCentavos(100000));

    ASSERT_TRUE(c.Excluir(false, true));  // the current line, 01/2017
    EXPECT_EQ(total(), QStringLiteral("80"));
    EXPECT_TRUE(c.PossuiLinhas());

    // lines removed without totalling: a later totalling of every link must not
    // leave the old sum in the fine base
    exec(QStringLiteral("DELETE FROM SFGTBG07_COMPLEMENTO_SALDO"));
    ASSERT_TRUE(c.TotalizarVinculos(-1, 0, DataNula, -1, -1));
    EXPECT_EQ(total(), QStringLiteral("<null>"));
}

TEST_F(ComplementoTest, RecalculationSparesClosedLinks)
{
    empregador(1, kCnpj);
    trabalhador(kPis);
    trabalhador(kPis2);
    vinculo(1, kCnpj, kPis, 1, QStringLiteral("2010-01-04"), 0);
    vinculo(1, kCnpj, kPis2, 1, QStringLiteral("2010-01-04"), 2);
    for (qint64 pis : {kPis, kPis2})
        exec(QStringLiteral("INSERT INTO SFGTBG07_COMPLEMENTO_SALDO (NU_TIPO_INSO_EMPRA, NU_INSCRICAO, NU_PIS, "
                            "NU_CATEGORIA, DT_ADMISSAO_VINCULO, NU_COMPLEMENTO, AA_COMPETENCIA, MM_COMPETENCIA, "
                            "VR_REMUNERACAO, VR_DEPOSITO) VALUES (1, %1, %2, 1, '2010-01-04', 1, 2017, 1, 1000, 1)")
                 .arg(kCnpj)
                 .arg(pis));
    TComplementoSaldo c(db.get());
    c.DataEdital = kSemJuros;
    ASSERT_TRUE(c.RecalcularDepositos(-1, -1, -1)) << c.CodigoMensagem.toStdString();
    ASSERT_TRUE(c.TotalizarVinculos(-1, 0, DataNula, -1, -1));
    const auto deposito = [this](qint64 pis) {
        return valor(QStringLiteral("SELECT VR_DEPOSITO FROM SFGTBG07_COMPLEMENTO_SALDO WHERE NU_PIS = %1").arg(pis));
    };
    EXPECT_EQ(deposito(kPis), QStringLiteral("80"));
    EXPECT_EQ(deposito(kPis2), QStringLiteral("1"));
}

TEST_F(ComplementoTest, LimparCalculoClearsClosedLinksOnly)
{
    empregador(1, kCnpj);
    trabalhador(kPis);
    trabalhador(kPis2);
    vinculo(1, kCnpj, kPis, 1, QStringLiteral("2010-01-04"), 2);
    vinculo(1, kCnpj, kPis2, 1, QStringLiteral("2010-01-04"), 1);
    exec(QStringLiteral("UPDATE SFGTBG06_INFORMACAO_RESCISAO SET VR_DEPOSITO_RESCISAO = 40, VR_JAM_SALDO_RESCISORIO = 5, "
                        "DT_DEVIDA_MULTA_RESCISORIA = '2018-03-07', VR_MULTA_CNTRO_MULTA_RESCISORIA = 1"));
    TRescisao r(db.get());
    ASSERT_TRUE(r.LimparCalculo(1, 0, DataNula, -1, kCnpj));
    const auto limpo = [this](qint64 pis) {
        return contar(QStringLiteral("SFGTBG06_INFORMACAO_RESCISAO WHERE NU_PIS = %1 AND VR_DEPOSITO_RESCISAO IS NULL "
                                     "AND VR_JAM_SALDO_RESCISORIO IS NULL AND DT_DEVIDA_MULTA_RESCISORIA IS NULL "
                                     "AND VR_MULTA_CNTRO_MULTA_RESCISORIA IS NULL")
                          .arg(pis)) == 1;
    };
    EXPECT_TRUE(limpo(kPis));
    EXPECT_FALSE(limpo(kPis2));
    // the informed values stay
    EXPECT_EQ(valor(QStringLiteral("SELECT VR_SALDO_RESCISORIO FROM SFGTBG06_INFORMACAO_RESCISAO WHERE NU_PIS = %1").arg(kPis)),
              QStringLiteral("10000"));

    TRescisao lida(db.get());
    ASSERT_TRUE(lida.Localizar(1, 1, Date::fromYmd(2010, 1, 4), kPis2, kCnpj));
    EXPECT_EQ(lida.VR_DEPOSITO_RESCISAO, Money::fromCentavos(4000));
    EXPECT_EQ(lida.DT_DEVIDA_MULTA_RESCISORIA, Date::fromYmd(2018, 3, 7));
    EXPECT_EQ(lida.IC_ORIGEM_SALDO_RESCISORIO, QStringLiteral("E"));
    EXPECT_EQ(lida.Vinculo().IC_ESTADO_MOVIMENTO, 1);
}

} // namespace

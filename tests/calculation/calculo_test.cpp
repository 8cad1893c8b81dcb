// Worked examples of the rescission calculation. Index factors are made up and
// set by hand; every amount below was computed by hand from the formulas
// (T = cut to centavos) and is written next to the assertion that checks it.

#include "calculation/calculo.h"
#include "support/indices_fixture.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

namespace {

Date d(int y, int m, int day) { return Date::fromYmd(y, m, day); }
Money R(qint64 centavos) { return Money::fromCentavos(centavos); }

struct Esperado {
    Date vencimento;
    qint64 deposito, jam, multa, contribuicao, multaContribuicao;
};

void conferir(const TCalculo &c, const Esperado (&e)[4])
{
    for (int i = 0; i < 4; ++i) {
        const ParcelaCalculo &p = c.Parcelas[size_t(i)];
        SCOPED_TRACE(p.Codigo);
        EXPECT_EQ(p.DataDevida, e[i].vencimento) << p.DataDevida.serial();
        EXPECT_EQ(p.Deposito, R(e[i].deposito));
        EXPECT_EQ(p.Jam, R(e[i].jam));
        EXPECT_EQ(p.Multa, R(e[i].multa));
        EXPECT_EQ(p.Contribuicao, R(e[i].contribuicao));
        EXPECT_EQ(p.MultaContribuicao, R(e[i].multaContribuicao));
        EXPECT_TRUE(p.Valida);
    }
}

class CalculoTest : public ::testing::Test {
protected:
    void SetUp() override { t.Calendario().DefinirDias(DiasUteis(d(2015, 1, 1), d(2019, 12, 31))); }
    TabelasIndices t;
};

// On time, after 11/11/2017, prior notice indemnified (type 2), dismissal without cause.
TEST_F(CalculoTest, OnTimeAfterTheReform)
{
    DadosCalculoVinculo v;
    v.Categoria = 1;
    v.CodigoMovimentacao = QStringLiteral("I1");
    v.DataMovimentacao = d(2018, 3, 5);
    v.DataOpcao = d(2010, 1, 1);
    v.TipoAvisoPrevio = 2;
    v.TipoInscricao = 1;
    v.Fpas = 515;
    v.Simples = 1;
    v.RemuneracaoAnterior = R(300000);
    v.RemuneracaoRescisao = R(50000);
    v.AvisoPrevio = R(300000);
    v.SaldoRescisorio = R(1000000);
    v.OrigemSaldo = QStringLiteral("E");

    TCalculo c(t, d(2018, 3, 6));  // paid the next day: edital 01/02/2018
    ASSERT_TRUE(c.Calcular(v));
    EXPECT_EQ(c.Edital(), d(2018, 2, 1));
    // Due dates: 406 BD-(07/03/2018) = 07/03; u = M + 10 = 15/03 (same month) for 407, 408, 400.
    // Competences 02/2018 and 03/2018 are after 2006: no monthly contribution; the fine (I1) has it.
    // 406: T(3000 x 0.08) = 240.00   407: T(500 x 0.08) = 40.00   408: 240.00
    // 400: B' = 10000 + 240 + 40 + 240 = 10520.00; deposit T(10520 x 0.4) = 4208.00;
    //      contribution T(10520 x 0.5) - 4208.00 = 1052.00
    const Esperado e[4] = {
        {d(2018, 3, 7), 24000, 0, 0, 0, 0},
        {d(2018, 3, 15), 4000, 0, 0, 0, 0},
        {d(2018, 3, 15), 24000, 0, 0, 0, 0},
        {d(2018, 3, 15), 420800, 0, 0, 105200, 0},
    };
    conferir(c, e);
    EXPECT_EQ(c.BaseMulta(), R(1052000));
    EXPECT_EQ(c.Total(), R(578000));
    for (const ParcelaCalculo &p : c.Parcelas)
        EXPECT_EQ(p.EmDia, QLatin1Char('S'));
}

// Late: parcel 406 is priced by the pro-rata factor (due on its monthly due date),
// 407/408 by the guide index, 400 by the guide fine index. No contribution (SIMPLES 5).
TEST_F(CalculoTest, LateWithProRataAndGuideIndices)
{
    const Date E = d(2018, 3, 1), P = d(2018, 3, 20);
    LinhaSimplificado dez2017;
    dez2017.jam.fill(0.0150);
    dez2017.simplificado1.fill(1.0123);
    t.IncluirSimplificado(E, d(2017, 12, 1), dez2017);
    LinhaSimplificado jan2018;
    jan2018.jam.fill(0.0120);
    t.IncluirSimplificado(E, d(2018, 1, 1), jan2018);
    t.IncluirProRata(E, P, {0.0850, 0.0, 0.0});
    t.IncluirGuia(E, d(2018, 1, 25), P, {0.0830, 0.5200});

    DadosCalculoVinculo v;
    v.Categoria = 1;
    v.CodigoMovimentacao = QStringLiteral("I2");
    v.DataMovimentacao = d(2018, 1, 15);
    v.DataOpcao = d(2010, 1, 1);
    v.TipoAvisoPrevio = 1;
    v.TipoInscricao = 1;
    v.Fpas = 515;
    v.Simples = 5;
    v.RemuneracaoAnterior = R(200000);
    v.RemuneracaoRescisao = R(100000);
    v.AvisoPrevio = R(150000);
    v.SaldoRescisorio = R(500000);
    v.OrigemSaldo = QStringLiteral("E");

    TCalculo c(t, P);
    ASSERT_TRUE(c.Calcular(v)) << c.CodigoErro;
    // Due dates (type 1, after the reform): 406 BD-(07/01/2018, a Sunday) = 05/01; u = M + 10 = 25/01.
    // 406: monthly due date of 12/2017 is also 05/01, so d >= V: pro-rata. n = 3 months -> A x S,
    //      X = T9(0.0850 x 1.0123) = 0.0860455; G = 0.0150 (01/01/2018 >= 01/12/2017).
    //      tot = T(2000 x 0.0860455) = 172.09; deposit 160.00; JAM T(160 x 0.015) = 2.40; fine 9.69
    // 407: d = 25/01 < V = 07/02: guide index X = 0.0830, G = 0.0120.
    //      tot = T(1000 x 0.083) = 83.00; deposit 80.00; JAM T(80 x 0.012) = 0.96; fine 2.04
    // 408: tot = T(1500 x 0.083) = 124.50; deposit 120.00; JAM 1.44; fine 3.06
    // 400 (I2: 20 %, late scale 0.4): B' = 5000 + 162.40 + 80.96 + 121.44 = 5364.80;
    //      tot = T(5364.80 x 0.52 x 0.4) = 1115.87; deposit T(5364.80 x 0.2) = 1072.96;
    //      JAM T(1072.96 x 0.012) = 12.87; fine 1115.87 - 1072.96 - 12.87 = 30.04
    const Esperado e[4] = {
        {d(2018, 1, 5), 16000, 240, 969, 0, 0},
        {d(2018, 1, 25), 8000, 96, 204, 0, 0},
        {d(2018, 1, 25), 12000, 144, 306, 0, 0},
        {d(2018, 1, 25), 107296, 1287, 3004, 0, 0},
    };
    conferir(c, e);
    EXPECT_EQ(c.BaseMulta(), R(536480));
    EXPECT_EQ(c.Total(), R(17209 + 8300 + 12450 + 111587));
    // the late formulas make the five amounts add up to the indexed total
    EXPECT_EQ(c.Parcelas[3].Soma(), R(111587));
}

// Agreement (dissídio) dated after the termination: every parcel is due on the
// business day before the 7th of the month after the agreement.
TEST_F(CalculoTest, AgreementDateMovesEveryDueDate)
{
    DadosCalculoVinculo v;
    v.Categoria = 1;
    v.CodigoMovimentacao = QStringLiteral("I1");
    v.DataMovimentacao = d(2017, 10, 10);
    v.DataDissidio = d(2017, 11, 15);
    v.ValorDissidio = R(80000);
    v.DataOpcao = d(2010, 1, 1);
    v.TipoAvisoPrevio = 1;
    v.TipoInscricao = 1;
    v.Fpas = 515;
    v.Simples = 1;
    v.RemuneracaoAnterior = R(120000);
    v.RemuneracaoRescisao = R(60000);
    v.SaldoRescisorio = R(999999);  // ignored: the agreement value is the fine base
    v.OrigemSaldo = QStringLiteral("E");

    TCalculo c(t, d(2017, 12, 7));
    ASSERT_TRUE(c.Calcular(v));
    // Due BD-(07/12/2017) = 07/12 for all; 408 has no base, so no due date.
    // 406: T(1200 x 0.08) = 96.00; 407: T(600 x 0.08) = 48.00; 408: 0.
    // 400: B' = 800 + 96 + 48 = 944.00; deposit T(944 x 0.4) = 377.60; contribution 472.00 - 377.60 = 94.40
    const Esperado e[4] = {
        {d(2017, 12, 7), 9600, 0, 0, 0, 0},
        {d(2017, 12, 7), 4800, 0, 0, 0, 0},
        {DataNula, 0, 0, 0, 0, 0},
        {d(2017, 12, 7), 37760, 0, 0, 9440, 0},
    };
    conferir(c, e);
    EXPECT_EQ(c.Parcelas[0].Competencia, d(2017, 10, 1));  // reference is the agreement date
    EXPECT_EQ(c.Parcelas[1].Competencia, d(2017, 11, 1));
}

// Prior notice type 3 before the reform, an apprentice (2 %), resignation-type fine of 20 %.
TEST_F(CalculoTest, ApprenticeWithTypeThreeBeforeTheReform)
{
    DadosCalculoVinculo v;
    v.Categoria = 7;
    v.CodigoMovimentacao = QStringLiteral("I2");
    v.DataMovimentacao = d(2017, 10, 30);
    v.DataOpcao = d(2016, 2, 1);
    v.TipoAvisoPrevio = 3;
    v.TipoInscricao = 1;
    v.Fpas = 515;
    v.Simples = 1;
    v.RemuneracaoAnterior = R(90000);
    v.RemuneracaoRescisao = R(87000);
    v.AvisoPrevio = R(93000);
    v.SaldoRescisorio = R(200000);
    v.OrigemSaldo = QStringLiteral("E");

    TCalculo c(t, d(2017, 10, 6));
    ASSERT_TRUE(c.Calcular(v));
    // 406: BD-(07/10/2017, a Saturday) = 06/10. u = BD-(M + 10 = 09/11) = 09/11 (400);
    // u is after the 7th and in another month: 407/408 BD-(07/11/2017) = 07/11.
    // 406: T(900 x 0.02) = 18.00; 407: T(870 x 0.02) = 17.40; 408: T(930 x 0.02) = 18.60
    // 400: B' = 2000 + 18.00 + 17.40 + 18.60 = 2054.00; deposit T(2054 x 0.2) = 410.80
    const Esperado e[4] = {
        {d(2017, 10, 6), 1800, 0, 0, 0, 0},
        {d(2017, 11, 7), 1740, 0, 0, 0, 0},
        {d(2017, 11, 7), 1860, 0, 0, 0, 0},
        {d(2017, 11, 9), 41080, 0, 0, 0, 0},
    };
    conferir(c, e);
    EXPECT_EQ(c.Total(), R(46480));
}

TEST_F(CalculoTest, DueDatesAcrossTheReform)
{
    struct Case {
        int aviso;
        Date M;
        Date v406, v407, v400;
    };
    const Case cases[] = {
        // type 2 after the reform, u = M + 10 crosses the month: 407/408 on the 7th, unadjusted
        {2, d(2017, 11, 28), d(2017, 11, 7), d(2017, 12, 7), d(2017, 12, 8)},
        // type 2 after the reform, u on the 5th of the next month: stays
        {2, d(2017, 11, 25), d(2017, 11, 7), d(2017, 12, 5), d(2017, 12, 5)},
        // type 3 before the reform inside the month: everything on BD-(M + 10)
        {3, d(2016, 3, 21), d(2016, 3, 7), d(2016, 3, 31), d(2016, 3, 31)},
        // type 1 before the reform, M before the 7th: t = BD+(M + 1)
        {1, d(2016, 3, 3), d(2016, 3, 4), d(2016, 3, 4), d(2016, 3, 4)},
        // type 0 after the reform, M before the 7th: 406 at M + 10 (day after the 7th keeps M + 10)
        {0, d(2018, 3, 2), d(2018, 3, 12), d(2018, 3, 12), d(2018, 3, 12)},
        // type 1 after the reform crossing the month: 407/408 on the 7th of u's month
        {1, d(2018, 3, 28), d(2018, 3, 7), d(2018, 4, 7), d(2018, 4, 7)},
    };
    for (const Case &cs : cases) {
        SCOPED_TRACE(cs.M.serial());
        DadosCalculoVinculo v;
        v.Categoria = 1;
        v.CodigoMovimentacao = QStringLiteral("I1");
        v.DataMovimentacao = cs.M;
        v.TipoAvisoPrevio = cs.aviso;
        v.RemuneracaoAnterior = v.RemuneracaoRescisao = v.AvisoPrevio = R(100000);
        v.SaldoRescisorio = R(100000);
        TCalculo c(t, d(2015, 1, 2));  // paid before everything: on time
        ASSERT_TRUE(c.Calcular(v));
        EXPECT_EQ(c.Parcelas[0].DataDevida, cs.v406);
        EXPECT_EQ(c.Parcelas[1].DataDevida, cs.v407);
        EXPECT_EQ(c.Parcelas[2].DataDevida, cs.v407);
        EXPECT_EQ(c.Parcelas[3].DataDevida, cs.v400);
    }
}

TEST_F(CalculoTest, RatesContributionsAndFines)
{
    struct Case {
        const char *nome;
        int categoria, fpas, simples;
        const char *codigo;
        Date M;
        qint64 dep406, contrib406, dep400, contrib400;
    };
    // on time, bases 1000.00 each, balance 10000.00; B' = 10000 + three deposits
    const Case cases[] = {
        {"cat 4 up to 01/2003 pays 2 %", 4, 515, 1, "I1", d(2003, 2, 10), 2000, 500, 407200, 101800},
        {"cat 4 from 02/2003 pays 8 %", 4, 515, 1, "I1", d(2003, 3, 10), 8000, 500, 409600, 102400},
        {"FPAS 868: no contribution", 1, 868, 1, "I1", d(2005, 3, 10), 8000, 0, 409600, 0},
        {"I5: no contribution, 20 % fine", 1, 515, 1, "I5", d(2005, 3, 10), 8000, 0, 204800, 0},
        {"I3: no fine", 1, 515, 1, "I3", d(2005, 3, 10), 8000, 500, 0, 0},
        {"SIMPLES 2: no monthly contribution", 1, 515, 2, "I1", d(2005, 3, 10), 8000, 0, 409600, 102400},
        {"FPAS 604 CNPJ SIMPLES 3 keeps it", 1, 604, 3, "I1", d(2005, 3, 10), 8000, 500, 409600, 102400},
        {"domestic worker: none", 6, 515, 1, "I1", d(2005, 3, 10), 8000, 0, 409600, 0},
    };
    for (const Case &cs : cases) {
        SCOPED_TRACE(cs.nome);
        DadosCalculoVinculo v;
        v.Categoria = cs.categoria;
        v.Fpas = cs.fpas;
        v.Simples = cs.simples;
        v.TipoInscricao = 1;
        v.CodigoMovimentacao = QString::fromLatin1(cs.codigo);
        v.DataMovimentacao = cs.M;
        v.TipoAvisoPrevio = 2;
        v.RemuneracaoAnterior = v.RemuneracaoRescisao = v.AvisoPrevio = R(100000);
        v.SaldoRescisorio = R(1000000);
        TCalculo c(t, d(2001, 1, 2));
        ASSERT_TRUE(c.Calcular(v));
        EXPECT_EQ(c.Parcelas[0].Deposito, R(cs.dep406));
        EXPECT_EQ(c.Parcelas[0].Contribuicao, R(cs.contrib406));
        EXPECT_EQ(c.Parcelas[3].Deposito, R(cs.dep400));
        EXPECT_EQ(c.Parcelas[3].Contribuicao, R(cs.contrib400));
        if (QLatin1String(cs.codigo) == QLatin1String("I3"))
            EXPECT_EQ(c.Parcelas[3].DataDevida, DataNula);
    }
}

TEST_F(CalculoTest, FailuresAndReuse)
{
    DadosCalculoVinculo bom;
    bom.Categoria = 1;
    bom.CodigoMovimentacao = QStringLiteral("I1");
    bom.DataMovimentacao = d(2018, 3, 5);
    bom.TipoAvisoPrevio = 2;
    bom.RemuneracaoAnterior = bom.RemuneracaoRescisao = bom.AvisoPrevio = R(100000);
    bom.SaldoRescisorio = R(100000);

    // no open movement: nothing is priced
    TCalculo semMovimento(t, DataNula);
    EXPECT_FALSE(semMovimento.Calcular(bom));

    // late without index rows: the guide index is missing for 406 -> fails with code 0...
    // here 406 is due on its monthly date, so the pro-rata factor reads 0 -> 372
    TCalculo atrasado(t, d(2018, 4, 20));
    int faltas = 0;
    TCalculo comRegistro(t, d(2018, 4, 20), [&] { ++faltas; });
    EXPECT_FALSE(atrasado.Calcular(bom));
    EXPECT_EQ(atrasado.CodigoErro, 372);
    EXPECT_FALSE(atrasado.Parcelas[0].Valida);

    // a reused object starts from clean parcels
    TCalculo c(t, d(2018, 3, 6));
    ASSERT_TRUE(c.Calcular(bom));
    DadosCalculoVinculo semAviso = bom;
    semAviso.TipoAvisoPrevio = 9;  // undefined: no due dates, every parcel late, no index -> fails
    EXPECT_FALSE(c.Calcular(semAviso));
    EXPECT_EQ(c.Parcelas[3].Deposito, Money());
    EXPECT_EQ(c.Parcelas[1].DataDevida, DataNula);
    EXPECT_EQ(faltas, 0);
}

TEST_F(CalculoTest, EditalMonthFollowsThePayDay)
{
    EXPECT_EQ(TCalculo(t, d(2018, 5, 9)).Edital(), d(2018, 4, 1));
    EXPECT_EQ(TCalculo(t, d(2018, 5, 10)).Edital(), d(2018, 5, 1));
}

} // namespace

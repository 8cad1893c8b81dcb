#include "calculation/datas_indices.h"
#include "calculation/dia_util.h"
#include "calculation/tabelas_indices.h"
#include "core/sql_literais.h"
#include "support/indices_fixture.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace tolv;
using namespace tolv::test;

namespace {

Date d(int y, int m, int day) { return Date::fromYmd(y, m, day); }

TEST(Feriados, MovableHolidaysFollowEaster)
{
    const auto f2024 = FeriadosNacionais(2024);  // Easter 31/03/2024
    for (Date h : {d(2024, 2, 12), d(2024, 2, 13), d(2024, 3, 29), d(2024, 5, 30), d(2024, 11, 20)})
        EXPECT_NE(std::find(f2024.begin(), f2024.end(), h), f2024.end()) << h.serial();
    const auto f2018 = FeriadosNacionais(2018);  // Easter 01/04/2018
    EXPECT_NE(std::find(f2018.begin(), f2018.end(), d(2018, 3, 30)), f2018.end());
    EXPECT_EQ(std::find(f2018.begin(), f2018.end(), d(2018, 11, 20)), f2018.end());
}

TEST(DiaUtil, AdjustmentsOnAWeekdayCalendar)
{
    TDiaUtil cal(nullptr);
    cal.DefinirDias(DiasUteis(d(2018, 1, 1), d(2018, 12, 31)));
    struct Case { Date in; bool frente; Date out; };
    const Case cases[] = {
        {d(2018, 4, 7), false, d(2018, 4, 6)},     // Saturday back to Friday
        {d(2018, 4, 7), true, d(2018, 4, 9)},      // ... forward to Monday
        {d(2018, 4, 9), false, d(2018, 4, 9)},     // a business day stays
        {d(2018, 3, 31), false, d(2018, 3, 29)},   // Saturday after Good Friday
        {d(2019, 3, 1), true, d(2019, 3, 1)},      // beyond the calendar: unchanged
        {d(2018, 12, 31), true, d(2018, 12, 31)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(cal.AjustarDiaUtil(c.frente, c.in), c.out) << c.in.serial() << " " << c.frente;
    EXPECT_EQ(cal.DiaUtilSeguinte(d(2019, 2, 1)), DataNula);
    EXPECT_EQ(cal.VencimentoDeposito(d(2018, 3, 1)), d(2018, 4, 6));   // 07/04/2018 is a Saturday
    EXPECT_EQ(cal.VencimentoDeposito(d(2018, 4, 1)), d(2018, 5, 7));
}

TEST(DiaUtil, SevenDayGapLeavesTheDateAlone)
{
    TDiaUtil cal(nullptr);
    cal.DefinirDias({d(2020, 1, 1), d(2020, 1, 20)});
    EXPECT_EQ(cal.AjustarDiaUtil(false, d(2020, 1, 10)), d(2020, 1, 10));
    EXPECT_EQ(cal.AjustarDiaUtil(false, d(2020, 1, 8)), d(2020, 1, 1));
    EXPECT_EQ(cal.AjustarDiaUtil(true, d(2020, 1, 13)), d(2020, 1, 20));
}

TEST(PeriodoOpcao, Boundaries)
{
    struct Case { Date opcao; PeriodoOpcao p; };
    const Case cases[] = {
        {d(1966, 3, 15), PeriodoOpcao::Nenhum}, {d(1967, 1, 1), PeriodoOpcao::Ano67},
        {d(1970, 12, 31), PeriodoOpcao::Ano70}, {d(1971, 9, 22), PeriodoOpcao::Ate220971},
        {d(1971, 9, 23), PeriodoOpcao::Apos220971}, {d(2010, 5, 5), PeriodoOpcao::Apos220971},
        {DataNula, PeriodoOpcao::Nenhum},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PeriodoDaOpcao(c.opcao), c.p) << c.opcao.serial();
}

TEST(Indices, ProRataAndGuideLookups)
{
    TabelasIndices t;
    t.Calendario().DefinirDias(DiasUteis(d(2018, 1, 1), d(2018, 12, 31)));
    const Date edital = d(2018, 5, 1), pagamento = d(2018, 5, 15);
    t.IncluirProRata(edital, pagamento, {1.5, 1.2, 1.1});
    LinhaSimplificado s;
    s.simplificado1.fill(2.0);
    s.simplificado2.fill(3.0);
    t.IncluirSimplificado(edital, d(2018, 2, 1), s);
    t.IncluirGuia(edital, d(2018, 4, 6), pagamento, {1.07, 1.08});

    const Date opcao = d(2000, 1, 1);
    struct Case { Date competencia; Date ajustada; Date pag; double fator; };
    const Case cases[] = {
        {d(2018, 3, 1), d(2018, 2, 1), pagamento, 3.0},  // two months: 1.5 x variant 1
        {d(2018, 4, 1), d(2018, 4, 1), pagamento, 1.2},  // one month: alone
        {d(2018, 5, 1), d(2018, 5, 1), pagamento, 1.1},  // same month
        {d(2018, 6, 1), d(2018, 6, 1), pagamento, 0.0},  // edital before the competence
        {d(2018, 3, 1), d(2018, 1, 1), pagamento, 0.0},  // simplified row missing reads 0
        {d(2018, 3, 1), d(2018, 2, 1), d(2018, 5, 16), 0.0},  // no pro-rata row
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(IndiceProRata(t, c.ajustada, c.pag, c.competencia, opcao, edital), c.fator)
            << c.competencia.serial();
    // an option before 1967 leaves the simplified factor at 1
    EXPECT_DOUBLE_EQ(IndiceProRata(t, d(2018, 2, 1), pagamento, d(2018, 3, 1), d(1966, 1, 1), edital), 1.5);

    // the due date is moved back to a business day before the lookup
    EXPECT_EQ(IndiceGuia(t, edital, d(2018, 4, 7), pagamento), std::optional<double>(1.07));
    EXPECT_DOUBLE_EQ(IndiceGuiaMulta(t, edital, d(2018, 4, 8), pagamento), 1.08);
    EXPECT_EQ(IndiceGuia(t, edital, d(2018, 4, 9), pagamento), std::nullopt);
    EXPECT_DOUBLE_EQ(IndiceGuiaMulta(t, edital, d(2018, 4, 9), pagamento), 0.0);
}

TEST(Indices, ProRataVariantFollowsThePayDay)
{
    TabelasIndices t;
    const Date edital = d(2018, 5, 1);
    LinhaSimplificado s;
    s.simplificado1.fill(2.0);
    s.simplificado2.fill(3.0);
    t.IncluirSimplificado(edital, d(1989, 6, 1), s);
    t.IncluirSimplificado(edital, d(2018, 2, 1), s);
    struct Case { Date pagamento; Date competencia; Date ajustada; double fator; };
    const Case cases[] = {
        {d(2018, 6, 5), d(2018, 3, 1), d(2018, 2, 1), 2.0},   // days 1-7, competence after 09/1989
        {d(2018, 6, 5), d(1989, 7, 1), d(1989, 6, 1), 3.0},   // days 1-7, competence before 09/1989
        {d(2018, 6, 8), d(2018, 3, 1), d(2018, 2, 1), 3.0},   // days 8-9
        {d(2018, 5, 10), d(2018, 3, 1), d(2018, 2, 1), 2.0},  // days 10-31
    };
    for (const Case &c : cases) {
        t.IncluirProRata(edital, c.pagamento, {1.0, 0.0, 0.0});
        EXPECT_DOUBLE_EQ(IndiceProRata(t, c.ajustada, c.pagamento, c.competencia, d(1990, 1, 1), edital), c.fator)
            << c.pagamento.serial();
    }
}

class JanelaTest : public ::testing::Test {
protected:
    void SetUp() override { db = OpenFullDatabase(home.path(QStringLiteral("VESK/BD/TOLV.FDB"))); }
    TempProgramDir home;
    std::unique_ptr<TIbxUtils> db;
};

TEST_F(JanelaTest, EmptyTablesNeverCrash)
{
    EXPECT_FALSE(DataPagamentoValida(*db, d(2018, 5, 9)));
    EXPECT_EQ(CarregarDataEdital(*db), DataNula);
    EXPECT_EQ(CarregarDataPagamento(*db), DataNula);
    EXPECT_EQ(JanelaPagamento(1, DataNula), QStringLiteral("00/00/0000 à 00/00/0000"));
    EXPECT_EQ(JanelaPagamento(0, DataNula), QStringLiteral("(entre 00/00/0000 e 00/00/0000)"));
    EXPECT_FALSE(EhDiaUtil(*db, d(2018, 5, 9)));
}

TEST_F(JanelaTest, WindowOfTheEarliestCollectionDate)
{
    // rows inserted out of order: the earliest decides
    for (Date p : {d(2018, 5, 2), d(2018, 4, 10), d(2018, 4, 20)})
        db->Executar(QStringLiteral("INSERT INTO SFGTBT18_INDICE_PRORATA (DT_EDITAL_PRORATA, DT_RECOLHIMENTO_PRORATA) "
                                    "VALUES ('2018-04-01', %1)").arg(SqlData(p)));
    struct Case { Date x; bool valida; };
    const Case cases[] = {{d(2018, 4, 9), false}, {d(2018, 4, 10), true}, {d(2018, 5, 9), true}, {d(2018, 5, 10), false}};
    for (const Case &c : cases)
        EXPECT_EQ(DataPagamentoValida(*db, c.x), c.valida) << c.x.serial();
    EXPECT_EQ(CarregarDataEdital(*db), d(2018, 4, 1));
    EXPECT_EQ(JanelaPagamento(1, d(2018, 4, 1)), QStringLiteral("10/04/2018 à 09/05/2018"));
    EXPECT_EQ(JanelaPagamento(0, d(2018, 12, 1)), QStringLiteral("(entre 10/12/2018 e 09/01/2019)"));
}

TEST_F(JanelaTest, TablesLoadIntoMemoryAsWritten)
{
    GravarCalendario(*db, 2018, 2018);
    GravarIndicesSinteticos(*db, d(2018, 5, 1), 2);
    EXPECT_TRUE(EhDiaUtil(*db, d(2018, 5, 9)));
    EXPECT_FALSE(EhDiaUtil(*db, d(2018, 5, 1)));  // Labour Day

    TabelasIndices t;
    t.Carregar(*db);
    EXPECT_EQ(t.Calendario().QuantidadeDias(), int(DiasUteis(d(2018, 1, 1), d(2018, 12, 31)).size()));
    const LinhaSimplificado *s = t.Simplificado(d(2018, 5, 1), d(2017, 5, 1));
    ASSERT_NE(s, nullptr);
    EXPECT_DOUBLE_EQ(s->jam[size_t(PeriodoOpcao::Apos220971)], JamSintetico(d(2018, 5, 1), d(2017, 5, 1)));
    EXPECT_EQ(IndiceGuia(t, d(2018, 5, 1), d(2018, 5, 7), d(2018, 5, 15)),
              std::optional<double>(GuiaSintetico(d(2018, 5, 7), d(2018, 5, 15))));
    ASSERT_NE(t.ProRata(d(2018, 5, 1), d(2018, 6, 9)), nullptr);
}

} // namespace

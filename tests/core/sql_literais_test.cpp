#include "core/errors.h"
#include "core/sql_literais.h"

#include <gtest/gtest.h>
#include <limits>

using namespace tolv;

namespace {

QString S(const char *utf8) { return QString::fromUtf8(utf8); }

TEST(SqlLiterais, TextoENumeros)
{
    struct Caso { QString obtido; const char *esperado; };
    const Caso casos[] = {
        {SqlTexto(S("ABC")), "'ABC'"},
        {SqlTexto(S("D'ÁVILA")), "'D''ÁVILA'"},
        {SqlTexto(S("''")), "''''''"},
        {SqlTexto(S(" A ")), "' A '"},  // kept untrimmed
        {SqlTexto(S("   ")), "Null"},
        {SqlTexto(S("")), "Null"},
        {SqlSimNao(true), "'S'"},
        {SqlSimNao(false), "'N'"},
        {SqlInteiro(0), "Null"},
        {SqlInteiro(-3), "-3"},
        {SqlInteiro64(0), "Null"},
        {SqlInteiro64(12345678901234), "12345678901234"},
        {SqlValor(0.0), "Null"},
        {SqlValor(-0.0), "Null"},
        {SqlValor(1234.56), "1234.56"},
        {SqlValor(-0.5), "-0.5"},
        {SqlValor(0.1 + 0.2), "0.3"},  // 15 significant digits
        {SqlValor(1.0 / 3.0), "0.333333333333333"},
        {SqlValor(1e20), "1e+20"},
        {SqlValor(Money::fromCentavos(0)), "Null"},
        {SqlValor(Money::fromCentavos(123456)), "1234.56"},
        {SqlValor(Money::fromCentavos(-5)), "-0.05"},
        {SqlValor(Money::fromCentavos(100)), "1.00"},
        {SqlNumeroTexto(S("00012345678901")), "12345678901"},
        {SqlNumeroTexto(S(" 42 ")), "42"},
        {SqlNumeroTexto(S("0")), "0"},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(c.obtido, S(c.esperado));

    EXPECT_THROW(SqlValor(std::numeric_limits<double>::quiet_NaN()), ENegocio);
    EXPECT_THROW(SqlValor(std::numeric_limits<double>::infinity()), ENegocio);
    for (const char *t : {"", "  ", "12a", "1 2", "1.5", "99999999999999999999", "1;DROP TABLE X"})
        EXPECT_THROW(SqlNumeroTexto(S(t)), ENegocio) << t;
}

TEST(SqlLiterais, Datas)
{
    const Date dia = Date::fromYmd(2007, 8, 13);
    const DateTime momento = DateTime::fromParts(dia, ((14 * 60 + 5) * 60 + 9) * 1000 + 45);
    struct Caso { QString obtido; const char *esperado; };
    const Caso casos[] = {
        {SqlData(DataNula), "NULL"},
        {SqlData(DataNula, false, true), "NULL"},
        {SqlData(Date(-800000)), "NULL"},
        {SqlData(Date(0)), "'1899-12-30'"},  // day 0 is a date, not NULL
        {SqlData(dia), "'2007-08-13'"},
        {SqlData(dia, false, false), "'2007-08-13 00:00:00'"},
        {SqlData(Date::fromYmd(1, 1, 1)), "'0001-01-01'"},
        {SqlData(momento, true, false), "'2007-08-13'"},
        {SqlData(momento, false, false), "'2007-08-13 14:05:09'"},  // minutes, not the month
        {SqlData(momento, false, true), "'2007-08-13 14:05:09.045'"},
        {SqlData(DateTime::fromParts(DataNula, 0)), "NULL"},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(c.obtido, S(c.esperado));

    EXPECT_THROW(SqlData(DataInvalida), ENegocio);
    EXPECT_THROW(SqlData(DataInvalida, false, true), ENegocio);
    EXPECT_THROW(SqlData(Date(-695000)), ENegocio);
    EXPECT_THROW(SqlData(DateTime::fromParts(DataInvalida, 1000)), ENegocio);
}

} // namespace

TEST(OrdemSegura, OnlyColumnLists)
{
    struct Caso { const char *ordem; bool segura; };
    const Caso casos[] = {
        {"", true}, {"NO_EMPREGADO", true}, {"GUIATRA.NU_PIS_GUIA DESC, NO_EMPREGADO", true},
        {"NU_PIS; DELETE FROM X", false}, {"1", false}, {"X UNION SELECT Y", false}, {"A, (SELECT 1)", false},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(tolv::OrdemSegura(QString::fromLatin1(c.ordem)), c.segura) << c.ordem;
}

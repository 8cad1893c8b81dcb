#include "core/date.h"
#include "core/money.h"

#include <gtest/gtest.h>

using namespace tolv;

namespace {

TEST(Date, SerialDaysMatchTheCalendar)
{
    struct Case { int y, m, d; qint32 serial; };
    const Case cases[] = {
        {1899, 12, 30, 0}, {1899, 12, 31, 1}, {1900, 1, 1, 2}, {1900, 3, 1, 61},
        {2000, 1, 1, 36526}, {2017, 11, 13, 43052}, {1858, 11, 17, -15018},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Date::fromYmd(c.y, c.m, c.d).serial(), c.serial) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(Date(c.serial).toQDate(), QDate(c.y, c.m, c.d));
    }
    EXPECT_FALSE(DataNula.toQDate().isValid());
    EXPECT_TRUE(DataInvalida.isInvalid());
    EXPECT_EQ(Date::fromQDate(QDate()), DataInvalida);
    EXPECT_EQ(Date::fromYmd(2024, 2, 10).endOfMonth(), Date::fromYmd(2024, 2, 29));
}

TEST(Date, FormatTokens)
{
    const DateTime t = DateTime::fromParts(Date::fromYmd(2007, 3, 4), ((5 * 60 + 6) * 60 + 7) * 1000 + 89);
    struct Case { const char *fmt; const char *out; };
    const Case cases[] = {
        {"dd/mm/yyyy", "04/03/2007"},
        {"dd/mm/yyyy hh:mm:ss", "04/03/2007 05:06:07"},  // mm after hh is minutes
        {"hh:nn", "05:06"},
        {"yyyymmddhhnnsszzz", "20070304050607089"},
        {"ddmmyy", "040307"},
        {"yyyy-mm-dd", "2007-03-04"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatarDataHora(QString::fromLatin1(c.fmt), t), QString::fromLatin1(c.out)) << c.fmt;
}

TEST(Money, SumsAndDifferencesAreExact)
{
    const Money a = Money::fromDouble(0.30), b = Money::fromDouble(0.10), c = Money::fromDouble(0.20);
    EXPECT_TRUE((a - b - c).isZero());
    Money total;
    for (int i = 0; i < 1000; ++i)
        total += Money::fromDouble(0.01);
    EXPECT_EQ(total, Money::fromCentavos(1000));
    EXPECT_EQ(Money::fromCentavos(-5).toSqlText(), QStringLiteral("-0.05"));
    EXPECT_EQ(Money::fromCentavos(123456).toSqlText(), QStringLiteral("1234.56"));
}

TEST(Money, TruncationCutsTowardZeroWithoutBinaryNoise)
{
    struct Case { double in; qint64 centavos; };
    const Case cases[] = {
        {0.29, 29}, {1.999, 199}, {-1.999, -199}, {5.55e-17, 0}, {1e-13, 0},
        {0.1 + 0.2, 30}, {1234567.899, 123456789}, {-0.004, 0}, {100.0 * 1.1, 11000},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Money::truncated(c.in).centavos(), c.centavos) << c.in;
    EXPECT_DOUBLE_EQ(TruncarDecimais(2.71828, 4), 2.7182);
}

} // namespace

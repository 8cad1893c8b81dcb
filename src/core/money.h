#pragma once

#include <QString>
#include <QtGlobal>
#include <compare>

namespace tolv {

// An amount of money held as a whole number of centavos.
//
// Rule for every calculation in the system: amounts are added and subtracted
// as Money, so sums and differences are exact (0,30 - 0,10 - 0,20 is 0, never
// a binary residue). Products of an amount with a factor (an index, a rate) are
// computed in double precision and brought back to Money only through a
// truncation to centavos (TruncarValor / Money::truncated), never by rounding.
class Money {
public:
    constexpr Money() = default;
    static constexpr Money fromCentavos(qint64 c) { Money m; m.m_centavos = c; return m; }
    // For values that are already whole centavos (database NUMERIC(.,2), parsed text):
    // takes the nearest centavo so that 0.29 stored as 0.28999999… stays 0.29.
    static Money fromDouble(double v);
    // For products of amounts and factors: cuts toward zero to whole centavos after
    // clearing the binary residue past the 15th significant digit.
    static Money truncated(double v);

    constexpr qint64 centavos() const { return m_centavos; }
    double toDouble() const { return double(m_centavos) / 100.0; }
    constexpr bool isZero() const { return m_centavos == 0; }

    // "1234.56", "-0.05": the form written into SQL and compared in tests.
    QString toSqlText() const;

    constexpr Money operator+(Money o) const { return fromCentavos(m_centavos + o.m_centavos); }
    constexpr Money operator-(Money o) const { return fromCentavos(m_centavos - o.m_centavos); }
    constexpr Money operator-() const { return fromCentavos(-m_centavos); }
    Money &operator+=(Money o) { m_centavos += o.m_centavos; return *this; }
    Money &operator-=(Money o) { m_centavos -= o.m_centavos; return *this; }

    friend constexpr bool operator==(Money a, Money b) { return a.m_centavos == b.m_centavos; }
    friend constexpr auto operator<=>(Money a, Money b) { return a.m_centavos <=> b.m_centavos; }

private:
    qint64 m_centavos = 0;
};

// Cuts x to `casas` decimal places toward zero, first clearing the binary residue
// beyond 15 significant digits so that 0.29 (0.28999…) stays 0.29 and 1.999 gives 1.99.
double TruncarDecimais(double x, int casas);

} // namespace tolv

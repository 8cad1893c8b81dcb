#include "money.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace tolv {

double TruncarDecimais(double x, int casas)
{
    if (!std::isfinite(x) || x == 0.0)
        return 0.0;
    const double scale = std::pow(10.0, casas);
    // Round the scaled value to 15 significant digits (the precision a double
    // carries reliably), then cut toward zero.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", x * scale);
    const double cleaned = std::strtod(buf, nullptr);
    const double cut = std::trunc(cleaned);
    return cut / scale;
}

Money Money::fromDouble(double v)
{
    if (!std::isfinite(v) || !(std::fabs(v * 100.0) < 9.2e18))
        throw std::range_error("valor monetário fora do intervalo");
    return fromCentavos(qint64(std::llround(v * 100.0)));
}

Money Money::truncated(double v)
{
    if (!std::isfinite(v))
        return {};
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", v * 100.0);
    const double cut = std::trunc(std::strtod(buf, nullptr));
    // Beyond ±9.2e16 centavos no amount of this system exists; refuse instead of wrapping.
    if (!(std::fabs(cut) < 9.2e18))
        throw std::range_error("valor monetário fora do intervalo");
    return fromCentavos(qint64(cut));
}

QString Money::toSqlText() const
{
    const qint64 a = m_centavos < 0 ? -m_centavos : m_centavos;
    return QStringLiteral("%1%2.%3")
        .arg(m_centavos < 0 ? QStringLiteral("-") : QString())
        .arg(a / 100)
        .arg(a % 100, 2, 10, QLatin1Char('0'));
}

} // namespace tolv

#include "date.h"

namespace tolv {

namespace {
// Julian day of 30/12/1899, day 0 of the serial dates.
constexpr qint64 kJulianDayOfOrigin = 2415019;
}

Date Date::fromQDate(const QDate &d)
{
    if (!d.isValid())
        return DataInvalida;
    return Date(qint32(d.toJulianDay() - kJulianDayOfOrigin));
}

Date Date::fromYmd(int year, int month, int day)
{
    return fromQDate(QDate(year, month, day));
}

QDate Date::toQDate() const
{
    if (isNull() || isInvalid())
        return {};
    return QDate::fromJulianDay(m_serial + kJulianDayOfOrigin);
}

int Date::year() const { return toQDate().year(); }
int Date::month() const { return toQDate().month(); }
int Date::day() const { return toQDate().day(); }
int Date::dayOfWeek() const { return toQDate().dayOfWeek(); }

Date Date::addMonths(int n) const { return fromQDate(toQDate().addMonths(n)); }

Date Date::startOfMonth() const
{
    const QDate d = toQDate();
    return fromYmd(d.year(), d.month(), 1);
}

Date Date::endOfMonth() const
{
    const QDate d = toQDate();
    return fromYmd(d.year(), d.month(), d.daysInMonth());
}

DateTime DateTime::fromQDateTime(const QDateTime &dt)
{
    return fromParts(Date::fromQDate(dt.date()), dt.time().msecsSinceStartOfDay());
}

DateTime DateTime::currentDateTime()
{
    return fromQDateTime(QDateTime::currentDateTime());
}

QDateTime DateTime::toQDateTime() const
{
    return QDateTime(date().toQDate(), QTime::fromMSecsSinceStartOfDay(msecsOfDay()));
}

Date DateTime::date() const
{
    // floor division: times before the origin still belong to their own day
    qint64 d = m_ms / kMsPerDay;
    if (m_ms % kMsPerDay < 0)
        --d;
    return Date(qint32(d));
}

int DateTime::msecsOfDay() const
{
    qint64 r = m_ms % kMsPerDay;
    if (r < 0)
        r += kMsPerDay;
    return int(r);
}

QString FormatarDataHora(const QString &formato, DateTime valor)
{
    const QDate d = valor.date().toQDate();
    const int ms = valor.msecsOfDay();
    const int h = ms / 3600000, mi = ms / 60000 % 60, s = ms / 1000 % 60, z = ms % 1000;

    QString out;
    bool lastWasHour = false;
    const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    for (qsizetype i = 0; i < formato.size();) {
        const QString rest = formato.mid(i).toLower();
        if (rest.startsWith(QLatin1String("yyyy"))) {
            out += QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0'));
            i += 4; lastWasHour = false;
        } else if (rest.startsWith(QLatin1String("yy"))) {
            out += two(d.year() % 100); i += 2; lastWasHour = false;
        } else if (rest.startsWith(QLatin1String("dd"))) {
            out += two(d.day()); i += 2; lastWasHour = false;
        } else if (rest.startsWith(QLatin1String("mm"))) {
            out += lastWasHour ? two(mi) : two(d.month());
            i += 2; lastWasHour = false;
        } else if (rest.startsWith(QLatin1String("nn"))) {
            out += two(mi); i += 2; lastWasHour = false;
        } else if (rest.startsWith(QLatin1String("hh"))) {
            out += two(h); i += 2; lastWasHour = true;
        } else if (rest.startsWith(QLatin1String("ss"))) {
            out += two(s); i += 2; lastWasHour = false;
        } else if (rest.startsWith(QLatin1String("zzz"))) {
            out += QStringLiteral("%1").arg(z, 3, 10, QLatin1Char('0'));
            i += 3; lastWasHour = false;
        } else {
            // separators do not break the "hh" ... "mm" pairing ("hh:mm")
            out += formato.at(i);
            ++i;
        }
    }
    return out;
}

QString FormatarData(const QString &formato, Date valor)
{
    return FormatarDataHora(formato, DateTime::fromParts(valor, 0));
}

} // namespace tolv

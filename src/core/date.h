#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

namespace tolv {

// A calendar date as a whole number of days since 30/12/1899 (day 0).
// The serial form is what every stored file and rule of the system
// reasons in, so date arithmetic is plain integer arithmetic.
class Date {
public:
    constexpr Date() = default;
    constexpr explicit Date(qint32 serial) : m_serial(serial) {}

    static Date fromQDate(const QDate &d);
    static Date fromYmd(int year, int month, int day);
    QDate toQDate() const;  // invalid QDate for DataNula / DataInvalida

    constexpr qint32 serial() const { return m_serial; }
    constexpr bool isNull() const;      // DataNula
    constexpr bool isInvalid() const;   // DataInvalida
    bool isRealDate() const { return !isNull() && !isInvalid(); }

    int year() const;
    int month() const;
    int day() const;
    int dayOfWeek() const;  // 1 = Monday ... 7 = Sunday

    Date addDays(int n) const { return Date(m_serial + n); }
    Date addMonths(int n) const;
    Date endOfMonth() const;
    Date startOfMonth() const;

    friend constexpr bool operator==(Date a, Date b) { return a.m_serial == b.m_serial; }
    friend constexpr auto operator<=>(Date a, Date b) { return a.m_serial <=> b.m_serial; }
    friend constexpr int operator-(Date a, Date b) { return a.m_serial - b.m_serial; }
    friend constexpr Date operator+(Date a, int days) { return Date(a.m_serial + days); }
    friend constexpr Date operator-(Date a, int days) { return Date(a.m_serial - days); }

private:
    qint32 m_serial = 0;
};

// No date: written to SQL as NULL. Not the same as a NULL column, which loads as day 0.
inline constexpr Date DataNula{-700000};
// Text that could not be read as a date.
inline constexpr Date DataInvalida{-600000};

constexpr bool Date::isNull() const { return m_serial == DataNula.serial(); }
constexpr bool Date::isInvalid() const { return m_serial == DataInvalida.serial(); }

// A date and a time of day, exact to the millisecond, counted from 30/12/1899 00:00.
class DateTime {
public:
    constexpr DateTime() = default;
    static constexpr DateTime fromMsecs(qint64 ms) { DateTime t; t.m_ms = ms; return t; }
    static DateTime fromParts(Date d, int msecsOfDay) { return fromMsecs(qint64(d.serial()) * kMsPerDay + msecsOfDay); }
    static DateTime fromQDateTime(const QDateTime &dt);
    static DateTime currentDateTime();
    QDateTime toQDateTime() const;  // local time, no time-zone conversion

    constexpr qint64 msecs() const { return m_ms; }
    Date date() const;
    int msecsOfDay() const;

    friend constexpr bool operator==(DateTime a, DateTime b) { return a.m_ms == b.m_ms; }
    friend constexpr auto operator<=>(DateTime a, DateTime b) { return a.m_ms <=> b.m_ms; }

    static constexpr qint64 kMsPerDay = 86400000;

private:
    qint64 m_ms = 0;
};

// Formats with the format tokens the system's texts use:
// "dd" day, "mm" month (minutes when it follows "hh"), "nn" minutes, "yyyy"/"yy" year,
// "hh" hours, "ss" seconds, "zzz" milliseconds; other characters are copied.
QString FormatarDataHora(const QString &formato, DateTime valor);
QString FormatarData(const QString &formato, Date valor);

} // namespace tolv

#include "result_set.h"

#include "errors.h"

#include <cmath>

namespace tolv {

namespace {

qint64 pow10(int n)
{
    qint64 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

QString numberToText(double v)
{
    // The shortest text that reads back as the same number, with the "," of the regional settings.
    return QString::number(v, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

QString Field::toString() const
{
    if (isNull())
        return {};
    if (const auto *s = std::get_if<QString>(m_cell))
        return *s;
    switch (m_column->type) {
    case ColumnType::Numeric: {
        const qint64 raw = std::get<qint64>(*m_cell);
        if (m_column->scale <= 0)
            return QString::number(raw);
        const qint64 p = pow10(m_column->scale);
        QString frac = QStringLiteral("%1").arg(std::llabs(raw % p), m_column->scale, 10, QLatin1Char('0'));
        while (frac.endsWith(QLatin1Char('0')))
            frac.chop(1);
        QString whole = QString::number(std::llabs(raw / p));
        if (raw < 0)
            whole.prepend(QLatin1Char('-'));
        return frac.isEmpty() ? whole : whole + QLatin1Char(',') + frac;
    }
    case ColumnType::Double:
        return numberToText(std::get<double>(*m_cell));
    case ColumnType::Date:
        return FormatarData(QStringLiteral("dd/mm/yyyy"), toDate());
    case ColumnType::Time:
        return FormatarDataHora(QStringLiteral("hh:nn:ss"), toDateTime());
    case ColumnType::Timestamp: {
        const DateTime t = toDateTime();
        return t.msecsOfDay() == 0 ? FormatarData(QStringLiteral("dd/mm/yyyy"), t.date())
                                   : FormatarDataHora(QStringLiteral("dd/mm/yyyy hh:nn:ss"), t);
    }
    default:
        if (const auto *i = std::get_if<qint64>(m_cell))
            return QString::number(*i);
        if (const auto *d = std::get_if<double>(m_cell))
            return numberToText(*d);
        return {};
    }
}

qint64 Field::toInt64() const
{
    if (isNull())
        return 0;
    if (const auto *s = std::get_if<QString>(m_cell)) {
        bool ok = false;
        const qint64 v = s->trimmed().toLongLong(&ok);
        if (!ok)
            throw DatabaseError(QStringLiteral("'%1' não é um valor inteiro válido").arg(*s));
        return v;
    }
    if (const auto *d = std::get_if<double>(m_cell))
        return qint64(std::llround(*d));
    const qint64 raw = std::get<qint64>(*m_cell);
    if (m_column->type == ColumnType::Numeric && m_column->scale > 0) {
        // Integer reading of a scaled value rounds, as a decimal field's integer getter does.
        const qint64 p = pow10(m_column->scale);
        const qint64 q = raw / p, r = raw % p;
        if (2 * std::llabs(r) >= p)
            return raw < 0 ? q - 1 : q + 1;
        return q;
    }
    return raw;
}

double Field::toDouble() const
{
    if (isNull())
        return 0.0;
    if (const auto *d = std::get_if<double>(m_cell))
        return *d;
    if (const auto *s = std::get_if<QString>(m_cell)) {
        QString t = s->trimmed();
        t.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        const double v = t.toDouble(&ok);
        if (!ok)
            throw DatabaseError(QStringLiteral("'%1' não é um valor numérico válido").arg(*s));
        return v;
    }
    const qint64 raw = std::get<qint64>(*m_cell);
    if (m_column->type == ColumnType::Numeric && m_column->scale > 0)
        return double(raw) / double(pow10(m_column->scale));
    return double(raw);
}

Money Field::toMoney() const
{
    if (isNull())
        return {};
    if (m_column->type == ColumnType::Numeric || m_column->type == ColumnType::SmallInt
        || m_column->type == ColumnType::Integer || m_column->type == ColumnType::BigInt) {
        const qint64 raw = std::get<qint64>(*m_cell);
        const int scale = m_column->type == ColumnType::Numeric ? m_column->scale : 0;
        if (scale == 2)
            return Money::fromCentavos(raw);
        if (scale < 2)
            return Money::fromCentavos(raw * pow10(2 - scale));
        // more places than centavos: cut toward zero
        return Money::fromCentavos(raw / pow10(scale - 2));
    }
    return Money::fromDouble(toDouble());
}

Date Field::toDate() const
{
    if (isNull())
        return Date(0);
    switch (m_column->type) {
    case ColumnType::Date:
        return Date(qint32(std::get<qint64>(*m_cell)));
    case ColumnType::Timestamp:
        return toDateTime().date();
    default:
        throw DatabaseError(QStringLiteral("A coluna %1 não é uma data").arg(m_column->name));
    }
}

DateTime Field::toDateTime() const
{
    if (isNull())
        return DateTime();
    switch (m_column->type) {
    case ColumnType::Date:
        return DateTime::fromParts(toDate(), 0);
    case ColumnType::Time:
    case ColumnType::Timestamp:
        return DateTime::fromMsecs(std::get<qint64>(*m_cell));
    default:
        throw DatabaseError(QStringLiteral("A coluna %1 não é uma data").arg(m_column->name));
    }
}

int ResultSet::columnIndex(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].name == name)
            return i;
    return -1;
}

void ResultSet::appendRow(std::vector<Cell> row)
{
    Q_ASSERT(row.size() == size_t(m_columns.size()));
    for (auto &c : row)
        m_cells.push_back(std::move(c));
    if (rowCount() == 1)
        m_eof = false;
}

void ResultSet::first()
{
    m_row = 0;
    m_eof = rowCount() == 0;
}

void ResultSet::next()
{
    if (m_row + 1 < rowCount())
        ++m_row;
    else
        m_eof = true;
}

void ResultSet::moveTo(int row)
{
    if (row >= 0 && row < rowCount()) {
        m_row = row;
        m_eof = false;
    }
}

Field ResultSet::field(const QString &name) const
{
    const int i = columnIndex(name);
    if (i < 0)
        throw DatabaseError(QStringLiteral("Campo '%1' não encontrado").arg(name));
    return field(i);
}

Field ResultSet::field(int index) const
{
    if (index < 0 || index >= m_columns.size())
        throw DatabaseError(QStringLiteral("Campo de índice %1 não encontrado").arg(index));
    if (rowCount() == 0) {
        // An empty result set reads as NULLs, as a record set positioned on no row does.
        static const Cell kNull;
        return Field(m_columns[index], kNull);
    }
    return Field(m_columns[index], m_cells[size_t(m_row) * size_t(m_columns.size()) + size_t(index)]);
}

} // namespace tolv

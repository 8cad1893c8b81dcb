#pragma once

#include "date.h"
#include "money.h"

#include <QString>
#include <QVector>
#include <variant>
#include <vector>

namespace tolv {

enum class ColumnType {
    Text,       // CHAR / VARCHAR
    SmallInt,
    Integer,
    BigInt,
    Numeric,    // scaled integer (NUMERIC / DECIMAL with a scale)
    Double,     // FLOAT / DOUBLE PRECISION
    Date,
    Time,
    Timestamp,
    Other,
};

struct Column {
    QString name;           // exact case, as the engine labels it
    ColumnType type = ColumnType::Other;
    int scale = 0;          // decimal places of a Numeric column
    int charLength = 0;     // declared length in characters of a Text column
};

// One cell. Integers and scaled numerics hold their raw integer; dates hold the
// serial day; times and timestamps hold milliseconds (of the day / since the origin).
using Cell = std::variant<std::monostate, qint64, double, QString>;

// The value of one column in the current row, with typed readers.
// A NULL reads as empty text, 0, 0.0 or day 0.
class Field {
public:
    Field(const Column &column, const Cell &cell) : m_column(&column), m_cell(&cell) {}

    const QString &name() const { return m_column->name; }
    ColumnType type() const { return m_column->type; }
    bool isNull() const { return std::holds_alternative<std::monostate>(*m_cell); }

    QString toString() const;
    int toInt() const { return int(toInt64()); }
    qint64 toInt64() const;
    double toDouble() const;
    Money toMoney() const;
    Date toDate() const;
    DateTime toDateTime() const;

private:
    const Column *m_column;
    const Cell *m_cell;
};

// A detached, fully fetched result set. Navigation follows the record-set model
// the business objects rely on: First/Next move a cursor, Next on the last row
// leaves the cursor there and raises Eof.
class ResultSet {
public:
    ResultSet() = default;
    explicit ResultSet(QVector<Column> columns) : m_columns(std::move(columns)) {}

    const QVector<Column> &columns() const { return m_columns; }
    int columnIndex(const QString &name) const;  // exact case; -1 when absent
    bool hasColumn(const QString &name) const { return columnIndex(name) >= 0; }

    void appendRow(std::vector<Cell> row);
    int rowCount() const { return m_columns.isEmpty() ? 0 : int(m_cells.size() / size_t(m_columns.size())); }

    void first();
    void next();
    bool eof() const { return m_eof; }
    int recNo() const { return m_row; }
    void moveTo(int row);
    void setCursor(int row, bool eof) { m_row = row; m_eof = eof; }

    // The named column of the current row; throws DatabaseError when there is no such column.
    Field field(const QString &name) const;
    Field field(int index) const;

private:
    QVector<Column> m_columns;
    std::vector<Cell> m_cells;
    int m_row = 0;
    bool m_eof = true;
};

} // namespace tolv

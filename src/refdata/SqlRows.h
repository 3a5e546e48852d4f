#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

// The rows of one select, read completely when the statement ran: a caller can walk them while other lookups run.
// Columns are found by name without regard to letter case, as the database compares names.
class SqlRows
{
public:
    SqlRows() = default;
    SqlRows(QStringList columns, std::vector<QVariantList> rows);

    int count() const { return static_cast<int>(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    const QStringList& columns() const { return m_columns; }
    // Index of a column, or -1.
    int columnIndex(const QString& name) const;

    // The value in a row and column; a null QVariant for a row or column that does not exist.
    QVariant value(int row, int column) const;
    QVariant value(int row, const QString& column) const;
    // The value as a number (0 for a null or non-numeric value) or as text.
    double number(int row, const QString& column) const;
    QString text(int row, const QString& column) const;

private:
    QStringList m_columns;
    std::vector<QVariantList> m_rows;
};

#include "SqlRows.h"

SqlRows::SqlRows(QStringList columns, std::vector<QVariantList> rows)
    : m_columns(std::move(columns))
    , m_rows(std::move(rows))
{ }

int SqlRows::columnIndex(const QString& name) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

QVariant SqlRows::value(int row, int column) const
{
    if (row < 0 || row >= count() || column < 0 || column >= m_rows[static_cast<size_t>(row)].size()) {
        return {};
    }
    return m_rows[static_cast<size_t>(row)][column];
}

QVariant SqlRows::value(int row, const QString& column) const
{
    return value(row, columnIndex(column));
}

double SqlRows::number(int row, const QString& column) const
{
    bool ok = false;
    const double v = value(row, column).toDouble(&ok);
    return ok ? v : 0.0;
}

QString SqlRows::text(int row, const QString& column) const
{
    return value(row, column).toString();
}

#include "CDatabaseQuery.h"

CDatabaseQuery::CDatabaseQuery(sqlite3* database, QString table, QString& lastError)
    : m_database(database), m_table(std::move(table)), m_lastError(lastError)
{}

void CDatabaseQuery::SelectColumn(const QString& column)
{
    m_columns.append(column);
}

int CDatabaseQuery::AddFilter(const QString& column, const QString& value)
{
    if (column.isEmpty()) {
        m_lastError = QStringLiteral("a filter needs a column");
        return kDatabaseError;
    }
    m_filters.emplace_back(column, value);
    return kDatabaseOk;
}

QString CDatabaseQuery::SelectText() const
{
    QStringList columns;
    for (const QString& column : m_columns)
        columns.append(QuoteIdentifier(column));
    QString sql = QStringLiteral("SELECT %1 FROM %2")
                      .arg(columns.isEmpty() ? QStringLiteral("*") : columns.join(QStringLiteral(", ")),
                           QuoteIdentifier(m_table));
    QStringList conditions;
    for (const auto& filter : m_filters)
        conditions.append(QuoteIdentifier(filter.first) + QStringLiteral(" = ?"));
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    return sql + u';';
}

int CDatabaseQuery::Run()
{
    m_recordset.reset();
    SqliteStatement statement = PrepareStatement(m_database, SelectText(), m_lastError);
    if (!statement)
        return kDatabaseError;
    std::vector<DatabaseValue> values;
    for (const auto& filter : m_filters)
        values.emplace_back(filter.second);
    if (!BindValues(statement.get(), values, m_lastError))
        return kDatabaseError;
    auto recordset = std::make_unique<CDatabaseRecordset>(std::move(statement));
    if (!recordset->IsValid()) {
        m_lastError = recordset->LastError();
        return kDatabaseError;
    }
    m_recordset = std::move(recordset);
    return kDatabaseOk;
}

IDatabaseRecordset* CDatabaseQuery::GetRecordset()
{
    return m_recordset.get();
}

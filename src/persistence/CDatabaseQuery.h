#pragma once
// A query of one table: the selected columns of the rows that match every filter.

#include "CDatabaseRecordset.h"
#include "IDatabase.h"

#include <QStringList>

#include <memory>
#include <utility>
#include <vector>

class CDatabaseQuery final : public IDatabaseQuery {
public:
    // Failures leave their reason in lastError, which outlives the query.
    CDatabaseQuery(sqlite3* database, QString table, QString& lastError);

    void SelectColumn(const QString& column) override;
    int AddFilter(const QString& column, const QString& value) override;
    int Run() override;
    IDatabaseRecordset* GetRecordset() override;

    // The SELECT text that Run prepares.
    QString SelectText() const;

private:
    sqlite3* m_database;
    QString m_table;
    QStringList m_columns;
    std::vector<std::pair<QString, QString>> m_filters; // column, value
    std::unique_ptr<CDatabaseRecordset> m_recordset;
    QString& m_lastError;
};

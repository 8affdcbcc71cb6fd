#pragma once
// Runs SQL statements on one open database.

#include "IDatabase.h"
#include "SqliteStatement.h"

class CDatabaseCommand final : public IDatabaseCommand {
public:
    // Failures leave their reason in lastError, which outlives the command.
    CDatabaseCommand(sqlite3* database, QString& lastError) : m_database(database), m_lastError(lastError) {}

    int Execute(const QString& sql, const std::vector<DatabaseValue>& parameters) override;

private:
    sqlite3* m_database;
    QString& m_lastError;
};

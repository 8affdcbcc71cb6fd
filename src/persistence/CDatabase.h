#pragma once
// The database object over one SQLite database file.

#include "CDatabaseCommand.h"
#include "CDatabaseQuery.h"
#include "IDatabase.h"

#include <memory>
#include <vector>

class CDatabase final : public IDatabase {
public:
    CDatabase() = default;
    ~CDatabase();
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;

    int OpenDatabase(const QString& path) override;
    IDatabaseQuery* OpenQuery(const QString& table) override;
    void CloseQuery(IDatabaseQuery* query) override;
    IDatabaseCommand* GetCommand() override;
    int BeginTransaction() override;
    int CommitTransaction() override;
    int RollbackTransaction() override;
    QString GetLastError() override;

private:
    // How long a statement waits for a lock another program holds on the file.
    static constexpr int kBusyTimeoutMs = 2000;

    int Fail(const QString& error);
    int RunControlStatement(const char* sql);
    void Close();

    sqlite3* m_database = nullptr;
    std::unique_ptr<CDatabaseCommand> m_command;
    std::vector<std::unique_ptr<CDatabaseQuery>> m_queries;
    QString m_lastError;
};

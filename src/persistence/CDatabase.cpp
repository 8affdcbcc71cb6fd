#include "CDatabase.h"

#include "TraceLog.h"

#include <QFile>

#include <algorithm>

namespace {

constexpr const char* kBeginSql = "BEGIN IMMEDIATE;";
constexpr const char* kCommitSql = "COMMIT;";
constexpr const char* kRollbackSql = "ROLLBACK;";
// Reading the schema makes a file that is no database fail at the open, not at the first statement.
constexpr const char* kCheckSchemaSql = "SELECT count(*) FROM sqlite_master;";

} // namespace

CDatabase::~CDatabase()
{
    Close();
}

void CDatabase::Close()
{
    m_queries.clear();
    m_command.reset();
    if (m_database != nullptr) {
        // Closing with a transaction still open rolls it back.
        sqlite3_close_v2(m_database);
        m_database = nullptr;
    }
}

int CDatabase::Fail(const QString& error)
{
    m_lastError = error;
    TraceLog("%s:%d database: %s", __FILE__, __LINE__, qUtf8Printable(error));
    return kDatabaseError;
}

int CDatabase::OpenDatabase(const QString& path)
{
    Close();
    sqlite3* database = nullptr;
    const int opened = sqlite3_open_v2(QFile::encodeName(path).constData(), &database, SQLITE_OPEN_READWRITE, nullptr);
    if (opened != SQLITE_OK) {
        const QString error = database ? SqliteErrorText(database) : QString::fromUtf8(sqlite3_errstr(opened));
        sqlite3_close_v2(database);
        return Fail(QStringLiteral("cannot open %1: %2").arg(path, error));
    }
    sqlite3_busy_timeout(database, kBusyTimeoutMs);
    QString error;
    SqliteStatement check = PrepareStatement(database, QString::fromLatin1(kCheckSchemaSql), error);
    if (!check || sqlite3_step(check.get()) != SQLITE_ROW) {
        if (error.isEmpty())
            error = SqliteErrorText(database);
        check.reset();
        sqlite3_close_v2(database);
        return Fail(QStringLiteral("cannot open %1: %2").arg(path, error));
    }
    m_database = database;
    m_command = std::make_unique<CDatabaseCommand>(m_database, m_lastError);
    return kDatabaseOk;
}

IDatabaseQuery* CDatabase::OpenQuery(const QString& table)
{
    if (m_database == nullptr) {
        Fail(QStringLiteral("no database is open"));
        return nullptr;
    }
    m_queries.push_back(std::make_unique<CDatabaseQuery>(m_database, table, m_lastError));
    return m_queries.back().get();
}

void CDatabase::CloseQuery(IDatabaseQuery* query)
{
    std::erase_if(m_queries, [query](const std::unique_ptr<CDatabaseQuery>& own) { return own.get() == query; });
}

IDatabaseCommand* CDatabase::GetCommand()
{
    return m_command.get();
}

int CDatabase::RunControlStatement(const char* sql)
{
    if (!m_command)
        return Fail(QStringLiteral("no database is open"));
    return m_command->Execute(QString::fromLatin1(sql), {});
}

int CDatabase::BeginTransaction()
{
    return RunControlStatement(kBeginSql);
}

int CDatabase::CommitTransaction()
{
    return RunControlStatement(kCommitSql);
}

int CDatabase::RollbackTransaction()
{
    return RunControlStatement(kRollbackSql);
}

QString CDatabase::GetLastError()
{
    return m_lastError;
}

IDatabase* CreateDatabase()
{
    return new CDatabase();
}

void DestroyDatabase(IDatabase* database)
{
    delete static_cast<CDatabase*>(database);
}

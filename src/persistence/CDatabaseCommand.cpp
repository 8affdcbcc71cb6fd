#include "CDatabaseCommand.h"

int CDatabaseCommand::Execute(const QString& sql, const std::vector<DatabaseValue>& parameters)
{
    SqliteStatement statement = PrepareStatement(m_database, sql, m_lastError);
    if (!statement || !BindValues(statement.get(), parameters, m_lastError))
        return kDatabaseError;
    int result = SQLITE_ROW;
    while (result == SQLITE_ROW)
        result = sqlite3_step(statement.get());
    if (result != SQLITE_DONE) {
        m_lastError = SqliteErrorText(m_database);
        return kDatabaseError;
    }
    return kDatabaseOk;
}

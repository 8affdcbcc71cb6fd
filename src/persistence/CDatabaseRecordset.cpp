#include "CDatabaseRecordset.h"

#include "TraceLog.h"

#include <limits>

CDatabaseRecordset::CDatabaseRecordset(SqliteStatement statement) : m_statement(std::move(statement))
{
    Step();
}

void CDatabaseRecordset::Step()
{
    const int result = sqlite3_step(m_statement.get());
    m_eof = result != SQLITE_ROW;
    if (result != SQLITE_ROW && result != SQLITE_DONE) {
        m_valid = false;
        m_lastError = SqliteErrorText(sqlite3_db_handle(m_statement.get()));
        TraceLog("%s:%d reading rows failed: %s", __FILE__, __LINE__, qUtf8Printable(m_lastError));
    }
}

bool CDatabaseRecordset::IsEOF()
{
    return m_eof;
}

int CDatabaseRecordset::GetFieldCount()
{
    return sqlite3_column_count(m_statement.get());
}

bool CDatabaseRecordset::GetFieldValue(int index, qint32& value)
{
    if (m_eof || index < 0 || index >= GetFieldCount())
        return false;
    sqlite3_stmt* statement = m_statement.get();
    const int type = sqlite3_column_type(statement, index);
    if (type != SQLITE_INTEGER)
        return false;
    const sqlite3_int64 number = sqlite3_column_int64(statement, index);
    if (number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<qint32>::max())
        return false;
    value = static_cast<qint32>(number);
    return true;
}

void CDatabaseRecordset::MoveNext()
{
    if (!m_eof)
        Step();
}

#pragma once
// The rows of one query run, read forward one at a time.

#include "IDatabase.h"
#include "SqliteStatement.h"

class CDatabaseRecordset final : public IDatabaseRecordset {
public:
    // Takes the statement ready to run (values bound) and steps to the first row.
    explicit CDatabaseRecordset(SqliteStatement statement);

    // False when the first step failed; the reason is in LastError.
    bool IsValid() const { return m_valid; }
    QString LastError() const { return m_lastError; }

    bool IsEOF() override;
    int GetFieldCount() override;
    bool GetFieldValue(int index, qint32& value) override;
    void MoveNext() override;

private:
    void Step();

    SqliteStatement m_statement;
    bool m_eof = true;
    bool m_valid = true;
    QString m_lastError;
};

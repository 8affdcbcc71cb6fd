#pragma once
// Small pieces shared by the database objects over SQLite: owning statements, binding, quoting.

#include "IDatabase.h"

#include <QString>

#include <memory>
#include <vector>

#include <sqlite3.h>

struct SqliteStatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using SqliteStatement = std::unique_ptr<sqlite3_stmt, SqliteStatementFinalizer>;

// Prepares exactly one statement; null, with the reason in error, when the text does not compile
// or holds more than one statement.
SqliteStatement PrepareStatement(sqlite3* database, const QString& sql, QString& error);
// Binds the values to the parameters in order; false (reason in error) when the counts differ.
bool BindValues(sqlite3_stmt* statement, const std::vector<DatabaseValue>& values, QString& error);
// A table or column name as a quoted identifier; a name already in square brackets loses them first.
QString QuoteIdentifier(const QString& name);
// SQLite's text for the database's last error.
QString SqliteErrorText(sqlite3* database);

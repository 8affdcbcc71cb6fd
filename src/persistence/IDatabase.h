#pragma once
// The database layer the workbench export writes through: a database object that opens one
// database file, runs SQL statements with bound parameters inside a transaction, and reads rows
// back through queries of one table.
//
// Objects belong to their database: a query lives until CloseQuery, its recordset until the next
// Run or CloseQuery, the command as long as the database. The database is freed with
// DestroyDatabase, never deleted through the interface.

#include <QString>
#include <QtGlobal>

#include <memory>
#include <variant>
#include <vector>

// Results of the operations that report one: negative on failure.
inline constexpr int kDatabaseOk = 0;
inline constexpr int kDatabaseError = -1;

// The value bound to one "?" of a statement.
using DatabaseValue = std::variant<qint64, QString>;

class IDatabaseRecordset {
public:
    // True once the rows are used up (or there were none).
    virtual bool IsEOF() = 0;
    virtual int GetFieldCount() = 0;
    // The field of the current row as a 32-bit integer; false for no current row, an index out of
    // range, NULL or a value that is no 32-bit integer (value untouched then).
    virtual bool GetFieldValue(int index, qint32& value) = 0;
    virtual void MoveNext() = 0;

protected:
    ~IDatabaseRecordset() = default;
};

class IDatabaseQuery {
public:
    // Columns of the rows read, in the order selected; none selected reads every column.
    virtual void SelectColumn(const QString& column) = 0;
    // Keeps only the rows whose column equals the text.
    virtual int AddFilter(const QString& column, const QString& value) = 0;
    virtual int Run() = 0;
    // The rows of the last successful Run; null before one.
    virtual IDatabaseRecordset* GetRecordset() = 0;

protected:
    ~IDatabaseQuery() = default;
};

class IDatabaseCommand {
public:
    // Runs one SQL statement, binding the values to its "?" parameters in order.
    virtual int Execute(const QString& sql, const std::vector<DatabaseValue>& parameters) = 0;

protected:
    ~IDatabaseCommand() = default;
};

class IDatabase {
public:
    // Opens an existing database file for reading and writing; a missing file is not created.
    virtual int OpenDatabase(const QString& path) = 0;
    // A query of one table (a plain name or one in square brackets); null when no database is open.
    virtual IDatabaseQuery* OpenQuery(const QString& table) = 0;
    virtual void CloseQuery(IDatabaseQuery* query) = 0;
    // The command object of the open database; null when none is open.
    virtual IDatabaseCommand* GetCommand() = 0;
    // One transaction at a time; a database destroyed inside one rolls it back.
    virtual int BeginTransaction() = 0;
    virtual int CommitTransaction() = 0;
    virtual int RollbackTransaction() = 0;
    // What the last failing operation reported.
    virtual QString GetLastError() = 0;

protected:
    ~IDatabase() = default;
};

IDatabase* CreateDatabase();
// Closes the database (rolling back an open transaction) and frees it with its queries.
void DestroyDatabase(IDatabase* database);

struct DatabaseDeleter {
    void operator()(IDatabase* database) const { DestroyDatabase(database); }
};
using DatabasePtr = std::unique_ptr<IDatabase, DatabaseDeleter>;

inline DatabasePtr MakeDatabase()
{
    return DatabasePtr(CreateDatabase());
}

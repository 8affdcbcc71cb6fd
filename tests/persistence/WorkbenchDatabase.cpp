#include "WorkbenchDatabase.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

constexpr const char* kSchema = R"sql(
CREATE TABLE [I/O device] (RefDevice INTEGER PRIMARY KEY, Name TEXT, NbMinChannel INTEGER, NbMaxChannel INTEGER);
CREATE TABLE [Instance of device] (RefInstance INTEGER PRIMARY KEY, RefDevice INTEGER, NbOfChannels INTEGER);
CREATE TABLE Symbols (RefSymbols INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT NOT NULL, RefVarInstance INTEGER,
  RefResourcePOU INTEGER, CRCInitValueDim INTEGER, CRCInitValueType INTEGER, Wiring TEXT, RefDefType INTEGER,
  StringSize INTEGER, RefAttribute INTEGER, RefDirection INTEGER, [Order] INTEGER, SingleTextLine TEXT);
CREATE TABLE [I/O Symbols] (RefSymbols INTEGER, RefInstance INTEGER, RefDevice INTEGER, Gainaf INTEGER,
  Gainbf INTEGER, PhysicalOrder INTEGER, ComplexWiring TEXT, [Order] INTEGER);
CREATE TABLE [OEM Parameter] (RefOemParameter INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT NOT NULL,
  RefDevice INTEGER, RefFormat INTEGER, [Default] TEXT, RefAccess INTEGER, Number INTEGER, SingleTextLine TEXT);
CREATE TABLE [Instance of Oem Parameters] (RefInstance INTEGER, RefOemParameter INTEGER, Value TEXT);
)sql";

// The user's own rows: a variable without wiring and parameters whose names only look like ours
// must stay; the rows of an earlier export must go.
constexpr const char* kUserRows = R"sql(
INSERT INTO Symbols (RefSymbols, Name, Wiring) VALUES (100, 'UserVar', NULL);
INSERT INTO Symbols (Name, Wiring) VALUES ('OldTag', '%IX0.0');
INSERT INTO [I/O Symbols] (RefSymbols, RefDevice, ComplexWiring) VALUES (101, 752, '%IX0.0');
INSERT INTO [OEM Parameter] (RefOemParameter, Name) VALUES (500, 'ZERV_OldTag');
INSERT INTO [OEM Parameter] (Name) VALUES ('res_1');
INSERT INTO [OEM Parameter] (Name) VALUES ('result');
INSERT INTO [OEM Parameter] (Name) VALUES ('ZERVICE');
INSERT INTO [OEM Parameter] (Name) VALUES ('UserParam');
INSERT INTO [Instance of Oem Parameters] VALUES (1, 500, '1.0.0');
)sql";

} // namespace

WorkbenchDatabase::WorkbenchDatabase() : path_(dir_.filePath(QStringLiteral("PrjLibrary.db")))
{
    EXPECT_EQ(sqlite3_open_v2(QFile::encodeName(path_).constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                              nullptr),
              SQLITE_OK);
    exec(kSchema);
    exec("BEGIN;");
    for (int device = kFirstDevice; device <= kLastDevice; ++device) {
        const QByteArray sql = QStringLiteral("INSERT INTO [I/O device] VALUES (%1, 'dev%1', %2, %2);"
                                              "INSERT INTO [Instance of device] VALUES (%3, %1, %2);")
                                   .arg(device)
                                   .arg(kInitialChannels)
                                   .arg(device - kFirstDevice + 1)
                                   .toUtf8();
        exec(sql.constData());
    }
    const QByteArray foreign = QStringLiteral("INSERT INTO [I/O device] VALUES (%1, 'foreign', 5, 5);"
                                              "INSERT INTO [Instance of device] VALUES (99, %1, 5);")
                                   .arg(kForeignDevice)
                                   .toUtf8();
    exec(foreign.constData());
    exec(kUserRows);
    exec("COMMIT;");
}

WorkbenchDatabase::~WorkbenchDatabase()
{
    sqlite3_close_v2(db_);
}

void WorkbenchDatabase::exec(const char* sql)
{
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db_, sql, nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "") << "\n" << sql;
    sqlite3_free(error);
}

QStringList WorkbenchDatabase::rows(const char* sql)
{
    QStringList result;
    sqlite3_stmt* statement = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr), SQLITE_OK) << sqlite3_errmsg(db_) << "\n" << sql;
    while (statement != nullptr && sqlite3_step(statement) == SQLITE_ROW) {
        QStringList values;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            const unsigned char* text = sqlite3_column_text(statement, i);
            values.append(text ? QString::fromUtf8(reinterpret_cast<const char*>(text)) : QStringLiteral("NULL"));
        }
        result.append(values.join(u'|'));
    }
    sqlite3_finalize(statement);
    return result;
}

QStringList WorkbenchDatabase::snapshot()
{
    QStringList all;
    for (const char* table : {"[I/O device]", "[Instance of device]", "Symbols", "[I/O Symbols]", "[OEM Parameter]",
                              "[Instance of Oem Parameters]", "sqlite_sequence"}) {
        const QByteArray sql =
            QStringLiteral("SELECT * FROM %1 ORDER BY rowid;").arg(QString::fromLatin1(table)).toUtf8();
        for (const QString& row : rows(sql.constData()))
            all.append(QString::fromLatin1(table) + u':' + row);
    }
    return all;
}

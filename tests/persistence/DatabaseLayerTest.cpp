#include "IDatabase.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <vector>

namespace {

class DatabaseLayerTest : public testing::Test {
protected:
    void SetUp() override
    {
        // An empty file is an empty database.
        QFile file(path_);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        ASSERT_EQ(db_->OpenDatabase(path_), kDatabaseOk);
        ASSERT_NE(db_->GetCommand(), nullptr);
        ASSERT_EQ(execute("CREATE TABLE [Item List] (Id INTEGER PRIMARY KEY, Name TEXT, Size INTEGER, Note TEXT);"),
                  kDatabaseOk);
    }

    int execute(const char* sql, const std::vector<DatabaseValue>& values = {})
    {
        return db_->GetCommand()->Execute(QString::fromUtf8(sql), values);
    }

    // Every field of every row the query reads, as integers; -999 where a field is no integer.
    std::vector<qint32> select(const char* table, std::initializer_list<const char*> columns,
                               std::initializer_list<std::pair<const char*, QString>> filters = {})
    {
        std::vector<qint32> values;
        IDatabaseQuery* query = db_->OpenQuery(QString::fromUtf8(table));
        EXPECT_NE(query, nullptr);
        if (query == nullptr)
            return values;
        EXPECT_EQ(query->GetRecordset(), nullptr) << "no rows before Run";
        for (const char* column : columns)
            query->SelectColumn(QString::fromUtf8(column));
        for (const auto& [column, value] : filters)
            EXPECT_EQ(query->AddFilter(QString::fromUtf8(column), value), kDatabaseOk);
        EXPECT_EQ(query->Run(), kDatabaseOk) << db_->GetLastError().toStdString();
        for (IDatabaseRecordset* rows = query->GetRecordset(); rows != nullptr && !rows->IsEOF(); rows->MoveNext()) {
            for (int field = 0; field < rows->GetFieldCount(); ++field) {
                qint32 value = -999;
                rows->GetFieldValue(field, value);
                values.push_back(value);
            }
        }
        db_->CloseQuery(query);
        return values;
    }

    QTemporaryDir dir_;
    QString path_ = dir_.filePath(QStringLiteral("layer.db"));
    DatabasePtr db_ = MakeDatabase();
};

TEST_F(DatabaseLayerTest, BindsValuesAndReadsRowsBackThroughFilters)
{
    const char* insert = "INSERT INTO [Item List] (Id, Name, Size) VALUES (?, ?, ?);";
    ASSERT_EQ(execute(insert, {qint64{7}, QStringLiteral("O'Brien"), qint64{-40}}), kDatabaseOk);
    ASSERT_EQ(execute(insert, {qint64{8}, QStringLiteral("O'Brien"), qint64{3}}), kDatabaseOk);
    ASSERT_EQ(execute("INSERT INTO [Item List] (Id, Name, Size, Note) VALUES (9, 'x', 3000000000, 'text');"),
              kDatabaseOk);

    EXPECT_EQ(select("[Item List]", {"Id", "Size"}, {{"Name", QStringLiteral("O'Brien")}}),
              (std::vector<qint32>{7, -40, 8, 3}));
    EXPECT_EQ(select("Item List", {"Id"}, {{"Name", QStringLiteral("O'Brien")}, {"Size", QStringLiteral("3")}}),
              std::vector<qint32>{8});
    EXPECT_TRUE(select("[Item List]", {"Id"}, {{"Name", QStringLiteral("nobody")}}).empty());
    // NULL, a text and a value beyond 32 bits are no 32-bit integers.
    EXPECT_EQ(select("[Item List]", {"Note", "Name", "Size"}, {{"Id", QStringLiteral("9")}}),
              (std::vector<qint32>{-999, -999, -999}));
}

TEST_F(DatabaseLayerTest, RefusesWhatItCannotRunWhole)
{
    EXPECT_EQ(execute("INSERT INTO [Item List] (Id, Name) VALUES (?, ?);", {qint64{1}}), kDatabaseError)
        << "too few values";
    EXPECT_EQ(execute("INSERT INTO [Item List] (Id) VALUES (1); DELETE FROM [Item List];"), kDatabaseError)
        << "two statements";
    EXPECT_EQ(execute("INSERT INTO [Missing] (Id) VALUES (1);"), kDatabaseError);
    EXPECT_FALSE(db_->GetLastError().isEmpty());
    EXPECT_TRUE(select("[Item List]", {"Id"}).empty()) << "nothing of the refused statements ran";

    IDatabaseQuery* query = db_->OpenQuery(QStringLiteral("Missing"));
    ASSERT_NE(query, nullptr);
    query->SelectColumn(QStringLiteral("Id"));
    EXPECT_EQ(query->Run(), kDatabaseError);
    EXPECT_EQ(query->GetRecordset(), nullptr);
    db_->CloseQuery(query);
}

TEST_F(DatabaseLayerTest, TransactionsCommitOrLeaveNothing)
{
    ASSERT_EQ(db_->BeginTransaction(), kDatabaseOk);
    ASSERT_EQ(execute("INSERT INTO [Item List] (Id) VALUES (1);"), kDatabaseOk);
    ASSERT_EQ(db_->RollbackTransaction(), kDatabaseOk);
    EXPECT_TRUE(select("[Item List]", {"Id"}).empty());

    ASSERT_EQ(db_->BeginTransaction(), kDatabaseOk);
    ASSERT_EQ(execute("INSERT INTO [Item List] (Id) VALUES (2);"), kDatabaseOk);
    ASSERT_EQ(db_->CommitTransaction(), kDatabaseOk);

    ASSERT_EQ(db_->BeginTransaction(), kDatabaseOk);
    ASSERT_EQ(execute("INSERT INTO [Item List] (Id) VALUES (3);"), kDatabaseOk);
    db_.reset(); // destroyed inside the transaction

    db_ = MakeDatabase();
    ASSERT_EQ(db_->OpenDatabase(path_), kDatabaseOk);
    EXPECT_EQ(select("[Item List]", {"Id"}), std::vector<qint32>{2});
}

TEST(DatabaseOpenTest, OnlyAnExistingDatabaseFileOpens)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.db"));
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();

    for (const QString& path : {missing, text, dir.path()}) {
        DatabasePtr db = MakeDatabase();
        EXPECT_EQ(db->OpenDatabase(path), kDatabaseError) << path.toStdString();
        EXPECT_EQ(db->GetCommand(), nullptr) << path.toStdString();
        EXPECT_EQ(db->OpenQuery(QStringLiteral("Symbols")), nullptr) << path.toStdString();
        EXPECT_FALSE(db->GetLastError().isEmpty()) << path.toStdString();
    }
    EXPECT_FALSE(QFile::exists(missing));
}

} // namespace

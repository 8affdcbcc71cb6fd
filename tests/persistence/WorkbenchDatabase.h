#pragma once
// A stand-in for the workbench's project database: a real SQLite file with the tables and
// columns the export uses, and plain SQL to fill it and read rows back.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sqlite3.h>

class WorkbenchDatabase {
public:
    // The 18 I/O device ids the export owns.
    static constexpr int kFirstDevice = 743;
    static constexpr int kLastDevice = 760;
    // A device of the workbench's own that the export must not touch.
    static constexpr int kForeignDevice = 900;
    // The channel count every device starts with, so a reset shows.
    static constexpr int kInitialChannels = 9;

    // Creates the file with the tables, every device and a few rows of the user's own.
    WorkbenchDatabase();
    ~WorkbenchDatabase();
    WorkbenchDatabase(const WorkbenchDatabase&) = delete;
    WorkbenchDatabase& operator=(const WorkbenchDatabase&) = delete;

    QString path() const { return path_; }
    // Runs SQL text (any number of statements); fails the test on an error.
    void exec(const char* sql);
    // Each row of the SELECT as its values joined by '|', NULL as "NULL".
    QStringList rows(const char* sql);
    // Every row of every table, for comparing the whole database before and after.
    QStringList snapshot();

private:
    QTemporaryDir dir_;
    QString path_;
    sqlite3* db_ = nullptr;
};

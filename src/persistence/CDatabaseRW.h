#pragma once
// Writes the project's tags into the workbench's project database as I/O symbols, with one OEM
// parameter per tag and the channel counts of the 18 I/O devices that stand for the tag data types.
//
// An export is DeleteZervData followed by AddZervData on the same file. Both run in one
// transaction: DeleteZervData opens it and AddZervData commits it, so a failure anywhere leaves the
// database as it was before the export, and an export that never reaches AddZervData changes
// nothing. The database object is released when AddZervData ends, on any failure, or with this object.

#include "IDatabase.h"
#include "TagRecord.h"

#include <QString>

#include <memory>
#include <vector>

class CDataCenter;
struct WorkbenchIoDevice;

class CDatabaseRW {
public:
    explicit CDatabaseRW(CDataCenter* model);
    ~CDatabaseRW();
    CDatabaseRW(const CDatabaseRW&) = delete;
    CDatabaseRW& operator=(const CDatabaseRW&) = delete;

    // Removes what an earlier export wrote; true when every statement ran.
    bool DeleteZervData(const QString& path);
    // Writes the symbols, parameters and device channel counts of every tag whose data-type code is
    // 1 to 18 and commits the export; true when all of it was written.
    bool AddZervData(const QString& path);

private:
    struct Session;

    bool OpenSession(const QString& path);
    // Commits (when asked) or rolls back, then releases the database; true when committed.
    bool CloseSession(bool commit);
    bool Execute(const QString& sql, const std::vector<DatabaseValue>& values, const char* failureText);
    bool WriteDevice(const WorkbenchIoDevice& device, const std::vector<const TagRecord*>& tags, qint32& order,
                     qint32& instance);
    bool WriteTag(const WorkbenchIoDevice& device, const TagRecord& tag, int position, qint32& order, qint32& instance);
    // The value of the last row and field that the query reads; false when it reads none.
    bool ReadKey(const QString& table, const QString& column, const QString& filterColumn, const QString& filterValue,
                 qint32& key);

    CDataCenter* m_model;
    std::vector<TagRecord> m_tags;      // the tag table as AddZervData found it
    std::unique_ptr<Session> m_session; // the open export between DeleteZervData and AddZervData
};

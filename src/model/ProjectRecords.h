#pragma once
// Small project-wide records of the model: the device's name and location, the log switches,
// the controller's FTP server and the DNP3 point groups.

#include "DNP3_OUTSTATION_SETTINGS.h"
#include "FtpServerSettings.h"
#include "TagRecord.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

#include <array>
#include <vector>

// The device name and location of the device information page.
struct ModuleInfoPair {
    QString ModName;
    QString ModLocation;
    friend bool operator==(const ModuleInfoPair&, const ModuleInfoPair&) = default;
};

struct LogEnableEntry {
    qint32 serviceID = 0;
    qint32 debugFlag = 0;
    qint32 level = 0;
    qint32 storage = 1;
    friend bool operator==(const LogEnableEntry&, const LogEnableEntry&) = default;
};

// Per log source, in this order: SystemLog, EmailAlarm, SMSAlarm, DataLogging, ModbusMaster,
// ModbusSlave, TAVO, Cellular, SNMPTrapAlarm, SNMPAgent, RESTfulAPI, DNP3Outstation, IECEngine.
struct LogEnableTable {
    static constexpr int kEntryCount = 13;
    static constexpr int kSystemLog = 0;
    static constexpr int kIECEngine = 12;

    std::array<LogEnableEntry, kEntryCount> Entries{};

    // The switches of a new project.
    void Reset();
};

// An alarm entry that names a mail server; renaming or deleting the server updates it.
struct MailAlarmRecord {
    QString ServerName;
};

// DNP3 object types; the model keeps the groups in the order binary input, binary output,
// analog input, analog output, counter.
namespace Dnp3ObjectType {
inline constexpr int BinaryInput = 1;
inline constexpr int AnalogInput = 2;
inline constexpr int BinaryOutput = 3;
inline constexpr int AnalogOutput = 4;
inline constexpr int Counter = 5;
} // namespace Dnp3ObjectType

// The group values of one DNP3 object type and its points.
struct Dnp3PointGroup {
    qint32 ObjectType = Dnp3ObjectType::BinaryInput;
    qint32 StaticVariation = 0;
    qint32 EventVariation = 0;
    qint32 FrozenVariation = 0;
    qint32 FrozenEventVariation = 0;
    QVector<DNP3_POINT_SETTINGS> Points;

    // project file
    // Round trips of the project file compare whole records.
    friend bool operator==(const Dnp3PointGroup&, const Dnp3PointGroup&) = default;
};
using DNP3_POINT_GROUP = Dnp3PointGroup;

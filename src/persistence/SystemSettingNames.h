#pragma once
// Names inside the controller-wide setting groups of slot 0: time, FTP accounts and the log switches.

#include <QString>

#include <array>

namespace DeviceFile::Name {

inline const QString TimeZone = QStringLiteral("TimeZone");
inline const QString TimeServer = QStringLiteral("TimeServer");
inline const QString SyncInterval = QStringLiteral("SyncInterval");

inline const QString Username = QStringLiteral("Username");
inline const QString Password = QStringLiteral("Password");
// Written only for an account that has one, so files without comments keep their bytes.
inline const QString Comment = QStringLiteral("Comment");

inline const QString SystemLogEntry = QStringLiteral("System");
inline const QString ServiceLogs = QStringLiteral("Service");
inline const QString IECEngine = QStringLiteral("IECEngine");
// Log entries 1..11, children of "Service".
inline const std::array<QString, 11> ServiceLogEntries{
    QStringLiteral("EmailAlarm"),   QStringLiteral("SMSAlarm"),       QStringLiteral("DataLogging"),
    QStringLiteral("ModbusMaster"), QStringLiteral("ModbusSlave"),    QStringLiteral("TAVO"),
    QStringLiteral("Cellular"),     QStringLiteral("SNMPTrapAlarm"),  QStringLiteral("SNMPAgent"),
    QStringLiteral("RESTfulAPI"),   QStringLiteral("DNP3Outstation"),
};
inline const QString LogServiceId = QStringLiteral("serviceID");
inline const QString LogDebugFlag = QStringLiteral("debugFlag");
inline const QString LogLevel = QStringLiteral("level");
inline const QString LogStorage = QStringLiteral("storage");

} // namespace DeviceFile::Name

#pragma once
// Names of the "DeviceConfiguration" group: the slot elements and the "Setting" children that the
// slot reader dispatches on.

#include <QString>

namespace DeviceFile::Name {

inline const QString DeviceConfiguration = QStringLiteral("DeviceConfiguration");
inline const QString SlotPrefix = QStringLiteral("Slot_"); // "Slot_%d"
inline const QString SlotName = QStringLiteral("Name");
inline const QString SlotApid = QStringLiteral("APID");

inline const QString SerialSetting = QStringLiteral("SerialSetting");
inline const QString CanSetting = QStringLiteral("CanSetting");
inline const QString PortTrunk = QStringLiteral("PortTrunk");
inline const QString Switch = QStringLiteral("Switch");
inline const QString NetworkSetting = QStringLiteral("NetworkSetting");
inline const QString SystemRegister = QStringLiteral("SystemRegister");
inline const QString CellularSetting = QStringLiteral("CellularSetting");
inline const QString Power = QStringLiteral("Power");
inline const QString TimeSetting = QStringLiteral("TimeSetting");
inline const QString FtpAccount = QStringLiteral("FtpAccount");
inline const QString FtpServer = QStringLiteral("FtpServer");
inline const QString ToggleSwitchControl = QStringLiteral("ToggleSwitchControl");
inline const QString RotarySwitchControl = QStringLiteral("RotarySwitchControl");
inline const QString SystemLog = QStringLiteral("SystemLog");

} // namespace DeviceFile::Name

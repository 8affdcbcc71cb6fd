#pragma once
// Element and attribute names shared by the device side of the project file: the value
// convention, list items, a slot's two halves and the configuration version this program writes.

#include <QString>

namespace DeviceFile::Name {

inline const QString Result = QStringLiteral("Result");
inline const QString Quantity = QStringLiteral("Quantity");
inline const QString ItemPrefix = QStringLiteral("Set_"); // "Set_%d"
inline const QString FirstItem = QStringLiteral("Set_0");
inline const QString Setting = QStringLiteral("Setting");
inline const QString Resource = QStringLiteral("Resource");
inline const QString Enable = QStringLiteral("Enable");
inline const QString ResID = QStringLiteral("ResID");
inline const QString ResIDPrefix = QStringLiteral("ResID_"); // "ResID_%s"
inline const QString NotSet = QStringLiteral("NA");          // a value that is not set

// The configuration and tool version this program writes.
inline const QString ProjectFileVersion = QStringLiteral("1.9.0");

} // namespace DeviceFile::Name

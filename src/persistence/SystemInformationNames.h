#pragma once
// Names of the "SystemInformation" group of "Product".

#include <QString>

namespace DeviceFile::Name {

inline const QString SystemInformation = QStringLiteral("SystemInformation");
inline const QString ModType = QStringLiteral("ModType");
inline const QString ModLocation = QStringLiteral("ModLocation");
inline const QString ModName = QStringLiteral("ModName");
inline const QString CfgToolVersion = QStringLiteral("CfgToolVersion");

} // namespace DeviceFile::Name

#pragma once
// Names of the project file's frame: the root element and its attributes, the product element,
// and the texts the open shows that are not in the language pack.

#include <QString>

namespace ProjectFile::Name {

inline const QString Project = QStringLiteral("Project");
inline const QString Result = QStringLiteral("Result");
inline const QString ConfigVersion = QStringLiteral("ConfigVersion");
inline const QString MaxSlotCount = QStringLiteral("MaxSlotCount");
inline const QString Product = QStringLiteral("Product");
inline const QString SlotName = QStringLiteral("Name"); // a "DeviceConfiguration" child's module

// The project name of a root without "Result".
inline const QString DefaultProjectName = QStringLiteral("Project");

} // namespace ProjectFile::Name

namespace ProjectFile::Text {

inline const QString NewerConfigVersion = QStringLiteral("Configuration file version can't much Pelandrix version");

} // namespace ProjectFile::Text

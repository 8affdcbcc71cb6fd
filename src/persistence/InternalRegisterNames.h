#pragma once
// Names of the internal register groups under "Setting"/"InternalRegister" and
// "Resource"/"InternalRegister" of a slot.

#include <QString>

#include <array>

namespace DeviceFile::Name {

inline const QString InternalRegister = QStringLiteral("InternalRegister");

// The nine kinds in the order of register types 1510..1518 (and 1501..1509).
inline constexpr int RegisterKindCount = 9;
inline const std::array<QString, RegisterKindCount> RegisterKinds{
    QStringLiteral("BoolOut"),  QStringLiteral("CharOut"),  QStringLiteral("FloatOut"),
    QStringLiteral("LongOut"),  QStringLiteral("ShortOut"), QStringLiteral("StringOut"),
    QStringLiteral("UCharOut"), QStringLiteral("ULongOut"), QStringLiteral("UShortOut"),
};
inline const QString RegisterQuantitySuffix = QStringLiteral("Quantity"); // "BoolOutQuantity"

inline const QString ResName = QStringLiteral("ResName");
inline const QString ResType = QStringLiteral("ResType");
inline const QString Direction = QStringLiteral("Direction");
inline const QString RegisterDataType = QStringLiteral("DataType");
inline const QString TagType = QStringLiteral("TagType");
inline const QString RegisterChannelIndex = QStringLiteral("ChannelIndex");
inline const QString DNP3TagType = QStringLiteral("DNP3TagType");
inline const QString Min = QStringLiteral("Min");
inline const QString Max = QStringLiteral("Max");
inline const QString InitialValue = QStringLiteral("InitialValue");
inline const QString Retain = QStringLiteral("Retain");

} // namespace DeviceFile::Name

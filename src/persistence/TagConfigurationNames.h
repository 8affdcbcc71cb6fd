#pragma once
// Names of the "TagConfiguration" group of "Product" and of its "Tag_%d" elements.

#include <QString>

#include <array>

namespace DeviceFile::Name {

inline const QString TagConfiguration = QStringLiteral("TagConfiguration");
inline const QString TagPrefix = QStringLiteral("Tag_"); // "Tag_%d"
inline const QString FirstTag = QStringLiteral("Tag_0");
inline const QString TagName = QStringLiteral("TagName");
inline const QString DataType = QStringLiteral("DataType");
inline const QString ReadWriteDircetion = QStringLiteral("ReadWriteDircetion");
inline const QString ChannelType = QStringLiteral("ChannelType");
inline const QString ChannelTypeAlias = QStringLiteral("ChannelTypeAlias");
inline const QString ChannelTypeId = QStringLiteral("ChannelTypeId");
inline const QString SlotIndex = QStringLiteral("SlotIndex");
inline const QString ChannelIndex = QStringLiteral("ChannelIndex");
inline const QString ResourceType = QStringLiteral("ResourceType");
inline const QString RelatedService = QStringLiteral("RelatedService");
inline const QString RTUService = QStringLiteral("RTUService");
inline const QString Index = QStringLiteral("Index");

// The tag counts, by data-type index 0..8.
inline const std::array<QString, 9> TagQuantities{
    QStringLiteral("CoilTagQuantity"),   QStringLiteral("Int8TagQuantity"),  QStringLiteral("Int16TagQuantity"),
    QStringLiteral("Int32TagQuantity"),  QStringLiteral("Uint8TagQuantity"), QStringLiteral("Uint16TagQuantity"),
    QStringLiteral("Uint32TagQuantity"), QStringLiteral("FloatTagQuantity"), QStringLiteral("StringTagQuantity"),
};

// Older configuration versions whose files lack the cellular connection tags.
inline const QString ConfigVersionWithoutConnectionTags1 = QStringLiteral("1.1.0");
inline const QString ConfigVersionWithoutConnectionTags2 = QStringLiteral("1.2.0");

} // namespace DeviceFile::Name

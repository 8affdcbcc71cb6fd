// One "Tag_%d" element of "TagConfiguration".
#include "TagRecord.h"

#include "DeviceFileIO.h"
#include "DeviceFileNames.h"
#include "TagConfigurationNames.h"
#include "TypeIds.h"

using namespace DeviceFile;

namespace {

constexpr qint32 kInputDirection = 1;
const QString kWrittenInput = QStringLiteral("0");
const QString kWrittenOutput = QStringLiteral("1");

void saveRelatedServiceItem(const TagServiceLink& link, IXMLElement* item)
{
    AddUnsigned(item, Name::RTUService, static_cast<quint32>(link.ServiceId));
    AddUnsigned(item, Name::Index, static_cast<quint32>(link.ItemIndex));
}

} // namespace

void TagRecord::SaveTagElement(IXMLElement* tagElement) const
{
    if (!tagElement)
        return;
    AddValue(tagElement, Name::TagName, TagName);
    AddSigned(tagElement, Name::DataType, MapDataTypeCode(DataTypeCode));
    AddValue(tagElement, Name::ResID, ResID);
    AddValue(tagElement, Name::ReadWriteDircetion, Direction == kInputDirection ? kWrittenInput : kWrittenOutput);
    IXMLElement* channelType = tagElement->AddChild(Name::ChannelType);
    AddValue(channelType, Name::ChannelTypeAlias, ChannelTypeAlias);
    AddSigned(channelType, Name::ChannelTypeId, ChannelTypeId);
    AddSigned(tagElement, Name::SlotIndex, SlotIndex);
    AddSigned(tagElement, Name::ChannelIndex, ChannelIndex);
    AddSigned(tagElement, Name::ResourceType, ResourceType);
    IXMLElement* related = tagElement->AddChild(Name::RelatedService);
    for (size_t k = 0; k < RelatedServices.size(); ++k)
        saveRelatedServiceItem(RelatedServices[k], related->AddChild(ItemName(static_cast<int>(k))));
}

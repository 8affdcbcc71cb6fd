#include "ChannelGroupIO.h"

#include "ChannelElementNames.h"
#include "DeviceFileNames.h"
#include "TextConversion.h"

namespace DeviceFile {

bool AddGroupElements(IXMLElement* slotElement, const QString& groupName, GroupElements& out)
{
    IXMLElement* setting = slotElement ? slotElement->FindChild(Name::Setting) : nullptr;
    IXMLElement* resource = slotElement ? slotElement->FindChild(Name::Resource) : nullptr;
    if (!setting || !resource)
        return false;
    out.setting = setting->AddChild(groupName);
    out.resource = resource->AddChild(groupName);
    return true;
}

ChannelItems AddChannelItems(const GroupElements& group, int channel)
{
    const QString name = ItemName(channel);
    return {group.setting->AddChild(name), group.resource->AddChild(name)};
}

void AddTagResourceIds(IXMLElement* item, const std::vector<TagDefinition>& tags, const QStringList& abbreviations,
                       const QString& section)
{
    for (const TagDefinition& tag : tags) {
        QString abbreviation;
        if (AbbreviationAt(abbreviations, tag.ResType, section, abbreviation))
            AddValue(item, Name::ResIDPrefix + abbreviation, tag.ResourceText);
    }
}

void AddPositionalResourceIds(IXMLElement* item, const std::vector<TagDefinition>& tags,
                              const QStringList& abbreviations, const QString& section, int count)
{
    const int limit = std::min(count, static_cast<int>(tags.size()));
    for (int i = 0; i < limit; ++i) {
        QString abbreviation;
        if (AbbreviationAt(abbreviations, i, section, abbreviation))
            AddValue(item, Name::ResIDPrefix + abbreviation, tags[static_cast<size_t>(i)].ResourceText);
    }
}

QString BurnOutText(qint32 inputRange, float burnOutValue)
{
    return inputRange == kBurnOutRange ? FloatToString(burnOutValue) : Name::NotSet;
}

void AddInputRangeValues(IXMLElement* item, const AISettingBlock& block)
{
    AddUnsigned(item, Name::InputRange, static_cast<quint32>(block.InputRange));
    AddSigned(item, Name::InputRangeMin, block.InputRangeMin);
    AddSigned(item, Name::InputRangeMax, block.InputRangeMax);
    AddValue(item, Name::BurnOutValue, BurnOutText(block.InputRange, block.BurnOutValue));
}

void ReadInputRangeValues(IXMLElement* item, AISettingBlock& block)
{
    KeepUnsigned(item, Name::InputRange, block.InputRange);
    KeepSigned(item, Name::InputRangeMin, block.InputRangeMin);
    KeepSigned(item, Name::InputRangeMax, block.InputRangeMax);
    block.BurnOutValue = static_cast<float>(RealOr(item, Name::BurnOutValue, kMissingBurnOutValue));
}

} // namespace DeviceFile

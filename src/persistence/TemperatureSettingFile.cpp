// The thermocouple group "TC" and the RTD group "RTD" of a slot: one layout under two names.
#include "ModuleRecords.h"

#include "AbbreviationLists.h"
#include "ChannelElementNames.h"
#include "ChannelGroupIO.h"
#include "TextConversion.h"

using namespace DeviceFile;

namespace {

void addValues(IXMLElement* item, const TemperatureSettingBlock& block)
{
    AddUnsigned(item, Name::SensorType, static_cast<quint32>(block.SensorType));
    AddSigned(item, Name::InputRangeMin, block.InputRangeMin);
    AddSigned(item, Name::InputRangeMax, block.InputRangeMax);
    AddSigned(item, Name::Unit, block.Unit);
    AddValue(item, Name::Offset, FloatToString(block.Offset));
}

void readValues(TemperatureChannel& channel, IXMLElement* item)
{
    TemperatureSettingBlock& block = channel.Setting;
    block.SensorType = static_cast<qint32>(UnsignedOr(item, Name::SensorType, 0, 0, 0));
    block.InputRangeMin = SignedOr(item, Name::InputRangeMin, 0, 0, 0);
    block.InputRangeMax = SignedOr(item, Name::InputRangeMax, 0, 0, 0);
    KeepSigned(item, Name::Unit, block.Unit);
    KeepReal(item, Name::Offset, block.Offset);
}

// groupName is also the abbreviation section.
void saveTemperatureChannels(TemperatureSetting& record, IXMLElement* slotElement, const QString& groupName)
{
    GroupElements group;
    if (!AddGroupElements(slotElement, groupName, group))
        return;
    GetAbbreviationList(groupName, record.Abbreviations);
    for (size_t k = 0; k < record.Channels.size(); ++k) {
        const ChannelItems items = AddChannelItems(group, static_cast<int>(k));
        addValues(items.setting, record.Channels[k].Setting);
        AddTagResourceIds(items.resource, record.Channels[k].TagDefinitions, record.Abbreviations, groupName);
    }
}

void loadTemperatureChannels(TemperatureSetting& record, IXMLElement* element, const QString& groupName)
{
    GetAbbreviationList(groupName, record.Abbreviations);
    FillChannels(ChildrenOf(element), record.Channels, record.ChannelCount, readValues);
}

} // namespace

void TemperatureSetting::SaveTcChannels(IXMLElement* slotElement)
{
    saveTemperatureChannels(*this, slotElement, Name::TC);
}

void TemperatureSetting::LoadTcChannels(IXMLElement* element)
{
    loadTemperatureChannels(*this, element, Name::TC);
}

void TemperatureSetting::SaveRtdChannels(IXMLElement* slotElement)
{
    saveTemperatureChannels(*this, slotElement, Name::RTD);
}

void TemperatureSetting::LoadRtdChannels(IXMLElement* element)
{
    loadTemperatureChannels(*this, element, Name::RTD);
}

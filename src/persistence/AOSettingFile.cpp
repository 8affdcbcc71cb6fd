// The analog output group "AO" of a slot.
#include "ModuleRecords.h"

#include "AbbreviationLists.h"
#include "ChannelElementNames.h"
#include "ChannelGroupIO.h"
#include "DeviceFileNames.h"
#include "TextFormat.h"

using namespace DeviceFile;

namespace {

constexpr char16_t kAOValueFormat[] = u"%.3f";

QString aoValueText(float value)
{
    return FormatText(kAOValueFormat, {static_cast<double>(value)});
}

void addValues(IXMLElement* item, const AOSettingBlock& block)
{
    AddUnsigned(item, Name::Enable, block.Enable);
    AddUnsigned(item, Name::OutputRange, static_cast<quint32>(block.OutputRange));
    AddSigned(item, Name::AOMode, block.Mode);
    AddValue(item, Name::InitialValueAO, aoValueText(block.InitialValue));
    AddSigned(item, Name::WaveformType, block.WaveformType);
    AddValue(item, Name::Frequency, aoValueText(block.Frequency));
    AddValue(item, Name::Amplitude, aoValueText(block.Amplitude));
    AddValue(item, Name::Offset, aoValueText(block.Offset));
}

void readValues(AOChannel& channel, IXMLElement* item)
{
    AOSettingBlock& block = channel.Setting;
    KeepSigned(item, Name::Enable, block.Enable);
    block.OutputRange = static_cast<qint32>(UnsignedOr(item, Name::OutputRange, 0, 0, 0));
    KeepUnsigned(item, Name::AOMode, block.Mode);
    KeepReal(item, Name::InitialValueAO, block.InitialValue);
    KeepSigned(item, Name::WaveformType, block.WaveformType);
    KeepReal(item, Name::Frequency, block.Frequency);
    KeepReal(item, Name::Amplitude, block.Amplitude);
    KeepReal(item, Name::Offset, block.Offset);
}

} // namespace

void AOSetting::SaveAoChannels(IXMLElement* slotElement)
{
    GroupElements group;
    if (!AddGroupElements(slotElement, Name::AO, group))
        return;
    GetAbbreviationList(Name::AO, Abbreviations);
    for (size_t k = 0; k < Channels.size(); ++k) {
        const ChannelItems items = AddChannelItems(group, static_cast<int>(k));
        addValues(items.setting, Channels[k].Setting);
        AddTagResourceIds(items.resource, Channels[k].TagDefinitions, Abbreviations, Name::AO);
    }
}

void AOSetting::LoadAoChannels(IXMLElement* element)
{
    GetAbbreviationList(Name::AO, Abbreviations);
    FillChannels(ChildrenOf(element), Channels, ChannelCount, readValues);
}

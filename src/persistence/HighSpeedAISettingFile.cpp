// The high-speed analog input group "HighSpeedAI" of a slot: the sampling rate, then the channels.
#include "ModuleRecords.h"

#include "AbbreviationLists.h"
#include "ChannelElementNames.h"
#include "ChannelGroupIO.h"

#include <algorithm>

using namespace DeviceFile;

void HighSpeedAISetting::SaveHighSpeedAiChannels(IXMLElement* slotElement)
{
    GroupElements group;
    if (!AddGroupElements(slotElement, Name::HighSpeedAI, group))
        return;
    GetAbbreviationList(Name::HighSpeedAISection, Abbreviations);
    AddUnsigned(group.setting, Name::SamplingRate, SamplingRate);
    for (size_t k = 0; k < Channels.size(); ++k) {
        const HighSpeedAIChannel& channel = Channels[k];
        const ChannelItems items = AddChannelItems(group, static_cast<int>(k));
        AddInputRangeValues(items.setting, channel.Setting);
        AddUnsigned(items.setting, Name::ForeInterval, channel.Setting.ForeInterval);
        AddUnsigned(items.setting, Name::BackInterval, channel.Setting.BackInterval);
        AddTagResourceIds(items.resource, channel.TagDefinitions, Abbreviations, Name::HighSpeedAISection);
    }
}

void HighSpeedAISetting::LoadHighSpeedAiChannels(IXMLElement* element)
{
    GetAbbreviationList(Name::HighSpeedAISection, Abbreviations);
    KeepUnsigned(element, Name::SamplingRate, SamplingRate);
    // The sampling rate is never a channel, whether or not it carries its value.
    std::vector<IXMLElement*> channelElements = ChildrenOf(element);
    std::erase_if(channelElements, [](IXMLElement* child) { return child->GetName() == Name::SamplingRate; });
    FillChannels(channelElements, Channels, ChannelCount, [](HighSpeedAIChannel& channel, IXMLElement* item) {
        ReadInputRangeValues(item, channel.Setting);
        KeepUnsigned(item, Name::ForeInterval, channel.Setting.ForeInterval);
        KeepUnsigned(item, Name::BackInterval, channel.Setting.BackInterval);
    });
}

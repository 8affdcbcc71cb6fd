// The analog input group "AI" of a slot.
#include "ModuleRecords.h"

#include "AbbreviationLists.h"
#include "ChannelElementNames.h"
#include "ChannelGroupIO.h"

using namespace DeviceFile;

void AISetting::SaveAiChannels(IXMLElement* slotElement)
{
    GroupElements group;
    if (!AddGroupElements(slotElement, Name::AI, group))
        return;
    GetAbbreviationList(Name::AI, Abbreviations);
    for (size_t k = 0; k < Channels.size(); ++k) {
        const ChannelItems items = AddChannelItems(group, static_cast<int>(k));
        AddInputRangeValues(items.setting, Channels[k].Setting);
        AddTagResourceIds(items.resource, Channels[k].TagDefinitions, Abbreviations, Name::AI);
    }
}

void AISetting::LoadAiChannels(IXMLElement* element)
{
    GetAbbreviationList(Name::AI, Abbreviations);
    FillChannels(ChildrenOf(element), Channels, ChannelCount,
                 [](AIChannel& channel, IXMLElement* item) { ReadInputRangeValues(item, channel.Setting); });
}

// The digital output group "DO" and the relay group "Relay" of a slot.
#include "ModuleRecords.h"

#include "AbbreviationLists.h"
#include "ChannelElementNames.h"
#include "ChannelGroupIO.h"
#include "DigitalValueIO.h"

using namespace DeviceFile;

namespace {

constexpr double kMissingDOFrequency = 1.0;
constexpr double kMissingRelayFrequency = 0.1;

struct OutputGroup {
    const QString& name; // element and abbreviation section
    OutputValueNames values;
    double missingFrequency;
};

const OutputGroup& doGroup()
{
    static const OutputGroup group{Name::DO, {Name::DOMode, Name::DOStatus}, kMissingDOFrequency};
    return group;
}

const OutputGroup& relayGroup()
{
    static const OutputGroup group{Name::Relay, {Name::RelayMode, Name::RelayStatus}, kMissingRelayFrequency};
    return group;
}

void saveOutputChannels(OutputModuleSlotRecord& record, IXMLElement* slotElement, const OutputGroup& kind)
{
    GroupElements group;
    if (!AddGroupElements(slotElement, kind.name, group))
        return;
    GetAbbreviationList(kind.name, record.Abbreviations);
    for (size_t k = 0; k < record.Channels.size(); ++k) {
        const DOChannel& channel = record.Channels[k];
        const ChannelItems items = AddChannelItems(group, static_cast<int>(k));
        AddOutputValues(items.setting, channel.Setting, kind.values);
        AddTagResourceIds(items.resource, channel.TagDefinitions, record.Abbreviations, kind.name);
    }
}

void loadOutputChannels(OutputModuleSlotRecord& record, IXMLElement* element, const OutputGroup& kind)
{
    GetAbbreviationList(kind.name, record.Abbreviations);
    const OutputReadRules rules{0, kind.missingFrequency};
    FillChannels(ChildrenOf(element), record.Channels, record.ChannelCount, [&](DOChannel& channel, IXMLElement* item) {
        ReadOutputValues(item, channel.Setting, kind.values, rules);
    });
}

} // namespace

void OutputModuleSlotRecord::SaveDoChannels(IXMLElement* slotElement)
{
    saveOutputChannels(*this, slotElement, doGroup());
}

void OutputModuleSlotRecord::LoadDoChannels(IXMLElement* element)
{
    loadOutputChannels(*this, element, doGroup());
}

void OutputModuleSlotRecord::SaveRelayChannels(IXMLElement* slotElement)
{
    saveOutputChannels(*this, slotElement, relayGroup());
}

void OutputModuleSlotRecord::LoadRelayChannels(IXMLElement* element)
{
    loadOutputChannels(*this, element, relayGroup());
}

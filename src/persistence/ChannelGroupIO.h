#pragma once
// What the channel groups of a slot share: the group element T under "Setting" and "Resource",
// one "Set_%d" per channel on both sides, "ResID_%s" elements named from DefaultSettings.ini
// abbreviations, and the reading loop in which the k-th child fills channel k.

#include "ChannelEntries.h"
#include "DeviceFileIO.h"
#include "TagDefinition.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace DeviceFile {

struct GroupElements {
    IXMLElement* setting = nullptr;
    IXMLElement* resource = nullptr;
};

// Adds T under the slot's "Setting" and "Resource"; false (and nothing added) when either is missing.
bool AddGroupElements(IXMLElement* slotElement, const QString& groupName, GroupElements& out);

// The "Set_%d" of channel k under both group elements; returns the "Setting" one.
struct ChannelItems {
    IXMLElement* setting = nullptr;
    IXMLElement* resource = nullptr;
};
ChannelItems AddChannelItems(const GroupElements& group, int channel);

// One "ResID_<abbreviation>" per tag, named by the abbreviation at the tag's resource type.
void AddTagResourceIds(IXMLElement* item, const std::vector<TagDefinition>& tags, const QStringList& abbreviations,
                       const QString& section);
// "ResID_<abbreviation i>" holding tag i, for i below count.
void AddPositionalResourceIds(IXMLElement* item, const std::vector<TagDefinition>& tags,
                              const QStringList& abbreviations, const QString& section, int count);

// The burn-out value's text: the value when the range code is the one with a burn-out value,
// else "NA".
QString BurnOutText(qint32 inputRange, float burnOutValue);
inline constexpr qint32 kBurnOutRange = 4;
inline constexpr double kMissingBurnOutValue = 4.0;

// "InputRange", "InputRangeMin", "InputRangeMax", "BurnOutValue": the range values of AI, HART
// and high-speed AI channels. The reader keeps a missing range value; a missing burn-out value
// reads as 4.
void AddInputRangeValues(IXMLElement* item, const AISettingBlock& block);
void ReadInputRangeValues(IXMLElement* item, AISettingBlock& block);

// The k-th element fills channel k, while k is below both the record's count and its list.
template <class Channel, class Fill>
void FillChannels(const std::vector<IXMLElement*>& elements, std::vector<Channel>& channels, int channelCount,
                  Fill fill)
{
    const size_t limit = std::min({elements.size(), channels.size(), static_cast<size_t>(std::max(channelCount, 0))});
    for (size_t k = 0; k < limit; ++k)
        fill(channels[k], elements[k]);
}

} // namespace DeviceFile

// The tag table: look-ups by name and by address, updates with their follow-up renames, deletion,
// and the renumbering of position-numbered service uses.
#include "CDataCenter.h"

#include "TagEngineSupport.h"
#include "TraceLog.h"

#include <algorithm>
#include <array>

namespace {

// Data-type codes of the file's per-type tag quantities, by type index; the second is code + 9.
constexpr std::array<int, DataTypeCode::KindCount> kCodeOfTypeIndex{1, 2, 5, 4, 7, 9, 8, 3, 6};
// Status tags of the services sit at "0.0.<resource id>".
const QString kServiceTagAddressPrefix = QStringLiteral("0.0.");

// The range setting of the tag's channel in the slot's module record; 0 when either is gone.
template <typename Record, typename Setting>
int channelRangeOf(const std::vector<Record>& records, const TagRecord& tag, Setting setting, int& out)
{
    const Record* record = FindRecordBySlot(records, tag.SlotIndex);
    const auto* channel = record ? EntryAt(record->Channels, tag.ChannelIndex) : nullptr;
    if (!channel)
        return 0;
    out = setting(channel->Setting);
    return 1;
}

template <typename List>
void renameInSelectedTags(List& items, const QString& address, const QString& name)
{
    for (auto& item : items) {
        for (auto& selected : item.SelectedTags) {
            if (selected.second == address) {
                selected.first = name;
                break;
            }
        }
    }
}

void decrementAbove(std::vector<TagServiceLink>& links, int serviceId, int removed)
{
    for (TagServiceLink& link : links) {
        if (link.ServiceId == serviceId && link.ItemIndex > removed)
            --link.ItemIndex;
    }
}

} // namespace

int CDataCenter::IsTagNameFree(QString name) const
{
    return Tags.HasNameNoCase(name) ? 0 : 1;
}

int CDataCenter::IsTagAddressFree(QString address) const
{
    return TagAddressExists(std::move(address)) ? 0 : 1;
}

int CDataCenter::IsTagAddressUsed(QString address) const
{
    return !address.isEmpty() && Tags.FirstAtNoCase(address) ? 1 : 0; // an empty text names no tag
}

QString CDataCenter::GetTagNameByAddress(QString address) const
{
    const TagRecord* tag = address.isEmpty() ? nullptr : Tags.FirstAtNoCase(address);
    return tag ? tag->TagName : QString();
}

int CDataCenter::LookupTagByName(QString name, TagRecord& out) const
{
    const TagRecord* found = Tags.FirstNamed(name);
    if (!found)
        return 0;
    out = *found;
    return 1;
}

int CDataCenter::TagAddressExists(QString address) const
{
    return Tags.FirstAt(address) ? 1 : 0;
}

int CDataCenter::GetTagByName(QString address, TagRecord& out) const
{
    return FindTagByAddress(std::move(address), out);
}

int CDataCenter::FindTagByAddress(QString address, TagRecord& out) const
{
    const TagRecord* tag = Tags.FirstAt(address);
    if (!tag)
        return 0;
    out = *tag;
    return 1;
}

int CDataCenter::GetTagChannelRange(QString address, int& out) const
{
    const TagRecord* tag = Tags.FirstAt(address);
    if (!tag)
        return 0;
    const auto inputRange = [](const auto& setting) { return static_cast<int>(setting.InputRange); };
    const auto sensorType = [](const auto& setting) { return static_cast<int>(setting.SensorType); };
    switch (tag->ChannelTypeId) {
    case ChannelType::AnalogInput:
        return channelRangeOf(AISettings, *tag, inputRange, out);
    case ChannelType::HighSpeedAnalogInput:
        return channelRangeOf(HighSpeedAISettings, *tag, inputRange, out);
    case ChannelType::HartAnalogInput:
        return channelRangeOf(HARTAISettings, *tag, inputRange, out);
    case ChannelType::AnalogOutput:
        return channelRangeOf(
            AOSettings, *tag, [](const AOSettingBlock& setting) { return setting.OutputRange; }, out);
    case ChannelType::Thermocouple:
        return channelRangeOf(TCSettings, *tag, sensorType, out);
    case ChannelType::Rtd:
        return channelRangeOf(RTDSettings, *tag, sensorType, out);
    default:
        out = 0;
        return 1;
    }
}

int CDataCenter::GetTagList(std::vector<TagRecord>& out, int all, int typeId) const
{
    out.clear();
    std::copy_if(Tags.begin(), Tags.end(), std::back_inserter(out),
                 [&](const TagRecord& tag) { return all || tag.ChannelTypeId == typeId; });
    return static_cast<int>(out.size());
}

int CDataCenter::GetTagsByDataType(std::vector<TagRecord>& out, int code) const
{
    out.clear();
    std::copy_if(Tags.begin(), Tags.end(), std::back_inserter(out),
                 [code](const TagRecord& tag) { return tag.DataTypeCode == code; });
    return static_cast<int>(out.size());
}

int CDataCenter::GetTagsOfTypeIndex(int index) const
{
    const int* code = TagEngine::ItemAt(kCodeOfTypeIndex, index);
    if (!code)
        return 0;
    std::vector<TagRecord> tags;
    return GetTagsByDataType(tags, *code) + GetTagsByDataType(tags, *code + DataTypeCode::KindCount);
}

int CDataCenter::AppendTag(TagRecord tag)
{
    Tags.push_back(tag);
    AddTag(1, std::move(tag));
    return 1;
}

int CDataCenter::AddTagFromDefinition(ChannelGroupEntry group, TagDefinition definition, QString tagName)
{
    if (tagName.isEmpty() || !IsTagNameFree(tagName) || !IsTagAddressFree(definition.ResourceText)) {
        TraceLog("%s:%d tag %s at %s not added: name or address taken", __FILE__, __LINE__, qUtf8Printable(tagName),
                 qUtf8Printable(definition.ResourceText));
        return 0;
    }
    TagRecord tag;
    // The owner text of a tag made from a definition is its own name.
    tag.Construct(tagName, tagName, group.Abbreviation, group.ChannelTypeId, definition.ResourceText,
                  definition.IsInput, definition.TagType, definition.DNP3TagType);
    return AppendTag(std::move(tag));
}

int CDataCenter::UpdateTag(QString oldAddress, TagRecord tag)
{
    const int position = Tags.FirstPositionAt(oldAddress);
    if (position < 0)
        return 1;
    if (tag.ResID != oldAddress) {
        AddTag(0, Tags.All()[static_cast<size_t>(position)]);
        Tags.Replace(static_cast<size_t>(position), tag);
        AddTag(1, std::move(tag));
        return 1; // the service lists keep the old address: nothing to rename
    }
    Tags.Replace(static_cast<size_t>(position), tag);
    AddTag(1, tag);
    const QString& triggerResourceId =
        ServiceResourceTexts[static_cast<size_t>(StatusTagPosition(StatusTagSource::TavoUpdateTrigger))].ResourceId;
    if (oldAddress == kServiceTagAddressPrefix + triggerResourceId)
        SetLinkedTagsText(tag.TagName); // the tags that follow the update trigger show its name
    RenameTagInServiceLists(oldAddress, tag.TagName);
    RenameTagInTagMap(oldAddress, tag.TagName);
    return 1;
}

void CDataCenter::SetLinkedTagsText(QString name)
{
    MarkModified();
    Tags.EditEach([&name](TagRecord& tag) {
        if (tag.PublishToTavo && tag.Tavo.ControlTagUpdate)
            tag.Tavo.ControlTagName = name;
    });
}

void CDataCenter::RenameTagInServiceLists(QString address, QString name)
{
    renameInSelectedTags(DataLogging.Profiles, address, name);
    renameInSelectedTags(HighSpeedLogProfiles, address, name);
}

void CDataCenter::RenameTagInTagMap(QString address, QString name)
{
    for (SNMP_AGENT_TAG_ITEM& item : SnmpAgent.TagTable) {
        if (item.TagResID == address) {
            item.TagName = name;
            return;
        }
    }
}

void CDataCenter::DeleteTagsByAddress(QString address, int flag)
{
    const std::vector<size_t> positions = Tags.PositionsAt(address);
    if (positions.empty())
        return;
    for (size_t position : positions)
        AddTag(0, Tags.All()[position]);
    Tags.EraseAt(positions);
    if (flag)
        RemoveTagFromServiceLists(address);
}

void CDataCenter::DeleteTagsOfEntries(std::vector<TagDefinition> definitions, int flag)
{
    for (const TagDefinition& definition : definitions)
        DeleteTagsByAddress(definition.ResourceText, flag);
}

void CDataCenter::ShiftResourceIndices(int serviceId, int removedItem)
{
    MarkModified();
    if (TagEngine::IsItemIdNumberedService(serviceId))
        return;
    Tags.EditEach([&](TagRecord& tag) { decrementAbove(tag.RelatedServices, serviceId, removedItem); });
}

void CDataCenter::ShiftServiceTagIndices(int type, int removedIndex)
{
    MarkModified();
    if (TagEngine::IsItemIdNumberedService(type))
        return;
    for (ServiceTagRecord& record : ServiceTagLists)
        decrementAbove(record.Links, type, removedIndex);
}

void CDataCenter::RenameMailServerReference(QString oldName, QString newName)
{
    // Every alarm entry naming the server follows it, not only the first.
    for (MailAlarmRecord& record : MailAlarmRecords) {
        if (record.ServerName == oldName) {
            record.ServerName = newName;
            MarkModified();
        }
    }
}

void CDataCenter::ClearMailServerReference(QString name)
{
    RenameMailServerReference(std::move(name), QString());
}

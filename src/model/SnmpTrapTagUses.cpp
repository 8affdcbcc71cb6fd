#include "SnmpTrapTagUses.h"

#include "TypeIds.h"

#include <algorithm>

namespace {

TagServiceLink useAt(int position)
{
    return MakeIntPair(ServiceId::AlarmSnmpTrap, position);
}

bool carries(const CDataCenter& model, const QString& address, TagServiceLink use)
{
    const TagRecord* tag = model.Tags.FirstAt(address);
    return tag &&
           std::find(tag->RelatedServices.begin(), tag->RelatedServices.end(), use) != tag->RelatedServices.end();
}

void addUseOnce(CDataCenter& model, const QString& address, TagServiceLink use)
{
    if (!carries(model, address, use))
        model.AddTagServiceUse(address, use);
}

void removeEveryUse(CDataCenter& model, const QString& address, TagServiceLink use)
{
    while (carries(model, address, use))
        model.RemoveTagServiceUse(address, use);
}

// Every (143, n) with n above the removed position moves down one.
void closeGap(CDataCenter& model, int removedPosition)
{
    model.Tags.EditEach([removedPosition](TagRecord& tag) {
        for (TagServiceLink& link : tag.RelatedServices) {
            if (link.ServiceId == ServiceId::AlarmSnmpTrap && link.ItemIndex > removedPosition)
                --link.ItemIndex;
        }
    });
    model.MarkModified();
}

} // namespace

namespace SnmpTrapTagUses {

bool CreateEntryTags(CDataCenter& model, ALARM_SNMP_TRAP_ITEM_SETTINGS& entry, int position,
                     std::vector<CDataCenter::TagChange>& created)
{
    constexpr int kAliasFlag = 1;
    QVector<TagDefinition> definitions;
    if (!model.RegisterServiceItemTags(ServiceId::AlarmSnmpTrap, entry.Index, definitions, created, kAliasFlag,
                                       MakeIntPair(ServiceId::AlarmSnmpTrap, position)))
        return false;
    entry.TagDefinitions = definitions;
    entry.TriggerTag = definitions.value(0).ResourceText;
    entry.StatusTag = definitions.value(1).ResourceText;
    for (const QString& address : entry.TagAddresses)
        addUseOnce(model, address, useAt(position));
    return true;
}

void ReplaceWatchedTags(CDataCenter& model, int position, const QStringList& before, const QStringList& after)
{
    const TagServiceLink use = useAt(position);
    for (const QString& address : before) {
        if (!after.contains(address))
            removeEveryUse(model, address, use);
    }
    for (const QString& address : after)
        addUseOnce(model, address, use);
}

std::vector<CDataCenter::TagChange> DeleteEntry(CDataCenter& model, int position)
{
    QVector<ALARM_SNMP_TRAP_ITEM_SETTINGS>& entries = model.AlarmSnmpTrap.Entries;
    if (position < 0 || position >= entries.size())
        return {};
    const ALARM_SNMP_TRAP_ITEM_SETTINGS entry = entries[position];
    const TagServiceLink use = useAt(position);
    for (const QString& address : entry.TagAddresses)
        removeEveryUse(model, address, use);
    std::vector<CDataCenter::TagChange> removed;
    for (const QString& address : {entry.TriggerTag, entry.StatusTag}) {
        if (const TagRecord* tag = model.Tags.FirstAt(address)) {
            removed.push_back({tag->TagName, address});
            removeEveryUse(model, address, use);
            model.DeleteTagsByAddress(address, 1);
        }
    }
    entries.removeAt(position);
    closeGap(model, position);
    return removed;
}

} // namespace SnmpTrapTagUses

// The tag work the property pages share: the automatic tags of a list service's entries, and the
// tags of a channel whose mode key changes.
#include "CDataCenter.h"

#include "CAutoResource.h"
#include "TagNaming.h"
#include "TraceLog.h"

#include <algorithm>

namespace {

bool allFree(const CDataCenter& model, const QVector<TagDefinition>& definitions)
{
    return std::all_of(definitions.begin(), definitions.end(), [&model](const TagDefinition& definition) {
        return model.IsTagNameFree(definition.Name) && model.IsTagAddressFree(definition.ResourceText);
    });
}

template <typename Definitions, typename Visit>
void forEachOfKey(const Definitions& definitions, int key, Visit visit)
{
    for (const TagDefinition& definition : definitions) {
        if (definition.ChMode == key)
            visit(definition);
    }
}

} // namespace

int CDataCenter::RegisterServiceItemTags(int serviceId, int itemIndex, QVector<TagDefinition>& definitions,
                                         std::vector<TagChange>& created, int aliasFlag,
                                         std::optional<TagServiceLink> use)
{
    created.clear();
    QVector<TagDefinition> made;
    CAutoResource::GetInstance()->BuildServiceTags(serviceId, itemIndex, made, aliasFlag);
    if (!allFree(*this, made)) {
        TraceLog("%s:%d automatic tags of service %d item %d not made: a name or address is taken", __FILE__, __LINE__,
                 serviceId, itemIndex);
        return 0;
    }
    // The definitions first, so that each new tag finds and marks its own.
    const qsizetype firstMade = definitions.size();
    definitions += made;
    const ChannelGroupEntry owner{GetResourceName(serviceId), serviceId};
    for (const TagDefinition& definition : made) {
        if (!AddTagFromDefinition(owner, definition, definition.Name)) {
            // Two kinds sharing a name or an address: nothing of the item may stay behind.
            for (const TagChange& tag : created)
                DeleteTagsByAddress(tag.Address, 1);
            created.clear();
            definitions.resize(firstMade);
            return 0;
        }
        created.push_back({definition.Name, definition.ResourceText});
    }
    const TagServiceLink link = use.value_or(MakeIntPair(serviceId, itemIndex));
    for (const TagChange& tag : created)
        AddTagServiceUse(tag.Address, link);
    return 1;
}

std::vector<CDataCenter::TagChange> CDataCenter::ReleaseServiceItemTags(TagServiceLink use,
                                                                        std::vector<QString> addresses)
{
    std::vector<TagChange> removed;
    for (const QString& address : addresses) {
        if (const TagRecord* tag = Tags.FirstAt(address))
            removed.push_back({tag->TagName, address});
    }
    ReleaseTagsOfServiceItem(addresses, use);
    for (const TagChange& tag : removed)
        DeleteTagsByAddress(tag.Address, 1);
    return removed;
}

std::vector<QString> CDataCenter::DefinitionAddresses(const QVector<TagDefinition>& definitions)
{
    std::vector<QString> addresses;
    for (const TagDefinition& definition : definitions)
        addresses.push_back(definition.ResourceText);
    return addresses;
}

CDataCenter::ChannelTagRebuild CDataCenter::RebuildChannelTags(int slot, int channelTypeId, int channel,
                                                               const std::vector<TagDefinition>& definitions,
                                                               int oldKey, int newKey)
{
    ChannelTagRebuild rebuild;
    if (oldKey == newKey)
        return rebuild;
    forEachOfKey(definitions, oldKey, [&](const TagDefinition& definition) {
        const TagRecord* tag = Tags.FirstAt(definition.ResourceText);
        if (!tag)
            return;
        rebuild.Removed.push_back({tag->TagName, definition.ResourceText});
        DeleteTagsByAddress(definition.ResourceText, 1);
    });
    const QString prefix = GetSlotTagPrefix(slot, channelTypeId);
    forEachOfKey(definitions, newKey, [&](const TagDefinition& definition) {
        if (TagAddressExists(definition.ResourceText))
            return; // a tag of the address is there already: a second one would shadow it
        const QString name = ChannelTagName(slot, prefix, channel, definition.Name);
        AppendTag(MakeDefinitionTag(name, prefix, channelTypeId, definition));
        rebuild.Created.push_back({name, definition.ResourceText});
    });
    return rebuild;
}

int CDataCenter::IsModeKeyTagInUse(const std::vector<TagDefinition>& definitions, int key) const
{
    return std::any_of(definitions.begin(), definitions.end(),
                       [&](const TagDefinition& definition) {
                           if (definition.ChMode != key)
                               return false;
                           const TagRecord* tag = Tags.FirstAt(definition.ResourceText);
                           return tag && !tag->RelatedServices.empty();
                       })
               ? 1
               : 0;
}

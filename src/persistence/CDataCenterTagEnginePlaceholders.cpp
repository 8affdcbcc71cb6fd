// Stand-ins for the tag engine's operations that the project file readers call, until the tag
// engine itself is part of the model. The queue is kept as the tag engine keeps it; the lookups
// find no definition, AddTag marks none and no connection tag is added.
#include "CDataCenter.h"

void CDataCenter::QueueTagFromDefinition(TagDefinition definition, QString ownerName, int ownerTypeId, int first,
                                         int second)
{
    SlotTagRecord queued;
    queued.Tag.Construct(definition.BoundTagName, definition.BoundTagName, std::move(ownerName), ownerTypeId,
                         definition.ResourceText, definition.IsInput, definition.TagType, definition.DNP3TagType);
    queued.ServiceUse = MakeIntPair(first, second);
    PendingSlotTags.push_back(std::move(queued));
}

void CDataCenter::LookupTagDefinitionFields(const QString&, int, int&, int&, int&) const {}

void CDataCenter::AddTag(int, TagRecord) {}

void CDataCenter::AddConnectionTags() {}

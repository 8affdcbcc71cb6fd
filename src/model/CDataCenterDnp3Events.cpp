#include "CDataCenter.h"

namespace {

constexpr qint32 kNoEvents = 0; // a definition's DNP3 event kind: 0 none, else the kind of event

} // namespace

int CDataCenter::CanTagCarryDnp3Events(const TagRecord& tag) const
{
    for (const TagDefinition& definition : CollectResourceTags(tag.SlotIndex, tag.ChannelTypeId, tag.ChannelIndex)) {
        if (definition.ResourceText == tag.ResID)
            return definition.DNP3Event != kNoEvents ? 1 : 0;
    }
    return 0;
}

// The tags the TAVO service pushes, kept in the tag table itself.
#include "CDataCenter.h"

#include "TypeIds.h"

#include <algorithm>

namespace {

bool isTavoUse(const TagServiceLink& link)
{
    return link.ServiceId == ServiceId::TavoTagLink || link.ServiceId == ServiceId::TavoControlTagLink;
}

} // namespace

void CDataCenter::ReplaceTavoPushedTags(const std::vector<TagRecord>& pushed)
{
    MarkModified();
    std::vector<QString> published;
    for (const TagRecord& tag : Tags) {
        if (tag.PublishToTavo)
            published.push_back(tag.ResID);
    }
    for (const QString& address : published)
        ReleaseTavoItemTagUse(address);
    // A file may carry uses of tags it no longer pushes; left alone they would hold the tags forever.
    Tags.EditEach([](TagRecord& tag) {
        std::erase_if(tag.RelatedServices, isTavoUse);
        tag.Tavo.Init();
    });
    for (const TagRecord& tag : pushed)
        AddTavoTagUses(tag.ResID, tag.Tavo);
}

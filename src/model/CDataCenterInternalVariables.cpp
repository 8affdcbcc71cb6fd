// The internal variables a user makes on the internal variables page, one tag each.
#include "CDataCenter.h"

#include "TagEngineSupport.h"

#include <algorithm>

namespace {

constexpr int kInternalVariableSlot = 0;
constexpr int kSecondRegisterTypeOffset = 9; // a group may carry the type of the code's other direction

} // namespace

int CDataCenter::NextInternalVariableIndex(int code) const
{
    const auto* list = InternalRegisters.ListForCode(code);
    return list && !list->empty() ? list->back().ChannelIndex + 1 : 0;
}

QString CDataCenter::InternalVariableResourceId(int index, int typeIndex)
{
    return QStringLiteral("0.%1.2.%2.0").arg(index).arg(typeIndex);
}

QString CDataCenter::InternalVariableGroupName(int code) const
{
    std::vector<ChannelGroupEntry> groups;
    GetSlotChannelGroups(kInternalVariableSlot, groups);
    for (int type : {RegisterType::Base + code, RegisterType::Base + kSecondRegisterTypeOffset + code}) {
        const auto found = std::find_if(groups.begin(), groups.end(),
                                        [type](const ChannelGroupEntry& group) { return group.ChannelTypeId == type; });
        if (found != groups.end())
            return found->Abbreviation;
    }
    return {};
}

QString CDataCenter::AddInternalVariable(InternalVariableRecord record, int typeIndex, const QString& name)
{
    const int code = TagEngine::InternalItemDataTypeCode(record);
    if (!InternalRegisters.ListForCode(code))
        return {};
    const int index = NextInternalVariableIndex(code);
    const QString resourceId = InternalVariableResourceId(index, typeIndex);
    record.Definition.Name = name;
    record.Definition.ResourceText = resourceId;
    record.ChannelIndex = index;
    AddResourceTypeItem(record);
    const InternalVariableRecord& added = InternalRegisters.ListForCode(code)->back();
    TagRecord tag;
    tag.Construct(name, name, InternalVariableGroupName(code), RegisterType::Base + code, resourceId, added.Direction,
                  code, added.Definition.DNP3TagType);
    AppendTag(std::move(tag));
    return resourceId;
}

bool CDataCenter::DeleteInternalVariable(int code, const QString& resourceId)
{
    TagRecord tag;
    if (FindTagByAddress(resourceId, tag) && !tag.RelatedServices.empty())
        return false;
    DeleteTagsByAddress(resourceId, 1);
    const auto* list = InternalRegisters.ListForCode(code);
    if (!list)
        return true;
    const auto found = std::find_if(list->begin(), list->end(), [&resourceId](const InternalVariableRecord& item) {
        return item.Definition.ResourceText == resourceId;
    });
    if (found != list->end())
        RemoveInternalRegisterItem(code, found->ChannelIndex);
    return true;
}

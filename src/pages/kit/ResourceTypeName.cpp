#include "ResourceTypeName.h"

#include "CDataCenter.h"

QString ResourceTypeName(const CDataCenter& model, const ChannelGroupEntry& group)
{
    const QString name = model.GetResourceName(group.ChannelTypeId);
    return name.isEmpty() ? group.Abbreviation : name;
}

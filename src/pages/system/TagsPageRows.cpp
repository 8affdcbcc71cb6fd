#include "TagsPageRows.h"

#include "CTagsDlg.h"
#include "TypeIds.h"

using namespace TagsPageIds;

void TagsPageRows::Load(const CDataCenter& model, const TagDirectionTexts& directions, const QString& usedMark)
{
    SetDataCenter(&model);
    directions_ = directions;
    usedMark_ = usedMark;
    namer_.emplace(model);
}

TagItemNamer::Item TagsPageRows::ItemOf(const TagRecord& tag) const
{
    return namer_ ? namer_->ItemOf(tag) : TagItemNamer::Item{};
}

QString TagsPageRows::TagCellText(const TagRecord& tag, int column) const
{
    switch (column) {
    case kColumnName:
        return tag.TagName;
    case kColumnUsed:
        return tag.RelatedServices.empty() ? QString() : usedMark_;
    case kColumnSlot:
        return QString::number(tag.SlotIndex);
    case kColumnChannelType:
        return tag.ChannelTypeAlias;
    case kColumnDirection:
        return directions_.TextOf(tag);
    case kColumnChannel:
        return tag.ChannelIndex == kNoChannelIndex ? QString() : QString::number(tag.ChannelIndex);
    case kColumnItemName:
        return ItemOf(tag).name;
    default:
        return {};
    }
}

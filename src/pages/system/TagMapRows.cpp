#include "TagMapRows.h"

#include "CDataCenter.h"
#include "IecTypeName.h"
#include "LanguagePack.h"
#include "ListPageStrings.h"
#include "ServiceDefaultsReader.h"
#include "TagMapFilter.h"
#include "TypeIds.h"

namespace {
constexpr unsigned kStringNoChannel = 388;
} // namespace

void TagMapRows::Load(const CDataCenter& model)
{
    SetDataCenter(&model);
    iec_ = model.IsIECMode();
    dataTypeNames_ = ServiceDefaults::ReadList(QStringLiteral("Tag"),
                                               iec_ ? QStringLiteral("IECDataType") : QStringLiteral("DataType"));
    directions_ = TagDirectionTexts::Load(iec_);
    usedMark_ = LoadLangString(kStringTagUsedMark);
    noChannel_ = LoadLangString(kStringNoChannel);
    namer_.emplace(model);
    namer_->NameServiceTagsByItem(true);
}

QString TagMapRows::TagCellText(const TagRecord& tag, int column) const
{
    switch (column) {
    case kColumnName:
        return tag.TagName;
    case kColumnSlot:
        return QString::number(tag.SlotIndex == kPowerSlot ? 0 : tag.SlotIndex);
    case kColumnDataType:
        return dataTypeNames_.value(MapDataTypeCode(tag.DataTypeCode));
    case kColumnUsed:
        return tag.RelatedServices.empty() ? QString() : usedMark_;
    case kColumnChannelType:
        return iec_ && IsInternalRegisterType(tag.ChannelTypeId) ? ToIecTypeName(tag.ChannelTypeAlias)
                                                                 : tag.ChannelTypeAlias;
    case kColumnDirection:
        return directions_.TextOf(tag);
    case kColumnChannel:
        return tag.ChannelIndex == kNoChannelIndex ? noChannel_ : QString::number(tag.ChannelIndex);
    case kColumnItemName:
        return namer_ ? namer_->ItemOf(tag).name : QString();
    default:
        return {};
    }
}

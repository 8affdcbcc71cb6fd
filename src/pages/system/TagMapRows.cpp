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
    iec_ = model.IsIECMode();
    dataTypeNames_ = ServiceDefaults::ReadList(QStringLiteral("Tag"),
                                               iec_ ? QStringLiteral("IECDataType") : QStringLiteral("DataType"));
    directions_ = TagDirectionTexts::Load(iec_);
    usedMark_ = LoadLangString(kStringTagUsedMark);
    noChannel_ = LoadLangString(kStringNoChannel);
}

QStringList TagMapRows::RowTexts(const TagRecord& tag, int number, TagItemNamer& namer) const
{
    const bool iecRegister = iec_ && IsInternalRegisterType(tag.ChannelTypeId);
    return {QString::number(number),
            tag.TagName,
            QString::number(tag.SlotIndex == kPowerSlot ? 0 : tag.SlotIndex),
            dataTypeNames_.value(MapDataTypeCode(tag.DataTypeCode)),
            tag.RelatedServices.empty() ? QString() : usedMark_,
            iecRegister ? ToIecTypeName(tag.ChannelTypeAlias) : tag.ChannelTypeAlias,
            directions_.TextOf(tag),
            tag.ChannelIndex == kNoChannelIndex ? noChannel_ : QString::number(tag.ChannelIndex),
            namer.ItemOf(tag).name};
}

QList<QStringList> TagMapRows::Texts(const CDataCenter& model, const std::vector<TagRecord>& tags,
                                     const std::vector<size_t>& positions) const
{
    TagItemNamer namer(model);
    namer.NameServiceTagsByItem(true);
    QList<QStringList> rows;
    rows.reserve(static_cast<qsizetype>(positions.size()));
    for (size_t position : positions)
        rows.append(RowTexts(tags[position], static_cast<int>(rows.size()) + 1, namer));
    return rows;
}

#include "CTagSelectDlg.h"

#include "CDataCenter.h"
#include "CTagSelectDlgIds.h"
#include "DialogHelpers.h"
#include "ResourceTypeName.h"
#include "TagDialogStrings.h"
#include "TextFormat.h"
#include "TypeIds.h"

#include <QComboBox>
#include <QRect>

#include <algorithm>

namespace {

constexpr int kPowerSlot = 15;
constexpr int kAnyService = 99;
constexpr int kAnyResourceType = 0;
constexpr int kFirstTypeIndex = 0;

// The services whose tags a service entry lists besides its own.
bool ServiceMatches(int chosen, int serviceId)
{
    if (serviceId == chosen)
        return true;
    if (chosen == ServiceId::Tavo)
        return serviceId == ServiceId::TavoServer || serviceId == ServiceId::TavoTagLink;
    if (chosen == ServiceId::SnmpAgent)
        return serviceId == ServiceId::SnmpAgentLink || serviceId == ServiceId::SnmpAgentLink2;
    return false;
}

bool UsedByService(const TagRecord& tag, int chosen)
{
    if (chosen == kAnyService)
        return !tag.RelatedServices.empty();
    return std::any_of(tag.RelatedServices.begin(), tag.RelatedServices.end(),
                       [chosen](const TagServiceLink& link) { return ServiceMatches(chosen, link.ServiceId); });
}

} // namespace

CTagSelectDlg::CTagSelectDlg(const CDataCenter& model, ILogLineSink* log, bool stayOpen, int formId, QWidget* parent)
    : CTagChooserDlg(kTemplateTagSelect, model, log, stayOpen, kResultAddAll, parent), formId_(formId)
{}

CTagSelectDlg::CTagSelectDlg(const CDataCenter& model, ILogLineSink* log, bool stayOpen, ByKind kind, QWidget* parent)
    : CTagChooserDlg(kTemplateTagSelect, model, log, stayOpen, kResultAddAll, parent), kind_(kind.kind)
{}

CTagSelectDlg::CTagSelectDlg(const CDataCenter& model, ILogLineSink* log, bool stayOpen, int formId,
                             ByDataType dataType, QWidget* parent)
    : CTagChooserDlg(kTemplateTagSelect, model, log, stayOpen, kResultAddAll, parent), formId_(formId),
      dataTypeMode_(dataType.showCombo),
      typeIndex_(dataType.typeIndex == kUnknownDataTypeIndex ? kFirstTypeIndex : dataType.typeIndex)
{}

void CTagSelectDlg::SetTypeList(std::vector<int> typeIds)
{
    typeList_ = std::move(typeIds);
}

void CTagSelectDlg::SetAnchorRect(int left, int top, int right, int bottom)
{
    anchor_ = QRect(QPoint(left, top), QPoint(right, bottom));
}

std::vector<TagRecord> CTagSelectDlg::OfferedTags() const
{
    std::vector<TagRecord> tags;
    if (kind_)
        model_.GetTagsForDnp3PointType(*kind_, tags);
    else
        model_.GetTagList(tags, 1, 0);
    if (typeList_) {
        std::erase_if(tags, [this](const TagRecord& tag) {
            return std::find(typeList_->begin(), typeList_->end(), tag.ChannelTypeId) == typeList_->end();
        });
    }
    return tags;
}

void CTagSelectDlg::FitFilterControls()
{
    // The frames keep their height; the list takes the room.
    for (int id : {kFrameTagFilter, kFrameTagTypeList}) {
        if (QWidget* frame = control(id))
            frame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    }
    for (int id : {kComboTagFilterKind, kComboTagSecondLevel, kComboTagThirdLevel, kComboTagDataType}) {
        if (auto* combo = item<QComboBox>(id))
            combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }
}

bool CTagSelectDlg::OnInitDialog()
{
    LoadDataTypeNames();
    SetUpTagList();
    FitFilterControls();
    QList<ComboEntry> kinds = {{LoadLangString(kStringFilterAll), kFilterAll},
                               {LoadLangString(kStringFilterBySlot), kFilterBySlot}};
    if (!kind_)
        kinds.append({LoadLangString(kStringFilterByService), kFilterByService});
    FillCombo(item<QComboBox>(kComboTagFilterKind), kinds);
    showItem(kComboTagSecondLevel, false);
    showItem(kComboTagThirdLevel, false);
    offer_ = OfferedTags();
    ShowTags(offer_);
    if (typeList_)
        HideFiltersForTypeList();
    else
        showItem(kFrameTagTypeList, false);
    if (dataTypeMode_)
        ShowDataTypeCombo();
    onChanged(kComboTagFilterKind, [this] { OnFilterKindChanged(); });
    onChanged(kComboTagSecondLevel, [this] { OnSecondLevelChanged(); });
    onChanged(kComboTagThirdLevel, [this] { ShowTagsOfSlot(); });
    onChanged(kComboTagDataType, [this] { OnDataTypeChanged(); });
    return true;
}

void CTagSelectDlg::HideFiltersForTypeList()
{
    for (int id : {kFrameTagFilter, kComboTagFilterKind, kComboTagSecondLevel, kComboTagThirdLevel, kButtonTagAddAll})
        showItem(id, false);
    showItem(kFrameTagTypeList, true);
}

void CTagSelectDlg::ShowDataTypeCombo()
{
    for (int id : {kComboTagFilterKind, kComboTagSecondLevel, kComboTagThirdLevel, kFrameTagTypeList})
        showItem(id, false);
    showItem(kComboTagDataType, true);
    showItem(kButtonTagAddAll, stayOpen_);
    auto* combo = item<QComboBox>(kComboTagDataType);
    FillCombo(combo, dataTypeNames_);
    if (combo)
        combo->setCurrentIndex(typeIndex_ < combo->count() ? typeIndex_ : -1);
    ShowTags(TagsOfTypeIndex(offer_, typeIndex_));
}

void CTagSelectDlg::showEvent(QShowEvent* event)
{
    CTagChooserDlg::showEvent(event);
    if (anchor_)
        move(anchor_->left(), anchor_->bottom());
}

int CTagSelectDlg::filterKind() const
{
    return ComboSelectedData(item<QComboBox>(kComboTagFilterKind), kFilterAll);
}

void CTagSelectDlg::OnFilterKindChanged()
{
    const int kind = filterKind();
    showItem(kComboTagSecondLevel, kind != kFilterAll);
    showItem(kComboTagThirdLevel, kind == kFilterBySlot);
    if (kind == kFilterBySlot)
        FillSlotEntries();
    else if (kind == kFilterByService)
        FillServiceEntries();
    else
        ShowTags(offer_);
}

void CTagSelectDlg::OnSecondLevelChanged()
{
    if (filterKind() == kFilterBySlot) {
        FillResourceTypes(ComboSelectedData(item<QComboBox>(kComboTagSecondLevel)));
        ShowTagsOfSlot();
    } else if (filterKind() == kFilterByService) {
        ShowTagsOfService();
    }
}

void CTagSelectDlg::FillSlotEntries()
{
    const bool series4100 = model_.IsSeries4100() != 0;
    QList<ComboEntry> slotEntries;
    if (series4100 && model_.SlotHasModule(kPowerSlot))
        slotEntries.append({FormatText(u"Slot 0(PWR): %s", {model_.GetSlotName(kPowerSlot)}), kPowerSlot});
    for (int slot = 0; slot <= model_.LastSlotInMask(); ++slot) {
        if (!model_.IsSlotUsed(slot))
            continue;
        const QString name = model_.GetSlotName(slot);
        const bool cpu = series4100 && name.contains(QLatin1String("CPU"));
        slotEntries.append(
            {cpu ? FormatText(u"Slot 0(CPU): %s", {name}) : FormatText(u"Slot %d: %s", {slot, name}), slot});
    }
    FillCombo(item<QComboBox>(kComboTagSecondLevel), slotEntries);
    OnSecondLevelChanged();
}

void CTagSelectDlg::FillResourceTypes(int slot)
{
    QList<ComboEntry> types = {{LoadLangString(kStringFilterAll), kAnyResourceType}};
    std::vector<ChannelGroupEntry> groups;
    model_.GetSlotChannelGroups(slot, groups);
    for (const ChannelGroupEntry& group : groups)
        types.append({ResourceTypeName(model_, group), group.ChannelTypeId});
    FillCombo(item<QComboBox>(kComboTagThirdLevel), types);
}

void CTagSelectDlg::ShowTagsOfSlot()
{
    const int slot = ComboSelectedData(item<QComboBox>(kComboTagSecondLevel));
    const int type = ComboSelectedData(item<QComboBox>(kComboTagThirdLevel), kAnyResourceType);
    std::vector<TagRecord> tags;
    std::copy_if(offer_.begin(), offer_.end(), std::back_inserter(tags), [&](const TagRecord& tag) {
        return tag.SlotIndex == slot && (type == kAnyResourceType || tag.ChannelTypeId == type);
    });
    ShowTags(std::move(tags));
}

void CTagSelectDlg::FillServiceEntries()
{
    QList<ComboEntry> services = {{LoadLangString(kStringFilterAll), kAnyService}};
    for (const ServiceRecord& service : model_.GetServiceList()) {
        if (service.Present)
            services.append({service.ServiceText2, service.ServiceId});
    }
    FillCombo(item<QComboBox>(kComboTagSecondLevel), services);
    ShowTagsOfService();
}

void CTagSelectDlg::ShowTagsOfService()
{
    const int chosen = ComboSelectedData(item<QComboBox>(kComboTagSecondLevel), kAnyService);
    std::vector<TagRecord> tags;
    std::copy_if(offer_.begin(), offer_.end(), std::back_inserter(tags),
                 [chosen](const TagRecord& tag) { return UsedByService(tag, chosen); });
    ShowTags(std::move(tags));
}

void CTagSelectDlg::OnDataTypeChanged()
{
    typeIndex_ = ComboSelectedData(item<QComboBox>(kComboTagDataType), kUnknownDataTypeIndex);
    ShowTags(TagsOfTypeIndex(offer_, typeIndex_));
}

#include "CCreateTagDlg.h"

#include "CCreateTagDlgIds.h"
#include "CDataCenter.h"
#include "ConfigFiles.h"
#include "DialogHelpers.h"
#include "IniFile.h"
#include "MessageBoxService.h"
#include "ResourceTypeName.h"
#include "TagDialogStrings.h"
#include "TextConversion.h"
#include "TextFormat.h"
#include "TypeIds.h"

#include <QComboBox>
#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr int kReadableDirection = 0;
constexpr int kWritableDirection = 1;
constexpr int kNoChoice = -1;
constexpr int kWritableTwinOffset = DataTypeCode::KindCount;
constexpr int kSettingsTextLimit = 511;
const QString kDirectionSection = QStringLiteral("TagIOType");

bool NeedsNoChannelChoice(int type)
{
    return type == ChannelType::SystemVariables || type == ChannelType::ConnectionStatus;
}

bool IsWritableRegisterType(int type)
{
    return IsInternalRegisterType(type) && type - RegisterType::Base > DataTypeCode::KindCount;
}

// DNP3 object types whose points the program reads: binary input, analog input, counter.
bool IsReadDnp3Type(int type)
{
    return type == 1 || type == 2 || type == 5;
}

QString ReadSetting(const QString& section, const QString& key)
{
    const QString path = GetDefaultSettingsPath();
    if (path.isEmpty())
        return {};
    return GetPrivateProfileString(section, key, QString(), path).left(kSettingsTextLimit);
}

QStringList ReadSettingList(const QString& section, const QString& key)
{
    QStringList list;
    SplitString(list, ReadSetting(section, key));
    return list;
}

// Leaves the list without a choice, quietly: the user chooses.
void ClearChoice(QComboBox* combo)
{
    if (!combo)
        return;
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(-1);
}

bool IsValidTagName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_]+$"));
    return pattern.match(name).hasMatch();
}

} // namespace

CCreateTagDlg::CCreateTagDlg(int slot, QString resourceTypeText, int resourceTypeId, int channelIndex,
                             TagDefinition definition, QString resourceIdText, CDataCenter& model, QWidget* parent)
    : CDialogBase(kTemplateCreateTag, parent), model_(model), slot_(slot),
      resourceTypeText_(std::move(resourceTypeText)), resourceTypeId_(resourceTypeId), channelIndex_(channelIndex),
      resourceIdText_(std::move(resourceIdText)), definitionMode_(true), addPending_(true),
      definition_(std::move(definition))
{}

CCreateTagDlg::CCreateTagDlg(Selectors selectors, CDataCenter& model, QWidget* parent)
    : CDialogBase(kTemplateCreateTag, parent), model_(model), directionIndex_(kWritableDirection),
      selectors_(std::move(selectors))
{}

int CCreateTagDlg::AddTagToProject()
{
    if (!addPending_)
        return 0;
    TagRecord tag;
    tag.Construct(definition_.Name, definition_.Name, resourceTypeText_, resourceTypeId_, definition_.ResourceText,
                  definition_.IsInput, definition_.TagType, definition_.DNP3TagType);
    model_.AppendTag(tag);
    addPending_ = false;
    return 1;
}

// ---- profile mode: the lists ----

bool CCreateTagDlg::OnInitDialog()
{
    LoadSettingsLists();
    FillDirections();
    FillSlots();
    enableItem(kComboCreateTagDirection, !selectors_.dnp3Only);
    onChanged(kComboCreateTagSlot, [this] { OnSlotChanged(); });
    onChanged(kComboCreateTagType, [this] { OnTypeChanged(); });
    onChanged(kComboCreateTagChannel, [this] { OnChannelChanged(); });
    onChanged(kComboCreateTagDirection, [this] { OnDirectionChanged(); });
    return true;
}

void CCreateTagDlg::LoadSettingsLists()
{
    const bool iec = model_.IsIECMode() != 0;
    registerTypeNames_ = ReadSettingList(QStringLiteral("IR"), QStringLiteral("ResourceType"));
    directionNames_ =
        ReadSettingList(kDirectionSection, iec ? QStringLiteral("CONTENT_IEC") : QStringLiteral("CONTENT_C"));
    setItemText(kLabelCreateTagDirection,
                ReadSetting(kDirectionSection, iec ? QStringLiteral("STATIC_IEC") : QStringLiteral("STATIC_C")));
}

void CCreateTagDlg::FillDirections()
{
    if (selectors_.dnp3Only && !selectors_.dnp3Types.empty() && IsReadDnp3Type(selectors_.dnp3Types.front()))
        directionIndex_ = kReadableDirection;
    auto* combo = item<QComboBox>(kComboCreateTagDirection);
    FillCombo(combo, directionNames_);
    if (combo) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(directionIndex_ < combo->count() ? directionIndex_ : -1);
    }
}

bool CCreateTagDlg::SlotMatchesSelectors(int slot) const
{
    const auto matches = [&](const std::vector<int>& selectors, auto hasChannels) {
        return std::any_of(selectors.begin(), selectors.end(),
                           [&](int selector) { return (model_.*hasChannels)(slot, selector) != 0; });
    };
    return matches(selectors_.dnp3Types, &CDataCenter::SlotHasChannelsForSelector5) ||
           (!selectors_.dnp3Only && matches(selectors_.dataTypeCodes, &CDataCenter::SlotHasChannelsForSelector18));
}

void CCreateTagDlg::FillSlots()
{
    QList<ComboEntry> slotEntries;
    for (int slot = 0; slot <= model_.LastSlotInMask(); ++slot) {
        if (model_.IsSlotUsed(slot) && SlotMatchesSelectors(slot))
            slotEntries.append({QString::number(slot), slot});
    }
    auto* combo = item<QComboBox>(kComboCreateTagSlot);
    FillCombo(combo, slotEntries);
    ClearChoice(combo);
}

void CCreateTagDlg::OnSlotChanged()
{
    const int slot = chosenSlot();
    std::vector<ChannelGroupEntry> groups;
    if (!selectors_.dnp3Only) {
        for (int code : selectors_.dataTypeCodes)
            model_.CollectSlotGroupsForSelector18(slot, code, groups);
    }
    for (int type : selectors_.dnp3Types)
        model_.CollectSlotGroupsForSelector5(slot, type, groups);
    QList<ComboEntry> types;
    for (const ChannelGroupEntry& group : groups) {
        const bool listed = std::any_of(types.begin(), types.end(),
                                        [&](const ComboEntry& entry) { return entry.data == group.ChannelTypeId; });
        if (!listed)
            types.append({ResourceTypeName(model_, group), group.ChannelTypeId});
    }
    auto* combo = item<QComboBox>(kComboCreateTagType);
    FillCombo(combo, types);
    ClearChoice(combo);
    FillCombo(item<QComboBox>(kComboCreateTagChannel), QList<ComboEntry>());
    ShowItems({}, false);
}

void CCreateTagDlg::OnTypeChanged()
{
    FillChannels();
    if (NeedsNoChannelChoice(chosenType()))
        ReportIfNoItems();
}

void CCreateTagDlg::OnChannelChanged()
{
    FillItems();
    ReportIfNoItems();
}

void CCreateTagDlg::OnDirectionChanged()
{
    directionIndex_ = item<QComboBox>(kComboCreateTagDirection)->currentIndex();
    FillChannels();
}

void CCreateTagDlg::FillChannels()
{
    const int slot = chosenSlot();
    const int type = chosenType();
    auto* combo = item<QComboBox>(kComboCreateTagChannel);
    QList<ComboEntry> channels;
    const int count = type == kNoChoice ? 0 : model_.GetResourceCount(slot, type);
    if (IsInternalRegisterType(type)) {
        std::vector<InternalVariableRecord> registers;
        model_.GetResourceTypeList(type - RegisterType::Base, registers);
        for (const InternalVariableRecord& variable : registers)
            channels.append({QString::number(variable.ChannelIndex), variable.ChannelIndex});
        const int next = registers.empty() ? 0 : registers.back().ChannelIndex + 1;
        channels.append({QString::number(next), next});
    } else if (count == kNoChannelIndex) {
        channels.append({QString(), kNoChannelIndex});
    } else {
        for (int channel = 0; channel < count; ++channel)
            channels.append({QString::number(channel), channel});
    }
    FillCombo(combo, channels);
    const bool hasChannelIndex = count != kNoChannelIndex || IsInternalRegisterType(type);
    enableItem(kComboCreateTagChannel, hasChannelIndex);
    if (hasChannelIndex)
        ClearChoice(combo);
    if (hasChannelIndex)
        ShowItems({}, false);
    else
        FillItems();
}

std::vector<CCreateTagDlg::ItemChoice> CCreateTagDlg::OfferedItems(int channel) const
{
    const int wantedInput = directionIndex_ == kReadableDirection ? 1 : 0;
    std::vector<ItemChoice> items;
    for (const TagDefinition& definition : model_.CollectResourceTags(chosenSlot(), chosenType(), channel)) {
        if (definition.IsInput == wantedInput && definition.TagUseFlag == 0)
            items.push_back({definition.Name, definition.ResType, definition.ResourceText});
    }
    return items;
}

CCreateTagDlg::ItemChoice CCreateTagDlg::NewInternalRegisterItem(int type, int channel) const
{
    const int offset = type - RegisterType::First;
    const int position = registerTypeNames_.isEmpty() ? 0 : offset % registerTypeNames_.size();
    const QString name = registerTypeNames_.isEmpty() ? QString() : registerTypeNames_[position];
    const int writable = offset > DataTypeCode::KindCount - 1 ? 1 : 0;
    return {name, 0, FormatText(u"0.%d.2.%d.%d", {channel, writable, position})};
}

bool CCreateTagDlg::IsNewInternalRegisterChosen() const
{
    const auto* combo = item<QComboBox>(kComboCreateTagChannel);
    return IsInternalRegisterType(chosenType()) && combo && combo->count() > 0 &&
           combo->currentIndex() == combo->count() - 1;
}

void CCreateTagDlg::FillItems()
{
    const int type = chosenType();
    const int channel = chosenChannel();
    std::vector<ItemChoice> items = channel == kNoChoice ? std::vector<ItemChoice>() : OfferedItems(channel);
    newInternalRegister_ = IsNewInternalRegisterChosen();
    if (newInternalRegister_)
        items.push_back(NewInternalRegisterItem(type, channel));
    ShowItems(items, IsInternalRegisterType(type));
}

void CCreateTagDlg::ShowItems(const std::vector<ItemChoice>& items, bool selectFirst)
{
    QList<ComboEntry> entries;
    itemResourceIds_.clear();
    for (const ItemChoice& choice : items) {
        entries.append({choice.name, choice.resourceItem});
        itemResourceIds_.push_back(choice.resourceId);
    }
    auto* combo = item<QComboBox>(kComboCreateTagItem);
    FillCombo(combo, entries);
    if (!selectFirst)
        ClearChoice(combo);
}

void CCreateTagDlg::ReportIfNoItems()
{
    const auto* combo = item<QComboBox>(kComboCreateTagItem);
    if (combo && combo->count() == 0)
        ShowMessageBox(LoadLangString(kStringNoResourceItem), MB_OK);
}

// ---- profile mode: the choice ----

int CCreateTagDlg::chosenSlot() const
{
    return ComboSelectedData(item<QComboBox>(kComboCreateTagSlot), kNoChoice);
}

int CCreateTagDlg::chosenType() const
{
    const int type = ComboSelectedData(item<QComboBox>(kComboCreateTagType), kNoChoice);
    // The list names the writable register types; "readable" picks their twins.
    if (IsWritableRegisterType(type) && directionIndex_ == kReadableDirection)
        return type - kWritableTwinOffset;
    return type;
}

int CCreateTagDlg::chosenChannel() const
{
    const auto* combo = item<QComboBox>(kComboCreateTagChannel);
    if (!combo || combo->currentIndex() < 0)
        return combo && combo->isEnabled() ? kNoChoice : kNoChannelIndex;
    if (combo->count() == 1 && combo->itemText(0).isEmpty())
        return kNoChannelIndex;
    return combo->currentText().toInt();
}

int CCreateTagDlg::chosenItem() const
{
    return ComboSelectedData(item<QComboBox>(kComboCreateTagItem), kNoChoice);
}

bool CCreateTagDlg::IsChoiceComplete() const
{
    const int type = chosenType();
    return !itemText(kEditCreateTagName).isEmpty() && chosenSlot() != kNoChoice && type != kNoChoice &&
           (chosenChannel() != kNoChoice || NeedsNoChannelChoice(type)) && chosenItem() != kNoChoice;
}

bool CCreateTagDlg::ValidateInput()
{
    if (!IsChoiceComplete()) {
        ShowMessageBox(LoadLangString(kStringTagChoiceMissing), LoadLangString(kStringCreateTagCaption), MB_OK);
        return false;
    }
    if (!IsValidTagName(itemText(kEditCreateTagName))) {
        ShowMessageBox(LoadLangString(kStringTagNameCharacters), MB_OK);
        return false;
    }
    const int position = item<QComboBox>(kComboCreateTagItem)->currentIndex();
    resourceIdText_ = itemResourceIds_.at(static_cast<size_t>(position));
    return true;
}

void CCreateTagDlg::AddNewInternalRegister()
{
    const int type = chosenType();
    const int code = type - RegisterType::Base;
    InternalVariableRecord variable;
    variable.Definition.Name = model_.GetResourceName(type);
    variable.Definition.ResourceText = resourceIdText_;
    variable.Definition.TagType = code;
    variable.Direction = code <= DataTypeCode::KindCount ? 1 : 0;
    variable.Definition.IsInput = variable.Direction;
    variable.TagType = code;
    variable.DataType = MapDataTypeCode(code);
    variable.ChannelIndex = chosenChannel();
    model_.AddResourceTypeItem(variable);
}

void CCreateTagDlg::OnOK()
{
    if (!ValidateInput())
        return;
    const QString name = itemText(kEditCreateTagName);
    if (!model_.IsTagNameFree(name)) {
        ShowMessageBox(LoadLangString(kStringTagNameTaken), MB_OK);
        return;
    }
    if (!model_.IsTagAddressFree(resourceIdText_)) {
        ShowMessageBox(LoadLangString(kStringTagAddressTaken), MB_OK);
        return;
    }
    if (newInternalRegister_)
        AddNewInternalRegister();
    const int type = chosenType();
    int dataTypeCode = 0;
    int dnp3TagType = 0;
    int direction = 0;
    model_.LookupTagDefinitionFields(resourceIdText_, type, dataTypeCode, dnp3TagType, direction);
    TagRecord tag;
    tag.Construct(name, itemText(kEditCreateTagAlias), itemText(kComboCreateTagType), type, resourceIdText_, direction,
                  dataTypeCode, dnp3TagType);
    model_.AppendTag(tag);
    createdTagName_ = name;
    EndDialog(IDOK);
}

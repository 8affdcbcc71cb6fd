#include "ModbusCommandTags.h"

#include "CDataCenter.h"
#include "CExternalDeviceSettingDlg.h"
#include "DialogControls.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

using namespace ExternalDeviceIds;
namespace Layout = ModbusCommandLayout;

namespace {

constexpr unsigned kStringUnsuitedTags = 700;
constexpr AddressedTagControls kTagControls{.list = kListTags,
                                            .choose = kButtonSelectTags,
                                            .remove = kButtonRemoveTags,
                                            .up = kButtonTagUp,
                                            .down = kButtonTagDown,
                                            .start = kEditStart,
                                            .warnWithoutSelection = true,
                                            .selectAfterRemoval = false};

QString rangeText(int minimum, int maximum)
{
    return QStringLiteral("(Range %1-%2)").arg(minimum).arg(maximum);
}

int numberIn(const QString& text)
{
    return text.trimmed().toInt();
}

} // namespace

ModbusCommandTags::ModbusCommandTags(DialogControls& dialog, const CDataCenter& model, std::function<void()> choose)
    : dialog_(dialog), model_(model), list_(dialog, tags_, kTagControls, hooks(std::move(choose)))
{}

void ModbusCommandTags::Connect()
{
    list_.Connect();
    auto* total = dialog_.item<QLineEdit>(kEditTotal);
    QObject::connect(total, &QLineEdit::editingFinished, total, [this] { Rebuild(); });
}

int ModbusCommandTags::Function() const
{
    return std::max(dialog_.item<QComboBox>(kComboFunction)->currentIndex(), 0);
}

int ModbusCommandTags::FirstTagCode() const
{
    return tags_.empty() ? 0 : tags_.front().DataTypeCode;
}

void ModbusCommandTags::Show(const MODBUS_COMMAND_SETTINGS* command)
{
    const MODBUS_COMMAND_SETTINGS shown = command ? *command : MODBUS_COMMAND_SETTINGS{};
    tags_.clear();
    for (const MODBUS_COMMAND_RESOURCE& resource : shown.Resources) {
        TagRecord tag;
        if (model_.FindTagByName(resource.ResID, tag))
            tags_.push_back(tag);
    }
    range_ = Layout::ComputeTotalRange(shown.Function_Code, std::vector<TagRecord>{});
    followFirstTag();
    dialog_.checkItem(kCheckSwap, command && Layout::SwapApplies(FirstTagCode()) && shown.SwappedValue == 1);
    dialog_.enableItem(kEditTotal, !command || Layout::CountsBits(shown.Function_Code));
    showTotalRange();
    dialog_.setItemText(kEditTotal, QString::number(command ? shown.TotalLength : 1));
    Rebuild();
}

void ModbusCommandTags::FunctionChanged()
{
    tags_.clear();
    resources_.clear();
    range_ = {};
    list_.Refill();
    dialog_.setItemText(kTextTotalRange, rangeText(1, 1));
    dialog_.setItemText(kEditTotal, QStringLiteral("1"));
    dialog_.enableItem(kEditTotal, Layout::CountsBits(Function()));
    followFirstTag();
}

void ModbusCommandTags::Append(const std::vector<TagRecord>& chosen)
{
    list_.Append(chosen);
}

const QVector<MODBUS_COMMAND_RESOURCE>& ModbusCommandTags::Rebuild()
{
    buildResources(false);
    list_.Refill();
    return resources_;
}

AddressedTagList<std::vector<TagRecord>>::Hooks ModbusCommandTags::hooks(std::function<void()> choose)
{
    return {.choose = std::move(choose),
            .accepts = [this](const std::vector<TagRecord>& chosen) { return suited(chosen); },
            // All tags of one command share one data type.
            .replaces = [this](const TagRecord& first) { return FirstTagCode() != first.DataTypeCode; },
            .key = [](const TagRecord& tag) { return tag.ResID; },
            .make = [](const TagRecord& tag) { return tag; },
            .layout = [this](AddressedTagChange change) { layOut(change); },
            .rowCount = [this] { return static_cast<int>(resources_.size()); },
            .rowTexts =
                [this](int row) {
                    const MODBUS_COMMAND_RESOURCE& resource = resources_[row];
                    return QStringList{model_.GetTagNameByAddress(resource.ResID), QString::number(resource.Start_Addr),
                                       QString::number(resource.Length),
                                       Layout::ReferenceText(Function(), resource.ReferenceAddress)};
                }};
}

// Checked before anything changes: a refused choice leaves the command as it was.
bool ModbusCommandTags::suited(const std::vector<TagRecord>& chosen) const
{
    const bool suited = std::all_of(chosen.begin(), chosen.end(), [this](const TagRecord& tag) {
        return Layout::IsAllowedCode(Function(), tag.DataTypeCode);
    });
    if (!suited)
        ShowMessageBox(LoadLangString(kStringUnsuitedTags), MB_OK | MB_ICONWARNING);
    return suited;
}

void ModbusCommandTags::layOut(AddressedTagChange change)
{
    const bool tagsChanged = change != AddressedTagChange::Moved && change != AddressedTagChange::StartEdited;
    if (tagsChanged) {
        showTotalRange();
        followFirstTag();
    }
    buildResources(tagsChanged);
}

void ModbusCommandTags::showTotalRange()
{
    range_ = Layout::ComputeTotalRange(Function(), tags_);
    dialog_.setItemText(kTextTotalRange, rangeText(range_.Minimum, range_.Maximum));
}

void ModbusCommandTags::followFirstTag()
{
    const bool swap = Layout::SwapApplies(FirstTagCode());
    if (!swap)
        dialog_.checkItem(kCheckSwap, false);
    dialog_.enableItem(kCheckSwap, swap);
    dialog_.item<QComboBox>(kComboDataType)->setCurrentIndex(Layout::DataTypeEntry(FirstTagCode()));
}

void ModbusCommandTags::buildResources(bool computedTotal)
{
    if (computedTotal)
        dialog_.setItemText(kEditTotal, QString::number(range_.Current));
    resources_ = Layout::BuildResources(Function(), numberIn(dialog_.itemText(kEditStart)),
                                        numberIn(dialog_.itemText(kEditTotal)), range_.PerTag, tags_,
                                        dialog_.item<QComboBox>(kComboDataType)->currentIndex());
}

#include "CExternalDeviceSettingDlg.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "CModbusTagSelectDlg.h"
#include "CPropertyUIDialog.h"
#include "EntryNameCheck.h"
#include "FieldLabel.h"
#include "ListColumns.h"
#include "PageConversions.h"
#include "TextFormat.h"
#include "TypeIds.h"
#include "Validation.h"
#include "ValidationReport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScopedValueRollback>

using namespace ExternalDeviceIds;
namespace Layout = ModbusCommandLayout;

namespace {

constexpr unsigned kStringTotalRange = 872;
constexpr unsigned kStringCommand = 639;
constexpr unsigned kStringBigEndian = 461;
constexpr unsigned kStringLittleEndian = 462;
constexpr unsigned kCommandColumns[] = {449, 450, 763, 453, 676, 150, 456};
constexpr unsigned kTagColumns[] = {449, 859, 860, 861, 452};
constexpr int kTagColumnWidths[] = {30, 115, 88, 45, 113};
constexpr int kCommandColumnWidths[] = {40, 110};
constexpr int kStartEditLength = 6;
const QString kSection = QStringLiteral("ModbusMaster");
const QString kScanRateName = QStringLiteral("scan rate");
int numberIn(const QString& text)
{
    return text.trimmed().toInt();
}

} // namespace

CExternalDeviceSettingDlg::CExternalDeviceSettingDlg(CDataCenter& model, int deviceRow, CPropertyUIDialog* owner)
    : CDialogBase(kTemplate, owner), model_(model), deviceRow_(deviceRow), owner_(owner),
      tags_(*this, model, [this] { ChooseTags(); }), commands_(*this, kListCommands, {}, commandHooks())
{}

bool CExternalDeviceSettingDlg::OnInitDialog()
{
    functionCodes_ = OptionList(kSection, QStringLiteral("FunctionCode"));
    functionNums_ = OptionList(kSection, QStringLiteral("FunctionNum"));
    dataTypes_ = OptionList(kSection, QStringLiteral("DataType"));
    scanRate_ = SettingsTriple(kSection, QStringLiteral("ScanRate"),
                               {MODBUS_COMMAND_SETTINGS::kDefaultScanRate, Layout::kMinScanRate, Layout::kMaxScanRate});
    InsertColumns(*item<CListCtrlEx>(kListCommands), kCommandColumns, kCommandColumnWidths);
    InsertColumns(*item<CListCtrlEx>(kListTags), kTagColumns, kTagColumnWidths);
    item<QComboBox>(kComboFunction)->addItems(functionCodes_);
    item<QComboBox>(kComboByteOrder)->addItems({LoadLangString(kStringBigEndian), LoadLangString(kStringLittleEndian)});
    item<QComboBox>(kComboDataType)->addItems(dataTypes_);
    item<QLineEdit>(kEditStart)->setMaxLength(kStartEditLength);
    setItemText(kTextScanRange, RangeTextOf(scanRate_, "ms(%1-%2)"));
    showCommand(nullptr);
    onClicked(kButtonAdd, [this] { AddCommand(); });
    onClicked(kButtonModify, [this] { ModifyCommand(); });
    onClicked(kButtonDelete, [this] { DeleteCommand(); });
    tags_.Connect();
    onClicked(kButtonClose, [this] { EndDialog(IDOK); });
    onChanged(kComboFunction, [this] {
        if (!showing_)
            tags_.FunctionChanged();
    });
    connect(item<CListCtrlEx>(kListCommands), &CListCtrlEx::itemSelectionChanged, this,
            [this] { showSelectedCommand(); });
    commands_.Refill(0);
    return true;
}

// ---- the command list ----

const QVector<MODBUS_COMMAND_SETTINGS>& CExternalDeviceSettingDlg::commands() const
{
    static const QVector<MODBUS_COMMAND_SETTINGS> none;
    const auto& devices = model_.ModbusMasterDevices;
    return deviceRow_ >= 0 && deviceRow_ < static_cast<int>(devices.size())
               ? devices[static_cast<size_t>(deviceRow_)].Commands
               : none;
}

QStringList CExternalDeviceSettingDlg::commandRowTexts(int row) const
{
    const MODBUS_COMMAND_SETTINGS& command = commands()[row];
    TagRecord first;
    const bool swapShown = !command.Resources.isEmpty() &&
                           model_.FindTagByName(command.Resources.front().ResID, first) &&
                           Layout::SwapApplies(first.DataTypeCode);
    return {command.Name,
            QString::number(command.Start_Addr),
            functionNums_.value(command.Function_Code),
            QString::number(command.TotalLength),
            QString::number(command.ScanRate),
            swapShown ? (command.SwappedValue == 1 ? "TRUE" : "FALSE") : QString()};
}

void CExternalDeviceSettingDlg::showSelectedCommand()
{
    const QList<int> rows = item<CListCtrlEx>(kListCommands)->GetSelectedRows();
    const QVector<MODBUS_COMMAND_SETTINGS>& list = commands();
    showCommand(rows.size() == 1 && rows.front() < list.size() ? &list[rows.front()] : nullptr);
}

void CExternalDeviceSettingDlg::showCommand(const MODBUS_COMMAND_SETTINGS* command)
{
    const MODBUS_COMMAND_SETTINGS shown = command ? *command : MODBUS_COMMAND_SETTINGS{};
    const QScopedValueRollback<bool> showing(showing_, true);
    setItemText(kEditName, shown.Name);
    item<QComboBox>(kComboFunction)->setCurrentIndex(shown.Function_Code);
    setItemText(kEditStart, QString::number(shown.Start_Addr));
    setItemText(kEditReference,
                command ? QString::number(Layout::ReferenceAddress(shown.Function_Code, shown.Start_Addr)) : QString());
    setItemText(kEditScanRate, QString::number(shown.ScanRate));
    tags_.Show(command);
}

// ---- the tags of the command ----

void CExternalDeviceSettingDlg::ChooseTags()
{
    std::vector<int> types;
    for (int code : Layout::AllowedCodes(tags_.Function()))
        types.push_back(RegisterType::Base + code);
    const int typeIndex = tags_.Tags().empty() ? 0 : MapDataTypeCode(tags_.FirstTagCode());
    // Stays open: several tags per OK, and Add all.
    constexpr bool kStayOpen = true;
    CModbusTagSelectDlg chooser(model_, nullptr, kStayOpen, types, ServiceId::ModbusMaster, tags_.Function(), typeIndex,
                                this);
    connect(&chooser, &CModbusTagSelectDlg::TagsSelected, this,
            [this](const std::vector<TagRecord>& tags) { SetChosenTags(tags); });
    chooser.DoModal();
}

void CExternalDeviceSettingDlg::SetChosenTags(const std::vector<TagRecord>& chosen)
{
    tags_.Append(chosen);
}

// ---- Add, Modify, Delete ----

MODBUS_COMMAND_SETTINGS CExternalDeviceSettingDlg::readCommand()
{
    MODBUS_COMMAND_SETTINGS command;
    command.Name = itemText(kEditName);
    command.Function_Code = tags_.Function();
    command.Start_Addr = numberIn(itemText(kEditStart));
    setItemText(kEditReference, QString::number(Layout::ReferenceAddress(command.Function_Code, command.Start_Addr)));
    command.TotalLength = numberIn(itemText(kEditTotal));
    const bool swapApplies = control(kCheckSwap)->isEnabled();
    command.SwappedValue =
        swapApplies ? (isItemChecked(kCheckSwap) ? 1 : 0) : MODBUS_COMMAND_SETTINGS::kSwapNotApplicable;
    command.ScanRate = numberIn(itemText(kEditScanRate));
    command.Resources = tags_.Rebuild();
    return command;
}

bool CExternalDeviceSettingDlg::check(const MODBUS_COMMAND_SETTINGS& command, int row) const
{
    ValidationReport report;
    CheckEntryName(command.Name, FieldLabel(kLabelName).Text(*this), commands(), row, control(kEditName), report);
    if (tags_.Tags().empty())
        report.Add(FormatInvalidItemLine(FieldLabel(kLabelTags).Text(*this)));
    const Layout::TotalRange& range = tags_.Range();
    if (command.TotalLength < range.Minimum || command.TotalLength > range.Maximum)
        report.Add(FormatLangString(kStringTotalRange, range.Minimum, range.Maximum) + QStringLiteral("\r\n"),
                   control(kEditTotal));
    else if (!Layout::FitsAddressSpace(command.Start_Addr, command.TotalLength))
        report.Add(FormatRangeErrorLine(FieldLabel(kLabelStart).Text(*this), 0,
                                        quint32(Layout::kLastAddress - std::max(command.TotalLength, 1) + 1)),
                   control(kEditStart));
    QString scanLine;
    if (CheckEditRange(itemText(kEditScanRate), quint32(scanRate_.minimum), quint32(scanRate_.maximum), scanLine,
                       kScanRateName) != kS_OK)
        report.Add(scanLine, control(kEditScanRate));
    return !report.ShowIfAny();
}

QString CExternalDeviceSettingDlg::logPrefix() const
{
    return QStringLiteral("%1 %2").arg(LoadLangString(kStringCommand), model_.GetResourceName(ServiceId::ModbusMaster));
}

StoredEntryButtons<MODBUS_COMMAND_SETTINGS>::Hooks CExternalDeviceSettingDlg::commandHooks()
{
    return {.count = [this] { return static_cast<int>(commands().size()); },
            .read = [this] { return readCommand(); },
            .check = [this](const auto& command, int row) { return check(command, row); },
            .add = [this](const auto& command) { return model_.AddModbusMasterCommand(deviceRow_, command) != 0; },
            .modify =
                [this](int row, const auto& command) {
                    return model_.UpdateModbusCommandTagUse(deviceRow_, row, command) != 0;
                },
            .remove =
                [this](const QList<int>& rows) {
                    for (auto row = rows.rbegin(); row != rows.rend(); ++row) // later rows first
                        model_.DeleteModbusMasterCommand(deviceRow_, *row);
                },
            .rowTexts = [this](int row) { return commandRowTexts(row); },
            .shown =
                [this] {
                    if (!commands_.List().GetSelectedRows().isEmpty())
                        commands_.List().setFocus();
                    showSelectedCommand();
                },
            .logName = [this] { return logPrefix(); },
            .log =
                [this](const QString& line) {
                    if (owner_)
                        owner_->AddLogLine(line);
                }};
}

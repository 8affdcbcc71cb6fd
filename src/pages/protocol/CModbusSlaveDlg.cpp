#include "CModbusSlaveDlg.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "CTagSelectDlg.h"
#include "ConfirmDeleteDlg.h"
#include "EntryNameCheck.h"
#include "IPageHost.h"
#include "ListColumns.h"
#include "ListPageStrings.h"
#include "ListRows.h"
#include "ModbusSlaveMap.h"
#include "PageConversions.h"
#include "RowMoves.h"
#include "TextFormat.h"
#include "TypeIds.h"
#include "Validation.h"
#include "ValidationReport.h"

#include <QComboBox>
#include <QLineEdit>

using namespace ModbusSlaveIds;

namespace {

constexpr unsigned kStringSettingsApplied = 617;
constexpr unsigned kStringAddressTaken = 649;
constexpr unsigned kStringSetWithoutTags = 709;
constexpr unsigned kStringTooManySets = 751;
constexpr unsigned kSetColumns[] = {360, 361, 762, 862};
constexpr unsigned kTagColumns[] = {360, 623, 762, 625, 761};
const QString kSection = QStringLiteral("ModbusSlave");
const QString kNoneText = QStringLiteral("None");
constexpr int kEthernetControls[] = {kLabelPort,   kEditPort,         kRangePort,       kLabelUnitId,     kEditUnitId,
                                     kRangeUnitId, kLabelIdleTimeout, kEditIdleTimeout, kRangeIdleTimeout};
constexpr int kSerialControls[] = {kLabelSerialUnitId, kEditSerialUnitId, kRangeSerialUnitId};
constexpr AddressedTagControls kTagControls{.list = kListTags,
                                            .choose = kButtonAddTags,
                                            .remove = kButtonRemoveTags,
                                            .up = kButtonTagUp,
                                            .down = kButtonTagDown,
                                            .start = kEditStart};

SettingTriple slaveTriple(const char* key)
{
    SettingTriple triple;
    MODBUS_SLAVE_SETTINGS().GetModbusSlaveDefault(QString::fromLatin1(key), triple);
    return triple;
}

} // namespace

CModbusSlaveDlg::CModbusSlaveDlg(IPageHost* host)
    : CPropertyUIDialog(kTemplate, host), serialPorts_(kNoneText, QString()),
      tags_(*this, working_.Items, kTagControls, tagHooks())
{
    general_.Bind(kEditPort, kLabelPort, &MODBUS_SLAVE_SETTINGS::ListenPort, AsNumber{slaveTriple("PortValue")})
        .Bind(kEditUnitId, kLabelUnitId, &MODBUS_SLAVE_SETTINGS::UnitID, AsNumber{slaveTriple("UnitIDValue")})
        .Bind(kEditIdleTimeout, kLabelIdleTimeout, &MODBUS_SLAVE_SETTINGS::Timeout,
              AsNumber{slaveTriple("IdleTimeoutValue")})
        .Bind(kComboEthernet, QString(), &MODBUS_SLAVE_SETTINGS::EnEthernet,
              AsIndex{{kNoneText, LoadLangString(kStringEthernetPort)}})
        .Bind(kEditSerialUnitId, kLabelSerialUnitId, &MODBUS_SLAVE_SETTINGS::SerialUnitID,
              AsNumber{slaveTriple("UnitIDValue")});
}

bool CModbusSlaveDlg::OnInitDialog()
{
    LayoutListPage(
        {.list = kListSets, .leftButton = kButtonAdd, .middleButton = kButtonModify, .rightButton = kButtonDelete});
    SetMainListId(kListSets);
    InsertNumberedColumns(*item<CListCtrlEx>(kListSets), kSetColumns);
    InsertNumberedColumns(*item<CListCtrlEx>(kListTags), kTagColumns);
    areas_ = {OptionList(kSection, QStringLiteral("FuncDigit")), OptionList(kSection, QStringLiteral("FuncAnalog")),
              OptionList(kSection, QStringLiteral("RW"))};
    setItemText(kTextReadWrite, QString());
    writeRangeTexts();
    onClicked(kButtonAdd, [this] { AddSet(); });
    onClicked(kButtonModify, [this] { ModifySet(); });
    onClicked(kButtonDelete, [this] { DeleteSets(); });
    tags_.Connect();
    OnUserChange(kComboFunction, [this] { onFunctionChosen(); });
    OnUserChange(kComboEthernet, [this] { updateEnabling(); });
    OnUserChange(kComboSerialPort, [this] { updateEnabling(); });
    connect(item<CListCtrlEx>(kListSets), &CListCtrlEx::itemSelectionChanged, this, [this] { showSelectedSet(); });
    return true;
}

void CModbusSlaveDlg::writeRangeTexts()
{
    setItemText(kRangePort, RangeTextOf(slaveTriple("PortValue")));
    setItemText(kRangeUnitId, RangeTextOf(slaveTriple("UnitIDValue")));
    setItemText(kRangeSerialUnitId, RangeTextOf(slaveTriple("UnitIDValue")));
    setItemText(kRangeIdleTimeout, RangeTextOf(slaveTriple("IdleTimeoutValue"), "sec(s) (%1-%2)"));
}

void CModbusSlaveDlg::OnPageShown()
{
    SetMainListId(kListSets);
    const CDataCenter* model = GetDataCenter();
    if (!model)
        return;
    {
        BusyGuard busy(Busy());
        serialPorts_.Rebuild(*model, SerialPortUser::ModbusSlave, *item<QComboBox>(kComboSerialPort));
        general_.Fill(*this, model->ModbusSlave);
        const int serial = model->ModbusSlave.EnSerial ? serialPorts_.IndexOf(model->ModbusSlave.SerialPort) : 0;
        item<QComboBox>(kComboSerialPort)->setCurrentIndex(std::max(serial, 0));
        reloadSets({});
        working_.Reset();
        showWorkingSet();
        updateEnabling();
    }
    SelectFirstListItem(kListSets);
}

void CModbusSlaveDlg::updateEnabling()
{
    const bool ethernet = item<QComboBox>(kComboEthernet)->currentIndex() > 0;
    const bool serial = item<QComboBox>(kComboSerialPort)->currentIndex() > 0;
    for (int id : kEthernetControls)
        enableItem(id, ethernet);
    for (int id : kSerialControls)
        enableItem(id, serial);
}

// ---- the set list and the working set ----

void CModbusSlaveDlg::reloadSets(const QList<int>& selectRows)
{
    stored_ = GetDataCenter()->ModbusSlave.MulitTagSet;
    {
        BusyGuard busy(Busy());
        FillNumberedRows(*item<CListCtrlEx>(kListSets), static_cast<int>(stored_.size()), [this](int row) {
            const MODBUS_SLAVE_TAG_SET& set = stored_[row];
            if (set.Items.isEmpty())
                return QStringList{set.Name, QString(), QString()};
            return QStringList{set.Name, areas_.Name(set.Items.front()),
                               QString::number(set.Items.front().ModbusAddress)};
        });
    }
    SelectListRows(*item<CListCtrlEx>(kListSets), selectRows);
}

void CModbusSlaveDlg::showSelectedSet()
{
    if (IsBusy())
        return;
    const QList<int> rows = item<CListCtrlEx>(kListSets)->GetSelectedRows();
    BusyGuard busy(Busy());
    if (rows.size() == 1 && rows.front() < stored_.size())
        working_ = stored_[rows.front()];
    else
        working_.Reset();
    showWorkingSet();
}

void CModbusSlaveDlg::showWorkingSet()
{
    BusyGuard busy(Busy());
    setItemText(kEditSetName, working_.Name);
    setItemText(kEditStart, QString::number(working_.Items.isEmpty() ? 0 : working_.Items.front().ModbusAddress));
    refillFunctions();
    if (!working_.Items.isEmpty()) {
        item<QComboBox>(kComboFunction)->setCurrentIndex(areas_.Position(working_.Items.front().ModbusMap));
        setItemText(kTextReadWrite, areas_.ReadWrite.value(item<QComboBox>(kComboFunction)->currentIndex()));
    }
    tags_.Refill();
}

void CModbusSlaveDlg::refillFunctions()
{
    BusyGuard busy(Busy());
    auto* combo = item<QComboBox>(kComboFunction);
    combo->clear();
    if (!working_.Items.isEmpty()) {
        const int code = working_.Items.front().TagType;
        const QStringList& names = areas_.NamesFor(code);
        for (int i = 0; i < names.size(); ++i)
            combo->addItem(names[i], areas_.FirstMap(code) + i);
    }
    combo->setCurrentIndex(-1);
    setItemText(kTextReadWrite, QString());
}

void CModbusSlaveDlg::onFunctionChosen()
{
    const int position = item<QComboBox>(kComboFunction)->currentIndex();
    setItemText(kTextReadWrite, areas_.ReadWrite.value(position));
    ModbusSlaveMap::SetFunction(working_, selectedFunction());
    tags_.Refill();
}

int CModbusSlaveDlg::selectedFunction() const
{
    const auto* combo = item<QComboBox>(kComboFunction);
    return combo->currentIndex() < 0 ? ModbusSlaveMap::kNoFunction : combo->currentData().toInt();
}

int CModbusSlaveDlg::startAddress() const
{
    bool ok = false;
    const int start = itemText(kEditStart).trimmed().toInt(&ok);
    return ok ? start : -1;
}

// ---- the tags of the working set ----

AddressedTagList<QVector<MODBUS_SLAVE_TAG_ITEM>>::Hooks CModbusSlaveDlg::tagHooks()
{
    return {.choose = [this] { ChooseTags(); },
            .replaces =
                [this](const TagRecord& first) { return ModbusSlaveMap::ChosenTagsReplaceItems(working_, {first}); },
            .merge = [this](const std::vector<TagRecord>& chosen) { return appendTags(chosen); },
            .layout = [this](AddressedTagChange change) { layTagsOut(change); },
            // The addresses stay with the row positions.
            .keepAtRow = [](MODBUS_SLAVE_TAG_ITEM& moved,
                            const MODBUS_SLAVE_TAG_ITEM& before) { moved.ModbusAddress = before.ModbusAddress; },
            .rowTexts = [this](int row) { return tagRowTexts(row); }};
}

int CModbusSlaveDlg::appendTags(const std::vector<TagRecord>& chosen)
{
    // Tags of a new type (the set was empty or its tags were replaced) have no function yet.
    const bool newType = working_.Items.isEmpty();
    const int function = newType ? ModbusSlaveMap::kNoFunction : selectedFunction();
    const int added = ModbusSlaveMap::AppendChosenTags(working_, chosen, std::max(startAddress(), 0), function,
                                                       itemText(kEditSetName));
    if (newType)
        refillFunctions();
    return added;
}

void CModbusSlaveDlg::layTagsOut(AddressedTagChange change)
{
    if (change == AddressedTagChange::Removed || change == AddressedTagChange::StartEdited)
        ModbusSlaveMap::RenumberSet(working_, startAddress());
    if (change == AddressedTagChange::Removed && working_.Items.isEmpty()) {
        working_.TagDataType = MODBUS_SLAVE_TAG_SET::kNoTagDataType;
        refillFunctions();
    }
}

QStringList CModbusSlaveDlg::tagRowTexts(int row) const
{
    const MODBUS_SLAVE_TAG_ITEM& tag = working_.Items[row];
    TagRecord record;
    if (!GetDataCenter() || !GetDataCenter()->FindTagByName(tag.Tag, record))
        return {};
    return {record.TagName, areas_.Name(tag), QString::number(tag.ModbusAddress),
            ModbusSlaveMap::AreaAddressText(tag.ModbusMap, tag.ModbusAddress)};
}

void CModbusSlaveDlg::ChooseTags()
{
    if (!GetDataCenter())
        return;
    if (working_.Items.isEmpty())
        working_.TagDataType = MODBUS_SLAVE_TAG_SET::kNoTagDataType;
    CTagSelectDlg chooser(*GetDataCenter(), GetHost() ? &GetHost()->LogLines() : nullptr, false, GetNodeInfo().formId,
                          CTagSelectDlg::ByDataType{working_.TagDataType}, this);
    connect(&chooser, &CTagSelectDlg::TagsSelected, this,
            [this](const std::vector<TagRecord>& tags) { AddChosenTags(tags); });
    chooser.DoModal();
}

void CModbusSlaveDlg::AddChosenTags(const std::vector<TagRecord>& chosen)
{
    tags_.Append(chosen);
}

// ---- Add, Modify, Delete ----

void CModbusSlaveDlg::readSetControls()
{
    working_.Name = itemText(kEditSetName);
    ModbusSlaveMap::SetFunction(working_, selectedFunction());
    if (startAddress() >= 0)
        ModbusSlaveMap::RenumberSet(working_, startAddress());
}

bool CModbusSlaveDlg::checkSet(Mode mode, int row) const
{
    if (working_.Items.isEmpty()) {
        ShowMessageBox(LoadLangString(kStringSetWithoutTags) + QStringLiteral("\r\n"), MB_OK | MB_ICONWARNING);
        return false;
    }
    ValidationReport report;
    CheckEntryName(working_.Name, FieldLabel(kLabelSetName).Text(*this), stored_, mode == Mode::Modify ? row : -1,
                   control(kEditSetName), report);
    if (selectedFunction() < 0)
        report.Add(FormatInvalidItemLine(FieldLabel(kLabelFunction).Text(*this)), control(kComboFunction));
    const int start = startAddress();
    if (start < 0 || start > ModbusSlaveMap::kLastAddress)
        report.Add(FormatRangeErrorLine(FieldLabel(kLabelStart).Text(*this), 0, ModbusSlaveMap::kLastAddress),
                   control(kEditStart));
    else if (!ModbusSlaveMap::SetFitsMap(working_, stored_, mode == Mode::Modify ? row : -1))
        report.Add(LoadLangString(kStringAddressTaken) + QStringLiteral("\r\n"), control(kEditStart));
    return !report.ShowIfAny();
}

bool CModbusSlaveDlg::checkGeneral() const
{
    ValidationReport report;
    general_.Validate(*this, report);
    return !report.ShowIfAny();
}

void CModbusSlaveDlg::applyGeneral()
{
    CDataCenter& model = *GetDataCenter();
    model.SetModbusSlaveSerialPort(serialPorts_.KeyAt(item<QComboBox>(kComboSerialPort)->currentIndex()));
    general_.Store(*this, model.ModbusSlave); // the bound fields only
    model.MarkModified();
    AddLogLine(FormatLangString(kStringSettingsApplied, GetNodeInfo().shownText));
}

bool CModbusSlaveDlg::AddSet()
{
    CDataCenter* model = GetDataCenter();
    if (!model)
        return false;
    if (stored_.size() >= ModbusSlaveMap::kMaxTagSets) {
        ShowMessageBox(FormatLangString(kStringTooManySets, ModbusSlaveMap::kMaxTagSets), MB_OK | MB_ICONWARNING);
        reloadSets({static_cast<int>(stored_.size()) - 1});
        return false;
    }
    readSetControls();
    if (!checkSet(Mode::Add, -1) || !checkGeneral())
        return false;
    applyGeneral();
    model->AddModbusSlaveTagSet(working_);
    reloadSets({static_cast<int>(model->ModbusSlave.MulitTagSet.size()) - 1});
    AddLogLine(FormatLangString(kStringEntryAdded, GetNodeInfo().shownText, stored_.size()));
    return true;
}

bool CModbusSlaveDlg::ModifySet()
{
    CDataCenter* model = GetDataCenter();
    if (!model)
        return false;
    readSetControls();
    if (!checkGeneral())
        return false;
    applyGeneral();
    const QList<int> rows = item<CListCtrlEx>(kListSets)->GetSelectedRows();
    if (rows.size() != 1 || !checkSet(Mode::Modify, rows.front()) || working_.Name.isEmpty())
        return false;
    model->SetModbusSlaveTagSet(rows.front(), working_);
    reloadSets(rows);
    AddLogLine(FormatLangString(kStringEntryModified, GetNodeInfo().shownText, rows.front() + 1));
    return true;
}

bool CModbusSlaveDlg::DeleteSets()
{
    CDataCenter* model = GetDataCenter();
    const QList<int> rows = RowsToChange(*item<CListCtrlEx>(kListSets));
    if (!model || rows.isEmpty())
        return false;
    ConfirmDeleteDlg confirm(this);
    if (confirm.DoModal() != IDYES)
        return false;
    model->DeleteModbusSlaveTagSets(std::vector<int>(rows.begin(), rows.end()));
    QVector<MODBUS_SLAVE_TAG_SET> left = stored_;
    reloadSets({RemoveRows(left, rows)});
    AddLogLine(FormatLangString(kStringEntriesDeleted, GetNodeInfo().shownText));
    if (stored_.isEmpty()) {
        // No set left: the serial port goes back.
        BusyGuard busy(Busy());
        item<QComboBox>(kComboSerialPort)->setCurrentIndex(0);
        model->SetModbusSlaveSerialPort(QString());
        updateEnabling();
        working_.Reset();
        showWorkingSet();
    }
    return true;
}

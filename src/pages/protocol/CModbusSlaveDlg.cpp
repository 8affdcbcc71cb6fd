#include "CModbusSlaveDlg.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "CTagSelectDlg.h"
#include "EntryNameCheck.h"
#include "IPageHost.h"
#include "ListColumns.h"
#include "ModbusSlaveMap.h"
#include "PageConversions.h"
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
constexpr AddressedTagControls kTagControls{.list = kListTags,
                                            .choose = kButtonAddTags,
                                            .remove = kButtonRemoveTags,
                                            .up = kButtonTagUp,
                                            .down = kButtonTagDown,
                                            .start = kEditStart};
constexpr StoredEntryRules kSetRules{.limit = ModbusSlaveMap::kMaxTagSets,
                                     .limitMessage = kStringTooManySets,
                                     .confirmDelete = true,
                                     .modifiedRow = ModifiedRow::OnlySelected};

} // namespace

CModbusSlaveDlg::CModbusSlaveDlg(IPageHost* host)
    : CPropertyUIDialog(kTemplate, host), tags_(*this, working_.Items, kTagControls, tagHooks()),
      sets_(*this, kListSets, kSetRules, setHooks())
{}

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
    connection_.WriteRangeTexts(*this);
    onClicked(kButtonAdd, [this] { AddSet(); });
    onClicked(kButtonModify, [this] { ModifySet(); });
    onClicked(kButtonDelete, [this] { DeleteSets(); });
    tags_.Connect();
    OnUserChange(kComboFunction, [this] { onFunctionChosen(); });
    OnUserChange(kComboEthernet, [this] { connection_.UpdateEnabling(*this); });
    OnUserChange(kComboSerialPort, [this] { connection_.UpdateEnabling(*this); });
    connect(item<CListCtrlEx>(kListSets), &CListCtrlEx::itemSelectionChanged, this, [this] { showSelectedSet(); });
    return true;
}

void CModbusSlaveDlg::OnPageShown()
{
    SetMainListId(kListSets);
    const CDataCenter* model = GetDataCenter();
    if (!model)
        return;
    {
        BusyGuard busy(Busy());
        connection_.Show(*this, *model);
        sets_.Refill(-1);
        working_.Reset();
        showWorkingSet();
    }
    SelectFirstListItem(kListSets);
}

// ---- the set list and the working set ----

const QVector<MODBUS_SLAVE_TAG_SET>& CModbusSlaveDlg::sets() const
{
    static const QVector<MODBUS_SLAVE_TAG_SET> none;
    return GetDataCenter() ? GetDataCenter()->ModbusSlave.MulitTagSet : none;
}

QStringList CModbusSlaveDlg::setRowTexts(int row) const
{
    const MODBUS_SLAVE_TAG_SET& set = sets()[row];
    if (set.Items.isEmpty())
        return {set.Name, QString(), QString()};
    return {set.Name, areas_.Name(set.Items.front()), QString::number(set.Items.front().ModbusAddress)};
}

void CModbusSlaveDlg::showSelectedSet()
{
    if (IsBusy())
        return;
    const QList<int> rows = item<CListCtrlEx>(kListSets)->GetSelectedRows();
    BusyGuard busy(Busy());
    if (rows.size() == 1 && rows.front() < sets().size())
        working_ = sets()[rows.front()];
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

StoredEntryButtons<MODBUS_SLAVE_TAG_SET>::Hooks CModbusSlaveDlg::setHooks()
{
    return {.count = [this] { return static_cast<int>(sets().size()); },
            .read = [this] { return readSetControls(); },
            .writePageFields = [this] { return applyGeneral(); },
            .check = [this](const auto&, int row) { return checkSet(row); },
            .add =
                [this](const auto& set) {
                    GetDataCenter()->AddModbusSlaveTagSet(set);
                    return true;
                },
            .modify =
                [this](int row, const auto& set) {
                    GetDataCenter()->SetModbusSlaveTagSet(row, set);
                    return true;
                },
            .remove =
                [this](const QList<int>& rows) {
                    GetDataCenter()->DeleteModbusSlaveTagSets(std::vector<int>(rows.begin(), rows.end()));
                },
            .rowTexts = [this](int row) { return setRowTexts(row); },
            .logName = [this] { return GetNodeInfo().shownText; },
            .log = [this](const QString& line) { AddLogLine(line); }};
}

const MODBUS_SLAVE_TAG_SET& CModbusSlaveDlg::readSetControls()
{
    working_.Name = itemText(kEditSetName);
    ModbusSlaveMap::SetFunction(working_, selectedFunction());
    if (startAddress() >= 0)
        ModbusSlaveMap::RenumberSet(working_, startAddress());
    return working_;
}

bool CModbusSlaveDlg::checkSet(int row) const
{
    if (working_.Items.isEmpty()) {
        ShowMessageBox(LoadLangString(kStringSetWithoutTags) + QStringLiteral("\r\n"), MB_OK | MB_ICONWARNING);
        return false;
    }
    ValidationReport report;
    CheckEntryName(working_.Name, FieldLabel(kLabelSetName).Text(*this), sets(), row, control(kEditSetName), report);
    if (selectedFunction() < 0)
        report.Add(FormatInvalidItemLine(FieldLabel(kLabelFunction).Text(*this)), control(kComboFunction));
    const int start = startAddress();
    if (start < 0 || start > ModbusSlaveMap::kLastAddress)
        report.Add(FormatRangeErrorLine(FieldLabel(kLabelStart).Text(*this), 0, ModbusSlaveMap::kLastAddress),
                   control(kEditStart));
    else if (!ModbusSlaveMap::SetFitsMap(working_, sets(), row))
        report.Add(LoadLangString(kStringAddressTaken) + QStringLiteral("\r\n"), control(kEditStart));
    return !report.ShowIfAny();
}

// The general settings go into the model with every added or modified set.
bool CModbusSlaveDlg::applyGeneral()
{
    if (!connection_.Apply(*this, *GetDataCenter()))
        return false;
    AddLogLine(FormatLangString(kStringSettingsApplied, GetNodeInfo().shownText));
    return true;
}

bool CModbusSlaveDlg::DeleteSets()
{
    if (!GetDataCenter() || !sets_.Delete())
        return false;
    if (sets().isEmpty()) {
        // No set left: the serial port goes back.
        BusyGuard busy(Busy());
        connection_.FreeSerialPort(*this, *GetDataCenter());
        working_.Reset();
        showWorkingSet();
    }
    return true;
}

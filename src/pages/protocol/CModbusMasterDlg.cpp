#include "CModbusMasterDlg.h"

#include "CDataCenter.h"
#include "CExternalDeviceSettingDlg.h"
#include "CListCtrlEx.h"
#include "ConfirmDeleteDlg.h"
#include "EntryNameCheck.h"
#include "ListColumns.h"
#include "ListPageStrings.h"
#include "ListRows.h"
#include "PageConversions.h"
#include "TextFormat.h"
#include "Validation.h"
#include "ValidationReport.h"

#include <QComboBox>

using namespace ModbusMasterIds;
using Device = MODBUS_EXTERNAL_DEVICE_SETTINGS;

namespace {

constexpr unsigned kStringSerialUnitTaken = 448;
constexpr unsigned kStringTagTaken = 372;
constexpr unsigned kStringAskAddDevice = 638;
constexpr unsigned kStringCommand = 639;
constexpr unsigned kColumns[] = {432, 433, 857, 858, 435, 436, 437, 438, 441, 825, 439};
constexpr int kColumnWidths[] = {30, 100};
constexpr int kHighestUnitShown = 255;
constexpr int kKeepAliveOffInterval = 10;
constexpr int kMinKeepAlive = 1;
constexpr int kMaxKeepAlive = 86400;
const QString kKeepAliveName = QStringLiteral("Keep Alive Interval");
const QString kDefaultTcpPort = QStringLiteral("502");

} // namespace

CModbusMasterDlg::CModbusMasterDlg(IPageHost* host)
    : CPropertyUIDialog(kTemplate, host), ports_(LoadLangString(kStringEthernetPort), kEthernetPortKey)
{
    tcpPort_.Bind(kEditTcpPort, kLabelTcpPort, &Device::TCPPort, AsRequiredNumber(defaults_.TCPPortValue));
    numbers_.Bind(kEditUnitId, kLabelUnitId, &Device::UnitID, AsRequiredNumber(defaults_.UnitIDValue))
        .Bind(kEditPolling, kLabelPolling, &Device::Polling_Delay, AsRequiredNumber(defaults_.PollingDelayValue))
        .Bind(kEditTimeout, kLabelTimeout, &Device::Timeout, AsRequiredNumber())
        .Bind(kEditRecover, kLabelRecover, &Device::RecoverDelay, AsRequiredNumber(defaults_.RecoverDelayValue))
        .Bind(kEditRetry, kLabelRetry, &Device::FailRetry, AsRequiredNumber(defaults_.FailRetryValue));
}

bool CModbusMasterDlg::OnInitDialog()
{
    LayoutListPage(
        {.list = kListDevices, .leftButton = kButtonAdd, .middleButton = kButtonModify, .rightButton = kButtonDelete});
    SetMainListId(kListDevices);
    auto* list = item<CListCtrlEx>(kListDevices);
    InsertColumns(*list, kColumns, kColumnWidths);
    setItemText(kButtonCommands, LoadLangString(kStringCommand) + QStringLiteral("..."));
    control(kIpAddress)->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed); // one row, as the edits
    writeRangeTexts();
    onClicked(kButtonAdd, [this] { AddDevice(); });
    onClicked(kButtonModify, [this] { ModifyDevice(); });
    onClicked(kButtonDelete, [this] { DeleteDevices(); });
    onClicked(kButtonCommands, [this] { OpenCommands(); });
    onClicked(kCheckKeepAlive, [this] { enableItem(kEditKeepAlive, isItemChecked(kCheckKeepAlive)); });
    OnUserChange(kComboPort, [this] { applyPortRule(); });
    connect(list, &CListCtrlEx::itemSelectionChanged, this, [this] { showSelectedDevice(); });
    return true;
}

void CModbusMasterDlg::writeRangeTexts()
{
    setItemText(kRangeUnitId, RangeTextOf(defaults_.UnitIDValue));
    setItemText(kRangeTcpPort, RangeTextOf(defaults_.TCPPortValue));
    setItemText(kRangeRetry, RangeTextOf(defaults_.FailRetryValue));
    setItemText(kRangePolling, RangeTextOf(defaults_.PollingDelayValue, "ms (%1-%2)"));
    setItemText(kRangeRecover, RangeTextOf(defaults_.RecoverDelayValue, "sec(s) (%1-%2)"));
}

void CModbusMasterDlg::OnPageShown()
{
    SetMainListId(kListDevices);
    const CDataCenter* model = GetDataCenter();
    if (!model)
        return;
    {
        BusyGuard busy(Busy());
        ports_.Rebuild(*model, SerialPortUser::ModbusMaster, *item<QComboBox>(kComboPort));
    }
    refillDevices(-1);
    showDevice(-1);
    SelectFirstListItem(kListDevices);
}

// ---- the list and the fields ----

QStringList CModbusMasterDlg::rowTexts(const Device& device) const
{
    const auto definitionName = [&device](int i) {
        return i < device.TagDefinitions.size() ? device.TagDefinitions[i].Name : QString();
    };
    const bool unitShown = device.UnitID >= 0 && device.UnitID <= kHighestUnitShown;
    return {device.Name,
            definitionName(0),
            definitionName(1),
            ports_.TextOf(device.RTUPort),
            device.IpAddress,
            QString::number(device.TCPPort),
            QString::number(unitShown ? device.UnitID : 1),
            QString::number(device.Timeout),
            device.KeepAliveEnable ? QString::number(device.KeepAliveInterval) : QString(),
            QString::number(device.Polling_Delay)};
}

void CModbusMasterDlg::refillDevices(int selectRow)
{
    devices_ = GetDataCenter()->GetModbusMasterDevices();
    auto* list = item<CListCtrlEx>(kListDevices);
    {
        BusyGuard busy(Busy());
        FillNumberedRows(*list, static_cast<int>(devices_.size()), [this](int row) { return rowTexts(devices_[row]); });
    }
    if (selectRow >= 0 && selectRow < list->GetItemCount())
        SelectListRows(*list, {selectRow});
}

int CModbusMasterDlg::selectedRow() const
{
    return item<CListCtrlEx>(kListDevices)->GetFirstSelectedRow();
}

void CModbusMasterDlg::showSelectedDevice()
{
    if (IsBusy())
        return;
    const QList<int> rows = item<CListCtrlEx>(kListDevices)->GetSelectedRows();
    showDevice(rows.size() == 1 ? rows.front() : -1);
}

void CModbusMasterDlg::showDevice(int row)
{
    BusyGuard busy(Busy());
    Device device = defaults_;
    device.Reset();
    if (row >= 0 && row < static_cast<int>(devices_.size()))
        device = devices_[static_cast<size_t>(row)];
    setItemText(kEditName, device.Name);
    setItemText(kIpAddress, device.IpAddress);
    item<QComboBox>(kComboPort)->setCurrentIndex(row < 0 ? 0 : ports_.IndexOf(device.RTUPort));
    numbers_.Fill(*this, device);
    tcpPort_.Fill(*this, device);
    checkItem(kCheckKeepAlive, device.KeepAliveEnable != 0);
    setItemText(kEditKeepAlive, QString::number(device.KeepAliveInterval));
    applyPortRule();
}

bool CModbusMasterDlg::isEthernet() const
{
    return ports_.KeyAt(item<QComboBox>(kComboPort)->currentIndex()) == kEthernetPortKey;
}

void CModbusMasterDlg::applyPortRule()
{
    const bool ethernet = isEthernet();
    for (int id : {kIpAddress.id, kLabelIp.id, kEditTcpPort.id, kLabelTcpPort.id, kCheckKeepAlive.id})
        enableItem(id, ethernet);
    const QString port = itemText(kEditTcpPort).trimmed();
    if (ethernet && (port.isEmpty() || port == QStringLiteral("0")))
        setItemText(kEditTcpPort, kDefaultTcpPort);
    if (!ethernet)
        checkItem(kCheckKeepAlive, false);
    enableItem(kEditKeepAlive, ethernet && isItemChecked(kCheckKeepAlive));
}

// ---- reading and checking ----

Device CModbusMasterDlg::readFields(Device device) const
{
    device.Name = itemText(kEditName);
    device.RTUPort = ports_.KeyAt(item<QComboBox>(kComboPort)->currentIndex());
    numbers_.Store(*this, device);
    const bool ethernet = isEthernet();
    device.IpAddress = ethernet ? itemText(kIpAddress).trimmed() : QString();
    device.TCPPort = 0;
    if (ethernet)
        tcpPort_.Store(*this, device);
    device.KeepAliveEnable = ethernet && isItemChecked(kCheckKeepAlive) ? 1 : 0;
    device.KeepAliveInterval =
        device.KeepAliveEnable ? itemText(kEditKeepAlive).trimmed().toInt() : kKeepAliveOffInterval;
    return device;
}

bool CModbusMasterDlg::check(const Device& device, Mode mode, int row) const
{
    ValidationReport report;
    CheckEntryName(device.Name, FieldLabel(kLabelName).Text(*this), devices_, mode == Mode::Add ? -1 : row,
                   control(kEditName), report);
    if (isEthernet())
        checkEthernet(device, mode == Mode::Add ? -1 : row, report);
    const bool unitTaken = !isEthernet() && std::any_of(devices_.begin(), devices_.end(), [&](const Device& other) {
        return &other - devices_.data() != row && other.RTUPort == device.RTUPort && other.UnitID == device.UnitID;
    });
    if (unitTaken)
        report.Add(LoadLangString(kStringSerialUnitTaken) + QStringLiteral("\r\n"), control(kEditUnitId));
    numbers_.Validate(*this, report);
    return !report.ShowIfAny();
}

void CModbusMasterDlg::checkEthernet(const Device& device, int row, ValidationReport& report) const
{
    if (isItemChecked(kCheckKeepAlive)) {
        const QString interval = itemText(kEditKeepAlive).trimmed();
        if (interval.isEmpty())
            report.Add(FormatInvalidNameLine(kKeepAliveName), control(kEditKeepAlive));
        else if (interval.toLongLong() < kMinKeepAlive || interval.toLongLong() > kMaxKeepAlive)
            report.Add(
                QStringLiteral("\"%1\" Range: %2 - %3 \r\n").arg(kKeepAliveName).arg(kMinKeepAlive).arg(kMaxKeepAlive),
                control(kEditKeepAlive));
    }
    const QString ipLabel = FieldLabel(kLabelIp).Text(*this);
    if (!AsIPv4{ControlType::IPAddress}.Check(*control(kIpAddress), ipLabel).isEmpty())
        report.Add(FormatInvalidItemLine(ipLabel), control(kIpAddress));
    const bool ipTaken = std::any_of(devices_.begin(), devices_.end(), [&](const Device& other) {
        return &other - devices_.data() != row && other.IpAddress.compare(device.IpAddress, Qt::CaseInsensitive) == 0;
    });
    if (ipTaken)
        report.Add(FormatItemErrorLine(ipLabel), control(kIpAddress));
    tcpPort_.Validate(*this, report);
}

// ---- the buttons ----

bool CModbusMasterDlg::AddDevice()
{
    CDataCenter* model = GetDataCenter();
    if (!model)
        return false;
    const Device device = readFields(defaults_);
    if (!check(device, Mode::Add, -1))
        return false;
    Device added = device;
    added.Commands.clear();
    if (const int row = selectedRow(); row >= 0 && row < static_cast<int>(devices_.size()))
        added.Commands = devices_[static_cast<size_t>(row)].Commands;
    std::vector<CDataCenter::TagChange> created;
    if (!model->CreateModbusMasterDevice(added, created)) {
        ShowMessageBox(LoadLangString(kStringTagTaken), MB_OK | MB_ICONWARNING);
        return false;
    }
    const int row = static_cast<int>(model->ModbusMasterDevices.size()) - 1;
    refillDevices(row);
    AddLogLine(FormatLangString(kStringEntryAdded, GetNodeInfo().shownText, row + 1));
    return true;
}

bool CModbusMasterDlg::ModifyDevice()
{
    CDataCenter* model = GetDataCenter();
    const QList<int> rows = RowsToChange(*item<CListCtrlEx>(kListDevices));
    if (!model || rows.isEmpty() || rows.front() >= static_cast<int>(devices_.size()))
        return false;
    const int row = rows.front();
    const Device device = readFields(devices_[static_cast<size_t>(row)]);
    if (!check(device, Mode::Modify, row))
        return false;
    model->ModifyModbusMasterDevice(row, device);
    refillDevices(row);
    AddLogLine(FormatLangString(kStringEntryModified, GetNodeInfo().shownText, row + 1));
    return true;
}

bool CModbusMasterDlg::DeleteDevices()
{
    CDataCenter* model = GetDataCenter();
    const QList<int> rows = RowsToChange(*item<CListCtrlEx>(kListDevices));
    if (!model || rows.isEmpty())
        return false;
    ConfirmDeleteDlg confirm(this);
    if (confirm.DoModal() != IDYES)
        return false;
    model->DeleteModbusMasterDevices(std::vector<int>(rows.begin(), rows.end()));
    const int left = static_cast<int>(model->ModbusMasterDevices.size());
    const int next = std::min(rows.back() - static_cast<int>(rows.size()) + 1, left - 1);
    refillDevices(next);
    AddLogLine(FormatLangString(kStringEntriesDeleted, GetNodeInfo().shownText));
    if (left == 0)
        showDevice(-1);
    return true;
}

void CModbusMasterDlg::OpenCommands()
{
    if (selectedRow() < 0) {
        if (ShowMessageBox(LoadLangString(kStringAskAddDevice), MB_YESNO | MB_ICONQUESTION) != IDYES || !AddDevice())
            return;
    }
    RunCommandEditor(selectedRow());
    refillDevices(selectedRow());
}

void CModbusMasterDlg::RunCommandEditor(int row)
{
    CExternalDeviceSettingDlg editor(*GetDataCenter(), row, this);
    editor.DoModal();
}

std::vector<BoundForm> CModbusMasterDlg::BoundForms() const
{
    std::vector<ControlId> controls{kEditName};
    for (const auto* bindings : {&numbers_, &tcpPort_}) {
        const std::vector<ControlId> bound = bindings->Controls();
        controls.insert(controls.end(), bound.begin(), bound.end());
    }
    return {{this, controls}};
}

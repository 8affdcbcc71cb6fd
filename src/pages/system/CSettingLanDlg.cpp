#include "CSettingLanDlg.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "FieldLabel.h"
#include "LanAddressRules.h"
#include "LanguagePack.h"
#include "ListColumns.h"
#include "ListPageStrings.h"
#include "ListRows.h"
#include "MessageBoxService.h"
#include "PageConversions.h"
#include "TextFormat.h"
#include "Validation.h"

#include <QComboBox>

namespace {

constexpr const char* kSection = "LAN";
constexpr const char* kCaptionFormat = "%s IP Setting";
constexpr int kColumnCount = 5;
constexpr int kStaticOption = 0;    // the IP configuration whose addresses the user types
constexpr int kSwitchModeRow = 1;   // the interface without settings of its own in switch mode
constexpr int kUnlockedGateway = 1; // the gateway interface chosen when the lock is taken off
constexpr quint32 kBroadcast = 0xFFFFFFFFu;
const QString kLineBreak = QStringLiteral("\r\n");

void appendLine(QString& message, const QString& line)
{
    // Lines that end in their own break get no second one.
    message += message.isEmpty() || message.endsWith(kLineBreak) ? line : kLineBreak + line;
}

} // namespace

CSettingLanDlg::CSettingLanDlg(IPageHost* host)
    : CPropertyUIDialog(kTemplateId, host),
      ipConfigOptions_(OptionList(QString::fromUtf8(kSection), QStringLiteral("IPConfig"))),
      interfaceNames_(OptionList(QString::fromUtf8(kSection), QStringLiteral("GatewayCfg")))
{}

bool CSettingLanDlg::OnInitDialog()
{
    LayoutListPage({.list = kListInterfaces, .rightButton = kButtonApply});
    if (auto* list = item<CListCtrlEx>(kListInterfaces)) {
        QStringList titles;
        for (int column = 0; column < kColumnCount; ++column)
            titles << LoadLangString(kStringFirstColumn + static_cast<unsigned>(column));
        InsertNumberedColumns(*list, titles);
        QObject::connect(list, &CListCtrlEx::itemSelectionChanged, this, [this] {
            if (!IsBusy())
                showRow(selectedRow());
        });
    }
    item<QComboBox>(kComboIPConfig)->addItems(ipConfigOptions_);
    item<QComboBox>(kComboGateway)->addItems(interfaceNames_);
    item<QComboBox>(kComboGateway)->setCurrentIndex(interfaceNames_.size() > 1 ? 1 : -1);
    OnUserChange(kComboIPConfig, [this] { applyIPConfigRule(); });
    onClicked(kCheckLock, [this] { applyLockRule(); });
    OnUserChange(kComboEthernetMode, [this] { applyEthernetModeRule(); });
    onClicked(kButtonApply, [this] { Apply(); });
    return true;
}

void CSettingLanDlg::OnPageShown()
{
    SetMainListId(kListInterfaces);
    readRecord();
    refillList();
    BusyGuard busy(Busy());
    SelectFirstListItem(kListInterfaces);
    setItemText(kIpDns0, record_.DNS_0);
    setItemText(kIpDns1, record_.DNS_1);
    fillEthernetMode();
    showRow(selectedRow());
}

void CSettingLanDlg::readRecord()
{
    record_ = {};
    if (const CDataCenter* model = GetDataCenter())
        model->GetNetworkSetting(GetNodeInfo().slotIndex, record_);
}

QStringList CSettingLanDlg::rowTexts(int row) const
{
    const LanPortSettingBlock& setting = record_.Interfaces[row].Setting;
    return {ipConfigOptions_.value(setting.IPConfiguration), setting.IpAddress, setting.Netmask, setting.Gateway};
}

void CSettingLanDlg::refillList()
{
    auto* list = item<CListCtrlEx>(kListInterfaces);
    if (!list)
        return;
    BusyGuard busy(Busy());
    const int count = std::min<int>(record_.ChannelCount, static_cast<int>(record_.Interfaces.size()));
    FillNumberedRows(*list, count, [this](int row) { return rowTexts(row); });
}

int CSettingLanDlg::selectedRow() const
{
    const auto* list = item<CListCtrlEx>(kListInterfaces);
    return list ? list->GetFirstSelectedRow() : -1;
}

int CSettingLanDlg::ethernetMode() const
{
    const auto* mode = item<QComboBox>(kComboEthernetMode);
    return mode && mode->currentIndex() >= 0 ? mode->currentData().toInt() : -1;
}

void CSettingLanDlg::showRow(int row)
{
    if (row < 0 || row >= static_cast<int>(record_.Interfaces.size()))
        return;
    BusyGuard busy(Busy());
    const LanPortSettingBlock& setting = record_.Interfaces[row].Setting;
    checkItem(kCheckLock, record_.Lock != 0);
    enableItem(kCheckLock, row == 0);
    if (row != 0)
        enableItem(kComboIPConfig, true);
    setItemText(kStaticCaption, FormatText(QString::fromUtf8(kCaptionFormat), {interfaceNames_.value(row)}));
    const int option = setting.IPConfiguration;
    item<QComboBox>(kComboIPConfig)->setCurrentIndex(option >= 0 && option < ipConfigOptions_.size() ? option : -1);
    applyIPConfigRule();
    const int gateway = record_.DefaultGatewayInterface;
    item<QComboBox>(kComboGateway)->setCurrentIndex(gateway >= 0 && gateway < interfaceNames_.size() ? gateway : -1);
    enableItem(kComboGateway, record_.Lock != 1);
    if (!addressesLocked_) {
        setItemText(kIpAddress, setting.IpAddress);
        setItemText(kIpNetmask, setting.Netmask);
        setItemText(kIpGateway, setting.Gateway);
    }
    applyEthernetModeRule();
}

void CSettingLanDlg::applyIPConfigRule()
{
    addressesLocked_ = itemText(kComboIPConfig) != ipConfigOptions_.value(kStaticOption);
    for (int id : {kIpAddress.id, kIpNetmask.id, kIpGateway.id}) {
        enableItem(id, !addressesLocked_);
        if (addressesLocked_)
            setItemText(id, QString());
    }
}

void CSettingLanDlg::applyLockRule()
{
    auto* config = item<QComboBox>(kComboIPConfig);
    auto* gateway = item<QComboBox>(kComboGateway);
    const bool locked = isItemChecked(kCheckLock);
    if (locked) {
        config->setCurrentIndex(kStaticOption);
        gateway->setCurrentIndex(0);
    } else {
        gateway->setCurrentIndex(std::min<int>(kUnlockedGateway, gateway->count() - 1));
    }
    config->setEnabled(!locked);
    gateway->setEnabled(!locked);
}

void CSettingLanDlg::fillEthernetMode()
{
    const bool shown = GetDataCenter() && GetDataCenter()->IsSeries4100();
    showItem(kLabelEthernetMode, shown);
    showItem(kComboEthernetMode, shown);
    auto* mode = item<QComboBox>(kComboEthernetMode);
    mode->clear();
    mode->addItem(LoadLangString(kStringSeparateMode), 0);
    mode->addItem(LoadLangString(kStringSwitchMode), 1);
    mode->setCurrentIndex(mode->findData(record_.EthernetMode));
}

void CSettingLanDlg::applyEthernetModeRule()
{
    auto* gateway = item<QComboBox>(kComboGateway);
    gateway->clear();
    const int row = selectedRow();
    if (row < 0)
        return;
    if (ethernetMode() == 1) {
        gateway->addItem(interfaceNames_.value(0));
        gateway->setCurrentIndex(0);
        const bool ownSettings = row != kSwitchModeRow;
        enableItem(kComboIPConfig, ownSettings);
        for (int id : {kIpAddress.id, kIpNetmask.id, kIpGateway.id})
            enableItem(id, ownSettings && !addressesLocked_);
        return;
    }
    gateway->addItems(interfaceNames_);
    const int stored = record_.DefaultGatewayInterface;
    gateway->setCurrentIndex(stored >= 0 && stored < gateway->count() ? stored : -1);
    enableItem(kComboIPConfig, true);
    applyIPConfigRule();
}

QString CSettingLanDlg::conflictsWithOtherInterfaces(int row) const
{
    const std::optional<Octets> address = StoredOctets(itemText(kIpAddress));
    const std::optional<Octets> mask = StoredOctets(itemText(kIpNetmask));
    QString message;
    bool sameNetworkFound = false;
    for (int other = 0; other < static_cast<int>(record_.Interfaces.size()); ++other) {
        if (other == row)
            continue;
        const LanPortSettingBlock& stored = record_.Interfaces[other].Setting;
        const std::optional<Octets> otherAddress = StoredOctets(stored.IpAddress);
        const std::optional<Octets> otherMask = StoredOctets(stored.Netmask);
        if (otherAddress && address && *otherAddress == *address)
            appendLine(message, FormatItemErrorLine(FieldLabel(kLabelAddress).Text(*this)));
        if (!otherAddress || !otherMask || !address || !mask)
            continue;
        const NetworkRelation relation = RelateNetworks(*address, *mask, *otherAddress, *otherMask);
        if (relation == NetworkRelation::SameNetwork) {
            appendLine(message, LoadLangString(kStringSameNetwork));
            sameNetworkFound = true;
        } else if (relation == NetworkRelation::Overlapping && !sameNetworkFound) {
            appendLine(message, LoadLangString(kStringOverlappingNetwork));
        }
    }
    return message;
}

bool CSettingLanDlg::Apply()
{
    CDataCenter* model = GetDataCenter();
    if (!model)
        return false;
    record_.EthernetMode = ethernetMode();
    const auto* list = item<CListCtrlEx>(kListInterfaces);
    if (!list || list->GetSelectedRows().size() != 1) {
        ShowMessageBox(LoadLangString(kStringNoEntrySelected), MB_OK | MB_ICONWARNING);
        return false;
    }
    const int row = selectedRow();
    record_.DefaultGatewayInterface = item<QComboBox>(kComboGateway)->currentIndex();
    record_.Lock = isItemChecked(kCheckLock) ? 1 : 0;
    record_.DNS_0 = itemText(kIpDns0);
    record_.DNS_1 = itemText(kIpDns1);
    if (row < 0 || row >= static_cast<int>(record_.Interfaces.size()))
        return false;
    if (!addressesLocked_) {
        const std::optional<Octets> address = StoredOctets(itemText(kIpAddress));
        const quint32 value = address ? AddressValue(*address) : 0;
        if (value == 0 || value == kBroadcast) {
            ShowMessageBox(LoadLangString(kStringBadAddress), MB_OK | MB_ICONERROR | MB_TOPMOST);
            return false;
        }
        const QString conflicts = record_.EthernetMode == 0 ? conflictsWithOtherInterfaces(row) : QString();
        if (!conflicts.isEmpty()) {
            ShowMessageBox(conflicts, MB_OK | MB_ICONWARNING);
            return false;
        }
    }
    LanPortSettingBlock& setting = record_.Interfaces[row].Setting;
    setting.IPConfiguration = item<QComboBox>(kComboIPConfig)->currentIndex();
    setting.IpAddress = itemText(kIpAddress);
    setting.Netmask = itemText(kIpNetmask);
    setting.Gateway = itemText(kIpGateway);
    model->SetNetworkSetting(GetNodeInfo().slotIndex, row, record_);
    readRecord();
    if (auto* rows = item<CListCtrlEx>(kListInterfaces)) {
        const QStringList texts = rowTexts(row);
        for (int column = 0; column < texts.size(); ++column)
            rows->SetItemText(row, column + 1, texts[column]);
    }
    AddLogLine(FormatLangString(kStringEntryModified, GetNodeInfo().shownText, row + 1));
    return true;
}

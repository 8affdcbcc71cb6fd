#include "CTAVOServerDlg.h"

#include "CAutoResource.h"
#include "CDataCenter.h"
#include "LanguagePack.h"
#include "ListColumns.h"
#include "PageConversions.h"
#include "TypeIds.h"

#include <QCheckBox>

#include <array>

using namespace TavoServerIds;

namespace {

constexpr unsigned kStringTooManyServers = 521;  // limit
constexpr unsigned kStringSettingsApplied = 617; // service text
constexpr unsigned kStringAutoTagNotMade = 9251; // tag name
constexpr std::array<unsigned, 6> kColumnTitles{360 /* row number */, 9401 /* server name */, 753 /* address */,
                                                9402 /* port */,      615 /* control tag */,  608 /* status tag */};
constexpr int kAliasFlag = 1;
constexpr int kOperationModeServers = 2; // pushing to both servers needs two

QString section()
{
    return QStringLiteral("TAVO");
}

QString rangeText(const SettingTriple& range)
{
    return QStringLiteral("(%1-%2)").arg(range.minimum).arg(range.maximum);
}

QString secondsRangeText(const SettingTriple& range)
{
    return QStringLiteral("sec(s) ") + rangeText(range);
}

TavoDefaults loadServiceDefaults()
{
    TavoDefaults defaults;
    LoadTavoDefaults(defaults);
    return defaults;
}

} // namespace

CTAVOServerDlg::CTAVOServerDlg(IPageHost* host)
    : CListDetailPage(kTemplate, host, {kListServers, kButtonAdd, kButtonModify, kButtonDelete}),
      serviceDefaults_(loadServiceDefaults())
{
    SetNameField(kEditName, kLabelName, &TAVO_SERVER_ITEM_SETTINGS::Name);
    SetIndexField(&TAVO_SERVER_ITEM_SETTINGS::Index);
    SetPageFieldsApart();
    SetFieldOrder({kEditName, kEditAddress, kEditPort, kEditTimeout, kEditInterval});
    SetEntryLimit(serviceDefaults_.LimitServerCount,
                  FormatLangString(kStringTooManyServers, serviceDefaults_.LimitServerCount));
    SetTagHooks(nullptr, [this](CDataCenter& model, const TAVO_SERVER_ITEM_SETTINGS& server) {
        return releaseTags(model, server);
    });
    Bindings()
        .Bind(kEditAddress, kLabelAddress, &TAVO_SERVER_ITEM_SETTINGS::IpAddress, AsAddressText(GetEditLengthLimit()))
        .Bind(kEditPort, kLabelPort, &TAVO_SERVER_ITEM_SETTINGS::Port, AsNumber{serverDefaults_.PortValue})
        .Bind(kEditTimeout, kLabelTimeout, &TAVO_SERVER_ITEM_SETTINGS::Timeout,
              AsNumber{serverDefaults_.ConnectTimeoutValue})
        .Bind(kCheckHeartbeat, QString(), &TAVO_SERVER_ITEM_SETTINGS::Heartbeat, AsCheck{})
        // checked whether or not the heartbeat is on: the stored interval is always valid
        .Bind(kEditInterval, kCheckHeartbeat, &TAVO_SERVER_ITEM_SETTINGS::Interval,
              AsNumber{serverDefaults_.HeartbeatValue})
        .Bind(kComboUnit, QString(), &TAVO_SERVER_ITEM_SETTINGS::Unit,
              AsIndex{OptionList(section(), QStringLiteral("UpdateTagUnit"))});
    service_.Bind(kCheckOperationMode, QString(), &TAVO_SETTINGS::OperationMode, AsCheck{})
        .Bind(kEditQueue, kLabelQueue, &TAVO_SETTINGS::QueueSize, AsNumber{serviceDefaults_.QueueValue})
        .Bind(kEditReconnect, kLabelReconnect, &TAVO_SETTINGS::ReconnectTimeout,
              AsNumber{serviceDefaults_.ReconnectTimeoutValue})
        .Bind(kComboQueueFullAction, QString(), &TAVO_SETTINGS::QueueFullAction,
              AsIndex{OptionList(section(), QStringLiteral("Action"))});
}

bool CTAVOServerDlg::OnInitDialog()
{
    LayoutListPage({.list = kListServers.id,
                    .leftButton = kButtonAdd.id,
                    .middleButton = kButtonModify.id,
                    .rightButton = kButtonDelete.id});
    SetMainListId(kListServers);
    if (auto* list = item<CListCtrlEx>(kListServers))
        InsertNumberedColumns(*list, kColumnTitles);
    setItemText(kStaticPortRange, rangeText(serverDefaults_.PortValue));
    setItemText(kStaticTimeoutRange, secondsRangeText(serverDefaults_.ConnectTimeoutValue));
    setItemText(kStaticIntervalRange, rangeText(serverDefaults_.HeartbeatValue));
    setItemText(kStaticReconnectRange, secondsRangeText(serviceDefaults_.ReconnectTimeoutValue));
    setItemText(kStaticQueueRange, rangeText(serviceDefaults_.QueueValue));
    enableItem(kCheckOperationMode, false);
    return true;
}

void CTAVOServerDlg::OnPageShown()
{
    CListDetailPage::OnPageShown();
    CDataCenter* model = GetDataCenter();
    if (!model)
        return;
    BusyGuard busy(Busy());
    showOperationMode(*model);
    service_.Fill(*this, model->Tavo);
}

std::vector<TAVO_SERVER_ITEM_SETTINGS> CTAVOServerDlg::ReadEntries(const CDataCenter& model) const
{
    return {model.Tavo.Servers.begin(), model.Tavo.Servers.end()};
}

void CTAVOServerDlg::WriteEntries(CDataCenter& model, const std::vector<TAVO_SERVER_ITEM_SETTINGS>& entries)
{
    model.Tavo.Servers = QVector<TAVO_SERVER_ITEM_SETTINGS>(entries.begin(), entries.end());
    showOperationMode(model);
    model.MarkModified();
}

QStringList CTAVOServerDlg::RowTexts(const TAVO_SERVER_ITEM_SETTINGS& server) const
{
    const CDataCenter* model = GetDataCenter();
    return {server.Name, server.IpAddress, QString::number(server.Port),
            model ? model->GetTagNameByAddress(server.ControlTag) : QString(),
            model ? model->GetTagNameByAddress(server.StatusTag) : QString()};
}

void CTAVOServerDlg::CheckPageFields(int, ValidationReport& report) const
{
    service_.Validate(*this, report);
}

// Two servers at one address would push everything twice; letter case counts in the address.
void CTAVOServerDlg::CheckEntry(const TAVO_SERVER_ITEM_SETTINGS& server, int row, ValidationReport& report) const
{
    for (int i = 0; i < static_cast<int>(Entries().size()); ++i) {
        if (i != row && Entries()[i].IpAddress == server.IpAddress) {
            report.Add(FormatItemErrorLine(FieldLabel(kLabelAddress).Text(*this)), control(kEditAddress));
            return;
        }
    }
}

void CTAVOServerDlg::WritePageFields(CDataCenter& model)
{
    service_.Store(*this, model.Tavo);
    AddLogLine(FormatLangString(kStringSettingsApplied, LogName()));
    model.MarkModified();
}

// Both tags or none: a server whose tags could not be made is not kept.
bool CTAVOServerDlg::CreateEntryTags(CDataCenter& model, TAVO_SERVER_ITEM_SETTINGS& server, QStringList& created)
{
    const int position = static_cast<int>(Entries().size());
    std::vector<CDataCenter::TagChange> made;
    CAutoResource* resources = CAutoResource::GetInstance();
    if (!model.RegisterServiceItemTags(ServiceId::Tavo, server.Index, server.TagDefinitions, made, kAliasFlag,
                                       MakeIntPair(ServiceId::TavoServer, position))) {
        const QString name = resources->TagName(CAutoResource::Kind::TavoTrigger, server.Index);
        ShowMessageBox(FormatLangString(kStringAutoTagNotMade, name), MB_OK | MB_ICONERROR);
        return false;
    }
    server.ControlTag = resources->TagAddress(CAutoResource::Kind::TavoTrigger, server.Index);
    server.StatusTag = resources->TagAddress(CAutoResource::Kind::TavoStatus, server.Index);
    for (const CDataCenter::TagChange& tag : made)
        created << tag.Name;
    return true;
}

bool CTAVOServerDlg::ConfirmDelete()
{
    deletedSoFar_ = 0;
    return CListDetailPage::ConfirmDelete();
}

void CTAVOServerDlg::OnEntryRemoved(CDataCenter&, const TAVO_SERVER_ITEM_SETTINGS&)
{
    ++deletedSoFar_;
}

// The uses are numbered by list position, and each release moves the later ones down.
QStringList CTAVOServerDlg::releaseTags(CDataCenter& model, const TAVO_SERVER_ITEM_SETTINGS& server)
{
    QStringList names;
    const TagServiceLink use = MakeIntPair(ServiceId::TavoServer, positionOf(server) - deletedSoFar_);
    for (const CDataCenter::TagChange& tag : model.ReleaseServiceItemTags(use, {server.ControlTag, server.StatusTag}))
        names << tag.Name;
    return names;
}

int CTAVOServerDlg::positionOf(const TAVO_SERVER_ITEM_SETTINGS& server) const
{
    for (int i = 0; i < static_cast<int>(Entries().size()); ++i) {
        if (Entries()[i].Index == server.Index)
            return i;
    }
    return -1;
}

void CTAVOServerDlg::OnEntryShown(const TAVO_SERVER_ITEM_SETTINGS* server)
{
    const CDataCenter* model = GetDataCenter();
    if (server && model) {
        setItemText(kStaticControlTag, model->GetTagNameByAddress(server->ControlTag));
        setItemText(kStaticStatusTag, model->GetTagNameByAddress(server->StatusTag));
        return;
    }
    const int next = NextEntryIndex();
    setItemText(kStaticControlTag, CAutoResource::GetInstance()->TagName(CAutoResource::Kind::TavoTrigger, next));
    setItemText(kStaticStatusTag, CAutoResource::GetInstance()->TagName(CAutoResource::Kind::TavoStatus, next));
}

// Pushing to both servers is offered only while there are two.
void CTAVOServerDlg::showOperationMode(CDataCenter& model)
{
    const bool offered = model.Tavo.Servers.size() >= kOperationModeServers;
    if (!offered)
        model.Tavo.OperationMode = 0;
    enableItem(kCheckOperationMode, offered);
    BusyGuard busy(Busy());
    if (auto* check = item<QCheckBox>(kCheckOperationMode))
        check->setChecked(model.Tavo.OperationMode != 0);
}

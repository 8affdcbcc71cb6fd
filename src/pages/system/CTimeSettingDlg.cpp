#include "CTimeSettingDlg.h"

#include "CDataCenter.h"
#include "LanguagePack.h"
#include "ListColumns.h"
#include "PageConversions.h"
#include "TIME_SETTINGS.h"
#include "TextFormat.h"
#include "Validation.h"

#include <QComboBox>

namespace {

constexpr unsigned kColumnTitles[] = {360, CTimeSettingDlg::kStringServerColumn};
constexpr const char* kIntervalRangeFormat = "min(s) (%d-%d)";
// The list shows these two zones' strings in the other order.
constexpr int kExchangedPositionA = 34;
constexpr int kExchangedPositionB = 35;

} // namespace

CTimeSettingDlg::CTimeSettingDlg(IPageHost* host)
    : CListDetailPage(kTemplateId, host, {kListServers, 0, 0, 0}), intervalRange_(TIME_SETTINGS().SyncIntervalValue)
{
    Bindings().Bind(kEditServer, kLabelServer, &TimeServerEntry::Server, AsAddressText(GetEditLengthLimit()));
}

unsigned CTimeSettingDlg::TimeZoneStringId(int position)
{
    if (position == kExchangedPositionA)
        position = kExchangedPositionB;
    else if (position == kExchangedPositionB)
        position = kExchangedPositionA;
    return kStringFirstTimeZone + static_cast<unsigned>(position);
}

bool CTimeSettingDlg::OnInitDialog()
{
    LayoutListPage(
        {.list = kListServers, .leftButton = kButtonAdd, .middleButton = kButtonModify, .rightButton = kButtonDelete});
    SetMainListId(kListServers);
    InsertNumberedColumns(*item<CListCtrlEx>(kListServers), kColumnTitles);
    setItemText(kStaticIntervalRange,
                FormatText(QString::fromUtf8(kIntervalRangeFormat), {intervalRange_.minimum, intervalRange_.maximum}));
    LimitIPURLEdit(kEditServer);
    setItemText(kStaticNote, LoadLangString(kStringServerNote));
    if (auto* zones = item<QComboBox>(kComboTimeZone)) {
        for (int position = 0; position < kTimeZoneCount; ++position)
            zones->addItem(LoadLangString(TimeZoneStringId(position)));
        zones->setCurrentIndex(kDefaultTimeZone);
    }
    onClicked(kButtonAdd, [this] { onAdd(); });
    onClicked(kButtonModify, [this] { onModify(); });
    onClicked(kButtonDelete, [this] { DeleteEntries(); });
    return true;
}

void CTimeSettingDlg::OnPageShown()
{
    if (CDataCenter* model = GetDataCenter()) {
        model->SetServiceValue(kTimeService, 1);
        setItemText(kEditInterval, QString::number(model->Time.SyncInterval));
        const int zone = model->GetTimeZone();
        if (auto* zones = item<QComboBox>(kComboTimeZone))
            zones->setCurrentIndex(zone >= 0 && zone < kTimeZoneCount ? zone : kDefaultTimeZone);
    }
    CListDetailPage::OnPageShown();
}

std::vector<TimeServerEntry> CTimeSettingDlg::ReadEntries(const CDataCenter& model) const
{
    std::vector<TimeServerEntry> servers;
    for (const QString& server : model.Time.TimeServers)
        servers.push_back({server});
    return servers;
}

void CTimeSettingDlg::WriteEntries(CDataCenter& model, const std::vector<TimeServerEntry>& servers)
{
    if (addingServer_)
        logServersChanged();
    model.Time.TimeServers.clear();
    for (const TimeServerEntry& entry : servers)
        model.Time.TimeServers << entry.Server;
    model.MarkModified();
}

void CTimeSettingDlg::CheckEntry(const TimeServerEntry& entry, int row, ValidationReport& report) const
{
    for (int i = 0; i < static_cast<int>(Entries().size()); ++i) {
        if (i != row && QString::compare(Entries()[i].Server, entry.Server, Qt::CaseInsensitive) == 0) {
            report.Add(FormatItemErrorLine(FieldLabel(kLabelServer).Text(*this)), control(kEditServer));
            return;
        }
    }
}

void CTimeSettingDlg::storeTimeZone()
{
    CDataCenter* model = GetDataCenter();
    auto* zones = item<QComboBox>(kComboTimeZone);
    if (!model || !zones)
        return;
    model->SetTimeZone(zones->currentIndex());
    AddLogLine(FormatLangString(kStringTimeZoneStored, LogName()));
}

bool CTimeSettingDlg::storeInterval()
{
    CDataCenter* model = GetDataCenter();
    if (!model)
        return false;
    ValidationReport report;
    report.Add(AsNumber{intervalRange_}.Check(*control(kEditInterval), FieldLabel(kLabelInterval).Text(*this)),
               control(kEditInterval));
    if (report.ShowIfAny())
        return false;
    model->Time.SyncInterval = itemText(kEditInterval).trimmed().toInt();
    model->MarkModified();
    return true;
}

void CTimeSettingDlg::logServersChanged() const
{
    AddLogLine(FormatLangString(kStringServersChanged, LogName()));
}

void CTimeSettingDlg::onAdd()
{
    storeTimeZone();
    if (!storeInterval())
        return;
    addingServer_ = true;
    AddEntry();
    addingServer_ = false;
}

void CTimeSettingDlg::onModify()
{
    storeTimeZone();
    if (!storeInterval())
        return;
    const CListCtrlEx* list = MainList();
    if (!list || list->GetSelectedRows().size() != 1)
        return;
    logServersChanged();
    ModifyEntry();
}

#include "CAlarmSNMPTrapDlg.h"

#include "AlarmPageStrings.h"
#include "AlarmTagChooser.h"
#include "CAutoResource.h"
#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "CSNMPProfilePage.h"
#include "CSNMPSelectTagsPage.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "SnmpTrapTagUses.h"
#include "TextFormat.h"

#include <QTabWidget>

using namespace AlarmSnmpTrapIds;

namespace {

const QString kProfileTitle = QStringLiteral("Profile");
const QString kTagsTitle = QStringLiteral("Select Tags");

QString trapName(const ALARM_SNMP_TRAP_ITEM_SETTINGS& entry)
{
    return entry.Profile.TrapName;
}

} // namespace

CAlarmSNMPTrapDlg::CAlarmSNMPTrapDlg(IPageHost* host)
    : CListDetailPage(kTemplate, host, {kListEntries, kButtonAdd, kButtonModify, kButtonDelete})
{
    SetIndexField(&ALARM_SNMP_TRAP_ITEM_SETTINGS::Index);
    SetEntryLimit(kMaxEntries, FormatLangString(kStringTooManyEntries, kMaxEntries));
    SetTagHooks(nullptr, [this](CDataCenter& model, const ALARM_SNMP_TRAP_ITEM_SETTINGS& entry) {
        return deleteEntry(model, entry);
    });
}

void CAlarmSNMPTrapDlg::SetTagChooser(const TagChooser& chooser)
{
    profile_->SetTagChooser(chooser);
    tags_->SetTagChooser(chooser);
}

bool CAlarmSNMPTrapDlg::OnInitDialog()
{
    LayoutListPage(
        {.list = kListEntries, .leftButton = kButtonAdd, .middleButton = kButtonModify, .rightButton = kButtonDelete});
    SetMainListId(kListEntries);
    if (auto* list = item<CListCtrlEx>(kListEntries)) {
        list->InsertColumn(0, LoadLangString(kStringColumnNumber), kNumberColumnWidth);
        for (unsigned title : {kStringColumnEntryName, kStringColumnTriggerTag, kStringColumnStatusTag})
            list->InsertColumn(list->GetColumnCount(), LoadLangString(title), 0);
    }
    const auto model = [this] { return static_cast<const CDataCenter*>(GetDataCenter()); };
    QTabWidget& tabs = *item<QTabWidget>(kTabs);
    profile_ = Tabs().Attach(tabs, kProfileTitle, std::make_unique<CSNMPProfilePage>(model));
    tags_ = Tabs().Attach(tabs, kTagsTitle, std::make_unique<CSNMPSelectTagsPage>(model));
    if (!profile_ || !tags_)
        return false;
    SetTagChooser([this] { return ChooseTagsFor(*this, this, true); });
    return true;
}

void CAlarmSNMPTrapDlg::OnPageShown()
{
    CListDetailPage::OnPageShown();
    fitColumns();
}

void CAlarmSNMPTrapDlg::fitColumns()
{
    auto* list = item<CListCtrlEx>(kListEntries);
    const int textWidth = std::max(0, (list->viewport()->width() - kNumberColumnWidth) / 3);
    for (int column = 1; column < list->GetColumnCount(); ++column)
        list->SetColumnWidth(column, textWidth);
}

std::vector<ALARM_SNMP_TRAP_ITEM_SETTINGS> CAlarmSNMPTrapDlg::ReadEntries(const CDataCenter& model) const
{
    return {model.AlarmSnmpTrap.Entries.begin(), model.AlarmSnmpTrap.Entries.end()};
}

void CAlarmSNMPTrapDlg::WriteEntries(CDataCenter& model, const std::vector<ALARM_SNMP_TRAP_ITEM_SETTINGS>& entries)
{
    const QVector<ALARM_SNMP_TRAP_ITEM_SETTINGS>& stored = model.AlarmSnmpTrap.Entries;
    // A modified entry keeps its place: its watched tags move their uses.
    for (int position = 0; position < std::min<int>(stored.size(), static_cast<int>(entries.size())); ++position) {
        const ALARM_SNMP_TRAP_ITEM_SETTINGS& before = stored[position];
        if (before.Index == entries[position].Index && before.TagAddresses != entries[position].TagAddresses)
            SnmpTrapTagUses::ReplaceWatchedTags(model, position, before.TagAddresses, entries[position].TagAddresses);
    }
    model.AlarmSnmpTrap.Entries = QVector<ALARM_SNMP_TRAP_ITEM_SETTINGS>(entries.begin(), entries.end());
    model.MarkModified();
}

QStringList CAlarmSNMPTrapDlg::RowTexts(const ALARM_SNMP_TRAP_ITEM_SETTINGS& entry) const
{
    const CDataCenter* model = GetDataCenter();
    return {entry.Profile.TrapName, model ? model->GetTagNameByAddress(entry.TriggerTag) : QString(),
            model ? model->GetTagNameByAddress(entry.StatusTag) : QString()};
}

ALARM_SNMP_TRAP_ITEM_SETTINGS CAlarmSNMPTrapDlg::NewEntry() const
{
    ALARM_SNMP_TRAP_ITEM_SETTINGS entry;
    entry.SetDefaults();
    return entry;
}

void CAlarmSNMPTrapDlg::CheckPageFields(int row, ValidationReport& report) const
{
    const QString label = FieldLabel(SnmpProfileIds::kLabelName).Text(*profile_);
    CheckEntryName(profile_->itemText(SnmpProfileIds::kEditName), row, label,
                   profile_->control(SnmpProfileIds::kEditName), report, trapName);
}

bool CAlarmSNMPTrapDlg::CreateEntryTags(CDataCenter& model, ALARM_SNMP_TRAP_ITEM_SETTINGS& entry, QStringList& created)
{
    std::vector<CDataCenter::TagChange> made;
    const int position = static_cast<int>(Entries().size());
    if (!SnmpTrapTagUses::CreateEntryTags(model, entry, position, made)) {
        const QString name = CAutoResource::GetInstance()->TagName(CAutoResource::Kind::SnmpTrapTrigger, entry.Index);
        ShowMessageBox(FormatLangString(kStringAutoTagNotMade, name), MB_OK | MB_ICONERROR);
        return false;
    }
    for (const CDataCenter::TagChange& tag : made)
        created << tag.Name;
    return true;
}

// The model's entry goes at once, so the positions of the entries deleted after it are right.
QStringList CAlarmSNMPTrapDlg::deleteEntry(CDataCenter& model, const ALARM_SNMP_TRAP_ITEM_SETTINGS& entry)
{
    const QVector<ALARM_SNMP_TRAP_ITEM_SETTINGS>& stored = model.AlarmSnmpTrap.Entries;
    QStringList names;
    for (int position = 0; position < stored.size(); ++position) {
        if (stored[position].Index != entry.Index)
            continue;
        for (const CDataCenter::TagChange& tag : SnmpTrapTagUses::DeleteEntry(model, position))
            names << tag.Name;
        break;
    }
    return names;
}

#include "CSystemLogOfflineSettingDlg.h"

#include "CDataCenter.h"
#include "ElementConversion.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "PageConversions.h"

#include <QLayout>

namespace {

using Row = CSystemLogOfflineSettingDlg::Row;
using Shown = CSystemLogOfflineSettingDlg::Shown;

constexpr ControlId label(int id)
{
    return {id, ControlType::Static};
}
constexpr ControlId check(int id)
{
    return {id, ControlType::CheckBox};
}
constexpr ControlId combo(int id)
{
    return {id, ControlType::DropList};
}
constexpr ControlId kNone{};

// The service whose resource name tells that the project has a DNP3 outstation.
constexpr int kDnp3OutstationResourceId = 118;
constexpr const char* kStorageName = "MicroSD";
constexpr const char* kAppliedLogLine = "[System Log] Apply setting successfully";

QStringList twoTexts(unsigned first, unsigned second)
{
    return {LoadLangString(first), LoadLangString(second)};
}

} // namespace

const std::array<Row, LogEnableTable::kEntryCount> CSystemLogOfflineSettingDlg::kRows = {{
    {0, label(3000), check(2078), combo(1188), Shown::Always},       // SystemLog
    {1, label(3001), check(1320), combo(1318), Shown::Always},       // EmailAlarm
    {2, label(3002), check(1323), combo(1191), Shown::WithCellular}, // SMSAlarm
    {3, label(3003), check(1192), combo(1193), Shown::Always},       // DataLogging
    {4, label(3004), check(1194), combo(1195), Shown::Always},       // ModbusMaster
    {5, label(3005), check(1196), combo(1197), Shown::Always},       // ModbusSlave
    {6, label(3006), check(1198), combo(1199), Shown::Always},       // TAVO
    {7, label(3007), check(1200), combo(1201), Shown::WithCellular}, // Cellular
    {8, label(3008), check(1208), combo(1049), Shown::Always},       // SNMPTrapAlarm
    {9, label(3009), check(1346), combo(1207), Shown::Always},       // SNMPAgent
    {10, label(3010), check(1311), kNone, Shown::WithRestful},       // RESTfulAPI
    {11, label(3011), check(1312), kNone, Shown::WithDnp3},          // DNP3Outstation
    {12, label(3012), check(1202), combo(1203), Shown::WithIec},     // IECEngine
}};

CSystemLogOfflineSettingDlg::CSystemLogOfflineSettingDlg(IPageHost* host) : CSettingsPage(kTemplateId, host, 0)
{
    const AsIndex levels{twoTexts(kStringLevelLow, kStringLevelHigh)};
    for (const Row& row : kRows) {
        Bindings().Bind(row.debugCheck, row.label, &LogEnableTable::Entries,
                        OfElement(static_cast<std::size_t>(row.entry), &LogEnableEntry::debugFlag, AsCheck{}));
        if (row.levelCombo.id != 0)
            Bindings().Bind(row.levelCombo, row.label, &LogEnableTable::Entries,
                            OfElement(static_cast<std::size_t>(row.entry), &LogEnableEntry::level, levels));
    }
    Bindings().Bind(kComboStorage, kRows[LogEnableTable::kSystemLog].label, &LogEnableTable::Entries,
                    OfElement(LogEnableTable::kSystemLog, &LogEnableEntry::storage,
                              AsIndex{twoTexts(kStringStorageOff, kStringStorageOn)}));
}

std::vector<ControlId> CSystemLogOfflineSettingDlg::Controls()
{
    std::vector<ControlId> controls{kComboStorage, kStaticStorage, kButtonApply};
    for (const Row& row : kRows) {
        controls.insert(controls.end(), {row.label, row.debugCheck});
        if (row.levelCombo.id != 0)
            controls.push_back(row.levelCombo);
    }
    return controls;
}

bool CSystemLogOfflineSettingDlg::OnInitDialog()
{
    LayoutListPage({});
    onClicked(kButtonApply, [this] { onApply(); });
    return true;
}

LogEnableTable CSystemLogOfflineSettingDlg::ReadRecord(const CDataCenter& model) const
{
    return model.LogEnable;
}

void CSystemLogOfflineSettingDlg::WriteRecord(CDataCenter& model, const LogEnableTable& table)
{
    // The service ids are the table's own; the page changes flags, levels and the storage only.
    for (int entry = 0; entry < LogEnableTable::kEntryCount; ++entry) {
        LogEnableEntry& stored = model.LogEnable.Entries[entry];
        const LogEnableEntry& edited = table.Entries[entry];
        stored.debugFlag = edited.debugFlag;
        stored.level = edited.level;
        if (entry == LogEnableTable::kSystemLog)
            stored.storage = edited.storage;
    }
    model.MarkModified();
}

QString CSystemLogOfflineSettingDlg::AppliedLogLine() const
{
    return QString::fromUtf8(kAppliedLogLine);
}

void CSystemLogOfflineSettingDlg::OnRecordShown()
{
    setItemText(kStaticStorage, QString::fromUtf8(kStorageName));
    for (const Row& row : kRows) {
        const bool shown = isRowShown(row.shown);
        for (int id : {row.label.id, row.debugCheck.id, row.levelCombo.id})
            showItem(id, shown);
    }
    // Rows shown again take their places now, hidden ones leave no gap.
    if (QLayout* rows = layout())
        rows->activate();
}

bool CSystemLogOfflineSettingDlg::isRowShown(Shown shown) const
{
    const CDataCenter* model = GetDataCenter();
    if (!model)
        return shown == Shown::Always;
    switch (shown) {
    case Shown::Always:
        return true;
    case Shown::WithCellular:
        return model->HasHSPA() != 0;
    case Shown::WithRestful:
        return model->IsRESTfulSupported() != 0;
    case Shown::WithDnp3:
        return !model->GetResourceName(kDnp3OutstationResourceId).isEmpty();
    case Shown::WithIec:
        return model->IsIECMode() != 0;
    }
    return true;
}

bool CSystemLogOfflineSettingDlg::isServiceEntry(int entry)
{
    return entry != LogEnableTable::kSystemLog && entry != LogEnableTable::kIECEngine;
}

void CSystemLogOfflineSettingDlg::onApply()
{
    int serviceFlags = 0;
    for (const Row& row : kRows) {
        if (isServiceEntry(row.entry) && isItemChecked(row.debugCheck))
            ++serviceFlags;
    }
    if (serviceFlags > kMaxServiceDebugFlags) {
        ShowMessageBox(LoadLangString(kStringTooManyDebugFlags), MB_OK | MB_ICONWARNING);
        for (const Row& row : kRows) {
            if (isServiceEntry(row.entry))
                checkItem(row.debugCheck, false);
        }
        return;
    }
    Apply();
}

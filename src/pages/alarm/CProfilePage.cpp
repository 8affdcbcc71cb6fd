#include "CProfilePage.h"

#include "PageConversions.h"

using namespace DataLogProfileIds;

namespace {

constexpr int kNameLength = 64;

QString rangeText(const char* unit, const SettingTriple& range)
{
    const QString span = QStringLiteral("(%1-%2)").arg(range.minimum).arg(range.maximum);
    return unit ? QString::fromLatin1(unit) + ' ' + span : span;
}

} // namespace

CProfilePage::CProfilePage() : CEntryTab(kTemplate)
{
    using P = DATA_LOG_PROFILE_SETTINGS;
    profile_.Bind(kEditName, kLabelName, &P::Name, AsText{kNameLength})
        .Bind(kEditInterval, kLabelInterval, &P::LogInterval, AsNumber{ranges_.ProfileLogIntervalValue})
        .Bind(kEditFreeStorage, kLabelFreeStorage, &P::FreeStorageForLogging, AsNumber{ranges_.FreeStorageForLogValue})
        .Bind(kEditSplitInterval, kRadioSplitByTime, &P::FileSplitInterval, AsNumber{ranges_.SeperatedIntervalValue})
        .Bind(kEditRecordsPerFile, kRadioSplitByRecords, &P::RecordsPerFile, AsNumber{ranges_.RecordsPerFileValue});
}

bool CProfilePage::OnInitDialog()
{
    setItemText(kRangeInterval, rangeText("sec(s)", ranges_.ProfileLogIntervalValue));
    setItemText(kRangeFreeStorage, rangeText(nullptr, ranges_.FreeStorageForLogValue));
    setItemText(kRangeSplitInterval, rangeText("min(s)", ranges_.SeperatedIntervalValue));
    setItemText(kRangeRecordsPerFile, rangeText(nullptr, ranges_.RecordsPerFileValue));
    onClicked(kCheckInterval, [this] { onIntervalClicked(); });
    onClicked(kRadioSplitByTime, [this] { updateEnabledStates(); });
    onClicked(kRadioSplitByRecords, [this] { updateEnabledStates(); });
    for (int id : {kEditStartStopTag, kEditTriggerTag, kEditStatusTag})
        enableItem(id, false);
    return true;
}

void CProfilePage::ShowEntry(const DATA_LOG_ITEM_SETTINGS& entry)
{
    const DATA_LOG_PROFILE_SETTINGS& profile = entry.Profile;
    profile_.Fill(*this, profile);
    checkItem(kCheckInterval, profile.LogCondition & kLogAtInterval);
    checkItem(kCheckCondition2, profile.LogCondition & kCondition2);
    checkItem(kCheckCondition3, profile.LogCondition & kCondition3);
    // A fresh profile has neither split on and shows splitting by time.
    const bool byRecords = profile.RecordsEnable != 0;
    checkItem(kRadioSplitByTime, !byRecords);
    checkItem(kRadioSplitByRecords, byRecords);
    updateEnabledStates();
}

void CProfilePage::Gather(DATA_LOG_ITEM_SETTINGS& entry) const
{
    DATA_LOG_PROFILE_SETTINGS& profile = entry.Profile;
    profile_.Store(*this, profile);
    profile.LogCondition = (isItemChecked(kCheckInterval) ? kLogAtInterval : 0) |
                           (isItemChecked(kCheckCondition2) ? kCondition2 : 0) |
                           (isItemChecked(kCheckCondition3) ? kCondition3 : 0);
    const bool byRecords = isItemChecked(kRadioSplitByRecords);
    profile.FileSplitEnable = byRecords ? 0 : 1;
    profile.RecordsEnable = byRecords ? 1 : 0;
}

void CProfilePage::ShowTagNames(const QStringList& names)
{
    const int fields[] = {kEditStartStopTag, kEditTriggerTag, kEditStatusTag};
    for (int i = 0; i < 3; ++i)
        setItemText(fields[i], names.value(i));
}

void CProfilePage::onIntervalClicked()
{
    // Without interval logging the edit shows the default again.
    if (!isItemChecked(kCheckInterval))
        setItemText(kEditInterval, QString::number(ranges_.ProfileLogIntervalValue.defaultValue));
    updateEnabledStates();
}

void CProfilePage::updateEnabledStates()
{
    enableItem(kEditInterval, isItemChecked(kCheckInterval));
    const bool byRecords = isItemChecked(kRadioSplitByRecords);
    enableItem(kEditSplitInterval, !byRecords);
    enableItem(kRangeSplitInterval, !byRecords);
    enableItem(kEditRecordsPerFile, byRecords);
    enableItem(kRangeRecordsPerFile, byRecords);
    if (byRecords)
        checkItem(kCheckTimeGroup, false);
    else
        checkItem(kCheckRecordGroup, false);
}

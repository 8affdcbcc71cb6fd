#pragma once
// The "Profile" tab of the data-logging page (template 155): the profile's name, its log
// conditions, interval and free storage, how the log files are split, and (read-only) the names of
// its start/stop, trigger and status tags. It edits the page's working profile; the page
// validates and writes it.

#include "DATA_LOG_SETTINGS.h"
#include "EntryTabs.h"

#include <QStringList>

namespace DataLogProfileIds {
inline constexpr unsigned kTemplate = 155;
inline constexpr ControlId kLabelName{2220, ControlType::Static};
inline constexpr ControlId kEditName{2225, ControlType::Edit};
inline constexpr ControlId kCheckInterval{3674, ControlType::CheckBox};
inline constexpr ControlId kCheckCondition2{3676, ControlType::CheckBox};
inline constexpr ControlId kCheckCondition3{3679, ControlType::CheckBox};
inline constexpr ControlId kLabelInterval{2272, ControlType::Static};
inline constexpr ControlId kEditInterval{2275, ControlType::Edit};
inline constexpr ControlId kRangeInterval{2279, ControlType::Static};
inline constexpr ControlId kLabelFreeStorage{2578, ControlType::Static};
inline constexpr ControlId kEditFreeStorage{1304, ControlType::Edit};
inline constexpr ControlId kRangeFreeStorage{2622, ControlType::Static};
inline constexpr ControlId kRadioSplitByTime{1056, ControlType::Radio};
inline constexpr ControlId kEditSplitInterval{2243, ControlType::Edit};
inline constexpr ControlId kRangeSplitInterval{2246, ControlType::Static};
inline constexpr ControlId kCheckTimeGroup{2248, ControlType::CheckBox};
inline constexpr ControlId kRadioSplitByRecords{1058, ControlType::Radio};
inline constexpr ControlId kEditRecordsPerFile{2697, ControlType::Edit};
inline constexpr ControlId kRangeRecordsPerFile{2782, ControlType::Static};
inline constexpr ControlId kCheckRecordGroup{3611, ControlType::CheckBox};
inline constexpr ControlId kEditStartStopTag{3582, ControlType::Edit};
inline constexpr ControlId kEditTriggerTag{3583, ControlType::Edit};
inline constexpr ControlId kEditStatusTag{3587, ControlType::Edit};
inline constexpr ControlId kControls[] = {
    kLabelName,           kEditName,           kCheckInterval,       kCheckCondition2,    kCheckCondition3,
    kLabelInterval,       kEditInterval,       kRangeInterval,       kLabelFreeStorage,   kEditFreeStorage,
    kRangeFreeStorage,    kRadioSplitByTime,   kEditSplitInterval,   kRangeSplitInterval, kCheckTimeGroup,
    kRadioSplitByRecords, kEditRecordsPerFile, kRangeRecordsPerFile, kCheckRecordGroup,   kEditStartStopTag,
    kEditTriggerTag,      kEditStatusTag};
} // namespace DataLogProfileIds

class CProfilePage : public CEntryTab<DATA_LOG_ITEM_SETTINGS> {
    Q_OBJECT
public:
    // Log-condition mask bits.
    static constexpr qint32 kLogAtInterval = 0x1;
    static constexpr qint32 kCondition2 = 0x2;
    static constexpr qint32 kCondition3 = 0x4;

    CProfilePage();

    void ShowEntry(const DATA_LOG_ITEM_SETTINGS& entry) override;
    void Gather(DATA_LOG_ITEM_SETTINGS& entry) const override;
    std::vector<ControlId> BoundControls() const override { return profile_.Controls(); }
    // The page checks the profile in its own stages.
    bool Validate(ValidationReport&) const override { return true; }

    // Start/stop, trigger and status tag names.
    void ShowTagNames(const QStringList& names);

protected:
    bool OnInitDialog() override;

private:
    void onIntervalClicked();
    void updateEnabledStates();

    DATA_LOG_PROFILE_SETTINGS ranges_; // a fresh part: its triples and defaults
    PageBindings<DATA_LOG_PROFILE_SETTINGS> profile_;
};

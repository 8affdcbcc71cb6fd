#pragma once
// The "Profile" tab of the high-speed data-logging page (template 816): the profile's name, its
// description, the tag that starts the logging (or a new one made on the spot) and the number of
// log files. It edits the page's working profile and checks its own fields; the page checks the
// name against the other profiles.

#include "BusyFlag.h"
#include "EntryTabs.h"
#include "HS_DATA_LOG_ITEM_SETTINGS.h"
#include "ProfileTagCombo.h"

#include <functional>

class CDataCenter;

namespace HsProfileIds {
inline constexpr unsigned kTemplate = 816;
inline constexpr ControlId kLabelName{3480, ControlType::Static};
inline constexpr ControlId kLabelDescription{3481, ControlType::Static};
inline constexpr ControlId kEditName{3482, ControlType::Edit};
inline constexpr ControlId kEditDescription{3483, ControlType::Edit};
inline constexpr ControlId kLabelTrigger{3484, ControlType::Static};
inline constexpr ControlId kLabelTriggerNote{3500, ControlType::Static};
inline constexpr ControlId kComboTrigger{3486, ControlType::DropDown};
inline constexpr ControlId kLabelFileCount{3488, ControlType::Static};
inline constexpr ControlId kEditFileCount{3489, ControlType::Edit};
inline constexpr ControlId kRangeFileCount{3490, ControlType::Static};
inline constexpr ControlId kControls[] = {kLabelName,     kLabelDescription, kEditName,     kEditDescription,
                                          kLabelTrigger,  kLabelTriggerNote, kComboTrigger, kLabelFileCount,
                                          kEditFileCount, kRangeFileCount};
} // namespace HsProfileIds

class CHSProfilePage : public CEntryTab<HS_DATA_LOG_ITEM_SETTINGS> {
    Q_OBJECT
public:
    using ModelSource = std::function<const CDataCenter*()>;

    explicit CHSProfilePage(ModelSource model);

    void SetTagCreator(ProfileTagCombo::Creator creator) { creator_ = std::move(creator); }

    void ShowEntry(const HS_DATA_LOG_ITEM_SETTINGS& entry) override;
    void Gather(HS_DATA_LOG_ITEM_SETTINGS& entry) const override;
    std::vector<ControlId> BoundControls() const override { return profile_.Controls(); }
    // The description's length, a trigger text that names no tag, the file count's range.
    bool Validate(ValidationReport& report) const override;

    QString NameText() const { return itemText(HsProfileIds::kEditName); }

protected:
    bool OnInitDialog() override;
    void showEvent(QShowEvent* event) override;

private:
    void fillTrigger(const QString& address);
    void onTriggerChosen();

    ModelSource model_;
    ProfileTagCombo::Creator creator_;
    ProfileTagCombo trigger_;
    HS_DATA_LOG_PROFILE_SETTINGS ranges_; // a fresh part: its triple
    PageBindings<HS_DATA_LOG_PROFILE_SETTINGS> profile_;
    BusyFlag busy_;
};

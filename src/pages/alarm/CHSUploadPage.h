#pragma once
// The "FTP Upload Tags" tab of the high-speed data-logging page (template 817): the FTP server the
// log files go to (one of the project's FTP servers), the tags that start an upload and report
// its state (or new ones made on the spot), the tries and the time-out of each try.

#include "BusyFlag.h"
#include "EntryTabs.h"
#include "HS_DATA_LOG_ITEM_SETTINGS.h"
#include "ProfileTagCombo.h"

#include <functional>

class CDataCenter;

namespace HsUploadIds {
inline constexpr unsigned kTemplate = 817;
inline constexpr ControlId kComboServer{3499, ControlType::DropList};
inline constexpr ControlId kComboTrigger{3498, ControlType::DropList};
inline constexpr ControlId kComboStatus{3462, ControlType::DropList};
inline constexpr ControlId kLabelTries{3466, ControlType::Static};
inline constexpr ControlId kEditTries{3467, ControlType::Edit};
inline constexpr ControlId kRangeTries{3469, ControlType::Static};
inline constexpr ControlId kLabelTimeout{3465, ControlType::Static};
inline constexpr ControlId kEditTimeout{3468, ControlType::Edit};
inline constexpr ControlId kRangeTimeout{3470, ControlType::Static};
inline constexpr ControlId kControls[] = {kComboServer, kComboTrigger, kComboStatus, kLabelTries,  kEditTries,
                                          kRangeTries,  kLabelTimeout, kEditTimeout, kRangeTimeout};
} // namespace HsUploadIds

class CHSUploadPage : public CEntryTab<HS_DATA_LOG_ITEM_SETTINGS> {
    Q_OBJECT
public:
    using ModelSource = std::function<const CDataCenter*()>;

    explicit CHSUploadPage(ModelSource model);

    void SetTagCreator(ProfileTagCombo::Creator creator) { creator_ = std::move(creator); }

    void ShowEntry(const HS_DATA_LOG_ITEM_SETTINGS& entry) override;
    void Gather(HS_DATA_LOG_ITEM_SETTINGS& entry) const override;
    std::vector<ControlId> BoundControls() const override { return upload_.Controls(); }
    // The tries and the time-out within their ranges.
    bool Validate(ValidationReport& report) const override;

protected:
    bool OnInitDialog() override;
    void showEvent(QShowEvent* event) override;

private:
    void fill(const HS_DATA_LOG_UPLOAD_SETTINGS& upload);
    void fillServers(const QString& chosen);
    void fillTagCombos(const QString& trigger, const QString& status);
    void refillTagCombos();
    void onTagChosen(int comboId, const ProfileTagCombo& tags);

    ModelSource model_;
    ProfileTagCombo::Creator creator_;
    ProfileTagCombo triggers_;
    ProfileTagCombo states_;
    HS_DATA_LOG_UPLOAD_SETTINGS ranges_; // a fresh part: its triples
    PageBindings<HS_DATA_LOG_UPLOAD_SETTINGS> upload_;
    BusyFlag busy_;
};

#pragma once
// The "FTP Upload Tags" tab of the data-logging page (template 157): the FTP server, port and
// account the log files go to, the retries, and (read-only) the names of the profile's FTP
// trigger and FTP status tags. It edits the page's working profile; the page validates it.

#include "DATA_LOG_SETTINGS.h"
#include "EntryTabs.h"

#include <QStringList>

namespace DataLogUploadIds {
inline constexpr unsigned kTemplate = 157;
inline constexpr ControlId kLabelServer{3584, ControlType::Static};
inline constexpr ControlId kEditServer{3585, ControlType::Edit};
inline constexpr ControlId kLabelPort{3588, ControlType::Static};
inline constexpr ControlId kEditPort{3589, ControlType::Edit};
inline constexpr ControlId kRangePort{3247, ControlType::Static};
inline constexpr ControlId kLabelUser{3590, ControlType::Static};
inline constexpr ControlId kEditUser{3591, ControlType::Edit};
inline constexpr ControlId kEditPassword{3593, ControlType::Edit};
inline constexpr ControlId kEditConfirm{3595, ControlType::Edit};
inline constexpr ControlId kLabelRetryCount{3592, ControlType::Static};
inline constexpr ControlId kEditRetryCount{2841, ControlType::Edit};
inline constexpr ControlId kRangeRetryCount{1280, ControlType::Static};
inline constexpr ControlId kLabelRetryDelay{3594, ControlType::Static};
inline constexpr ControlId kEditRetryDelay{2850, ControlType::Edit};
inline constexpr ControlId kRangeRetryDelay{3255, ControlType::Static};
inline constexpr ControlId kEditFtpTriggerTag{3596, ControlType::Edit};
inline constexpr ControlId kEditFtpStatusTag{3598, ControlType::Edit};
inline constexpr ControlId kControls[] = {
    kLabelServer,     kEditServer,     kLabelPort,       kEditPort,          kRangePort,       kLabelUser,
    kEditUser,        kEditPassword,   kEditConfirm,     kLabelRetryCount,   kEditRetryCount,  kRangeRetryCount,
    kLabelRetryDelay, kEditRetryDelay, kRangeRetryDelay, kEditFtpTriggerTag, kEditFtpStatusTag};
} // namespace DataLogUploadIds

class CUploadPage : public CEntryTab<DATA_LOG_ITEM_SETTINGS> {
    Q_OBJECT
public:
    // User name, password and its confirmation.
    static constexpr int kAccountTextLength = 10;

    CUploadPage();

    void ShowEntry(const DATA_LOG_ITEM_SETTINGS& entry) override;
    void Gather(DATA_LOG_ITEM_SETTINGS& entry) const override;
    std::vector<ControlId> BoundControls() const override { return upload_.Controls(); }
    // The page checks the upload in its own stage.
    bool Validate(ValidationReport&) const override { return true; }

    // FTP trigger and FTP status tag names.
    void ShowTagNames(const QStringList& names);

protected:
    bool OnInitDialog() override;

private:
    DATA_LOG_UPLOAD_SETTINGS ranges_; // a fresh part: its triples
    PageBindings<DATA_LOG_UPLOAD_SETTINGS> upload_;
};

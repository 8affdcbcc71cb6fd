#pragma once
// The "Reconnection" tab of the cellular settings page: whether the controller checks its
// connection, the host or URL it checks and the retry interval in seconds. Unchecking the switch
// disables its controls but keeps their values, which GetFields still returns.

#include "CELLULAR_SETTINGS.h"
#include "ConfigFiles.h"
#include "ControlId.h"
#include "EntryTabs.h"
#include "ModuleRecords.h"

class ICellularTabHost;

namespace CellularReconnectionTab {
inline constexpr unsigned kTemplate = 539;
inline constexpr ControlId kCheckEnable{3299, ControlType::CheckBox};
inline constexpr ControlId kLabelAddress{3300, ControlType::Static};
inline constexpr ControlId kEditAddress{2676, ControlType::Edit};
inline constexpr ControlId kLabelAddressHint{3312, ControlType::Static};
inline constexpr ControlId kLabelInterval{3301, ControlType::Static};
inline constexpr ControlId kEditInterval{3303, ControlType::Edit};
inline constexpr ControlId kLabelIntervalRange{3304, ControlType::Static};
inline constexpr ControlId kLabelIntervalHint{3305, ControlType::Static};
inline constexpr ControlId kControls[] = {kCheckEnable,   kLabelAddress, kEditAddress,        kLabelAddressHint,
                                          kLabelInterval, kEditInterval, kLabelIntervalRange, kLabelIntervalHint};
} // namespace CellularReconnectionTab

class CCellularReconnectionPage : public CEntryTab<CellularConfig> {
public:
    explicit CCellularReconnectionPage(ICellularTabHost& host);

    void SetFields(int enabled, const CELLULAR_SETTINGS& fields);
    void GetFields(CELLULAR_SETTINGS& fields) const;
    SettingTriple GetRetryRange() const { return retryRange_; }

    void ShowEntry(const CellularConfig& entry) override
    {
        SetFields(entry.AutoCheck.AutoCheckEnable, entry.AutoCheck);
    }
    void Gather(CellularConfig& entry) const override { GetFields(entry.AutoCheck); }

protected:
    bool OnInitDialog() override;
    void showEvent(QShowEvent* event) override;

private:
    void enableByCheckBox();

    ICellularTabHost& host_;
    SettingTriple retryRange_;
};

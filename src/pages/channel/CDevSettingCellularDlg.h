#pragma once
// The cellular module page: hosts the "Setting" and "Reconnection" tabs over the module's
// cellular configuration, lists the module's tags, and on Apply checks both tabs together (one
// box with every failing line) before it writes the configuration.

#include "CPropertyUIDialog.h"
#include "ControlId.h"
#include "ICellularTabHost.h"
#include "ModuleRecords.h"

class CCellularSettingPage;
class CCellularReconnectionPage;

namespace CellularPage {
inline constexpr unsigned kTemplate = 820;
inline constexpr ControlId kTabs{3886, ControlType::Tab};
inline constexpr ControlId kListTags{1071, ControlType::List};
inline constexpr ControlId kGroupTags{1127, ControlType::GroupBox};
inline constexpr ControlId kButtonApply{1066, ControlType::Button};
inline constexpr ControlId kControls[] = {kTabs, kListTags, kGroupTags, kButtonApply};
inline constexpr ControlId kLabelApn{2638, ControlType::Static}; // of the "Setting" tab
} // namespace CellularPage

class CDevSettingCellularDlg : public CPropertyUIDialog, public ICellularTabHost {
public:
    static constexpr unsigned kStringPasswordsDiffer = 579;
    static constexpr unsigned kStringApplied = 678;
    static constexpr unsigned kStringTagColumnName = 369;
    static constexpr unsigned kStringTagColumnType = 366;

    explicit CDevSettingCellularDlg(IPageHost* host);

    QString GetModelKey() const override { return modelKey_; }
    void NotifyTabChange() override {}

    bool Apply();
    CCellularSettingPage* SettingTab() const { return setting_; }
    CCellularReconnectionPage* ReconnectionTab() const { return reconnection_; }

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;

private:
    void fillTagList();
    // One line per failing rule of the gathered configuration.
    QStringList failingLines(const CellularConfig& config) const;

    CellularRecord record_;
    QString modelKey_;
    CCellularSettingPage* setting_ = nullptr;           // owned by the tab control
    CCellularReconnectionPage* reconnection_ = nullptr; // owned by the tab control
};

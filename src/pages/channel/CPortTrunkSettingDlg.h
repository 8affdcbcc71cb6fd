#pragma once
// The two-port serial module page: tells which wire mode the project uses, that the hardware is
// set to match, and links to the help page of that mode. It writes nothing.

#include "CPropertyUIDialog.h"
#include "ControlId.h"
#include "ModuleRecords.h"
#include "PortTrunkHelp.h"

namespace PortTrunkPage {
inline constexpr unsigned kTemplate = 1503;
inline constexpr ControlId kLinkHelp{3753, ControlType::Hyperlink};
inline constexpr ControlId kLabelMode{3755, ControlType::Static};
inline constexpr ControlId kLabelHelp{3756, ControlType::Static};
inline constexpr ControlId kControls[] = {kLinkHelp, kLabelMode, kLabelHelp};
} // namespace PortTrunkPage

class CPortTrunkSettingDlg : public CPropertyUIDialog {
public:
    static inline const QString kTrunkModeText =
        QStringLiteral("41M-3302U-T is in 2 wire trunk mode now.Please make sure the hardware setting is completed "
                       "then 41M-3302U-T can operate in 2 wire trunk mode normally.");
    static inline const QString kTwoWireModeText =
        QStringLiteral("41M-3302U-T is in 2 wire mode now.Please make sure the hardware setting is completed then "
                       "41M-3302U-T can operate in 2 wire mode normally.");
    static inline const QString kHelpText = QStringLiteral("The detail of hardware setting you can find in help.");
    static inline const QString kLinkText = QStringLiteral("Help Link");

    explicit CPortTrunkSettingDlg(IPageHost* host);

    const PortTrunkHelp::Targets& HelpTargets() const { return help_; }

protected:
    void OnPageShown() override;

private:
    SlotPortRecord record_;
    PortTrunkHelp::Targets help_;
};

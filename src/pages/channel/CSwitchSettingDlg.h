#pragma once
// The Ethernet switch module page: the switch is set up in a browser at its default address.
// It writes nothing.

#include "CPropertyUIDialog.h"
#include "ControlId.h"
#include "ModuleRecords.h"

namespace SwitchPage {
inline constexpr unsigned kTemplate = 1523;
inline constexpr ControlId kLabelSetUp{3777, ControlType::Static};
inline constexpr ControlId kLabelAddress{3778, ControlType::Static};
inline constexpr ControlId kLink{3779, ControlType::Hyperlink};
inline constexpr ControlId kControls[] = {kLabelSetUp, kLabelAddress, kLink};
} // namespace SwitchPage

class CSwitchSettingDlg : public CPropertyUIDialog {
public:
    static inline const QString kSetUpText =
        QStringLiteral("To setup the 41M-3320M-T (Ostrel), please log in the switch module in the browser.");
    static inline const QString kAddressText = QStringLiteral("The default IP is 192.168.127.253.");

    explicit CSwitchSettingDlg(IPageHost* host);

protected:
    void OnPageShown() override;

private:
    SlotPortRecord record_;
};

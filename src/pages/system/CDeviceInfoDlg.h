#pragma once
// The controller's own name and the place it is installed: two free texts of the project, stored
// on Apply.

#include "CPropertyUIDialog.h"
#include "ControlId.h"

namespace DeviceInfoIds {
inline constexpr unsigned kTemplate = 200;
inline constexpr ControlId kEditModuleName{2855, ControlType::Edit};
inline constexpr ControlId kEditModuleLocation{2866, ControlType::Edit};
inline constexpr ControlId kButtonApply{3033, ControlType::Button};
inline constexpr ControlId kControls[] = {kEditModuleName, kEditModuleLocation, kButtonApply};
inline constexpr int kTextLimit = 64;
} // namespace DeviceInfoIds

class CDeviceInfoDlg : public CPropertyUIDialog {
    Q_OBJECT
public:
    explicit CDeviceInfoDlg(IPageHost* host);

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;

private:
    void OnApply();
};

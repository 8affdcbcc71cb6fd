#pragma once
// The toggle switch of the controller, on or off.

#include "CDataCenter.h"
#include "CSwitchSettingPage.h"

class CToggleSWSettingDlg : public CSwitchSettingPage {
public:
    static constexpr unsigned kTemplateId = 690;

    explicit CToggleSWSettingDlg(IPageHost* host)
        : CSwitchSettingPage(kTemplateId, host, &CDataCenter::ToggleSwitchEnable,
                             QStringLiteral("[Toggle Switch] Apply setting successfully"))
    {}
};

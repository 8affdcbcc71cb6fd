#pragma once
// The rotary switch of the controller, on or off.

#include "CDataCenter.h"
#include "CSwitchSettingPage.h"

class CRotarySWSettingDlg : public CSwitchSettingPage {
public:
    static constexpr unsigned kTemplateId = 1500;

    explicit CRotarySWSettingDlg(IPageHost* host)
        : CSwitchSettingPage(kTemplateId, host, &CDataCenter::RotarySwitchEnable,
                             QStringLiteral("[Rotary Switch] Apply setting successfully"))
    {}
};

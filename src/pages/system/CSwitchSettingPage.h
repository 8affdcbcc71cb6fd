#pragma once
// A page that switches one hardware control of the controller on or off: one check box bound to
// one int flag of the model, written on Apply with the page's log line. The rotary and the toggle
// switch pages are this page over their own template, flag and log line.

#include "CSettingsPage.h"
#include "ControlId.h"

#include <QString>

class CDataCenter;

// The switch state the page edits: 1 enabled, 0 disabled.
struct SwitchState {
    qint32 Enable = 0;
    friend bool operator==(const SwitchState&, const SwitchState&) = default;
};

class CSwitchSettingPage : public CSettingsPage<SwitchState> {
public:
    static constexpr ControlId kCheckEnable{1068, ControlType::CheckBox};
    static constexpr ControlId kButtonApply{1120, ControlType::Button};
    static constexpr ControlId kControls[] = {kCheckEnable, kButtonApply};

    using ModelFlag = int CDataCenter::*;

protected:
    CSwitchSettingPage(unsigned templateId, IPageHost* host, ModelFlag flag, QString appliedLogLine);

    SwitchState ReadRecord(const CDataCenter& model) const override;
    void WriteRecord(CDataCenter& model, const SwitchState& state) override;
    QString AppliedLogLine() const override { return appliedLogLine_; }
    bool OnInitDialog() override;

private:
    ModelFlag flag_;
    QString appliedLogLine_;
};

#include "CSwitchSettingPage.h"

#include "CDataCenter.h"
#include "PageConversions.h"

CSwitchSettingPage::CSwitchSettingPage(unsigned templateId, IPageHost* host, ModelFlag flag, QString appliedLogLine)
    : CSettingsPage(templateId, host, kButtonApply), flag_(flag), appliedLogLine_(std::move(appliedLogLine))
{
    Bindings().Bind(kCheckEnable, kCheckEnable, &SwitchState::Enable, AsCheck{});
}

bool CSwitchSettingPage::OnInitDialog()
{
    LayoutListPage({});
    return true;
}

SwitchState CSwitchSettingPage::ReadRecord(const CDataCenter& model) const
{
    return {model.*flag_};
}

void CSwitchSettingPage::WriteRecord(CDataCenter& model, const SwitchState& state)
{
    model.*flag_ = state.Enable;
    model.MarkModified();
}

#include "CSwitchSettingDlg.h"

#include "CDataCenter.h"

using namespace SwitchPage;

CSwitchSettingDlg::CSwitchSettingDlg(IPageHost* host) : CPropertyUIDialog(kTemplate, host)
{}

void CSwitchSettingDlg::OnPageShown()
{
    if (const CDataCenter* model = GetDataCenter())
        model->GetSwitchSetting(GetNodeInfo().slotIndex, record_);
    setItemText(kLabelSetUp, kSetUpText);
    setItemText(kLabelAddress, kAddressText);
}

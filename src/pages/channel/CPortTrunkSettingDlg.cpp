#include "CPortTrunkSettingDlg.h"

#include "CDataCenter.h"
#include "CHyperlinkStatic.h"

using namespace PortTrunkPage;

CPortTrunkSettingDlg::CPortTrunkSettingDlg(IPageHost* host) : CPropertyUIDialog(kTemplate, host)
{}

void CPortTrunkSettingDlg::OnPageShown()
{
    const CDataCenter* model = GetDataCenter();
    if (!model)
        return;
    model->GetPortTrunkSetting(GetNodeInfo().slotIndex, record_);
    help_ = PortTrunkHelp::Read();
    const bool trunk = model->PortTrunkMode != 0;
    setItemText(kLabelMode, trunk ? kTrunkModeText : kTwoWireModeText);
    setItemText(kLabelHelp, kHelpText);
    // Opened by the desktop's handler, never started as a program.
    auto* link = item<CHyperlinkStatic>(kLinkHelp);
    link->SetLink(kLinkText, trunk ? help_.trunk : help_.twoWire);
    link->SetFallbackTarget(help_.fallback);
}

#include "CMessageDlg.h"

#include "DeviceDialogIds.h"
#include "LanguagePack.h"

#include <QLayout>

namespace {

struct Notice {
    int command;
    unsigned stringId;
};

constexpr Notice kNotices[] = {
    {kCmdSendConfiguration, 236}, {kCmdRestart, 223},   {kCmdReset, 224},
    {kCmdReadConfiguration, 238}, {kCmdWarmReset, 566}, {kCmdIecReset, 768},
};

} // namespace

CMessageDlg::CMessageDlg(int commandId, int width, int height, QWidget* toolDialog)
    : COperationPanel(kTemplateMessage, commandId, width, height, toolDialog)
{}

unsigned CMessageDlg::NoticeStringId(int commandId)
{
    for (const Notice& notice : kNotices)
        if (notice.command == commandId)
            return notice.stringId;
    return 0;
}

bool CMessageDlg::OnInitDialog()
{
    // The notice fills the whole panel.
    if (layout())
        layout()->setContentsMargins(0, 0, 0, 0);
    if (commandId() == kCmdDiagnosticConsole) {
        showItem(kNoticeText, false);
        return true;
    }
    if (const unsigned stringId = NoticeStringId(commandId()))
        setItemText(kNoticeText, LoadLangString(stringId));
    return true;
}

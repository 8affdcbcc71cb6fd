// The main frame's device tools: each menu command runs the device tool dialog for its operation.

#include "CMainFrame.h"

#include "CConfigurationMessageDlg.h"
#include "CFileTransmissionDlg.h"
#include "CLogForm.h"
#include "CToolBaseDlg.h"
#include "ConfirmImportDlg.h"
#include "LanguagePack.h"
#include "MainFormIds.h"
#include "MessageBoxService.h"

#include <QApplication>

namespace {

constexpr unsigned kStringSaveBeforeSend = 706;

} // namespace

void CMainFrame::OnFileTransmission()
{
    CFileTransmissionDlg dialog(logForm_, this);
    dialog.DoModal();
}

void CMainFrame::RunDeviceOperation(int command)
{
    QString extraText;
    if (command == kCommandSendConfiguration) {
        if (!IsProjectEmpty() && PromptSaveProject(LanguagePack::String(kStringSaveBeforeSend)) != IDYES)
            return;
        extraText = projectPath_;
    }
    ToolDialogHooks hooks;
    hooks.confirmSend = [this] {
        ConfirmImportDlg confirm(this);
        return confirm.DoModal() == IDYES;
    };
    hooks.confirmLayout = [this](const std::vector<SlotConfigEntry>& entries) {
        // Over the tool dialog: a window over the frame would bring the frame in front of it.
        QWidget* over = QApplication::activeModalWidget();
        CConfigurationMessageDlg comparison(entries, over ? over : this);
        return comparison.DoModal() == IDOK;
    };
    hooks.lastDeviceAddress = lastDeviceIP_;
    hooks.connection.rememberAddress = [this](const QString& address) { SetLastDeviceIP(address); };
    CToolBaseDlg dialog(*model_, logForm_, command, extraText, std::move(hooks), this);
    dialog.DoModal();
}

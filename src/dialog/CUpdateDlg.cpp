#include "CUpdateDlg.h"

#include "DeviceDialogIds.h"
#include "FileDialogService.h"
#include "LanguagePack.h"

namespace {

constexpr const char* kAllFilesFilter = "all (*)";

unsigned browseTitle(int commandId)
{
    switch (commandId) {
    case kCmdModuleFirmware:
        return kStringBrowseModuleFirmware;
    case kCmdSendFileForProcessing:
        return kStringBrowseFileProcessing;
    default:
        return kStringBrowseConfiguration;
    }
}

} // namespace

CUpdateDlg::CUpdateDlg(int commandId, int width, int height, QWidget* toolDialog)
    : COperationPanel(kTemplateUpdate, commandId, width, height, toolDialog)
{}

QString CUpdateDlg::BrowseForFile(int commandId, const QString& current)
{
    const QString title = LoadLangString(browseTitle(commandId));
    const QString filter = QString::fromLatin1(kAllFilesFilter);
    return commandId == kCmdReadConfiguration ? ChooseSaveFile(title, current, filter)
                                              : ChooseOpenFile(title, current, filter);
}

bool CUpdateDlg::OnInitDialog()
{
    setItemText(kEditFilePath, QString());
    const unsigned caption =
        commandId() == kCmdModuleFirmware ? kStringCaptionModuleFirmware : kStringCaptionFileProcessing;
    setItemText(kStaticPanelCaption, LoadLangString(caption));
    onClicked(kButtonBrowseFile, [this] {
        const QString path = BrowseForFile(commandId(), ChosenPath());
        if (!path.isEmpty())
            SetPath(path);
    });
    return true;
}

QString CUpdateDlg::ChosenPath() const
{
    return itemText(kEditFilePath);
}

void CUpdateDlg::SetPath(const QString& path)
{
    setItemText(kEditFilePath, path);
}

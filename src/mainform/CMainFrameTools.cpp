// The main frame's module, preference and export commands.
#include "CMainFrame.h"

#include "CAddDeviceDlg.h"
#include "CDataCenter.h"
#include "CDeviceForm.h"
#include "CNetworkInterfaceDlg.h"
#include "CPreferenceDlg.h"
#include "FileDialogService.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr unsigned kStringTagDefinesFilter = 701;
constexpr unsigned kStringTagDefinesFailed = 702;
constexpr unsigned kStringTagDefinesExported = 703;

bool makeFolderOf(const QString& path)
{
    return QDir().mkpath(QFileInfo(path).absolutePath());
}

} // namespace

void CMainFrame::OnAddModule()
{
    CAddDeviceDlg dialog(*model_, this);
    if (dialog.DoModal() == IDOK)
        deviceForm_->AddModuleToSlot(dialog.GetModule(), dialog.GetSlot());
}

void CMainFrame::OnRemoveModule()
{
    deviceForm_->OnRemoveModule();
}

void CMainFrame::OnPreferences()
{
    CPreferenceDlg dialog(this);
    dialog.DoModal();
}

void CMainFrame::OnNetworkInterface()
{
    CNetworkInterfaceDlg dialog(CNetworkInterfaceDlg::ReadStoredInterface(), this);
    if (dialog.DoModal() != IDCANCEL)
        CNetworkInterfaceDlg::StoreInterface(dialog.GetChosenInterface());
}

void CMainFrame::OnExportTagDefines()
{
    const QString path = ChooseSaveFile(QString(), QString(), LanguagePack::String(kStringTagDefinesFilter));
    if (path.isEmpty())
        return;
    const bool exported = makeFolderOf(path) && model_->ExportTagDefines(path);
    ShowMessageBox(LanguagePack::String(exported ? kStringTagDefinesExported : kStringTagDefinesFailed),
                   exported ? MB_OK | MB_ICONINFORMATION : MB_OK | MB_ICONERROR);
}

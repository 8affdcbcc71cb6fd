// The ISaGRAF export: the workbench project folder is filled from the program's template, the tags
// go into its database, and the workbench may be started on it.
#include "CMainFrame.h"

#include "CDatabaseRW.h"
#include "CFolderDialog.h"
#include "ConfigFiles.h"
#include "IniFile.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "TextFormat.h"
#include "TraceLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>

namespace {

constexpr unsigned kStringFolderTitle = 398;
constexpr unsigned kStringStartWorkbench = 399;
constexpr unsigned kStringDatabaseFailed = 400;
constexpr unsigned kStringExportCaption = 401;
constexpr unsigned kStringErrorCaption = 402;
constexpr unsigned kStringNoWorkbench = 403;
constexpr unsigned kStringWorkbenchNotStarted = 404;
constexpr unsigned kStringCopyFailed = 9603; // folder

constexpr const char* kExportSection = "ISaGRAF";
constexpr const char* kExportPathKey = "ExportPath";
constexpr const char* kTemplateFolder = "ISaGRAF_Org";
constexpr const char* kSolutionFile = "tag_project.isasln";
constexpr const char* kDatabaseFile = "tag_project/tag_project/PrjLibrary.mdb";
// The workbench's own settings, kept in the program's settings store.
constexpr const char* kSettingsOrganisation = "Zerv";
constexpr const char* kSettingsApplication = "Pelandrix";
constexpr const char* kWorkbenchGroup = "SOFTWARE/ISaGRAF/Acp/1.1_Config/Initialization";
constexpr const char* kWorkbenchFolderValue = "RelativeRootFolderPath";
constexpr const char* kWorkbenchProgram = "Acp.exe";

void showError(unsigned id)
{
    ShowMessageBox(LanguagePack::String(id), LanguagePack::String(kStringErrorCaption), MB_OK | MB_ICONERROR);
}

// The workbench folder from its settings; empty when it is not installed.
QString workbenchFolder()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(kSettingsOrganisation),
                       QLatin1String(kSettingsApplication));
    settings.beginGroup(QLatin1String(kWorkbenchGroup));
    return settings.value(QLatin1String(kWorkbenchFolderValue)).toString();
}

} // namespace

QString CMainFrame::GetISaGRAFExportPath()
{
    const QString section = QLatin1String(kExportSection);
    const QString key = QLatin1String(kExportPathKey);
    const QString remembered = GetPrivateProfileString(section, key, QString(), ::GetProfilePath());
    if (!remembered.isEmpty())
        return remembered;
    const QString defaults = GetDefaultSettingsPath();
    return defaults.isEmpty() ? QString() : GetPrivateProfileString(section, key, QString(), defaults);
}

bool CMainFrame::SetISaGRAFExportPath(const QString& folder)
{
    return WritePrivateProfileString(QLatin1String(kExportSection), QLatin1String(kExportPathKey), folder,
                                     ::GetProfilePath());
}

bool CMainFrame::CopyFolder(const QString& destination, const QString& source)
{
    if (!QDir().mkpath(destination))
        return false;
    const QDir from(source);
    if (!from.exists())
        return true;
    const QFileInfoList entries = from.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString target = QDir(destination).filePath(entry.fileName());
        if (entry.isDir()) {
            if (entry.fileName().startsWith(u'.'))
                continue;
            if (!CopyFolder(target, entry.filePath()))
                return false;
        } else if (!QFileInfo::exists(target) && !QFile::copy(entry.filePath(), target)) {
            // Files already there stay as they are; a file that cannot be copied is only traced.
            TraceLog("%s:%d %s not copied", __FILE__, __LINE__, qUtf8Printable(target));
        }
    }
    return true;
}

void CMainFrame::OnExportISaGRAF()
{
    CFolderDialog chooser(LanguagePack::String(kStringFolderTitle), GetISaGRAFExportPath());
    if (chooser.DoModal() != IDOK)
        return;
    const QDir exportFolder(chooser.GetFolderPath());
    SetISaGRAFExportPath(exportFolder.path());
    if (!CopyFolder(exportFolder.path(), QDir(ProgramDirectory()).filePath(QLatin1String(kTemplateFolder)))) {
        ShowMessageBox(FormatLangString(kStringCopyFailed, exportFolder.path()), MB_OK | MB_ICONERROR);
        return;
    }
    const QString database = exportFolder.filePath(QLatin1String(kDatabaseFile));
    TraceLog("%s:%d call new CDatabaseRW", __FILE__, __LINE__);
    CDatabaseRW writer(model_.get());
    TraceLog("%s:%d call DeleteZervData()", __FILE__, __LINE__);
    if (!writer.DeleteZervData(database)) {
        showError(kStringDatabaseFailed);
        return;
    }
    TraceLog("%s:%d call AddZervData()", __FILE__, __LINE__);
    if (!writer.AddZervData(database)) {
        showError(kStringDatabaseFailed);
        return;
    }
    if (ShowMessageBox(LanguagePack::String(kStringStartWorkbench), LanguagePack::String(kStringExportCaption),
                       MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    const QString folder = workbenchFolder();
    if (folder.isEmpty()) {
        showError(kStringNoWorkbench);
        return;
    }
    const QString program = QDir(folder).filePath(QLatin1String(kWorkbenchProgram));
    if (!QProcess::startDetached(program, {exportFolder.filePath(QLatin1String(kSolutionFile))}))
        showError(kStringWorkbenchNotStarted);
}

// The main frame's project commands: new, open, save, save as, the question before a project is
// replaced or the program closes, and the three start-up actions.
#include "CMainFrame.h"

#include "CBatchSave.h"
#include "CDataCenter.h"
#include "CDeviceForm.h"
#include "CLogForm.h"
#include "CNewProjectDlg.h"
#include "CProjectLoader.h"
#include "CTemplatePlacer.h"
#include "FileDialogService.h"
#include "IniFile.h"
#include "LanguagePack.h"
#include "MainFormIds.h"
#include "MessageBoxService.h"
#include "ProfileKeys.h"
#include "ProjectPaths.h"
#include "TextFormat.h"
#include "TraceLog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

constexpr const char* kUnchangedTestFile = "unchanged.pelx";

QByteArray fileDigest(const QString& path, bool& readable)
{
    QFile file(path);
    readable = file.open(QIODevice::ReadOnly);
    QCryptographicHash hash(QCryptographicHash::Md5);
    if (readable)
        readable = hash.addData(&file);
    return hash.result();
}

QString projectFilter()
{
    return LanguagePack::String(CMainFrame::kStringProjectFilter);
}

} // namespace

// ---- common steps ----

void CMainFrame::EmptyProject()
{
    if (deviceForm_)
        deviceForm_->ClearTree();
    if (model_)
        model_->ResetProjectData();
}

void CMainFrame::AfterProjectChanged()
{
    UpdateChangeModuleMenu();
    RemoveISaGRAFMenu();
    UpdateCommandStates();
}

void CMainFrame::ProjectOpened(const QString& path, bool rememberAsLatest)
{
    model_->SetModified(0); // as read: nothing to save yet
    SetProjectTitle(path);
    if (logForm_)
        logForm_->AddLogLine(FormatLangString(kStringProjectOpened, path));
    if (rememberAsLatest)
        RememberLatestProject(profilePath_, path);
    AfterProjectChanged();
}

bool CMainFrame::LoadProject(const QString& path, int askFlag)
{
    CProjectLoader loader(*model_, deviceForm_);
    if (loader.LoadProjectFile(path, askFlag) >= 0)
        return true;
    ShowMessageBox(FormatLangString(kStringCannotLoad, path), MB_OK | MB_ICONERROR);
    EmptyProject();
    AfterProjectChanged();
    return false;
}

bool CMainFrame::SaveProjectTo(const QString& path, SaveNaming naming, bool rememberAsLatest)
{
    // The file carries the project's name, so the name changes first and comes back on failure.
    const QString oldName = model_->GetProjectName();
    if (naming == SaveNaming::FromFileName)
        model_->ProjectName = ProjectNameOf(path);
    if (!model_->SaveProject(path)) {
        model_->ProjectName = oldName;
        ShowMessageBox(FormatLangString(kStringSaveFailed, path), MB_OK | MB_ICONERROR);
        return false;
    }
    model_->SetModified(0);
    SetProjectTitle(path);
    if (rememberAsLatest)
        RememberLatestProject(profilePath_, path);
    return true;
}

QString CMainFrame::ChooseProjectSavePath(const QString& proposedName) const
{
    return ChooseSaveFile(QString(), proposedName, projectFilter());
}

// ---- the modified test and the question ----

bool CMainFrame::IsProjectUnchanged() const
{
    if (projectPath_.isEmpty() || !model_)
        return false;
    // A private folder: removed with everything in it when the test ends.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        TraceLog("%s:%d no temporary folder for the unchanged test", __FILE__, __LINE__);
        return false;
    }
    const QString written = folder.filePath(QLatin1String(kUnchangedTestFile));
    if (!model_->SaveProject(written))
        return false;
    if (QFileInfo(written).size() != QFileInfo(projectPath_).size())
        return false;
    bool writtenReadable = false;
    bool projectReadable = false;
    const QByteArray writtenDigest = fileDigest(written, writtenReadable);
    const QByteArray projectDigest = fileDigest(projectPath_, projectReadable);
    return writtenReadable && projectReadable && writtenDigest == projectDigest;
}

int CMainFrame::PromptSaveProject(const QString& question)
{
    if (IsProjectUnchanged())
        return IDYES;
    const int answer = ShowMessageBox(question, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDNO)
        return IDYES;
    if (answer != IDYES)
        return IDCANCEL;
    if (!projectPath_.isEmpty())
        return SaveProjectTo(projectPath_, SaveNaming::Keep, false) ? IDYES : IDCANCEL;
    const QString path = ChooseProjectSavePath(QString());
    if (path.isEmpty())
        return IDCANCEL;
    return SaveProjectTo(path, SaveNaming::FromFileName, false) ? IDYES : IDCANCEL;
}

// ---- the commands ----

void CMainFrame::OnFileNew()
{
    if (!IsProjectEmpty() && PromptSaveProject(LanguagePack::String(kStringSaveChanges)) != IDYES)
        return;
    CNewProjectDlg dialog(this);
    if (dialog.DoModal() == IDCANCEL)
        return;
    SetProjectTitle(QString());
    NewProjectChoice choice;
    choice.ProjectName = dialog.GetProjectName();
    choice.ModelName = dialog.GetModel();
    choice.SlotCount = dialog.GetSlotCount();
    choice.PowerModule = dialog.GetPowerModule();
    choice.SecondPowerModule = dialog.GetSecondPowerModule();
    // A template that cannot be placed leaves an empty project (the placer showed why).
    deviceForm_->NewProject(choice);
    model_->SetModified(0); // as built from its template: nothing to save yet
    AfterProjectChanged();
}

void CMainFrame::OnFileOpen()
{
    if (!IsProjectEmpty() && PromptSaveProject(LanguagePack::String(kStringSaveChanges)) != IDYES)
        return;
    const QString path = ChooseOpenFile(QString(), QString(), projectFilter());
    if (path.isEmpty())
        return;
    EmptyProject();
    SetProjectTitle(QString());
    if (!QFileInfo::exists(path)) {
        ShowMessageBox(FormatLangString(kStringFileMissing, path), MB_OK | MB_ICONERROR);
        AfterProjectChanged();
        return;
    }
    if (LoadProject(path, 1))
        ProjectOpened(path, true);
}

void CMainFrame::OnFileSave()
{
    if (!projectPath_.isEmpty()) {
        SaveProjectTo(projectPath_, SaveNaming::Keep, true);
        return;
    }
    const QString path = ChooseProjectSavePath(model_->GetProjectName());
    if (!path.isEmpty())
        SaveProjectTo(path, SaveNaming::FromFileName, true);
}

void CMainFrame::OnFileSaveAs()
{
    const QString path = ChooseProjectSavePath(model_->GetProjectName());
    if (!path.isEmpty())
        SaveProjectTo(path, SaveNaming::FromFileName, true);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!IsProjectEmpty() && PromptSaveProject(LanguagePack::String(kStringSaveChanges)) != IDYES) {
        event->ignore();
        return;
    }
    if (model_)
        model_->ResetProjectData();
    event->accept();
}

void CMainFrame::OnOpenLatestProject()
{
    const QString path = GetPrivateProfileString(QLatin1String(kProfilePreferenceSection),
                                                 QLatin1String(kProfileLatestProjectKey), QString(), profilePath_);
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        OnCommand(kCommandOpenProject);
        return;
    }
    EmptyProject();
    SetProjectTitle(QString());
    if (LoadProject(path, 1))
        ProjectOpened(path, true);
}

void CMainFrame::OnOpenCommandLineProject(const QString& path)
{
    EmptyProject();
    SetProjectTitle(QString());
    if (LoadProject(path, 1))
        ProjectOpened(path, false);
}

bool CMainFrame::OnBatchSave(const QStringList& arguments)
{
    return CBatchSave(profilePath_).Run(arguments);
}

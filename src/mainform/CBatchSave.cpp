#include "CBatchSave.h"

#include "CDataCenter.h"
#include "CMainFrame.h"
#include "CProjectLoader.h"
#include "MessageBoxService.h"
#include "ProjectPaths.h"
#include "TextFormat.h"

#include <memory>
#include <new>
#include <utility>

namespace {

void ShowError(unsigned stringId, const QString& path)
{
    ShowMessageBox(FormatLangString(stringId, path), MB_OK | MB_ICONERROR);
}

} // namespace

CBatchSave::CBatchSave(QString profilePath) : profilePath_(std::move(profilePath))
{}

bool CBatchSave::Run(const QStringList& arguments)
{
    const QString projectPath = arguments.value(1);
    const QString outputPath = arguments.value(2);
    try {
        const auto model = std::make_unique<CDataCenter>();
        return Save(*model, projectPath, outputPath);
    } catch (const std::bad_alloc&) {
        ShowError(kStringOutOfMemory, projectPath);
        return false;
    }
}

bool CBatchSave::Save(CDataCenter& model, const QString& projectPath, const QString& outputPath)
{
    // A device or pipe would be read without end, and a save renames over what it replaces.
    for (const QString& path : {projectPath, outputPath}) {
        if (IsSpecialFile(path)) {
            ShowError(kStringNotRegularFile, path);
            return false;
        }
    }
    if (projectPath.isEmpty() || CProjectLoader(model).LoadProjectFile(projectPath, 0) < 0) {
        ShowError(CMainFrame::kStringCannotLoad, projectPath);
        return false;
    }
    const QString savedPath = outputPath.isEmpty() ? projectPath : outputPath;
    if (!outputPath.isEmpty())
        model.ProjectName = ProjectNameOf(outputPath);
    if (!model.SaveProject(savedPath)) {
        ShowError(CMainFrame::kStringSaveFailed, savedPath);
        return false;
    }
    RememberLatestProject(profilePath_, savedPath);
    return true;
}

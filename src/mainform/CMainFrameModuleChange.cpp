// The main frame's change of a 4100 series controller's CPU module, slot count and power modules.
// The project is written to a private temporary folder before anything changes; a step that fails
// part-way loads that file back, so a failed change never leaves a half-changed project.
#include "CMainFrame.h"

#include "CChangeModuleDlg.h"
#include "CDataCenter.h"
#include "CDeviceForm.h"
#include "CLogForm.h"
#include "CProjectLoader.h"
#include "CTemplatePlacer.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "ModuleChange.h"
#include "ResultCodes.h"
#include "TextFormat.h"
#include "TraceLog.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <vector>

namespace {

constexpr const char* kSnapshotFile = "Snapshot.pelx";
constexpr const char* kUpdateFile = "UpdateCPU.xml";
constexpr int kFirstIOSlot = 1;

bool isNone(const QString& module)
{
    return module == kNoModule;
}

bool movesWithSlotCount(const QString& module)
{
    return IsPortTrunkModule(module) || IsSwitchModule(module);
}

// What differs between the project's modules and the wanted ones.
struct ModuleChangePlan {
    ModuleChoice current;
    ModuleChoice wanted;

    bool cpuChanges() const { return wanted.cpuModule != current.cpuModule; }
    bool powerChanges() const { return wanted.powerModule != current.powerModule; }
    bool slotCountChanges() const { return wanted.slotCount != current.slotCount; }
    bool secondPowerChanges() const
    {
        return (isNone(wanted.secondPowerModule) && !isNone(current.secondPowerModule)) ||
               wanted.secondPowerModule != current.secondPowerModule ||
               (!isNone(wanted.secondPowerModule) && slotCountChanges());
    }
    bool secondPowerLeaves() const { return secondPowerChanges() && !isNone(current.secondPowerModule); }
    bool secondPowerArrives() const
    {
        return !isNone(wanted.secondPowerModule) &&
               (wanted.secondPowerModule != current.secondPowerModule || slotCountChanges());
    }
    bool powerArrives() const { return powerChanges() && !isNone(wanted.powerModule); }
};

bool templateExists(bool isProduct, const QString& name)
{
    return !name.isEmpty() && QFileInfo::exists(CTemplatePlacer::TemplatePath(isProduct, name));
}

void showTemplateMissing(bool isProduct, const QString& name)
{
    ShowMessageBox(FormatLangString(CTemplatePlacer::kStringTemplateNotLoaded,
                                    QDir::toNativeSeparators(CTemplatePlacer::TemplatePath(isProduct, name))),
                   MB_OK | MB_ICONERROR);
}

// The tags of a power module's system registers, kept while the module is replaced so that the
// rebuilt tags of the same names get back their settings and service uses.
class SetAsideTags {
public:
    // False when a tag that the slot's definitions name is not in the tag table.
    bool Take(const CDataCenter& model, int slot)
    {
        ResourceGroupRecord registers;
        model.GetSlotSystemRegister(registers, slot);
        for (const TagDefinition& definition : registers.TagDefinitions) {
            if (definition.BoundTagName.isEmpty())
                continue;
            TagRecord tag;
            if (!model.LookupTagByName(definition.BoundTagName, tag)) {
                TraceLog("%s:%d tag %s of slot %d is missing", __FILE__, __LINE__,
                         qUtf8Printable(definition.BoundTagName), slot);
                return false;
            }
            tags_.push_back(std::move(tag));
        }
        return true;
    }

    // The rebuilt tag keeps its address and takes over everything else of the stored one.
    void GiveBack(CDataCenter& model) const
    {
        for (const TagRecord& stored : tags_) {
            TagRecord rebuilt;
            if (!model.LookupTagByName(stored.TagName, rebuilt))
                continue;
            TagRecord merged = stored;
            merged.SlotIndex = rebuilt.SlotIndex;
            merged.ChannelIndex = rebuilt.ChannelIndex;
            merged.ResourceType = rebuilt.ResourceType;
            merged.ResID = rebuilt.ResID;
            model.UpdateTag(rebuilt.ResID, merged);
        }
    }

private:
    std::vector<TagRecord> tags_;
};

// The product information of the new CPU, as a project of that product starts with it: its CPU35
// flag, slot 0's APID and module, the device name of the module information and the model type;
// the RESTful access enable is cleared, as not every CPU offers it.
bool LoadProductInfo(CDataCenter& model, const QString& cpuModule)
{
    CTemplatePlacer placer(model);
    if (!placer.LoadResXml(true, cpuModule))
        return false;
    const CTemplatePlacer::ProductAttributes product = placer.ReadProductAttributes(cpuModule);
    placer.ReleaseTemplate();
    model.SetCPU35Mode(product.cpu35);
    model.SetSlotApid(0, product.apid);
    model.SetSlotName(0, product.productText);
    ModuleInfoPair info = model.GetModuleInfo();
    info.ModName = cpuModule;
    model.SetModuleInfo(info);
    model.SetRESTfulEnable(0);
    model.SetModType(cpuModule);
    return true;
}

} // namespace

void CMainFrame::OnChangeModule()
{
    CChangeModuleDlg dialog(*model_, this);
    if (dialog.DoModal() == IDCANCEL)
        return;
    ChangeModules(dialog.GetChoice());
}

bool CMainFrame::ChangeModules(const ModuleChoice& wanted)
{
    bool changed = false;
    if (model_ && deviceForm_ && !IsProjectEmpty() && CanApplyModuleChange(wanted)) {
        // A private folder for the snapshot and the reload file, removed with them at the end.
        QTemporaryDir folder;
        const QString projectPath = projectPath_;
        const QString snapshot = folder.filePath(QLatin1String(kSnapshotFile));
        if (!folder.isValid() || !model_->SaveProject(snapshot)) {
            TraceLog("%s:%d no snapshot of the project before the module change", __FILE__, __LINE__);
        } else if (!ApplyModuleChange(wanted)) {
            RestoreProjectFile(snapshot, projectPath);
        } else if (!(changed = ReloadThroughTempFile(folder.path()))) {
            RestoreProjectFile(snapshot, projectPath);
        }
    }
    const QString outcome = (changed ? kChangeModuleSucceeded : kChangeModuleFailed).toString();
    if (logForm_)
        logForm_->AddLogLine(outcome);
    ShowMessageBox(outcome, changed ? MB_OK | MB_ICONINFORMATION : MB_OK | MB_ICONERROR);
    return changed;
}

// Everything that can be known before a change: the slots it needs and the templates it places.
bool CMainFrame::CanApplyModuleChange(const ModuleChoice& wanted) const
{
    const ModuleChangePlan plan{CurrentModuleChoice(*model_), wanted};
    if (!CheckModuleChangeSlots(*model_, wanted))
        return false;
    if (plan.cpuChanges() && !templateExists(true, wanted.cpuModule)) {
        ShowMessageBox(kChangeCpuFailed.toString(), MB_OK | MB_ICONERROR);
        return false;
    }
    const struct {
        bool placed;
        const QString& module;
    } modules[] = {{plan.powerArrives(), wanted.powerModule}, {plan.secondPowerArrives(), wanted.secondPowerModule}};
    for (const auto& module : modules) {
        if (module.placed && !templateExists(false, module.module)) {
            showTemplateMissing(false, module.module);
            return false;
        }
    }
    return true;
}

bool CMainFrame::ApplyModuleChange(const ModuleChoice& wanted)
{
    CDataCenter& model = *model_;
    const ModuleChangePlan plan{CurrentModuleChoice(model), wanted};
    const int oldCount = plan.current.slotCount;
    const int newCount = wanted.slotCount;

    SetAsideTags secondPowerTags;
    if (plan.secondPowerLeaves()) {
        const int flag = !isNone(wanted.secondPowerModule) && !plan.slotCountChanges() ? 0 : 1;
        if (!secondPowerTags.Take(model, oldCount) || deviceForm_->RemoveModuleAtSlot(oldCount, flag) != kS_OK)
            return false;
    }
    if (plan.cpuChanges() && !LoadProductInfo(model, wanted.cpuModule)) {
        ShowMessageBox(kChangeCpuFailed.toString(), MB_OK | MB_ICONERROR);
        return false;
    }

    SetAsideTags powerTags;
    if (plan.powerChanges()) {
        if (!powerTags.Take(model, kPowerModuleSlot) || deviceForm_->RemoveModuleAtSlot(kPowerModuleSlot, 0) != kS_OK)
            return false;
    }

    if (plan.slotCountChanges()) {
        // Port-trunk and switch modules keep their distance to the last slot. All leave before any
        // comes back, so a module never lands on one that has yet to move.
        struct Move {
            int from;
            QString module;
        };
        std::vector<Move> moves;
        for (int slot = kFirstIOSlot; slot < oldCount; ++slot) {
            const QString module = model.GetSlotName(slot);
            if (model.IsSlotUsed(slot) && movesWithSlotCount(module))
                moves.push_back({slot, module});
        }
        for (const Move& move : moves) {
            if (deviceForm_->RemoveModuleAtSlot(move.from, 1) != kS_OK) {
                ShowMessageBox(FormatText(kRemoveSlotFailed, {move.from, move.module}), MB_OK | MB_ICONERROR);
                return false;
            }
        }
        model.SetMaxSlotCount(newCount);
        for (const Move& move : moves) {
            if (!deviceForm_->AddModuleToSlot(move.module, move.from + newCount - oldCount))
                return false;
        }
    }

    if (plan.powerArrives()) {
        if (!deviceForm_->AddModuleToSlot(wanted.powerModule, kPowerModuleSlot))
            return false;
        powerTags.GiveBack(model);
    }
    if (plan.secondPowerArrives()) {
        if (!deviceForm_->AddModuleToSlot(wanted.secondPowerModule, newCount))
            return false;
        secondPowerTags.GiveBack(model);
    }
    return true;
}

// The changed model is written and read back, which places the product and every module anew; the
// project then has no file.
bool CMainFrame::ReloadThroughTempFile(const QString& folder)
{
    const QString path = QDir(folder).filePath(QLatin1String(kUpdateFile));
    if (!model_->SaveProject(path) || !QFileInfo::exists(path)) {
        ShowMessageBox(FormatLangString(kStringFileMissing, path), MB_OK | MB_ICONERROR);
        return false;
    }
    EmptyProject();
    SetProjectTitle(QString());
    // A changed project that cannot be read back is not kept: the caller puts the old one back.
    CProjectLoader loader(*model_, deviceForm_);
    if (loader.LoadProjectFile(path, 1) < 0) {
        ShowMessageBox(FormatLangString(kStringCannotLoad, path), MB_OK | MB_ICONERROR);
        return false;
    }
    AfterProjectChanged();
    return true;
}

// The project as it was before a failed change: same file, same title.
void CMainFrame::RestoreProjectFile(const QString& path, const QString& projectPath)
{
    EmptyProject();
    CProjectLoader loader(*model_, deviceForm_);
    if (loader.LoadProjectFile(path, 0) < 0) {
        TraceLog("%s:%d the project could not be put back", __FILE__, __LINE__);
        ShowMessageBox(FormatLangString(kStringCannotLoad, path), MB_OK | MB_ICONERROR);
        EmptyProject();
    }
    SetProjectTitle(projectPath);
    AfterProjectChanged();
}

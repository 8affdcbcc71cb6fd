#pragma once
// The program's one frame window: menu, toolbar and status bar, and the splitter with the device
// tree, the property pane and the log pane. It owns the project model and carries every menu
// command; a command is enabled only when it has a handler here (or in the application) and its
// condition holds, so the device operations stay disabled until their tool dialog exists.

#include "CPropertyForm.h"
#include "LaunchAction.h"
#include "LockKeyState.h"
#include "ModuleChoice.h"

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>

class CCboSplitterWnd;
class CDataCenter;
class CDeviceForm;
class CLogForm;
class ICommandTarget;
class QAction;
class QLabel;
class QMenu;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* kToolsMenuText = "&Tools";
    static constexpr const char* kChangeModuleText = "Change CPU/Power Module";
    static constexpr int kChangeModulePosition = 2;
    static constexpr QStringView kTitleFormat = u"%s - [%s]";
    // Language-pack strings of the project commands.
    static constexpr unsigned kStringProjectFilter = 222;
    static constexpr unsigned kStringSaveChanges = 424;
    static constexpr unsigned kStringCannotLoad = 489;    // path
    static constexpr unsigned kStringFileMissing = 696;   // path
    static constexpr unsigned kStringProjectOpened = 697; // path
    static constexpr unsigned kStringSaveFailed = 9602;   // path

    // The property pages come from the factory; without one, every form id shows a placeholder.
    explicit CMainFrame(PropertyPageFactory pageFactory = {}, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Where the commands that the frame does not carry go (help, About); may be null.
    void SetApplicationCommands(ICommandTarget* application) { application_ = application; }

    CDataCenter* GetDataCenter() const { return model_.get(); }
    CLogForm* GetLogForm() const { return logForm_; }
    CDeviceForm* GetDeviceForm() const { return deviceForm_; }
    CPropertyForm* GetPropertyForm() const { return propertyForm_; }
    CCboSplitterWnd* GetSplitter() const { return splitter_; }
    QToolBar* GetToolBar() const { return toolBar_; }

    // The address of the controller the device tool dialog last connected to.
    void SetLastDeviceIP(QString address) { lastDeviceIP_ = std::move(address); }
    QString GetLastDeviceIP() const { return lastDeviceIP_; }

    const QString& GetProjectPath() const { return projectPath_; }
    const QString& GetProfilePath() const { return profilePath_; }
    // True when no project is open: the tree pane is missing or its tree is empty.
    bool IsProjectEmpty() const;
    // The program's name, followed by the project file's name once the project has a file.
    void SetProjectTitle(const QString& projectPath);

    // Position of the item with that command in the menu (or menu bar), -1 when absent.
    static int FindMenuItemById(const QWidget* menu, int command);
    // Position of the first item whose text is exactly that text, -1 when none.
    static int FindMenuItemByText(const QWidget* menu, const QString& text);
    // The top-level menu at that position of the menu bar; null when there is none.
    QMenu* TopLevelMenu(int position) const;
    // "Change CPU/Power Module" in the tools menu for a 4100 series project only.
    void UpdateChangeModuleMenu();
    // Takes the ISaGRAF export and the item after it out of the first menu.
    void RemoveISaGRAFMenu();

    bool IsCommandEnabled(int command) const;
    // Runs the command when it is enabled; a disabled one is traced and ignored.
    void OnCommand(int command);
    // Enables or disables every menu item and toolbar button by IsCommandEnabled.
    void UpdateCommandStates();
    // Every menu item and toolbar button of the command.
    QList<QAction*> FindCommandActions(int command) const;
    // Ctrl+S: saves when a project is open and no dialog or popup is up; true when it did.
    bool RunSaveShortcut();

    // The start-up action that the application posts once the frame is shown.
    void RunLaunchAction(const LaunchAction& action);
    void OnOpenLatestProject();
    void OnOpenCommandLineProject(const QString& path);
    // "-S in.pelx [out.pelx]" reached through the frame: the headless batch save with this
    // frame's profile; false, with the reason shown, when nothing was written.
    bool OnBatchSave(const QStringList& arguments);

    // ---- project commands ----
    // IDYES to go on (saved, unchanged or not to be saved), IDCANCEL to stop.
    int PromptSaveProject(const QString& question);
    // True when the model would write exactly the bytes of the project file.
    bool IsProjectUnchanged() const;

    // ---- tool and export commands ----
    // [ISaGRAF] "ExportPath": Profile.ini first, else DefaultSettings.ini; empty when neither has it.
    static QString GetISaGRAFExportPath();
    // Kept in Profile.ini, as the program folder may be read-only.
    static bool SetISaGRAFExportPath(const QString& folder);
    // Copies the source folder's files and sub-folders into the destination, keeping files that
    // exist there already. A missing source is nothing to copy; false when a folder cannot be made
    // or read.
    static bool CopyFolder(const QString& destination, const QString& source);

    // ---- the CPU and power module change ----
    static constexpr QStringView kChangeModuleSucceeded = u"Change CPU and Power Moudle successfully.";
    static constexpr QStringView kChangeModuleFailed = u"Change CPU and Power Moudle fail.";
    static constexpr QStringView kChangeCpuFailed = u"Change CPU module fail.";
    static constexpr QStringView kRemoveSlotFailed = u"Remove Slot %d:%s fail.";
    // Changes the open project's modules to the wanted ones and reports the outcome in the log pane
    // and a box. Every precondition is checked first; a step that fails afterwards puts the project
    // back as it was. After a change the project has no file: the next save asks for one.
    bool ChangeModules(const ModuleChoice& wanted);

    // Whether some slot from 0 to the highest slot number is free.
    static bool HasFreeSlot(quint16 slotMask, int maxSlotCount);

    // ---- status bar ----
    // The language pack's prompt of a command: its string of the same id, up to the first line end.
    static QString CommandPrompt(int command);
    // Caps, num and scroll lock, in that order: the indicator's text while the key is on, blank
    // while it is off or the windowing system does not tell.
    enum LockKeyIndicator { kCapsLockIndicator, kNumLockIndicator, kScrollLockIndicator, kLockKeyIndicatorCount };
    static constexpr unsigned kStringLockKeyIndicators[kLockKeyIndicatorCount] = {0xE701, 0xE702, 0xE703};
    static constexpr int kLockKeyPollMs = 250;
    void ShowLockKeys(const std::optional<LockKeyState>& state);
    QLabel* GetLockKeyIndicator(LockKeyIndicator which) const { return lockKeyIndicators_[which]; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class EnableRule { Always, ProjectOpen, FreeSlot, ModuleSelected, NotIECProject, ChangeModule };
    struct FrameCommand {
        int id;
        void (CMainFrame::*handler)(); // null: the command's dialog is not part of the program yet
        EnableRule rule;
    };
    static std::span<const FrameCommand> FrameCommands();
    static const FrameCommand* FindFrameCommand(int command);

    void OnCreateClient(PropertyPageFactory pageFactory);
    void CreateMenus();
    void TrimMenus();
    void CreateToolBar();
    void CreateStatusBar();
    bool RuleHolds(EnableRule rule) const;
    bool CanChangeModule() const;
    void forEachCommandAction(const std::function<void(QAction*)>& visit) const;
    QAction* NewCommandAction(const QString& text, int command, QObject* owner);
    QString CommandTip(int command) const;

    // Project command steps.
    void EmptyProject();
    // The project opened from that file: title, log line, remembered as latest when asked, menus.
    void ProjectOpened(const QString& path, bool rememberAsLatest);
    // Loads the file into the emptied project; on failure string 489 and an empty project.
    bool LoadProject(const QString& path, int askFlag);
    // Saves under that path with the file's name as the project name; on failure the old name,
    // title, file and latest entry stay and string 9602 shows.
    enum class SaveNaming { Keep, FromFileName };
    bool SaveProjectTo(const QString& path, SaveNaming naming, bool rememberAsLatest);
    // The save dialog proposing that name; empty when cancelled.
    QString ChooseProjectSavePath(const QString& proposedName) const;
    void AfterProjectChanged();

    // Module change steps (CMainFrameModuleChange.cpp).
    bool CanApplyModuleChange(const ModuleChoice& wanted) const;
    bool ApplyModuleChange(const ModuleChoice& wanted);
    bool ReloadThroughTempFile(const QString& folder);
    void RestoreProjectFile(const QString& path, const QString& projectPath);

    // Command handlers.
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnAddModule();
    void OnRemoveModule();
    void OnExportISaGRAF();
    void OnChangeModule();
    void OnExportTagDefines();
    void OnPreferences();
    void OnNetworkInterface();
    void OnAppExit();
    // The device tools (CMainFrameDevice.cpp): each runs the device tool dialog for its command.
    void OnFileTransmission();
    void RunDeviceOperation(int command);
    template <int Command>
    void OnDeviceCommand()
    {
        RunDeviceOperation(Command);
    }

    ICommandTarget* application_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    CCboSplitterWnd* splitter_ = nullptr;
    CDeviceForm* deviceForm_ = nullptr;
    CPropertyForm* propertyForm_ = nullptr;
    CLogForm* logForm_ = nullptr;
    std::unique_ptr<CDataCenter> model_;
    QString projectPath_;
    QString profilePath_;
    QString lastDeviceIP_;
    QHash<int, QString> commandTexts_; // menu texts of menu 128, for the toolbar's tips
    std::array<QLabel*, kLockKeyIndicatorCount> lockKeyIndicators_{};
};

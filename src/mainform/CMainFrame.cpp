#include "CMainFrame.h"

#include "ApplicationName.h"
#include "CBatchSave.h"
#include "CCboSplitterWnd.h"
#include "CDataCenter.h"
#include "CDeviceForm.h"
#include "CLogForm.h"
#include "CPropertyForm.h"
#include "ConfigFiles.h"
#include "FileDialogService.h"
#include "ICommandTarget.h"
#include "LanguagePack.h"
#include "MainFormIds.h"
#include "MenuTemplate.h"
#include "TextFormat.h"
#include "ToolbarTemplate.h"
#include "TraceLog.h"
#include "TreeNodeInfo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <functional>

namespace {

constexpr int kFileMenu = 0;   // the first top-level menu
constexpr int kDeviceMenu = 1; // the second
constexpr int kToolbarIconSize = 32;
constexpr int kPowerSlot = 15;
constexpr int kLargestSlotShift = 63;
constexpr const char* kIconFolder = "lang/icons/";
constexpr const char* kMenuEllipsis = "...";

// Reached by other means than the menu (toolbar), so taken out of the menu bar.
constexpr int kFileMenuHiddenCommands[] = {kCommandFileTransmission, kCommandExportISaGRAF};
constexpr int kDeviceMenuHiddenCommands[] = {kCommandUpdateFirmwareFromFile, kCommandCalibrate};

QString applicationName()
{
    return QString::fromLatin1(kApplicationName);
}

void collectCommandTexts(const QList<MenuEntry>& entries, QHash<int, QString>& texts)
{
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::Item)
            texts.insert(entry.command, entry.text.Resolve());
        collectCommandTexts(entry.children, texts);
    }
}

// Every action that carries a command, in menus and submenus alike.
void visitCommandActions(const QList<QAction*>& actions, const std::function<void(QAction*)>& visit)
{
    for (QAction* action : actions) {
        if (QMenu* sub = action->menu())
            visitCommandActions(sub->actions(), visit);
        else if (!action->isSeparator() && action->data().isValid())
            visit(action);
    }
}

void removeMenuItemAt(QWidget* menu, int position)
{
    const QList<QAction*> actions = menu->actions();
    if (position < 0 || position >= actions.size())
        return;
    QAction* action = actions[position];
    menu->removeAction(action);
    delete action;
}

} // namespace

std::span<const CMainFrame::FrameCommand> CMainFrame::FrameCommands()
{
    using R = EnableRule;
    static const FrameCommand commands[] = {
        {kCommandNewProject, &CMainFrame::OnFileNew, R::Always},
        {kCommandNewProjectFromLaunch, &CMainFrame::OnFileNew, R::Always},
        {kCommandOpenProject, &CMainFrame::OnFileOpen, R::Always},
        {kCommandSaveProject, &CMainFrame::OnFileSave, R::ProjectOpen},
        {kCommandSaveProjectAs, &CMainFrame::OnFileSaveAs, R::ProjectOpen},
        {kCommandAddModule, &CMainFrame::OnAddModule, R::FreeSlot},
        {kCommandRemoveModule, &CMainFrame::OnRemoveModule, R::ModuleSelected},
        {kCommandExportISaGRAF, &CMainFrame::OnExportISaGRAF, R::ProjectOpen},
        {kCommandExportTagDefines, &CMainFrame::OnExportTagDefines, R::NotIECProject},
        {kCommandPreferences, &CMainFrame::OnPreferences, R::Always},
        {kCommandNetworkInterface, &CMainFrame::OnNetworkInterface, R::Always},
        {kCommandChangeModule, &CMainFrame::OnChangeModule, R::ChangeModule},
        {kCommandAppExit, &CMainFrame::OnAppExit, R::Always},
        // The device tools: each opens the device tool dialog for its operation.
        {kCommandFileTransmission, &CMainFrame::OnFileTransmission, R::Always},
        {kCommandSendConfiguration, &CMainFrame::OnDeviceCommand<kCommandSendConfiguration>, R::Always},
        {kCommandDeviceInformation, &CMainFrame::OnDeviceCommand<kCommandDeviceInformation>, R::Always},
        {kCommandSyncTime, &CMainFrame::OnDeviceCommand<kCommandSyncTime>, R::Always},
        {kCommandRestart, &CMainFrame::OnDeviceCommand<kCommandRestart>, R::Always},
        {kCommandReset, &CMainFrame::OnDeviceCommand<kCommandReset>, R::Always},
        {kCommandUpdateModuleFirmware, &CMainFrame::OnDeviceCommand<kCommandUpdateModuleFirmware>, R::Always},
        {kCommandUpdateFirmwareFromFile, &CMainFrame::OnDeviceCommand<kCommandUpdateFirmwareFromFile>, R::Always},
        {kCommandUpdateFirmware, &CMainFrame::OnDeviceCommand<kCommandUpdateFirmware>, R::Always},
        {kCommandWarmReset, &CMainFrame::OnDeviceCommand<kCommandWarmReset>, R::Always},
        {kCommandCalibrate, &CMainFrame::OnDeviceCommand<kCommandCalibrate>, R::Always},
        {kCommandChangePassword, &CMainFrame::OnDeviceCommand<kCommandChangePassword>, R::ProjectOpen},
        {kCommandResetIECResources, &CMainFrame::OnDeviceCommand<kCommandResetIECResources>, R::Always},
        {kCommandIECResourceState, &CMainFrame::OnDeviceCommand<kCommandIECResourceState>, R::Always},
        {kCommandDeviceLogs, &CMainFrame::OnDeviceCommand<kCommandDeviceLogs>, R::Always},
        {kCommandDiagnosticConsole, &CMainFrame::OnDeviceCommand<kCommandDiagnosticConsole>, R::Always},
    };
    return commands;
}

const CMainFrame::FrameCommand* CMainFrame::FindFrameCommand(int command)
{
    const auto commands = FrameCommands();
    const auto it =
        std::find_if(commands.begin(), commands.end(), [command](const FrameCommand& c) { return c.id == command; });
    return it == commands.end() ? nullptr : &*it;
}

CMainFrame::CMainFrame(PropertyPageFactory pageFactory, QWidget* parent)
    : QMainWindow(parent), profilePath_(::GetProfilePath())
{
    setObjectName(applicationName());
    setWindowTitle(applicationName());
    setWindowIcon(QIcon(LanguagePack::ResourcePath(QLatin1String(kIconFolder) + QString::number(kIconMainFrame) +
                                                   QStringLiteral(".png"))));
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    OnCreateClient(std::move(pageFactory));
    auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(save, &QShortcut::activated, this, &CMainFrame::RunSaveShortcut);
    UpdateCommandStates();
}

CMainFrame::~CMainFrame()
{
    // The panes go first: the pages hold the model's address.
    delete takeCentralWidget();
    model_.reset();
}

void CMainFrame::OnCreateClient(PropertyPageFactory pageFactory)
{
    splitter_ = new CCboSplitterWnd(this);
    deviceForm_ = new CDeviceForm;
    propertyForm_ = new CPropertyForm;
    logForm_ = new CLogForm;
    splitter_->CreatePanes(deviceForm_, propertyForm_, logForm_);
    setCentralWidget(splitter_);

    model_ = std::make_unique<CDataCenter>();
    logForm_->SetProjectNameSource([this] { return model_ ? model_->GetProjectName() : QString(); });
    deviceForm_->SetPropertyForm(propertyForm_);
    deviceForm_->SetMainFrame(this);
    propertyForm_->SetDeviceForm(deviceForm_);
    propertyForm_->SetLogForm(logForm_);
    propertyForm_->SetMainFrame(this);
    // The pages are made when the first of them is shown: a batch save never shows one.
    propertyForm_->SetPageFactory(std::move(pageFactory));
    connect(deviceForm_, &CDeviceForm::treeChanged, this, &CMainFrame::UpdateCommandStates);

    const QScreen* shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    splitter_->SetInitialPaneSizes(shownOn ? shownOn->geometry() : QRect());
}

void CMainFrame::CreateMenus()
{
    const std::optional<MenuTemplate> menu = LoadMenuTemplate(kMenuMainFrame);
    if (!menu)
        return;
    for (const MenuEntry& entry : menu->entries) {
        if (entry.kind != MenuEntry::Kind::Popup) {
            TraceLog("%s:%d menu %u: the menu bar holds popups only", __FILE__, __LINE__, kMenuMainFrame);
            continue;
        }
        QMenu* popup = menuBar()->addMenu(entry.text.Resolve());
        FillMenu(*popup, entry.children, [this](int command) { OnCommand(command); });
        connect(popup, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    }
    collectCommandTexts(menu->entries, commandTexts_);
    TrimMenus();
}

void CMainFrame::TrimMenus()
{
    if (QMenu* file = TopLevelMenu(kFileMenu)) {
        for (int command : kFileMenuHiddenCommands)
            removeMenuItemAt(file, FindMenuItemById(file, command));
    }
    if (QMenu* device = TopLevelMenu(kDeviceMenu)) {
        for (int command : kDeviceMenuHiddenCommands)
            removeMenuItemAt(device, FindMenuItemById(device, command));
    }
}

void CMainFrame::CreateToolBar()
{
    toolBar_ = addToolBar(LanguagePack::String(kStringProgramName));
    toolBar_->setObjectName(QStringLiteral("toolbar%1").arg(kToolbarMainFrame));
    toolBar_->setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));
    const std::optional<ToolbarTemplate> buttons = LoadToolbarTemplate(kToolbarMainFrame);
    if (!buttons)
        return;
    const QImage strip(ToolbarImagePath(kToolbarMainFrame));
    int tile = 0;
    for (int command : buttons->commands) {
        if (command == ToolbarTemplate::kSeparator) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = NewCommandAction(CommandTip(command), command, toolBar_);
        action->setIcon(QIcon(QPixmap::fromImage(ToolbarTile(strip, tile++))));
        toolBar_->addAction(action);
    }
}

QAction* CMainFrame::NewCommandAction(const QString& text, int command, QObject* owner)
{
    auto* action = new QAction(text, owner);
    action->setData(command);
    action->setStatusTip(CommandPrompt(command));
    connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
    return action;
}

// The menu text of the command, without its mnemonic and ellipsis.
QString CMainFrame::CommandTip(int command) const
{
    QString tip = commandTexts_.value(command);
    tip.remove(u'&');
    if (tip.endsWith(QLatin1String(kMenuEllipsis)))
        tip.chop(static_cast<int>(qstrlen(kMenuEllipsis)));
    return tip;
}

bool CMainFrame::IsProjectEmpty() const
{
    return !deviceForm_ || deviceForm_->IsTreeEmpty();
}

void CMainFrame::SetProjectTitle(const QString& projectPath)
{
    projectPath_ = projectPath;
    SetFileDialogProjectFolder(projectPath.isEmpty() ? QString() : QFileInfo(projectPath).absolutePath());
    if (projectPath.isEmpty())
        setWindowTitle(applicationName());
    else
        setWindowTitle(FormatText(kTitleFormat, {applicationName(), QFileInfo(projectPath).fileName()}));
}

int CMainFrame::FindMenuItemById(const QWidget* menu, int command)
{
    if (!menu)
        return -1;
    const QList<QAction*> actions = menu->actions();
    for (qsizetype i = 0; i < actions.size(); ++i) {
        if (!actions[i]->isSeparator() && !actions[i]->menu() && actions[i]->data().toInt() == command)
            return static_cast<int>(i);
    }
    return -1;
}

int CMainFrame::FindMenuItemByText(const QWidget* menu, const QString& text)
{
    if (!menu)
        return -1;
    const QList<QAction*> actions = menu->actions();
    for (qsizetype i = 0; i < actions.size(); ++i) {
        if (actions[i]->text() == text)
            return static_cast<int>(i);
    }
    return -1;
}

QMenu* CMainFrame::TopLevelMenu(int position) const
{
    const QList<QAction*> actions = menuBar()->actions();
    return position >= 0 && position < actions.size() ? actions[position]->menu() : nullptr;
}

void CMainFrame::UpdateChangeModuleMenu()
{
    QMenu* tools = TopLevelMenu(FindMenuItemByText(menuBar(), QLatin1String(kToolsMenuText)));
    if (!tools)
        return;
    const int position = FindMenuItemById(tools, kCommandChangeModule);
    const bool wanted = model_ && model_->IsSeries4100();
    if (wanted && position < 0) {
        QAction* action = NewCommandAction(QLatin1String(kChangeModuleText), kCommandChangeModule, tools);
        tools->insertAction(tools->actions().value(kChangeModulePosition, nullptr), action);
    } else if (!wanted && position >= 0) {
        removeMenuItemAt(tools, position);
    }
}

void CMainFrame::RemoveISaGRAFMenu()
{
    QMenu* file = TopLevelMenu(kFileMenu);
    const int position = FindMenuItemById(file, kCommandExportISaGRAF);
    if (position < 0)
        return;
    removeMenuItemAt(file, position + 1);
    removeMenuItemAt(file, position);
}

bool CMainFrame::HasFreeSlot(quint16 slotMask, int maxSlotCount)
{
    // Clamped before the step past the last slot, so no count from a file can overflow it.
    const int shift = std::clamp(maxSlotCount, -1, kLargestSlotShift - 1) + 1;
    const auto allSlots = static_cast<quint16>((quint64{1} << shift) - 1);
    return slotMask < allSlots;
}

bool CMainFrame::CanChangeModule() const
{
    if (!model_ || !model_->IsSeries4100() || !deviceForm_)
        return false;
    const std::optional<TreeNodeInfo> node = deviceForm_->GetSelectedNodeInfo();
    if (!node)
        return false;
    if (node->slotIndex == 0)
        return node->nodeKind == TreeNodeInfo::kDeviceOrCpuNode;
    if (node->nodeKind != TreeNodeInfo::kModuleNode)
        return false;
    const bool secondPowerSlot = node->slotIndex == model_->MaxSlotCount &&
                                 node->shownText.contains(QLatin1String(CDeviceForm::kPowerModuleMark));
    return node->slotIndex == kPowerSlot || secondPowerSlot;
}

bool CMainFrame::RuleHolds(EnableRule rule) const
{
    switch (rule) {
    case EnableRule::Always:
        return true;
    case EnableRule::ProjectOpen:
        return !IsProjectEmpty();
    case EnableRule::FreeSlot:
        return !IsProjectEmpty() && model_ && HasFreeSlot(model_->GetSlotMask(), model_->MaxSlotCount);
    case EnableRule::ModuleSelected:
        return deviceForm_ && deviceForm_->GetSelectedModuleKind() == TreeNodeInfo::kModuleNode;
    case EnableRule::NotIECProject:
        return !IsProjectEmpty() && model_ && !model_->IsIECMode();
    case EnableRule::ChangeModule:
        return CanChangeModule();
    }
    return false;
}

bool CMainFrame::IsCommandEnabled(int command) const
{
    if (const FrameCommand* own = FindFrameCommand(command))
        return own->handler && RuleHolds(own->rule);
    return application_ && application_->HasCommand(command);
}

void CMainFrame::OnCommand(int command)
{
    if (!IsCommandEnabled(command)) {
        TraceLog("%s:%d command %d is disabled and does not run", __FILE__, __LINE__, command);
        return;
    }
    if (const FrameCommand* own = FindFrameCommand(command))
        (this->*own->handler)();
    else
        application_->OnCommand(command);
    UpdateCommandStates();
}

void CMainFrame::forEachCommandAction(const std::function<void(QAction*)>& visit) const
{
    visitCommandActions(menuBar()->actions(), visit);
    if (toolBar_)
        visitCommandActions(toolBar_->actions(), visit);
}

QList<QAction*> CMainFrame::FindCommandActions(int command) const
{
    QList<QAction*> found;
    forEachCommandAction([&found, command](QAction* action) {
        if (action->data().toInt() == command)
            found.append(action);
    });
    return found;
}

void CMainFrame::UpdateCommandStates()
{
    forEachCommandAction([this](QAction* action) { action->setEnabled(IsCommandEnabled(action->data().toInt())); });
}

bool CMainFrame::RunSaveShortcut()
{
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget() || IsProjectEmpty())
        return false;
    OnCommand(kCommandSaveProject);
    return true;
}

void CMainFrame::RunLaunchAction(const LaunchAction& action)
{
    switch (action.kind) {
    case LaunchAction::Kind::None:
        break;
    case LaunchAction::Kind::Command:
        OnCommand(action.command);
        break;
    case LaunchAction::Kind::OpenLatestProject:
        OnOpenLatestProject();
        break;
    case LaunchAction::Kind::OpenProject:
        OnOpenCommandLineProject(action.path);
        break;
    case LaunchAction::Kind::BatchSave:
        // Unattended: the program ends with the outcome's code instead of waiting for a user.
        QCoreApplication::exit(OnBatchSave(action.arguments) ? CBatchSave::kExitDone : CBatchSave::kExitFailed);
        break;
    }
}

void CMainFrame::OnAppExit()
{
    close();
}

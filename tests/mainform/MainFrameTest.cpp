// The main frame: its menu and toolbar, which commands are enabled with and without a project,
// the menu updates, the panes and their wiring.
#include "CMainFrame.h"

#include "CCboSplitterWnd.h"
#include "CDataCenter.h"
#include "CDeviceForm.h"
#include "CLogForm.h"
#include "CPlaceholderPage.h"
#include "CPropertyForm.h"
#include "ICommandTarget.h"
#include "ILogLineSink.h"
#include "IPageHost.h"
#include "MainFormIds.h"
#include "MenuTemplate.h"
#include "PropertyPageTable.h"
#include "RecordingFileDialogService.h"
#include "TreeNodeInfo.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace {

class RecordingApplication : public ICommandTarget {
public:
    bool HasCommand(int command) const override
    {
        return command == kCommandHelp || command == kCommandISaGRAFHelp || command == kCommandAbout;
    }
    void OnCommand(int command) override { commands.append(command); }
    QList<int> commands;
};

QTreeWidgetItem* addNode(CMainFrame& frame, const TreeNodeInfo& info, QTreeWidgetItem* parent = nullptr)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(frame.GetDeviceForm()->tree());
    item->setText(0, info.shownText);
    CDeviceForm::AttachNodeInfo(*item, info);
    return item;
}

TreeNodeInfo node(const char* text, int formId, int kind, int slot)
{
    TreeNodeInfo info;
    info.shownText = QString::fromLatin1(text);
    info.formId = formId;
    info.nodeKind = kind;
    info.slotIndex = slot;
    return info;
}

// A small project: the device node with a CPU module and one I/O module.
struct Project {
    explicit Project(CMainFrame& frame)
    {
        root = addNode(frame, node("ulTEK 4124", 1, TreeNodeInfo::kDeviceOrCpuNode, 0));
        cpu = addNode(frame, node("Slot0: CPU 4124", 1, TreeNodeInfo::kDeviceOrCpuNode, 0), root);
        io = addNode(frame, node("Slot1: 3016 DI", 201, TreeNodeInfo::kModuleNode, 1), root);
        power = addNode(frame, node("Slot15: PWR PK1", 1, TreeNodeInfo::kModuleNode, 15), root);
        channels = addNode(frame, node("DI channels", 201, TreeNodeInfo::kOtherNode, 1), io);
    }
    QTreeWidgetItem* root;
    QTreeWidgetItem* cpu;
    QTreeWidgetItem* io;
    QTreeWidgetItem* power;
    QTreeWidgetItem* channels;
};

bool menuHoldsCommand(const CMainFrame& frame, int command)
{
    for (QAction* action : frame.FindCommandActions(command)) {
        if (action->parent() != frame.GetToolBar())
            return true;
    }
    return false;
}

bool toolbarHoldsCommand(const CMainFrame& frame, int command)
{
    for (QAction* action : frame.GetToolBar()->actions()) {
        if (action->data().toInt() == command)
            return true;
    }
    return false;
}

// Enabled as the frame says, and every menu item and toolbar button of it shows the same.
void expectEnabled(CMainFrame& frame, int command, bool enabled, const char* label)
{
    EXPECT_EQ(frame.IsCommandEnabled(command), enabled) << label << ": command " << command;
    frame.UpdateCommandStates();
    for (QAction* action : frame.FindCommandActions(command))
        EXPECT_EQ(action->isEnabled(), enabled) << label << ": item of command " << command;
}

TEST(MainFrameTest, MenuBarComesFromThePackTrimmedAndTheToolbarKeepsTheTrimmedCommands)
{
    CMainFrame frame;
    QStringList titles;
    for (QAction* action : frame.menuBar()->actions())
        titles.append(action->text());
    EXPECT_EQ(titles, (QStringList{"&File", "&Device", "&Tools", "&Help"}));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Pelandrix"));

    for (int trimmed :
         {kCommandFileTransmission, kCommandExportISaGRAF, kCommandUpdateFirmwareFromFile, kCommandCalibrate})
        EXPECT_FALSE(menuHoldsCommand(frame, trimmed)) << trimmed;
    EXPECT_TRUE(toolbarHoldsCommand(frame, kCommandFileTransmission));
    EXPECT_TRUE(toolbarHoldsCommand(frame, kCommandExportISaGRAF));
    EXPECT_FALSE(menuHoldsCommand(frame, kCommandChangeModule)); // a 4100 series project only

    const auto source = LoadMenuTemplate(kMenuMainFrame);
    ASSERT_TRUE(source.has_value());
    for (int kept : {kCommandNewProject, kCommandOpenProject, kCommandSaveProject, kCommandSaveProjectAs,
                     kCommandExportTagDefines, kCommandSendConfiguration, kCommandAddModule, kCommandRemoveModule,
                     kCommandPreferences, kCommandNetworkInterface, kCommandHelp, kCommandAbout, kCommandAppExit})
        EXPECT_TRUE(menuHoldsCommand(frame, kept)) << kept;
    // Toolbar tips are the menu texts, also of the commands the menu lost.
    for (QAction* action : frame.GetToolBar()->actions()) {
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->text().isEmpty()) << action->data().toInt();
        }
    }
}

TEST(MainFrameTest, CommandStatesWithoutAndWithAProject)
{
    CMainFrame frame;
    RecordingApplication application;
    frame.SetApplicationCommands(&application);
    CDataCenter& model = *frame.GetDataCenter();
    model.SetMaxSlotCount(4);

    const int alwaysEnabled[] = {kCommandNewProject,       kCommandNewProjectFromLaunch,
                                 kCommandOpenProject,      kCommandPreferences,
                                 kCommandNetworkInterface, kCommandHelp,
                                 kCommandISaGRAFHelp,      kCommandAbout,
                                 kCommandAppExit};
    const int needProject[] = {kCommandSaveProject, kCommandSaveProjectAs, kCommandExportISaGRAF,
                               kCommandExportTagDefines, kCommandAddModule};

    ASSERT_TRUE(frame.IsProjectEmpty());
    for (int command : alwaysEnabled)
        expectEnabled(frame, command, true, "no project");
    for (int command : needProject)
        expectEnabled(frame, command, false, "no project");
    expectEnabled(frame, kCommandRemoveModule, false, "no project");
    expectEnabled(frame, kCommandChangeModule, false, "no project");
    // The device tools run without a project; the password change wants one.
    for (int command : kDeviceOperationCommands)
        expectEnabled(frame, command, command != kCommandChangePassword, "no project");
    expectEnabled(frame, kCommandFileTransmission, true, "no project");

    Project project(frame);
    ASSERT_FALSE(frame.IsProjectEmpty());
    for (int command : alwaysEnabled)
        expectEnabled(frame, command, true, "project");
    for (int command : needProject)
        expectEnabled(frame, command, true, "project");
    for (int command : kDeviceOperationCommands)
        expectEnabled(frame, command, true, "project");

    model.SetIECMode(1);
    expectEnabled(frame, kCommandExportTagDefines, false, "IEC project");
    model.SetIECMode(0);

    model.SlotMask = 0x1F; // slots 0 to 4 of a 4-slot controller all in use
    expectEnabled(frame, kCommandAddModule, false, "every slot used");
    model.SlotMask = 0x0F;
    expectEnabled(frame, kCommandAddModule, true, "slot 4 free");
}

TEST(MainFrameTest, FreeSlotTestCoversSlotZeroToTheHighestSlot)
{
    // Counts no product has, as a file may give them: no step past the largest count overflows.
    constexpr int kLargest = std::numeric_limits<int>::max();
    constexpr int kSmallest = std::numeric_limits<int>::min();
    const struct {
        quint16 mask;
        int maxSlotCount;
        bool free;
    } cases[] = {
        {0x0000, 0, true},          {0x0001, 0, false},  {0x001F, 4, false},       {0x001D, 4, true},
        {0x7FFF, 15, true},         {0xFFFF, 15, false}, {0xFFFE, 20, true},       {0xFFFF, 20, false},
        {0x0000, -1, false},        {0x0000, 100, true}, {0x0000, kLargest, true}, {0xFFFF, kLargest, false},
        {0x0000, kSmallest, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CMainFrame::HasFreeSlot(c.mask, c.maxSlotCount), c.free) << c.mask << " of " << c.maxSlotCount;
}

TEST(MainFrameTest, RemoveAndChangeModuleFollowTheSelectedNode)
{
    CMainFrame frame;
    CDataCenter& model = *frame.GetDataCenter();
    model.SetMaxSlotCount(8);
    Project project(frame);
    QTreeWidget* tree = frame.GetDeviceForm()->tree();

    const struct {
        const char* label;
        QTreeWidgetItem* selected;
        bool series4100;
        bool remove;
        bool change;
    } cases[] = {
        {"nothing selected", nullptr, true, false, false},
        {"I/O module", project.io, false, true, false},
        {"I/O module, 4100", project.io, true, true, false},
        {"CPU slot, 4100", project.cpu, true, false, true},
        {"CPU slot", project.cpu, false, false, false},
        {"power module, 4100", project.power, true, false, true},
        {"channel group", project.channels, true, false, false},
    };
    for (const auto& c : cases) {
        model.SetSeries4100(c.series4100 ? 1 : 0);
        tree->setCurrentItem(c.selected);
        EXPECT_EQ(frame.IsCommandEnabled(kCommandRemoveModule), c.remove) << c.label;
        EXPECT_EQ(frame.IsCommandEnabled(kCommandChangeModule), c.change) << c.label;
    }

    // The second power module sits in the highest slot.
    model.SetSeries4100(1);
    QTreeWidgetItem* second = addNode(frame, node("Slot8: PWR PK1", 1, TreeNodeInfo::kModuleNode, 8), project.root);
    tree->setCurrentItem(second);
    EXPECT_TRUE(frame.IsCommandEnabled(kCommandChangeModule));
    QTreeWidgetItem* module8 = addNode(frame, node("Slot8: 3016 DI", 201, TreeNodeInfo::kModuleNode, 8), project.root);
    tree->setCurrentItem(module8);
    EXPECT_FALSE(frame.IsCommandEnabled(kCommandChangeModule));
}

TEST(MainFrameTest, ChangeModuleItemOnlyInTheToolsMenuOfA4100Project)
{
    CMainFrame frame;
    CDataCenter& model = *frame.GetDataCenter();
    QMenu* tools = frame.TopLevelMenu(CMainFrame::FindMenuItemByText(frame.menuBar(), QStringLiteral("&Tools")));
    ASSERT_NE(tools, nullptr);
    const int itemsBefore = static_cast<int>(tools->actions().size());

    model.SetSeries4100(1);
    frame.UpdateChangeModuleMenu();
    frame.UpdateChangeModuleMenu(); // not twice
    EXPECT_EQ(CMainFrame::FindMenuItemById(tools, kCommandChangeModule), CMainFrame::kChangeModulePosition);
    EXPECT_EQ(tools->actions().size(), itemsBefore + 1);
    EXPECT_EQ(tools->actions()[CMainFrame::kChangeModulePosition]->text(), QStringLiteral("Change CPU/Power Module"));

    model.SetSeries4100(0);
    frame.UpdateChangeModuleMenu();
    EXPECT_EQ(CMainFrame::FindMenuItemById(tools, kCommandChangeModule), -1);
    EXPECT_EQ(tools->actions().size(), itemsBefore);
}

TEST(MainFrameTest, RemovingTheISaGRAFExportTakesTheItemAfterIt)
{
    CMainFrame frame;
    QMenu* file = frame.TopLevelMenu(0);
    ASSERT_NE(file, nullptr);
    frame.RemoveISaGRAFMenu(); // trimmed already: nothing more goes
    const qsizetype trimmed = file->actions().size();

    QAction* exportItem = file->addAction(QStringLiteral("Export"));
    exportItem->setData(kCommandExportISaGRAF);
    file->addSeparator();
    QAction* last = file->addAction(QStringLiteral("Last"));
    frame.RemoveISaGRAFMenu();
    EXPECT_EQ(file->actions().size(), trimmed + 1);
    EXPECT_EQ(file->actions().last(), last);

    EXPECT_EQ(CMainFrame::FindMenuItemById(nullptr, kCommandSaveProject), -1);
    QMenu empty;
    EXPECT_EQ(CMainFrame::FindMenuItemById(&empty, kCommandSaveProject), -1);
    EXPECT_EQ(CMainFrame::FindMenuItemByText(&empty, QStringLiteral("&Tools")), -1);
}

TEST(MainFrameTest, CommandsRunOnlyWhenEnabledAndTheApplicationGetsItsOwn)
{
    CMainFrame frame;
    RecordingApplication application;
    frame.SetApplicationCommands(&application);
    frame.OnCommand(kCommandHelp);
    frame.OnCommand(kCommandAbout);
    frame.OnCommand(12345);                  // nobody's: ignored
    frame.OnCommand(kCommandChangePassword); // disabled without a project: ignored
    EXPECT_EQ(application.commands, (QList<int>{kCommandHelp, kCommandAbout}));

    LaunchAction help;
    help.kind = LaunchAction::Kind::Command;
    help.command = kCommandISaGRAFHelp;
    frame.RunLaunchAction(help);
    EXPECT_EQ(application.commands.last(), kCommandISaGRAFHelp);

    // Clicking the menu item runs the same route.
    QList<QAction*> about = frame.FindCommandActions(kCommandAbout);
    ASSERT_FALSE(about.isEmpty());
    about.first()->trigger();
    EXPECT_EQ(application.commands.last(), kCommandAbout);

    frame.SetApplicationCommands(nullptr);
    EXPECT_FALSE(frame.IsCommandEnabled(kCommandHelp));
}

TEST(MainFrameTest, CtrlSSavesOnlyAnOpenProjectWithNoDialogUp)
{
    CMainFrame frame;
    frame.show();
    EXPECT_FALSE(frame.RunSaveShortcut()) << "no project";
    Project project(frame);
    EXPECT_TRUE(frame.RunSaveShortcut());

    QDialog dialog(&frame);
    dialog.setModal(true);
    dialog.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
    EXPECT_FALSE(frame.RunSaveShortcut()) << "a dialog is up";
    dialog.hide();
    EXPECT_TRUE(frame.RunSaveShortcut());
}

TEST(MainFrameTest, TitleNamesTheProjectFileOnceThereIsOne)
{
    CMainFrame frame;
    frame.SetProjectTitle(QStringLiteral("/home/ann/Projects/Plant 7.pelx"));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Pelandrix - [Plant 7.pelx]"));
    EXPECT_EQ(frame.GetProjectPath(), QStringLiteral("/home/ann/Projects/Plant 7.pelx"));
    frame.SetProjectTitle(QString());
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Pelandrix"));

    frame.SetLastDeviceIP(QStringLiteral("127.0.0.1"));
    EXPECT_EQ(frame.GetLastDeviceIP(), QStringLiteral("127.0.0.1"));
}

TEST(MainFrameTest, PanesAreWiredToEachOtherAndToTheModel)
{
    CMainFrame frame;
    CCboSplitterWnd* splitter = frame.GetSplitter();
    ASSERT_NE(splitter, nullptr);
    EXPECT_EQ(splitter->GetPaneView(CCboSplitterWnd::kTreePane), frame.GetDeviceForm());
    EXPECT_EQ(splitter->GetPaneView(CCboSplitterWnd::kPropertyPane), frame.GetPropertyForm());
    EXPECT_EQ(splitter->GetPaneView(CCboSplitterWnd::kLogPane), frame.GetLogForm());
    EXPECT_EQ(splitter->GetPaneView(3), nullptr);

    CPropertyForm* pane = frame.GetPropertyForm();
    EXPECT_EQ(pane->GetDataCenter(), frame.GetDataCenter());
    EXPECT_EQ(pane->GetLogForm(), frame.GetLogForm());
    EXPECT_EQ(pane->GetDeviceForm(), frame.GetDeviceForm());
    EXPECT_TRUE(pane->pages().empty()) << "made when the first page is shown";
    EXPECT_EQ(pane->VisiblePage(), nullptr);

    // The log proposes the project's name when saving.
    frame.GetDataCenter()->ProjectName = QStringLiteral("Plant7");
    RecordingFileDialogService chooser;
    frame.GetLogForm()->OnSaveLog();
    ASSERT_EQ(chooser.requests().size(), 1);
    EXPECT_EQ(chooser.requests()[0].initialPath, QStringLiteral("Plant7"));

    // Selecting a node in the tree shows its page and updates the commands.
    frame.show();
    Project project(frame);
    frame.GetDeviceForm()->tree()->setCurrentItem(project.io);
    EXPECT_EQ(pane->pages().size(), 44u);
    ASSERT_NE(pane->VisiblePage(), nullptr);
    EXPECT_EQ(pane->VisiblePage(), pane->PageForFormId(201));
    for (QAction* action : frame.FindCommandActions(kCommandRemoveModule))
        EXPECT_TRUE(action->isEnabled());
    frame.GetDeviceForm()->tree()->setCurrentItem(nullptr);
    EXPECT_EQ(pane->VisiblePage(), nullptr);
}

TEST(MainFrameTest, PagesOfTheGivenFactorySeeTheModelFromTheirConstruction)
{
    int made = 0;
    CMainFrame frame([&made](const PropertyPageKind& kind, IPageHost& owner) {
        ++made;
        return std::make_unique<CPlaceholderPage>(kind, &owner);
    });
    EXPECT_EQ(made, 0) << "no page is shown yet";
    frame.GetPropertyForm()->InitPages();
    EXPECT_EQ(made, kPropertyPageCount);
    for (const PropertyPageEntry& entry : frame.GetPropertyForm()->pages()) {
        ASSERT_NE(entry.page, nullptr);
        EXPECT_EQ(entry.page->GetDataCenter(), frame.GetDataCenter()) << entry.formId;
        EXPECT_EQ(&entry.page->GetHost()->LogLines(), static_cast<ILogLineSink*>(frame.GetLogForm())) << entry.formId;
    }
}

} // namespace

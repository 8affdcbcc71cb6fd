// The main frame's status bar: command prompts in the message pane and the lock-key indicators.
#include "CMainFrame.h"

#include "FileDialogService.h"
#include "LanguagePack.h"
#include "MainFormIds.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace {

TEST(StatusBarTest, EveryCommandShowsItsPromptInTheMessagePane)
{
    CMainFrame frame;
    int commands = 0;
    for (QAction* action : frame.findChildren<QAction*>()) {
        const int command = action->data().toInt();
        if (action->isSeparator() || action->menu() || command <= 0)
            continue;
        ++commands;
        EXPECT_FALSE(action->statusTip().isEmpty()) << command;
        EXPECT_EQ(action->statusTip(), CMainFrame::CommandPrompt(command)) << command;
        action->showStatusText(&frame);
        EXPECT_EQ(frame.statusBar()->currentMessage(), action->statusTip()) << command;
    }
    EXPECT_GT(commands, 0);
    EXPECT_FALSE(frame.FindCommandActions(kCommandSaveProject).isEmpty());
}

TEST(StatusBarTest, LockKeyIndicatorsShowTheKeysThatAreOnAndNothingWhenUnknown)
{
    CMainFrame frame;
    const auto texts = [&frame] {
        QStringList shown;
        for (auto which :
             {CMainFrame::kCapsLockIndicator, CMainFrame::kNumLockIndicator, CMainFrame::kScrollLockIndicator})
            shown << frame.GetLockKeyIndicator(which)->text();
        return shown;
    };
    // The offscreen platform does not tell.
    EXPECT_EQ(texts(), QStringList({"", "", ""}));

    frame.ShowLockKeys(LockKeyState{true, false, true});
    EXPECT_EQ(texts(), QStringList({LanguagePack::String(CMainFrame::kStringLockKeyIndicators[0]), "",
                                    LanguagePack::String(CMainFrame::kStringLockKeyIndicators[2])}));
    EXPECT_EQ(texts()[0], QStringLiteral("CAP"));
    frame.ShowLockKeys(LockKeyState{false, true, false});
    EXPECT_EQ(texts(), QStringList({"", "NUM", ""}));
    frame.ShowLockKeys(std::nullopt);
    EXPECT_EQ(texts(), QStringList({"", "", ""}));
}

TEST(ProjectFolderTest, FileChoosersStartInTheProjectsFolder)
{
    CMainFrame frame;
    frame.SetProjectTitle(QStringLiteral("/srv/plants/north/pump.pelx"));
    EXPECT_EQ(FileDialogProjectFolder(), QStringLiteral("/srv/plants/north"));
    frame.SetProjectTitle(QString());
    EXPECT_TRUE(FileDialogProjectFolder().isEmpty());
}

} // namespace

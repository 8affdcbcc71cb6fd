// Start-up: the language pack, one interactive instance, the launch choice reaching the frame.
#include "CPelandrixApp.h"

#include "CBatchSave.h"
#include "CDialogBase.h"
#include "CLaunchDlg.h"
#include "CMainFrame.h"
#include "ConfigFiles.h"
#include "IniFile.h"
#include "LanguagePack.h"
#include "MainFormIds.h"
#include "ProfileKeys.h"
#include "RecordingFileDialogService.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"
#include "ShellOpen.h"
#include "TestEnvironment.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Every start-up here runs with recording dialogs and a private single-instance channel.
class PelandrixAppTest : public testing::Test {
protected:
    PelandrixAppTest() : installed_(boxes_)
    {
        QFile::remove(GetProfilePath());
        previousOpener_ = SetShellOpener([this](const QString& target, const QString&) {
            opened_.append(target);
            return openerSucceeds_;
        });
    }
    // The application unloads the language pack when it ends (or fails to load it); the tests that
    // follow in this process need it again.
    ~PelandrixAppTest() override
    {
        SetShellOpener(previousOpener_);
        if (!LanguagePack::IsLoaded())
            LanguagePack::LoadDefault();
    }

    static QString channel(const char* name)
    {
        return TestEnvironment::HomeFolder() + QStringLiteral("/tmp/app-") + QString::fromLatin1(name);
    }
    static void switchLaunchWindowOff()
    {
        ASSERT_TRUE(WritePrivateProfileString(kProfilePreferenceSection, kProfileShowSplashKey, QStringLiteral("0"),
                                              GetProfilePath()));
    }
    template <class Condition>
    static bool waitFor(Condition condition)
    {
        const QDeadlineTimer deadline(1000);
        while (!condition() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return condition();
    }
    // Clicks a button of the launch window once it is up.
    static void clickInLaunchWindow(int controlId)
    {
        QTimer::singleShot(0, [controlId] {
            auto* launch = qobject_cast<CLaunchDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(launch, nullptr);
            launch->button(controlId)->click();
        });
    }

    RecordingMessageBoxService boxes_;
    ScopedMessageBoxService installed_;
    RecordingFileDialogService chooser_;
    QStringList opened_;
    bool openerSucceeds_ = true;
    ShellOpener previousOpener_;
};

TEST_F(PelandrixAppTest, MissingLanguagePackIsReportedAndEndsWithCodeOne)
{
    QTemporaryDir emptyProgramFolder;
    SetProgramDirectory(emptyProgramFolder.path());
    CPelandrixApp app(channel("nopack"));
    testing::internal::CaptureStderr();
    const bool started = app.InitInstance({});
    const std::string err = testing::internal::GetCapturedStderr();
    SetProgramDirectory(QStringLiteral(PELANDRIX_RUNTIME_DIR));
    ASSERT_TRUE(LanguagePack::LoadDefault());

    EXPECT_FALSE(started);
    EXPECT_EQ(app.ExitCode(), CPelandrixApp::kExitNoLanguagePack);
    EXPECT_EQ(app.GetMainFrame(), nullptr);
    const QString expectedPath = emptyProgramFolder.path() + QStringLiteral("/Lang/PelandrixEnu.rcc");
    EXPECT_NE(err.find(expectedPath.toStdString()), std::string::npos) << err;
    ASSERT_EQ(boxes_.boxes().size(), 1);
    EXPECT_TRUE(boxes_.boxes()[0].text.contains(expectedPath)) << boxes_.boxes()[0].text.toStdString();
    EXPECT_EQ(boxes_.boxes()[0].flags, MB_OK | MB_ICONERROR);
}

TEST_F(PelandrixAppTest, ClosingTheLaunchWindowEndsWithoutAFrame)
{
    CPelandrixApp app(channel("closed"));
    clickInLaunchWindow(kButtonLaunchClose);
    EXPECT_FALSE(app.InitInstance({}));
    EXPECT_EQ(app.ExitCode(), CPelandrixApp::kExitNormal);
    EXPECT_EQ(app.GetMainFrame(), nullptr);
    EXPECT_TRUE(boxes_.boxes().isEmpty());
}

TEST_F(PelandrixAppTest, LaunchChoiceReachesTheFrameOnceItRuns)
{
    CPelandrixApp app(channel("help"));
    clickInLaunchWindow(kButtonLaunchHelp);
    ASSERT_TRUE(app.InitInstance({}));
    ASSERT_NE(app.GetMainFrame(), nullptr);
    EXPECT_TRUE(app.GetMainFrame()->isVisible());
    EXPECT_TRUE(opened_.isEmpty()) << "queued, not run during start-up";
    // DefaultSettings.ini names no help page: the maker's page opens.
    EXPECT_TRUE(waitFor([&] { return !opened_.isEmpty(); }));
    EXPECT_EQ(opened_, QStringList{QLatin1String(CPelandrixApp::kMakerHelpPage)});
}

TEST_F(PelandrixAppTest, AHelpPageThatCannotBeOpenedIsReportedInABox)
{
    CPelandrixApp app(channel("nohelp"));
    openerSucceeds_ = false;
    app.OnCommand(kCommandHelp);
    ASSERT_EQ(opened_, QStringList{QLatin1String(CPelandrixApp::kMakerHelpPage)});
    ASSERT_EQ(boxes_.boxes().size(), 1);
    EXPECT_TRUE(boxes_.boxes()[0].text.contains(QLatin1String(CPelandrixApp::kMakerHelpPage)))
        << boxes_.boxes()[0].text.toStdString();
    EXPECT_EQ(boxes_.boxes()[0].flags, MB_OK | MB_ICONERROR);

    openerSucceeds_ = true;
    app.OnCommand(kCommandHelp);
    EXPECT_EQ(boxes_.boxes().size(), 1) << "an opened page needs no box";
}

TEST_F(PelandrixAppTest, ArgumentsSkipTheLaunchWindowAndAreCappedAtFive)
{
    CPelandrixApp app(channel("arguments"));
    ASSERT_TRUE(app.InitInstance({"\"/data/Plant.pelx\"", "b", "c", "d", "e", "f"}));
    EXPECT_EQ(app.ArgumentCount(), 5);
    EXPECT_EQ(app.Arguments().first(), QStringLiteral("/data/Plant.pelx"));
    EXPECT_NE(app.GetMainFrame(), nullptr);
}

TEST_F(PelandrixAppTest, ASecondStartBringsTheFirstToTheFrontButTheBatchSaveRunsBeside)
{
    const QString name = channel("instances");
    switchLaunchWindowOff();
    CPelandrixApp first(name);
    ASSERT_TRUE(first.InitInstance({}));
    CMainFrame* frame = first.GetMainFrame();
    ASSERT_NE(frame, nullptr);
    frame->showMinimized();
    ASSERT_TRUE(frame->isMinimized());

    CPelandrixApp second(name);
    EXPECT_FALSE(second.InitInstance({QStringLiteral("/data/Other.pelx")}));
    EXPECT_EQ(second.ExitCode(), CPelandrixApp::kExitNormal);
    EXPECT_EQ(second.GetMainFrame(), nullptr);
    EXPECT_TRUE(waitFor([&] { return !frame->isMinimized(); })) << "the first instance is restored";

    frame->showMinimized();
    CPelandrixApp batch(name);
    EXPECT_FALSE(batch.InitInstance({QStringLiteral("-s"), QStringLiteral("/data/In.pelx")}))
        << "the batch save runs during start-up and ends the program";
    EXPECT_EQ(batch.ExitCode(), CBatchSave::kExitFailed) << "no such project";
    EXPECT_EQ(batch.GetMainFrame(), nullptr) << "headless";
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame->isMinimized()) << "the batch save does not disturb the running instance";
    EXPECT_EQ(batch.ExitInstance(), CBatchSave::kExitFailed);
    ASSERT_TRUE(LanguagePack::LoadDefault()); // shut-down let go of the pack
}

} // namespace

// The launch window: its choices, the switch for later starts, and the plain window when an
// image is missing.
#include "CLaunchDlg.h"

#include "CGdipButton.h"
#include "ConfigFiles.h"
#include "IniFile.h"
#include "LaunchAction.h"
#include "MainFormIds.h"
#include "ProfileKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int kSafetyTimeoutMs = 5000;

void setShowSplash(const char* value)
{
    QFile::remove(GetProfilePath());
    if (value) {
        ASSERT_TRUE(
            WritePrivateProfileString(kProfilePreferenceSection, kProfileShowSplashKey, value, GetProfilePath()));
    }
}

QString storedShowSplash()
{
    return GetPrivateProfileString(kProfilePreferenceSection, kProfileShowSplashKey, QStringLiteral("<none>"),
                                   GetProfilePath());
}

struct LaunchRun {
    int result = -1;
    int choice = -1;
    bool shown = false;
};

// Runs the window; once it is up, does what the user does. A window left open is closed after a
// while, so a fault cannot hang the test.
LaunchRun runLaunch(CLaunchDlg& launch, const std::function<void(CLaunchDlg&)>& user)
{
    LaunchRun run;
    QTimer::singleShot(0, &launch, [&] {
        run.shown = launch.isVisible();
        user(launch);
    });
    QTimer::singleShot(kSafetyTimeoutMs, &launch, &QDialog::reject);
    run.result = launch.DoModal();
    run.choice = launch.GetLaunchChoice();
    return run;
}

void click(CLaunchDlg& launch, int controlId)
{
    QAbstractButton* button = launch.button(controlId);
    ASSERT_NE(button, nullptr) << controlId;
    button->click();
}

void pressKey(QWidget& widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

TEST(LaunchDlgTest, EachButtonAndKeyEndsWithItsChoice)
{
    const struct {
        const char* label;
        std::function<void(CLaunchDlg&)> user;
        int result;
        int choice;
    } cases[] = {
        {"new project", [](CLaunchDlg& d) { click(d, kButtonLaunchNew); }, 1, kLaunchChoiceNewProject},
        {"open project", [](CLaunchDlg& d) { click(d, kButtonLaunchOpen); }, 1, kLaunchChoiceOpenProject},
        {"help", [](CLaunchDlg& d) { click(d, kButtonLaunchHelp); }, 1, kLaunchChoiceHelp},
        {"close", [](CLaunchDlg& d) { click(d, kButtonLaunchClose); }, 0, kLaunchChoiceEnd},
        {"Esc", [](CLaunchDlg& d) { pressKey(d, Qt::Key_Escape); }, 0, kLaunchChoiceEnd},
        {"Enter", [](CLaunchDlg& d) { pressKey(d, Qt::Key_Return); }, 0, kLaunchChoiceEnd},
        {"system close", [](CLaunchDlg& d) { d.close(); }, 0, kLaunchChoiceEnd},
    };
    for (const auto& c : cases) {
        setShowSplash(nullptr);
        CLaunchDlg launch(false);
        const LaunchRun run = runLaunch(launch, c.user);
        EXPECT_TRUE(run.shown) << c.label;
        EXPECT_TRUE(launch.IsPictureWindow()) << c.label;
        EXPECT_EQ(run.result, c.result) << c.label;
        EXPECT_EQ(run.choice, c.choice) << c.label;
    }
}

TEST(LaunchDlgTest, ArgumentsOrTheSwitchEndItWithoutShowingIt)
{
    const struct {
        const char* label;
        bool hasArguments;
        const char* showSplash;
        int choice;
    } cases[] = {
        {"arguments", true, nullptr, kLaunchChoiceCommandLine},
        {"arguments come before the switch", true, "0", kLaunchChoiceCommandLine},
        {"switched off", false, "0", kLaunchChoiceLatestProject},
    };
    for (const auto& c : cases) {
        setShowSplash(c.showSplash);
        CLaunchDlg launch(c.hasArguments);
        const LaunchRun run = runLaunch(launch, [](CLaunchDlg&) {});
        EXPECT_EQ(run.result, 1) << c.label;
        EXPECT_EQ(run.choice, c.choice) << c.label;
        EXPECT_FALSE(launch.isVisible()) << c.label;
        EXPECT_EQ(launch.button(kButtonLaunchNew), nullptr) << c.label << ": nothing was built";
    }
}

TEST(LaunchDlgTest, TheToggleWritesTheSwitchToTheProfileAtOnce)
{
    const struct {
        int clicks;
        const char* stored;
        bool showsAtStart;
    } cases[] = {{1, "0", false}, {2, "1", true}, {3, "0", false}};
    for (const auto& c : cases) {
        setShowSplash(nullptr);
        CLaunchDlg launch(false);
        QString afterClicks;
        const LaunchRun run = runLaunch(launch, [&](CLaunchDlg& d) {
            for (int i = 0; i < c.clicks; ++i)
                click(d, kButtonLaunchSplashToggle);
            afterClicks = storedShowSplash(); // written before the window closes
            click(d, kButtonLaunchClose);
        });
        EXPECT_EQ(afterClicks, QString::fromLatin1(c.stored)) << c.clicks << " clicks";
        EXPECT_EQ(launch.ShowsAtStart(), c.showsAtStart) << c.clicks << " clicks";
        EXPECT_EQ(run.choice, kLaunchChoiceEnd) << "the toggle does not end the window";
    }

    // The next start honours it.
    setShowSplash("0");
    CLaunchDlg next(false);
    EXPECT_EQ(runLaunch(next, [](CLaunchDlg&) {}).choice, kLaunchChoiceLatestProject);
}

TEST(LaunchDlgTest, PictureWindowPlacesItsButtonsOnTheBackground)
{
    setShowSplash(nullptr);
    CLaunchDlg launch(false);
    const LaunchImages images = LoadLaunchImages();
    ASSERT_TRUE(HasAllLaunchImages(images));
    runLaunch(launch, [&](CLaunchDlg& d) {
        EXPECT_EQ(d.size(), images[kImageLaunchBackground].size());
        EXPECT_TRUE(d.windowFlags().testFlag(Qt::FramelessWindowHint));
        const struct {
            int id;
            QPoint topLeft;
            unsigned image;
        } buttons[] = {{kButtonLaunchNew, {45, 358}, kImageLaunchNew},
                       {kButtonLaunchOpen, {156, 358}, kImageLaunchOpen},
                       {kButtonLaunchHelp, {272, 358}, kImageLaunchHelp},
                       {kButtonLaunchClose, {387, 358}, kImageLaunchClose}};
        for (const auto& b : buttons) {
            ASSERT_NE(d.button(b.id), nullptr) << b.id;
            EXPECT_EQ(d.button(b.id)->geometry(), QRect(b.topLeft, images[b.image].size())) << b.id;
        }
        auto* toggle = qobject_cast<CGdipButton*>(d.button(kButtonLaunchSplashToggle));
        ASSERT_NE(toggle, nullptr);
        EXPECT_EQ(toggle->geometry(), QRect(45, 550, 24, 24));
        EXPECT_TRUE(toggle->IsToggleMode());
        EXPECT_FALSE(toggle->IsShowingToggledImage()); // "shown at start" first
        d.reject();
    });
}

TEST(LaunchDlgTest, AMissingImageGivesAPlainWindowWithTheSameChoices)
{
    for (unsigned missing : {kImageLaunchBackground, kImageSplashLabel, kImageLaunchHelp}) {
        setShowSplash(nullptr);
        LaunchImages images = LoadLaunchImages();
        images.remove(missing);
        CLaunchDlg launch(false, images);
        bool toggleChecked = false;
        const LaunchRun run = runLaunch(launch, [&](CLaunchDlg& d) {
            QAbstractButton* toggle = d.button(kButtonLaunchSplashToggle);
            ASSERT_NE(toggle, nullptr);
            toggleChecked = toggle->isChecked();
            click(d, kButtonLaunchSplashToggle);
            click(d, kButtonLaunchOpen);
        });
        EXPECT_TRUE(run.shown) << missing;
        EXPECT_FALSE(launch.IsPictureWindow()) << missing;
        EXPECT_TRUE(toggleChecked) << missing;
        EXPECT_EQ(run.choice, kLaunchChoiceOpenProject) << missing;
        EXPECT_EQ(storedShowSplash(), QStringLiteral("0")) << missing;
    }
}

} // namespace

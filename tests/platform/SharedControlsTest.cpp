#include "CColorStatic.h"
#include "CFolderDialog.h"
#include "CGdipButton.h"
#include "CHyperlinkStatic.h"
#include "MessageBoxService.h"
#include "RecordingFileDialogService.h"
#include "ShellOpen.h"
#include "TestEnvironment.h"
#include "UiDriving.h"

#include <QDir>
#include <QPair>
#include <gtest/gtest.h>

namespace {

// Records what would be opened instead of opening it.
class RecordingOpener {
public:
    RecordingOpener()
        : previous_(SetShellOpener([this](const QString& target, const QString& parameters) {
              opened.append({target, parameters});
              return true;
          }))
    {}
    ~RecordingOpener() { SetShellOpener(previous_); }
    QList<QPair<QString, QString>> opened;

private:
    ShellOpener previous_;
};

TEST(CColorStaticTest, ChangesTheTextColourOnTheButtonFace)
{
    CColorStatic label;
    EXPECT_EQ(label.TextColor(), QColor(Qt::black));
    label.ChangeTextColor(Qt::red);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(label.palette().color(QPalette::Window), label.BackgroundColor());
    EXPECT_TRUE(label.autoFillBackground());
}

TEST(CHyperlinkStaticTest, IsExactlyAsWideAsItsTextUnderlinedAndBlue)
{
    CHyperlinkStatic link;
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    link.SetLink(QStringLiteral("Product page"), QStringLiteral("https://127.0.0.1/help"));
    EXPECT_EQ(link.text(), QStringLiteral("Product page"));
    EXPECT_EQ(link.width(), link.fontMetrics().horizontalAdvance(QStringLiteral("Product page")));
    link.SetMailLink(QStringLiteral("support@example.com"));
    EXPECT_EQ(link.text(), QStringLiteral("support@example.com")); // the address is shown when set
    EXPECT_EQ(link.width(), link.fontMetrics().horizontalAdvance(QStringLiteral("support@example.com")));
}

TEST(CHyperlinkStaticTest, AClickOpensTheMailAddressAndTheTarget)
{
    RecordingOpener opener;
    CHyperlinkStatic link;
    link.SetLink(QStringLiteral("Manual"), QStringLiteral("/opt/help/manual.html"), QStringLiteral("-page 3"));
    link.SetMailLink(QStringLiteral("support@example.com"));
    link.show();
    UiDriving::MouseClick(&link);
    EXPECT_EQ(opener.opened,
              (QList<QPair<QString, QString>>{{QStringLiteral("mailto:support@example.com"), QString()},
                                              {QStringLiteral("/opt/help/manual.html"), QStringLiteral("-page 3")}}));
}

QImage solidImage(QRgb color)
{
    QImage image(4, 3, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

TEST(CGdipButtonTest, HotLookBrightensEachChannelAndKeepsAlpha)
{
    const QImage hot = CGdipButton::MakeHotImage(solidImage(qRgba(100, 0, 250, 128)));
    const QRgb pixel = hot.pixel(1, 1);
    EXPECT_EQ(qRed(pixel), 118);  // 100 * 1.05 + 12.75
    EXPECT_EQ(qGreen(pixel), 13); // 0 + 12.75
    EXPECT_EQ(qBlue(pixel), 255); // saturates
    EXPECT_EQ(qAlpha(pixel), 128);
}

TEST(CGdipButtonTest, PressedLookIsShiftedAndToggleModeSwitchesImagesOnEachPress)
{
    CGdipButton button;
    button.SetNormalImage(solidImage(qRgb(10, 10, 10)));
    button.resize(button.sizeHint());
    EXPECT_EQ(button.sizeHint(), QSize(4, 3));
    const QImage pressed = button.LookImage(CGdipButton::Look::Pressed);
    EXPECT_EQ(qAlpha(pressed.pixel(0, 0)), 0);
    EXPECT_EQ(pressed.pixel(1, 1), qRgb(10, 10, 10));

    button.SetToggleMode(true); // no toggled image yet: no effect
    EXPECT_FALSE(button.IsToggleMode());
    EXPECT_FALSE(button.LoadToggledImage(64999)); // not in the pack
    button.SetToggledImage(solidImage(qRgb(200, 0, 0)));
    button.SetToggleMode(true);
    EXPECT_TRUE(button.IsToggleMode());
    EXPECT_FALSE(button.IsShowingToggledImage());

    int clicks = 0;
    QObject::connect(&button, &QAbstractButton::clicked, [&] { ++clicks; });
    button.show();
    UiDriving::MouseClick(&button);
    EXPECT_TRUE(button.IsShowingToggledImage());
    EXPECT_EQ(button.LookImage(CGdipButton::Look::Plain).pixel(0, 0), qRgb(200, 0, 0));
    UiDriving::MouseClick(&button);
    EXPECT_FALSE(button.IsShowingToggledImage());
    EXPECT_EQ(clicks, 2);
}

TEST(CFolderDialogTest, AnswersWithTheChosenFolderOrCancel)
{
    RecordingFileDialogService chooser;
    const QString existing = TestEnvironment::HomeFolder();
    chooser.QueueAnswer(existing);
    chooser.QueueAnswer(QString());
    chooser.QueueAnswer(existing + QStringLiteral("/no-such-folder"));

    CFolderDialog dialog(QStringLiteral("Export folder"), QStringLiteral("/tmp/start"));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetFolderPath(), existing);
    ASSERT_EQ(chooser.requests().size(), 1);
    EXPECT_EQ(chooser.requests()[0], (FileDialogRequest{FileDialogKind::Folder, QStringLiteral("Export folder"),
                                                        QStringLiteral("/tmp/start"), QString()}));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(dialog.GetFolderPath().isEmpty());
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST(FileDialogServiceTest, WithoutAServiceEveryChoiceIsCancelled)
{
    EXPECT_TRUE(ChooseOpenFile(QStringLiteral("Open"), QString(), QStringLiteral("*.pelx")).isEmpty());
    EXPECT_TRUE(ChooseFolder(QStringLiteral("Folder"), QString()).isEmpty());
}

} // namespace

#include "QtMessageBoxService.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(QtMessageBoxServiceTest, FlagsMapToButtonsIconAndTopMost)
{
    using B = QMessageBox;
    const struct {
        const char* label;
        unsigned flags;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
        QMessageBox::StandardButton escapeButton;
        QMessageBox::Icon icon;
        bool topMost;
    } cases[] = {
        {"ok", MB_OK, B::Ok, B::Ok, B::Ok, B::NoIcon, false},
        {"ok cancel warning", MB_OKCANCEL | MB_ICONWARNING, B::Ok | B::Cancel, B::Ok, B::Cancel, B::Warning, false},
        {"yes no question", MB_YESNO | MB_ICONQUESTION, B::Yes | B::No, B::Yes, B::No, B::Question, false},
        {"yes no cancel", MB_YESNOCANCEL | MB_ICONINFORMATION, B::Yes | B::No | B::Cancel, B::Yes, B::Cancel,
         B::Information, false},
        {"error top-most", MB_OK | MB_ICONERROR | MB_TOPMOST, B::Ok, B::Ok, B::Ok, B::Critical, true},
        {"unknown buttons show OK", 0x5, B::Ok, B::Ok, B::Ok, B::NoIcon, false},
    };
    for (const auto& c : cases) {
        const MessageBoxLook look = MapMessageBoxFlags(c.flags);
        EXPECT_EQ(look.buttons, c.buttons) << c.label;
        EXPECT_EQ(look.defaultButton, c.defaultButton) << c.label;
        EXPECT_EQ(look.escapeButton, c.escapeButton) << c.label;
        EXPECT_EQ(look.icon, c.icon) << c.label;
        EXPECT_EQ(look.topMost, c.topMost) << c.label;
    }
}

TEST(QtMessageBoxServiceTest, ChosenButtonsAnswerTheirIds)
{
    using B = QMessageBox;
    const struct {
        const char* label;
        QMessageBox::StandardButton button;
        unsigned flags;
        int answer;
    } cases[] = {
        {"ok", B::Ok, MB_OK, IDOK},
        {"cancel", B::Cancel, MB_OKCANCEL, IDCANCEL},
        {"yes", B::Yes, MB_YESNO, IDYES},
        {"no", B::No, MB_YESNOCANCEL, IDNO},
        {"closed ok-only", B::NoButton, MB_OK, IDOK},
        {"closed ok-cancel", B::NoButton, MB_OKCANCEL, IDCANCEL},
        {"closed yes-no", B::NoButton, MB_YESNO, IDNO},
        {"button the box lacks", B::Yes, MB_OKCANCEL, IDCANCEL},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MessageBoxAnswer(c.button, c.flags), c.answer) << c.label;
}

// A question asked from a dialog belongs to that dialog, even while the main window is the active
// one; the stay-on-top hint is for a box without an owner, where some window managers would
// otherwise raise the main window above the asking dialog.
TEST(QtMessageBoxServiceTest, ABoxAskedFromAModalDialogBelongsToIt)
{
    QtMessageBoxService service;
    QMainWindow frame;
    frame.show();
    QDialog tool(&frame);
    QWidget* owner = nullptr;
    bool stayOnTop = true;
    QTimer::singleShot(0, &tool, [&] {
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (box && box != &tool) {
                owner = box->parentWidget();
                stayOnTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                box->close();
            }
        });
        frame.activateWindow();
        service.Show(QStringLiteral("Go on?"), QString(), MB_YESNO | MB_TOPMOST);
        tool.accept();
    });
    tool.exec();
    EXPECT_EQ(owner, &tool);
    EXPECT_FALSE(stayOnTop);
}

} // namespace

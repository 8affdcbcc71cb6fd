#include "CDialogBase.h"
#include "CFormBase.h"
#include "CIPAddressCtrl.h"
#include "CListCtrlEx.h"
#include "CMenuEdit.h"
#include "DialogHelpers.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"
#include "UiDriving.h"
#include "ValidationLines.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

DialogTemplate parse(const char* source)
{
    DialogTemplate parsed;
    QString error;
    EXPECT_TRUE(ParseDialogTemplate(QString::fromUtf8(source), QStringLiteral("test.dlg"), parsed, error))
        << error.toStdString();
    return parsed;
}

constexpr const char* kPageSource = "dialog 900 text=\"Port\" width=400 height=200\n"
                                    "control 10 group row=0 col=0 colspan=2 text=\"Settings\"\n"
                                    "control 11 static row=0 col=0 in=10 string=213\n"
                                    "control 12 edit row=0 col=1 in=10 number\n"
                                    "control 13 droplist row=1 col=1 in=10\n"
                                    "control 14 check row=1 col=0 text=\"Enabled\"\n"
                                    "control 15 radio row=2 col=0 text=\"A\" group=1\n"
                                    "control 16 radio row=2 col=1 text=\"B\" group=1\n"
                                    "control 17 radio row=3 col=0 text=\"C\" group=2\n"
                                    "control 18 radio row=3 col=1 text=\"D\" group=2\n"
                                    "control 19 list row=4 col=0 colspan=2\n"
                                    "control 20 ip row=5 col=0\n"
                                    "control 21 menuedit row=5 col=1 readonly\n"
                                    "control 22 edit row=6 col=0 password disabled\n"
                                    "control 23 button row=6 col=1 text=\"Apply\" hidden\n"
                                    "control -1 static row=7 col=0 text=\"unnamed\"\n"
                                    "control -1 static row=7 col=1 text=\"unnamed too\"\n";

TEST(DialogControlsTest, BuildsEveryControlByIdWithItsTypeTextAndFlags)
{
    QWidget host;
    DialogControls controls(parse(kPageSource));
    ASSERT_TRUE(controls.BuildControls(host));
    EXPECT_EQ(host.windowTitle(), QStringLiteral("Port"));

    QList<int> ids = controls.controlIds();
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (QList<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}));

    EXPECT_EQ(controls.itemText(11), QStringLiteral("Time")); // string 213 of the pack
    auto* group = controls.item<QGroupBox>(10);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(controls.item<QLineEdit>(12)->parentWidget(), group);
    EXPECT_NE(controls.item<QComboBox>(13), nullptr);
    EXPECT_NE(controls.item<CListCtrlEx>(19), nullptr);
    EXPECT_NE(controls.item<CIPAddressCtrl>(20), nullptr);
    EXPECT_TRUE(controls.item<CMenuEdit>(21)->isReadOnly());
    EXPECT_EQ(controls.item<QLineEdit>(22)->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(controls.item<QLineEdit>(22)->isEnabled());
    EXPECT_TRUE(controls.item<QPushButton>(23)->isHidden());
    // A base class reaches the control too.
    EXPECT_NE(controls.item<QWidget>(14), nullptr);
    EXPECT_NE(controls.item<QAbstractButton>(14), nullptr);
}

TEST(DialogControlsTest, WrongTypeOrUnknownIdGivesNullAndATraceLine)
{
    QWidget host;
    DialogControls controls(parse(kPageSource));
    ASSERT_TRUE(controls.BuildControls(host));

    testing::internal::CaptureStderr();
    EXPECT_EQ(controls.item<QComboBox>(12), nullptr);
    EXPECT_EQ(controls.item<QLineEdit>(4242), nullptr);
    EXPECT_FALSE(controls.setItemText(4242, QStringLiteral("x")));
    EXPECT_FALSE(controls.onClicked(12, [] {}));
    const std::string traced = testing::internal::GetCapturedStderr();
    EXPECT_NE(traced.find("dialog template 900, control 12: has another type than QComboBox"), std::string::npos)
        << traced;
    EXPECT_NE(traced.find("dialog template 900, control 4242: no such control"), std::string::npos) << traced;
    EXPECT_NE(traced.find("control 12: has no click: QLineEdit"), std::string::npos) << traced;
}

TEST(DialogControlsTest, IdZeroNamesNoControlWithoutATrace)
{
    QWidget host;
    DialogControls controls(parse(kPageSource));
    ASSERT_TRUE(controls.BuildControls(host));

    testing::internal::CaptureStderr();
    EXPECT_EQ(controls.control(DialogControls::kNoControl), nullptr);
    EXPECT_EQ(controls.item<QPushButton>(0), nullptr);
    EXPECT_FALSE(controls.onClicked(0, [] {}));
    EXPECT_FALSE(controls.onChanged(0, [] {}));
    EXPECT_FALSE(controls.setItemText(0, QStringLiteral("x")));
    const std::string traced = testing::internal::GetCapturedStderr();
    EXPECT_EQ(traced.find("control 0"), std::string::npos) << traced;
}

TEST(DialogControlsTest, HandlersRunWhenTheUserActs)
{
    QWidget host;
    DialogControls controls(parse(kPageSource));
    ASSERT_TRUE(controls.BuildControls(host));
    controls.showItem(23, true);
    host.show();

    int clicks = 0;
    int checkChanges = 0;
    int editChanges = 0;
    int comboChanges = 0;
    int addressChanges = 0;
    int doubleClicks = 0;
    ASSERT_TRUE(controls.onClicked(23, [&] { ++clicks; }));
    ASSERT_TRUE(controls.onChanged(14, [&] { ++checkChanges; }));
    ASSERT_TRUE(controls.onChanged(12, [&] { ++editChanges; }));
    ASSERT_TRUE(controls.onChanged(13, [&] { ++comboChanges; }));
    ASSERT_TRUE(controls.onChanged(20, [&] { ++addressChanges; }));
    ASSERT_TRUE(controls.onDoubleClicked(19, [&] { ++doubleClicks; }));

    UiDriving::MouseClick(controls.item<QPushButton>(23));
    UiDriving::MouseClick(controls.item<QCheckBox>(14));
    UiDriving::TypeText(controls.item<QLineEdit>(12), QStringLiteral("12a3")); // number-only: the letter is refused
    FillCombo(controls.item<QComboBox>(13), QStringList{QStringLiteral("x"), QStringLiteral("y")});
    controls.item<QComboBox>(13)->setCurrentIndex(1);
    UiDriving::TypeText(controls.item<CIPAddressCtrl>(20)->field(0), QStringLiteral("7"));
    auto* list = controls.item<CListCtrlEx>(19);
    list->InsertColumn(0, QStringLiteral("c"), 50);
    list->InsertItem(0, QStringLiteral("row"));
    emit list->doubleClicked(list->model()->index(0, 0));

    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(checkChanges, 1);
    EXPECT_TRUE(controls.isItemChecked(14));
    EXPECT_EQ(controls.itemText(12), QStringLiteral("123"));
    EXPECT_EQ(editChanges, 3);
    EXPECT_EQ(comboChanges, 1); // filling is quiet; the selection change is not
    EXPECT_EQ(addressChanges, 1);
    EXPECT_EQ(doubleClicks, 1);
}

TEST(DialogControlsTest, RadioButtonsAreExclusiveWithinTheirGroupOnly)
{
    QWidget host;
    DialogControls controls(parse(kPageSource));
    ASSERT_TRUE(controls.BuildControls(host));
    host.show();
    for (int id : {15, 16, 18})
        UiDriving::MouseClick(controls.item<QRadioButton>(id));
    EXPECT_FALSE(controls.isItemChecked(15));
    EXPECT_TRUE(controls.isItemChecked(16));
    EXPECT_FALSE(controls.isItemChecked(17));
    EXPECT_TRUE(controls.isItemChecked(18));
}

TEST(DialogControlsTest, MissingOrMalformedTemplateBuildsNothing)
{
    QWidget host;
    DialogControls missing(64998);
    EXPECT_FALSE(missing.BuildControls(host));
    EXPECT_EQ(missing.dialogTemplate(), nullptr);
    EXPECT_EQ(missing.control(1), nullptr);
    EXPECT_EQ(host.layout(), nullptr);
}

// A small page the way the property pages are written.
class PortDialog : public CDialogBase {
public:
    PortDialog()
        : CDialogBase(parse("dialog 901 text=\"Port\"\n"
                            "control 31 static row=0 col=0 text=\"Port number\"\n"
                            "control 32 edit row=0 col=1 number\n"
                            "control 1 button row=1 col=0 text=\"OK\" default\n"
                            "control 2 button row=1 col=1 text=\"Cancel\"\n"))
    {}
    int initCount = 0;
    int port = 0;

protected:
    bool OnInitDialog() override
    {
        ++initCount;
        setItemText(32, QStringLiteral("502"));
        return true;
    }
    void OnOK() override
    {
        ValidationLines problems;
        QString message;
        if (CheckEditRange(item<QLineEdit>(32), 1, 65535, message, LabelText(*this, 31)) != 0)
            problems.Add(message);
        if (problems.ShowIfAny())
            return;
        port = itemText(32).toInt();
        CDialogBase::OnOK();
    }
};

TEST(CDialogBaseTest, InitialisesOnceAndEndsWithTheButtonsIds)
{
    PortDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.initCount, 1);
    EXPECT_EQ(dialog.itemText(32), QStringLiteral("502"));

    dialog.show();
    UiDriving::MouseClick(dialog.item<QPushButton>(1));
    EXPECT_EQ(dialog.result(), IDOK);
    EXPECT_EQ(dialog.port, 502);

    PortDialog cancelled;
    cancelled.Create();
    cancelled.show();
    UiDriving::KeyClick(&cancelled, Qt::Key_Escape);
    EXPECT_EQ(cancelled.result(), IDCANCEL);
    EXPECT_FALSE(cancelled.isVisible());
}

TEST(CDialogBaseTest, OkWithABadFieldShowsOneBoxAndKeepsTheDialogOpen)
{
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService installed(boxes);
    PortDialog dialog;
    dialog.Create();
    dialog.show();
    auto* edit = dialog.item<QLineEdit>(32);
    edit->selectAll();
    UiDriving::TypeText(edit, QStringLiteral("70000"));
    UiDriving::MouseClick(dialog.item<QPushButton>(1));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("Port number must be a number from 1 to 65535.\r\n"));
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OK | MB_ICONWARNING);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.port, 0);
}

TEST(CDialogBaseTest, DoModalOfAMissingTemplateAnswersMinusOne)
{
    CDialogBase dialog(64997);
    EXPECT_EQ(dialog.DoModal(), -1);
}

class CountingForm : public CFormBase {
public:
    using CFormBase::CFormBase;
    int initCount = 0;

protected:
    bool OnInitDialog() override
    {
        ++initCount;
        return true;
    }
};

TEST(CFormBaseTest, BuildsFromThePackAndInitialisesOnce)
{
    CountingForm form(135);
    ASSERT_TRUE(form.Create());
    ASSERT_TRUE(form.Create());
    EXPECT_EQ(form.initCount, 1);
    EXPECT_NE(form.item<CListCtrlEx>(2739), nullptr);
}

} // namespace

#include "DialogHelpers.h"

#include "RecordingMessageBoxService.h"
#include "ResultCodes.h"
#include "ScopedMessageBoxService.h"
#include "Validation.h"
#include "ValidationLines.h"

#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

TEST(ComboHelpersTest, FillSelectByDataAndReadBack)
{
    QComboBox combo;
    int changes = 0;
    QObject::connect(&combo, &QComboBox::currentIndexChanged, [&] { ++changes; });
    FillCombo(&combo,
              {{QStringLiteral("9600"), 9600}, {QStringLiteral("19200"), 19200}, {QStringLiteral("115200"), 115200}});
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(ComboSelectedData(&combo), 9600);
    EXPECT_TRUE(SelectComboByData(&combo, 115200));
    EXPECT_EQ(combo.currentText(), QStringLiteral("115200"));
    EXPECT_FALSE(SelectComboByData(&combo, 300));
    EXPECT_EQ(ComboSelectedData(&combo), 115200);

    FillCombo(&combo, QStringList{QStringLiteral("None"), QStringLiteral("Odd")});
    EXPECT_EQ(ComboSelectedData(&combo), 0);
    EXPECT_TRUE(SelectComboByData(&combo, 1));
    FillCombo(&combo, QStringList{});
    EXPECT_EQ(ComboSelectedData(&combo, -7), -7);
    EXPECT_EQ(ComboSelectedData(nullptr, -7), -7);
    EXPECT_FALSE(SelectComboByData(nullptr, 1));
}

TEST(DialogValidationTest, RangeCheckOfAnEditControl)
{
    QLineEdit edit;
    QString message = QStringLiteral("untouched");
    edit.setText(QStringLiteral("65535"));
    EXPECT_EQ(CheckEditRange(&edit, 1, 65535, message, QStringLiteral("Port")), kS_OK);
    EXPECT_EQ(message, QStringLiteral("untouched"));
    edit.setText(QStringLiteral("0"));
    EXPECT_EQ(CheckEditRange(&edit, 1, 65535, message, QStringLiteral("Port")), kE_FAIL);
    EXPECT_EQ(message, QStringLiteral("Port must be a number from 1 to 65535."));
    message = QStringLiteral("untouched");
    EXPECT_EQ(CheckEditRange(static_cast<QWidget*>(nullptr), 1, 2, message, QStringLiteral("Port")), kE_FAIL);
    EXPECT_EQ(message, QStringLiteral("untouched"));
}

DialogTemplate labelsTemplate()
{
    DialogTemplate parsed;
    QString error;
    const QString longLabel(100, u'L');
    EXPECT_TRUE(ParseDialogTemplate(QStringLiteral("dialog 950\n"
                                                   "control 1 static row=0 col=0 text=\"Poll time\"\n"
                                                   "control 2 static row=1 col=0\n"
                                                   "control 3 static row=2 col=0 text=\"%1\"\n")
                                        .arg(longLabel),
                                    QStringLiteral("labels.dlg"), parsed, error))
        << error.toStdString();
    return parsed;
}

TEST(DialogValidationTest, MessageLinesNameTheFieldByItsLabel)
{
    QWidget host;
    DialogControls dialog(labelsTemplate());
    ASSERT_TRUE(dialog.BuildControls(host));

    EXPECT_EQ(FormatRangeErrorLine(dialog, 1, 10, 600),
              QStringLiteral("Poll time: the value must be between 10 and 600.\r\n"));
    EXPECT_EQ(FormatLimitErrorLine(dialog, 1, 64),
              QStringLiteral("Poll time: the value must not be greater than 64.\r\n"));
    EXPECT_EQ(FormatInvalidItemLine(dialog, 1), QStringLiteral("\"Poll time\" is not valid.\r\n"));
    EXPECT_EQ(FormatItemErrorLine(dialog, 1), QStringLiteral("Poll time: please check this setting.\r\n"));
    EXPECT_EQ(
        FormatPatternErrorLine(dialog, 1, QStringLiteral("1x")),
        QStringLiteral("1x: the text entered for Poll time contains characters or a format that is not allowed.\r\n"));
    EXPECT_EQ(FormatMessageLine(dialog, kStringItemError, 1, QStringLiteral("v")),
              QStringLiteral("v: please check this setting.\r\n"));
    // An empty or missing label gives no line.
    EXPECT_TRUE(FormatRangeErrorLine(dialog, 2, 1, 2).isEmpty());
    EXPECT_TRUE(FormatItemErrorLine(dialog, 77).isEmpty());
    // Labels are read up to 80 characters.
    EXPECT_EQ(LabelText(dialog, 3), QString(80, u'L'));
}

TEST(ValidationLinesTest, CollectsLinesIntoOneBox)
{
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService installed(boxes);
    ValidationLines lines;
    EXPECT_FALSE(lines.ShowIfAny());
    lines.Add(FormatItemErrorLine(QStringLiteral("Port")));
    lines.Add(QString());
    lines.Add(QStringLiteral("Baud rate is wrong"));
    EXPECT_TRUE(lines.ShowIfAny());
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("Port: please check this setting.\r\nBaud rate is wrong\r\n"));
    EXPECT_EQ(boxes.boxes()[0].flags, MB_OK | MB_ICONWARNING);
}

} // namespace

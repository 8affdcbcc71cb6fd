#include "DialogTemplate.h"
#include "MenuTemplate.h"

#include <QMenu>
#include <gtest/gtest.h>

namespace {

TEST(DialogTemplateTest, ParsesDialogLineControlsPlacementTextsAndFlags)
{
    const QString source = QStringLiteral("# a page\n"
                                          "dialog 4711 text=\"Serial \\\"port\\\"\" width=420 height=300\n"
                                          "\n"
                                          "control 10 group row=0 col=0 colspan=2 string=212\n"
                                          "control -1 static row=0 col=0 in=10 text=\"Baud rate:\"\n"
                                          "control 11 droplist row=0 col=1 in=10\n"
                                          "control 12 edit row=1 col=1 rowspan=2 colspan=3 number password readonly\n"
                                          "control 13 radio row=3 col=0 group=2 disabled hidden\n"
                                          "control 14 picture row=4 col=0 image=562\n"
                                          "control 1 button row=5 col=1 text=\"OK\" default\n");
    DialogTemplate parsed;
    QString error;
    ASSERT_TRUE(ParseDialogTemplate(source, QStringLiteral("test.dlg"), parsed, error)) << error.toStdString();
    EXPECT_EQ(parsed.id, 4711u);
    EXPECT_EQ(parsed.caption.literal, QStringLiteral("Serial \"port\""));
    EXPECT_EQ(parsed.sizeHint, QSize(420, 300));
    ASSERT_EQ(parsed.controls.size(), 7);

    const ControlTemplate& group = parsed.controls[0];
    EXPECT_EQ(group.type, ControlType::GroupBox);
    EXPECT_EQ(group.text.stringId, 212u);
    EXPECT_EQ(group.columnSpan, 2);

    const ControlTemplate& label = parsed.controls[1];
    EXPECT_EQ(label.id, kNoControlId);
    EXPECT_EQ(label.groupBoxId, 10);
    EXPECT_EQ(label.text.literal, QStringLiteral("Baud rate:"));

    const ControlTemplate* edit = parsed.control(12);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->type, ControlType::Edit);
    EXPECT_EQ((std::array{edit->row, edit->column, edit->rowSpan, edit->columnSpan}), (std::array{1, 1, 2, 3}));
    EXPECT_EQ(edit->flags, ControlFlag::NumberOnly | ControlFlag::Password | ControlFlag::ReadOnly);

    const ControlTemplate* radio = parsed.control(13);
    ASSERT_NE(radio, nullptr);
    EXPECT_EQ(radio->radioGroup, 2);
    EXPECT_TRUE(radio->has(ControlFlag::Disabled));
    EXPECT_TRUE(radio->has(ControlFlag::Hidden));
    EXPECT_EQ(parsed.control(14)->imageId, 562u);
    EXPECT_TRUE(parsed.control(1)->has(ControlFlag::DefaultButton));
    EXPECT_EQ(parsed.control(kNoControlId), nullptr);
}

TEST(DialogTemplateTest, EveryTypeWordRoundTrips)
{
    const QStringList words{QStringLiteral("static"),   QStringLiteral("edit"),      QStringLiteral("multiedit"),
                            QStringLiteral("menuedit"), QStringLiteral("button"),    QStringLiteral("check"),
                            QStringLiteral("radio"),    QStringLiteral("group"),     QStringLiteral("droplist"),
                            QStringLiteral("dropdown"), QStringLiteral("list"),      QStringLiteral("tree"),
                            QStringLiteral("tab"),      QStringLiteral("ip"),        QStringLiteral("spin"),
                            QStringLiteral("progress"), QStringLiteral("hyperlink"), QStringLiteral("colorstatic"),
                            QStringLiteral("picture")};
    for (const QString& word : words) {
        const auto type = ControlTypeFromName(word);
        ASSERT_TRUE(type.has_value()) << word.toStdString();
        EXPECT_EQ(ControlTypeName(*type), word);
    }
    EXPECT_FALSE(ControlTypeFromName(QStringLiteral("combo")).has_value());
}

TEST(DialogTemplateTest, MalformedSourcesNameTheLineAndTheProblem)
{
    const QString head = QStringLiteral("dialog 7\n");
    const struct {
        const char* label;
        QString source;
        const char* expected;
    } cases[] = {
        {"empty", QString(), "the first line must be 'dialog <id> ...'"},
        {"no dialog line", QStringLiteral("control 1 edit row=0 col=0\n"), "the first line must be"},
        {"dialog id not a number", QStringLiteral("dialog abc\n"), "bad.dlg:1: the template id must be a number"},
        {"unknown dialog key", QStringLiteral("dialog 7 title=\"x\"\n"), "bad.dlg:1: unknown setting 'title'"},
        {"unknown keyword", head + QStringLiteral("button 1 row=0 col=0\n"), "bad.dlg:2: unknown keyword 'button'"},
        {"unknown type", head + QStringLiteral("control 1 combo row=0 col=0\n"),
         "bad.dlg:2: unknown control type 'combo'"},
        {"missing cell", head + QStringLiteral("control 1 edit row=0\n"), "bad.dlg:2: row= and col= are required"},
        {"row not a number", head + QStringLiteral("control 1 edit row=x col=0\n"), "bad.dlg:2: row must be a number"},
        {"span zero", head + QStringLiteral("control 1 edit row=0 col=0 colspan=0\n"),
         "colspan must be a number from 1"},
        {"unknown flag", head + QStringLiteral("control 1 edit row=0 col=0 bold\n"), "bad.dlg:2: unknown flag 'bold'"},
        {"typo in key", head + QStringLiteral("control 1 edit row=0 colm=0\n"), "unknown setting 'colm'"},
        {"unclosed quote", head + QStringLiteral("control 1 static row=0 col=0 text=\"abc\n"),
         "bad.dlg:2: unclosed quote"},
        {"quote glued to next", head + QStringLiteral("control 1 static row=0 col=0 text=\"a\"b\n"),
         "a blank must follow"},
        {"text and string", head + QStringLiteral("control 1 static row=0 col=0 text=\"a\" string=5\n"), "not both"},
        {"duplicate id", head + QStringLiteral("control 3 edit row=0 col=0\ncontrol 3 edit row=1 col=0\n"),
         "bad.dlg:3: control id 3 used twice"},
        {"id zero", head + QStringLiteral("control 0 edit row=0 col=0\n"), "the control id must be -1 or from 1"},
        {"key twice", head + QStringLiteral("control 1 edit row=0 row=1 col=0\n"), "'row' given twice"},
        {"group box unknown", head + QStringLiteral("control 1 edit row=0 col=0 in=9\n"),
         "bad.dlg:2: in=9 names no group box above"},
        {"in names no group box",
         head + QStringLiteral("control 9 edit row=0 col=0\ncontrol 1 edit row=0 col=0 in=9\n"), "bad.dlg:3: in=9"},
    };
    for (const auto& c : cases) {
        DialogTemplate parsed;
        QString error;
        EXPECT_FALSE(ParseDialogTemplate(c.source, QStringLiteral("bad.dlg"), parsed, error)) << c.label;
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.expected))) << c.label << ": " << error.toStdString();
    }
}

TEST(DialogTemplateTest, LoadsTemplatesFromTheLanguagePackAndReportsUnknownOnes)
{
    QString error;
    const auto logPane = LoadDialogTemplate(135, &error);
    ASSERT_TRUE(logPane.has_value()) << error.toStdString();
    EXPECT_EQ(logPane->id, 135u);
    ASSERT_NE(logPane->control(2739), nullptr);
    EXPECT_EQ(logPane->control(2739)->type, ControlType::List);

    EXPECT_FALSE(LoadDialogTemplate(64999, &error).has_value());
    EXPECT_TRUE(error.contains(QStringLiteral("dialog template 64999 is not in the language pack")))
        << error.toStdString();
    EXPECT_EQ(DialogTemplatePath(64999), QStringLiteral(":/pelandrix/lang/dialogs/64999.dlg"));
}

TEST(MenuTemplateTest, ParsesNestedPopupsAndBuildsAMenuThatReportsCommands)
{
    const QString source = QStringLiteral("menu 300\n"
                                          "popup text=\"&File\"\n"
                                          "item 10 text=\"&Open\"\n"
                                          "separator\n"
                                          "popup text=\"Recent\"\n"
                                          "item 11 string=212\n"
                                          "end\n"
                                          "end\n"
                                          "item 12 text=\"&Help\"\n");
    MenuTemplate parsed;
    QString error;
    ASSERT_TRUE(ParseMenuTemplate(source, QStringLiteral("m.menu"), parsed, error)) << error.toStdString();
    EXPECT_EQ(parsed.id, 300u);
    ASSERT_EQ(parsed.entries.size(), 2);
    ASSERT_EQ(parsed.entries[0].children.size(), 3);
    EXPECT_EQ(parsed.entries[0].children[2].children[0].text.stringId, 212u);

    QMenu menu;
    QList<int> commands;
    FillMenu(menu, parsed.entries, [&](int command) { commands.append(command); });
    QAction* recent = FindMenuCommand(menu, 11);
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->text(), QStringLiteral("Date")); // string 212 of the pack
    recent->trigger();
    FindMenuCommand(menu, 12)->trigger();
    EXPECT_EQ(commands, (QList<int>{11, 12}));
    EXPECT_EQ(FindMenuCommand(menu, 99), nullptr);
}

TEST(MenuTemplateTest, MalformedMenusAreReported)
{
    const struct {
        const char* label;
        const char* source;
        const char* expected;
    } cases[] = {
        {"no menu line", "item 1 text=\"a\"\n", "the first line must be 'menu <id>'"},
        {"end without popup", "menu 1\nend\n", "m.menu:2: 'end' without 'popup'"},
        {"popup not closed", "menu 1\npopup text=\"a\"\nitem 2 text=\"b\"\n", "a popup lacks its 'end'"},
        {"item without command", "menu 1\nitem text=\"b\"\n", "m.menu:2: the command id must be a number"},
        {"unknown keyword", "menu 1\nmenuitem 2\n", "m.menu:2: unknown keyword 'menuitem'"},
    };
    for (const auto& c : cases) {
        MenuTemplate parsed;
        QString error;
        EXPECT_FALSE(ParseMenuTemplate(QString::fromUtf8(c.source), QStringLiteral("m.menu"), parsed, error))
            << c.label;
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.expected))) << c.label << ": " << error.toStdString();
    }
    QString error;
    EXPECT_FALSE(LoadMenuTemplate(64999, &error).has_value());
    EXPECT_TRUE(error.contains(QStringLiteral("menu 64999 is not in the language pack")));
}

} // namespace

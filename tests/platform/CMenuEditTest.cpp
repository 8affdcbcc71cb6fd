#include "CMenuEdit.h"

#include "PlatformIds.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTextCursor>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct MenuState {
    bool undo, cut, copy, paste, remove, selectAll, tagSelect;
    friend bool operator==(const MenuState&, const MenuState&) = default;
};

void PrintTo(const MenuState& s, std::ostream* out)
{
    *out << "undo " << s.undo << " cut " << s.cut << " copy " << s.copy << " paste " << s.paste << " delete "
         << s.remove << " selectAll " << s.selectAll << " tagSelect " << s.tagSelect;
}

bool enabled(QMenu& menu, int command)
{
    for (QAction* action : menu.actions()) {
        if (!action->isSeparator() && action->data().toInt() == command)
            return action->isEnabled();
    }
    ADD_FAILURE() << "no entry " << command;
    return false;
}

MenuState stateOf(CMenuEdit& edit)
{
    std::unique_ptr<QMenu> menu(edit.CreateEditMenu(nullptr));
    return {enabled(*menu, kMenuEditUndo),     enabled(*menu, kMenuEditCut),    enabled(*menu, kMenuEditCopy),
            enabled(*menu, kMenuEditPaste),    enabled(*menu, kMenuEditDelete), enabled(*menu, kMenuEditSelectAll),
            enabled(*menu, kMenuEditTagSelect)};
}

void select(CMenuEdit& edit, int from, int to)
{
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
}

TEST(CMenuEditTest, EntriesAreInOrderWithTheirTexts)
{
    CMenuEdit edit;
    std::unique_ptr<QMenu> menu(edit.CreateEditMenu(nullptr));
    QStringList texts;
    for (QAction* action : menu->actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(texts,
              (QStringList{"&Undo", "-", "Cu&t", "&Copy", "&Paste", "&Delete", "-", "Select &All", "-", "Tag Select"}));
}

TEST(CMenuEditTest, EntriesAreGreyedByTheEditsState)
{
    const struct {
        const char* label;
        const char* text;
        int selectFrom, selectTo;
        bool readOnly;
        const char* clipboard;
        MenuState expected;
    } cases[] = {
        {"empty", "", 0, 0, false, "", {false, false, false, false, false, false, true}},
        {"text, caret only", "Alarm at %s", 3, 3, false, "", {false, false, false, false, false, true, true}},
        {"part selected", "Alarm at %s", 0, 5, false, "x", {false, true, true, true, true, true, true}},
        {"all selected", "Alarm", 0, 5, false, "", {false, true, true, false, true, false, true}},
        {"read-only with selection", "Alarm", 0, 2, true, "x", {false, false, true, false, false, true, true}},
    };
    for (const auto& c : cases) {
        QApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
        CMenuEdit edit;
        edit.setPlainText(QString::fromUtf8(c.text));
        edit.setReadOnly(c.readOnly);
        select(edit, c.selectFrom, c.selectTo);
        EXPECT_EQ(stateOf(edit), c.expected) << c.label;
    }
}

TEST(CMenuEditTest, UndoIsOfferedAfterAnEditButNotWhenReadOnly)
{
    CMenuEdit edit;
    edit.insertPlainText(QStringLiteral("abc"));
    EXPECT_TRUE(stateOf(edit).undo);
    edit.setReadOnly(true);
    EXPECT_FALSE(stateOf(edit).undo);
}

TEST(CMenuEditTest, CommandsEditTheTextAndTagSelectAsksTheOwner)
{
    CMenuEdit edit;
    edit.setPlainText(QStringLiteral("Tank level high"));
    int tagRequests = 0;
    QObject::connect(&edit, &CMenuEdit::tagSelectRequested, [&] { ++tagRequests; });

    select(edit, 4, 10); // " level"
    std::unique_ptr<QMenu> menu(edit.CreateEditMenu(nullptr));
    for (QAction* action : menu->actions()) {
        if (action->data().toInt() == kMenuEditDelete)
            action->trigger();
    }
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("Tank high"));

    edit.RunCommand(kMenuEditUndo);
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("Tank level high"));
    edit.RunCommand(kMenuEditSelectAll);
    EXPECT_EQ(edit.textCursor().selectedText(), QStringLiteral("Tank level high"));
    edit.RunCommand(kMenuEditCopy);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Tank level high"));
    edit.RunCommand(kMenuEditTagSelect);
    EXPECT_EQ(tagRequests, 1);

    edit.setReadOnly(true);
    edit.RunCommand(kMenuEditDelete);
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("Tank level high"));
}

} // namespace

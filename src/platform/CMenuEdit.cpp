#include "CMenuEdit.h"

#include "PlatformIds.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTextCursor>

namespace {

constexpr const char* kUndoText = "&Undo";
constexpr const char* kCutText = "Cu&t";
constexpr const char* kCopyText = "&Copy";
constexpr const char* kPasteText = "&Paste";
constexpr const char* kDeleteText = "&Delete";
constexpr const char* kSelectAllText = "Select &All";
constexpr const char* kTagSelectText = "Tag Select";
// The frame colour: the inactive caption gradient of the classic desktop scheme.
constexpr const char* kBorderStyle = "CMenuEdit { border: 1px solid rgb(215, 228, 242); }";

} // namespace

CMenuEdit::CMenuEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    QFont normal = font();
    normal.setWeight(QFont::Normal);
    setFont(normal);
    setStyleSheet(QString::fromLatin1(kBorderStyle));
}

bool CMenuEdit::hasSelection() const
{
    return textCursor().hasSelection();
}

bool CMenuEdit::isAllSelected() const
{
    return textCursor().selectedText().size() == document()->characterCount() - 1;
}

QMenu* CMenuEdit::CreateEditMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    const bool readOnly = isReadOnly();
    const bool selection = hasSelection();
    const bool clipboardText = !QApplication::clipboard()->text().isEmpty();
    const bool empty = toPlainText().isEmpty();
    const auto add = [this, menu](const char* text, int command, bool enabled) {
        QAction* action = menu->addAction(QString::fromLatin1(text));
        action->setData(command);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    };
    add(kUndoText, kMenuEditUndo, document()->isUndoAvailable() && !readOnly);
    menu->addSeparator();
    add(kCutText, kMenuEditCut, selection && !readOnly);
    add(kCopyText, kMenuEditCopy, selection);
    add(kPasteText, kMenuEditPaste, clipboardText && !readOnly);
    add(kDeleteText, kMenuEditDelete, selection && !readOnly);
    menu->addSeparator();
    add(kSelectAllText, kMenuEditSelectAll, !empty && !isAllSelected());
    menu->addSeparator();
    add(kTagSelectText, kMenuEditTagSelect, true);
    return menu;
}

void CMenuEdit::RunCommand(int command)
{
    switch (command) {
    case kMenuEditUndo:
        undo();
        break;
    case kMenuEditCut:
        cut();
        break;
    case kMenuEditCopy:
        copy();
        break;
    case kMenuEditPaste:
        paste();
        break;
    case kMenuEditDelete:
        if (!isReadOnly())
            textCursor().removeSelectedText();
        break;
    case kMenuEditSelectAll:
        selectAll();
        break;
    case kMenuEditTagSelect:
        emit tagSelectRequested();
        break;
    default:
        break;
    }
}

void CMenuEdit::contextMenuEvent(QContextMenuEvent* event)
{
    setFocus(Qt::PopupFocusReason);
    QMenu* menu = CreateEditMenu(this);
    menu->exec(event->globalPos());
    delete menu;
}

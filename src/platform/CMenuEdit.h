#pragma once
// A multi-line edit with its own context menu: the edit commands, Select All and "Tag Select",
// which asks the owner (tagSelectRequested) to insert a tag at the caret.

#include <QPlainTextEdit>

class QMenu;

class CMenuEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CMenuEdit(QWidget* parent = nullptr);

    // The context menu with every entry enabled or greyed for the control's present state; each
    // action carries its command id as data. The caller owns the menu.
    QMenu* CreateEditMenu(QWidget* parent);
    // Runs one of the menu's commands (PlatformIds.h); other ids do nothing.
    void RunCommand(int command);

signals:
    void tagSelectRequested();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool hasSelection() const;
    bool isAllSelected() const;
};

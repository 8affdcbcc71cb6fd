#pragma once
// Menu templates of the language pack: one text file per menu, lang/menus/<id>.menu.
//
//   menu 204
//   popup text="Log"
//   item 40022 text="&Clear"
//   separator
//   item 40041 text="&Save As..."
//   end
//
// "menu <id>" comes first; "popup" opens a submenu closed by "end"; an item carries its command
// id and its text (text= or string=).

#include "TemplateSource.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QMenu;

struct MenuEntry {
    enum class Kind { Item, Separator, Popup };
    Kind kind = Kind::Item;
    int command = 0;
    TemplateText text;
    QList<MenuEntry> children; // of a popup
};

struct MenuTemplate {
    unsigned id = 0;
    QList<MenuEntry> entries;
};

bool ParseMenuTemplate(const QString& text, const QString& sourceName, MenuTemplate& out, QString& error);
QString MenuTemplatePath(unsigned menuId);
// A missing or malformed menu gives nullopt, its reason in error (when given) and in the trace log.
std::optional<MenuTemplate> LoadMenuTemplate(unsigned menuId, QString* error = nullptr);

// Adds the entries to the menu; triggering an item calls onCommand with its command id. The
// actions carry their command id as data.
void FillMenu(QMenu& menu, const QList<MenuEntry>& entries, const std::function<void(int)>& onCommand);
// The action of a command anywhere in the menu, nullptr when none.
QAction* FindMenuCommand(const QMenu& menu, int command);

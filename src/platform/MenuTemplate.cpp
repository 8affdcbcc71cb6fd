#include "MenuTemplate.h"

#include "LanguagePack.h"

#include <QMenu>

namespace {

constexpr int kMaxId = 65535;
constexpr const char* kMenuFolder = "lang/menus/";
constexpr const char* kMenuSuffix = ".menu";

class MenuParser {
public:
    MenuParser(const QString& sourceName, MenuTemplate& out) : source_(sourceName), out_(out) {}

    bool Parse(const QString& text)
    {
        QList<TemplateLine> lines;
        if (!source_.Split(text, lines))
            return false;
        if (lines.isEmpty() || lines.first().keyword() != QLatin1String("menu") || lines.first().words.size() != 2)
            return source_.Fail(QStringLiteral("the first line must be 'menu <id>'"));
        const auto id = source_.Number(lines.first(), 1, "the menu id", 1, kMaxId);
        if (!id)
            return false;
        out_.id = static_cast<unsigned>(*id);
        qsizetype next = 1;
        if (!readEntries(lines, next, out_.entries, false))
            return false;
        return true;
    }

    const QString& error() const { return source_.error(); }

private:
    // Reads entries up to "end" (inside a popup) or to the end of the source.
    bool readEntries(const QList<TemplateLine>& lines, qsizetype& next, QList<MenuEntry>& entries, bool inPopup)
    {
        while (next < lines.size()) {
            const TemplateLine& line = lines[next++];
            const QString keyword = line.keyword();
            if (keyword == QLatin1String("end")) {
                if (!inPopup)
                    return source_.Fail(line, QStringLiteral("'end' without 'popup'"));
                return true;
            }
            MenuEntry entry;
            if (keyword == QLatin1String("separator")) {
                entry.kind = MenuEntry::Kind::Separator;
            } else if (keyword == QLatin1String("item")) {
                const auto command = source_.Number(line, 1, "the command id", 1, kMaxId);
                const auto text = command ? ReadTemplateText(source_, line) : std::nullopt;
                if (!text)
                    return false;
                entry.command = *command;
                entry.text = *text;
            } else if (keyword == QLatin1String("popup")) {
                const auto text = ReadTemplateText(source_, line);
                if (!text)
                    return false;
                entry.kind = MenuEntry::Kind::Popup;
                entry.text = *text;
                if (!readEntries(lines, next, entry.children, true))
                    return false;
            } else {
                return source_.Fail(line, QStringLiteral("unknown keyword '%1'").arg(keyword));
            }
            entries.append(entry);
        }
        return inPopup ? source_.Fail(QStringLiteral("a popup lacks its 'end'")) : true;
    }

    TemplateSource source_;
    MenuTemplate& out_;
};

} // namespace

bool ParseMenuTemplate(const QString& text, const QString& sourceName, MenuTemplate& out, QString& error)
{
    MenuTemplate parsed;
    MenuParser parser(sourceName, parsed);
    if (!parser.Parse(text)) {
        error = parser.error();
        return false;
    }
    out = std::move(parsed);
    return true;
}

QString MenuTemplatePath(unsigned menuId)
{
    return LanguagePack::ResourcePath(QLatin1String(kMenuFolder) + QString::number(menuId) +
                                      QLatin1String(kMenuSuffix));
}

std::optional<MenuTemplate> LoadMenuTemplate(unsigned menuId, QString* error)
{
    return LoadPackTemplate<MenuTemplate>("menu", menuId, MenuTemplatePath(menuId), ParseMenuTemplate, error);
}

void FillMenu(QMenu& menu, const QList<MenuEntry>& entries, const std::function<void(int)>& onCommand)
{
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
        case MenuEntry::Kind::Separator:
            menu.addSeparator();
            break;
        case MenuEntry::Kind::Popup:
            FillMenu(*menu.addMenu(entry.text.Resolve()), entry.children, onCommand);
            break;
        case MenuEntry::Kind::Item: {
            QAction* action = menu.addAction(entry.text.Resolve());
            const int command = entry.command;
            action->setData(command);
            QObject::connect(action, &QAction::triggered, &menu, [onCommand, command] { onCommand(command); });
            break;
        }
        }
    }
}

QAction* FindMenuCommand(const QMenu& menu, int command)
{
    for (QAction* action : menu.actions()) {
        if (QMenu* sub = action->menu()) {
            if (QAction* found = FindMenuCommand(*sub, command))
                return found;
        } else if (!action->isSeparator() && action->data().toInt() == command) {
            return action;
        }
    }
    return nullptr;
}

#pragma once
// The language pack (Lang/PelandrixEnu.rcc beside the program): the string table by id now,
// dialog templates, menus and images as the shell needs them.

#include <QHash>
#include <QString>

class LanguagePack {
public:
    static constexpr const char* kRelativePath = "Lang/PelandrixEnu.rcc";

    // Registers the pack beside the program; false (and nothing registered) when missing or unreadable.
    static bool LoadDefault();
    static bool Load(const QString& rccPath);
    static void Unload();
    static bool IsLoaded();

    // The text of a string id; an id the pack lacks gives the empty text.
    static QString String(unsigned id);
    // Resource path of a file inside the pack, such as "lang/StringTable.txt".
    static QString ResourcePath(const QString& relative);

    // Parses the string table text: one "id<TAB>text" per line, with \n \r \t \\ escapes; '#' starts a comment line.
    static QHash<unsigned, QString> ParseStringTable(const QString& text);

private:
    static QString& registeredPath();
    static QHash<unsigned, QString>& strings();
};

// Shorthand the whole program uses for language-pack texts.
inline QString LoadLangString(unsigned id)
{
    return LanguagePack::String(id);
}

#include "LanguagePack.h"

#include "ConfigFiles.h"

#include <QFile>
#include <QResource>

namespace {

constexpr const char* kMapRoot = "/pelandrix";
constexpr const char* kStringTableFile = "lang/StringTable.txt";

QString unescape(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\' || i + 1 == text.size()) {
            result.append(c);
            continue;
        }
        const QChar next = text[++i];
        if (next == u'n')
            result.append(u'\n');
        else if (next == u'r')
            result.append(u'\r');
        else if (next == u't')
            result.append(u'\t');
        else
            result.append(next);
    }
    return result;
}

} // namespace

QString& LanguagePack::registeredPath()
{
    static QString path;
    return path;
}

QHash<unsigned, QString>& LanguagePack::strings()
{
    static QHash<unsigned, QString> table;
    return table;
}

bool LanguagePack::LoadDefault()
{
    return Load(ProgramDirectory() + u'/' + QString::fromLatin1(kRelativePath));
}

bool LanguagePack::Load(const QString& rccPath)
{
    Unload();
    if (!QFile::exists(rccPath) || !QResource::registerResource(rccPath, QString::fromLatin1(kMapRoot)))
        return false;
    registeredPath() = rccPath;
    QFile table(ResourcePath(QString::fromLatin1(kStringTableFile)));
    if (!table.open(QIODevice::ReadOnly)) {
        Unload();
        return false;
    }
    strings() = ParseStringTable(QString::fromUtf8(table.readAll()));
    return true;
}

void LanguagePack::Unload()
{
    if (!registeredPath().isEmpty())
        QResource::unregisterResource(registeredPath(), QString::fromLatin1(kMapRoot));
    registeredPath().clear();
    strings().clear();
}

bool LanguagePack::IsLoaded()
{
    return !registeredPath().isEmpty();
}

QString LanguagePack::String(unsigned id)
{
    return strings().value(id);
}

QString LanguagePack::ResourcePath(const QString& relative)
{
    return u':' + QString::fromLatin1(kMapRoot) + u'/' + relative;
}

QHash<unsigned, QString> LanguagePack::ParseStringTable(const QString& text)
{
    QHash<unsigned, QString> table;
    const QStringList lines = text.split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        if (tab <= 0)
            continue;
        bool ok = false;
        const unsigned id = line.left(tab).toUInt(&ok);
        if (ok)
            table.insert(id, unescape(QStringView(line).mid(tab + 1)));
    }
    return table;
}

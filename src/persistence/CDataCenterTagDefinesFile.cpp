#include "CDataCenterTagDefinesFile.h"

#include "CDataCenter.h"
#include "TextFormat.h"
#include "TraceLog.h"

#include <QFile>
#include <QStringView>

namespace {

// The quoted name is right-aligned in 40 characters; a longer one keeps one blank before it.
constexpr QStringView kDefineLineFormat = u"#define RTU_%s %40s\r\n";
constexpr QChar kMacroFill = u'_';

bool canStandInMacroName(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9') || c == U'_';
}

QString macroNameOf(const QString& tagName)
{
    QString name;
    for (const char32_t c : tagName.toUcs4())
        name += canStandInMacroName(c) ? QChar(static_cast<char16_t>(c)) : kMacroFill;
    return name;
}

// A C string literal of the name.
QString quotedNameOf(const QString& tagName)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : tagName) {
        if (c == u'"' || c == u'\\') {
            quoted += u'\\';
            quoted += c;
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            // Three octal digits, so a following digit cannot join the escape.
            quoted += FormatText(u"\\%03o", {c.unicode()});
        } else {
            quoted += c;
        }
    }
    return quoted + u'"';
}

} // namespace

QString MakeTagDefineLine(const QString& tagName)
{
    return FormatText(kDefineLineFormat, {macroNameOf(tagName), quotedNameOf(tagName)});
}

bool CDataCenter::ExportTagDefines(const QString& path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        TraceLog("%s:%d cannot create %s: %s", __FILE__, __LINE__, qUtf8Printable(path),
                 qUtf8Printable(file.errorString()));
        return false;
    }
    bool written = true;
    for (const TagRecord& tag : Tags) {
        const QByteArray line = MakeTagDefineLine(tag.TagName).toUtf8();
        written = written && file.write(line) == line.size();
    }
    written = file.flush() && written;
    file.close();
    written = written && file.error() == QFileDevice::NoError;
    if (!written)
        TraceLog("%s:%d cannot write %s: %s", __FILE__, __LINE__, qUtf8Printable(path),
                 qUtf8Printable(file.errorString()));
    return written;
}

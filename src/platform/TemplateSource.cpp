#include "TemplateSource.h"

#include "LanguagePack.h"
#include "TraceLog.h"

namespace {

constexpr QChar kComment = u'#';
constexpr QChar kQuote = u'"';
constexpr QChar kEscape = u'\\';
constexpr QChar kAssign = u'=';
constexpr const char* kTextKey = "text";
constexpr const char* kStringKey = "string";

QChar unescaped(QChar c)
{
    return c == u'n' ? QChar(u'\n') : c;
}

} // namespace

bool TemplateSource::Split(const QString& text, QList<TemplateLine>& lines)
{
    lines.clear();
    const QStringList rawLines = text.split(u'\n');
    for (qsizetype i = 0; i < rawLines.size(); ++i) {
        const QString trimmed = rawLines[i].trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(kComment))
            continue;
        TemplateLine line;
        line.number = static_cast<int>(i + 1);
        if (!splitLine(trimmed, line))
            return false;
        lines.append(line);
    }
    return true;
}

bool TemplateSource::splitLine(const QString& text, TemplateLine& line)
{
    qsizetype pos = 0;
    const qsizetype size = text.size();
    while (pos < size) {
        while (pos < size && text[pos].isSpace())
            ++pos;
        if (pos == size)
            break;
        QString key;
        QString value;
        bool hasValue = false;
        while (pos < size && !text[pos].isSpace() && text[pos] != kAssign && text[pos] != kQuote)
            key.append(text[pos++]);
        if (pos < size && text[pos] == kQuote)
            return Fail(line, QStringLiteral("a quoted text must follow a key and '='"));
        if (pos < size && text[pos] == kAssign) {
            hasValue = true;
            ++pos;
            if (pos < size && text[pos] == kQuote) {
                ++pos;
                bool closed = false;
                while (pos < size) {
                    const QChar c = text[pos++];
                    if (c == kQuote) {
                        closed = true;
                        break;
                    }
                    if (c == kEscape && pos < size)
                        value.append(unescaped(text[pos++]));
                    else
                        value.append(c);
                }
                if (!closed)
                    return Fail(line, QStringLiteral("unclosed quote"));
                if (pos < size && !text[pos].isSpace())
                    return Fail(line, QStringLiteral("a blank must follow the closing quote"));
            } else {
                while (pos < size && !text[pos].isSpace())
                    value.append(text[pos++]);
            }
        }
        if (key.isEmpty())
            return Fail(line, QStringLiteral("'=' without a key"));
        if (!hasValue) {
            line.words.append(key);
        } else if (line.settings.contains(key)) {
            return Fail(line, QStringLiteral("'%1' given twice").arg(key));
        } else {
            line.settings.insert(key, value);
        }
    }
    return true;
}

std::optional<int> TemplateSource::Number(const TemplateLine& line, int index, const char* what, int minimum,
                                          int maximum)
{
    bool ok = false;
    const int value = line.words.value(index).toInt(&ok);
    if (!ok || value < minimum || value > maximum) {
        Fail(line,
             QStringLiteral("%1 must be a number from %2 to %3").arg(QLatin1String(what)).arg(minimum).arg(maximum));
        return std::nullopt;
    }
    return value;
}

std::optional<int> TemplateSource::Setting(const TemplateLine& line, const QString& key, int fallback, int minimum,
                                           int maximum)
{
    const auto found = line.settings.constFind(key);
    if (found == line.settings.constEnd())
        return fallback;
    bool ok = false;
    const int value = found->toInt(&ok);
    if (!ok || value < minimum || value > maximum) {
        Fail(line, QStringLiteral("%1 must be a number from %2 to %3").arg(key).arg(minimum).arg(maximum));
        return std::nullopt;
    }
    return value;
}

bool TemplateSource::Fail(const TemplateLine& line, const QString& problem)
{
    error_ = QStringLiteral("%1:%2: %3").arg(sourceName_).arg(line.number).arg(problem);
    return false;
}

bool TemplateSource::Fail(const QString& problem)
{
    error_ = QStringLiteral("%1: %2").arg(sourceName_, problem);
    return false;
}

void TraceTemplateProblem(const QString& problem)
{
    TraceLog("%s:%d %s", __FILE__, __LINE__, qUtf8Printable(problem));
}

QString TemplateText::Resolve() const
{
    if (stringId == 0)
        return literal;
    const QString text = LanguagePack::String(stringId);
    if (text.isEmpty())
        TraceLog("%s:%d string %u is missing from the language pack", __FILE__, __LINE__, stringId);
    return text;
}

std::optional<TemplateText> ReadTemplateText(TemplateSource& source, const TemplateLine& line)
{
    const QString textKey = QString::fromLatin1(kTextKey);
    const QString stringKey = QString::fromLatin1(kStringKey);
    TemplateText text;
    text.literal = line.settings.value(textKey);
    if (!line.settings.contains(stringKey))
        return text;
    if (line.settings.contains(textKey)) {
        source.Fail(line, QStringLiteral("give text= or string=, not both"));
        return std::nullopt;
    }
    const std::optional<int> id = source.Setting(line, stringKey, 0, 1, 65535);
    if (!id)
        return std::nullopt;
    text.stringId = static_cast<unsigned>(*id);
    return text;
}

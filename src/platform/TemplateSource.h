#pragma once
// The line format shared by the dialog and menu templates of the language pack:
//
//   # comment
//   keyword word... key=value key="quoted value" flag...
//
// Words and flags are bare; a value may be quoted, with \" \\ \n escapes inside the quotes.

#include <QFile>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

void TraceTemplateProblem(const QString& problem);

struct TemplateLine {
    int number = 0;                  // 1-based line in the source
    QStringList words;               // bare words in order, the keyword first
    QMap<QString, QString> settings; // key=value pairs

    QString keyword() const { return words.value(0); }
};

// Reading of one template source; every error names the source and the line.
class TemplateSource {
public:
    explicit TemplateSource(QString sourceName) : sourceName_(std::move(sourceName)) {}

    // Splits the text into its non-empty, non-comment lines; false (and error()) on a bad line.
    bool Split(const QString& text, QList<TemplateLine>& lines);

    // The word at index as a number in [minimum, maximum]; nullopt and an error when absent or not.
    std::optional<int> Number(const TemplateLine& line, int index, const char* what, int minimum, int maximum);
    // The setting as a number in [minimum, maximum]; fallback when absent; nullopt and an error when bad.
    std::optional<int> Setting(const TemplateLine& line, const QString& key, int fallback, int minimum, int maximum);
    // An error for this line; always returns false so callers can "return Fail(...)".
    bool Fail(const TemplateLine& line, const QString& problem);
    bool Fail(const QString& problem);

    const QString& error() const { return error_; }
    const QString& sourceName() const { return sourceName_; }

private:
    bool splitLine(const QString& text, TemplateLine& line);

    QString sourceName_;
    QString error_;
};

// The text of a template entry: literal, or a string id of the pack (0: none).
struct TemplateText {
    QString literal;
    unsigned stringId = 0;
    // The literal, or the pack's string (traced and empty when the pack lacks it).
    QString Resolve() const;
    friend bool operator==(const TemplateText&, const TemplateText&) = default;
};

// Reads text= or string= of a line (both at once is an error).
std::optional<TemplateText> ReadTemplateText(TemplateSource& source, const TemplateLine& line);

// Loads a template of the pack: reads path, parses it with parse(text, path, out, error) and
// checks that it holds the id asked for. Any problem gives nullopt, its reason in error (when
// given) and in the trace log. T needs an unsigned id member.
template <class T, class Parse>
std::optional<T> LoadPackTemplate(const char* kind, unsigned id, const QString& path, Parse parse, QString* error)
{
    QString problem;
    T result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = QStringLiteral("%1 %2 is not in the language pack (%3)").arg(QLatin1String(kind)).arg(id).arg(path);
    } else if (parse(QString::fromUtf8(file.readAll()), path, result, problem)) {
        if (result.id == id)
            return result;
        problem = QStringLiteral("%1: holds %2 %3, not %4").arg(path, QLatin1String(kind)).arg(result.id).arg(id);
    }
    TraceTemplateProblem(problem);
    if (error)
        *error = problem;
    return std::nullopt;
}

#include "ListCompare.h"

#include "TextConversion.h"

#include <QLocale>
#include <QStringList>

namespace {

template <class T>
int sign(T first, T second)
{
    return first < second ? -1 : (second < first ? 1 : 0);
}

// A text that is exactly its integer printed back ("12", "-5"; not "007", " 5" or "5a").
bool isPlainInteger(const QString& text, int value)
{
    return text.size() == QString::number(value).size();
}

int compareMixed(const QString& first, const QString& second, Qt::CaseSensitivity cs)
{
    const int a = ParseLeadingInt(first);
    const int b = ParseLeadingInt(second);
    if (a != 0 && b != 0 && a != b && isPlainInteger(first, a) && isPlainInteger(second, b))
        return sign(a, b);
    return QString::compare(first, second, cs);
}

int compareDates(const QString& first, const QString& second)
{
    const QDateTime a = ParseListDateTime(first);
    const QDateTime b = ParseListDateTime(second);
    if (a.isValid() != b.isValid())
        return a.isValid() ? 1 : -1;
    if (!a.isValid())
        return 0;
    return sign(a, b);
}

const QStringList& fixedDateTimeFormats()
{
    static const QStringList formats{
        QStringLiteral("yyyy-M-d H:m:s"), QStringLiteral("yyyy-M-d H:m"), QStringLiteral("yyyy-M-d"),
        QStringLiteral("yyyy/M/d H:m:s"), QStringLiteral("yyyy/M/d H:m"), QStringLiteral("yyyy/M/d"),
        QStringLiteral("yyyy-M-dTH:m:s"),
    };
    return formats;
}

} // namespace

int CompareListTexts(int kind, const QString& first, const QString& second)
{
    switch (kind) {
    case kCompareNone:
        return 0;
    case kCompareInteger:
        return sign(ParseLeadingInt(first), ParseLeadingInt(second));
    case kCompareReal:
        return sign(ParseLeadingDouble(first), ParseLeadingDouble(second));
    case kCompareMixed:
        return compareMixed(first, second, Qt::CaseSensitive);
    case kCompareTextNoCase:
        return QString::compare(first, second, Qt::CaseInsensitive);
    case kCompareMixedNoCase:
        return compareMixed(first, second, Qt::CaseInsensitive);
    case kCompareDateTime:
        return compareDates(first, second);
    default:
        return QString::compare(first, second, Qt::CaseSensitive);
    }
}

QDateTime ParseListDateTime(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    for (const QString& format : fixedDateTimeFormats()) {
        const QDateTime value = QDateTime::fromString(trimmed, format);
        if (value.isValid())
            return value;
    }
    const QTime time = QTime::fromString(trimmed, QStringLiteral("H:m:s"));
    if (time.isValid())
        return QDateTime(QDate(1899, 12, 30), time); // a time alone counts on the zero day
    const QLocale locale = QLocale::system();
    for (const QLocale::FormatType type : {QLocale::ShortFormat, QLocale::LongFormat}) {
        const QDateTime value = locale.toDateTime(trimmed, type);
        if (value.isValid())
            return value;
        const QDate date = locale.toDate(trimmed, type);
        if (date.isValid())
            return date.startOfDay();
    }
    return {};
}

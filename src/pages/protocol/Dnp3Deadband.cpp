#include "Dnp3Deadband.h"

#include "CDataCenter.h"
#include "TagRecord.h"
#include "TextFormat.h"
#include "Validation.h"

namespace Dnp3Deadband {

namespace {

constexpr int kFloatCode = 3;
constexpr int kFloatCodeAlias = 12;
const QString kValueLabel = QStringLiteral("Value");
const QString kIntegerLine = QStringLiteral("%s Range: %I64d-%I64d.");
const QString kFloatLine = QStringLiteral("%s Range: %.1f-%.1f.");
const QString kPercentText = QStringLiteral("%I64d~%I64d %%");
const QString kIntegerText = QStringLiteral("%I64d~%I64d");
const QString kFloatText = QStringLiteral("%.1f~%.1f");
const QString kCounterText = QStringLiteral("%s~%s");
const QString kLineEnd = QStringLiteral("\r\n");

Range integerRange(qint64 minimum, qint64 maximum)
{
    Range range;
    range.known = true;
    range.minimum = minimum;
    range.maximum = maximum;
    return range;
}

} // namespace

bool IsFloatTag(const TagRecord& tag)
{
    return tag.DataTypeCode == kFloatCode || tag.DataTypeCode == kFloatCodeAlias;
}

Range AnalogRange(const CDataCenter& model, const TagRecord* tag, int deviationType)
{
    if (deviationType == kPercentage)
        return integerRange(kPercentMinimum, kPercentMaximum);
    Range range;
    if (!tag)
        return range;
    // An empty range (a definition whose limits were never set) is no range to check against.
    if (IsFloatTag(*tag)) {
        range.isFloat = true;
        range.known = model.GetTagFloatRange(*tag, range.floatMinimum, range.floatMaximum) != 0 &&
                      range.floatMinimum < range.floatMaximum;
    } else {
        range.known =
            model.GetTagIntegerRange(*tag, range.minimum, range.maximum) != 0 && range.minimum < range.maximum;
    }
    return range;
}

Range CounterRange(const TagRecord* tag)
{
    return tag ? integerRange(kChangeMinimum, kChangeMaximum) : Range{};
}

QString AnalogRangeText(const Range& range, int deviationType)
{
    if (!range.known)
        return {};
    if (range.isFloat)
        return FormatText(kFloatText, {double(range.floatMinimum), double(range.floatMaximum)});
    return FormatText(deviationType == kPercentage ? kPercentText : kIntegerText, {range.minimum, range.maximum});
}

QString CounterRangeText(const Range& range)
{
    return range.known ? FormatText(kCounterText, {QStringLiteral("1"), QStringLiteral("4,294,967,295")}) : QString();
}

QString CheckValue(const Range& range, const QString& text)
{
    bool ok = false;
    if (!range.known) { // nothing to compare with, but the value must still be of the tag's kind
        if (range.isFloat)
            text.trimmed().toDouble(&ok);
        else
            text.trimmed().toLongLong(&ok);
        return ok ? QString() : FormatInvalidItemLine(kValueLabel);
    }
    if (range.isFloat) {
        const double value = text.trimmed().toDouble(&ok);
        if (ok && value >= range.floatMinimum && value <= range.floatMaximum)
            return {};
        return FormatText(kFloatLine, {kValueLabel, double(range.floatMinimum), double(range.floatMaximum)}) + kLineEnd;
    }
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (ok && value >= range.minimum && value <= range.maximum)
        return {};
    return FormatText(kIntegerLine, {kValueLabel, range.minimum, range.maximum}) + kLineEnd;
}

QString AnalogText(const DNP3_POINT_SETTINGS& point, const Range& range)
{
    return range.isFloat ? FormatText(QStringLiteral("%.1f"), {double(point.DeadbandFloat)})
                         : QString::number(point.DeadbandInteger);
}

void StoreAnalogValue(DNP3_POINT_SETTINGS& point, const Range& range, const QString& text)
{
    if (range.isFloat) {
        point.DeadbandFloat = text.trimmed().toFloat();
        point.DeadbandInteger = 0;
    } else {
        point.DeadbandInteger = text.trimmed().toLongLong();
        point.DeadbandFloat = 0.0f;
    }
}

} // namespace Dnp3Deadband

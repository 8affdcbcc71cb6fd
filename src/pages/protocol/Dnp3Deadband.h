#pragma once
// The deadband a DNP3 analog-input or counter point accepts, for the point's own tag: its range,
// the range text beside the edit, the check of a typed value and where the value is stored.

#include "DNP3_OUTSTATION_SETTINGS.h"

#include <QString>
#include <QtGlobal>

class CDataCenter;
struct TagRecord;

namespace Dnp3Deadband {
inline constexpr int kPercentage = 0; // analog deviation types
inline constexpr int kValue = 1;
inline constexpr qint64 kPercentMinimum = 1;
inline constexpr qint64 kPercentMaximum = 100;
inline constexpr qint64 kChangeMinimum = 1;
inline constexpr qint64 kChangeMaximum = 4294967295LL;
inline constexpr qint64 kDefaultPercentage = 50; // put into an empty edit when a class is chosen
inline constexpr qint64 kDefaultChangeDeviation = 100;

struct Range {
    bool known = false;   // no range: nothing to check
    bool isFloat = false; // a floating-point tag in value mode
    qint64 minimum = 0;
    qint64 maximum = 0;
    float floatMinimum = 0.0f;
    float floatMaximum = 0.0f;
};

bool IsFloatTag(const TagRecord& tag);
// The analog deadband range of the tag (null: no tag) in that deviation type.
Range AnalogRange(const CDataCenter& model, const TagRecord* tag, int deviationType);
// The counter's change deviation range; unknown without a tag.
Range CounterRange(const TagRecord* tag);

QString AnalogRangeText(const Range& range, int deviationType);
QString CounterRangeText(const Range& range);

// The message line for a typed value outside the range, or not a number of the range's kind;
// empty when the value is good. Without a known range only the kind of number is checked.
QString CheckValue(const Range& range, const QString& text);

// The analog deadband shown for the point (percentage, integer, or the float of a float tag).
QString AnalogText(const DNP3_POINT_SETTINGS& point, const Range& range);
// Stores the typed value into the point's integer or, for a float range, float deadband.
void StoreAnalogValue(DNP3_POINT_SETTINGS& point, const Range& range, const QString& text);
} // namespace Dnp3Deadband

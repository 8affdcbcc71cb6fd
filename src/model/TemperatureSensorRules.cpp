#include "TemperatureSensorRules.h"

#include "TextConversion.h"

#include <cmath>

namespace TemperatureSensors {

namespace {
const QString kOffsetKey = QStringLiteral("Offset");
constexpr int kSensorFields = 3; // minimum, maximum, code; the kind may be absent
} // namespace

std::vector<SensorType> ReadSensorTypes(const QString& section, const QString& moduleName)
{
    std::vector<SensorType> types;
    for (const ChannelRules::RangeEntry& entry : ChannelRules::ReadRangeEntries(section, moduleName, kSensorFields))
        types.push_back({entry.Name, entry.Minimum, entry.Maximum, entry.Code, entry.Unit.trimmed()});
    return types;
}

std::optional<int> IndexOfCode(const std::vector<SensorType>& types, int code)
{
    for (size_t i = 0; i < types.size(); ++i)
        if (ParseLeadingInt(types[i].Code) == code)
            return int(i);
    return std::nullopt;
}

OffsetLimits ReadOffsetLimits(const QString& section)
{
    return ParseOffsetLimits(ChannelRules::ReadModelKeyed(section, kOffsetKey, QString()));
}

OffsetLimits ParseOffsetLimits(const QString& text)
{
    QStringList pieces = text.split(u',');
    const QString first = pieces.first().trimmed().isEmpty() ? QStringLiteral("0") : pieces.first();
    while (pieces.size() < 3)
        pieces.append(first);
    pieces[0] = first;
    const auto number = [](const QString& piece) { return float(ParseLeadingDouble(piece.trimmed())); };
    return {number(pieces[0]), number(pieces[1]), number(pieces[2])};
}

float RoundOffset(float offset)
{
    // In double, so that a typed half (1.25) is not lost to the float's binary error.
    return float(std::round(double(offset) * 10.0) / 10.0);
}

int ToFahrenheit(int celsius)
{
    return celsius * 9 / 5 + 32;
}

} // namespace TemperatureSensors

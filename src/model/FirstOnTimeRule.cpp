#include "FirstOnTimeRule.h"

namespace FirstOnTime {

namespace {
const QString kSection = QStringLiteral("DI");
const QString kKey = QStringLiteral("HV-FirstOnTime");
} // namespace

ChannelRules::RealTriple ReadLimits()
{
    return ChannelRules::ParseRealTriple(ChannelRules::ReadModelKeyed(kSection, kKey, QString()), kBuiltInLimits);
}

Fault Check(float value, const ChannelRules::RealTriple& limits)
{
    if (value < limits.minimum || value > limits.maximum)
        return Fault::OutOfRange;
    // Hundredths then tenths, both truncated: 0.5 ms steps with nothing after the first decimal.
    if (int(value * 100.0f) % 10 != 0 || int(value * 10.0f) % 5 != 0)
        return Fault::NotAStep;
    return Fault::None;
}

} // namespace FirstOnTime

#pragma once
// The first-on time of a high-voltage digital input: a multiple of 0.5 ms within the limits of
// [DI] "HV-FirstOnTime" (default, minimum, maximum).

#include "ChannelRules.h"

namespace FirstOnTime {

inline constexpr ChannelRules::RealTriple kBuiltInLimits{15.0, 1.0, 15.0};
inline constexpr double kStep = 0.5;

enum class Fault { None, OutOfRange, NotAStep };

// The limits DefaultSettings.ini gives, else the built-in ones.
ChannelRules::RealTriple ReadLimits();
// The value as typed, read as a single-precision float like the device stores it.
Fault Check(float value, const ChannelRules::RealTriple& limits);

} // namespace FirstOnTime

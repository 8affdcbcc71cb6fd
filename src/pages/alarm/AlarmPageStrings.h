#pragma once
// Language-pack strings and list geometry the alarm pages share.

inline constexpr unsigned kStringTooManyEntries = 751;  // limit
inline constexpr unsigned kStringAutoTagNotMade = 9251; // tag name
inline constexpr unsigned kStringColumnNumber = 360;
inline constexpr unsigned kStringColumnEntryName = 361;
inline constexpr unsigned kStringColumnTriggerTag = 376;
inline constexpr unsigned kStringColumnStatusTag = 672;
inline constexpr int kNumberColumnWidth = 40;

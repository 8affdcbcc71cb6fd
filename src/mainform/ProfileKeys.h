#pragma once
// Profile.ini sections and keys of the shell.

inline constexpr const char* kProfilePreferenceSection = "Preference";
inline constexpr const char* kProfileShowSplashKey = "ShowSplash";
inline constexpr int kProfileShowSplashDefault = 1;

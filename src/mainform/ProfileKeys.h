#pragma once
// Profile.ini sections and keys of the shell.

inline constexpr const char* kProfilePreferenceSection = "Preference";
inline constexpr const char* kProfileShowSplashKey = "ShowSplash";
// The project last saved or opened.
inline constexpr const char* kProfileLatestProjectKey = "LatestProject";
inline constexpr int kProfileShowSplashDefault = 1;

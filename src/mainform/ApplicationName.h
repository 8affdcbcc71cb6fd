#pragma once
// The program's own name: window titles, the single-instance channel, the settings store.

inline constexpr const char* kApplicationName = "Pelandrix";
// The framework's own settings key (QSettings organisation).
inline constexpr const char* kFrameworkRegistryKey = "Local AppWizard-Generated Applications";

#pragma once
// The delete confirmation's template, controls and Profile.ini key (the preferences reset it).

inline constexpr unsigned kTemplateConfirmDelete = 488;
inline constexpr int kIconConfirmDelete = 3267;
inline constexpr int kButtonConfirmDeleteYes = 3083;
inline constexpr int kButtonConfirmDeleteNo = 1397;
inline constexpr int kCheckConfirmDeleteDontAsk = 1409;

// [ConfirmDelete]: 1 when the user asked not to be asked again before list entries are deleted.
inline constexpr const char* kProfileConfirmDeleteSection = "ConfirmDelete";
inline constexpr const char* kProfileDontAskStatusKey = "DontAskStatus";
inline constexpr int kProfileDontAskStatusDefault = 0;

#pragma once
// HRESULT-style results of the checks and readers: 0 for success, the generic failure code otherwise.

inline constexpr int kS_OK = 0;
inline constexpr int kE_FAIL = static_cast<int>(0x80004005u);

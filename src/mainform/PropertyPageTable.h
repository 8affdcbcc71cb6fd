#pragma once
// The property pages of the pane: which page serves which form id of the device tree, and from
// which template it is built, by which factory (MakePage<T>; none yet: the placeholder).

#include "PropertyPageKind.h"

#include <array>

inline constexpr int kPropertyPageCount = 44;

// In creation order. No form id occurs twice.
extern const std::array<PropertyPageKind, kPropertyPageCount> kPropertyPageTable;

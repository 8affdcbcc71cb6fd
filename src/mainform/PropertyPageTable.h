#pragma once
// The property pages of the pane: which page serves which form id of the device tree, and from
// which template it is built.

#include <array>

struct PropertyPageKind {
    int formId;
    const char* pageClass;
    unsigned templateId;
    int channelTypeId; // the system-variable pages: the channel type they list; 0 for the others
};

inline constexpr int kPropertyPageCount = 44;

// In creation order. No form id occurs twice.
extern const std::array<PropertyPageKind, kPropertyPageCount> kPropertyPageTable;

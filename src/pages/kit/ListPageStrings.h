#pragma once
// Language-pack strings of the list pages.

inline constexpr unsigned kStringNoEntrySelected = 613;
inline constexpr unsigned kStringEntryAdded = 616;     // name, row number
inline constexpr unsigned kStringEntryModified = 618;  // name, row number
inline constexpr unsigned kStringEntriesDeleted = 619; // name
inline constexpr unsigned kStringTagReleased = 681;    // tag name
inline constexpr unsigned kStringTagCreated = 732;     // tag name
// Names of list entries: at most this many UTF-8 bytes.
inline constexpr int kEntryNameByteLimit = 64;

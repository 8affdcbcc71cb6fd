#pragma once
// String ids of the create-tag and tag selection dialogs.

// ---- create-tag dialog ----
inline constexpr unsigned kStringTagChoiceMissing = 211;
inline constexpr unsigned kStringCreateTagCaption = 374;
inline constexpr unsigned kStringTagNameCharacters = 573;
inline constexpr unsigned kStringTagNameTaken = 373;
inline constexpr unsigned kStringTagAddressTaken = 372;
inline constexpr unsigned kStringNoResourceItem = 652;

// ---- tag selection dialogs ----
inline constexpr unsigned kStringColumnNumber = 360;
inline constexpr unsigned kStringColumnTagName = 361;
inline constexpr unsigned kStringColumnDataType = 492;
inline constexpr unsigned kStringFilterAll = 375; // filter kind 0 and the "all" entries
inline constexpr unsigned kStringFilterBySlot = 666;
inline constexpr unsigned kStringFilterByService = 667;
inline constexpr unsigned kStringTagNameCopied = 668;

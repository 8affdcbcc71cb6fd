#pragma once
// Command ids of the platform layer's own controls.

// CMenuEdit's context menu: the edit commands, Select All and the request for a tag.
inline constexpr int kMenuEditUndo = 199;
inline constexpr int kMenuEditCut = 768;
inline constexpr int kMenuEditCopy = 769;
inline constexpr int kMenuEditPaste = 770;
inline constexpr int kMenuEditDelete = 771;
inline constexpr int kMenuEditSelectAll = 29696;
inline constexpr int kMenuEditTagSelect = 29697;

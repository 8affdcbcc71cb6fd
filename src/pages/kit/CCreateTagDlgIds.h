#pragma once
// Language-pack ids of the create-tag dialog.

#include "TemplateControlSpec.h"

inline constexpr unsigned kTemplateCreateTag = 210;

inline constexpr int kEditCreateTagName = 3094;
inline constexpr int kEditCreateTagAlias = 3095;
inline constexpr int kComboCreateTagSlot = 3096;
inline constexpr int kComboCreateTagType = 3097;
inline constexpr int kComboCreateTagChannel = 3098;
inline constexpr int kComboCreateTagItem = 3099;
inline constexpr int kComboCreateTagDirection = 3501;
inline constexpr int kLabelCreateTagDirection = 3538;

inline constexpr TemplateControlSpec kCreateTagControls[] = {
    {kEditCreateTagName, ControlType::Edit},           {kEditCreateTagAlias, ControlType::Edit},
    {kComboCreateTagSlot, ControlType::DropList},      {kComboCreateTagType, ControlType::DropList},
    {kComboCreateTagChannel, ControlType::DropList},   {kComboCreateTagItem, ControlType::DropList},
    {kComboCreateTagDirection, ControlType::DropList}, {kLabelCreateTagDirection, ControlType::Static},
};

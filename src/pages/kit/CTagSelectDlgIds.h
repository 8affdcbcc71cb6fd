#pragma once
// Language-pack ids of the tag selection dialogs (the general chooser 689 and the Modbus one 824).

#include "TemplateControlSpec.h"

inline constexpr unsigned kTemplateTagSelect = 689;
inline constexpr unsigned kTemplateModbusTagSelect = 824;

// Shared by both templates.
inline constexpr int kListTagSelect = 3554;
inline constexpr int kComboTagFilterKind = 3552; // the Modbus chooser's data-type combo
inline constexpr int kButtonTagAddAll = 1069;
// The general chooser only.
inline constexpr int kComboTagSecondLevel = 3553;
inline constexpr int kComboTagThirdLevel = 3452;
inline constexpr int kComboTagDataType = 1290;
inline constexpr int kFrameTagFilter = 1116;
inline constexpr int kFrameTagTypeList = 1117;

// "Add all" ends the general chooser with its own id as the result code.
inline constexpr int kResultAddAll = kButtonTagAddAll;

inline constexpr TemplateControlSpec kTagSelectControls[] = {
    {kListTagSelect, ControlType::List},           {kComboTagFilterKind, ControlType::DropList},
    {kComboTagSecondLevel, ControlType::DropList}, {kComboTagThirdLevel, ControlType::DropList},
    {kComboTagDataType, ControlType::DropList},    {kButtonTagAddAll, ControlType::Button},
    {kFrameTagFilter, ControlType::GroupBox},      {kFrameTagTypeList, ControlType::GroupBox},
};

inline constexpr TemplateControlSpec kModbusTagSelectControls[] = {
    {kListTagSelect, ControlType::List},
    {kComboTagFilterKind, ControlType::DropList},
    {kButtonTagAddAll, ControlType::Button},
};

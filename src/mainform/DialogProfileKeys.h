#pragma once
// Profile.ini keys of the preferences, the delete confirmation and the network interface choice.

#include "ConfirmDeleteIds.h"
#include "ProfileKeys.h"

// [Preference]: how the device tree shows the project, 0 or 1.
inline constexpr const char* kProfileCfgDisplayTypeKey = "CfgDisplayType";
inline constexpr int kProfileCfgDisplayTypeDefault = 0;

// [General]: the description of the network interface the device search uses.
inline constexpr const char* kProfileGeneralSection = "General";
inline constexpr const char* kProfileNetworkInterfaceKey = "NetworkInterface";

#pragma once
// The device information file "x5_Info.xml" as the controller writes it from its module layout:
// a "System" element with "Total_slots", one "slot" element per module, "eth0" and "eth1" with
// "mac" and "ip" children.

#include "SimDeviceData.h"

namespace pelsim {

Bytes BuildDeviceInfoFile(const SimDeviceData& data);

} // namespace pelsim

#pragma once
// Moving every value a project file stores away from its default, in whatever modules a project
// holds, and comparing two whole projects.

#include "CDataCenter.h"

namespace ChangedProject {

// Every channel, port, cellular, port-trunk and switch setting of every placed module, and the
// controller's time, FTP, switch and log settings. Each value differs per slot and channel, so a
// value read into the wrong channel shows. Every value lies inside the range its reader accepts.
void ChangeEveryValue(CDataCenter& model);

// Project attributes, slot table, every module record's settings, the service records and the
// tag table (without the text the file does not keep) are the same (gtest expectations).
void ExpectSameProject(const CDataCenter& expected, const CDataCenter& actual);

} // namespace ChangedProject

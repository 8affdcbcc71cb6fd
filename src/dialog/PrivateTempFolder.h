#pragma once
// The files the device operations fetch or assemble live in one folder private to this process
// and user (mode 0700, removed at exit), never under a fixed name in a shared folder.

#include <QString>

// The folder; empty when it cannot be made.
QString PrivateTempFolder();
// A file name inside it; empty when there is no folder.
QString PrivateTempFile(const QString& name);

inline constexpr const char* kDeviceInfoFileName = "x5_Info.xml";
inline constexpr const char* kChosenFirmwareFileName = "ulTEK_FW_40.hfm";

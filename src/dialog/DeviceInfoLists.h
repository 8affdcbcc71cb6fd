#pragma once
// The module lists of the firmware and calibration panels, read from the device information file.

#include <QStringList>

#include <array>

// Calibration indexes its channel table by slot number, so only slots 0 to 8 take part.
inline constexpr int kCalibrationSlotCount = 9;

struct CalibrationModules {
    QStringList lines;
    QList<int> offeredSlots; // slots holding a module that can be calibrated, in file order
    std::array<int, kCalibrationSlotCount> channelCounts{};
};

// kS_OK, or kE_FAIL (nothing filled) when the file does not parse.
int ReadModuleFirmwareList(const QString& path, QStringList& lines);
int ReadCalibrationModules(const QString& path, CalibrationModules& modules);

// The channels of a calibratable module model; 0 for any other.
int CalibrationChannelCount(const QString& model);

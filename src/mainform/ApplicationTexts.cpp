#include "ApplicationTexts.h"

// The controller's own wording, spelling included.
const std::array<const char*, kLastDeviceResultCode - kFirstDeviceResultCode + 1> DeviceResultTexts = {
    "Done.",
    "Invalid firmware file.",
    "Errod when upgrading CPU firmware.",
    "Error when upgrading module firmware.",
    "Invalid parameter for firmware upgrade.",
    "Not enough memory.",
    "Create thread error.",
    "Config net error.",
    "Config IO error.",
    "Config tag error.",
    "Config service error.",
    "Invalid configuration content.",
    "Start/Stop service error.",
    "Start/Stop tag framework error.",
    "Reset default error.",
    "Config function is not supported.",
};

QString DeviceResultText(int code)
{
    if (code < kFirstDeviceResultCode || code > kLastDeviceResultCode)
        return {};
    return QString::fromLatin1(DeviceResultTexts[static_cast<size_t>(code - kFirstDeviceResultCode)]);
}

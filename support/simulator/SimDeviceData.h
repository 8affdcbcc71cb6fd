#pragma once
// Everything the simulated controller knows. Tests edit and read it through
// DeviceSimulator::Update and DeviceSimulator::Snapshot; the command handlers work on it under the
// same lock.

#include "SimByteWriter.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace pelsim {

using SimMac = std::array<std::uint8_t, 6>;

struct SimAccount {
    std::string user;
    std::string password;
};

struct SimLoginAttempt {
    std::uint16_t command = 0; // 30400 verify, 30402 set, 30403 add
    std::uint8_t mode = 0;
    std::string user;     // as the device understood it (unscrambled in mode 2)
    std::string password; // likewise
    std::uint16_t status = 0;
};

struct SimFileKey {
    std::uint8_t fileType = 0;
    std::string name;
    friend auto operator<=>(const SimFileKey&, const SimFileKey&) = default;
};

struct SimDeviceTime {
    std::uint16_t year = 0;
    std::uint8_t month = 0, day = 0, hour = 0, minute = 0, second = 0;
    std::uint16_t milliseconds = 0;
    friend bool operator==(const SimDeviceTime&, const SimDeviceTime&) = default;
};

// One slot of the generated device information file.
struct SimModuleSlot {
    int slot = 0;
    std::string name;
    std::string version;
    std::string serialNumber; // the attribute is left out when empty
    std::string apid;
    bool configError = false;
};

struct SimEthernetPort {
    std::string mac;
    std::string ip;
};

// An entry of the 30011 reply: 8 bytes, state then process id.
struct SimIecResource {
    std::uint32_t state = 0;
    std::uint32_t processId = 0;
};

// An entry of the 30015 reply: 265 bytes, the resource number then the name, NUL-padded.
struct SimIecResourceName {
    std::uint16_t number = 0;
    std::string name;
};

// An entry of the 30014 reply: 6 bytes, slot then error code.
struct SimConfigError {
    std::uint16_t slot = 0;
    std::uint32_t code = 0;
};

// An entry of the 30012 reply: 14 bytes. State 2 enabled, 0 disabled.
struct SimLogSetting {
    std::uint16_t type = 0;
    std::uint32_t state = 0;
    std::uint32_t wordA = 0;
    std::uint32_t wordB = 0;
};

struct SimFirmwareProgress {
    std::uint8_t percent = 0;
    std::uint8_t state = 0; // 0 running, 1 done, 2 failed, 3 reboot, 4 retry
};

struct SimChannelStatus {
    std::uint16_t value = 0;
    Bytes data;
};

struct SimFileAttribute {
    std::uint16_t value = 0;
    std::uint8_t flags = 0;
};

inline constexpr std::uint16_t kSystemLogType = 65535;
inline constexpr std::uint32_t kLogEnabled = 2;
inline constexpr std::uint32_t kLogDisabled = 0;
inline constexpr std::uint16_t kLogStateFinished = 2;
inline constexpr std::uint8_t kStatusDone = 50;
inline constexpr std::uint8_t kDeviceInfoFileType = 7;

struct SimDeviceData {
    // Login (30400 to 30403).
    std::vector<SimAccount> accounts{{"root", "root"}};
    std::uint16_t loginFailStatus = 0x8011;
    std::optional<std::uint16_t> forcedLoginStatus;
    std::vector<SimLoginAttempt> loginAttempts;

    // 30004: each poll takes the front byte; the last one stays. Empty: 50 (done).
    std::deque<std::uint8_t> statusScript;
    int statusPolls = 0;

    // Files by type and remote name (30202 to 30206).
    std::map<SimFileKey, Bytes> files;
    std::map<SimFileKey, std::pair<std::uint32_t, std::uint32_t>> logRetrieveValues;

    // The device information file (type 7) built from these when none is stored explicitly.
    int totalSlots = 5;
    std::vector<SimModuleSlot> modules{
        {0, "ulTEK 4100-CPU15-C-T", "1.0.0", "", "0x80008920", false},
    };
    SimEthernetPort eth0{"00-11-22-33-44-55", "127.0.0.1"};
    SimEthernetPort eth1;

    // Clock and plain actions.
    SimDeviceTime deviceTime{2024, 1, 1, 0, 0, 0, 0};
    int timeSyncCount = 0;
    int restartCount = 0;
    int resetCount = 0;
    int warmResetCount = 0;
    int iecResetCount = 0;
    int bootLoaderRegistrations = 0;
    std::uint16_t iecResetStatus = 0;
    std::uint16_t clientTypeStatus = 0;
    std::optional<std::uint8_t> clientType;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> calibrations;
    std::vector<std::uint8_t> locateRequests;
    std::vector<std::uint8_t> clearMemoryRequests;
    std::vector<std::array<std::uint8_t, 4>> upgradeModules;
    std::uint16_t upgradeModelResult = 0;

    // Lists.
    std::vector<SimIecResource> iecResources;
    std::vector<SimIecResourceName> iecResourceNames;
    std::vector<SimConfigError> configErrors;
    std::vector<SimLogSetting> logSettings = DefaultLogSettings();
    std::deque<std::uint16_t> logStateScript; // state word of 30012/30013; empty: 2 (finished)
    std::map<std::uint16_t, std::uint16_t> forcedLogResults;
    std::string configReleaseDate = "2024-01-01 00:00:00";
    std::vector<std::uint32_t> tavoLogIndexes;
    std::map<std::pair<std::uint8_t, std::uint8_t>, SimChannelStatus> channelStatus;
    std::vector<std::array<std::uint8_t, 8>> channelWrites;
    std::map<std::string, SimFileAttribute> fileAttributes;
    std::map<std::uint8_t, Bytes> networkSettings;
    std::map<std::uint8_t, Bytes> strings;

    // Gateway (30700, 30701): frames for these MACs are answered by this same device.
    SimMac deviceMac{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
    std::set<SimMac> gatewayTargets;

    // Boot loader: pushed 30019 frames after each 30018 reply, up to and including the first
    // whose state is not 0. Empty: one {100, 1}.
    std::deque<SimFirmwareProgress> firmwareProgress;
    std::chrono::milliseconds firmwarePushInterval{20};
    int pushAcknowledgements = 0;

    static std::vector<SimLogSetting> DefaultLogSettings()
    {
        std::vector<SimLogSetting> settings;
        for (std::uint16_t type = 0; type <= 11; ++type)
            settings.push_back({type, kLogDisabled, 1, 0});
        settings.push_back({kSystemLogType, kLogEnabled, 0, 1});
        return settings;
    }
};

} // namespace pelsim

#pragma once
// The channel and port entries of the per-slot module records. Each entry is the channel's tag
// definitions followed by its setting block; the model's channel setters take and store a block
// whole. The defaults are those of a channel of a newly placed module.

#include "TagDefinition.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

// ---- setting blocks ----

struct DISettingBlock {
    quint32 Filter = 1000;
    quint32 Measurement_Time = 1000; // ms
    qint32 DI_Mode = 0;
    qint32 Trigger = 0; // 0..2, -1 none
    std::array<qint32, 4> Words5To8{};
    quint32 InitVal_CntVal = 0;
    std::array<qint32, 2> Words10To11{};
    qint32 FirstOnEnable = 0;
    float FirstOnTime = 15.0f;
    friend bool operator==(const DISettingBlock&, const DISettingBlock&) = default;
};

// Digital output and relay channels.
struct OutputSettingBlock {
    qint32 Mode = 0;
    qint32 Status = 0;
    qint32 Word3 = 0;
    quint32 OutputPulse = 0;
    std::array<qint32, 2> Words5To6{};
    double Frequency = 1.0;  // Hz
    double DutyCycle = 50.0; // percent
    qint32 Word11 = 0;
    float Word12 = 0.1f;
    std::array<qint32, 2> Words13To14{};
    friend bool operator==(const OutputSettingBlock&, const OutputSettingBlock&) = default;
};

struct DIOSettingBlock {
    DISettingBlock DI;
    qint32 Word14 = 0;
    OutputSettingBlock DO;
    friend bool operator==(const DIOSettingBlock&, const DIOSettingBlock&) = default;
};

// The analog input block; the range code selects whether tag limits follow a change.
struct AISettingBlock {
    qint32 InputRangeMin = 0;
    qint32 InputRangeMax = 0;
    qint32 InputRange = -1; // range code; 4 is the range with a burn-out value
    std::array<qint32, 2> Words4To5{};
    float BurnOutValue = 4.0f;
    friend bool operator==(const AISettingBlock&, const AISettingBlock&) = default;
};

struct HighSpeedAISettingBlock : AISettingBlock {
    quint32 ForeInterval = 3; // pre record count
    quint32 BackInterval = 3; // post record count
    friend bool operator==(const HighSpeedAISettingBlock&, const HighSpeedAISettingBlock&) = default;
};

struct HARTAISettingBlock : AISettingBlock {
    quint32 HartOpMode = 0;
    quint32 NumRetry = 2;
    friend bool operator==(const HARTAISettingBlock&, const HARTAISettingBlock&) = default;
};

struct AOSettingBlock {
    quint32 Enable = 1;
    qint32 Mode = 0;
    qint32 WaveformType = 0;
    float Frequency = 1.0f;
    float Amplitude = 0.0f;
    float Offset = 0.0f;
    float InitialValue = 0.0f;
    qint32 OutputRange = -1; // range code
    qint32 RangeMin = 0;
    qint32 RangeMax = 0;
    qint32 Word11 = 0;
    friend bool operator==(const AOSettingBlock&, const AOSettingBlock&) = default;
};

// Thermocouple and RTD channels.
struct TemperatureSettingBlock {
    qint32 SensorType = -1; // sensor-type code
    qint32 InputRangeMin = 0;
    qint32 InputRangeMax = 0;
    float Offset = 0.0f;
    qint32 Unit = 0;
    std::array<qint32, 2> Words6To7{};
    friend bool operator==(const TemperatureSettingBlock&, const TemperatureSettingBlock&) = default;
};

struct SerialPortSettingBlock {
    qint32 Mode = 0;
    qint32 Baudrate = 6; // option indexes of the serial page
    qint32 Parity = 0;
    qint32 Databit = 3;
    qint32 Stopbit = 0;
    qint32 FlowControl = 0;
    qint32 IsUsedByService = 0;
    qint32 UsedServiceType = 0;
    qint32 Word9 = 0;
    friend bool operator==(const SerialPortSettingBlock&, const SerialPortSettingBlock&) = default;
};

struct CanPortSettingBlock {
    quint32 Baudrate = 125000;
    quint32 AccCode = 0;
    quint32 AccMask = 0;
    quint32 BaudrateIndex = 4;
    friend bool operator==(const CanPortSettingBlock&, const CanPortSettingBlock&) = default;
};

struct LanPortSettingBlock {
    qint32 IPConfiguration = 0;
    QString IpAddress = QStringLiteral("192.168.127.254");
    QString Netmask = QStringLiteral("255.255.255.0");
    QString Gateway;
    qint32 Word5 = 0;
    friend bool operator==(const LanPortSettingBlock&, const LanPortSettingBlock&) = default;
};

// ---- channel and port entries ----

struct DIChannel {
    std::vector<TagDefinition> TagDefinitions;
    DISettingBlock Setting;
};

struct DOChannel {
    std::vector<TagDefinition> TagDefinitions;
    OutputSettingBlock Setting;
};

struct DIOChannel {
    qint32 IODirection = 0; // 0 DI, 1 DO
    std::vector<TagDefinition> TagDefinitions;
    qint32 Word1 = 0;
    DIOSettingBlock Setting;
};

// One HART sensor of a channel.
struct HARTSensorEntry {
    quint32 FrameType = 0;
    quint32 Address = 0;
    quint32 Preambles = 0;
    quint32 Command = 0;
    quint32 ManuID = 0;
    quint32 DeviceType = 0;
    quint32 UniqueID = 0;
    friend bool operator==(const HARTSensorEntry&, const HARTSensorEntry&) = default;
};

struct HARTAIChannel {
    std::vector<TagDefinition> TagDefinitions;
    std::vector<TagDefinition> SensorTagDefinitions; // per sensor variable, the sensor template's tags
    HARTAISettingBlock Setting;
    std::vector<HARTSensorEntry> Sensors;
};

struct AIChannel {
    std::vector<TagDefinition> TagDefinitions;
    AISettingBlock Setting;
};

struct HighSpeedAIChannel {
    std::vector<TagDefinition> TagDefinitions;
    HighSpeedAISettingBlock Setting;
};

struct AOChannel {
    std::vector<TagDefinition> TagDefinitions;
    AOSettingBlock Setting;
};

struct TemperatureChannel {
    std::vector<TagDefinition> TagDefinitions;
    TemperatureSettingBlock Setting;
};

struct SerialPort {
    std::vector<TagDefinition> TagDefinitions;
    SerialPortSettingBlock Setting;
};

struct CANPort {
    std::vector<TagDefinition> TagDefinitions;
    CanPortSettingBlock Setting;
};

struct LANPort {
    std::vector<TagDefinition> TagDefinitions;
    LanPortSettingBlock Setting;
};

// The names other parts of the program use for the same entries.
using DIChannelEntry = DIChannel;
using DIChannelSetting = DIChannel;
using DOChannelEntry = DOChannel;
using OutputChannelEntry = DOChannel;
using OutputChannelSetting = DOChannel;
using DIOChannelEntry = DIOChannel;
using HARTChannelEntry = HARTAIChannel;
using HARTAIChannelSetting = HARTAIChannel;
using HARTSensorSetting = HARTSensorEntry;
using AIChannelEntry = AIChannel;
using HighSpeedAIChannelEntry = HighSpeedAIChannel;
using AOChannelEntry = AOChannel;
using TemperatureChannelEntry = TemperatureChannel;
using TemperatureChannelSetting = TemperatureChannel;
using SerialPortEntry = SerialPort;
using CanPortEntry = CANPort;
using LanInterfaceEntry = LANPort;

// ---- channel-list makers: n default entries each ----

std::vector<DIChannel> MakeDIChannels(quint32 count);
std::vector<DOChannel> MakeDOChannels(quint32 count);
std::vector<DIOChannel> MakeDIOChannels(quint32 count);
std::vector<HARTAIChannel> MakeHARTAIChannels(quint32 count);
std::vector<AIChannel> MakeAIChannels(quint32 count);
std::vector<HighSpeedAIChannel> MakeHighSpeedAIChannels(quint32 count);
std::vector<AOChannel> MakeAOChannels(quint32 count);
std::vector<TemperatureChannel> MakeTemperatureChannels(quint32 count);
std::vector<SerialPort> MakeSerialPorts(quint32 count);
std::vector<CANPort> MakeCANPorts(quint32 count);
std::vector<LANPort> MakeLANPorts(quint32 count);

#pragma once
// The per-slot module records: one record per placed module that has settings of its own, found
// in its list by the slot key in its first field.

#include "CELLULAR_SETTINGS.h"
#include "ChannelEntries.h"
#include "TagDefinition.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <vector>

class IXMLElement;

// One tag name of a module's channel tag template.
struct TagNameEntry {
    QString TagName;
    qint32 Reserved = 0; // always 0
    qint32 Min = 0;
    qint32 Max = 0;
    friend bool operator==(const TagNameEntry&, const TagNameEntry&) = default;
};

// The tags every channel of a module has, in order, with their template names.
struct ChannelTagTemplate {
    std::vector<TagDefinition> Definitions;
    std::vector<TagNameEntry> TagNames;
};

// The head every module record starts with.
struct ModuleRecordHead {
    qint32 SlotIndex = 0;    // the key: the slot the module sits in
    qint32 ChannelCount = 0; // channels, ports or interfaces
    qint32 ResSize = 0;      // tag definitions per channel
    QString ModuleName;      // the resource element's alias
};

// Digital input module.
struct ModuleSlotRecord : ModuleRecordHead {
    std::vector<DIChannel> Channels;
    std::vector<quint32> FilterRange; // default, minimum, maximum of the digital filter
    QString FilterUnit;
    qint32 HighVoltage = 0; // nonzero: the high-voltage layout
    std::vector<TagDefinition> ExternalPowerTags;
    qint32 TemplatePresent = 0;
    ChannelTagTemplate ChannelTemplate;
    QStringList Abbreviations;

    // project file
    // Writes "Setting"/"DI" and "Resource"/"DI" (and "ExtPower" when high-voltage) of the slot element.
    void SaveDiChannels(IXMLElement* slotElement);
    // Reads a "DI" element; the layout follows each channel element.
    void LoadDiChannels(IXMLElement* element);
};

// Digital input/output module; ResSize is the number of resources per channel.
struct DIOModuleSlotRecord : ModuleRecordHead {
    std::vector<DIOChannel> Channels;
    std::vector<quint32> FilterRange;
    QString FilterUnit;
    qint32 TemplatePresent = 0;
    ChannelTagTemplate ChannelTemplate;
    QStringList Abbreviations;

    // project file
    void SaveDioChannels(IXMLElement* slotElement);
    void LoadDioChannels(IXMLElement* element);
};

// Digital output and relay modules.
struct OutputModuleSlotRecord : ModuleRecordHead {
    std::vector<DOChannel> Channels;
    qint32 TemplatePresent = 0;
    ChannelTagTemplate ChannelTemplate;
    QStringList Abbreviations;

    // project file
    void SaveDoChannels(IXMLElement* slotElement);
    void LoadDoChannels(IXMLElement* element);
    void SaveRelayChannels(IXMLElement* slotElement);
    void LoadRelayChannels(IXMLElement* element);
};

struct HARTAISetting : ModuleRecordHead {
    qint32 SensorTagCount = 0; // tags per HART sensor (the sensor template's size)
    std::vector<HARTAIChannel> Channels;
    std::vector<TagDefinition> SensorTemplate;
    qint32 TemplatePresent = 0;
    ChannelTagTemplate ChannelTemplate;
    QStringList Abbreviations;

    // project file
    // Writes the "HARTAI" and "HART" groups; the reader takes the slot element too and appends the
    // sensors it reads to the channels' sensor lists.
    void SaveHartAiChannels(IXMLElement* slotElement);
    void LoadHartAiChannels(IXMLElement* slotElement);
};

struct AISetting : ModuleRecordHead {
    std::vector<AIChannel> Channels;
    qint32 TemplatePresent = 0;
    ChannelTagTemplate ChannelTemplate;
    QStringList Abbreviations;

    // project file
    void SaveAiChannels(IXMLElement* slotElement);
    void LoadAiChannels(IXMLElement* element);
};

struct HighSpeedAISetting : ModuleRecordHead {
    static constexpr quint32 kDefaultSamplingRate = 5000;

    quint32 SamplingRate = kDefaultSamplingRate;
    std::vector<HighSpeedAIChannel> Channels;
    std::vector<quint32> SamplingNumbers; // default rate, minimum rate, maximum rate, default record count
    qint32 TemplatePresent = 0;
    ChannelTagTemplate ChannelTemplate;
    QStringList Abbreviations;

    // project file
    void SaveHighSpeedAiChannels(IXMLElement* slotElement);
    void LoadHighSpeedAiChannels(IXMLElement* element);
};

struct AOSetting : ModuleRecordHead {
    std::vector<AOChannel> Channels;
    ChannelTagTemplate ChannelTemplate;
    qint32 TemplatePresent = 0;
    QStringList Abbreviations;

    // project file
    void SaveAoChannels(IXMLElement* slotElement);
    void LoadAoChannels(IXMLElement* element);
};

// Thermocouple and RTD modules.
struct TemperatureSetting : ModuleRecordHead {
    std::vector<TemperatureChannel> Channels;
    ChannelTagTemplate ChannelTemplate;
    qint32 TemplatePresent = 0;
    QStringList Abbreviations;

    // project file
    void SaveTcChannels(IXMLElement* slotElement);
    void LoadTcChannels(IXMLElement* element);
    void SaveRtdChannels(IXMLElement* slotElement);
    void LoadRtdChannels(IXMLElement* element);
};

// Serial and CAN modules: the same record over their own port entries.
template <typename Port>
struct PortModuleRecord : ModuleRecordHead {
    std::vector<Port> Ports;
};
using PortModuleSlotRecord = PortModuleRecord<SerialPort>;
using CanModuleSlotRecord = PortModuleRecord<CANPort>;

struct LanModuleSlotRecord : ModuleRecordHead {
    std::vector<LANPort> Interfaces;
    QStringList Abbreviations;
    qint32 DefaultGatewayInterface = 0;
    qint32 EthernetMode = 0;
    qint32 Lock = 0;     // kept in the model only
    qint32 Reserved = 1; // preset 1; not changed by the network page
    QString DNS_0;
    QString DNS_1;
};

struct CellularConfig {
    QString UserName;
    QString Password;
    QString SimPin;
    QString APN;
    qint32 Band = 0;
    qint32 Enable = 0;
    CELLULAR_SETTINGS AutoCheck; // the connection check
    friend bool operator==(const CellularConfig&, const CellularConfig&) = default;
};

// Cellular modem; ResSize is its tag count.
struct CellularRecord : ModuleRecordHead {
    std::vector<TagDefinition> TagDefinitions;
    CellularConfig Config;
    QStringList Abbreviations;
};

// Port-trunk and Ethernet-switch modules: the slot key and three setting values.
struct SlotPortRecord {
    qint32 SlotIndex = 0;
    std::array<qint32, 3> Values{};
    friend bool operator==(const SlotPortRecord&, const SlotPortRecord&) = default;

    // project file
    // "Setting"/elementName ("PortTrunk" or "Switch") with the three values; the reader keeps a
    // value whose element is missing.
    void SaveSlotPortSetting(IXMLElement* slotElement, const QString& elementName) const;
    void LoadSlotPortSetting(IXMLElement* element);
};

// A resource group: the system variables of the controller, the system registers of a power slot.
struct ResourceGroupRecord {
    qint32 SlotIndex = 0;
    qint32 Added = 0;   // 1 once added to the model
    qint32 ResSize = 0; // tag count
    qint32 IECFlag = 0;
    qint32 Series4100Flag = 0;
    QString Name;
    std::vector<TagDefinition> TagDefinitions;
    QStringList Texts; // abbreviations
};
using SystemRegisterRecord = ResourceGroupRecord;

// An entry of the analog range lists: the key and the three fields of a range value.
struct AIRangeEntry {
    QString Key;
    QString Minimum;
    QString Maximum;
    QString Code;
};

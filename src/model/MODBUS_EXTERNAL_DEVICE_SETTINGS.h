#pragma once
// The Modbus master service: its external devices, their polling commands, and the defaults and
// limits a device takes from section [ModbusMaster] of DefaultSettings.ini.

#include "CAutoResource.h"
#include "ConfigFiles.h"
#include "TagDefinition.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

// One tag that a command reads or writes.
struct MODBUS_COMMAND_RESOURCE {
    QString ResID;               // the tag's dotted address
    qint32 Start_Addr = 0;       // zero-based address of the tag's first coil or register
    qint32 ReferenceAddress = 0; // the same address as a Modbus reference number
    qint32 DataType = 0;         // position in the command editor's data-type list
    qint32 DataTypeSize = 0;     // registers per value
    qint32 Length = 0;           // coils or registers the tag occupies

    // project file
    // Children of the resource's "Set_%d": the flat list of older files names the length
    // "Quantity", the command's own list "Length".
    void SaveFlat(class IXMLElement* element) const;
    void Save(class IXMLElement* element) const;
    void Load(class IXMLElement* element);

    friend bool operator==(const MODBUS_COMMAND_RESOURCE&, const MODBUS_COMMAND_RESOURCE&) = default;
};

// One polling command of a device.
struct MODBUS_COMMAND_SETTINGS {
    static constexpr qint32 kSwapNotApplicable = 2;
    static constexpr qint32 kDefaultScanRate = 1000; // milliseconds

    QString Name;
    qint32 Function_Code = 0; // position in the function list
    qint32 Start_Addr = 0;
    qint32 SwappedValue = kSwapNotApplicable; // 0 not swapped, 1 swapped
    qint32 TotalLength = 0;
    QVector<MODBUS_COMMAND_RESOURCE> Resources; // one per tag, in the command's tag order
    qint32 ScanRate = kDefaultScanRate;

    // project file
    // The command's values before its resource in the flat list: "Name", "Function_Code", "SwappedValue".
    void SaveSummary(class IXMLElement* element) const;
    // The command's values in its own "Set_%d" of "MultiTagResource"; the resources are the caller's.
    void Save(class IXMLElement* element) const;
    // One resource of the flat list becomes one command.
    void LoadFlat(class IXMLElement* element);
    void Load(class IXMLElement* element);

    friend bool operator==(const MODBUS_COMMAND_SETTINGS&, const MODBUS_COMMAND_SETTINGS&) = default;
};

// One external device polled by the Modbus master service.
struct MODBUS_EXTERNAL_DEVICE_SETTINGS {
    QString Name;
    QString IpAddress; // empty when the device is reached over a serial port
    QString RTUPort;   // "S_0-E_0" for the Ethernet port, "S_%d-P_%d" of slot and zero-based port
    qint32 TCPPort = 0;
    qint32 Polling_Delay = 0;
    qint32 Timeout = 0;
    qint32 UnitID = 0;
    qint32 RecoverDelay = 0;
    qint32 FailRetry = 0;
    qint32 KeepAliveInterval = 0;
    qint32 KeepAliveEnable = 0;
    QVector<MODBUS_COMMAND_SETTINGS> Commands;
    QVector<TagDefinition> TagDefinitions;                      // automatic tags: status first, error second
    CAutoResource* AutoResource = CAutoResource::GetInstance(); // shared, not owned
    qint32 Index = 0;  // the device id: item index of its tag uses, number in its tag names
    QString StatusTag; // resource id texts of the automatic tags
    QString ErrorTag;

    // Defaults and limits read at construction; they travel with every copy.
    SettingTriple UnitIDValue;
    SettingTriple TCPPortValue;
    SettingTriple FailRetryValue;
    SettingTriple PollingDelayValue;
    SettingTriple RecoverDelayValue;
    qint32 DefaultTimeout = 0;
    qint32 DefaultKeepAliveInterval = 0;
    QString DefaultIpAddress;

    MODBUS_EXTERNAL_DEVICE_SETTINGS(); // loads [ModbusMaster], then Reset

    // Back to the defaults: texts emptied (the IP address to its default), commands and automatic
    // tags emptied, device id 0. The status and error tag texts are kept.
    void Reset();
    // Keys "UnitID", "TCPPort", "FailRetry", "PollingDelay", "RecoverDelay".
    int GetModbusMasterDefault(const QString& key, SettingTriple& out) const;
    // Keys "Timeout", "KeepAliveInterval".
    int GetDefault(const QString& key, qint32& out) const;
    // Key "IP".
    int GetDefaultText(const QString& key, QString& out) const;

    // project file
    // Children of the device's "Set_%d" element; Load expects a record just reset.
    void Save(class IXMLElement* element) const;
    void Load(class IXMLElement* element);
    // Round trips of the project file compare whole records.
    friend bool operator==(const MODBUS_EXTERNAL_DEVICE_SETTINGS&, const MODBUS_EXTERNAL_DEVICE_SETTINGS&) = default;
};

void LoadModbusMasterDefaults(MODBUS_EXTERNAL_DEVICE_SETTINGS& record);

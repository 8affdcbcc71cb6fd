#pragma once
// The Modbus slave service: its settings, its address map of tag sets, and the limits it takes
// from section [ModbusSlave] of DefaultSettings.ini.

#include "ConfigFiles.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

// One mapped tag of a tag set.
struct MODBUS_SLAVE_TAG_ITEM {
    QString Name;             // the name of the set that holds the item
    QString Tag;              // the tag's dotted address
    qint32 ModbusMap = 0;     // function area: index into the digital, then the analog function list
    qint32 Reserved = 0;      // not kept in the project file
    qint32 ModbusAddress = 0; // zero-based register or bit address
    qint32 DataType = 0;      // size class: 0 bit, 1 one register, 2 two registers, 3 string
    qint32 TagType = 0;       // the tag's data-type code 1..18

    // project file
    void Save(class IXMLElement* element) const; // children of the item's "Set_%d" element
    void Load(class IXMLElement* element);

    friend bool operator==(const MODBUS_SLAVE_TAG_ITEM&, const MODBUS_SLAVE_TAG_ITEM&) = default;
};

// One set of tags mapped to consecutive Modbus addresses.
struct MODBUS_SLAVE_TAG_SET {
    static constexpr qint32 kNoTagDataType = 999;

    QString Name;
    qint32 TagDataType = kNoTagDataType; // data-type index 0..8 of the set's tags
    qint32 Index = 0;                    // the set's number in tag uses; never renumbered
    QVector<MODBUS_SLAVE_TAG_ITEM> Items;

    void Reset();

    // project file
    void Save(class IXMLElement* element) const; // children of the set's "Set_%d" in "MulitTagSet"
    void Load(class IXMLElement* element);
    // Round trips of the project file compare whole records.
    friend bool operator==(const MODBUS_SLAVE_TAG_SET&, const MODBUS_SLAVE_TAG_SET&) = default;
};

// The Modbus slave service record held by the model.
struct MODBUS_SLAVE_SETTINGS {
    static constexpr qint32 kEthernetOn = 1;
    static constexpr qint32 kGroupedTagSets = 1;

    qint32 ListenPort = 0;
    qint32 UnitID = 0;
    qint32 Timeout = 0; // idle time-out of a client connection, seconds
    qint32 EnEthernet = kEthernetOn;
    qint32 EnSerial = 0;
    QString SerialPort; // "S_%d-P_%d" of slot and zero-based port, empty when none
    qint32 SerialUnitID = 0;
    // 1 while the tag sets are the grouped list; the project reader clears it for a file that
    // holds only the flat list, and its tag-set pass sets it again.
    qint32 HasMultiTagSet = kGroupedTagSets;
    QVector<MODBUS_SLAVE_TAG_SET> MulitTagSet;

    SettingTriple PortValue;
    SettingTriple UnitIDValue;
    SettingTriple IdleTimeoutValue;

    MODBUS_SLAVE_SETTINGS(); // loads [ModbusSlave], then Reset

    void Reset();
    // Keys "PortValue", "UnitIDValue", "IdleTimeoutValue".
    int GetModbusSlaveDefault(const QString& key, SettingTriple& out) const;

    // project file
    // Children of the "Modbus_Slave" element; Load appends the tag sets.
    void Save(class IXMLElement* element) const;
    void Load(class IXMLElement* element);
    // Round trips of the project file compare whole records.
    friend bool operator==(const MODBUS_SLAVE_SETTINGS&, const MODBUS_SLAVE_SETTINGS&) = default;
};
using ModbusSlaveSettings = MODBUS_SLAVE_SETTINGS;

void LoadModbusSlaveDefaults(MODBUS_SLAVE_SETTINGS& record);

#pragma once
// The Modbus slave's address map: how many addresses a tag takes, how an address shows in its
// function area, where the tags of a set go, and which sets may not share addresses.

#include "MODBUS_SLAVE_SETTINGS.h"
#include "TagRecord.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace ModbusSlaveMap {

inline constexpr int kLastAddress = 65535;
inline constexpr int kMaxTagSets = 512;
inline constexpr int kNoFunction = -1;

// Bits or registers one tag of the data-type code occupies; 0 for an unknown code.
int AddressStep(int dataTypeCode);
// 0 bit, 1 one register, 2 two registers, 3 string; -1 for an unknown code.
int SizeClass(int dataTypeCode);
// The address in the classic five-digit form of its area ("40101" for map 3, address 100);
// empty for a map outside 0..3.
QString AreaAddressText(int modbusMap, int address);

// The item's addresses lie within 0..65535, its last one included.
bool ItemFitsAddressRange(const MODBUS_SLAVE_TAG_ITEM& item);
// A stored set other than the one at skipRow (-1: none) holds an item of the same function
// area whose addresses meet the item's.
bool ItemOverlapsStoredSets(const MODBUS_SLAVE_TAG_ITEM& item, const QVector<MODBUS_SLAVE_TAG_SET>& stored,
                            int skipRow);
// True when every item fits the range and meets no stored set.
bool SetFitsMap(const MODBUS_SLAVE_TAG_SET& set, const QVector<MODBUS_SLAVE_TAG_SET>& stored, int skipRow);

// The items get consecutive addresses from start, each its step after the one before.
void RenumberSet(MODBUS_SLAVE_TAG_SET& set, int start);

// Chosen tags of another data type than the set's items replace them.
bool ChosenTagsReplaceItems(const MODBUS_SLAVE_TAG_SET& set, const std::vector<TagRecord>& chosen);

// Appends the chosen tags not yet in the set (tags of another data type than the set's replace
// its items), addresses following from start, then renumbers the set from start. The number of
// tags appended.
int AppendChosenTags(MODBUS_SLAVE_TAG_SET& set, const std::vector<TagRecord>& chosen, int start, int function,
                     const QString& setName);

// Every item takes the function area.
void SetFunction(MODBUS_SLAVE_TAG_SET& set, int function);

// The function areas a set chooses from: the digital names for bit tags (maps 0, 1, ...), the
// analog names for the others (maps following the digital ones), and the read/write text of
// each position in its list.
struct FunctionAreas {
    QStringList Digital;
    QStringList Analog;
    QStringList ReadWrite;

    // The names offered to tags of the code, and the map of the first of them.
    const QStringList& NamesFor(int dataTypeCode) const;
    int FirstMap(int dataTypeCode) const;
    // The position of the map in the list its tags are offered.
    int Position(int modbusMap) const;
    // The name of the item's area; empty when none is chosen.
    QString Name(const MODBUS_SLAVE_TAG_ITEM& item) const;
};

} // namespace ModbusSlaveMap

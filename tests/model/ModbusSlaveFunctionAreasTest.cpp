// The slave's function areas: which names a set's tags are offered, the map of each name, and
// the name an item's map shows in the lists.
#include "ModbusSlaveMap.h"

#include <gtest/gtest.h>

namespace {

using ModbusSlaveMap::FunctionAreas;

const FunctionAreas kAreas{{"Discrete Inputs", "Coils"}, {"Input Registers", "Holding Registers"}, {"R", "R/W"}};

MODBUS_SLAVE_TAG_ITEM itemOf(int code, int map)
{
    MODBUS_SLAVE_TAG_ITEM item;
    item.TagType = code;
    item.ModbusMap = map;
    return item;
}

TEST(ModbusSlaveFunctionAreasTest, BitTagsChooseTheDigitalAreasAndOthersTheAnalogOnes)
{
    const struct {
        int code;
        QStringList names;
        int firstMap;
    } cases[] = {
        {1, kAreas.Digital, 0}, {10, kAreas.Digital, 0}, // codes x and x + 9 are one kind
        {2, kAreas.Analog, 2},  {4, kAreas.Analog, 2},   {15, kAreas.Analog, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kAreas.NamesFor(c.code), c.names) << c.code;
        EXPECT_EQ(kAreas.FirstMap(c.code), c.firstMap) << c.code;
    }
}

TEST(ModbusSlaveFunctionAreasTest, AMapShowsTheNameAtItsPositionInItsList)
{
    const struct {
        const char* name;
        MODBUS_SLAVE_TAG_ITEM item;
        int position;
        QString shown;
    } cases[] = {
        {"coils", itemOf(1, 1), 1, "Coils"},
        {"input registers", itemOf(4, 2), 0, "Input Registers"},
        {"holding registers", itemOf(5, 3), 1, "Holding Registers"},
        {"no function chosen", itemOf(5, ModbusSlaveMap::kNoFunction), ModbusSlaveMap::kNoFunction, ""},
        {"a map past the lists", itemOf(5, 7), 5, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(kAreas.Position(c.item.ModbusMap), c.position);
        EXPECT_EQ(kAreas.Name(c.item), c.shown);
    }
}

} // namespace

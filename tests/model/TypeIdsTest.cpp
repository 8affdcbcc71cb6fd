#include "TypeIds.h"

#include <gtest/gtest.h>

namespace {

TEST(TypeIdsTest, InternalRegisterTypesAre1501To1518)
{
    const struct {
        int id;
        bool expected;
    } cases[] = {{1500, false}, {1501, true}, {1510, true}, {1518, true}, {1519, false}, {0, false}, {-1501, false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsInternalRegisterType(c.id), c.expected) << c.id;
}

TEST(TypeIdsTest, PortsAndPlainServicesAreNotSelectable)
{
    for (const int id : {1000, 1001, 1016, 1017, 1018, 105, 114, 116, 118, 124, 127, 137, 138, 143, 146})
        EXPECT_FALSE(IsSelectableResourceType(id)) << id;
    for (const int id : {117, 129, 131, 133, 136, 144, 145, 1002, 1003, 1013, 1015, 1019, 1501, 0, 99999})
        EXPECT_TRUE(IsSelectableResourceType(id)) << id;
}

TEST(TypeIdsTest, DataTypeCodesMapToTheFileTypeIndex)
{
    // Bool, Char, Float, Long, Short, String, UChar, ULong, UShort.
    const int expectedIndex[] = {0, 1, 7, 3, 2, 8, 4, 6, 5};
    for (int code = 1; code <= 9; ++code) {
        EXPECT_EQ(MapDataTypeCode(code), expectedIndex[code - 1]) << code;
        EXPECT_EQ(MapDataTypeCode(code + 9), expectedIndex[code - 1]) << code + 9;
    }
    for (const int code : {0, 19, -1, 1000})
        EXPECT_EQ(MapDataTypeCode(code), 999) << code;
}

TEST(TypeIdsTest, OnlyConnectionStatusAndSystemVariableTypesHaveNoChannel)
{
    for (int id = ChannelType::First; id <= ChannelType::Last; ++id)
        EXPECT_EQ(HasNoChannelIndex(id), id == 1002 || id == 1013 || id == 1015) << id;
}

} // namespace

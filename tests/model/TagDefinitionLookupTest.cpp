#include "TagEngineFixture.h"

#include "ResultCodes.h"

#include <gtest/gtest.h>

#include <limits>

using namespace TagFixture;

namespace {

struct Fields {
    int code = -1;
    int dnp3 = -1;
    int direction = -1;
    friend bool operator==(const Fields&, const Fields&) = default;
};

Fields lookup(const CDataCenter& model, const QString& address, int kind)
{
    Fields fields;
    model.LookupTagDefinitionFields(address, kind, fields.code, fields.dnp3, fields.direction);
    return fields;
}

} // namespace

TEST(TagDefinitionLookupTest, InternalRegisterTypesHaveFixedFields)
{
    const CDataCenter model;
    const struct {
        int type;
        Fields fields;
    } cases[] = {
        {1501, {1, 1, 1}},  {1505, {5, 2, 1}},  {1506, {6, 0, 1}},  {1509, {9, 2, 1}},
        {1510, {10, 3, 0}}, {1512, {12, 4, 0}}, {1515, {15, 0, 0}}, {1518, {18, 4, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lookup(model, "any", c.type), c.fields) << c.type;
}

TEST(TagDefinitionLookupTest, ChannelCellularAndServiceDefinitionsByText)
{
    CDataCenter model;
    MakeSlots(model);
    PlaceDI(model, 3);
    model.AddCellularRecord(1, 1, 1, "Cell", {Def("Conn", "1.0.5", 8, 2, 1)}, {});
    model.ServiceStatusTags[StatusTagPosition(StatusTagSource::ModbusMaster)] = Def("S", "0.0.105.0", 4, 2, 1);
    MODBUS_EXTERNAL_DEVICE_SETTINGS device;
    device.Index = 6;
    device.TagDefinitions = {Def("Err", "0.6.105.2", 17, 4, 0)};
    model.ModbusMasterDevices = {device};

    EXPECT_EQ(lookup(model, "3.1.1", ChannelType::DigitalInput), (Fields{4, 2, 1}));
    EXPECT_EQ(lookup(model, "3.0.9", ChannelType::DigitalInput), (Fields{1, 1, 1})); // module level
    EXPECT_EQ(lookup(model, "1.0.5", ChannelType::ConnectionStatus), (Fields{8, 2, 1}));
    EXPECT_EQ(lookup(model, "0.0.105.0", ServiceId::ModbusMaster), (Fields{4, 2, 1}));
    EXPECT_EQ(lookup(model, "0.6.105.2", ServiceId::ModbusMaster), (Fields{17, 4, 0}));
    EXPECT_EQ(lookup(model, "0.7.105.2", ServiceId::ModbusMaster), Fields{}); // no device 7
    EXPECT_EQ(lookup(model, "3.9.1", ChannelType::DigitalInput), Fields{});
    EXPECT_EQ(lookup(model, "3.1.1", 999), Fields{});
}

TEST(TagDefinitionLookupTest, AnAddressWithOneDotReadsTheItemFromTheRest)
{
    CDataCenter model;
    ALARM_SMS_ITEM_SETTINGS entry;
    entry.Index = 12;
    entry.TagDefinitions = {Def("Trigger", "0.12", 10, 3, 0)};
    model.AlarmSms.Entries = {entry};
    EXPECT_EQ(lookup(model, "0.12", ServiceId::AlarmSms), (Fields{10, 3, 0}));
}

TEST(TagDefinitionLookupTest, RangesAndValueOfTheDefinitionBehindATag)
{
    CDataCenter model;
    MakeSlots(model);
    PlaceAI(model, 2);
    TagDefinition& definition = model.AISettings[0].Channels[1].TagDefinitions[0];
    definition.Min = -5;
    definition.Max = 500;
    definition.FloatMin = -1.5f;
    definition.FloatMax = 2.5f;
    definition.RangeExtra = 42;
    const TagRecord tag = MakeTag("Level", "2.1.0", ChannelType::AnalogInput);

    qint64 minimum = 0;
    qint64 maximum = 0;
    EXPECT_EQ(model.GetTagIntegerRange(tag, minimum, maximum), 1);
    EXPECT_EQ(minimum, -5);
    EXPECT_EQ(maximum, 500);
    float low = 0;
    float high = 0;
    EXPECT_EQ(model.GetTagFloatRange(tag, low, high), 1);
    EXPECT_EQ(low, -1.5f);
    EXPECT_EQ(high, 2.5f);
    int value = 0;
    EXPECT_EQ(model.GetTagDefinitionValue(tag, value), 1);
    EXPECT_EQ(value, 42);

    value = 7;
    EXPECT_EQ(model.GetTagDefinitionValue(MakeTag("Gone", "2.4.0", ChannelType::AnalogInput), value), 0);
    EXPECT_EQ(value, 7);
}

TEST(TagDefinitionLookupTest, SystemRegisterPositionsPerSlot)
{
    CDataCenter model;
    model.AddResourceGroupRecord("PWR", 2, 0, {Def("A", "2.1502"), Def("B", "2.1503")}, 0, 2);
    EXPECT_EQ(model.FindSlotRegisterDefinitionIndex("2.1503", 2), 1);
    EXPECT_EQ(model.FindSlotRegisterDefinitionIndex(2, "2.1503"), 1);
    EXPECT_EQ(model.FindSlotRegisterDefinitionIndex("2.1504", 2), -1);
    EXPECT_EQ(model.FindSlotRegisterDefinitionIndex("2.1503", 3), -1);
}

TEST(TagDefinitionLookupTest, InternalRegisterItemsGoToTheListOfTheirKindWithItsLimits)
{
    CDataCenter model;
    const struct {
        const char* label;
        int direction;
        int tagType;
        int list;
        int dnp3;
        qint64 minimum;
        qint64 maximum;
    } cases[] = {
        {"ULong written", 0, 8, 17, 4, 0, 4294967295LL},
        {"Bool read", 1, 1, 1, 1, 0, 1},
        {"Bool written", 0, 1, 10, 3, 0, 1},
        {"Char read", 1, 2, 2, 2, -128, 127},
        {"Short written", 0, 5, 14, 4, -32768, 32767},
        {"String", 1, 6, 6, 0, 0, 0},
        {"code 12 given as such", 0, 12, 12, 4, 0, 0},
    };
    for (const auto& c : cases) {
        InternalVariableRecord item;
        item.Direction = c.direction;
        item.TagType = c.tagType;
        item.ChannelIndex = 5;
        item.Definition.Min = 123; // Float items keep their integer limits
        item.Definition.Max = 123;
        model.AddResourceTypeItem(item);
        ASSERT_EQ(model.GetInternalTagCount(c.list), 1) << c.label;
        const TagDefinition& added = model.InternalRegisters.ListForCode(c.list)->back().Definition;
        EXPECT_EQ(added.DNP3TagType, c.dnp3) << c.label;
        if (c.tagType != 12) {
            EXPECT_EQ(added.Min, c.minimum) << c.label;
            EXPECT_EQ(added.Max, c.maximum) << c.label;
        } else {
            EXPECT_EQ(added.Min, 123) << c.label;
            EXPECT_EQ(added.FloatMax, std::numeric_limits<float>::max()) << c.label;
        }
        model.InternalRegisters.ListForCode(c.list)->clear();
    }

    InternalVariableRecord unknown;
    unknown.TagType = 0;
    model.AddResourceTypeItem(unknown);
    for (int code = 1; code <= 18; ++code)
        EXPECT_EQ(model.GetInternalTagCount(code), 0) << code;
}

TEST(TagDefinitionLookupTest, ResourceTypeItemsByResourceId)
{
    CDataCenter model;
    InternalVariableRecord item;
    item.ChannelIndex = 3;
    item.Definition.Name = "Three";
    model.AddResourceTypeItem(4, item);
    item.ChannelIndex = 4;
    model.AddResourceTypeItem(4, item);

    InternalVariableRecord out;
    EXPECT_EQ(model.GetResourceTypeItem(4, 3, out), kS_OK);
    EXPECT_EQ(out.Definition.Name, "Three");
    EXPECT_EQ(model.GetResourceTypeItem(4, 9, out), kE_FAIL);
    EXPECT_EQ(model.GetResourceTypeItem(19, 3, out), kE_FAIL);
    EXPECT_EQ(model.RemoveResourceTypeItem(4, 3), 1);
    EXPECT_EQ(model.RemoveResourceTypeItem(4, 3), 0);
    EXPECT_EQ(model.RemoveResourceTypeItem(0, 4), 0);
    EXPECT_EQ(model.GetInternalTagCount(4), 1);
}

// The HART sensors of a channel: the tags that come and go with the sensor list, the refusal
// while a removed sensor's tag is used, and the limits of the long-frame ids.
#include "HartSensorRules.h"
#include "DefaultSettingsFolder.h"
#include "TagEngineFixture.h"
#include "TypeIds.h"

#include <gtest/gtest.h>

using namespace HartSensorRules;
using namespace TagFixture;
using Outcome = SensorListChange::Outcome;
using TagChange = CDataCenter::TagChange;

namespace {

constexpr int kSlot = 2;
constexpr int kChannel = 1;
constexpr int kChannels = 2;

TagDefinition sensorDefinition(const QString& name, const QString& resId, int resType)
{
    TagDefinition definition = Def(name, resId);
    definition.ResType = resType;
    return definition;
}

// A HART module in slot 2 with the sensor template PV, Status, and each channel's copy of it per
// sensor, as placing the module makes them.
void placeHart(CDataCenter& model)
{
    MakeSlots(model);
    model.SetSlotName(kSlot, QStringLiteral("41M-5480-T"));
    model.AppendSlotChannelGroup(kSlot, QStringLiteral("HART"), ChannelType::HartAnalogInput);
    model.AddHARTAIRecord(kSlot, kChannels, 0, QStringLiteral("HART"), MakeHARTAIChannels(kChannels));
    const std::vector<TagDefinition> sensorTemplate = {sensorDefinition("PV", "PV", 0),
                                                       sensorDefinition("Status", "ST", 4)};
    model.SetHartAIRecordDefinitions(kSlot, sensorTemplate, int(sensorTemplate.size()));
    for (int channel = 0; channel < kChannels; ++channel) {
        std::vector<TagDefinition> perSensor;
        for (int sensor = 0; sensor < kMaximumSensors; ++sensor) {
            for (TagDefinition definition : sensorTemplate) {
                definition.ResourceText = SensorTagAddress(kSlot, channel, definition, sensor);
                perSensor.push_back(definition);
            }
        }
        model.SetHartAIChannelDefinitions(kSlot, channel, perSensor);
    }
}

std::vector<HARTSensorEntry> sensorsOf(int count)
{
    std::vector<HARTSensorEntry> sensors;
    for (int i = 0; i < count; ++i)
        sensors.push_back({quint32(i % 2), quint32(i), 5, 0, quint32(i), 2, 3});
    return sensors;
}

std::vector<HARTSensorEntry> storedSensors(const CDataCenter& model, int channel = kChannel)
{
    return model.HARTAISettings.at(0).Channels.at(size_t(channel)).Sensors;
}

QStringList tagAddresses(const CDataCenter& model)
{
    QStringList addresses;
    for (const TagRecord& tag : model.Tags)
        addresses << tag.ResID;
    return addresses;
}

TagDefinition channelDefinition(const CDataCenter& model, const QString& address)
{
    return FindByAddress(model.HARTAISettings.at(0).Channels.at(size_t(kChannel)).SensorTagDefinitions, address);
}

class HartSensorTagsTest : public testing::Test {
protected:
    void SetUp() override { placeHart(model_); }

    CDataCenter model_;
};

TEST(HartSensorListTest, TheListGrowsAndShrinksWithTheTagsOfItsLastSensors)
{
    const TagChange t1pv{"S2_HART1_T1_PV", "2.1.PV.1.0"}, t1st{"S2_HART1_T1_Status", "2.1.ST.1.4"};
    const TagChange t2pv{"S2_HART1_T2_PV", "2.1.PV.2.0"}, t2st{"S2_HART1_T2_Status", "2.1.ST.2.4"};
    struct Case {
        const char* name;
        int before;
        int after;
        std::vector<TagChange> removed;
        std::vector<TagChange> created;
    };
    const Case cases[] = {
        {"1 to 3", 1, 3, {}, {t1pv, t1st, t2pv, t2st}},
        {"3 to 1", 3, 1, {t1pv, t1st, t2pv, t2st}, {}},
        {"3 to 3, edited", 3, 3, {}, {}},
        {"2 to 0", 2, 0, {{"S2_HART1_T0_PV", "2.1.PV.0.0"}, {"S2_HART1_T0_Status", "2.1.ST.0.4"}, t1pv, t1st}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDataCenter model;
        placeHart(model);
        ASSERT_EQ(StoreChannelSensors(model, kSlot, kChannel, sensorsOf(c.before)).Result, Outcome::Stored);
        const std::vector<HARTSensorEntry> edited =
            c.after == c.before ? std::vector<HARTSensorEntry>(size_t(c.after), HARTSensorEntry{7, 8})
                                : sensorsOf(c.after);
        const SensorListChange change = StoreChannelSensors(model, kSlot, kChannel, edited);
        EXPECT_EQ(change.Result, Outcome::Stored);
        EXPECT_EQ(change.Removed, c.removed);
        EXPECT_EQ(change.Created, c.created);
        EXPECT_EQ(storedSensors(model), edited);
        EXPECT_EQ(model.Tags.size(), size_t(2 * c.after));
        for (const TagChange& tag : c.created) {
            EXPECT_EQ(model.GetTagNameByAddress(tag.Address), tag.Name);
            EXPECT_EQ(channelDefinition(model, tag.Address).BoundTagName, tag.Name) << "the definition knows its tag";
        }
        for (const TagChange& tag : c.removed)
            EXPECT_EQ(channelDefinition(model, tag.Address).TagUseFlag, 0);
        EXPECT_TRUE(storedSensors(model, 0).empty()) << "the other channel is left alone";
    }
}

TEST_F(HartSensorTagsTest, ARemovedSensorWhoseTagIsUsedKeepsTheWholeList)
{
    ASSERT_EQ(StoreChannelSensors(model_, kSlot, kChannel, sensorsOf(3)).Result, Outcome::Stored);
    const QStringList tagsBefore = tagAddresses(model_);
    model_.AddTagServiceUse(QStringLiteral("2.1.ST.2.4"), ServiceId::ModbusSlave, 0);

    const SensorListChange refused = StoreChannelSensors(model_, kSlot, kChannel, sensorsOf(1));
    EXPECT_EQ(refused.Result, Outcome::TagInUse);
    EXPECT_EQ(refused.FirstRemoved, 1);
    EXPECT_EQ(refused.LastRemoved, 2);
    EXPECT_TRUE(refused.Removed.empty());
    EXPECT_EQ(storedSensors(model_), sensorsOf(3));
    EXPECT_EQ(tagAddresses(model_), tagsBefore);

    // A used tag of a sensor that stays holds nothing back.
    CDataCenter other;
    placeHart(other);
    ASSERT_EQ(StoreChannelSensors(other, kSlot, kChannel, sensorsOf(3)).Result, Outcome::Stored);
    other.AddTagServiceUse(QStringLiteral("2.1.PV.0.0"), ServiceId::ModbusSlave, 0);
    const SensorListChange kept = StoreChannelSensors(other, kSlot, kChannel, sensorsOf(1));
    EXPECT_EQ(kept.Result, Outcome::Stored);
    EXPECT_EQ(kept.Removed.size(), 4u);
}

TEST_F(HartSensorTagsTest, ATakenAddressOrNameIsNotMadeTwice)
{
    model_.AppendTag(MakeTag(QStringLiteral("Old"), QStringLiteral("2.1.PV.0.0"), ChannelType::HartAnalogInput));
    model_.AppendTag(MakeTag(QStringLiteral("S2_HART1_T0_Status"), QStringLiteral("9.9.9")));

    const SensorListChange change = StoreChannelSensors(model_, kSlot, kChannel, sensorsOf(1));
    EXPECT_EQ(change.Result, Outcome::Stored);
    EXPECT_TRUE(change.Created.empty());
    EXPECT_EQ(change.NotCreated, QStringList{"S2_HART1_T0_Status"});
    EXPECT_EQ(model_.GetTagNameByAddress(QStringLiteral("2.1.PV.0.0")), "Old");
    EXPECT_EQ(model_.Tags.size(), 2u);
}

TEST_F(HartSensorTagsTest, ListsBeyondTheLimitOrOfNoChannelAreNotStored)
{
    struct Case {
        const char* name;
        int slot;
        int channel;
        int sensors;
        Outcome result;
    };
    const Case cases[] = {
        {"six sensors", kSlot, kChannel, kMaximumSensors + 1, Outcome::TooMany},
        {"five sensors", kSlot, kChannel, kMaximumSensors, Outcome::Stored},
        {"no such channel", kSlot, kChannels, 1, Outcome::NoChannel},
        {"negative channel", kSlot, -1, 1, Outcome::NoChannel},
        {"no HART record", 3, 0, 1, Outcome::NoChannel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const size_t tags = model_.Tags.size();
        EXPECT_EQ(StoreChannelSensors(model_, c.slot, c.channel, sensorsOf(c.sensors)).Result, c.result);
        if (c.result != Outcome::Stored) {
            EXPECT_EQ(model_.Tags.size(), tags);
        }
    }
    EXPECT_EQ(storedSensors(model_).size(), size_t(kMaximumSensors));
}

TEST(HartSensorIdsTest, EachIdIsCheckedAsAnUnsignedNumberWithinItsLimits)
{
    const SensorIdLimits limits{{0, 0, 255}, {1, 1, 200}, {0, 0, 16777215}};
    struct Case {
        HARTSensorEntry sensor;
        bool manufacturer;
        bool deviceType;
        bool unique;
    };
    const Case cases[] = {
        {{1, 0, 5, 0, 255, 1, 16777215}, true, true, true},
        {{1, 0, 5, 0, 256, 1, 0}, false, true, true},
        {{1, 0, 5, 0, 0, 0, 16777216}, true, false, false},
        {{1, 0, 5, 0, 0xFFFFFFFFu, 201, 0}, false, false, true}, // "-1" as the C runtime reads it
    };
    for (const Case& c : cases) {
        const SensorIdCheck check = CheckSensorIds(c.sensor, limits);
        EXPECT_EQ(check.ManufacturerId, c.manufacturer) << c.sensor.ManuID;
        EXPECT_EQ(check.DeviceType, c.deviceType) << c.sensor.DeviceType;
        EXPECT_EQ(check.UniqueId, c.unique) << c.sensor.UniqueID;
    }
}

class HartSensorLimitsTest : public DefaultSettingsFolder {};

TEST_F(HartSensorLimitsTest, TheSettingsFileGivesTheTriplesAndABadOneKeepsTheBuiltIn)
{
    const SensorIdLimits builtIn;
    EXPECT_EQ(ReadSensorIdLimits(), builtIn) << "without the file";

    UseDefaultSettings("[HARTSENSOR]\n"
                       "ManufacturerIDValue=10,5,100\n"
                       "DeviceTypeValue=1,2\n"
                       "UniqDeviceIDValue=x,0,9\n");
    const SensorIdLimits read = ReadSensorIdLimits();
    EXPECT_EQ(read.ManufacturerId, (ChannelRules::UnsignedTriple{10, 5, 100}));
    EXPECT_EQ(read.DeviceType, builtIn.DeviceType);
    EXPECT_EQ(read.UniqueId, builtIn.UniqueId);

    EXPECT_EQ(LimitOfKey(read, kManufacturerIdKey), read.ManufacturerId);
    EXPECT_EQ(LimitOfKey(read, kUniqueIdKey), builtIn.UniqueId);
    EXPECT_FALSE(LimitOfKey(read, QStringLiteral("PollingAddress")).has_value());

    const HARTSensorEntry fresh = NewSensor(read);
    EXPECT_EQ(fresh, (HARTSensorEntry{0, 0, 5, 0, 10, builtIn.DeviceType.defaultValue, 0}));
}

} // namespace

#include "TagEngineFixture.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

using namespace TagFixture;

namespace {

constexpr int kHighSpeedLog = ServiceId::HighSpeedDataLogging; // numbered by position
constexpr int kModbus = ServiceId::ModbusMaster;               // numbered by the device's own id

// Three tags; "1.0.0" twice.
void addTags(CDataCenter& model)
{
    model.AppendTag(MakeTag("A", "1.0.0"));
    model.AppendTag(MakeTag("A2", "1.0.0"));
    model.AppendTag(MakeTag("B", "1.0.1"));
}

MODBUS_COMMAND_SETTINGS command(std::initializer_list<const char*> addresses)
{
    MODBUS_COMMAND_SETTINGS result;
    for (const char* address : addresses) {
        MODBUS_COMMAND_RESOURCE resource;
        resource.ResID = QString::fromUtf8(address);
        result.Resources.push_back(resource);
    }
    return result;
}

} // namespace

TEST(TagServiceUseTest, AddingGoesToEveryTagOfTheAddressRemovingTakesOnePair)
{
    CDataCenter model;
    addTags(model);
    model.AddTagServiceUse("", {kModbus, 1});
    model.AddTagServiceUse("1.0.0", {kModbus, 1});
    model.AddTagServiceUse("1.0.0", {kModbus, 1});
    EXPECT_EQ(model.Tags[0].RelatedServices, Links({{kModbus, 1}, {kModbus, 1}}));
    EXPECT_EQ(model.Tags[1].RelatedServices, Links({{kModbus, 1}, {kModbus, 1}}));

    model.Tags[0].RelatedServices.clear();
    model.RemoveTagServiceUse("1.0.0", {kModbus, 1}); // the first tag holding it
    EXPECT_EQ(model.Tags[1].RelatedServices, Links({{kModbus, 1}}));

    model.MoveTagServiceUse("1.0.0", "1.0.1", {kModbus, 1});
    EXPECT_TRUE(model.Tags[1].RelatedServices.empty());
    EXPECT_EQ(model.Tags[2].RelatedServices, Links({{kModbus, 1}}));
}

TEST(TagServiceUseTest, ReleasingAnItemRenumbersPositionNumberedServices)
{
    CDataCenter model;
    addTags(model);
    model.Tags[0].RelatedServices = {{kHighSpeedLog, 1}, {kHighSpeedLog, 2}};
    model.Tags[2].RelatedServices = {{kHighSpeedLog, 0}, {kHighSpeedLog, 1}, {kHighSpeedLog, 3}};

    model.ReleaseTagsOfServiceItem({}, {kHighSpeedLog, 1}); // no keys: no renumbering either
    EXPECT_EQ(model.Tags[2].RelatedServices, Links({{kHighSpeedLog, 0}, {kHighSpeedLog, 1}, {kHighSpeedLog, 3}}));

    model.ReleaseTagsOfServiceItem({"1.0.0", "1.0.1", "9.9.9"}, {kHighSpeedLog, 1});
    EXPECT_EQ(model.Tags[0].RelatedServices, Links({{kHighSpeedLog, 1}}));
    EXPECT_EQ(model.Tags[2].RelatedServices, Links({{kHighSpeedLog, 0}, {kHighSpeedLog, 2}}));
}

TEST(TagServiceUseTest, ReplacingAnItemsUsesTouchesOnlyTheUsesThatChange)
{
    CDataCenter model;
    addTags(model);
    model.AppendTag(MakeTag("C", "1.0.2"));
    const std::vector<TagServiceLink> kept = Links({{kHighSpeedLog, 0}, {kModbus, 1}});
    model.Tags[2].RelatedServices = kept;
    model.ReplaceServiceItemUses({"1.0.1"}, {"1.0.1"}, {kHighSpeedLog, 0});
    EXPECT_EQ(model.Tags[2].RelatedServices, kept) << "an unchanged item keeps its place";

    model.Tags[2].RelatedServices = {{kHighSpeedLog, 0}, {kModbus, 1}, {kHighSpeedLog, 0}};
    model.ReplaceServiceItemUses({"1.0.1", "1.0.1"}, {"1.0.2", "1.0.1"}, {kHighSpeedLog, 0});
    EXPECT_EQ(model.Tags[2].RelatedServices, Links({{kModbus, 1}, {kHighSpeedLog, 0}})) << "one of two taken";
    EXPECT_EQ(model.Tags[3].RelatedServices, Links({{kHighSpeedLog, 0}}));
}

TEST(TagServiceUseTest, ReleasingAnIdNumberedItemKeepsTheOtherNumbers)
{
    CDataCenter model;
    addTags(model);
    model.Tags[0].RelatedServices = {{kModbus, 0}, {kModbus, 2}};
    model.Tags[2].RelatedServices = {{ServiceId::DataLogging, 5}};
    model.ReleaseTagsOfServiceItem(MakeIntPair(kModbus, 0), {"1.0.0"}); // the pages' argument order
    EXPECT_EQ(model.Tags[0].RelatedServices, Links({{kModbus, 2}}));
    model.ReleaseTagsOfServiceItem({"1.0.1"}, {ServiceId::DataLogging, 1});
    EXPECT_EQ(model.Tags[2].RelatedServices, Links({{ServiceId::DataLogging, 5}}));
}

TEST(TagServiceUseTest, ServiceTagRecordsKeepTheirOwnReferences)
{
    CDataCenter model;
    model.ServiceTagLists = {{"ftp1", {}}, {"ftp2", {{kHighSpeedLog, 2}}}};
    model.AddServiceTagReference("", {kHighSpeedLog, 0});
    model.AddServiceTagReference("ftp1", {kHighSpeedLog, 0});
    model.AddServiceTagReference("ftp1", {kHighSpeedLog, 1});
    model.MoveServiceTagReference("ftp1", "ftp2", {kHighSpeedLog, 1});
    EXPECT_EQ(model.ServiceTagLists[0].Links, Links({{kHighSpeedLog, 0}}));
    EXPECT_EQ(model.ServiceTagLists[1].Links, Links({{kHighSpeedLog, 2}, {kHighSpeedLog, 1}}));

    model.ReleaseServiceTagReferences({"ftp1"}, {kHighSpeedLog, 0});
    EXPECT_TRUE(model.ServiceTagLists[0].Links.empty());
    EXPECT_EQ(model.ServiceTagLists[1].Links, Links({{kHighSpeedLog, 1}, {kHighSpeedLog, 0}}));
}

TEST(TagServiceUseTest, DeletingATagTakesEveryOccurrenceOutOfTheServiceLists)
{
    CDataCenter model;
    addTags(model);
    ALARM_SNMP_TRAP_ITEM_SETTINGS trap;
    trap.TagAddresses = {"1.0.0", "1.0.1", "1.0.0"};
    model.AlarmSnmpTrap.Entries = {trap};
    DATA_LOG_ITEM_SETTINGS profile;
    profile.SelectedTags = {{"A", "1.0.0"}, {"B", "1.0.1"}, {"A", "1.0.0"}};
    model.DataLogging.Profiles = {profile};
    HS_DATA_LOG_ITEM_SETTINGS fast;
    fast.SelectedTags = {{"A", "1.0.0"}, {"B", "1.0.1"}, {"A", "1.0.0"}};
    fast.Profile.TriggerTag = "1.0.0";
    fast.Upload.UploadTriggerTag = "1.0.1";
    fast.Upload.UploadStatusTag = "1.0.0";
    model.HighSpeedLogProfiles = {fast};
    model.SnmpAgent.TagTable = {{"A", "1.0.0", 0, 1}, {"A", "1.0.0", 0, 2}, {"B", "1.0.1", 0, 3}};
    MODBUS_EXTERNAL_DEVICE_SETTINGS device;
    device.Commands = {command({"1.0.0", "1.0.1", "1.0.0"})};
    model.ModbusMasterDevices = {device};
    MODBUS_SLAVE_TAG_SET set;
    set.Items = {{"set", "1.0.0"}, {"set", "1.0.0"}, {"set", "1.0.1"}};
    model.ModbusSlave.MulitTagSet = {set};

    model.DeleteTagsByAddress("1.0.0", 1);

    EXPECT_EQ(model.AlarmSnmpTrap.Entries[0].TagAddresses, QStringList({"1.0.1"}));
    ASSERT_EQ(model.DataLogging.Profiles[0].SelectedTags.size(), 1);
    EXPECT_EQ(model.DataLogging.Profiles[0].SelectedTags[0].second, "1.0.1");
    const HS_DATA_LOG_ITEM_SETTINGS& kept = model.HighSpeedLogProfiles[0];
    EXPECT_EQ(kept.SelectedTags, (QVector<QPair<QString, QString>>{{"B", "1.0.1"}}));
    EXPECT_TRUE(kept.Profile.TriggerTag.isEmpty()) << "a high-speed trigger naming the deleted tag";
    EXPECT_EQ(kept.Upload.UploadTriggerTag, "1.0.1");
    EXPECT_TRUE(kept.Upload.UploadStatusTag.isEmpty());
    ASSERT_EQ(model.SnmpAgent.TagTable.size(), 1);
    EXPECT_EQ(model.SnmpAgent.TagTable[0].TagResID, "1.0.1");
    ASSERT_EQ(model.ModbusMasterDevices[0].Commands[0].Resources.size(), 1);
    EXPECT_EQ(model.ModbusMasterDevices[0].Commands[0].Resources[0].ResID, "1.0.1");
    ASSERT_EQ(model.ModbusSlave.MulitTagSet[0].Items.size(), 1);
    EXPECT_EQ(model.ModbusSlave.MulitTagSet[0].Items[0].Tag, "1.0.1");

    model.DeleteTagsByAddress("1.0.1", 0); // without the flag the lists keep the address
    EXPECT_EQ(model.AlarmSnmpTrap.Entries[0].TagAddresses, QStringList({"1.0.1"}));
}

TEST(TagServiceUseTest, TavoLinksAreMadeAndUndone)
{
    CDataCenter model;
    model.AppendTag(MakeTag("Trigger", "0.0.116.3", ServiceId::Tavo));
    model.AppendTag(MakeTag("Published", "1.0.0"));
    TagRecordExtra extra;
    extra.ControlTagUpdate = 1;
    extra.Control = "0.0.116.3";
    extra.ControlTagName = "Trigger";
    extra.Interval = 5;

    EXPECT_EQ(model.AddTavoTagUses("9.9.9", extra), 0);
    EXPECT_EQ(model.AddTavoTagUses("1.0.0", extra), 1);
    EXPECT_EQ(model.Tags[1].PublishToTavo, 1);
    EXPECT_EQ(model.Tags[1].Tavo, extra);
    EXPECT_EQ(model.Tags[1].RelatedServices, Links({{ServiceId::TavoTagLink, 0}}));
    EXPECT_EQ(model.Tags[0].RelatedServices, Links({{ServiceId::TavoControlTagLink, 1}})); // follower at 1

    model.ReleaseTavoItemTagUse("1.0.0");
    EXPECT_EQ(model.Tags[1].PublishToTavo, 0);
    EXPECT_EQ(model.Tags[1].Tavo, TagRecordExtra{});
    EXPECT_TRUE(model.Tags[1].RelatedServices.empty());
    EXPECT_TRUE(model.Tags[0].RelatedServices.empty());
}

TEST(TagServiceUseTest, Dnp3PointsCarryTheirTypeAndLeaveByName)
{
    CDataCenter model;
    addTags(model);
    DNP3_POINT_SETTINGS point;
    point.Name = "Flow";
    point.ResourceID = "1.0.1";
    model.AddDnp3PointTagUses(Dnp3ObjectType::AnalogOutput, point);
    model.AddDnp3PointTagUses(6, point);
    EXPECT_EQ(model.GetDnp3PointTotal(), 1);
    EXPECT_EQ(model.Tags[2].RelatedServices, Links({{ServiceId::Dnp3Point, Dnp3ObjectType::AnalogOutput}}));

    const struct {
        const char* label;
        int type;
        int index;
        const char* name;
        int result;
    } refused[] = {
        {"another name", Dnp3ObjectType::AnalogOutput, 0, "Level", 0},
        {"type 0", 0, 0, "Flow", 0},
        {"type 6", 6, 0, "Flow", 0},
        {"index past the group", Dnp3ObjectType::AnalogOutput, 1, "Flow", 0},
        {"negative index", Dnp3ObjectType::AnalogOutput, -1, "Flow", 0},
    };
    for (const auto& c : refused)
        EXPECT_EQ(model.ReleaseDnp3PointTagUse(c.type, c.index, c.name), c.result) << c.label;
    EXPECT_EQ(model.GetDnp3PointTotal(), 1);

    EXPECT_EQ(model.ReleaseDnp3PointTagUse(Dnp3ObjectType::AnalogOutput, 0, "FLOW"), 1);
    EXPECT_EQ(model.GetDnp3PointTotal(), 0);
    EXPECT_TRUE(model.Tags[2].RelatedServices.empty());
}

TEST(TagServiceUseTest, Dnp3CandidatesSkipTagsAlreadyPointsOfAConflictingType)
{
    CDataCenter model;
    for (int i = 0; i < 3; ++i) {
        TagRecord tag = MakeTag(QStringLiteral("T%1").arg(i), QStringLiteral("1.0.%1").arg(i));
        tag.Dnp3PointType = i == 0 ? Dnp3ObjectType::AnalogInput : Dnp3ObjectType::AnalogOutput;
        model.AppendTag(tag);
    }
    DNP3_POINT_SETTINGS point;
    point.ResourceID = "1.0.1";
    model.AddDnp3PointTagUses(Dnp3ObjectType::AnalogInput, point); // an analog-output tag as analog input

    std::vector<TagRecord> candidates;
    model.GetTagsForDnp3PointType(Dnp3ObjectType::AnalogOutput, candidates);
    ASSERT_EQ(candidates.size(), 1u);
    EXPECT_EQ(candidates[0].TagName, "T2");
    candidates.clear();
    model.GetTagsForDnp3PointType(Dnp3ObjectType::AnalogInput, candidates);
    ASSERT_EQ(candidates.size(), 1u);
    EXPECT_EQ(candidates[0].TagName, "T0");
}

// Which point groups keep a tag from being offered for a new point of each type: its own group,
// and the analog-input group for analog outputs and counters (and analog outputs for inputs).
TEST(TagServiceUseTest, Dnp3CandidatesFollowTheConflictTableOfEveryPointType)
{
    using namespace Dnp3ObjectType;
    const struct {
        int requested;
        std::vector<int> conflicting;
    } table[] = {
        {BinaryInput, {BinaryInput}},      {AnalogInput, {AnalogInput, AnalogOutput}},
        {BinaryOutput, {BinaryOutput}},    {AnalogOutput, {AnalogOutput, AnalogInput}},
        {Counter, {Counter, AnalogInput}},
    };
    for (const auto& row : table) {
        for (int pointType = BinaryInput; pointType <= Counter; ++pointType) {
            CDataCenter model;
            TagRecord tag = MakeTag(QStringLiteral("T"), QStringLiteral("1.0.0"));
            tag.Dnp3PointType = row.requested;
            model.AppendTag(tag);
            DNP3_POINT_SETTINGS point;
            point.ResourceID = "1.0.0";
            model.AddDnp3PointTagUses(pointType, point);
            std::vector<TagRecord> candidates;
            model.GetTagsForDnp3PointType(row.requested, candidates);
            const bool conflicts =
                std::find(row.conflicting.begin(), row.conflicting.end(), pointType) != row.conflicting.end();
            EXPECT_EQ(candidates.empty(), conflicts)
                << "a point of type " << pointType << " asked for type " << row.requested;
        }
    }
}

TEST(TagServiceUseTest, ModbusCommandsMoveReleaseAndCheckTheirPositions)
{
    CDataCenter model;
    addTags(model);
    MODBUS_EXTERNAL_DEVICE_SETTINGS device;
    device.Index = 7;
    device.Commands = {command({"1.0.0"}), command({"1.0.1"})};
    model.ModbusMasterDevices = {device};
    model.AddTagServiceUse("1.0.0", {kModbus, 7});
    model.AddTagServiceUse("1.0.1", {kModbus, 7});

    MODBUS_COMMAND_SETTINGS changed = command({"1.0.1"});
    changed.Name = "Read";
    EXPECT_EQ(model.UpdateModbusCommandTagUse(0, 0, changed), 1);
    EXPECT_EQ(model.ModbusMasterDevices[0].Commands[0], changed);
    EXPECT_TRUE(model.Tags[0].RelatedServices.empty());
    EXPECT_EQ(model.Tags[2].RelatedServices, Links({{kModbus, 7}, {kModbus, 7}}));
    EXPECT_EQ(model.Tags[1].RelatedServices, Links({{kModbus, 7}})); // the other tag of 1.0.0 keeps its use

    EXPECT_EQ(model.UpdateModbusCommandTagUse(0, 2, changed), 0);
    EXPECT_EQ(model.UpdateModbusCommandTagUse(1, 0, changed), 0);
    model.DeleteModbusMasterCommand(0, 5);
    model.DeleteModbusMasterCommand(-1, 0);
    EXPECT_EQ(model.ModbusMasterDevices[0].Commands.size(), 2);

    model.DeleteModbusMasterCommand(0, 1);
    EXPECT_EQ(model.ModbusMasterDevices[0].Commands.size(), 1);
    EXPECT_EQ(model.Tags[2].RelatedServices, Links({{kModbus, 7}}));
}

TEST(TagServiceUseTest, DeletingAModbusDeviceReleasesItsTagsAndDeletesItsOwn)
{
    CDataCenter model;
    addTags(model);
    model.AppendTag(MakeTag("DevStatus", "0.7.105.1", kModbus));
    model.AppendTag(MakeTag("DevError", "0.7.105.2", kModbus));
    MODBUS_EXTERNAL_DEVICE_SETTINGS device;
    device.Index = 7;
    device.StatusTag = "0.7.105.1";
    device.ErrorTag = "0.7.105.2";
    device.Commands = {command({"1.0.1", "5.5.5"})};
    device.TagDefinitions = {Def("Status", "0.7.105.1"), Def("Error", "0.7.105.2")};
    model.ModbusMasterDevices = {device};
    MODBUS_EXTERNAL_DEVICE_SETTINGS other = device;
    other.Index = 8;
    other.Commands.clear();
    model.ModbusMasterDevices.push_back(other);
    model.AddTagServiceUse("1.0.1", {kModbus, 7});
    model.AddTagServiceUse("1.0.1", {kModbus, 8});

    model.DeleteModbusMasterDevice(2); // past the list
    EXPECT_EQ(model.ModbusMasterDevices.size(), 2u);
    model.DeleteModbusMasterDevice(0);
    ASSERT_EQ(model.ModbusMasterDevices.size(), 1u);
    EXPECT_EQ(model.ModbusMasterDevices[0].Index, 8);
    EXPECT_EQ(model.Tags[2].RelatedServices, Links({{kModbus, 8}})); // the other device's number stays
    EXPECT_EQ(TagAt(model, "0.7.105.1"), nullptr);
    EXPECT_EQ(TagAt(model, "0.7.105.2"), nullptr);
    EXPECT_EQ(model.GetModbusMasterDevices().size(), 1u);
}

TEST(TagServiceUseTest, ModbusDeviceDefinitionsAreAddedOnce)
{
    CDataCenter model;
    MODBUS_EXTERNAL_DEVICE_SETTINGS device;
    device.Index = 3;
    model.ModbusMasterDevices = {device};
    EXPECT_EQ(model.AddModbusDeviceTagDefinition(3, Def("Status", "0.3.105.1")), 1);
    EXPECT_EQ(model.AddModbusDeviceTagDefinition(3, Def("Again", "0.3.105.1")), 0);
    EXPECT_EQ(model.AddModbusDeviceTagDefinition(4, Def("Status", "0.4.105.1")), 0);
    EXPECT_EQ(model.ModbusMasterDevices[0].TagDefinitions.size(), 1);
}

TEST(TagServiceUseTest, ChannelRangeOfTheTagsAnalogChannel)
{
    CDataCenter model;
    MakeSlots(model);
    PlaceAI(model, 1);
    AISettingBlock block;
    block.InputRange = 6;
    model.SetAIChannelSetting(1, 1, block);
    model.RegenerateSlotTags(1);
    model.AppendTag(MakeTag("Lost", "1.5.0", ChannelType::AnalogInput)); // channel 5 does not exist
    model.AppendTag(MakeTag("Digital", "2.0.0", ChannelType::DigitalInput));

    int range = -1;
    EXPECT_EQ(model.GetTagChannelRange("1.1.0", range), 1);
    EXPECT_EQ(range, 6);
    range = -1;
    EXPECT_EQ(model.GetTagChannelRange("9.9.9", range), 0);
    EXPECT_EQ(model.GetTagChannelRange("1.5.0", range), 0);
    EXPECT_EQ(range, -1);
    EXPECT_EQ(model.TagOrChannelExists("2.0.0", range), 1);
    EXPECT_EQ(range, 0);
}

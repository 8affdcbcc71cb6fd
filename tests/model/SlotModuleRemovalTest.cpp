#include "TagEngineFixture.h"

#include "IXMLParser.h"

#include <gtest/gtest.h>

using namespace TagFixture;

namespace {

// Slot 1 a DI module, slot 2 an AI module with a cellular modem, slot 3 a HART module whose sensor
// tags were made, slot 4 a serial module with a register group; every slot's tags generated.
void placeModules(CDataCenter& model)
{
    MakeSlots(model);
    PlaceDI(model, 1);
    PlaceAI(model, 2);
    model.AppendSlotChannelGroup(2, "Cell", ChannelType::ConnectionStatus);
    model.AddCellularRecord(2, 1, 1, "Cell", {Def("Connection", "2.0.5")}, {});
    model.AppendSlotChannelGroup(3, "HART", ChannelType::HartAnalogInput);
    std::vector<HARTAIChannel> hart = TwoTagChannels<HARTAIChannel>(3, 1);
    hart[0].SensorTagDefinitions = {Def("PV", "3.0.PV.0.1"), Def("SV", "3.0.SV.0.2")};
    model.AddHARTAIRecord(3, 1, 2, "HART", hart);
    PlaceSerial(model, 4);
    model.AppendSlotChannelGroup(4, "PWR", ChannelType::ResourceGroup);
    model.AddResourceGroupRecord("PWR", 1, 0, {Def("Volt", "4.1502")}, 0, 4);
    model.AppendSlotChannelGroup(4, "IR", 1503); // internal registers have no record here
    for (int slot = 1; slot <= 4; ++slot)
        model.RegenerateSlotTags(slot);
    model.AddTagFromDefinition({"HART", ChannelType::HartAnalogInput}, hart[0].SensorTagDefinitions[0], "Sensor");
    model.AddTagFromDefinition({"COM", ChannelType::Serial}, model.SerialSettings[0].Ports[0].TagDefinitions[0], "Rx");
}

int tagsOfSlot(const CDataCenter& model, int slot)
{
    return static_cast<int>(std::count_if(model.Tags.begin(), model.Tags.end(),
                                          [slot](const TagRecord& tag) { return tag.SlotIndex == slot; }));
}

} // namespace

TEST(SlotModuleRemovalTest, RemovalTakesTagsRecordsAndGroupsOfThatSlotOnly)
{
    CDataCenter model;
    placeModules(model);
    ASSERT_EQ(tagsOfSlot(model, 3), 3);
    ASSERT_EQ(tagsOfSlot(model, 2), 5);
    const int slot1Tags = tagsOfSlot(model, 1);
    DATA_LOG_ITEM_SETTINGS profile;
    profile.SelectedTags = {{"S3_HART0_Value", "3.0.0"}, {"S1_DI0_Value", "1.0.0"}};
    model.DataLogging.Profiles = {profile};

    EXPECT_EQ(model.RemoveSlotModule(3, 1), 0);
    EXPECT_EQ(tagsOfSlot(model, 3), 0);
    EXPECT_TRUE(model.HARTAISettings.empty());
    EXPECT_EQ(model.SlotHasModule(3), 0);
    EXPECT_TRUE(model.GetSlotName(3).isEmpty());
    ASSERT_EQ(model.DataLogging.Profiles[0].SelectedTags.size(), 1);
    EXPECT_EQ(model.DataLogging.Profiles[0].SelectedTags[0].second, "1.0.0");

    model.ClearSlotChannelLists(2, 0);
    EXPECT_EQ(tagsOfSlot(model, 2), 0); // the connection tag leaves with the modem
    EXPECT_TRUE(model.AISettings.empty());
    EXPECT_TRUE(model.CellularSettings.empty());
    EXPECT_EQ(model.GetSlotName(2), "41M-3200"); // only RemoveSlotModule clears the texts

    model.ClearSlotChannelLists(4, 1);
    EXPECT_EQ(tagsOfSlot(model, 4), 0);
    EXPECT_TRUE(model.SerialSettings.empty());
    EXPECT_TRUE(model.ResourceGroups.empty());

    EXPECT_EQ(tagsOfSlot(model, 1), slot1Tags);
    EXPECT_EQ(model.DISettings.size(), 1u);
    EXPECT_EQ(model.SlotHasModule(1), 1);
    EXPECT_EQ(model.DISettings[0].Channels[0].TagDefinitions[0].TagUseFlag, 1);
}

TEST(SlotModuleRemovalTest, SecondGroupOfAKindFindsNothingAndSlotZeroOnlyDropsGroups)
{
    CDataCenter model;
    placeModules(model);
    model.AppendSlotChannelGroup(1, "DI", ChannelType::DigitalInput);
    model.ClearSlotChannelLists(1, 1);
    EXPECT_TRUE(model.DISettings.empty());
    EXPECT_EQ(tagsOfSlot(model, 1), 0);

    const size_t tags = model.Tags.size();
    model.ClearSlotChannelLists(0, 1);
    for (int slot = 0; slot <= 5; ++slot)
        EXPECT_EQ(model.SlotHasModule(slot), 0) << slot;
    EXPECT_EQ(model.Slots.size(), 6u);
    EXPECT_EQ(model.Tags.size(), tags);
    EXPECT_EQ(model.AISettings.size(), 1u);

    model.ClearSlotChannelLists(17, 1); // outside the table
    model.RemoveSlotModule(-2, 1);
    EXPECT_EQ(model.Tags.size(), tags);
}

TEST(SlotModuleRemovalTest, RemovalChecksInTheirOrder)
{
    CDataCenter model;
    MakeSlots(model);
    PlaceSerial(model, 1);
    PlaceSerial(model, 2, "41M-3302U-T");
    model.SetSlotName(3, "41M-3320M-T");
    model.SetSlotName(4, "41M-3320M-T");
    PlaceDI(model, 5, 1);
    model.RegenerateSlotTags(5);
    model.AppendTag(MakeTag("Port", "1.0.0", ChannelType::Serial));
    model.AddTagServiceUse("1.0.0", {ServiceId::ModbusMaster, 0});

    const auto check = [&](int slot) { return model.CheckSerialAndSwitchModules(slot); };
    EXPECT_EQ(check(1), 1); // a tag of slot 1 is used by a service
    EXPECT_EQ(check(2), 4); // two port-trunk modules in a row
    EXPECT_EQ(check(3), 5); // a switch after a port trunk
    EXPECT_EQ(check(4), 0); // a switch after a switch
    EXPECT_EQ(check(5), 0);
    EXPECT_EQ(check(0), 0);
    EXPECT_EQ(check(40), 0);

    MODBUS_EXTERNAL_DEVICE_SETTINGS device;
    device.RTUPort = "S_1-P_0";
    model.ModbusMasterDevices = {device};
    EXPECT_EQ(check(1), 2); // before the tag rule
    model.ModbusMasterDevices[0].RTUPort = "S_10-P_0";
    EXPECT_EQ(check(1), 1); // slot 10's port is not slot 1's
    model.ModbusSlave.SerialPort = "S_1-P_1";
    EXPECT_EQ(check(1), 3);
    model.ModbusSlave.SerialPort = "S_12-P_1";
    EXPECT_EQ(check(1), 1);
}

TEST(SlotModuleRemovalTest, SlotZeroNeverPairsWithTheSlotBefore)
{
    CDataCenter model;
    MakeSlots(model);
    model.SetSlotName(0, "41M-3302U-T");
    model.SetSlotName(1, "41M-3302U-T");
    EXPECT_EQ(model.CheckSerialAndSwitchModules(0), 0);
    EXPECT_EQ(model.CheckSerialAndSwitchModules(1), 4);
}

TEST(SlotModuleRemovalTest, ModuleLevelListsSetTheTemplateFlag)
{
    CDataCenter model;
    MakeSlots(model);
    PlaceDI(model, 1);
    EXPECT_EQ(model.DISettings[0].TemplatePresent, 1);
    EXPECT_EQ(model.SetDITagLists(1, {}, {}), 1);
    EXPECT_EQ(model.DISettings[0].TemplatePresent, 0);
    EXPECT_EQ(model.SetDITagLists(2, ModuleDefinitions(2), ModuleNames()), 0);
    EXPECT_EQ(model.SetRTDTagLists(1, ModuleDefinitions(1), ModuleNames()), 0);

    model.AddHARTAIRecord(3, 2, 1, "HART", MakeHARTAIChannels(2));
    model.SetHartAIRecordDefinitions(3, {Def("PV", "PV")}, 1);
    model.SetHartAIChannelDefinitions(3, 1, {Def("PV", "3.1.PV.0.1")});
    model.SetHartAIChannelDefinitions(3, 2, {Def("PV", "3.2.PV.0.1")}); // no channel 2
    EXPECT_EQ(model.HARTAISettings[0].SensorTagCount, 1);
    EXPECT_EQ(model.HARTAISettings[0].SensorTemplate.size(), 1u);
    EXPECT_EQ(model.HARTAISettings[0].Channels[1].SensorTagDefinitions[0].ResourceText, "3.1.PV.0.1");
}

TEST(SlotModuleRemovalTest, InternalRegisterQuantitiesResizeTheOutLists)
{
    XMLParserPtr parser = MakeXMLParser();
    IXMLElement* root = parser->CreateRoot("InternalRegister");
    root->AddChild("ShortOutQuantity")->SetAttribute("Result", "3");
    root->AddChild("BoolOutQuantity")->SetAttribute("Result", "0");
    root->AddChild("LongOutQuantity")->SetAttribute("Result", "-2");
    root->AddChild("UCharOutQuantity")->SetAttribute("Result", "99999999");
    root->AddChild("CharOutQuantity"); // no Result

    CDataCenter model;
    model.AddResourceTypeItem(10, InternalVariableRecord{});
    model.AddResourceTypeItem(11, InternalVariableRecord{});
    model.AddResourceTypeItem(13, InternalVariableRecord{});
    model.LoadInternalRegisterQuantities(root);
    model.LoadInternalRegisterQuantities(nullptr);
    EXPECT_EQ(model.GetInternalTagCount(14), 3);
    EXPECT_EQ(model.InternalRegisters.ListForCode(14)->at(2).DataType, kUnknownDataTypeIndex);
    EXPECT_EQ(model.GetInternalTagCount(10), 0);
    EXPECT_EQ(model.GetInternalTagCount(11), 1);
    EXPECT_EQ(model.GetInternalTagCount(13), 1); // a negative count is refused
    EXPECT_EQ(model.GetInternalTagCount(16), 0); // so is an absurd one
}

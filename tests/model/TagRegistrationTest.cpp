#include "TagEngineFixture.h"

#include <gtest/gtest.h>

using namespace TagFixture;

namespace {

void expectMarked(const TagDefinition& definition, const QString& name, const char* label)
{
    EXPECT_EQ(definition.TagUseFlag, 1) << label;
    EXPECT_EQ(definition.BoundTagName, name) << label;
}

void expectUnmarked(const TagDefinition& definition, const char* label)
{
    EXPECT_EQ(definition.TagUseFlag, 0) << label;
    EXPECT_TRUE(definition.BoundTagName.isEmpty()) << label;
}

TagRecord tagOf(int typeId, const QString& address, int dataTypeCode = 0)
{
    TagRecord tag;
    tag.Construct("T", QString(), QString(), typeId, address, 1, dataTypeCode, 0);
    return tag;
}

} // namespace

TEST(TagRegistrationTest, StandardLookupMarksTheChannelEntryElseTheModuleEntry)
{
    CDataCenter model;
    MakeSlots(model);
    PlaceDI(model, 3, 3);
    model.AppendSlotChannelGroup(4, "AO", ChannelType::AnalogOutput);
    std::vector<AOChannel> ao(1);
    ao[0].TagDefinitions = {Def("Out", "4.0.0")};
    model.AddAORecord(4, 1, 1, "AO", ao);
    model.SetAOTagLists(4, {Def("Fault", "4.0.7")}, {{"Fault", 0, 0, 1}});

    model.AddTag(1, tagOf(ChannelType::DigitalInput, "3.2.1"));
    expectMarked(model.DISettings[0].Channels[2].TagDefinitions[1], "T", "DI channel 2, entry 1");

    // 3.0.9: channel 0 has no entry 9, module entry 0 carries the address.
    model.AddTag(1, tagOf(ChannelType::DigitalInput, "3.0.9"));
    expectMarked(model.DISettings[0].ChannelTemplate.Definitions[0], "T", "DI module entry");

    // 4.0.7: channel 0 entry 7 is missing, module entry 0 matches.
    model.AddTag(1, tagOf(ChannelType::AnalogOutput, "4.0.7"));
    expectMarked(model.AOSettings[0].ChannelTemplate.Definitions[0], "T", "AO module entry");
    expectUnmarked(model.AOSettings[0].Channels[0].TagDefinitions[0], "AO channel entry");
}

TEST(TagRegistrationTest, ADefinitionOfAnotherAddressIsLeftAlone)
{
    CDataCenter model;
    MakeSlots(model);
    PlaceDI(model, 3, 3);
    model.AddTag(1, tagOf(ChannelType::DigitalInput, "3.2.1x")); // numbers 3.2.1, text differs
    expectUnmarked(model.DISettings[0].Channels[2].TagDefinitions[1], "no text match");
    model.AddTag(1, tagOf(ChannelType::DigitalInput, "3.7.1")); // channel past the module
    model.AddTag(1, tagOf(ChannelType::DigitalInput, "5.0.0")); // slot without a DI module
    for (const DIChannel& channel : model.DISettings[0].Channels) {
        for (const TagDefinition& definition : channel.TagDefinitions)
            expectUnmarked(definition, "nothing marked");
    }
}

TEST(TagRegistrationTest, AddingThenRemovingLeavesTheDefinitionUnmarked)
{
    CDataCenter model;
    MakeSlots(model);
    PlaceDI(model, 3);
    TagDefinition& definition = model.DISettings[0].Channels[0].TagDefinitions[0];
    definition.BoundTagName = "Stale";
    model.AddTag(0, tagOf(ChannelType::DigitalInput, "3.0.0"));
    expectUnmarked(definition, "removing an unmarked one");
    model.AddTag(1, tagOf(ChannelType::DigitalInput, "3.0.0"));
    model.AddTag(0, tagOf(ChannelType::DigitalInput, "3.0.0"));
    expectUnmarked(definition, "after add and remove");
}

TEST(TagRegistrationTest, DIOAndHARTSearchTheirChannelByText)
{
    CDataCenter model;
    MakeSlots(model);
    std::vector<DIOChannel> dio(1);
    dio[0].TagDefinitions = {Def("In", "2.0.4"), Def("Out", "2.0.5")};
    model.AddDIORecord(2, 1, 2, "DIO", dio);
    std::vector<HARTAIChannel> hart(2);
    hart[1].TagDefinitions = {Def("Value", "3.1.0")};
    hart[1].SensorTagDefinitions = {Def("PV", "3.1.PV.0.3"), Def("SV", "3.1.SV.0.4")};
    model.AddHARTAIRecord(3, 2, 1, "HART", hart);

    model.AddTag(1, tagOf(ChannelType::DigitalInputOutput, "2.0.5"));
    expectMarked(model.DIOSettings[0].Channels[0].TagDefinitions[1], "T", "DIO by text");
    model.AddTag(1, tagOf(ChannelType::HartAnalogInput, "3.1.SV.0.4"));
    expectMarked(model.HARTAISettings[0].Channels[1].SensorTagDefinitions[1], "T", "HART sensor");
    model.AddTag(1, tagOf(ChannelType::HartAnalogInput, "3.1.0"));
    expectMarked(model.HARTAISettings[0].Channels[1].TagDefinitions[0], "T", "HART channel");
}

TEST(TagRegistrationTest, InternalRegistersCellularSystemVariablesAndRegisters)
{
    CDataCenter model;
    MakeSlots(model);
    InternalVariableRecord first;
    first.ChannelIndex = 4;
    first.Definition = Def("R4", "0.4.2.0.3");
    InternalVariableRecord second = first;
    second.Definition.ResourceText = "0.4.2.0.9";
    model.AddResourceTypeItem(3, first);
    model.AddResourceTypeItem(3, second);
    model.AddCellularRecord(1, 1, 2, "Cell", {Def("A", "1.0.5"), Def("B", "1.0.6")}, {});
    model.SetSystemVariables("SYS", 2, 0, {Def("X", "0.1013.0"), Def("Y", "0.1013.1")}, 0);
    model.AddResourceGroupRecord("PWR", 2, 0, {Def("P", "2.1502"), Def("Q", "2.1503")}, 0, 2);
    model.AddResourceGroupRecord("PWR2", 2, 0, {Def("P", "other"), Def("Q", "other")}, 0, 2);

    model.AddTag(1, tagOf(1503, "0.4.2.0.3", 3));
    expectMarked(model.InternalRegisters.ListForCode(3)->at(0).Definition, "T", "first register of channel 4");
    model.AddTag(1, tagOf(1503, "0.4.2.0.9", 3)); // only the channel's first item is looked at
    expectUnmarked(model.InternalRegisters.ListForCode(3)->at(1).Definition, "second register");

    // Cellular tags find their definition by the last address number.
    model.AddTag(1, tagOf(ChannelType::ConnectionStatus, "1.0.1"));
    expectUnmarked(model.CellularSettings[0].TagDefinitions[1], "cellular by number, text differs");
    model.AddTag(1, tagOf(ChannelType::ConnectionStatus, "1.0.6"));
    expectUnmarked(model.CellularSettings[0].TagDefinitions[1], "entry 6 is past the list");

    model.AddTag(1, tagOf(ChannelType::SystemVariables, "0.1013.1"));
    expectMarked(model.SystemVariables.TagDefinitions[1], "T", "system variable by text");

    // Every register group of the slot is marked at the place the first group has the address.
    model.AddTag(1, tagOf(ChannelType::ResourceGroup, "2.1503"));
    expectMarked(model.ResourceGroups[0].TagDefinitions[1], "T", "first group");
    expectMarked(model.ResourceGroups[1].TagDefinitions[1], "T", "second group, same place");
    expectUnmarked(model.ResourceGroups[0].TagDefinitions[0], "other register");
}

TEST(TagRegistrationTest, ServiceTagsUseTheStatusDefinitionOrTheItemsList)
{
    CDataCenter model;
    TagDefinition& tavoStatus = model.ServiceStatusTags[StatusTagPosition(StatusTagSource::Tavo)];
    TagDefinition& trigger = model.ServiceStatusTags[StatusTagPosition(StatusTagSource::TavoUpdateTrigger)];
    tavoStatus.ResourceText = "0.0.116.0";
    trigger.ResourceText = "0.0.116.3";
    TAVO_SERVER_ITEM_SETTINGS server;
    server.Index = 7;
    server.TagDefinitions = {Def("Control", "0.7.116.1"), Def("Status", "0.7.116.2")};
    model.Tavo.Servers.push_back(server);
    ALARM_MAIL_ITEM_SETTINGS mail;
    mail.Index = 2;
    mail.TagDefinitions = {Def("Trigger", "0.2.137.1")};
    model.AlarmMail.Entries.push_back(mail);
    DATA_LOG_ITEM_SETTINGS profile;
    profile.Index = 1;
    profile.UploadTagDefinitions = {Def("Ftp", "0.1.124.1")};
    model.DataLogging.Profiles.push_back(profile);

    model.AddTag(1, tagOf(ServiceId::Tavo, "0.0.116.3"));
    expectMarked(trigger, "T", "TAVO item 3: the update trigger");
    model.AddTag(1, tagOf(ServiceId::Tavo, "0.0.116.0"));
    expectMarked(tavoStatus, "T", "TAVO item 0: the status");
    model.AddTag(1, tagOf(ServiceId::Tavo, "0.7.116.2"));
    expectMarked(model.Tavo.Servers[0].TagDefinitions[1], "T", "server 7, definition 1");
    model.AddTag(1, tagOf(ServiceId::AlarmMail, "0.2.137.1"));
    expectMarked(model.AlarmMail.Entries[0].TagDefinitions[0], "T", "mail entry 2");
    model.AddTag(1, tagOf(ServiceId::DataLoggingUpload, "0.1.124.1"));
    expectMarked(model.DataLogging.Profiles[0].UploadTagDefinitions[0], "T", "upload of profile 1");

    model.AddTag(1, tagOf(ServiceId::Tavo, "0.9.116.2")); // no server 9
    model.AddTag(1, tagOf(ChannelType::CanPort, "0.7.116.2"));
    EXPECT_EQ(model.Tavo.Servers[0].TagDefinitions[0].TagUseFlag, 0);
}

TEST(TagRegistrationTest, AppendAndDefinitionAddKeepTheDefinitionInStep)
{
    CDataCenter model;
    MakeSlots(model);
    PlaceDI(model, 3);
    const TagDefinition definition = model.DISettings[0].Channels[1].TagDefinitions[0];

    EXPECT_EQ(model.AddTagFromDefinition({"DI", ChannelType::DigitalInput}, definition, "Pump"), 1);
    const TagRecord& tag = model.Tags.back();
    EXPECT_EQ(tag.TagName, "Pump");
    EXPECT_EQ(tag.SecondText, "Pump");
    EXPECT_EQ(tag.ChannelTypeAlias, "DI");
    EXPECT_EQ(tag.ResID, definition.ResourceText);
    EXPECT_EQ(tag.DataTypeCode, definition.TagType);
    EXPECT_EQ(tag.Dnp3PointType, definition.DNP3TagType);
    EXPECT_EQ(tag.Direction, definition.IsInput);
    expectMarked(model.DISettings[0].Channels[1].TagDefinitions[0], "Pump", "added from its definition");

    // A taken name (any case) or address is refused.
    EXPECT_EQ(model.AddTagFromDefinition({"DI", ChannelType::DigitalInput}, definition, "PUMP2"), 0);
    EXPECT_EQ(model.AddTagFromDefinition({"DI", ChannelType::DigitalInput},
                                         model.DISettings[0].Channels[0].TagDefinitions[0], "pump"),
              0);
    EXPECT_EQ(model.AddTagFromDefinition({"DI", ChannelType::DigitalInput},
                                         model.DISettings[0].Channels[0].TagDefinitions[0], ""),
              0);
    EXPECT_EQ(model.Tags.size(), 1u);
}

// The cellular settings of a slot and the resource lists of the cellular part, the system
// registers and the power modules.
#include "CDataCenter.h"
#include "DeviceModelBuilder.h"
#include "ProjectFileFixture.h"
#include "TypeIds.h"

namespace {

class CellularResourceTest : public ProjectFileTest {
protected:
    IXMLElement* NewSlot()
    {
        IXMLElement* slot = NewDocument(QStringLiteral("Slot_0"));
        slot->AddChild(QStringLiteral("Setting"));
        slot->AddChild(QStringLiteral("Resource"));
        return slot;
    }
};

TEST_F(CellularResourceTest, CellularSettingLayoutWithScrambledSecrets)
{
    CellularRecord record;
    record.ResSize = 2;
    record.TagDefinitions = MakeTagDefinitions(0, "C", 3); // more definitions than the tag count
    record.Config.SimPin = QStringLiteral("0000");
    record.Config.Password = QStringLiteral("topsecret");
    record.Config.UserName = QStringLiteral("user");
    IXMLElement* slot = NewSlot();
    CDataCenter model;
    model.SaveCellularResource(record, slot);
    EXPECT_EQ(ChildNames(At(slot, "Setting/CellularSetting")),
              (QStringList{"Enable", "SimPin", "Band", "Username", "Password", "APN", "AutoCheckEnable",
                           "AutoCheckHostname", "AutoCheckInterval"}));
    EXPECT_EQ(ResultAt(slot, "Setting/CellularSetting/AutoCheckInterval"), "30");
    EXPECT_EQ(ChildNames(At(slot, "Resource/CellularSetting")), (QStringList{"Signal", "Conn"}));
    EXPECT_EQ(ResultAt(slot, "Resource/CellularSetting/Conn/ResID"), "0.0.C1");
    const QByteArray bytes = SaveBytes(slot, QStringLiteral("cellular.xml"));
    EXPECT_FALSE(bytes.contains("topsecret"));
    EXPECT_FALSE(bytes.contains("\"0000\""));

    CellularRecord reread;
    model.LoadCellularSetting(reread, At(LoadFile(QStringLiteral("cellular.xml")), "Setting/CellularSetting"));
    EXPECT_EQ(reread.Config, record.Config);
}

TEST_F(CellularResourceTest, CellularFallbacks)
{
    const struct {
        const char* label;
        const char* xml;
        int band;
        int enable;
        int autoCheckEnable;
        int interval;
        const char* pin;
    } cases[] = {
        {"band 9", "<CellularSetting><Band Result=\"9\"/><Enable Result=\"7\"/></CellularSetting>", 0, 7, 0, 30, ""},
        {"band 8", "<CellularSetting><Band Result=\"8\"/></CellularSetting>", 8, 0, 0, 30, ""},
        {"auto-check 2", "<CellularSetting><AutoCheckEnable Result=\"2\"/></CellularSetting>", 0, 0, 0, 30, ""},
        {"interval in range",
         "<CellularSetting><AutoCheckInterval Result=\"10\"/><AutoCheckEnable Result=\"1\"/>"
         "</CellularSetting>",
         0, 0, 1, 10, ""},
        {"interval too long", "<CellularSetting><AutoCheckInterval Result=\"601\"/></CellularSetting>", 0, 0, 0, 30,
         ""},
        {"empty pin", "<CellularSetting><SimPin Result=\"\"/></CellularSetting>", 0, 0, 0, 30, ""},
        {"scrambled pin", "<CellularSetting><SimPin Result=\"6C6C6C6C\"/></CellularSetting>", 0, 0, 0, 30, "0000"},
    };
    for (const auto& c : cases) {
        CellularRecord record;
        record.Config.Band = 5;
        record.Config.SimPin = QStringLiteral("stale");
        record.Config.AutoCheck.AutoCheckInterval = 77; // a missing or wrong interval gives the range's default
        CDataCenter model;
        model.LoadCellularSetting(record, LoadXml(c.xml));
        EXPECT_EQ(record.Config.Band, c.band) << c.label;
        EXPECT_EQ(record.Config.Enable, c.enable) << c.label;
        EXPECT_EQ(record.Config.AutoCheck.AutoCheckEnable, c.autoCheckEnable) << c.label;
        EXPECT_EQ(record.Config.AutoCheck.AutoCheckInterval, c.interval) << c.label;
        EXPECT_EQ(record.Config.SimPin, c.pin) << c.label;
    }
}

TEST_F(CellularResourceTest, ReadingQueuesTheConnectionTag)
{
    CDataCenter model;
    model.SetMaxSlotCount(2);
    model.AppendSlotChannelGroup(0, QStringLiteral("Cell Modem"), ChannelType::ConnectionStatus);
    CellularRecord record;
    record.TagDefinitions = MakeTagDefinitions(0, "X", 1);
    TagDefinition connection;
    connection.Name = QStringLiteral("Link State");
    connection.ResourceText = QStringLiteral("0.0.6.0.5");
    connection.TagType = 1;
    record.TagDefinitions.push_back(connection);
    IXMLElement* element = LoadXml("<CellularSetting/>");
    model.LoadCellularSetting(record, element);
    ASSERT_EQ(model.PendingSlotTags.size(), 1u);
    const TagRecord& queued = model.PendingSlotTags[0].Tag;
    EXPECT_EQ(queued.TagName, "S0_CellModem_LinkState");
    EXPECT_EQ(queued.ResID, "0.0.6.0.5");
    EXPECT_EQ(queued.ChannelTypeAlias, "Cell Modem");
    EXPECT_EQ(queued.ChannelTypeId, ChannelType::ConnectionStatus);
    EXPECT_EQ(record.TagDefinitions[1].BoundTagName, ""); // the record's own definition is left alone

    CellularRecord without;
    without.TagDefinitions = MakeTagDefinitions(0, "X", 2);
    model.LoadCellularSetting(without, element);
    EXPECT_EQ(model.PendingSlotTags.size(), 1u);
}

TEST_F(CellularResourceTest, SystemRegisterNamesLeaveOutTwoWhenThereAreFewerRegisters)
{
    const struct {
        const char* label;
        int iec;
        int series4100;
        int count;
        QStringList expected;
    } cases[] = {
        {"IEC, five of seven", 1, 0, 5, {"I0", "I1", "I2", "I5", "I6"}},
        {"C, five of seven", 0, 0, 5, {"C0", "C1", "C2", "C3", "C4"}},
        {"IEC 4100, all seven", 1, 1, 7, {"J0", "J1", "J2", "J3", "J4", "J5", "J6"}},
        {"C 4100, three", 0, 1, 3, {"D0", "D1", "D2"}},
    };
    for (const auto& c : cases) {
        ResourceGroupRecord record;
        record.IECFlag = c.iec;
        record.Series4100Flag = c.series4100;
        record.ResSize = c.count;
        record.TagDefinitions = MakeTagDefinitions(0, "SV", c.count);
        IXMLElement* slot = NewSlot();
        CDataCenter model;
        model.SaveSystemRegister(record, slot);
        EXPECT_EQ(ChildNames(At(slot, "Resource/SystemRegister")), c.expected) << c.label;
        EXPECT_EQ(ResultAt(slot, QStringLiteral("Resource/SystemRegister/") + c.expected.last() + "/ResID"),
                  QStringLiteral("0.0.SV%1").arg(c.count - 1))
            << c.label;
    }
}

TEST_F(CellularResourceTest, PowerResourcesAreNamedWithoutTheLastCharacter)
{
    ResourceGroupRecord record;
    record.ResSize = 5; // more tags than abbreviations: the unnamed ones are left out
    record.TagDefinitions = MakeTagDefinitions(15, "P", 5);
    IXMLElement* slot = NewSlot();
    CDataCenter model;
    model.SavePowerResource(record, slot);
    EXPECT_EQ(ChildNames(At(slot, "Resource/Power")), (QStringList{"Set_0", "Set_1", "Set_2"}));
    EXPECT_EQ(ChildNames(At(slot, "Resource/Power/Set_0")), QStringList{"ResID_PWR"});
    EXPECT_EQ(ChildNames(At(slot, "Resource/Power/Set_1")), QStringList{"ResID_ALM"});
    EXPECT_EQ(ResultAt(slot, "Resource/Power/Set_2/ResID_VIN"), "0.15.P2");

    IXMLElement* noSetting = NewDocument(QStringLiteral("Slot_15"));
    noSetting->AddChild(QStringLiteral("Resource"));
    model.SavePowerResource(record, noSetting);
    EXPECT_EQ(ChildNames(At(noSetting, "Resource")), QStringList{});
}

TEST_F(CellularResourceTest, MissingAbbreviationsLeaveElementsOutInsteadOfNamelessOnes)
{
    UseDefaultSettings("[Cellular]\nabbreviation=\n");
    CellularRecord record;
    record.ResSize = 2;
    record.TagDefinitions = MakeTagDefinitions(0, "C", 2);
    IXMLElement* slot = NewSlot();
    CDataCenter model;
    model.SaveCellularResource(record, slot);
    EXPECT_EQ(ChildNames(At(slot, "Resource/CellularSetting")), QStringList{});
    // The document still saves as well-formed XML and loads again.
    SaveBytes(slot, QStringLiteral("no-names.xml"));
    EXPECT_NE(LoadFile(QStringLiteral("no-names.xml")), nullptr);
}

} // namespace

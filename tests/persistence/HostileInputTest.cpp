// Files that no writer of ours produces: every reader must finish, change only what it can place,
// and never reach past a list.
#include "DeviceModelBuilder.h"
#include "ProjectFileFixture.h"
#include "ResultCodes.h"
#include "SlotKeyedLookup.h"

namespace {

class HostileInputTest : public ProjectFileTest {
protected:
    QByteArray SavedModel(CDataCenter& model, const QString& fileName)
    {
        IXMLElement* product = NewDocument();
        model.SaveSystemInformation(product);
        model.SaveModuleInfo(product);
        model.SaveDeviceConfiguration(product);
        model.SaveTagConfiguration(product);
        return SaveBytes(product, fileName);
    }
};

TEST_F(HostileInputTest, ReadersFinishOnStrangeDocuments)
{
    const char* documents[] = {
        "<Product/>",
        "<Product><DeviceConfiguration><Slot_0/></DeviceConfiguration></Product>",
        "<Product><DeviceConfiguration><Slot_0 Result=\"99999999999999999999\"><Setting/></Slot_0>"
        "<Slot_2147483647 Result=\"99999999999999999999\"><Setting><DI><Set_0/></DI></Setting></Slot_2147483647>"
        "</DeviceConfiguration></Product>",
        // Every dispatched name, empty.
        "<Product><DeviceConfiguration><Slot_0 Result=\"0\"><Setting><SerialSetting/><CanSetting/><PortTrunk/>"
        "<Switch/><NetworkSetting/><InternalRegister/><SystemRegister/><DI/><DO/><Relay/><DIO/><HARTAI/><AI/>"
        "<HighSpeedAI/><AO/><TC/><RTD/><CellularSetting/><TimeSetting/><FtpAccount/><FtpServer/>"
        "<ToggleSwitchControl/><RotarySwitchControl/><SystemLog/></Setting></Slot_0></DeviceConfiguration></Product>",
        // Groups in the wrong slots and values nested where no reader looks.
        "<Product><DeviceConfiguration><Slot_7 Result=\"7\"><Setting><DI><Set_0><Set_0><Filter Result=\"x\"/>"
        "</Set_0></Set_0></DI><HARTAI><HART/></HARTAI></Setting></Slot_7>"
        "<Slot_1 Result=\"1\"><Setting><HARTAI/><CanSetting><Set_0><BaudrateIndex/></Set_0></CanSetting>"
        "<InternalRegister><BoolOutQuantity Result=\"-2147483648\"/><BoolOut Result=\"-1\"><Set_0/></BoolOut>"
        "<FloatOut Result=\"2147483647\"/></InternalRegister></Setting></Slot_1>"
        "</DeviceConfiguration></Product>",
        "<Product><TagConfiguration><Tag_0><TagName Result=\"\"/><ResID Result=\"....\"/>"
        "<ReadWriteDircetion Result=\"\"/><SlotIndex Result=\"\"/><ChannelIndex Result=\"\"/>"
        "<ResourceType Result=\"\"/><ChannelTypeAlias Result=\"\"/><ChannelTypeId Result=\"-99999999999\"/>"
        "<RelatedService><Set_0><RTUService Result=\"-1\"/><Index Result=\"99999999999\"/></Set_0>"
        "</RelatedService></Tag_0></TagConfiguration></Product>",
    };
    for (const char* xml : documents) {
        CDataCenter model;
        BuildLayout(model);
        IXMLElement* product = LoadXml(xml);
        model.LoadDeviceConfiguration(product);
        model.LoadTagConfiguration(product);
        model.LoadSystemInformation(product);
        // Whatever was read, the model still writes itself out.
        IXMLElement* out = NewDocument();
        model.SaveDeviceConfiguration(out);
        model.SaveTagConfiguration(out);
        EXPECT_FALSE(SaveBytes(out, QStringLiteral("out.xml")).isEmpty()) << xml;
    }
}

TEST_F(HostileInputTest, RecordsWhoseCountsDisagreeWithTheirListsAreReadWithinTheLists)
{
    CDataCenter model;
    BuildLayout(model);
    for (auto& record : model.DISettings)
        record.ChannelCount = 1000;
    FindRecordBySlot(model.AOSettings, TestSlot::AO)->ChannelCount = -3;
    FindRecordBySlot(model.CanSettings, TestSlot::CanAndCellular)->ChannelCount = 50;
    QByteArray items;
    for (int i = 0; i < 20; ++i)
        items += "<Set_" + QByteArray::number(i) +
                 "><Filter Result=\"5\"/><Enable Result=\"0\"/>"
                 "<BaudrateIndex Result=\"1\"/></Set_" +
                 QByteArray::number(i) + ">";
    const QByteArray xml = "<Product><DeviceConfiguration>"
                           "<Slot_1 Result=\"1\"><Setting><DI>" +
                           items +
                           "</DI></Setting></Slot_1>"
                           "<Slot_9 Result=\"9\"><Setting><AO>" +
                           items +
                           "</AO></Setting></Slot_9>"
                           "<Slot_12 Result=\"12\"><Setting><CanSetting>" +
                           items +
                           "</CanSetting></Setting></Slot_12>"
                           "</DeviceConfiguration></Product>";
    ASSERT_EQ(model.LoadDeviceConfiguration(LoadXml(xml)), kS_OK);
    const auto& di = FindRecordBySlot(model.DISettings, TestSlot::DI)->Channels;
    ASSERT_EQ(di.size(), 2u);
    EXPECT_EQ(di[1].Setting.Filter, 5u);
    EXPECT_EQ(FindRecordBySlot(model.AOSettings, TestSlot::AO)->Channels[0].Setting.Enable, 1u); // count below 0
    const auto& can = FindRecordBySlot(model.CanSettings, TestSlot::CanAndCellular)->Ports;
    ASSERT_EQ(can.size(), 2u);
    EXPECT_EQ(can[1].Setting.BaudrateIndex, 1u);
}

TEST_F(HostileInputTest, ResourceTypesPastTheAbbreviationsAreLeftOut)
{
    CDataCenter model;
    BuildLayout(model);
    auto& channel = FindRecordBySlot(model.AISettings, TestSlot::AI)->Channels[0];
    channel.TagDefinitions[0].ResType = -1;
    channel.TagDefinitions[1].ResType = 1000000;
    FindRecordBySlot(model.DIOSettings, TestSlot::DIO)->ResSize = 50; // more than any list
    IXMLElement* product = NewDocument();
    model.SaveDeviceConfiguration(product);
    EXPECT_EQ(ChildNames(At(product, "DeviceConfiguration/Slot_6/Resource/AI/Set_0")), QStringList{});
    EXPECT_EQ(ChildNames(At(product, "DeviceConfiguration/Slot_6/Resource/AI/Set_1")),
              (QStringList{"ResID_Val", "ResID_Status"}));
    EXPECT_EQ(ChildNames(At(product, "DeviceConfiguration/Slot_5/Resource/DIO/Set_0")),
              (QStringList{"ResID_Val", "ResID_DIOCnt"}));
}

TEST_F(HostileInputTest, WritersGivenNoElementWriteNothing)
{
    CDataCenter model;
    BuildLayout(model);
    ChangeEverything(model);
    model.Tags.push_back(TagRecord{});
    const QByteArray before = SavedModel(model, QStringLiteral("before.xml"));
    model.SaveSystemInformation(nullptr);
    model.SaveModuleInfo(nullptr);
    model.SaveTagConfiguration(nullptr);
    model.SaveDeviceConfiguration(nullptr);
    CDataCenter::SaveEnableElement(1, nullptr);
    model.Tags[0].SaveTagElement(nullptr);
    model.InternalRegisters.SaveInternalRegisters(nullptr, 1510);
    for (auto& record : model.DISettings)
        record.SaveDiChannels(nullptr);
    for (auto& record : model.HARTAISettings)
        record.SaveHartAiChannels(nullptr);
    model.SaveTimeSetting(nullptr);
    model.SaveFtpServer(nullptr, true);
    model.SaveSystemServiceFlags(nullptr);
    model.SaveCellularResource(model.CellularSettings[0], nullptr);
    model.SavePowerResource(model.ResourceGroups[0], nullptr);
    model.PortTrunkSettings[0].SaveSlotPortSetting(nullptr, QStringLiteral("PortTrunk"));
    // Nothing was written anywhere: the model writes the same document it wrote before.
    EXPECT_EQ(SavedModel(model, QStringLiteral("after.xml")), before);
}

} // namespace

#include "CDeviceInfoReader.h"
#include "DeviceInfoLists.h"
#include "DeviceInfoTexts.h"
#include "LanguagePack.h"
#include "ResultCodes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class DeviceInfoFileTest : public testing::Test {
protected:
    QString write(const QString& body)
    {
        const QString path = folder_.filePath(QStringLiteral("x5_Info.xml"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("<?xml version=\"1.0\"?>\n<x5_Info>\n" + body.toUtf8() + "</x5_Info>\n");
        return path;
    }

    QTemporaryDir folder_;
};

const QString kSlots = QStringLiteral(
    "<System Total_slots=\"8\" Firmware=\"2.1\"/>\n"
    "<slot value=\"0\" name=\"PWR-24\" version=\"1.0\" apid=\"0x8000890A\" config_error=\"0\"/>\n"
    "<slot value=\"0\" name=\"ulTEK 4100-CPU35-C-T\" version=\"1.2\" serial_number=\"SN9\" apid=\"0x80008924\"/>\n"
    "<slot value=\"3\" name=\"42M-5470\" version=\"2.0\" apid=\"0x80008924\" config_error=\"1\"/>\n"
    "<eth0 name=\"eth0\"><mac value=\"00-11-22-33-44-55\"/><ip value=\"127.0.0.1\"/></eth0>\n");

TEST_F(DeviceInfoFileTest, InformationListShowsMarksAttributesAndErrors)
{
    CDeviceInfoReader reader;
    QStringList lines{QStringLiteral("old line")};
    EXPECT_EQ(reader.LoadDeviceInfoFile(&lines, write(kSlots)), kS_OK);
    EXPECT_EQ(lines, QStringList({
                         QStringLiteral("System=8"),
                         QStringLiteral("System=2.1"),
                         QStringLiteral("slot 0(PWR)=PWR-24 1.0 "),
                         QStringLiteral("slot 0(CPU)=ulTEK 4100-CPU35-C-T 1.2 SN9 "),
                         QStringLiteral("slot 3=42M-5470 2.0 (config. error)"),
                         QStringLiteral("eth0=eth0"),
                         QStringLiteral("mac=00-11-22-33-44-55"),
                         QStringLiteral("ip=127.0.0.1"),
                     }));
    EXPECT_EQ(reader.DeviceSlotCount(), 8);
    EXPECT_TRUE(reader.IsLayoutKnown());
    ASSERT_EQ(reader.DeviceLayout().size(), 3u);
    EXPECT_EQ(reader.DeviceLayout()[2].slot, 3);
    EXPECT_EQ(reader.DeviceLayout()[2].APID, QStringLiteral("0x80008924"));
}

TEST_F(DeviceInfoFileTest, SlotCountFromATotalSlotsElement)
{
    CDeviceInfoReader reader;
    QStringList lines;
    EXPECT_EQ(reader.LoadDeviceInfoFile(&lines, write(QStringLiteral("<Total_slots value=\"5\"/><slot value=\"1\"/>"))),
              kS_OK);
    EXPECT_EQ(lines.first(), QStringLiteral("Total_slots=5"));
    EXPECT_EQ(reader.DeviceSlotCount(), 5);
    EXPECT_FALSE(reader.IsLayoutKnown()); // no apid anywhere: no comparison before a send
}

TEST_F(DeviceInfoFileTest, AnUnreadableFileLeavesTheListEmptyAndTheLayout)
{
    CDeviceInfoReader reader;
    QStringList lines;
    ASSERT_EQ(reader.LoadDeviceInfoFile(&lines, write(kSlots)), kS_OK);
    const QString broken = folder_.filePath(QStringLiteral("broken.xml"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<x5_Info><slot");
    file.close();
    EXPECT_EQ(reader.LoadDeviceInfoFile(&lines, broken), kE_FAIL);
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_EQ(reader.DeviceLayout().size(), 3u);
}

TEST_F(DeviceInfoFileTest, FirmwareAndCalibrationListsOfTheSameFile)
{
    QStringList firmware;
    ASSERT_EQ(ReadModuleFirmwareList(write(kSlots), firmware), kS_OK);
    EXPECT_EQ(firmware, QStringList({
                            QStringLiteral("System=8"),
                            QStringLiteral("System=2.1"),
                            QStringLiteral("slot 0(PWR)=PWR-24 1.0"),
                            QStringLiteral("slot 0(CPU)=ulTEK 4100-CPU35-C-T 1.2 SN9"),
                            QStringLiteral("slot 3=42M-5470 2.0"),
                            QStringLiteral("eth0=eth0"),
                            QStringLiteral("mac =00-11-22-33-44-55"),
                            QStringLiteral("ip =127.0.0.1"),
                        }));

    CalibrationModules modules;
    ASSERT_EQ(ReadCalibrationModules(write(kSlots), modules), kS_OK);
    EXPECT_EQ(modules.lines.mid(2, 3),
              QStringList({QStringLiteral("slot 0=PWR-24 1.0"), QStringLiteral("slot 0=ulTEK 4100-CPU35-C-T 1.2"),
                           QStringLiteral("slot 3=42M-5470 2.0")}));
    EXPECT_EQ(modules.offeredSlots, QList<int>{3});
    EXPECT_EQ(modules.channelCounts[3], 8);
}

TEST_F(DeviceInfoFileTest, CalibrationSkipsSlotsItCannotIndex)
{
    CalibrationModules modules;
    const QString body = QStringLiteral("<slot value=\"9\" name=\"42M-5480\"/><slot value=\"-1\" name=\"42M-5480\"/>"
                                        "<slot value=\"x\" name=\"42M-5480\"/><slot value=\"8\" name=\"42M-5480\"/>");
    ASSERT_EQ(ReadCalibrationModules(write(body), modules), kS_OK);
    EXPECT_EQ(modules.offeredSlots, QList<int>{8});
    EXPECT_EQ(modules.channelCounts[8], 6);
    EXPECT_EQ(modules.lines.size(), 4);
}

TEST(ModelTableTest, NamesTheControllerByItsCpuModuleAndSlotCount)
{
    EXPECT_EQ(GetModelNameForApid(QStringLiteral("0x80000189"), 5), QStringLiteral("ulTEK 4200-5-C-T"));
    EXPECT_EQ(GetModelNameForApid(QStringLiteral("0x8000018f"), 9), QStringLiteral("ulTEK 4200-9-IEC-T"));
    EXPECT_EQ(GetModelNameForApid(QStringLiteral("0x80000189"), 4), QString());
    EXPECT_EQ(GetModelNameForApid(QStringLiteral("0x80008511"), 0), QStringLiteral("ulTEK 2301-IEC-T"));
    EXPECT_TRUE(
        IsSameController(QStringLiteral("x"), QStringLiteral("ulTEK 4200-5-C-T"), QStringLiteral("0x80000189"), 5));
    EXPECT_FALSE(
        IsSameController(QStringLiteral("x"), QStringLiteral("ulTEK 4200-9-C-T"), QStringLiteral("0x80000189"), 5));
    EXPECT_TRUE(IsSameController(QStringLiteral("0x1"), QString(), QStringLiteral("0x1"), 0));
}

TEST(LayoutCheckTest, MarksSlotsWhoseModulesDiffer)
{
    const std::vector<SlotConfigEntry> project{
        {0, QStringLiteral("ulTEK 4200-5-C-T"), QStringLiteral("0x80000189"), 0},
        {1, QStringLiteral("DI"), QStringLiteral("0x8000AB01"), 0},
        {2, QStringLiteral("DO"), QStringLiteral("0x8000CD01"), 0},
    };
    std::vector<SlotConfigEntry> device{
        {0, QStringLiteral("PWR"), QStringLiteral("0X8000890B"), 0},  // power ids are not compared
        {1, QStringLiteral("DI"), QStringLiteral("0x8000AB01FF"), 0}, // first 8 characters equal
        {2, QStringLiteral("AI"), QStringLiteral("0x8000EF01"), 0},
    };
    EXPECT_TRUE(MarkLayoutDifferences(device, project, 5));
    EXPECT_EQ(device[0].differs, 0);
    EXPECT_EQ(device[1].differs, 0);
    EXPECT_EQ(device[2].differs, 1);

    std::vector<SlotConfigEntry> same{project[0], project[1], project[2]};
    EXPECT_FALSE(MarkLayoutDifferences(same, project, 5));
    same.pop_back();
    EXPECT_TRUE(MarkLayoutDifferences(same, project, 5)); // counts differ
}

TEST(LayoutCheckTest, ReaderComparesTheProjectsDeviceConfiguration)
{
    QTemporaryDir folder;
    const QString info = folder.filePath(QStringLiteral("x5_Info.xml"));
    QFile file(info);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<x5_Info><System Total_slots=\"5\"/><slot value=\"0\" name=\"CPU\" apid=\"0x80000189\"/>"
               "<slot value=\"1\" name=\"DI\" apid=\"0x8000AB01\"/></x5_Info>");
    file.close();
    CDeviceInfoReader reader;
    ASSERT_EQ(reader.LoadDeviceInfoFile(nullptr, info), kS_OK);

    XMLParserPtr parser(CreateXMLParser());
    IXMLElement* configuration = parser->CreateRoot(QStringLiteral("DeviceConfiguration"));
    IXMLElement* cpu = configuration->AddChild(QStringLiteral("Slot_0"));
    cpu->SetAttribute(QStringLiteral("Result"), QStringLiteral("0"));
    cpu->SetAttribute(QStringLiteral("Name"), QStringLiteral("ulTEK 4200-5-C-T"));
    cpu->SetAttribute(QStringLiteral("APID"), QStringLiteral("0x80000180"));
    IXMLElement* di = configuration->AddChild(QStringLiteral("Slot_1"));
    di->SetAttribute(QStringLiteral("Result"), QStringLiteral("1"));
    di->SetAttribute(QStringLiteral("Name"), QStringLiteral("DO"));
    di->SetAttribute(QStringLiteral("APID"), QStringLiteral("0x8000CD01"));
    reader.ReadProjectSlotLayout(configuration);

    EXPECT_TRUE(reader.CompareLayouts());
    const auto layout = reader.DeviceLayout();
    EXPECT_EQ(layout[0].differs, 0);
    EXPECT_EQ(layout[1].differs, 1);

    // Read again (the next send): the project's layout is replaced, not appended to.
    reader.ReadProjectSlotLayout(configuration);
    EXPECT_EQ(reader.ProjectLayout().size(), 2u);
    parser->Release(configuration);
}

TEST(DeviceInfoTextsTest, SlotsResultsLogTypesAndIecResources)
{
    EXPECT_EQ(FormatErrorSlot(0), QStringLiteral("Slot 0(CPU)"));
    EXPECT_EQ(FormatErrorSlot(0x10003), QStringLiteral("Slot:3"));
    EXPECT_EQ(FormatErrorSlot(20), QString());
    EXPECT_FALSE(FormatErrorSlot(40).isEmpty());
    EXPECT_EQ(FormatResultWord(0), QStringLiteral(": Success"));
    EXPECT_EQ(FormatResultWord(2), QStringLiteral(": Invalid"));
    EXPECT_EQ(FormatResultWord(3), QString());
    EXPECT_EQ(LogTypeName(65535), LoadLangString(784));
    EXPECT_EQ(LogTypeName(42), QStringLiteral("42"));
    EXPECT_EQ(FormatIecResourceLines({{101, 0}, {1, 77}, {9, 0}}),
              QStringList({QStringLiteral("Resource 0: Not Running"),
                           QStringLiteral("Resource 1: Running (Process ID = 77)"), QString()}));
    EXPECT_EQ(FormatIecResourceLines({}), QStringList{LoadLangString(845)});
}

} // namespace

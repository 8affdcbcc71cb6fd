// The Modbus slave page driven as a user would: tag sets with their addresses, the address map's
// rules, set numbers, moving tags, and the serial port the service takes.
#include "CListCtrlEx.h"
#include "CModbusSlaveDlg.h"
#include "LanguagePack.h"
#include "ListRows.h"
#include "ModbusPageSupport.h"
#include "PageHarness.h"
#include "TextFormat.h"
#include "Validation.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

using namespace ModbusSlaveIds;
using namespace ModbusPageSupport;

constexpr int kHoldingRegisters = 1; // position in the analog function list: map 3
constexpr int kInputRegisters = 0;   // map 2
QString addressTaken()
{
    return LoadLangString(649) + QStringLiteral("\r\n");
}

class ModbusSlavePageTest : public testing::Test {
protected:
    void SetUp() override { harness.Show(node); }

    // Fills the set controls, hands the tags over as the chooser does and presses Add.
    void addSet(const QString& name, int start, const std::vector<TagRecord>& tags, int function)
    {
        harness.Set({{kEditSetName, name}, {kEditStart, QString::number(start)}});
        page.AddChosenTags(tags);
        harness.Set({{kComboFunction, function}});
        harness.Press(kButtonAdd);
    }
    CListCtrlEx& tagList() { return *page.item<CListCtrlEx>(kListTags); }
    CListCtrlEx& setList() { return *page.item<CListCtrlEx>(kListSets); }
    const QVector<MODBUS_SLAVE_TAG_SET>& sets() { return harness.model().ModbusSlave.MulitTagSet; }

    ScopedDeleteConfirmationSkipped unasked;
    PageHarness<CModbusSlaveDlg> harness;
    CModbusSlaveDlg& page = harness.page();
    const TreeNodeInfo node = NodeFor(117, QStringLiteral("Modbus Slave"));
};

TEST(ModbusSlavePageControlsTest, EveryControlIsInTheTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kPageControls);
}

TEST_F(ModbusSlavePageTest, SetsOfOneAreaMayNotShareAddresses)
{
    const auto longs = AddTags(harness.model(), "Long", 4, 3);
    addSet("A", 100, longs, kHoldingRegisters);
    ASSERT_EQ(sets().size(), 1);
    EXPECT_EQ(Column(tagList(), 3), (QStringList{"100", "102", "104"}));
    EXPECT_EQ(Column(tagList(), 4), (QStringList{"40101", "40103", "40105"}));
    EXPECT_EQ(Column(setList(), 1), QStringList{"A"});
    EXPECT_EQ(sets()[0].Items[2].ModbusMap, 3);
    EXPECT_EQ(harness.logLines(),
              (QStringList{FormatLangString(617, "Modbus Slave"), FormatLangString(616, "Modbus Slave", 1)}));
    harness.Screenshot(QStringLiteral("modbus-slave-page"));

    const struct {
        const char* name;
        int function;
        QStringList messages;
        int setsAfter;
    } cases[] = {
        {"same area from 104", kHoldingRegisters, {addressTaken()}, 1},
        {"other area from 104", kInputRegisters, {}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setList().clearSelection();
        harness.Forget();
        addSet(QStringLiteral("B"), 104, AddTags(harness.model(), "Other", 4, 1), c.function);
        EXPECT_EQ(harness.messages(), c.messages);
        EXPECT_EQ(sets().size(), c.setsAfter);
    }
}

TEST_F(ModbusSlavePageTest, TagsTakeTheStepOfTheirDataTypeUpToTheLastAddress)
{
    const struct {
        const char* name;
        int code;
        int count;
        int start;
        QStringList addresses;
        bool added;
    } cases[] = {
        {"512-bit strings take 32 registers", 6, 2, 0, {"0", "32"}, true},
        {"a 32-bit tag may not start at 65535", 4, 1, 65535, {"65535"}, false},
        {"a 16-bit tag may", 5, 1, 65535, {"65535"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        harness.Show(node);
        const qsizetype before = sets().size();
        addSet(QString::fromUtf8(c.name).left(10), c.start, AddTags(harness.model(), "T", c.code, c.count),
               kInputRegisters);
        EXPECT_EQ(Column(tagList(), 3), c.addresses);
        EXPECT_EQ(sets().size(), before + (c.added ? 1 : 0));
        EXPECT_EQ(harness.messages(), c.added ? QStringList{} : QStringList{addressTaken()});
    }
}

TEST_F(ModbusSlavePageTest, NumbersOfDeletedSetsAreNotGivenAgainAndTheTagsCarryThem)
{
    std::vector<TagRecord> tags;
    for (const char* name : {"S0", "S1", "S2"}) {
        setList().clearSelection();
        tags = AddTags(harness.model(), name, 5, 1);
        addSet(name, static_cast<int>(sets().size()) * 10, tags, kInputRegisters);
    }
    ASSERT_EQ(sets().size(), 3);
    SelectListRows(setList(), {2});
    harness.Press(kButtonDelete);
    ASSERT_EQ(sets().size(), 2);
    TagRecord released;
    ASSERT_TRUE(harness.model().FindTagByName(tags[0].ResID, released));
    EXPECT_TRUE(released.RelatedServices.empty());
    setList().clearSelection();
    const auto next = AddTags(harness.model(), "S3", 5, 1);
    addSet("S3", 50, next, kInputRegisters);
    ASSERT_EQ(sets().size(), 3);
    EXPECT_EQ(sets()[2].Index, 3);
    TagRecord used;
    ASSERT_TRUE(harness.model().FindTagByName(next[0].ResID, used));
    EXPECT_EQ(used.RelatedServices, (std::vector<TagServiceLink>{MakeIntPair(117, 3)}));
}

TEST_F(ModbusSlavePageTest, The513thSetIsRefused)
{
    MODBUS_SLAVE_TAG_SET set;
    for (int i = 0; i < 512; ++i) {
        set.Name = QStringLiteral("Set%1").arg(i);
        set.Index = i;
        harness.model().ModbusSlave.MulitTagSet.append(set);
    }
    harness.Show(node);
    addSet("One more", 0, AddTags(harness.model(), "T", 5, 1), kInputRegisters);
    EXPECT_EQ(harness.messages(), QStringList{FormatLangString(751, 512)});
    EXPECT_EQ(sets().size(), 512);
}

TEST_F(ModbusSlavePageTest, MovingATagKeepsTheAddressColumn)
{
    harness.Set({{kEditStart, QStringLiteral("10")}});
    page.AddChosenTags(AddTags(harness.model(), "M", 4, 3));
    const QStringList names = Column(tagList(), 1);
    const QStringList addresses = Column(tagList(), 3);
    SelectListRows(tagList(), {1});
    harness.Press(kButtonTagUp);
    EXPECT_EQ(Column(tagList(), 1), (QStringList{names[1], names[0], names[2]}));
    EXPECT_EQ(Column(tagList(), 3), addresses);
    EXPECT_EQ(tagList().GetSelectedRows(), QList<int>{0});
    harness.Press(kButtonTagUp);
    EXPECT_EQ(Column(tagList(), 1), (QStringList{names[1], names[0], names[2]})) << "row 0 stays";
    SelectListRows(tagList(), {0});
    harness.Press(kButtonRemoveTags);
    EXPECT_EQ(Column(tagList(), 1), (QStringList{names[0], names[2]}));
    EXPECT_EQ(Column(tagList(), 3), (QStringList{"10", "12"}));
}

TEST_F(ModbusSlavePageTest, TheSerialPortIsTakenWithASetAndFreedWithTheLast)
{
    auto* serial = page.item<QComboBox>(kComboSerialPort);
    ASSERT_GT(serial->count(), 1) << "the project offers a serial port";
    const QString port = serial->itemText(1);
    harness.Set({{kComboSerialPort, 1}});
    addSet("A", 0, AddTags(harness.model(), "P", 5, 1), kInputRegisters);
    const QString key = harness.model().ModbusSlave.SerialPort;
    EXPECT_EQ(harness.model().ModbusSlave.EnSerial, 1);
    EXPECT_EQ(PortMark(harness.model(), key).IsUsedByService, 1);
    EXPECT_EQ(PortMark(harness.model(), key).UsedServiceType, SerialPortUser::ModbusSlave);
    harness.Show(node);
    EXPECT_EQ(serial->currentText(), port) << "the page shows its own port";
    SelectListRows(setList(), {0});
    harness.Press(kButtonDelete);
    EXPECT_TRUE(sets().isEmpty());
    EXPECT_EQ(harness.model().ModbusSlave.EnSerial, 0);
    EXPECT_TRUE(harness.model().ModbusSlave.SerialPort.isEmpty());
    EXPECT_EQ(PortMark(harness.model(), key).IsUsedByService, 0);
    EXPECT_EQ(serial->currentIndex(), 0);
}

TEST_F(ModbusSlavePageTest, BadSetsAndSettingsAreRefusedWithOneMessage)
{
    const auto tags = AddTags(harness.model(), "V", 5, 1);
    const QString port = FormatRangeErrorLine("Port", 1, 65535);
    const struct {
        const char* name;
        std::vector<ControlInput> inputs;
        bool withTags;
        QStringList messages;
    } cases[] = {
        {"no tags", {{kEditSetName, QStringLiteral("X")}}, false, {LoadLangString(709) + "\r\n"}},
        {"no name, no function",
         {{kEditSetName, QString()}},
         true,
         {FormatInvalidItemLine("Set Name") + FormatInvalidItemLine("Function")}},
        {"port out of range", {{kEditSetName, QStringLiteral("X")}, {kEditPort, QStringLiteral("0")}}, true, {port}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        harness.Show(node);
        for (const ControlInput& input : c.inputs)
            SetControl(page, input);
        if (c.withTags)
            page.AddChosenTags(tags);
        if (std::string(c.name) == "port out of range")
            harness.Set({{kComboFunction, 0}});
        harness.Press(kButtonAdd);
        EXPECT_EQ(harness.messages(), c.messages);
        EXPECT_TRUE(sets().isEmpty());
    }
}

TEST_F(ModbusSlavePageTest, ChosenTagsJoinTheSetOrReplaceItsTagsOfAnotherType)
{
    const auto longs = AddTags(harness.model(), "L", 4, 3);
    const auto shorts = AddTags(harness.model(), "S", 5, 1);
    const struct {
        const char* name;
        std::vector<TagRecord> chosen;
        QStringList names;
        QStringList addresses;
        QStringList functions;
    } cases[] = {
        {"a listed tag takes no address",
         {longs[1], longs[2]},
         {"L0", "L1", "L2"},
         {"10", "12", "14"},
         {"Holding Registers", "Holding Registers", "Holding Registers"}},
        {"another data type replaces the tags, no function chosen yet", shorts, {"S0"}, {"10"}, {""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        harness.Show(node);
        harness.Set({{kEditStart, QStringLiteral("10")}});
        page.AddChosenTags({longs[0], longs[1]});
        harness.Set({{kComboFunction, kHoldingRegisters}});
        page.AddChosenTags(c.chosen);
        EXPECT_EQ(Column(tagList(), 1), c.names);
        EXPECT_EQ(Column(tagList(), 3), c.addresses);
        EXPECT_EQ(Column(tagList(), 2), c.functions);
        EXPECT_EQ(page.item<QComboBox>(kComboFunction)->currentIndex(), c.functions.front().isEmpty() ? -1 : 1);
    }
}

TEST_F(ModbusSlavePageTest, ModifyAppliesTheSettingsFirstAndChangesOnlyASetSelectedAlone)
{
    addSet("A", 0, AddTags(harness.model(), "MA", 5, 1), kInputRegisters);
    setList().clearSelection();
    addSet("B", 10, AddTags(harness.model(), "MB", 5, 1), kInputRegisters);
    ASSERT_EQ(sets().size(), 2);
    const QString applied = FormatLangString(617, "Modbus Slave");
    const struct {
        const char* name;
        QList<int> rows;
        const char* setName;
        QStringList names;
        QStringList messages;
        QStringList log;
    } cases[] = {
        {"the first set renamed", {0}, "A2", {"A2", "B"}, {}, {applied, FormatLangString(618, "Modbus Slave", 1)}},
        {"no set selected: the settings only", {}, "C", {"A2", "B"}, {}, {applied}},
        {"two sets selected: the settings only", {0, 1}, "C", {"A2", "B"}, {}, {applied}},
        {"the other set's name", {1}, "a2", {"A2", "B"}, {FormatItemErrorLine("Set Name")}, {applied}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SelectListRows(setList(), c.rows);
        harness.Set({{kEditSetName, QString::fromUtf8(c.setName)}, {kEditPort, QStringLiteral("1502")}});
        harness.model().ModbusSlave.ListenPort = 502;
        harness.Forget();
        EXPECT_EQ(page.ModifySet(), c.log.size() == 2);
        EXPECT_EQ(harness.model().ModbusSlave.ListenPort, 1502);
        EXPECT_EQ(harness.messages(), c.messages);
        EXPECT_EQ(harness.logLines(), c.log);
        QStringList names;
        for (const MODBUS_SLAVE_TAG_SET& set : sets())
            names << set.Name;
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(Column(setList(), 1), c.names);
    }
    EXPECT_EQ(sets()[0].Items.size(), 1) << "the renamed set keeps its tags";
}

} // namespace

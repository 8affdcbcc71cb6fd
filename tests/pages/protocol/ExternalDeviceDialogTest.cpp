// The command editor driven as a user would: tags laid out from the start address, refused tag
// types, the function change, and the command rules.
#include "CExternalDeviceSettingDlg.h"
#include "CListCtrlEx.h"
#include "CModbusMasterDlg.h"
#include "CModbusTagSelectDlg.h"
#include "CTagSelectDlgIds.h"
#include "LanguagePack.h"
#include "ListRows.h"
#include "ModbusPageSupport.h"
#include "PageHarness.h"
#include "TextFormat.h"
#include "Validation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

using namespace ExternalDeviceIds;
using namespace ModbusPageSupport;
namespace Function = ModbusCommandLayout::Function;

QString scanRateLine(const char* typed)
{
    QString line;
    CheckEditRange(QString::fromUtf8(typed), 1, 60000, line, QStringLiteral("scan rate"));
    return line.endsWith(QStringLiteral("\r\n")) ? line : line + QStringLiteral("\r\n"); // one line of the report
}

class ExternalDeviceDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        MODBUS_EXTERNAL_DEVICE_SETTINGS device;
        device.Name = "Meter";
        device.RTUPort = kEthernetPortKey;
        std::vector<CDataCenter::TagChange> created;
        ASSERT_TRUE(harness.model().CreateModbusMasterDevice(device, created));
        harness.Show(NodeFor(105, QStringLiteral("Modbus Master")));
        dialog = std::make_unique<CExternalDeviceSettingDlg>(harness.model(), 0, &harness.page());
        ASSERT_TRUE(dialog->Create());
        harness.Forget();
    }
    void choose(int function, const QString& start, const std::vector<TagRecord>& tags)
    {
        SetControl(*dialog, {kComboFunction, function});
        SetControl(*dialog, {kEditStart, start});
        dialog->SetChosenTags(tags);
    }
    QStringList tagColumn(int column) { return Column(*dialog->item<CListCtrlEx>(kListTags), column); }
    QStringList messages() { return harness.messages(); }
    const QVector<MODBUS_COMMAND_SETTINGS>& stored() { return harness.model().ModbusMasterDevices[0].Commands; }

    PageHarness<CModbusMasterDlg> harness;
    std::unique_ptr<CExternalDeviceSettingDlg> dialog;
};

TEST(ExternalDeviceDialogControlsTest, EveryControlIsInTheTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kDialogControls);
}

TEST_F(ExternalDeviceDialogTest, TagsAreLaidOutFromTheStartAddress)
{
    choose(Function::ReadHoldingRegisters, "0", AddTags(harness.model(), "Long", 4, 3));
    EXPECT_EQ(dialog->itemText(kTextTotalRange), "(Range 5-6)");
    EXPECT_EQ(dialog->itemText(kEditTotal), "6");
    EXPECT_EQ(tagColumn(2), (QStringList{"0", "2", "4"}));
    EXPECT_EQ(tagColumn(4), (QStringList{"40001", "40003", "40005"}));
    EXPECT_EQ(tagColumn(3), (QStringList{"2", "2", "2"}));
    harness.page().grab();
    SaveScreenshot(*dialog, QStringLiteral("modbus-command-editor"));

    choose(Function::ReadCoils, "9", AddTags(harness.model(), "Short", 5, 2));
    EXPECT_EQ(dialog->itemText(kEditTotal), "32");
    EXPECT_EQ(tagColumn(2), (QStringList{"9", "25"}));
    EXPECT_EQ(tagColumn(4), (QStringList{"00010", "00026"}));
}

TEST_F(ExternalDeviceDialogTest, UnsuitedTagsAreRefusedAndAFunctionChangeEmptiesTheTags)
{
    const auto written = AddTags(harness.model(), "Out", 14, 2);
    choose(Function::WriteCoils, "0", written);
    ASSERT_EQ(dialog->ChosenTags().size(), 2u);
    const auto before = dialog->Resources();
    for (int code = 1; code <= 9; ++code) {
        dialog->SetChosenTags(AddTags(harness.model(), "In", code, 1));
        EXPECT_EQ(messages(), QStringList{LoadLangString(700)}) << code;
        EXPECT_EQ(dialog->ChosenTags().size(), 2u) << code;
        EXPECT_EQ(dialog->Resources(), before) << code;
        harness.Forget();
    }
    SetControl(*dialog, {kComboFunction, Function::ReadCoils});
    EXPECT_TRUE(dialog->ChosenTags().empty());
    EXPECT_EQ(tagColumn(1), QStringList{});
    EXPECT_EQ(dialog->itemText(kEditTotal), "1");
}

// The chooser opened from the editor takes several rows, stays open after OK and offers Add all.
TEST_F(ExternalDeviceDialogTest, TheTagChooserStaysOpenForSeveralRoundsAndAddsAll)
{
    SetControl(*dialog, {kComboFunction, Function::ReadHoldingRegisters});
    SetControl(*dialog, {kEditStart, QStringLiteral("0")});
    const std::vector<TagRecord> levels = AddTags(harness.model(), "Level", 4, 4);
    struct Seen {
        bool multiSelect = false;
        bool addAllEnabled = false;
        bool openAfterOK = false;
        size_t chosenAfterOK = 0;
        int offered = 0;
    } seen;
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<CModbusTagSelectDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        QTimer::singleShot(5000, chooser, &QDialog::reject);
        auto* type = chooser->item<QComboBox>(kComboTagFilterKind);
        type->setCurrentIndex(type->findData(MapDataTypeCode(4)));
        auto* tags = chooser->item<CListCtrlEx>(kListTagSelect);
        seen.offered = tags->GetItemCount();
        seen.multiSelect = tags->selectionMode() == QAbstractItemView::ExtendedSelection;
        seen.addAllEnabled = chooser->control(kButtonTagAddAll)->isEnabled();
        SelectListRows(*tags, {0, 1});
        qobject_cast<QAbstractButton*>(chooser->control(IDOK))->click();
        seen.openAfterOK = chooser->isVisible();
        seen.chosenAfterOK = dialog->ChosenTags().size();
        qobject_cast<QAbstractButton*>(chooser->control(kButtonTagAddAll))->click();
    });
    PressButton(*dialog, kButtonSelectTags);
    EXPECT_TRUE(seen.multiSelect);
    EXPECT_TRUE(seen.addAllEnabled);
    EXPECT_TRUE(seen.openAfterOK) << "OK keeps the chooser open";
    EXPECT_EQ(seen.chosenAfterOK, 2u);
    EXPECT_GE(seen.offered, static_cast<int>(levels.size()));
    EXPECT_EQ(dialog->ChosenTags().size(), static_cast<size_t>(seen.offered)) << "Add all brings the rest, once each";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "Add all closes the chooser";
}

TEST_F(ExternalDeviceDialogTest, CommandsAreCheckedBeforeTheyAreStored)
{
    const auto tags = AddTags(harness.model(), "Reg", 5, 2);
    choose(Function::ReadHoldingRegisters, "0", tags);
    SetControl(*dialog, {kEditName, QStringLiteral("Poll")});
    dialog->AddCommand();
    ASSERT_EQ(stored().size(), 1);
    EXPECT_EQ(stored()[0].Resources.size(), 2);
    EXPECT_EQ(harness.host().logLines().size(), 1);
    TagRecord used;
    ASSERT_TRUE(harness.model().FindTagByName(tags[0].ResID, used));
    EXPECT_EQ(used.RelatedServices, (std::vector<TagServiceLink>{MakeIntPair(105, 0)}));

    const struct {
        const char* name;
        const char* command;
        const char* scanRate;
        const char* total;
        const char* start;
        QStringList messages;
    } cases[] = {
        {"a name taken in other case", "POLL", "1000", "2", "0", {FormatItemErrorLine("Command Name")}},
        {"scan rate 0", "B", "0", "2", "0", {scanRateLine("0")}},
        {"scan rate 60001", "B", "60001", "2", "0", {scanRateLine("60001")}},
        {"total above its limit", "B", "1000", "3", "0", {FormatLangString(872, 2, 2) + "\r\n"}},
        {"past the last address", "B", "1000", "2", "65535", {FormatRangeErrorLine("Start Address", 0, 65534)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialog->item<CListCtrlEx>(kListCommands)->clearSelection();
        choose(Function::ReadHoldingRegisters, QString::fromUtf8(c.start), tags);
        SetControl(*dialog, {kEditName, QString::fromUtf8(c.command)});
        SetControl(*dialog, {kEditScanRate, QString::fromUtf8(c.scanRate)});
        SetControl(*dialog, {kEditTotal, QString::fromUtf8(c.total)});
        harness.Forget();
        dialog->AddCommand();
        EXPECT_EQ(messages(), c.messages);
        EXPECT_EQ(stored().size(), 1);
    }
}

// Commands "A" (two 16-bit tags) and "B" (one 32-bit tag) stored through the dialog.
class ExternalDeviceCommandsTest : public ExternalDeviceDialogTest {
protected:
    void SetUp() override
    {
        ExternalDeviceDialogTest::SetUp();
        tagsA = AddTags(harness.model(), "RegA", 5, 2);
        tagsB = AddTags(harness.model(), "RegB", 4, 1);
        add("A", tagsA);
        add("B", tagsB);
        ASSERT_EQ(stored().size(), 2);
        harness.Forget();
    }
    void add(const char* name, const std::vector<TagRecord>& tags)
    {
        commandList().clearSelection();
        choose(Function::ReadHoldingRegisters, "0", tags);
        SetControl(*dialog, {kEditName, QString::fromUtf8(name)});
        dialog->AddCommand();
    }
    CListCtrlEx& commandList() { return *dialog->item<CListCtrlEx>(kListCommands); }
    QStringList storedNames()
    {
        QStringList names;
        for (const MODBUS_COMMAND_SETTINGS& command : stored())
            names << command.Name;
        return names;
    }
    std::vector<TagServiceLink> usesOf(const TagRecord& tag)
    {
        TagRecord found;
        EXPECT_TRUE(harness.model().FindTagByName(tag.ResID, found));
        return found.RelatedServices;
    }
    QString logLine(unsigned id, std::optional<int> row = {})
    {
        const QString prefix = LoadLangString(639) + " " + harness.model().GetResourceName(105);
        return row ? FormatLangString(id, prefix, *row) : FormatLangString(id, prefix);
    }

    std::vector<TagRecord> tagsA;
    std::vector<TagRecord> tagsB;
};

TEST_F(ExternalDeviceCommandsTest, ModifyRefusesWithoutASelectedCommandOrWithATakenName)
{
    const struct {
        const char* name;
        QList<int> rows;
        const char* newName;
        QStringList messages;
    } cases[] = {
        {"no command selected", {}, "C", {LoadLangString(613)}},
        {"the other command's name in other case", {1}, "a", {FormatItemErrorLine("Command Name")}},
        {"an empty name", {0}, "", {FormatInvalidItemLine("Command Name")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SelectListRows(commandList(), c.rows);
        SetControl(*dialog, {kEditName, QString::fromUtf8(c.newName)});
        harness.Forget();
        EXPECT_FALSE(dialog->ModifyCommand());
        EXPECT_EQ(messages(), c.messages);
        EXPECT_EQ(storedNames(), (QStringList{"A", "B"}));
        EXPECT_TRUE(harness.host().logLines().isEmpty());
    }
}

TEST_F(ExternalDeviceCommandsTest, ModifyStoresTheFieldsAndMovesTheTagUses)
{
    SelectListRows(commandList(), {0});
    SetControl(*dialog, {kEditName, QStringLiteral("a")}); // its own name in other case
    SetControl(*dialog, {kEditScanRate, QStringLiteral("250")});
    const auto replacing = AddTags(harness.model(), "RegC", 4, 2);
    dialog->SetChosenTags(replacing); // another data type: replaces the command's tags
    harness.Forget();
    ASSERT_TRUE(dialog->ModifyCommand());
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(storedNames(), (QStringList{"a", "B"}));
    EXPECT_EQ(stored()[0].ScanRate, 250);
    EXPECT_EQ(stored()[0].TotalLength, 4);
    ASSERT_EQ(stored()[0].Resources.size(), 2);
    EXPECT_EQ(stored()[0].Resources[1].ResID, replacing[1].ResID);
    EXPECT_EQ(stored()[0].Resources[1].ReferenceAddress, 40003);
    EXPECT_TRUE(usesOf(tagsA[0]).empty());
    EXPECT_EQ(usesOf(replacing[0]), (std::vector<TagServiceLink>{MakeIntPair(105, 0)}));
    EXPECT_EQ(Column(commandList(), 1), (QStringList{"a", "B"}));
    EXPECT_EQ(commandList().GetSelectedRows(), QList<int>{0});
    EXPECT_EQ(harness.host().logLines(), QStringList{logLine(618, 1)});
}

TEST_F(ExternalDeviceCommandsTest, DeleteReleasesTheTagsAndSelectsWhatIsLeft)
{
    const struct {
        const char* name;
        QList<int> rows;
        QStringList namesAfter;
        QStringList messages;
        QString nameShown; // the command shown after
    } cases[] = {
        {"no command selected", {}, {"A", "B"}, {LoadLangString(613)}, QString()},
        {"the first: the next takes its row", {0}, {"B"}, {}, "B"},
        {"the last command: the fields are cleared", {0}, {}, {}, QString()},
        {"an empty list", {}, {}, {LoadLangString(614)}, QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SelectListRows(commandList(), c.rows);
        harness.Forget();
        EXPECT_EQ(dialog->DeleteCommand(), c.messages.isEmpty());
        EXPECT_EQ(messages(), c.messages);
        EXPECT_EQ(storedNames(), c.namesAfter);
        EXPECT_EQ(Column(commandList(), 1), c.namesAfter);
        EXPECT_EQ(dialog->itemText(kEditName), c.nameShown);
        EXPECT_EQ(harness.host().logLines(), c.messages.isEmpty() ? QStringList{logLine(619)} : QStringList{});
    }
    EXPECT_TRUE(usesOf(tagsA[1]).empty());
    EXPECT_TRUE(usesOf(tagsB[0]).empty());
    EXPECT_TRUE(dialog->ChosenTags().empty());
    EXPECT_EQ(dialog->itemText(kEditTotal), "1");
}

} // namespace

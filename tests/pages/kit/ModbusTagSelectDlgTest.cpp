// The Modbus master's tag chooser: the coil or register data types of its object kind, and the
// tags of the allowed resource types by the chosen type.
#include "CListCtrlEx.h"
#include "CModbusTagSelectDlg.h"
#include "CTagSelectDlgIds.h"
#include "TagDialogTestFixture.h"
#include "TypeIds.h"

#include <QComboBox>

namespace {

constexpr int kCoils = 1;
constexpr int kRegisters = 3;
const std::vector<int> kAllowed = {ChannelType::DigitalInput, ChannelType::AnalogInput};

class ModbusTagSelectDlgTest : public TagDialogTest {
protected:
    void SetUp() override
    {
        TagDialogTest::SetUp();
        MakeProject(model, false, 3);
        model.AppendTag(MakeTag("Switch", ChannelType::DigitalInput, "1.0.1", 1));  // BOOL: 0
        model.AppendTag(MakeTag("Level", ChannelType::AnalogInput, "2.0.2", 4));    // LONG: 3
        model.AppendTag(MakeTag("Relay", ChannelType::DigitalOutput, "1.1.3", 10)); // not allowed
        model.AppendTag(MakeTag("Count", ChannelType::DigitalInput, "1.2.1", 13));  // LONG: 3
        model.AppendTag(MakeTag("Flow", ChannelType::AnalogInput, "2.1.2", 3));     // FLOAT: 7
    }

    struct Shown {
        QStringList types;
        int current;
        QStringList tags;
    };

    Shown open(int objectKind, int typeIndex)
    {
        CModbusTagSelectDlg dialog(model, &log, true, kAllowed, ServiceId::ModbusMaster, objectKind, typeIndex);
        EXPECT_TRUE(dialog.Create());
        auto* combo = dialog.item<QComboBox>(kComboTagFilterKind);
        return {ComboTexts(combo), combo->currentIndex(), TagNames(dialog.GetShownTags())};
    }
};

TEST_F(ModbusTagSelectDlgTest, CoilKindsTakeTheCoilTypesAndHigherKindsTheRegisterTypes)
{
    const struct {
        const char* label;
        int kind;
        int typeIndex;
        QStringList types;
        int current;
        QStringList tags;
    } cases[] = {
        {"coil, last BOOL entry wins", 2, 0, {"BOOL", "BOOL"}, 1, {"Switch"}},
        {"coil kind 0", 0, 0, {"BOOL", "BOOL"}, 1, {"Switch"}},
        {"registers, last LONG entry wins",
         kRegisters,
         3,
         {"SHORT", "LONG", "FLOAT", "LONG", "EXTRA"},
         3,
         {"Level", "Count"}},
        {"registers, no entry of the type", kRegisters, 5, {"SHORT", "LONG", "FLOAT", "LONG", "EXTRA"}, 0, {}},
        {"registers, float", 7, 7, {"SHORT", "LONG", "FLOAT", "LONG", "EXTRA"}, 2, {"Flow"}},
    };
    for (const auto& c : cases) {
        const Shown shown = open(c.kind, c.typeIndex);
        EXPECT_EQ(shown.types, c.types) << c.label;
        EXPECT_EQ(shown.current, c.current) << c.label;
        EXPECT_EQ(shown.tags, c.tags) << c.label;
    }
}

TEST_F(ModbusTagSelectDlgTest, ANameBeyondTheIndexListListsNoTags)
{
    CModbusTagSelectDlg dialog(model, &log, true, kAllowed, ServiceId::ModbusMaster, kRegisters, 3);
    ASSERT_TRUE(dialog.Create());
    auto* combo = dialog.item<QComboBox>(kComboTagFilterKind);
    ASSERT_EQ(combo->count(), 5);
    EXPECT_EQ(combo->itemData(4).toInt(), CModbusTagSelectDlg::kNoTypeIndex);
    combo->setCurrentIndex(4);
    EXPECT_TRUE(dialog.GetShownTags().empty());
    EXPECT_FALSE(dialog.control(IDOK)->isEnabled());
}

TEST_F(ModbusTagSelectDlgTest, IecModeNamesTheTypesInIecForm)
{
    model.SetIECMode(1);
    const Shown shown = open(kRegisters, 3);
    EXPECT_EQ(shown.types, (QStringList{"INT", "DINT", "REAL"}));
    EXPECT_EQ(shown.current, 1);
    EXPECT_EQ(shown.tags, (QStringList{"Level", "Count"}));
}

TEST_F(ModbusTagSelectDlgTest, WithoutDefaultSettingsTheChooserOffersNothing)
{
    UseDefaultSettings(nullptr);
    const Shown shown = open(kRegisters, 3);
    EXPECT_TRUE(shown.types.isEmpty());
    EXPECT_EQ(shown.current, -1);
    EXPECT_TRUE(shown.tags.isEmpty());
}

TEST_F(ModbusTagSelectDlgTest, AbsentKeysGiveOneEmptyNameOfTypeIndexZero)
{
    UseDefaultSettings("[Tag]\nDataType=BOOL\n");
    CModbusTagSelectDlg dialog(model, &log, true, kAllowed, ServiceId::ModbusMaster, kCoils, 0);
    ASSERT_TRUE(dialog.Create());
    auto* combo = dialog.item<QComboBox>(kComboTagFilterKind);
    EXPECT_EQ(ComboTexts(combo), QStringList{QString()});
    EXPECT_EQ(ComboData(combo), QList<int>{0});
    EXPECT_EQ(TagNames(dialog.GetShownTags()), QStringList{"Switch"});
}

TEST_F(ModbusTagSelectDlgTest, AddAllSendsEveryRowAndEndsWithOK)
{
    CModbusTagSelectDlg dialog(model, &log, true, kAllowed, ServiceId::ModbusMaster, kRegisters, 3);
    QList<QStringList> batches;
    QObject::connect(&dialog, &CTagChooserDlg::TagsSelected,
                     [&batches](const std::vector<TagRecord>& tags) { batches.append(TagNames(tags)); });
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    SaveScreenshot(dialog, "ModbusTagSelectDlg.png");
    Click(dialog.control(kButtonTagAddAll));
    EXPECT_EQ(batches, QList<QStringList>{(QStringList{"Level", "Count"})});
    EXPECT_EQ(dialog.result(), IDOK);
}

} // namespace

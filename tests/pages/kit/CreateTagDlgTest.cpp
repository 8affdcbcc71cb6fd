// The create-tag dialog: a tag from a definition, and the modal choice of a resource for a profile.
#include "CCreateTagDlg.h"
#include "CCreateTagDlgIds.h"
#include "LanguagePack.h"
#include "TagDialogStrings.h"
#include "TagDialogTestFixture.h"
#include "TypeIds.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr int kWritableUShortRegister = 1512;
constexpr int kReadableFloatRegister = 1503;
constexpr int kReadDirectionItem = 0;

TEST(CreateTagDlgTemplateTest, EveryControlIdIsInTheTemplateWithItsType)
{
    ExpectControlsInTemplate(kTemplateCreateTag, kCreateTagControls);
}

TEST_F(TagDialogTest, ADefinitionBecomesOneTagWithItsNumbersAndOnlyOnce)
{
    TagDefinition definition;
    definition.Name = QStringLiteral("Log_0_Trigger");
    definition.ResourceText = QStringLiteral("0.0.114");
    definition.TagType = 4;
    definition.DNP3TagType = 2;
    definition.IsInput = 1;
    CCreateTagDlg dialog(0, QStringLiteral("Data Logging"), ServiceId::DataLogging, 0, definition,
                         QStringLiteral("0.114"), model);

    EXPECT_EQ(dialog.AddTagToProject(), 1);
    EXPECT_EQ(dialog.AddTagToProject(), 0);

    std::vector<TagRecord> tags;
    model.GetTagList(tags, 1, 0);
    ASSERT_EQ(tags.size(), 1u);
    const TagRecord& tag = tags.front();
    EXPECT_EQ(tag.TagName, definition.Name);
    EXPECT_EQ(tag.SecondText, definition.Name);
    EXPECT_EQ(tag.ChannelTypeAlias, QStringLiteral("Data Logging"));
    EXPECT_EQ(tag.ChannelTypeId, ServiceId::DataLogging);
    EXPECT_EQ(tag.ResID, definition.ResourceText);
    EXPECT_EQ(tag.DataTypeCode, 4);
    EXPECT_EQ(tag.Dnp3PointType, 2);
    EXPECT_EQ(tag.Direction, 1);
}

// A project whose slot 0 offers the writable unsigned-short registers (data-type code 12).
class CreateTagProfileTest : public TagDialogTest {
protected:
    void SetUp() override
    {
        TagDialogTest::SetUp();
        MakeProject(model, false, 3);
        model.AppendSlotChannelGroup(0, QStringLiteral("IR"), kWritableUShortRegister);
        model.AddResourceName(kWritableUShortRegister, QStringLiteral("Internal UShort (write)"));
    }

    // Slot 0, the register type, the direction item, the first channel and item, then the name.
    void choose(CCreateTagDlg& dialog, int directionItem, const char* name)
    {
        ASSERT_TRUE(dialog.Create());
        ASSERT_TRUE(PickData(dialog.item<QComboBox>(kComboCreateTagSlot), 0));
        ASSERT_TRUE(PickData(dialog.item<QComboBox>(kComboCreateTagType), kWritableUShortRegister));
        dialog.item<QComboBox>(kComboCreateTagDirection)->setCurrentIndex(directionItem);
        dialog.item<QComboBox>(kComboCreateTagChannel)->setCurrentIndex(0);
        dialog.item<QLineEdit>(kEditCreateTagName)->setText(QString::fromUtf8(name));
    }

    CCreateTagDlg::Selectors selectors{{12}, {}, false};
};

TEST_F(CreateTagProfileTest, AReadableChoiceOfAWritableRegisterTypeCreatesItsReadableTwin)
{
    CCreateTagDlg dialog(selectors, model);
    choose(dialog, kReadDirectionItem, "Level");
    EXPECT_EQ(ComboTexts(dialog.item<QComboBox>(kComboCreateTagItem)), QStringList{QStringLiteral("IR_FLOAT")});
    dialog.item<QLineEdit>(kEditCreateTagAlias)->setText(QStringLiteral("Tank level"));
    Click(dialog.control(IDOK));

    EXPECT_EQ(dialog.result(), IDOK);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join('|').toStdString();
    EXPECT_EQ(dialog.GetCreatedTagName(), QStringLiteral("Level"));
    TagRecord tag;
    ASSERT_EQ(model.LookupTagByName(QStringLiteral("Level"), tag), 1);
    EXPECT_EQ(tag.ChannelTypeId, kReadableFloatRegister);
    EXPECT_EQ(tag.ResID, QStringLiteral("0.0.2.0.2"));
    EXPECT_EQ(tag.SecondText, QStringLiteral("Tank level"));
    EXPECT_EQ(tag.DataTypeCode, kReadableFloatRegister - RegisterType::Base);
    std::vector<InternalVariableRecord> registers;
    model.GetResourceTypeList(kReadableFloatRegister - RegisterType::Base, registers);
    ASSERT_EQ(registers.size(), 1u);
    EXPECT_EQ(registers.front().Definition.ResourceText, tag.ResID);
}

TEST_F(CreateTagProfileTest, OnlyWritableRegisterTypesTurnIntoTheirReadableTwins)
{
    model.AppendSlotChannelGroup(0, QStringLiteral("IR"), kReadableFloatRegister);
    UseDefaultSettings("[TagIOType]\nCONTENT_C=Read,Write\n");             // no [IR] list: the new register has no name
    CCreateTagDlg dialog(CCreateTagDlg::Selectors{{}, {2}, false}, model); // analog inputs
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(PickData(dialog.item<QComboBox>(kComboCreateTagSlot), 0));
    ASSERT_TRUE(PickData(dialog.item<QComboBox>(kComboCreateTagType), kReadableFloatRegister));
    dialog.item<QComboBox>(kComboCreateTagDirection)->setCurrentIndex(kReadDirectionItem);
    dialog.item<QComboBox>(kComboCreateTagChannel)->setCurrentIndex(0);
    EXPECT_EQ(ComboTexts(dialog.item<QComboBox>(kComboCreateTagItem)), QStringList{QString()});
    dialog.item<QLineEdit>(kEditCreateTagName)->setText(QStringLiteral("Level"));
    Click(dialog.control(IDOK));
    TagRecord tag;
    ASSERT_EQ(model.LookupTagByName(QStringLiteral("Level"), tag), 1);
    EXPECT_EQ(tag.ChannelTypeId, kReadableFloatRegister);
    EXPECT_EQ(tag.ResID, QStringLiteral("0.0.2.0.0"));
}

TEST_F(CreateTagProfileTest, RefusedNamesAndTakenAddressesKeepTheDialogOpen)
{
    model.AppendTag(MakeTag("Pump", ChannelType::DigitalInput, "1.0.1", 1));
    const struct {
        const char* label;
        const char* name;
        const char* takenAddress;
        unsigned stringId;
    } cases[] = {
        {"a blank", "Pump 1", nullptr, kStringTagNameCharacters},
        {"a hyphen", "Pump-1", nullptr, kStringTagNameCharacters},
        {"no name", "", nullptr, kStringTagChoiceMissing},
        {"the name in other case", "PUMP", nullptr, kStringTagNameTaken},
        {"the address in use", "Fresh", "0.0.2.1.2", kStringTagAddressTaken},
    };
    for (const auto& c : cases) {
        boxes.Clear();
        if (c.takenAddress)
            model.AppendTag(MakeTag("Holder", kWritableUShortRegister, c.takenAddress, 12));
        CCreateTagDlg dialog(selectors, model);
        choose(dialog, 1, c.name);
        dialog.show();
        Click(dialog.control(IDOK));
        EXPECT_EQ(boxes.texts(), QStringList{LoadLangString(c.stringId)}) << c.label;
        EXPECT_TRUE(dialog.isVisible()) << c.label;
        EXPECT_TRUE(dialog.GetCreatedTagName().isEmpty()) << c.label;
    }
    EXPECT_EQ(boxes.boxes().size(), 1);
    std::vector<TagRecord> tags;
    model.GetTagList(tags, 1, 0);
    EXPECT_EQ(TagNames(tags), (QStringList{QStringLiteral("Pump"), QStringLiteral("Holder")}));
}

TEST_F(CreateTagProfileTest, AMissingChoiceIsNamedWithTheDialogsCaption)
{
    CCreateTagDlg dialog(selectors, model);
    ASSERT_TRUE(dialog.Create());
    dialog.item<QLineEdit>(kEditCreateTagName)->setText(QStringLiteral("Level"));
    Click(dialog.control(IDOK));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().front().text, LoadLangString(kStringTagChoiceMissing));
    EXPECT_EQ(boxes.boxes().front().caption, LoadLangString(kStringCreateTagCaption));
}

TEST_F(CreateTagProfileTest, TheDirectionListFollowsTheProjectModeAndTheRestriction)
{
    {
        CCreateTagDlg dialog(selectors, model);
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(dialog.itemText(kLabelCreateTagDirection), QStringLiteral("Direction (C):"));
        EXPECT_EQ(dialog.item<QComboBox>(kComboCreateTagDirection)->currentIndex(), 1);
        EXPECT_TRUE(dialog.item<QComboBox>(kComboCreateTagDirection)->isEnabled());
        EXPECT_EQ(ComboData(dialog.item<QComboBox>(kComboCreateTagSlot)), QList<int>{0});
    }
    model.SetIECMode(1);
    for (int firstType : {1, 3}) {
        CCreateTagDlg dialog(CCreateTagDlg::Selectors{{}, {firstType}, true}, model);
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(dialog.itemText(kLabelCreateTagDirection), QStringLiteral("Direction (IEC):"));
        EXPECT_EQ(dialog.item<QComboBox>(kComboCreateTagDirection)->currentIndex(), firstType == 1 ? 0 : 1);
        EXPECT_FALSE(dialog.item<QComboBox>(kComboCreateTagDirection)->isEnabled());
    }
}

TEST_F(CreateTagProfileTest, AResourceWithoutChannelsNeedsNoChannelChoiceAndReportsAnEmptyItemList)
{
    TagDefinition written;
    written.Name = QStringLiteral("Watchdog");
    written.ResourceText = QStringLiteral("0.65535.7");
    written.ResType = 7;
    written.TagType = 6;
    TagDefinition taken = written;
    taken.Name = QStringLiteral("Clock");
    taken.TagUseFlag = 1;
    model.SetSystemVariables(QStringLiteral("System"), 2, 0, {taken, written}, 0);
    model.AppendSlotChannelGroup(0, QStringLiteral("SYS"), ChannelType::SystemVariables);
    const CCreateTagDlg::Selectors systemCodes{{6}, {}, false};

    CCreateTagDlg dialog(systemCodes, model);
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(PickData(dialog.item<QComboBox>(kComboCreateTagSlot), 0));
    ASSERT_TRUE(PickData(dialog.item<QComboBox>(kComboCreateTagType), ChannelType::SystemVariables));
    EXPECT_FALSE(dialog.item<QComboBox>(kComboCreateTagChannel)->isEnabled());
    EXPECT_EQ(ComboTexts(dialog.item<QComboBox>(kComboCreateTagItem)), QStringList{QStringLiteral("Watchdog")});
    dialog.item<QComboBox>(kComboCreateTagItem)->setCurrentIndex(0);
    dialog.item<QLineEdit>(kEditCreateTagName)->setText(QStringLiteral("Dog"));
    Click(dialog.control(IDOK));
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join('|').toStdString();
    TagRecord tag;
    ASSERT_EQ(model.LookupTagByName(QStringLiteral("Dog"), tag), 1);
    EXPECT_EQ(tag.ResID, written.ResourceText);
    EXPECT_EQ(tag.ChannelIndex, kNoChannelIndex);

    // Readable: nothing to offer, which the dialog says at once.
    CCreateTagDlg readable(systemCodes, model);
    ASSERT_TRUE(readable.Create());
    readable.item<QComboBox>(kComboCreateTagDirection)->setCurrentIndex(kReadDirectionItem);
    ASSERT_TRUE(PickData(readable.item<QComboBox>(kComboCreateTagSlot), 0));
    ASSERT_TRUE(PickData(readable.item<QComboBox>(kComboCreateTagType), ChannelType::SystemVariables));
    EXPECT_EQ(boxes.texts(), QStringList{LoadLangString(kStringNoResourceItem)});
}

TEST_F(CreateTagProfileTest, Screenshot)
{
    CCreateTagDlg dialog(selectors, model);
    choose(dialog, 1, "Level");
    dialog.show();
    SaveScreenshot(dialog, "CreateTagDlg.png");
}

} // namespace

// Modules added from the shipped module templates to free slots: records, channel groups, tags,
// the slot labels and the port-trunk mode.
#include "TemplatePlacerFixture.h"

#include "LanguagePack.h"
#include "TypeIds.h"

#include <gtest/gtest.h>

using namespace PlacerFixture;

namespace {

class ModuleTemplateTest : public testing::Test {
protected:
    void NewProject(const char* model, int slotCount = 0)
    {
        NewProjectChoice choice;
        choice.ModelName = QString::fromUtf8(model);
        choice.SlotCount = slotCount;
        ASSERT_TRUE(placer_.BuildNewProject(choice));
        baseTags_ = static_cast<int>(model_.Tags.size());
    }

    int NewTags() const { return static_cast<int>(model_.Tags.size()) - baseTags_; }

    RecordingMessageBoxService boxes_;
    ScopedMessageBoxService scopedBoxes_{boxes_};
    CDataCenter model_;
    RecordingTree tree_;
    CTemplatePlacer placer_{model_, &tree_};
    int baseTags_ = 0;
};

std::vector<ChannelGroupEntry> groupsOf(const CDataCenter& model, int slot)
{
    std::vector<ChannelGroupEntry> groups;
    model.GetSlotChannelGroups(slot, groups);
    return groups;
}

// Every module template into slot 3 of a project of its series (a power module into slot 15):
// its groups, the tags of each channel's mode 0 (and of the modes that always have tags) and the
// module-level tags, named by slot, group alias and channel.
TEST_F(ModuleTemplateTest, EveryModuleTemplateTakesAFreeSlot)
{
    const struct {
        const char* module;
        const char* product;
        int slot;
        std::vector<ChannelGroupEntry> groups;
        int tags;
        const char* firstTag;
        const char* lastTag;
    } cases[] = {
        {"41M-2116-T", "ulTEK 4100-CPU15-C-T", 3, {{"DI", 1003}}, 16, "S3_DI0_Value", "S3_DI15_Value"},
        {"41M-2416-T", "ulTEK 4100-CPU15-C-T", 3, {{"DI", 1003}}, 18, "S3_DI0_Value", "S3_ExtPower1"},
        {"41M-2216-T", "ulTEK 4100-CPU15-C-T", 3, {{"DO", 1006}}, 16, "S3_DO0_Value", "S3_DO15_Value"},
        {"41M-2308-T", "ulTEK 4100-CPU15-C-T", 3, {{"RL", 1012}}, 24, "S3_RL0_Value", "S3_RL7_RelayCountClear"},
        {"41M-2816-T", "ulTEK 4100-CPU15-C-T", 3, {{"DIO", 1005}}, 16, "S3_DIO0_Value", "S3_DIO15_Value"},
        {"41M-5470-T", "ulTEK 4100-CPU15-C-T", 3, {{"AI", 1008}}, 40, "S3_AI0_Value", "S3_AI7_RawValue"},
        {"41M-5480-T", "ulTEK 4100-CPU15-C-T", 3, {{"HART", 1019}}, 40, "S3_HART0_Value", "S3_HART7_RawValue"},
        {"41M-5430-T", "ulTEK 4100-CPU15-C-T", 3, {{"HSAI", 1014}}, 20, "S3_HSAI0_Value", "S3_HSAI3_RawValue"},
        {"41M-5404-T", "ulTEK 4100-CPU15-C-T", 3, {{"AO", 1009}}, 16, "S3_AO0_Value", "S3_AO3_MaxValue"},
        {"41M-5308-T", "ulTEK 4100-CPU15-C-T", 3, {{"TC", 1010}}, 40, "S3_TC0_Value", "S3_TC7_ColdJunction"},
        {"41M-5506-T", "ulTEK 4100-CPU15-C-T", 3, {{"RTD", 1011}}, 24, "S3_RTD0_Value", "S3_RTD5_MaxValue"},
        {"41M-3304-T", "ulTEK 4100-CPU15-C-T", 3, {{"COM", 1000}}, 0, nullptr, nullptr},
        {"41M-3302U-T", "ulTEK 4100-CPU15-C-T", 3, {{"PT", 1017}, {"COM", 1000}}, 0, nullptr, nullptr},
        {"41M-3602-T", "ulTEK 4100-CPU15-C-T", 3, {{"CAN", 1016}}, 0, nullptr, nullptr},
        {"41M-3320M-T", "ulTEK 4100-CPU15-C-T", 3, {{"SW", 1018}}, 0, nullptr, nullptr},
        {"41M-6720-T", "ulTEK 4100-CPU15-C-T", 3, {{"CELL", 1002}}, 6, "S3_CELL_SignalLevel", "S3_CELL_Conn"},
        {"42M-2116", "ulTEK 4200-9-C-T", 3, {{"DI", 1003}}, 16, "S3_DI0_Value", "S3_DI15_Value"},
        {"42M-2216", "ulTEK 4200-9-C-T", 3, {{"DO", 1006}}, 16, "S3_DO0_Value", "S3_DO15_Value"},
        {"42M-2308", "ulTEK 4200-9-C-T", 3, {{"RL", 1012}}, 24, "S3_RL0_Value", "S3_RL7_RelayCountClear"},
        {"42M-2816", "ulTEK 4200-9-C-T", 3, {{"DIO", 1005}}, 16, "S3_DIO0_Value", "S3_DIO15_Value"},
        {"42M-5470", "ulTEK 4200-9-C-T", 3, {{"AI", 1008}}, 40, "S3_AI0_Value", "S3_AI7_RawValue"},
        {"42M-5480", "ulTEK 4200-9-C-T", 3, {{"HART", 1019}}, 30, "S3_HART0_Value", "S3_HART5_RawValue"},
        {"42M-5404", "ulTEK 4200-9-C-T", 3, {{"AO", 1009}}, 16, "S3_AO0_Value", "S3_AO3_MaxValue"},
        {"42M-5308", "ulTEK 4200-9-C-T", 3, {{"TC", 1010}}, 40, "S3_TC0_Value", "S3_TC7_ColdJunction"},
        {"42M-5506", "ulTEK 4200-9-C-T", 3, {{"RTD", 1011}}, 24, "S3_RTD0_Value", "S3_RTD5_MaxValue"},
        {"42M-3304", "ulTEK 4200-9-C-T", 3, {{"COM", 1000}}, 0, nullptr, nullptr},
        {"42M-3602", "ulTEK 4200-9-C-T", 3, {{"CAN", 1016}}, 0, nullptr, nullptr},
        {"ulTEK 4100-PK1-15W-T", "ulTEK 4100-CPU15-C-T", 15, {{"PWR", 1015}}, 4, "S0_PWR_Input1", "S0_PWR_Alarm2"},
        {"ulTEK 4100-PK1-30W-T", "ulTEK 4100-CPU15-C-T", 15, {{"PWR", 1015}}, 4, "S0_PWR_Input1", "S0_PWR_Alarm2"},
        {"ulTEK 4100-PK2-50W-T", "ulTEK 4100-CPU15-C-T", 15, {{"PWR", 1015}}, 4, "S0_PWR_Input1", "S0_PWR_Alarm2"},
    };
    for (const auto& c : cases) {
        CDataCenter model;
        CTemplatePlacer placer(model);
        NewProjectChoice choice;
        choice.ModelName = QString::fromUtf8(c.product);
        choice.SlotCount = 12;
        ASSERT_TRUE(placer.BuildNewProject(choice)) << c.module;
        const int before = static_cast<int>(model.Tags.size());
        ASSERT_TRUE(placer.AddModuleFromTemplate(QString::fromUtf8(c.module), c.slot)) << c.module;

        EXPECT_EQ(model.GetSlotName(c.slot), QString::fromUtf8(c.module)) << c.module;
        EXPECT_TRUE(model.GetSlotApid(c.slot).startsWith("0x80")) << c.module;
        EXPECT_EQ(model.IsSlotUsed(c.slot) != 0, c.slot != CTemplatePlacer::kPowerSlot) << c.module;
        EXPECT_EQ(groupsOf(model, c.slot), c.groups) << c.module;
        const QStringList tags = TagNamesOfSlot(model, c.slot == CTemplatePlacer::kPowerSlot ? 15 : c.slot);
        EXPECT_EQ(static_cast<int>(model.Tags.size()) - before, c.tags) << c.module;
        EXPECT_EQ(tags.size(), c.tags) << c.module;
        if (c.firstTag) {
            EXPECT_EQ(tags.first(), QString::fromUtf8(c.firstTag)) << c.module;
            EXPECT_EQ(tags.last(), QString::fromUtf8(c.lastTag)) << c.module;
        }
        for (const TagRecord& tag : model.Tags) {
            if (tag.SlotIndex == c.slot) { // every generated tag is marked on the definition it came from
                EXPECT_EQ(model.GetTagNameByAddress(tag.ResID), tag.TagName) << c.module;
            }
        }
    }
}

TEST_F(ModuleTemplateTest, DigitalInputChannelsAreNamedAndAddressedByChannel)
{
    NewProject("ulTEK 4100-CPU15-C-T", 12);
    ASSERT_TRUE(placer_.AddModuleFromTemplate("41M-2116-T", 3));
    ModuleSlotRecord record;
    ASSERT_EQ(model_.GetDISetting(3, record), 1);
    ASSERT_EQ(record.Channels.size(), 16u);
    for (int channel = 0; channel < 16; ++channel) {
        const auto& definitions = record.Channels[static_cast<size_t>(channel)].TagDefinitions;
        ASSERT_EQ(definitions.size(), 6u) << channel;
        for (int position = 0; position < 6; ++position)
            EXPECT_EQ(definitions[static_cast<size_t>(position)].ResourceText,
                      QStringLiteral("3.%1.%2").arg(channel).arg(position));
        TagRecord tag;
        ASSERT_EQ(model_.FindTagByAddress(QStringLiteral("3.%1.0").arg(channel), tag), 1) << channel;
        EXPECT_EQ(tag.TagName, QStringLiteral("S3_DI%1_Value").arg(channel));
        EXPECT_EQ(tag.ChannelIndex, channel);
        EXPECT_EQ(definitions[0].BoundTagName, tag.TagName);
        EXPECT_EQ(definitions[1].TagUseFlag, 0); // the counter tags belong to mode 1
    }
    EXPECT_TRUE(model_.IsSlotUsed(3));
    EXPECT_EQ(model_.GetSlotMask(), (1 << 0) | (1 << 3));
    EXPECT_EQ(record.Channels[0].Setting.Filter, 1u);
    EXPECT_EQ(record.FilterUnit, "ms");
    EXPECT_EQ(record.FilterRange, (std::vector<quint32>{1, 1, 65535}));
}

TEST_F(ModuleTemplateTest, ModuleDefaultsComeFromTheShippedSettings)
{
    NewProject("ulTEK 4100-CPU15-C-T", 12);
    ASSERT_TRUE(placer_.AddModuleFromTemplate("41M-5470-T", 1));
    ASSERT_TRUE(placer_.AddModuleFromTemplate("41M-5404-T", 2));
    ASSERT_TRUE(placer_.AddModuleFromTemplate("41M-5308-T", 3));
    ASSERT_TRUE(placer_.AddModuleFromTemplate("41M-5430-T", 4));
    ASSERT_TRUE(placer_.AddModuleFromTemplate("41M-2308-T", 5));
    ASSERT_TRUE(placer_.AddModuleFromTemplate("41M-5480-T", 6));

    AISetting ai;
    ASSERT_EQ(model_.GetAISetting(1, ai), 1);
    EXPECT_EQ(ai.Channels[7].Setting.InputRange, 2); // 4-20mA
    EXPECT_EQ(ai.Channels[7].TagDefinitions[0].FloatMax, 20.0f);
    AOSetting ao;
    ASSERT_EQ(model_.GetAOSetting(2, ao), 1);
    EXPECT_EQ(ao.Channels[3].Setting.OutputRange, 0);
    EXPECT_EQ(ao.Channels[3].Setting.RangeMax, 20);
    EXPECT_EQ(ao.Channels[3].Setting.InitialValue, 4.0f) << "within the range as placed";
    TemperatureSetting tc;
    ASSERT_EQ(model_.GetTCSetting(3, tc), 1);
    EXPECT_EQ(tc.Channels[0].Setting.SensorType, 1); // K
    HighSpeedAISetting hsai;
    ASSERT_EQ(model_.GetHighSpeedAISetting(4, hsai), 1);
    EXPECT_EQ(hsai.SamplingNumbers, (std::vector<quint32>{5000, 1, 10000, 3})); // the module's APID line
    EXPECT_EQ(hsai.SamplingRate, 5000u);
    EXPECT_EQ(hsai.Channels[0].Setting.InputRange, 6);
    OutputModuleSlotRecord relay;
    ASSERT_EQ(model_.GetRelaySetting(5, relay), 1);
    EXPECT_EQ(relay.Channels[0].Setting.Frequency, 0.5);
    HARTAISetting hart;
    ASSERT_EQ(model_.GetHARTAISetting(6, hart), 1);
    EXPECT_EQ(hart.SensorTagCount, 5);
    EXPECT_EQ(hart.Channels[7].SensorTagDefinitions.size(), 25u);
    EXPECT_EQ(hart.Channels[7].Setting.InputRange, 2);
}

TEST_F(ModuleTemplateTest, HighVoltageModuleKeepsItsExternalPowerTags)
{
    NewProject("ulTEK 4100-CPU15-C-T", 12);
    ASSERT_TRUE(placer_.AddModuleFromTemplate("41M-2416-T", 4));
    ModuleSlotRecord record;
    ASSERT_EQ(model_.GetDISetting(4, record), 1);
    EXPECT_EQ(record.HighVoltage, 1);
    ASSERT_EQ(record.ExternalPowerTags.size(), 2u);
    EXPECT_EQ(record.ExternalPowerTags[1].ResourceText, "4.1.100");
    EXPECT_EQ(record.ChannelTemplate.TagNames[1], (TagNameEntry{"ExtPower1", 0, 8, 15}));
    EXPECT_EQ(record.TemplatePresent, 1);
    TagRecord tag;
    ASSERT_EQ(model_.FindTagByAddress("4.1.100", tag), 1);
    EXPECT_EQ(tag.TagName, "S4_ExtPower1");
    EXPECT_EQ(record.ChannelTemplate.Definitions[1].BoundTagName, "S4_ExtPower1");
}

TEST_F(ModuleTemplateTest, SlotLabelsAndTheModuleNodes)
{
    NewProject("ulTEK 4100-CPU15-C-T", 12);
    ASSERT_TRUE(placer_.AddModuleFromTemplate("ulTEK 4100-PK2-50W-T", 15));
    ASSERT_TRUE(placer_.AddModuleFromTemplate("41M-2116-T", 12));
    ASSERT_TRUE(placer_.AddModuleFromTemplate("ulTEK 4100-PK1-15W-T", 9));
    const struct {
        int slot;
        const char* label;
    } cases[] = {
        {15, "Slot 0(PWR): ulTEK 4100-PK2-50W-T"},
        {12, "Slot 12: 41M-2116-T"},
        {9, "Slot 9: ulTEK 4100-PK1-15W-T"}, // only the power slot reads PWR
    };
    const auto deviceNode = tree_.FindTopNodeByElementName("DeviceCfg");
    for (const auto& c : cases) {
        EXPECT_EQ(CTemplatePlacer::SlotLabel(model_.GetSlotName(c.slot), c.slot), QString::fromUtf8(c.label));
        const auto node = tree_.SlotNode(c.slot);
        ASSERT_NE(node, ITemplatePlacerObserver::kTopLevel) << c.slot;
        EXPECT_EQ(tree_.At(node).label, QString::fromUtf8(c.label));
        EXPECT_EQ(tree_.At(node).parent, deviceNode) << c.slot;
    }
    // The DI page node below slot 12 carries what the page reads: slot, channels, tags per channel.
    const auto page = tree_.At(tree_.FirstChild(tree_.SlotNode(12))).info;
    EXPECT_EQ(page,
              (TemplateNodeInfo{"41M-2116-T", 201, "DI", "Digital Input", TemplateNodeInfo::kOtherNode, 12, 16, 6}));
    EXPECT_EQ(tree_.sortedParents.back(), deviceNode);
}

TEST_F(ModuleTemplateTest, OccupiedOrMissingSlotsTakeNoModule)
{
    NewProject("ulTEK 4200-5-C-T");
    ASSERT_TRUE(placer_.AddModuleFromTemplate("42M-2116", 2));
    const int tags = static_cast<int>(model_.Tags.size());
    const size_t records = model_.DISettings.size();
    for (int slot : {2, 0, 6, 15, -1}) {
        EXPECT_FALSE(placer_.AddModuleFromTemplate("42M-2216", slot)) << slot;
        EXPECT_EQ(static_cast<int>(model_.Tags.size()), tags) << slot;
        EXPECT_TRUE(model_.DOSettings.empty()) << slot;
    }
    EXPECT_EQ(model_.DISettings.size(), records);
    EXPECT_EQ(model_.GetSlotName(2), "42M-2116");
    EXPECT_TRUE(boxes_.boxes().isEmpty());

    // Once the module is removed, the slot takes another.
    model_.RemoveSlotModule(2, 1);
    model_.SetSlotUsed(2, 0);
    EXPECT_TRUE(placer_.AddModuleFromTemplate("42M-2216", 2));
    EXPECT_EQ(TagNamesOfSlot(model_, 2).first(), "S2_DO0_Value");
}

TEST_F(ModuleTemplateTest, MissingModuleTemplateChangesNothingAndNamesThePath)
{
    NewProject("ulTEK 4200-5-C-T");
    const int tags = static_cast<int>(model_.Tags.size());
    EXPECT_FALSE(placer_.AddModuleFromTemplate("42M-0000", 1));
    EXPECT_EQ(placer_.AddModuleToSlot("42M-0000", 1), 0);
    ASSERT_EQ(boxes_.texts().size(), 2);
    EXPECT_EQ(boxes_.texts().front(),
              "The file " + QDir::toNativeSeparators(ShippedTemplatePath(false, "42M-0000")) + " cannot be loaded.");
    EXPECT_EQ(static_cast<int>(model_.Tags.size()), tags);
    EXPECT_TRUE(model_.GetSlotName(1).isEmpty());
    EXPECT_FALSE(model_.IsSlotUsed(1));
}

TEST_F(ModuleTemplateTest, CellularModuleAsksForItsSettings)
{
    NewProject("ulTEK 4100-CPU15-C-T", 12);
    ASSERT_TRUE(placer_.AddModuleFromTemplate("41M-6720-T", 2));
    ASSERT_EQ(boxes_.texts().size(), 1);
    EXPECT_EQ(boxes_.texts().front(), LoadLangString(CTemplatePlacer::kStringCellularAdded));
    CellularRecord record;
    ASSERT_EQ(model_.GetCellularSetting(2, record), 1);
    EXPECT_EQ(record.ResSize, 6);
    EXPECT_EQ(record.TagDefinitions[5].ResourceText, "2.0.6.0.5");
    EXPECT_EQ(record.Config.AutoCheck.AutoCheckInterval, 30);

    ASSERT_TRUE(placer_.AddModuleFromTemplate("41M-2116-T", 3));
    EXPECT_EQ(boxes_.texts().size(), 1); // no further box for a module without a modem
}

// The port-trunk mode: a port-trunk module beside another, or in the lower slot of the pair the
// add-module dialog offers below the last slot (one lower when a switch module takes the last two).
TEST_F(ModuleTemplateTest, TwoAdjacentPortTrunkModulesRunInTwoWireTrunkMode)
{
    const struct {
        const char* label;
        std::vector<std::pair<const char*, int>> modules;
        int mode;
        const char* nodeText;
    } cases[] = {
        {"one module", {{"41M-3302U-T", 11}}, 0, "2 Wire"},
        {"pair as the dialog offers it", {{"41M-3302U-T", 11}, {"41M-3302U-T", 10}}, 1, "2 Wire Trunk"},
        {"pair in ascending order", {{"41M-3302U-T", 10}, {"41M-3302U-T", 11}}, 1, "2 Wire Trunk"},
        {"pair beside a switch", {{"41M-3320M-T", 11}, {"41M-3302U-T", 10}, {"41M-3302U-T", 9}}, 1, "2 Wire Trunk"},
        {"one beside a switch", {{"41M-3320M-T", 11}, {"41M-3302U-T", 10}}, 0, "2 Wire"},
        {"apart", {{"41M-3302U-T", 11}, {"41M-2116-T", 10}, {"41M-3302U-T", 5}}, 0, "2 Wire"},
        {"beside another anywhere", {{"41M-3302U-T", 4}, {"41M-3302U-T", 5}}, 1, "2 Wire Trunk"},
    };
    for (const auto& c : cases) {
        CDataCenter model;
        RecordingTree tree;
        CTemplatePlacer placer(model, &tree);
        NewProjectChoice choice;
        choice.ModelName = QStringLiteral("ulTEK 4100-CPU15-C-T");
        choice.SlotCount = 12;
        ASSERT_TRUE(placer.BuildNewProject(choice)) << c.label;
        for (const auto& [module, slot] : c.modules)
            ASSERT_TRUE(placer.AddModuleFromTemplate(QString::fromUtf8(module), slot)) << c.label;
        EXPECT_EQ(model.PortTrunkMode, c.mode) << c.label;
        for (const auto& [module, slot] : c.modules) {
            if (!IsPortTrunkModule(QString::fromUtf8(module)))
                continue;
            const auto first = tree.FirstChild(tree.SlotNode(slot));
            EXPECT_EQ(tree.At(first).info.FormId, ChannelType::PortTrunk) << c.label;
            EXPECT_EQ(tree.At(first).label, QString::fromUtf8(c.nodeText)) << c.label << ' ' << slot;
        }
    }
}

TEST_F(ModuleTemplateTest, NewProjectStartsInTwoWireMode)
{
    NewProject("ulTEK 4100-CPU15-C-T", 12);
    ASSERT_TRUE(placer_.AddModuleFromTemplate("41M-3302U-T", 11));
    ASSERT_TRUE(placer_.AddModuleFromTemplate("41M-3302U-T", 10));
    ASSERT_EQ(model_.PortTrunkMode, 1);
    tree_.nodes.clear();
    NewProject("ulTEK 4100-CPU15-C-T", 12);
    EXPECT_EQ(model_.PortTrunkMode, 0);
    ASSERT_TRUE(placer_.AddModuleFromTemplate("41M-3302U-T", 11));
    EXPECT_EQ(tree_.At(tree_.FirstChild(tree_.SlotNode(11))).label, "2 Wire");
}

} // namespace

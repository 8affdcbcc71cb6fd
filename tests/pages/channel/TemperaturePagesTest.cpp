// The RTD and thermocouple pages: sensor types and their ranges from DefaultSettings.ini in each
// unit, raw sensors, the offset rounded to one decimal and checked, several channels at once.
#include "CDevCfgRTD.h"
#include "CDevCfgTC.h"
#include "ChannelPageFixture.h"
#include "EditedDefaultSettings.h"
#include "LanguagePack.h"
#include "TextFormat.h"

#include <QComboBox>

using namespace ChannelFixture;

namespace {

constexpr PlacedModule kTC{12, "41M-5308-T", 208};
constexpr PlacedModule kRTD{1, "41M-5506-T", 209};
constexpr int kTCChannels = 8;
constexpr int kRTDChannels = 6;
// Raw sensors the tests add to the shipped sensor types.
const QList<EditedDefaultSettings::Edit> kRawSensors{
    {"TCSensorType", "mV", "-80,80,9,V"},
    {"TCSensorType", "41M-5308-T", "K,J,T,E,mV"},
    {"RTDSensorType", "Ohm", "0,4000,9,R"},
    {"RTDSensorType", "41M-5506-T", "PT100,PT1000,Ohm"},
};

// A project of one RTD module in slot 1.
bool BuildRTDProject(CDataCenter& model)
{
    NewProjectChoice choice;
    choice.ProjectName = QStringLiteral("RTD");
    choice.ModelName = QString::fromUtf8(kProductModel);
    choice.SlotCount = kSlotCount;
    choice.PowerModule = QStringLiteral("ulTEK 4100-PK2-50W-T");
    CTemplatePlacer placer(model);
    return placer.BuildNewProject(choice) && placer.AddModuleFromTemplate(QString::fromUtf8(kRTD.module), kRTD.slot);
}

TEST(TemperaturePageTemplates, EveryControlIsInTheTemplates)
{
    for (auto [templateId, ids] :
         {std::pair{RTDPage::kTemplate, RTDPage::kIds}, std::pair{TCPage::kTemplate, TCPage::kIds}}) {
        const ControlId controls[] = {ids.channelList,   ids.tagList,       ids.tagGroup,      ids.sensorType,
                                      ids.unitRadios[0], ids.unitRadios[1], ids.unitRadios[2], ids.offsetLabel,
                                      ids.offset,        ids.offsetRange,   ids.inputRange,    ids.apply};
        ExpectControlsMatchTemplate(templateId, controls);
    }
}

class TCPageTest : public ChannelPageTest<CDevCfgTC> {
protected:
    void ShowTC() { ShowPage(kTC, kTCChannels, 5); }
    TemperatureChannel Stored(int channel)
    {
        TemperatureSetting record;
        EXPECT_EQ(harness.model().GetTCSetting(kTC.slot, record), 1);
        return record.Channels.at(size_t(channel));
    }
    void ChooseSensor(const QString& name)
    {
        auto* combo = harness.page().item<QComboBox>(TCPage::kIds.sensorType);
        harness.Set({{TCPage::kIds.sensorType, combo->findText(name)}});
    }
    bool Checked(int id) { return harness.page().isItemChecked(id); }
};

TEST_F(TCPageTest, TheOffsetIsStoredRoundedToOneDecimalAndCheckedAgainstItsLimits)
{
    ShowTC();
    EXPECT_EQ(Text(TCPage::kIds.offsetRange), "(Range: -10.0-10.0)");
    struct Case {
        const char* typed;
        float stored;
    };
    const Case cases[] = {{"1.26", 1.3f}, {"-1.26", -1.3f}, {"0.04", 0.0f}, {"1.25", 1.3f}, {"10.04", 10.0f}};
    SelectChannels({3});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        harness.Set({{TCPage::kIds.offset, QString(c.typed)}});
        harness.Press(TCPage::kIds.apply);
        EXPECT_FLOAT_EQ(Stored(3).Setting.Offset, c.stored);
        EXPECT_EQ(Text(TCPage::kIds.offset), QString::number(c.stored, 'f', 1));
    }
    EXPECT_TRUE(harness.messages().isEmpty());

    harness.Forget();
    harness.Set({{TCPage::kIds.offset, QString("10.06")}});
    harness.Press(TCPage::kIds.apply);
    EXPECT_EQ(harness.messages(),
              QStringList{Text(TCPage::kIds.offsetLabel) + ":" + FormatLangString(864, -10.0, 10.0)});
    EXPECT_FLOAT_EQ(Stored(3).Setting.Offset, 10.0f);
    EXPECT_TRUE(harness.logLines().isEmpty());
}

TEST_F(TCPageTest, RangesAreShownInTheChosenUnitAndATypeChangeMovesTheFloatLimits)
{
    ShowTC();
    SelectChannels({0});
    ChooseSensor("J");
    EXPECT_TRUE(Checked(TCPage::kIds.unitRadios[0]));
    EXPECT_EQ(Text(TCPage::kIds.inputRange), "(-210 - 1200)°C");
    harness.Press(TCPage::kIds.unitRadios[1]);
    EXPECT_EQ(Text(TCPage::kIds.inputRange), "(-346 - 2192)°F");
    EXPECT_FALSE(Enabled(TCPage::kIds.unitRadios[2]));

    harness.Press(TCPage::kIds.apply);
    const TemperatureChannel stored = Stored(0);
    EXPECT_EQ(stored.Setting.SensorType, 0);
    EXPECT_EQ(stored.Setting.Unit, 1);
    EXPECT_EQ(stored.Setting.InputRangeMin, -210);
    EXPECT_EQ(stored.Setting.InputRangeMax, 1200);
    for (size_t definition : {0, 2, 3}) {
        EXPECT_FLOAT_EQ(stored.TagDefinitions.at(definition).FloatMin, -210.0f);
        EXPECT_FLOAT_EQ(stored.TagDefinitions.at(definition).FloatMax, 1200.0f);
    }
    EXPECT_EQ(harness.page().ChannelList()->GetItemText(0, 1), "J");
    harness.Screenshot(QStringLiteral("channel-tc-page"));
}

TEST_F(TCPageTest, ARawSensorForcesTheRawUnitAndNoOffset)
{
    EditedDefaultSettings settings(kRawSensors);
    ShowTC();
    SelectChannels({1, 2, 5});
    harness.Set({{TCPage::kIds.offset, QString("2.5")}});
    ChooseSensor("mV");
    EXPECT_TRUE(Checked(TCPage::kIds.unitRadios[2]));
    EXPECT_FALSE(Enabled(TCPage::kIds.unitRadios[0]));
    EXPECT_FALSE(Enabled(TCPage::kIds.offset));
    EXPECT_EQ(Text(TCPage::kIds.offset), "0");
    EXPECT_EQ(Text(TCPage::kIds.inputRange), "(-80.000 - 80.000)mV");
    harness.Press(TCPage::kIds.apply);
    for (int channel : {1, 2, 5}) {
        EXPECT_EQ(Stored(channel).Setting.SensorType, 9);
        EXPECT_EQ(Stored(channel).Setting.Unit, 2);
        EXPECT_FLOAT_EQ(Stored(channel).Setting.Offset, 0.0f);
    }
    EXPECT_EQ(harness.logLines().size(), 3);
}

TEST_F(TCPageTest, ApplyIsRefusedWithoutASensorType)
{
    EditedDefaultSettings settings({{"TCSensorType", "41M-5308-T", ""}});
    ShowTC();
    SelectChannels({0});
    const TemperatureSettingBlock before = Stored(0).Setting;
    harness.Press(TCPage::kIds.apply);
    EXPECT_EQ(harness.messages(), QStringList{LoadLangString(CTemperatureChannelPage::kStringNoSensorType)});
    EXPECT_EQ(Stored(0).Setting, before);
}

class RTDPageTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(BuildRTDProject(harness.model())); }
    void ShowRTD() { harness.Show(NodeOf(kRTD, kRTDChannels, 4)); }
    QString Text(int id) { return harness.page().itemText(id); }
    PageHarness<CDevCfgRTD> harness;
};

TEST_F(RTDPageTest, RangesInDegreesAndOhm)
{
    EditedDefaultSettings settings(kRawSensors);
    ShowRTD();
    harness.page().SelectChannels({0});
    EXPECT_EQ(Text(RTDPage::kIds.inputRange), "(-200 - 850)°C");
    harness.Press(RTDPage::kIds.unitRadios[1]);
    EXPECT_EQ(Text(RTDPage::kIds.inputRange), "(-328 - 1562)°F");
    harness.Set({{RTDPage::kIds.sensorType, 2}});
    EXPECT_EQ(Text(RTDPage::kIds.inputRange), "(0 - 4000)Ω");
    EXPECT_EQ(harness.page().TagList()->GetItemCount(), CChannelPageBase::kMinimumTagRows);
    harness.Press(RTDPage::kIds.apply);
    TemperatureSetting record;
    ASSERT_EQ(harness.model().GetRTDSetting(kRTD.slot, record), 1);
    EXPECT_EQ(record.Channels.at(0).Setting.SensorType, 9);
    EXPECT_EQ(record.Channels.at(0).Setting.Unit, 2);
    harness.Screenshot(QStringLiteral("channel-rtd-page"));
}

} // namespace

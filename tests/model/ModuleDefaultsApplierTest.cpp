#include "ModuleDefaultsApplier.h"
#include "CDataCenter.h"
#include "DefaultSettingsFolder.h"

#include <gtest/gtest.h>

namespace {

const QString kModule = QStringLiteral("41M-AI8");
constexpr int kSlot = 2;

const QByteArray kSettings = "[AIRangeDefault]\n"
                             "41M-AI8=R1\n"
                             "41M-AI8BAD=RBAD\n"
                             "41M-AI8LONG=RLONG\n"
                             "[AIRange]\n"
                             "R1=4,20,2\n"
                             "RBAD=4,20\n"
                             "RLONG=4,20,2,9\n"
                             "[HARTRangeDefault]\n"
                             "41M-AI8=R1\n"
                             "[HARTAIRange]\n"
                             "R1=0,20,1\n"
                             "[AORange]\n"
                             "41M-AI8=R1,R2\n"
                             "R1=0,10,3\n"
                             "R2=4,20,4\n"
                             "[TCSensorType]\n"
                             "41M-AI8=K,J\n"
                             "K=-270,1372,1\n"
                             "J=x,1200,0\n"
                             "[RTDSensorType]\n"
                             "41M-AI8=PT100\n"
                             "PT100=-200,850,0\n"
                             "[HSAI]\n"
                             "SampleRateValue=1000,2,2000,30\n"
                             "3514SampleRateValue=8000,1,8000,50\n"
                             "3515SampleRateValue=1000,2,2000\n"
                             "[DI]\n"
                             "FilterUnit=ms\n"
                             "FilterRange=1,1,65535\n"
                             "3401FilterUnit=us\n"
                             "3401FilterRange=5,2\n"
                             "[Cellular]\n"
                             "GSMTimeout=120,60,600\n"
                             "HSPARetry=7\n"
                             "PINGCheckRetryInterval=45,10,600\n";

class ModuleDefaultsApplierTest : public DefaultSettingsFolder {
protected:
    void SetUp() override
    {
        DefaultSettingsFolder::SetUp();
        UseDefaultSettings(kSettings);
        model_.SetMaxSlotCount(4);
    }

    ModuleDefaultsApplier applier(const QString& module = kModule) { return {model_, kSlot, module}; }

    CDataCenter model_;
};

TEST_F(ModuleDefaultsApplierTest, AnalogInputRangeGoesToEveryChannelAndMovesTheTagLimits)
{
    std::vector<AIChannel> channels = MakeAIChannels(3);
    channels[1].TagDefinitions.resize(4);
    model_.AddAIRecord(kSlot, 3, 4, "AI", channels);
    applier().ApplyAIRangeDefaults(3);

    for (const AIChannel& channel : model_.AISettings[0].Channels) {
        EXPECT_EQ(channel.Setting.InputRangeMin, 4);
        EXPECT_EQ(channel.Setting.InputRangeMax, 20);
        EXPECT_EQ(channel.Setting.InputRange, 2);
        EXPECT_EQ(channel.Setting.BurnOutValue, 4.0f);
    }
    EXPECT_EQ(model_.AISettings[0].Channels[1].TagDefinitions[3].FloatMax, 20.0f);
}

TEST_F(ModuleDefaultsApplierTest, RangeValuesWithoutExactlyThreeNumbersChangeNothing)
{
    for (const char* module : {"41M-AI8BAD", "41M-AI8LONG", "41M-UNKNOWN"}) {
        CDataCenter model;
        model.SetMaxSlotCount(4);
        model.AddAIRecord(kSlot, 2, 0, "AI", MakeAIChannels(2));
        model.AddHighSpeedAIRecord(kSlot, 2, 0, "HS", MakeHighSpeedAIChannels(2));
        ModuleDefaultsApplier(model, kSlot, QString::fromUtf8(module)).ApplyAIRangeDefaults(2);
        ModuleDefaultsApplier(model, kSlot, QString::fromUtf8(module)).ApplyHighSpeedAIDefaults(2);
        for (const AIChannel& channel : model.AISettings[0].Channels)
            EXPECT_EQ(channel.Setting, AISettingBlock{}) << module;
        EXPECT_EQ(model.HighSpeedAISettings[0].SamplingRate, 5000u) << module;
        EXPECT_TRUE(model.HighSpeedAISettings[0].SamplingNumbers.empty()) << module;
    }
}

TEST_F(ModuleDefaultsApplierTest, ACountBeyondTheRecordStopsAtItsLastChannel)
{
    model_.AddAIRecord(kSlot, 8, 0, "AI", MakeAIChannels(2));
    model_.AddTCRecord(kSlot, 8, 0, "TC", MakeTemperatureChannels(1));
    applier().ApplyAIRangeDefaults(8);
    applier().ApplyTCSensorDefaults(8);
    ASSERT_EQ(model_.AISettings[0].Channels.size(), 2u);
    EXPECT_EQ(model_.AISettings[0].Channels[1].Setting.InputRange, 2);
    ASSERT_EQ(model_.TCSettings[0].Channels.size(), 1u);
    EXPECT_EQ(model_.TCSettings[0].Channels[0].Setting.SensorType, 1);
}

TEST_F(ModuleDefaultsApplierTest, ACountBelowTheRecordLeavesTheOtherChannels)
{
    model_.AddHARTAIRecord(kSlot, 4, 0, "H", MakeHARTAIChannels(4));
    applier().ApplyHARTAIRangeDefaults(2);
    const auto& channels = model_.HARTAISettings[0].Channels;
    EXPECT_EQ(channels[0].Setting.InputRange, 1);
    EXPECT_EQ(channels[1].Setting.InputRangeMax, 20);
    EXPECT_EQ(channels[1].Setting.NumRetry, 2u);
    EXPECT_EQ(channels[2].Setting, HARTAISettingBlock{});
    EXPECT_EQ(channels[3].Setting, HARTAISettingBlock{});
}

TEST_F(ModuleDefaultsApplierTest, OutputAndSensorListsUseTheirFirstItem)
{
    model_.AddAORecord(kSlot, 2, 1, "AO", MakeAOChannels(2));
    model_.AddTCRecord(kSlot, 1, 0, "TC", MakeTemperatureChannels(1));
    model_.AddRTDRecord(kSlot, 1, 0, "RTD", MakeTemperatureChannels(1));
    model_.AOSettings[0].Channels[0].TagDefinitions.resize(1);
    applier().ApplyAORangeDefaults(2);
    applier().ApplyTCSensorDefaults(1);
    applier().ApplyRTDSensorDefaults(1);

    const AOSettingBlock& ao = model_.AOSettings[0].Channels[1].Setting;
    EXPECT_EQ(ao.RangeMin, 0);
    EXPECT_EQ(ao.RangeMax, 10);
    EXPECT_EQ(ao.OutputRange, 3);
    EXPECT_EQ(ao.Enable, 1u);
    EXPECT_EQ(model_.AOSettings[0].Channels[0].TagDefinitions[0].FloatMax, 10.0f);
    const TemperatureSettingBlock& tc = model_.TCSettings[0].Channels[0].Setting;
    EXPECT_EQ(tc.SensorType, 1);
    EXPECT_EQ(tc.InputRangeMin, -270);
    EXPECT_EQ(tc.InputRangeMax, 1372);
    EXPECT_EQ(model_.RTDSettings[0].Channels[0].Setting.InputRangeMin, -200);
    EXPECT_EQ(model_.RTDSettings[0].Channels[0].Setting.SensorType, 0);
}

TEST_F(ModuleDefaultsApplierTest, AppliersWithoutARecordOfTheSlotChangeNothing)
{
    model_.AddAIRecord(kSlot + 1, 2, 0, "AI", MakeAIChannels(2));
    applier().ApplyAIRangeDefaults(2);
    applier().ApplyHighSpeedAIDefaults(2);
    applier().ApplyDIFilterDefaults();
    EXPECT_EQ(model_.AISettings[0].Channels[0].Setting, AISettingBlock{});
}

TEST_F(ModuleDefaultsApplierTest, SampleRatesComeFromTheApidKeyFirst)
{
    const struct {
        const char* apid;
        std::vector<quint32> numbers;
        quint32 rate;
    } cases[] = {
        {"3514", {8000, 1, 8000, 50}, 8000}, // the APID key wins over the generic key
        {"9999", {1000, 2, 2000, 30}, 1000}, // no APID key: the generic key
        {"3515", {5000, 1, 5000, 60}, 5000}, // three numbers: the built-in rates
    };
    for (const auto& c : cases) {
        CDataCenter model;
        model.SetMaxSlotCount(4);
        model.SetSlotApid(kSlot, QString::fromUtf8(c.apid));
        model.AddHighSpeedAIRecord(kSlot, 2, 0, "HS", MakeHighSpeedAIChannels(2));
        ModuleDefaultsApplier(model, kSlot, kModule).ApplyHighSpeedAIDefaults(2);
        const HighSpeedAISetting& record = model.HighSpeedAISettings[0];
        EXPECT_EQ(record.SamplingNumbers, c.numbers) << c.apid;
        EXPECT_EQ(record.SamplingRate, c.rate) << c.apid;
        EXPECT_EQ(record.Channels[1].Setting.InputRange, 2) << c.apid;
        EXPECT_EQ(record.Channels[1].Setting.ForeInterval, 3u) << c.apid;
    }
}

TEST_F(ModuleDefaultsApplierTest, NoChannelsStillSetTheSampleRateList)
{
    model_.AddHighSpeedAIRecord(kSlot, 0, 0, "HS", {});
    applier().ApplyHighSpeedAIDefaults(0);
    EXPECT_EQ(model_.HighSpeedAISettings[0].SamplingNumbers, (std::vector<quint32>{1000, 2, 2000, 30}));
    EXPECT_EQ(model_.HighSpeedAISettings[0].SamplingRate, 5000u);
}

TEST_F(ModuleDefaultsApplierTest, FilterDefaultsPreferTheApidKeysAndFallBackWhole)
{
    const struct {
        const char* apid;
        const char* unit;
        std::vector<quint32> range;
    } cases[] = {
        {"3401", "us", {1, 1, 0xFFFFFFFFu}}, // APID keys win; two numbers give the built-in range
        {"3402", "ms", {1, 1, 65535}},
    };
    for (const auto& c : cases) {
        CDataCenter model;
        model.SetMaxSlotCount(4);
        model.SetSlotApid(kSlot, QString::fromUtf8(c.apid));
        model.AddDIRecord(kSlot, 1, 0, "DI", MakeDIChannels(1));
        model.AddDIORecord(kSlot, 1, 0, "DIO", MakeDIOChannels(1));
        ModuleDefaultsApplier defaults(model, kSlot, kModule);
        defaults.ApplyDIFilterDefaults();
        defaults.ApplyDIOFilterDefaults();
        EXPECT_EQ(model.DISettings[0].FilterUnit, c.unit) << c.apid;
        EXPECT_EQ(model.DISettings[0].FilterRange, c.range) << c.apid;
        EXPECT_EQ(model.DIOSettings[0].FilterUnit, c.unit) << c.apid;
        EXPECT_EQ(model.DIOSettings[0].FilterRange, c.range) << c.apid;
    }
}

TEST_F(ModuleDefaultsApplierTest, CellularDefaultsTakeTheFirstOfEachTriple)
{
    EXPECT_EQ(ModuleDefaultsApplier::GetCellularDefaults(), (CellularDefaults{120, 5, 45}));
}

using ModuleDefaultsWithoutFileTest = DefaultSettingsFolder;

TEST_F(ModuleDefaultsWithoutFileTest, NothingIsReadWithoutTheSettingsFile)
{
    EXPECT_EQ(ModuleDefaultsApplier::GetCellularDefaults(), (CellularDefaults{300, 5, 30}));

    CDataCenter model;
    model.SetMaxSlotCount(2);
    model.AddDIRecord(1, 1, 0, "DI", MakeDIChannels(1));
    model.AddAIRecord(1, 1, 0, "AI", MakeAIChannels(1));
    ModuleDefaultsApplier defaults(model, 1, kModule);
    defaults.ApplyAIRangeDefaults(1);
    defaults.ApplyDIFilterDefaults();
    EXPECT_EQ(model.AISettings[0].Channels[0].Setting, AISettingBlock{});
    EXPECT_TRUE(model.DISettings[0].FilterUnit.isEmpty());
    EXPECT_EQ(model.DISettings[0].FilterRange, (std::vector<quint32>{1, 1, 0xFFFFFFFFu}));
}

} // namespace

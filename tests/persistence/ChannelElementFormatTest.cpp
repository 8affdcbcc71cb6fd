// The value texts the channel groups write, and what their readers make of missing, out-of-range
// and "NA" values: "kept" fields stay as they were, the others take their fallback.
#include "ModuleRecords.h"
#include "ProjectFileFixture.h"

#include <QLocale>

#include <clocale>
#include <functional>

namespace {

class ChannelElementFormatTest : public ProjectFileTest {
protected:
    // A slot element with its two halves, as the device configuration writer makes it.
    IXMLElement* NewSlot()
    {
        IXMLElement* slot = NewDocument(QStringLiteral("Slot_1"));
        slot->AddChild(QStringLiteral("Setting"));
        slot->AddChild(QStringLiteral("Resource"));
        return slot;
    }
};

// Makes "C" numbers the process's and Qt's default the hard way: a German desktop.
class GermanLocale {
public:
    GermanLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const char* installed = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
        active_ = installed != nullptr;
    }
    ~GermanLocale()
    {
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_NUMERIC, "C");
    }

private:
    bool active_ = false;
};

TEST_F(ChannelElementFormatTest, WrittenValueTexts)
{
    const GermanLocale german; // numbers must not follow the desktop's locale

    OutputModuleSlotRecord outputs;
    outputs.Channels = MakeDOChannels(2);
    outputs.Channels[1].Setting.Frequency = 0.1;
    outputs.Channels[1].Setting.DutyCycle = 33.36;
    ModuleSlotRecord inputs;
    inputs.Channels = MakeDIChannels(2);
    inputs.Channels[0].Setting.Trigger = -1;
    inputs.Channels[1].Setting.InitVal_CntVal = 4294967295u;
    ModuleSlotRecord highVoltage;
    highVoltage.HighVoltage = 1;
    highVoltage.Channels = MakeDIChannels(2);
    highVoltage.Channels[0].Setting.FirstOnTime = 1.5f;
    AISetting analog;
    analog.Channels = MakeAIChannels(3);
    analog.Channels[0].Setting.InputRange = 4; // burn-out value 4.0 by default
    analog.Channels[1].Setting.InputRange = 4;
    analog.Channels[1].Setting.BurnOutValue = 3.5f;
    HighSpeedAISetting highSpeed;
    highSpeed.Channels = MakeHighSpeedAIChannels(1);
    highSpeed.Channels[0].Setting.BurnOutValue = 3.5f; // range -1: "NA"
    AOSetting ao;
    ao.Channels = MakeAOChannels(1);
    ao.Channels[0].Setting.Amplitude = 2.5f;
    ao.Channels[0].Setting.Offset = -0.5f;
    TemperatureSetting tc;
    tc.Channels = MakeTemperatureChannels(1);
    tc.Channels[0].Setting.Offset = 1.25f;

    IXMLElement* slot = NewSlot();
    outputs.SaveDoChannels(slot);
    outputs.SaveRelayChannels(slot);
    inputs.SaveDiChannels(slot);
    analog.SaveAiChannels(slot);
    highSpeed.SaveHighSpeedAiChannels(slot);
    ao.SaveAoChannels(slot);
    tc.SaveTcChannels(slot);
    IXMLElement* hvSlot = NewSlot();
    highVoltage.SaveDiChannels(hvSlot);
    AOSetting aoOffset;
    aoOffset.Channels = MakeAOChannels(1);
    aoOffset.Channels[0].Setting.Offset = 1.25f;
    IXMLElement* aoSlot = NewSlot();
    aoOffset.SaveAoChannels(aoSlot);

    const struct {
        IXMLElement* root;
        const char* path;
        const char* expected;
    } cases[] = {
        {slot, "Setting/DO/Set_0/Frequency", "1.00"},
        {slot, "Setting/DO/Set_0/DutyCycle", "50.0"},
        {slot, "Setting/DO/Set_1/Frequency", "0.10"},
        {slot, "Setting/DO/Set_1/DutyCycle", "33.4"},
        {slot, "Setting/Relay/Set_0/Relay_Mode", "0"},
        {slot, "Setting/DI/Set_0/Trigger", "NA"},
        {slot, "Setting/DI/Set_1/Trigger", "0"},
        {slot, "Setting/DI/Set_1/InitVal_CntVal", "4294967295"},
        {slot, "Setting/DI/Set_0/Measurement_Time", "1000"},
        {hvSlot, "Setting/DI/Set_0/FirstOnTime", "1.5"},
        {hvSlot, "Setting/DI/Set_0/ScanOffTime", "10.5"},
        {hvSlot, "Setting/DI/Set_1/FirstOnTime", "15"},
        {hvSlot, "Setting/DI/Set_1/ScanOffTime", "105.0"},
        {slot, "Setting/AI/Set_0/BurnOutValue", "4"},
        {slot, "Setting/AI/Set_1/BurnOutValue", "3.5"},
        {slot, "Setting/AI/Set_2/BurnOutValue", "NA"},
        {slot, "Setting/AI/Set_2/InputRange", "4294967295"}, // the "no range" code, unsigned
        {slot, "Setting/HighSpeedAI/SamplingRate", "5000"},
        {slot, "Setting/HighSpeedAI/Set_0/BurnOutValue", "NA"},
        {slot, "Setting/HighSpeedAI/Set_0/ForeInterval", "3"},
        {slot, "Setting/AO/Set_0/Frequency", "1.000"},
        {slot, "Setting/AO/Set_0/Amplitude", "2.500"},
        {slot, "Setting/AO/Set_0/Offset", "-0.500"},
        {slot, "Setting/AO/Set_0/InitialValue", "0.000"},
        {slot, "Setting/AO/Set_0/Enable", "1"},
        {aoSlot, "Setting/AO/Set_0/Offset", "1.250"},
        {slot, "Setting/TC/Set_0/Offset", "1.25"},
        {slot, "Setting/TC/Set_0/SensorType", "4294967295"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResultAt(c.root, QString::fromUtf8(c.path)), QString::fromUtf8(c.expected)) << c.path;
}

TEST_F(ChannelElementFormatTest, ValueElementsComeInTheirOrder)
{
    DIOModuleSlotRecord dio;
    dio.Channels = MakeDIOChannels(1);
    HARTAISetting hart;
    hart.Channels = MakeHARTAIChannels(1);
    hart.Channels[0].Sensors = {HARTSensorEntry{}};
    AOSetting ao;
    ao.Channels = MakeAOChannels(1);
    TemperatureSetting rtd;
    rtd.Channels = MakeTemperatureChannels(1);
    IXMLElement* slot = NewSlot();
    dio.SaveDioChannels(slot);
    hart.SaveHartAiChannels(slot);
    ao.SaveAoChannels(slot);
    rtd.SaveRtdChannels(slot);

    const QStringList dioOrder{"IODirection",      "DI_Mode",           "Filter",     "Trigger",
                               "Measurement_Time", "InitVal_DIOCntVal", "DO_Mode",    "DO_Status",
                               "Frequency",        "DutyCycle",         "OutputPulse"};
    EXPECT_EQ(ChildNames(At(slot, "Setting/DIO/Set_0")), dioOrder);
    EXPECT_EQ(ChildNames(At(slot, "Setting")), (QStringList{"DIO", "HARTAI", "HART", "AO", "RTD"}));
    EXPECT_EQ(ChildNames(At(slot, "Resource")), (QStringList{"DIO", "HARTAI", "HART", "AO", "RTD"}));
    EXPECT_EQ(ChildNames(At(slot, "Setting/HARTAI/Set_0")),
              (QStringList{"InputRange", "InputRangeMin", "InputRangeMax", "BurnOutValue"}));
    EXPECT_EQ(ChildNames(At(slot, "Setting/HART/Set_0")), (QStringList{"HartOpMode", "NumRetry", "SensorSetting"}));
    EXPECT_EQ(ChildNames(At(slot, "Setting/HART/Set_0/SensorSetting")), (QStringList{"Quantity", "Set_0"}));
    EXPECT_EQ(ChildNames(At(slot, "Setting/HART/Set_0/SensorSetting/Set_0")),
              (QStringList{"FrameType", "Command", "Preambles", "Address", "ManuID", "DeviceType", "UniqueID"}));
    EXPECT_EQ(ChildNames(At(slot, "Setting/AO/Set_0")),
              (QStringList{"Enable", "OutputRange", "Mode", "InitialValue", "WaveformType", "Frequency", "Amplitude",
                           "Offset"}));
    EXPECT_EQ(ChildNames(At(slot, "Setting/RTD/Set_0")),
              (QStringList{"SensorType", "InputRangeMin", "InputRangeMax", "Unit", "Offset"}));
}

TEST_F(ChannelElementFormatTest, ResourceElementsAreNamedByTheAbbreviationOfEachTag)
{
    ModuleSlotRecord di;
    di.Channels = MakeDIChannels(1);
    di.Channels[0].TagDefinitions.resize(3);
    const int resourceTypes[] = {1, 0, 7}; // 7 lies past the DI list: no name, no element
    for (size_t i = 0; i < 3; ++i) {
        di.Channels[0].TagDefinitions[i].ResType = resourceTypes[i];
        di.Channels[0].TagDefinitions[i].ResourceText = QStringLiteral("0.1.T%1").arg(i);
    }
    DIOModuleSlotRecord dio;
    dio.ResSize = 2;
    dio.Channels = MakeDIOChannels(1);
    dio.Channels[0].TagDefinitions = {TagDefinition{}, TagDefinition{}, TagDefinition{}};
    dio.Channels[0].TagDefinitions[1].ResourceText = QStringLiteral("0.5.DIO1");
    HARTAISetting hart;
    hart.SensorTagCount = 2;
    hart.Channels = MakeHARTAIChannels(1);
    hart.Channels[0].Sensors.resize(2);
    hart.Channels[0].SensorTagDefinitions.resize(3); // one tag short of two sensors
    for (size_t i = 0; i < 3; ++i) {
        hart.Channels[0].SensorTagDefinitions[i].ResType = static_cast<int>(3 - i);
        hart.Channels[0].SensorTagDefinitions[i].ResourceText = QStringLiteral("7.0.PV.%1").arg(i);
    }
    IXMLElement* slot = NewSlot();
    di.SaveDiChannels(slot);
    dio.SaveDioChannels(slot);
    hart.SaveHartAiChannels(slot);

    EXPECT_EQ(ChildNames(At(slot, "Resource/DI/Set_0")), (QStringList{"ResID_CntVal", "ResID_Val"}));
    EXPECT_EQ(ResultAt(slot, "Resource/DI/Set_0/ResID_CntVal"), "0.1.T0");
    EXPECT_EQ(ChildNames(At(slot, "Resource/DIO/Set_0")), (QStringList{"ResID_Val", "ResID_DIOCnt"}));
    EXPECT_EQ(ResultAt(slot, "Resource/DIO/Set_0/ResID_DIOCnt"), "0.5.DIO1");
    EXPECT_EQ(ResultAt(slot, "Resource/HART/Set_0/Quantity"), "2");
    EXPECT_EQ(ChildNames(At(slot, "Resource/HART/Set_0/Set_0")), (QStringList{"ResID_QV", "ResID_TV"}));
    EXPECT_EQ(ChildNames(At(slot, "Resource/HART/Set_0/Set_1")), (QStringList{"ResID_SV"}));
}

TEST_F(ChannelElementFormatTest, SlotWithoutSettingOrResourceGetsNothing)
{
    AISetting ai;
    ai.Channels = MakeAIChannels(1);
    IXMLElement* noResource = NewDocument(QStringLiteral("Slot_1"));
    noResource->AddChild(QStringLiteral("Setting"));
    ai.SaveAiChannels(noResource);
    HARTAISetting hart;
    hart.Channels = MakeHARTAIChannels(1);
    hart.SaveHartAiChannels(noResource);
    EXPECT_EQ(ChildNames(At(noResource, "Setting")), QStringList{});

    IXMLElement* empty = NewSlot();
    AISetting none;
    none.SaveAiChannels(empty);
    HighSpeedAISetting noChannels;
    noChannels.SaveHighSpeedAiChannels(empty);
    EXPECT_EQ(ChildNames(At(empty, "Setting/AI")), QStringList{});
    EXPECT_EQ(ChildNames(At(empty, "Setting/HighSpeedAI")), QStringList{"SamplingRate"});
    EXPECT_EQ(ChildNames(At(empty, "Resource/HighSpeedAI")), QStringList{});
}

// ---- reading ----

using Values = std::vector<std::pair<const char*, const char*>>;

// <group><Set_0>values but the omitted one</Set_0></group>
QByteArray groupXml(const char* group, const Values& values, const char* omitted)
{
    QByteArray xml = QByteArray("<") + group + "><Set_0>";
    for (const auto& [name, value] : values) {
        if (qstrcmp(name, omitted) != 0)
            xml += QByteArray("<") + name + " Result=\"" + value + "\"/>";
    }
    return xml + "</Set_0></" + group + ">";
}

// Every field of a channel set to this before reading shows whether a reader kept it.
constexpr int kSentinel = 77;

template <typename Channel>
Channel sentinelChannel()
{
    Channel channel;
    auto& s = channel.Setting;
    if constexpr (requires { s.InputRange; }) {
        s.InputRange = s.InputRangeMin = s.InputRangeMax = kSentinel;
        s.BurnOutValue = kSentinel;
    }
    if constexpr (requires { s.ForeInterval; })
        s.ForeInterval = s.BackInterval = kSentinel;
    if constexpr (requires { s.HartOpMode; })
        s.HartOpMode = s.NumRetry = kSentinel;
    if constexpr (requires { s.WaveformType; }) {
        s.Enable = kSentinel;
        s.Mode = s.WaveformType = s.OutputRange = kSentinel;
        s.Frequency = s.Amplitude = s.Offset = s.InitialValue = kSentinel;
    }
    if constexpr (requires { s.SensorType; }) {
        s.SensorType = s.InputRangeMin = s.InputRangeMax = s.Unit = kSentinel;
        s.Offset = kSentinel;
    }
    if constexpr (requires { s.Filter; }) {
        s.Filter = s.Measurement_Time = s.InitVal_CntVal = kSentinel;
        s.DI_Mode = s.Trigger = s.FirstOnEnable = kSentinel;
        s.FirstOnTime = kSentinel;
    }
    if constexpr (requires { s.DutyCycle; }) {
        s.Mode = s.Status = kSentinel;
        s.OutputPulse = kSentinel;
        s.Frequency = s.DutyCycle = kSentinel;
    }
    if constexpr (requires { s.DO; }) {
        s.DI = sentinelChannel<DIChannel>().Setting;
        s.DO = sentinelChannel<DOChannel>().Setting;
        channel.IODirection = kSentinel;
    }
    return channel;
}

template <typename Record, typename Channel>
Record sentinelRecord()
{
    Record record;
    record.ChannelCount = 1;
    record.Channels = {sentinelChannel<Channel>()};
    return record;
}

const Values kDIValues{
    {"Filter", "5"}, {"Trigger", "1"}, {"DI_Mode", "1"}, {"InitVal_CntVal", "9"}, {"Measurement_Time", "50"}};
const Values kDOValues{
    {"DO_Mode", "1"}, {"DO_Status", "1"}, {"Frequency", "2.00"}, {"DutyCycle", "20.0"}, {"OutputPulse", "3"}};
const Values kDIOValues{{"IODirection", "1"},       {"DI_Mode", "1"},           {"Filter", "5"},     {"Trigger", "1"},
                        {"Measurement_Time", "50"}, {"InitVal_DIOCntVal", "9"}, {"DO_Mode", "1"},    {"DO_Status", "1"},
                        {"Frequency", "2.00"},      {"DutyCycle", "20.0"},      {"OutputPulse", "3"}};
const Values kAIValues{{"InputRange", "2"}, {"InputRangeMin", "4"}, {"InputRangeMax", "20"}, {"BurnOutValue", "3.5"}};
const Values kHSValues{{"InputRange", "2"},     {"InputRangeMin", "4"}, {"InputRangeMax", "20"},
                       {"BurnOutValue", "3.5"}, {"ForeInterval", "5"},  {"BackInterval", "6"}};
const Values kAOValues{{"Enable", "0"},       {"OutputRange", "2"},   {"Mode", "1"},          {"InitialValue", "1.500"},
                       {"WaveformType", "1"}, {"Frequency", "2.000"}, {"Amplitude", "3.000"}, {"Offset", "4.000"}};
const Values kTCValues{
    {"SensorType", "2"}, {"InputRangeMin", "-5"}, {"InputRangeMax", "50"}, {"Unit", "1"}, {"Offset", "0.5"}};

TEST_F(ChannelElementFormatTest, MissingValuesAreKeptOrTakeTheirDefault)
{
    using Read = std::function<double(IXMLElement*)>;
    auto di = [](auto field) -> Read {
        return [field](IXMLElement* element) {
            auto record = sentinelRecord<ModuleSlotRecord, DIChannel>();
            record.LoadDiChannels(element);
            return static_cast<double>(field(record.Channels[0].Setting));
        };
    };
    auto output = [](bool relay, auto field) -> Read {
        return [=](IXMLElement* element) {
            auto record = sentinelRecord<OutputModuleSlotRecord, DOChannel>();
            relay ? record.LoadRelayChannels(element) : record.LoadDoChannels(element);
            return static_cast<double>(field(record.Channels[0].Setting));
        };
    };
    auto dio = [](auto field) -> Read {
        return [field](IXMLElement* element) {
            auto record = sentinelRecord<DIOModuleSlotRecord, DIOChannel>();
            record.LoadDioChannels(element);
            return static_cast<double>(field(record.Channels[0]));
        };
    };
    auto ai = [](auto field) -> Read {
        return [field](IXMLElement* element) {
            auto record = sentinelRecord<AISetting, AIChannel>();
            record.LoadAiChannels(element);
            return static_cast<double>(field(record.Channels[0].Setting));
        };
    };
    auto hs = [](auto field) -> Read {
        return [field](IXMLElement* element) {
            auto record = sentinelRecord<HighSpeedAISetting, HighSpeedAIChannel>();
            record.LoadHighSpeedAiChannels(element);
            return static_cast<double>(field(record.Channels[0].Setting));
        };
    };
    auto ao = [](auto field) -> Read {
        return [field](IXMLElement* element) {
            auto record = sentinelRecord<AOSetting, AOChannel>();
            record.LoadAoChannels(element);
            return static_cast<double>(field(record.Channels[0].Setting));
        };
    };
    auto tc = [](bool rtd, auto field) -> Read {
        return [=](IXMLElement* element) {
            auto record = sentinelRecord<TemperatureSetting, TemperatureChannel>();
            rtd ? record.LoadRtdChannels(element) : record.LoadTcChannels(element);
            return static_cast<double>(field(record.Channels[0].Setting));
        };
    };
    const double kept = kSentinel;

    const struct {
        const char* group;
        const Values& values;
        const char* omitted;     // or the element given the replacement text
        const char* replacement; // nullptr: the element is missing
        Read read;
        double expected;
    } cases[] = {
        {"DI", kDIValues, "Trigger", nullptr, di([](auto& s) { return s.Trigger; }), 0},
        {"DI", kDIValues, "Trigger", "NA", di([](auto& s) { return s.Trigger; }), -1},
        {"DI", kDIValues, "Trigger", "3", di([](auto& s) { return s.Trigger; }), 0},
        {"DI", kDIValues, "DI_Mode", nullptr, di([](auto& s) { return s.DI_Mode; }), 0},
        {"DI", kDIValues, "DI_Mode", "3", di([](auto& s) { return s.DI_Mode; }), 0},
        {"DI", kDIValues, "InitVal_CntVal", nullptr, di([](auto& s) { return s.InitVal_CntVal; }), 0},
        {"DI", kDIValues, "Measurement_Time", nullptr, di([](auto& s) { return s.Measurement_Time; }), 1},
        {"DI", kDIValues, "Measurement_Time", "0", di([](auto& s) { return s.Measurement_Time; }), 1},
        {"DI", kDIValues, "Filter", "", di([](auto& s) { return s.Filter; }), 0},
        {"DI", kDIValues, "Filter", "4294967295", di([](auto& s) { return s.Filter; }), 4294967295.0},
        {"DO", kDOValues, "DO_Mode", nullptr, output(false, [](auto& s) { return s.Mode; }), 0},
        {"DO", kDOValues, "DO_Status", "5", output(false, [](auto& s) { return s.Status; }), 5},
        {"DO", kDOValues, "Frequency", nullptr, output(false, [](auto& s) { return s.Frequency; }), 1.0},
        {"DO", kDOValues, "DutyCycle", nullptr, output(false, [](auto& s) { return s.DutyCycle; }), 50.0},
        {"DO", kDOValues, "OutputPulse", nullptr, output(false, [](auto& s) { return s.OutputPulse; }), 0},
        {"Relay", kDOValues, "Frequency", nullptr, output(true, [](auto& s) { return s.Frequency; }), 0.1},
        {"DIO", kDIOValues, "Filter", nullptr, dio([](auto& c) { return c.Setting.DI.Filter; }), 0},
        {"DIO", kDIOValues, "IODirection", nullptr, dio([](auto& c) { return c.IODirection; }), 0},
        {"DIO", kDIOValues, "Trigger", "NA", dio([](auto& c) { return c.Setting.DI.Trigger; }), -1},
        {"DIO", kDIOValues, "Measurement_Time", "0", dio([](auto& c) { return c.Setting.DI.Measurement_Time; }), 1},
        {"DIO", kDIOValues, "DO_Status", "5", dio([](auto& c) { return c.Setting.DO.Status; }), 0},
        {"DIO", kDIOValues, "Frequency", nullptr, dio([](auto& c) { return c.Setting.DO.Frequency; }), 1.0},
        {"AI", kAIValues, "InputRange", nullptr, ai([](auto& s) { return s.InputRange; }), kept},
        {"AI", kAIValues, "InputRangeMin", nullptr, ai([](auto& s) { return s.InputRangeMin; }), kept},
        {"AI", kAIValues, "InputRangeMax", nullptr, ai([](auto& s) { return s.InputRangeMax; }), kept},
        {"AI", kAIValues, "BurnOutValue", nullptr, ai([](auto& s) { return s.BurnOutValue; }), 4.0},
        {"AI", kAIValues, "BurnOutValue", "NA", ai([](auto& s) { return s.BurnOutValue; }), 0.0},
        {"AI", kAIValues, "InputRange", "4294967295", ai([](auto& s) { return s.InputRange; }), -1},
        {"HighSpeedAI", kHSValues, "InputRange", nullptr, hs([](auto& s) { return s.InputRange; }), kept},
        {"HighSpeedAI", kHSValues, "ForeInterval", nullptr, hs([](auto& s) { return s.ForeInterval; }), kept},
        {"HighSpeedAI", kHSValues, "BackInterval", nullptr, hs([](auto& s) { return s.BackInterval; }), kept},
        {"HighSpeedAI", kHSValues, "BurnOutValue", nullptr, hs([](auto& s) { return s.BurnOutValue; }), 4.0},
        {"HighSpeedAI", kHSValues, "BurnOutValue", "NA", hs([](auto& s) { return s.BurnOutValue; }), 0.0},
        {"AO", kAOValues, "Enable", nullptr, ao([](auto& s) { return s.Enable; }), kept},
        {"AO", kAOValues, "OutputRange", nullptr, ao([](auto& s) { return s.OutputRange; }), 0},
        {"AO", kAOValues, "Mode", nullptr, ao([](auto& s) { return s.Mode; }), kept},
        {"AO", kAOValues, "InitialValue", nullptr, ao([](auto& s) { return s.InitialValue; }), kept},
        {"AO", kAOValues, "WaveformType", nullptr, ao([](auto& s) { return s.WaveformType; }), kept},
        {"AO", kAOValues, "Frequency", nullptr, ao([](auto& s) { return s.Frequency; }), kept},
        {"AO", kAOValues, "Amplitude", nullptr, ao([](auto& s) { return s.Amplitude; }), kept},
        {"AO", kAOValues, "Offset", nullptr, ao([](auto& s) { return s.Offset; }), kept},
        {"AO", kAOValues, "Offset", "-0.500", ao([](auto& s) { return s.Offset; }), -0.5},
        {"TC", kTCValues, "SensorType", nullptr, tc(false, [](auto& s) { return s.SensorType; }), 0},
        {"TC", kTCValues, "InputRangeMin", nullptr, tc(false, [](auto& s) { return s.InputRangeMin; }), 0},
        {"TC", kTCValues, "InputRangeMax", nullptr, tc(false, [](auto& s) { return s.InputRangeMax; }), 0},
        {"TC", kTCValues, "Unit", nullptr, tc(false, [](auto& s) { return s.Unit; }), kept},
        {"TC", kTCValues, "Offset", nullptr, tc(false, [](auto& s) { return s.Offset; }), kept},
        {"RTD", kTCValues, "SensorType", nullptr, tc(true, [](auto& s) { return s.SensorType; }), 0},
        {"RTD", kTCValues, "Offset", "1.25", tc(true, [](auto& s) { return s.Offset; }), 1.25},
    };
    for (const auto& c : cases) {
        Values values = c.values;
        if (c.replacement) {
            for (auto& value : values) {
                if (qstrcmp(value.first, c.omitted) == 0)
                    value.second = c.replacement;
            }
        }
        const QByteArray xml = groupXml(c.group, values, c.replacement ? "" : c.omitted);
        EXPECT_EQ(c.read(LoadXml(xml)), c.expected)
            << c.group << " " << c.omitted << " " << (c.replacement ? c.replacement : "missing");
    }
}

TEST_F(ChannelElementFormatTest, PresentValuesAreRead)
{
    auto di = sentinelRecord<ModuleSlotRecord, DIChannel>();
    di.LoadDiChannels(LoadXml(groupXml("DI", kDIValues, "")));
    const DISettingBlock& block = di.Channels[0].Setting;
    EXPECT_EQ(block.Filter, 5u);
    EXPECT_EQ(block.Trigger, 1);
    EXPECT_EQ(block.DI_Mode, 1);
    EXPECT_EQ(block.InitVal_CntVal, 9u);
    EXPECT_EQ(block.Measurement_Time, 50u);
    EXPECT_EQ(di.HighVoltage, 0);

    auto ao = sentinelRecord<AOSetting, AOChannel>();
    ao.LoadAoChannels(LoadXml(groupXml("AO", kAOValues, "")));
    const AOSettingBlock expected{0, 1, 1, 2.0f, 3.0f, 4.0f, 1.5f, 2, 0, 0, 0};
    EXPECT_EQ(ao.Channels[0].Setting, expected);
}

TEST_F(ChannelElementFormatTest, DIChannelsWithoutFilterAreHighVoltage)
{
    auto di = sentinelRecord<ModuleSlotRecord, DIChannel>();
    di.LoadDiChannels(LoadXml("<DI><Set_0><FirstOnEnable Result=\"2\"/></Set_0></DI>"));
    EXPECT_EQ(di.HighVoltage, 1);
    EXPECT_EQ(di.Channels[0].Setting.FirstOnEnable, 0); // outside 0..1
    EXPECT_EQ(di.Channels[0].Setting.FirstOnTime, 15.0f);
    EXPECT_EQ(di.Channels[0].Setting.Filter, static_cast<quint32>(kSentinel)); // not read in this layout

    // An empty group leaves the channels and the layout as they were.
    ModuleSlotRecord untouched = sentinelRecord<ModuleSlotRecord, DIChannel>();
    untouched.HighVoltage = 1;
    untouched.LoadDiChannels(LoadXml("<DI/>"));
    EXPECT_EQ(untouched.HighVoltage, 1);
    EXPECT_EQ(untouched.Channels[0].Setting, sentinelChannel<DIChannel>().Setting);
}

TEST_F(ChannelElementFormatTest, ChannelElementsFillChannelsByPositionWhateverTheirNames)
{
    OutputModuleSlotRecord record;
    record.ChannelCount = 2;
    record.Channels = MakeDOChannels(2);
    record.LoadDoChannels(LoadXml("<DO><First><DO_Mode Result=\"4\"/></First><Other><DO_Mode Result=\"5\"/></Other>"
                                  "<Surplus><DO_Mode Result=\"6\"/></Surplus></DO>"));
    ASSERT_EQ(record.Channels.size(), 2u);
    EXPECT_EQ(record.Channels[0].Setting.Mode, 4);
    EXPECT_EQ(record.Channels[1].Setting.Mode, 5);
}

TEST_F(ChannelElementFormatTest, ChannelCountBeyondTheListReadsOnlyTheListsChannels)
{
    AISetting record;
    record.ChannelCount = 8; // the record claims more channels than it holds
    record.Channels = MakeAIChannels(1);
    record.LoadAiChannels(LoadXml("<AI><Set_0><InputRange Result=\"1\"/></Set_0><Set_1><InputRange Result=\"2\"/>"
                                  "</Set_1></AI>"));
    ASSERT_EQ(record.Channels.size(), 1u);
    EXPECT_EQ(record.Channels[0].Setting.InputRange, 1);
}

TEST_F(ChannelElementFormatTest, HighSpeedSamplingRateIsNeverAChannel)
{
    const struct {
        const char* xml;
        quint32 samplingRate;
        qint32 firstRange;
    } cases[] = {
        {"<HighSpeedAI><SamplingRate Result=\"100\"/><Set_0><InputRange Result=\"3\"/></Set_0></HighSpeedAI>", 100, 3},
        {"<HighSpeedAI><Set_0><InputRange Result=\"3\"/></Set_0></HighSpeedAI>", 5000, 3},
        // Without its value the rate stays, and the element still does not take channel 0's place.
        {"<HighSpeedAI><SamplingRate/><Set_0><InputRange Result=\"3\"/></Set_0></HighSpeedAI>", 5000, 3},
    };
    for (const auto& c : cases) {
        HighSpeedAISetting record;
        record.ChannelCount = 1;
        record.Channels = MakeHighSpeedAIChannels(1);
        record.LoadHighSpeedAiChannels(LoadXml(c.xml));
        EXPECT_EQ(record.SamplingRate, c.samplingRate) << c.xml;
        EXPECT_EQ(record.Channels[0].Setting.InputRange, c.firstRange) << c.xml;
        EXPECT_EQ(record.Channels[0].Setting.BurnOutValue, 4.0f) << c.xml;
    }
}

TEST_F(ChannelElementFormatTest, HartSensorsAreAppendedUpToTheQuantity)
{
    const struct {
        const char* label;
        const char* sensorSetting;
        std::vector<HARTSensorEntry> sensors;
    } cases[] = {
        {"two of three",
         "<SensorSetting><Quantity Result=\"3\"/><Set_0><FrameType Result=\"1\"/></Set_0>"
         "<Set_1><UniqueID Result=\"9\"/></Set_1></SensorSetting>",
         {{1, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 9}}},
        {"surplus ignored",
         "<SensorSetting><Quantity Result=\"1\"/><Set_0><Address Result=\"2\"/></Set_0>"
         "<Set_1><Address Result=\"3\"/></Set_1></SensorSetting>",
         {{0, 2, 0, 0, 0, 0, 0}}},
        {"first child passed over",
         "<SensorSetting><Set_0><Command Result=\"5\"/></Set_0><Set_1><Command Result=\"6\"/></Set_1>"
         "<Quantity Result=\"2\"/></SensorSetting>",
         {{0, 0, 0, 6, 0, 0, 0}, {}}}, // "Quantity" itself stands in the second sensor's place
        {"absurd quantity", "<SensorSetting><Quantity Result=\"4294967295\"/><Set_0/></SensorSetting>", {{}}},
        {"no sensor setting", "", {}},
    };
    for (const auto& c : cases) {
        HARTAISetting record;
        record.ChannelCount = 1;
        record.Channels = MakeHARTAIChannels(1);
        const QByteArray xml = QByteArray("<Slot_7><Setting><HARTAI><Set_0><InputRange Result=\"2\"/></Set_0></HARTAI>"
                                          "<HART><Set_0><HartOpMode Result=\"1\"/>") +
                               c.sensorSetting + "</Set_0></HART></Setting></Slot_7>";
        record.LoadHartAiChannels(LoadXml(xml));
        EXPECT_EQ(record.Channels[0].Sensors, c.sensors) << c.label;
        EXPECT_EQ(record.Channels[0].Setting.InputRange, 2) << c.label;
        EXPECT_EQ(record.Channels[0].Setting.HartOpMode, 1u) << c.label;
        EXPECT_EQ(record.Channels[0].Setting.NumRetry, 0u) << c.label; // missing: 0
    }
}

TEST_F(ChannelElementFormatTest, HartReaderWithoutItsElementsChangesNothing)
{
    const char* inputs[] = {
        "<Slot_7/>",
        "<Slot_7><Setting/></Slot_7>",
        "<Slot_7><Setting><HART><Set_0/></HART></Setting></Slot_7>",
    };
    for (const char* xml : inputs) {
        HARTAISetting record;
        record.ChannelCount = 1;
        record.Channels = {sentinelChannel<HARTAIChannel>()};
        record.LoadHartAiChannels(LoadXml(xml));
        EXPECT_EQ(record.Channels[0].Setting.InputRange, kSentinel) << xml;
        EXPECT_TRUE(record.Channels[0].Sensors.empty()) << xml;
    }
    HARTAISetting nullSlot;
    nullSlot.LoadHartAiChannels(nullptr); // no element at all
}

// A channel polls at most five sensors: a file naming more opens with the first five, and the
// trace names the channel.
TEST_F(ChannelElementFormatTest, AHartChannelOpensWithAtMostFiveSensors)
{
    HARTAISetting written;
    written.Channels = MakeHARTAIChannels(2);
    for (quint32 address = 0; address < 7; ++address) {
        HARTSensorEntry sensor;
        sensor.Address = address;
        written.Channels[1].Sensors.push_back(sensor);
    }
    written.Channels[0].Sensors.resize(2);
    IXMLElement* slot = NewSlot();
    written.SaveHartAiChannels(slot);

    HARTAISetting read;
    read.SlotIndex = 6;
    read.ChannelCount = 2;
    read.Channels = MakeHARTAIChannels(2);
    testing::internal::CaptureStderr();
    read.LoadHartAiChannels(slot);
    const std::string trace = testing::internal::GetCapturedStderr();
    EXPECT_EQ(read.Channels[0].Sensors.size(), 2u);
    ASSERT_EQ(read.Channels[1].Sensors.size(), 5u);
    for (quint32 k = 0; k < 5; ++k)
        EXPECT_EQ(read.Channels[1].Sensors[k].Address, k);
    EXPECT_NE(trace.find("slot 6 channel 1: 7 HART sensors"), std::string::npos) << trace;
    EXPECT_EQ(trace.find("channel 0"), std::string::npos) << trace;
}

} // namespace

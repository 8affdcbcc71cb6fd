// The rules of channel settings: duty ranges, producible CAN rates, hexadecimal fields, the
// burn-out text, record limits, and the DefaultSettings.ini triples and range lists.
#include "ChannelRules.h"
#include "DefaultSettingsFolder.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ChannelRules;

TEST(ChannelRules, TheDutyRangeIsHalfAPeriodOfTheMaximumFrequency)
{
    const struct {
        double frequency;
        double maximumFrequency;
        DutyRange range;
    } cases[] = {
        {1000.0, 1000.0, {50.0, 50.0}}, {1.0, 1000.0, {0.1, 99.9}},
        {250.0, 1000.0, {12.5, 87.5}},  {0.0, 1000.0, {0.1, 99.9}}, // no frequency: no division by zero
        {10.0, 0.0, {0.1, 99.9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frequency);
        const DutyRange range = DutyCycleRange(c.frequency, c.maximumFrequency);
        EXPECT_DOUBLE_EQ(range.minimum, c.range.minimum);
        EXPECT_DOUBLE_EQ(range.maximum, c.range.maximum);
    }
    EXPECT_DOUBLE_EQ(RoundedAsShown(2.345, 2), 2.35);
}

TEST(ChannelRules, TypedCanRatesBecomeTheNearestProducibleRate)
{
    const struct {
        quint32 typed;
        quint32 rate;
    } cases[] = {
        {125000, 125000}, // 80 MHz / 640, 640 = 40 x 16
        {4000, 4112},     // below the slowest rate
        {0, 4112},
        {25000000, 20000000}, // above the fastest
        {20000000, 20000000},
        {1000000, 1000000}, // divisor 80 = 16 x 5
        {4999999, 4705882}, // divisor 16 gives more than typed: 17 is the next
    };
    for (const auto& c : cases)
        EXPECT_EQ(NearestCanBaudRate(c.typed), c.rate) << c.typed;
}

TEST(ChannelRules, HexFieldsTakeAnOptionalPrefixAndRefuseOtherCharacters)
{
    const struct {
        const char* text;
        std::optional<quint32> value;
    } cases[] = {
        {"1F", 0x1F},
        {"0x1F", 0x1F},
        {"0X1f", 0x1F},
        {"", 0u},
        {"FFFFFFFF", 0xFFFFFFFFu},
        {"1G", std::nullopt},
        {"0x", 0u},
        {"1F ", std::nullopt},
        {"-1", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseHexField(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(ChannelRules, BurnOutTextsWithinZeroToFour)
{
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"4", true},       {"4.000", true}, {"0", true},   {"3.5", true}, {"4.001", false},
        {"4.0001", false}, {"-1", false},   {"12", false}, {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidBurnOutText(QString::fromUtf8(c.text)), c.valid) << c.text;
}

TEST(ChannelRules, RecordLimitsAndSamplingNumbers)
{
    EXPECT_EQ(RecordLimit(5000), 6u);
    EXPECT_EQ(RecordLimit(7), 4285u);
    EXPECT_EQ(RecordLimit(0), 0u) << "a rate of 0 divides nothing";
    EXPECT_EQ(SamplingNumbersOrBuiltIn({8000, 1, 8000}), (std::vector<quint32>{5000, 1, 5000, 60}));
    EXPECT_EQ(SamplingNumbersOrBuiltIn({8000, 1, 8000, 50}), (std::vector<quint32>{8000, 1, 8000, 50}));
}

TEST(ChannelRules, RealTriplesNeedThreeNumbersAndAPositiveMaximum)
{
    const RealTriple builtIn{1.0, 0.1, 1000.0};
    const struct {
        const char* text;
        RealTriple triple;
    } cases[] = {
        {"2.0,0.5,500", {2.0, 0.5, 500.0}},
        {"1.0,0.1", builtIn},
        {"1.0,0.1,0", builtIn}, // a maximum of 0 would divide by zero
        {"1,0.1,abc", builtIn},
        {"1,0.1,1000,5", builtIn},
        {"", builtIn},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseRealTriple(QString::fromUtf8(c.text), builtIn), c.triple) << c.text;
    const UnsignedTriple unsignedBuiltIn{1000, 50, 5000};
    EXPECT_EQ(ParseUnsignedTriple(QStringLiteral("100,10,900"), unsignedBuiltIn), (UnsignedTriple{100, 10, 900}));
    EXPECT_EQ(ParseUnsignedTriple(QStringLiteral("100,ten,900"), unsignedBuiltIn), unsignedBuiltIn);
    EXPECT_EQ(ParseUnsignedTriple(QStringLiteral("100,10"), unsignedBuiltIn), unsignedBuiltIn);
}

class ChannelRulesSettingsTest : public DefaultSettingsFolder {};

TEST_F(ChannelRulesSettingsTest, ModelKeyedValuesAndRangeListsSkipShortEntries)
{
    UseDefaultSettings("[DO]\n0x80412216Frequency=2,1,500\nFrequency=1,0.1,1000\n"
                       "[AORange]\nM1=R1,SHORT,R2,MISSING\nR1=4,20,0,mA\nSHORT=0,10,2\nR2=0,10,2,V,extra\n"
                       "[AIRange]\nM1=A1,A2\nA1=4,20\nA2=0,10,5\n");
    EXPECT_EQ(ReadModelKeyed("DO", "Frequency", "0x80412216"), "2,1,500");
    EXPECT_EQ(ReadModelKeyed("DO", "Frequency", "0x1"), "1,0.1,1000");
    const std::vector<RangeEntry> outputs = ReadRangeEntries("AORange", "M1", kAORangeFields);
    ASSERT_EQ(outputs.size(), 2u);
    EXPECT_EQ(outputs[0], (RangeEntry{"R1", "4", "20", "0", "mA"}));
    EXPECT_EQ(outputs[1], (RangeEntry{"R2", "0", "10", "2", "V"}));
    const std::vector<RangeEntry> inputs = ReadRangeEntries("AIRange", "M1", kAIRangeFields);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].Name, "A2");
    EXPECT_EQ(FindRangeEntry(inputs, "A2")->Code, "5");
    EXPECT_FALSE(FindRangeEntry(inputs, "A1"));

    UseNoDefaultSettings();
    EXPECT_TRUE(ReadRangeEntries("AIRange", "M1", kAIRangeFields).empty());
}

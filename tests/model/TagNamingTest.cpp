#include "TagNaming.h"
#include "TagEngineFixture.h"

#include <gtest/gtest.h>

using namespace TagFixture;

TEST(TagNamingTest, NamePatternsOfEachKindOfTag)
{
    const struct {
        const char* label;
        QString name;
        const char* expected;
    } cases[] = {
        {"channel", ChannelTagName(3, "DI", 0, "Status"), "S3_DI0_Status"},
        {"channel number unpadded", ChannelTagName(3, "DI", 12, "Status"), "S3_DI12_Status"},
        {"no alias", ChannelTagName(9, "", 0, "Status"), "S9_0_Status"},
        {"module", ModuleTagName(4, "PowerFail"), "S4_PowerFail"},
        {"system variable", SystemVariableTagName(0, "SYS", "Up Time"), "S0_SYS_UpTime"},
        {"connection", ConnectionTagName(1, "Cellular", "ConnectionStatus"), "S1_Cellular_ConnStatus"},
        {"every Connection shortened", ConnectionTagName(1, "Connection", "Connection"), "S1_Conn_Conn"},
        {"Connection case-sensitive", ConnectionTagName(1, "Cell", "connection"), "S1_Cell_connection"},
        {"register", SystemRegisterTagName(2, "Uptime"), "S2_Uptime"},
        {"power slot register as slot 0", SystemRegisterTagName(15, "Uptime"), "S0_Uptime"},
        {"register kept as formatted", SystemRegisterTagName(2, "Up time-1"), "S2_Up time-1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.name, QString::fromUtf8(c.expected)) << c.label;
}

TEST(TagNamingTest, GeneratedNamesAreAbbreviatedAndCleaned)
{
    const struct {
        const char* definitionName;
        const char* expected;
    } cases[] = {
        {"Internal Register 1", "S1_AI2_IR_1"},     {"System Register", "S1_AI2_SR"},
        {"Read Only Value", "S1_AI2_R_Value"},      {"Read/Write Value", "S1_AI2_RW_Value"},
        {"Flow-rate (m3/h)", "S1_AI2_Flowratem3h"}, {"Temp\u00b0C", "S1_AI2_TempC"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChannelTagName(1, "AI", 2, QString::fromUtf8(c.definitionName)), QString::fromUtf8(c.expected))
            << c.definitionName;
}

TEST(TagNamingTest, DefinitionTagTakesTheDefinitionsNumbers)
{
    const TagDefinition definition = Def("Status", "3.2.1", 4, 2, 1);
    const TagRecord tag = MakeDefinitionTag("S3_DI2_Status", "DI", ChannelType::DigitalInput, definition);
    EXPECT_EQ(tag.TagName, "S3_DI2_Status");
    EXPECT_TRUE(tag.SecondText.isEmpty());
    EXPECT_EQ(tag.ChannelTypeAlias, "DI");
    EXPECT_EQ(tag.ResID, "3.2.1");
    EXPECT_EQ(tag.SlotIndex, 3);
    EXPECT_EQ(tag.ChannelIndex, 2);
    EXPECT_EQ(tag.ResourceType, 1);
    EXPECT_EQ(tag.DataTypeCode, 4);
    EXPECT_EQ(tag.Dnp3PointType, 2);
    EXPECT_EQ(tag.Direction, 1);
    EXPECT_EQ(tag.PublishToTavo, 0);
    EXPECT_TRUE(tag.RelatedServices.empty());
}

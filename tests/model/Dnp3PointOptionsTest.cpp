// The DNP3 point choices: variation numbers read from option texts, the lists each object type
// gets from DefaultSettings.ini, and the point groups kept by index.
#include "DefaultSettingsFolder.h"

#include "CDataCenter.h"
#include "Dnp3PointOptions.h"

namespace {

using namespace Dnp3PointRules;

TEST(Dnp3VariationTest, TheNumberFollowsTheFirstVOfTheFirstWord)
{
    const struct {
        const char* text;
        int number;
    } cases[] = {
        {"g30v2 16-bit", 2},
        {"g21v10 16-bit without flag", 10},
        {"g1v1", 0},
        {"x v", 0},
        {"", 0},
        {"gv first", 0},
        {"g2v3x y", 3},
        {"g2 v3", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VariationNumber(QString::fromUtf8(c.text)), c.number) << c.text;
    EXPECT_GT(VariationNumber("g1v99999999999999999999 long"), 0) << "no overflow";
}

TEST(Dnp3VariationTest, AStoredNumberSelectsItsOptionOrTheFirst)
{
    const QStringList options = {"g30v1 32-bit", "g30v2 16-bit", "g30v5 float"};
    EXPECT_EQ(VariationIndex(options, 2), 1);
    EXPECT_EQ(VariationIndex(options, 5), 2);
    EXPECT_EQ(VariationIndex(options, 7), 0);
    EXPECT_EQ(VariationIndex({}, 1), -1);
}

class Dnp3PointOptionsTest : public DefaultSettingsFolder {};

TEST_F(Dnp3PointOptionsTest, EachObjectTypeGetsItsOwnLists)
{
    UseDefaultSettings("[DNP3]\nGroupVariationBI=g1v1 a,g1v2 b\nGroupVariationCounter=g20v1 c\n"
                       "EventVariationBI=g2v1 d\nEventVariationCounter=g22v1 e\nFrozenVariationCounter=g21v1 f\n"
                       "EventVariationFrozen=g23v1 g\nGroupVariationBO=g10v2 h\nClassLevel=None,C1,C2,C3\n"
                       "ConditionValueDeviationType=Percentage,Value\n");
    const Dnp3PointOptions binary = Dnp3PointOptions::Load(Dnp3ObjectType::BinaryInput);
    EXPECT_EQ(binary.StaticVariations, (QStringList{"g1v1 a", "g1v2 b"}));
    EXPECT_EQ(binary.EventVariations, QStringList{"g2v1 d"});
    EXPECT_TRUE(binary.FrozenVariations.isEmpty());
    EXPECT_EQ(binary.ClassLevel, (QStringList{"None", "C1", "C2", "C3"}));

    const Dnp3PointOptions output = Dnp3PointOptions::Load(Dnp3ObjectType::BinaryOutput);
    EXPECT_EQ(output.StaticVariations, QStringList{"g10v2 h"});
    EXPECT_TRUE(output.EventVariations.isEmpty());

    const Dnp3PointOptions counter = Dnp3PointOptions::Load(Dnp3ObjectType::Counter);
    EXPECT_EQ(counter.FrozenVariations, QStringList{"g21v1 f"});
    EXPECT_EQ(counter.FrozenEventVariations, QStringList{"g23v1 g"});
    EXPECT_EQ(counter.DeviationTypes, (QStringList{"Percentage", "Value"}));

    // The split keeps the rest after the last comma: an empty key still gives one entry.
    EXPECT_EQ(Dnp3PointOptions::Load(Dnp3ObjectType::AnalogInput).StaticVariations, QStringList{QString()});
    EXPECT_TRUE(Dnp3PointOptions::Load(9).StaticVariations.isEmpty());
}

TEST(Dnp3ObjectTypeRulesTest, OutputsHaveNoEventsAndOnlyCountersAreFrozen)
{
    for (int type : {1, 2, 5})
        EXPECT_TRUE(OffersEventClasses(type)) << type;
    for (int type : {3, 4, 0, 6})
        EXPECT_FALSE(OffersEventClasses(type)) << type;
    EXPECT_TRUE(HasFrozenVariations(5));
    EXPECT_FALSE(HasFrozenVariations(2));
}

} // namespace

// What the tag pages change survives a save and an open: a renamed tag, internal variables made
// in a batch with their tags, and the device information texts.
#include "ProjectFrameFixture.h"

#include "ResultCodes.h"
#include "TypeIds.h"

namespace {

using TagPageEditsRoundTrip = ProjectFrameTest;

constexpr int kWrittenLong = 13;
constexpr int kTypeIndex = 3;

TEST_F(TagPageEditsRoundTrip, RenamesVariablesAndDeviceInformationAreKept)
{
    CDataCenter saved;
    int cursor = 0;
    ASSERT_TRUE(FilledProject::BuildFilledProject(
        saved, FilledProject::ChoiceFor(QStringLiteral("ulTEK 4100-CPU15-C-T"), 3), cursor));
    ASSERT_FALSE(saved.Tags.empty());
    TagRecord renamed = saved.Tags[0];
    renamed.TagName = QStringLiteral("Renamed_Tag");
    saved.UpdateTagRecord(renamed.ResID, renamed);
    InternalVariableRecord variable;
    variable.TagType = kWrittenLong;
    variable.Definition.TagType = kWrittenLong;
    QStringList ids;
    for (const char* name : {"Tank1_Lvl", "Tank2_Lvl"})
        ids << saved.AddInternalVariable(variable, kTypeIndex, QLatin1String(name));
    saved.SetModuleInfo({QStringLiteral("RTU-7"), QStringLiteral("Well 3")});
    ASSERT_TRUE(saved.SaveProject(Path(QStringLiteral("p.pelx"))));

    CDataCenter reopened;
    ASSERT_EQ(CProjectLoader(reopened).LoadProjectFile(Path(QStringLiteral("p.pelx")), 0), kS_OK);
    EXPECT_EQ(reopened.GetTagNameByAddress(renamed.ResID), "Renamed_Tag");
    std::vector<InternalVariableRecord> variables;
    reopened.GetResourceTypeList(kWrittenLong, variables);
    ASSERT_EQ(variables.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(variables[static_cast<size_t>(i)].Definition.ResourceText, ids[i]);
        EXPECT_EQ(reopened.GetTagNameByAddress(ids[i]), QStringLiteral("Tank%1_Lvl").arg(i + 1));
    }
    EXPECT_EQ(reopened.NextInternalVariableIndex(kWrittenLong), 2);
    EXPECT_EQ(reopened.GetModuleInfo(), (ModuleInfoPair{QStringLiteral("RTU-7"), QStringLiteral("Well 3")}));
}

} // namespace

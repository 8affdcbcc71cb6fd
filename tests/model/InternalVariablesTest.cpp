// Internal variables made by the user: resource ids that continue after the last index, one tag
// per variable, and deletion refused while a service uses the tag.
#include "CDataCenter.h"
#include "TypeIds.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWrittenLong = 13; // the fourth type of the page's list
constexpr int kTypeIndex = 3;

InternalVariableRecord writtenLong()
{
    InternalVariableRecord record;
    record.TagType = kWrittenLong;
    record.Definition.TagType = kWrittenLong;
    return record;
}

TEST(InternalVariablesTest, ResourceIdsContinueAfterTheLastIndex)
{
    CDataCenter model;
    EXPECT_EQ(model.NextInternalVariableIndex(kWrittenLong), 0);
    EXPECT_EQ(model.AddInternalVariable(writtenLong(), kTypeIndex, QStringLiteral("V0")), "0.0.2.3.0");
    for (int i = 1; i <= 4; ++i)
        model.AddInternalVariable(writtenLong(), kTypeIndex, QStringLiteral("V%1").arg(i));
    EXPECT_EQ(model.NextInternalVariableIndex(kWrittenLong), 5);
    ASSERT_TRUE(model.DeleteInternalVariable(kWrittenLong, QStringLiteral("0.2.2.3.0")));
    // The index after the last one, not the count: no id is given twice.
    EXPECT_EQ(model.AddInternalVariable(writtenLong(), kTypeIndex, QStringLiteral("V5")), "0.5.2.3.0");
}

TEST(InternalVariablesTest, EachVariableGetsItsTag)
{
    CDataCenter model;
    model.SetModified(0);
    const QString id = model.AddInternalVariable(writtenLong(), kTypeIndex, QStringLiteral("Tank1_Lvl"));
    TagRecord tag;
    ASSERT_TRUE(model.FindTagByAddress(id, tag));
    EXPECT_EQ(tag.TagName, "Tank1_Lvl");
    EXPECT_EQ(tag.ChannelTypeId, RegisterType::Base + kWrittenLong);
    EXPECT_EQ(tag.DataTypeCode, kWrittenLong);
    EXPECT_EQ(tag.ChannelIndex, 0);
    std::vector<InternalVariableRecord> list;
    model.GetResourceTypeList(kWrittenLong, list);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Definition.Name, "Tank1_Lvl");
    EXPECT_EQ(list[0].Definition.ResourceText, id);
    EXPECT_TRUE(model.IsModified());
}

TEST(InternalVariablesTest, DeleteRemovesVariableAndTagUnlessInUse)
{
    CDataCenter model;
    const QString free = model.AddInternalVariable(writtenLong(), kTypeIndex, QStringLiteral("A"));
    const QString used = model.AddInternalVariable(writtenLong(), kTypeIndex, QStringLiteral("B"));
    model.AddTagServiceUse(used, ServiceId::ModbusSlave, 0);

    EXPECT_FALSE(model.DeleteInternalVariable(kWrittenLong, used));
    EXPECT_TRUE(model.TagAddressExists(used));
    EXPECT_EQ(model.GetInternalTagCount(kWrittenLong), 2);

    EXPECT_TRUE(model.DeleteInternalVariable(kWrittenLong, free));
    EXPECT_FALSE(model.TagAddressExists(free));
    EXPECT_EQ(model.GetInternalTagCount(kWrittenLong), 1);
}

} // namespace

#include "TagDefinition.h"
#include "CAutoResource.h"

#include <gtest/gtest.h>

namespace {

TEST(TagDefinitionTest, NewDefinitionIsEmptyWithDirectionTwo)
{
    const TagDefinition definition;
    EXPECT_TRUE(definition.Name.isEmpty());
    EXPECT_TRUE(definition.ResourceText.isEmpty());
    EXPECT_TRUE(definition.BoundTagName.isEmpty());
    EXPECT_EQ(definition.IoDirection, 2);
    EXPECT_EQ(definition.TagUseFlag, 0);
    EXPECT_EQ(definition.Max, 0);
}

TEST(CAutoResourceTest, IsOneInstance)
{
    EXPECT_EQ(CAutoResource::GetInstance(), CAutoResource::GetInstance());
}

} // namespace

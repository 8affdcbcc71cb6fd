// The tag table's index follows every way the table changes, and each look-up keeps its case rule.
#include "TagEngineFixture.h"

#include <gtest/gtest.h>

using namespace TagFixture;

namespace {

void fill(CDataCenter& model)
{
    model.AppendTag(MakeTag("Alpha", "1.0.A"));
    model.AppendTag(MakeTag("Beta", "1.0.b"));
    model.AppendTag(MakeTag("Alpha2", "1.0.A")); // a second tag of the address
    model.AppendTag(MakeTag("Gamma", "1.0.2"));
}

} // namespace

TEST(TagIndexTest, LookupsKeepTheirCaseRules)
{
    CDataCenter model;
    fill(model);
    TagRecord out;
    EXPECT_EQ(model.GetTagNameByAddress("1.0.a"), "Alpha") << "case-blind, first tag";
    EXPECT_EQ(model.IsTagAddressUsed("1.0.B"), 1);
    EXPECT_EQ(model.IsTagAddressUsed(""), 0);
    EXPECT_EQ(model.FindTagByAddress("1.0.a", out), 0) << "exact";
    EXPECT_EQ(model.IsTagAddressFree("1.0.B"), 1);
    EXPECT_EQ(model.IsTagNameFree("GAMMA"), 0);
    EXPECT_EQ(model.LookupTagByName("GAMMA", out), 0) << "exact name";
    EXPECT_EQ(model.LookupTagByName("Gamma", out), 1);
}

TEST(TagIndexTest, TheIndexFollowsErasesReplacesAndEditsByHand)
{
    CDataCenter model;
    fill(model);
    model.DeleteTagsByAddress("1.0.b", 1); // mid-table
    EXPECT_EQ(model.GetTagNameByAddress("1.0.2"), "Gamma");
    EXPECT_EQ(model.IsTagNameFree("beta"), 1);

    TagRecord renamed = model.Tags.All()[0];
    renamed.TagName = QStringLiteral("Delta");
    model.UpdateTag("1.0.A", renamed);
    EXPECT_EQ(model.IsTagNameFree("alpha"), 1);
    EXPECT_EQ(model.GetTagNameByAddress("1.0.A"), "Delta");

    model.Tags[2].ResID = QStringLiteral("9.9.9"); // by hand: the next look-up rebuilds the index
    EXPECT_EQ(model.GetTagNameByAddress("9.9.9"), "Gamma");
    EXPECT_EQ(model.TagAddressExists("1.0.2"), 0);

    model.Tags.erase(model.Tags.begin()); // the first tag of 1.0.A goes: the second one answers
    EXPECT_EQ(model.GetTagNameByAddress("1.0.A"), "Alpha2");
    model.AppendTag(MakeTag("Last", "1.0.A"));
    model.AddTagServiceUse("1.0.A", {ServiceId::ModbusMaster, 1});
    EXPECT_EQ(model.Tags.All()[0].RelatedServices, Links({{ServiceId::ModbusMaster, 1}}));
    EXPECT_EQ(model.Tags.All()[2].RelatedServices, Links({{ServiceId::ModbusMaster, 1}}));

    model.Tags = {MakeTag("Only", "2.0.0")};
    EXPECT_EQ(model.GetTagNameByAddress("2.0.0"), "Only");
    EXPECT_EQ(model.IsTagAddressUsed("1.0.A"), 0);
}

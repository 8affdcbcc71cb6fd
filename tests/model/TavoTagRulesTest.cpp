// The TAVO push rules: addresses that cannot be pushed on change, the settings of a newly pushed
// tag, and replacing the whole push configuration with its tag uses.
#include "TavoTagRules.h"
#include "TagEngineFixture.h"

#include <gtest/gtest.h>

using namespace TagFixture;
using namespace TavoTagRules;

namespace {

constexpr quint32 kDefaultInterval = 60;
const ControlTag kTrigger{QStringLiteral("0.0.116.3"), QStringLiteral("Trigger")};

TagRecord tagAt(const QString& address, int direction = 0)
{
    TagRecord tag = MakeTag(QStringLiteral("T"), address);
    tag.Direction = direction;
    return tag;
}

TagRecordExtra settings(qint32 interval, quint32 period, qint32 unit, qint32 onChange, qint32 control, qint32 access,
                        const QString& controlName = {}, const QString& controlId = {})
{
    return {interval, period, unit, onChange, control, access, controlName, controlId};
}

} // namespace

TEST(TavoTagRulesTest, OnChangeIsForbiddenByThePartBehindTheSecondPoint)
{
    const struct {
        const char* address;
        bool forbidden;
    } cases[] = {
        {"0.1013.0.4.0", true},    {"1.2.0.10.7", true}, {"0.1013.0.4.2", false},
        {"0.4.0", false}, // behind its second point lies "0"
        {"0.1013.0.4.0.1", false}, {"", false},          {"0.4", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsOnChangeForbidden(QString::fromUtf8(c.address)), c.forbidden) << c.address;
}

TEST(TavoTagRulesTest, NewTagsTakeTheDefaultUpdateKind)
{
    const QString plain = QStringLiteral("1.2.0");
    const QString system = QStringLiteral("0.1013.0.4.0");
    const struct {
        const char* name;
        TagRecord tag;
        int type;
        ControlTag control;
        TagRecordExtra expected;
    } cases[] = {
        {"interval", tagAt(plain), kUpdateByInterval, kTrigger, settings(1, 60, 0, 0, 0, 1)},
        {"unknown type is interval", tagAt(plain), 7, kTrigger, settings(1, 60, 0, 0, 0, 1)},
        {"on change", tagAt(plain), kUpdateOnChange, kTrigger, settings(0, 0, 0, 1, 0, 1)},
        {"on change on a system address falls back to interval", tagAt(system), kUpdateOnChange, kTrigger,
         settings(1, 60, 0, 0, 0, 1)},
        {"control tag", tagAt(plain), kUpdateByControlTag, kTrigger,
         settings(0, 0, 0, 0, 1, 1, QStringLiteral("Trigger"), QStringLiteral("0.0.116.3"))},
        {"control tag that does not exist",
         tagAt(plain),
         kUpdateByControlTag,
         {QStringLiteral("0.0.116.3"), {}},
         settings(0, 0, 0, 0, 1, 1)},
        {"a locked direction pushes one way", tagAt(plain, 1), kUpdateByInterval, kTrigger,
         settings(1, 60, 0, 0, 0, 0)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NewPushedTagSettings(c.tag, c.type, kDefaultInterval, c.control), c.expected) << c.name;
}

TEST(TavoTagRulesTest, OnlyAForbiddenOnChangeIsDropped)
{
    const struct {
        const char* name;
        TagRecordExtra before;
        bool forbidden;
        TagRecordExtra after;
    } cases[] = {
        {"allowed", settings(0, 0, 0, 1, 0, 1), false, settings(0, 0, 0, 1, 0, 1)},
        {"only kind", settings(0, 0, 2, 1, 0, 1), true, settings(1, 60, 0, 0, 0, 1)},
        {"interval kept", settings(1, 5, 2, 1, 0, 1), true, settings(1, 5, 2, 0, 0, 1)},
        {"control kept", settings(0, 0, 0, 1, 1, 0, "C", "0.0.116.3"), true,
         settings(0, 0, 0, 0, 1, 0, "C", "0.0.116.3")},
    };
    for (const auto& c : cases) {
        TagRecordExtra result = c.before;
        DropForbiddenOnChange(result, c.forbidden, kDefaultInterval);
        EXPECT_EQ(result, c.after) << c.name;
    }
}

class ReplaceTavoPushedTagsTest : public testing::Test {
protected:
    void SetUp() override
    {
        model.AppendTag(MakeTag("Trigger", "0.0.116.3", ServiceId::Tavo));
        model.AppendTag(MakeTag("A", "1.0.0"));
        model.AppendTag(MakeTag("B", "1.0.1"));
        model.AppendTag(MakeTag("C", "1.0.2"));
    }
    TagRecord pushed(const char* address, TagRecordExtra extra)
    {
        TagRecord tag = MakeTag("X", address);
        tag.Tavo = std::move(extra);
        return tag;
    }
    const TagRecord& tag(size_t position) { return model.Tags[position]; }

    CDataCenter model;
    const TagRecordExtra byControl = settings(0, 0, 0, 0, 1, 1, "Trigger", "0.0.116.3");
    const TagRecordExtra byInterval = settings(1, 5, 1, 0, 0, 0);
};

TEST_F(ReplaceTavoPushedTagsTest, TheListedTagsArePushedWithExactlyTheirUses)
{
    model.ReplaceTavoPushedTags({pushed("1.0.0", byControl), pushed("1.0.2", byInterval), pushed("9.9.9", byInterval)});
    EXPECT_EQ(tag(1).PublishToTavo, 1);
    EXPECT_EQ(tag(1).Tavo, byControl);
    EXPECT_EQ(tag(2).PublishToTavo, 0);
    EXPECT_EQ(tag(3).Tavo, byInterval);
    EXPECT_EQ(tag(1).RelatedServices, Links({{ServiceId::TavoTagLink, 0}}));
    EXPECT_EQ(tag(3).RelatedServices, Links({{ServiceId::TavoTagLink, 0}}));
    EXPECT_EQ(tag(0).RelatedServices, Links({{ServiceId::TavoControlTagLink, 1}}));

    // Replaced again: A leaves, B follows the trigger; the trigger's use follows the position.
    model.ReplaceTavoPushedTags({pushed("1.0.1", byControl), pushed("1.0.2", byInterval)});
    EXPECT_EQ(tag(1).PublishToTavo, 0);
    EXPECT_EQ(tag(1).Tavo, TagRecordExtra{});
    EXPECT_TRUE(tag(1).RelatedServices.empty());
    EXPECT_EQ(tag(2).RelatedServices, Links({{ServiceId::TavoTagLink, 0}}));
    EXPECT_EQ(tag(3).RelatedServices, Links({{ServiceId::TavoTagLink, 0}}));
    EXPECT_EQ(tag(0).RelatedServices, Links({{ServiceId::TavoControlTagLink, 2}}));
}

TEST_F(ReplaceTavoPushedTagsTest, AnEmptyListClearsEveryPushAndEveryTavoUseStaleOnesIncluded)
{
    model.ReplaceTavoPushedTags({pushed("1.0.0", byControl), pushed("1.0.1", byInterval)});
    // As a file can leave them: uses of a tag no longer pushed, beside another service's use.
    model.AddTagServiceUse("1.0.2", {ServiceId::TavoTagLink, 0});
    model.AddTagServiceUse("0.0.116.3", {ServiceId::TavoControlTagLink, 3});
    model.AddTagServiceUse("1.0.2", {ServiceId::SnmpAgentLink2, 0});

    model.ReplaceTavoPushedTags({});
    for (size_t position = 0; position < model.Tags.size(); ++position) {
        EXPECT_EQ(tag(position).PublishToTavo, 0) << position;
        EXPECT_EQ(tag(position).Tavo, TagRecordExtra{}) << position;
    }
    EXPECT_TRUE(tag(0).RelatedServices.empty());
    EXPECT_EQ(tag(3).RelatedServices, Links({{ServiceId::SnmpAgentLink2, 0}})) << "other services keep theirs";
}

// The tag work the pages share: automatic tags of list-service entries, entry numbers, and the
// tags of a channel whose mode key changes.
#include "CAutoResource.h"
#include "DefaultSettingsFolder.h"
#include "EntryIndex.h"
#include "TagEngineFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace TagFixture;
using TagChange = CDataCenter::TagChange;

namespace {

const QByteArray kAutomaticTagSettings = R"([AlarmMail]
AlarmMailTriggerResourceID=137.1
AlarmMailTriggerName=MailTrig
AlarmMailStatusResourceID=137.2
AlarmMailStatusName=MailStatus
[SNMPAgent]
ServiceSNMPAgentResourceID=127.1
ServiceSNMPAgentName=AgentStatus
[DataLog]
DataLogStartStopResourceID=114.1
DataLogStartStopName=LogStartStop
DataLogTriggerResourceID=114.2
DataLogTriggerName=LogTrigger
DataLogStatusResourceID=114.3
DataLogStatusName=LogStatus
FTPTriggerResourceID=124.1
FTPTriggerName=FtpTrigger
FTPStatusResourceID=124.2
FTPStatusName=FtpStatus
)";

class AutomaticTagsTest : public DefaultSettingsFolder {
protected:
    void SetUp() override
    {
        DefaultSettingsFolder::SetUp();
        UseDefaultSettings(kAutomaticTagSettings);
        CAutoResource::ReleaseInstance();
        CAutoResource::GetInstance(); // reads the test's file
    }

    void TearDown() override
    {
        DefaultSettingsFolder::TearDown();
        CAutoResource::ReleaseInstance();
    }

    static QVector<TagDefinition> Build(int serviceId, int item, int aliasFlag = 0)
    {
        QVector<TagDefinition> definitions;
        EXPECT_EQ(CAutoResource::GetInstance()->BuildServiceTags(serviceId, item, definitions, aliasFlag), 1);
        return definitions;
    }

    // An e-mail alarm entry of that index in the model, as the page appends it before its tags.
    static ALARM_MAIL_ITEM_SETTINGS& AddMailEntry(CDataCenter& model, int index)
    {
        ALARM_MAIL_ITEM_SETTINGS entry;
        entry.Index = index;
        model.AlarmMail.Entries.push_back(entry);
        return model.AlarmMail.Entries.back();
    }
};

QStringList namesOf(const QVector<TagDefinition>& definitions)
{
    QStringList names;
    for (const TagDefinition& definition : definitions)
        names << definition.Name;
    return names;
}

} // namespace

TEST_F(AutomaticTagsTest, EachServiceBuildsItsTagsInOrder)
{
    struct Case {
        int service;
        int aliasFlag;
        QStringList names;
    };
    const Case cases[] = {
        {ServiceId::AlarmMail, 0, {"MailTrig_2", "MailStatus_2"}},
        {ServiceId::SnmpAgent, 0, {"AgentStatus_2"}},
        {ServiceId::DataLogging, 0, {"LogStartStop_2", "LogTrigger_2", "LogStatus_2"}},
        {ServiceId::DataLoggingUpload, 1, {"FtpTrigger_2", "FtpStatus_2"}},
        {ServiceId::RESTfulApi, 0, {}},
        {ServiceId::Dnp3Outstation, 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(namesOf(Build(c.service, 2, c.aliasFlag)), c.names) << c.service;
}

TEST_F(AutomaticTagsTest, TriggersAreWrittenTwoStateTagsAndStatusesRead32BitValues)
{
    const QVector<TagDefinition> mail = Build(ServiceId::AlarmMail, 0);
    ASSERT_EQ(mail.size(), 2);
    const TagDefinition& trigger = mail[0];
    EXPECT_EQ(trigger.ResourceText, "0.0.137.1");
    EXPECT_EQ(trigger.BoundTagName, "MailTrig_0"); // the alias
    EXPECT_EQ(trigger.TagUseFlag, 1);
    EXPECT_EQ(trigger.ResType, 1);
    EXPECT_EQ(trigger.TagType, 10);
    EXPECT_EQ(trigger.DNP3TagType, 3);
    EXPECT_EQ(trigger.IsInput, 0);
    EXPECT_EQ(trigger.Min, 0);
    EXPECT_EQ(trigger.Max, 1);
    const TagDefinition& status = mail[1];
    EXPECT_EQ(status.ResType, 2);
    EXPECT_EQ(status.TagType, 4);
    EXPECT_EQ(status.IsInput, 1);
    EXPECT_EQ(status.Min, std::numeric_limits<qint32>::min());
    EXPECT_EQ(status.Max, std::numeric_limits<qint32>::max());

    const QVector<TagDefinition> upload = Build(ServiceId::DataLoggingUpload, 4, 0);
    ASSERT_EQ(upload.size(), 2);
    EXPECT_TRUE(upload[0].BoundTagName.isEmpty()) << "no alias without the flag";
    EXPECT_EQ(upload[0].ResType, 0);
    EXPECT_EQ(upload[1].BoundTagName, "FtpStatus_4");
    EXPECT_EQ(upload[1].TagType, 8);
    EXPECT_EQ(upload[1].Max, std::numeric_limits<quint32>::max());
}

TEST_F(AutomaticTagsTest, MissingKeysStillBuildTagsAndTheTextsAreReadAgainAfterRelease)
{
    UseNoDefaultSettings();
    CAutoResource* before = CAutoResource::GetInstance();
    EXPECT_EQ(namesOf(Build(ServiceId::AlarmMail, 2)), QStringList({"MailTrig_2", "MailStatus_2"}))
        << "read once, kept until released";
    CAutoResource::ReleaseInstance();
    const QVector<TagDefinition> bare = Build(ServiceId::AlarmMail, 2);
    EXPECT_EQ(CAutoResource::GetInstance(), before) << "the records keep its address";
    ASSERT_EQ(bare.size(), 2);
    EXPECT_EQ(bare[0].Name, "_2");
    EXPECT_EQ(bare[0].ResourceText, "0.2.");
}

TEST_F(AutomaticTagsTest, RegisteringAnEntryMakesItsTagsWithTheEntrysUse)
{
    CDataCenter model;
    model.AddResourceName(ServiceId::AlarmMail, QStringLiteral("Email Alarm"));
    ALARM_MAIL_ITEM_SETTINGS& entry = AddMailEntry(model, 3);
    std::vector<TagChange> created;
    ASSERT_EQ(model.RegisterServiceItemTags(ServiceId::AlarmMail, 3, entry.TagDefinitions, created), 1);

    EXPECT_EQ(created, (std::vector<TagChange>{{"MailTrig_3", "0.3.137.1"}, {"MailStatus_3", "0.3.137.2"}}));
    ASSERT_EQ(entry.TagDefinitions.size(), 2);
    TagRecord tag;
    ASSERT_EQ(model.FindTagByAddress("0.3.137.2", tag), 1);
    EXPECT_EQ(tag.TagName, "MailStatus_3");
    EXPECT_EQ(tag.ChannelTypeId, ServiceId::AlarmMail);
    EXPECT_EQ(tag.ChannelTypeAlias, "Email Alarm");
    EXPECT_EQ(tag.DataTypeCode, 4);
    EXPECT_EQ(tag.ChannelIndex, 3);
    EXPECT_EQ(tag.RelatedServices, Links({{ServiceId::AlarmMail, 3}}));
    EXPECT_EQ(entry.TagDefinitions[1].BoundTagName, "MailStatus_3");
}

TEST_F(AutomaticTagsTest, ATakenNameOrAddressMakesNoTagAtAll)
{
    CDataCenter model;
    model.AppendTag(MakeTag("MAILSTATUS_1", "9.9.9")); // the status name in another case
    ALARM_MAIL_ITEM_SETTINGS& entry = AddMailEntry(model, 1);
    std::vector<TagChange> created{{"stale", "x"}};
    EXPECT_EQ(model.RegisterServiceItemTags(ServiceId::AlarmMail, 1, entry.TagDefinitions, created), 0);
    EXPECT_TRUE(created.empty());
    EXPECT_TRUE(entry.TagDefinitions.isEmpty());
    EXPECT_EQ(model.Tags.size(), 1u) << "the trigger is not left behind";

    model.AppendTag(MakeTag("Other", "0.2.137.1")); // the trigger address of entry 2
    EXPECT_EQ(model.RegisterServiceItemTags(ServiceId::AlarmMail, 2, entry.TagDefinitions, created), 0);
    EXPECT_EQ(model.Tags.size(), 2u);
}

TEST_F(AutomaticTagsTest, ReleasingAnEntryRemovesItsTagsAndTheirServiceListEntries)
{
    CDataCenter model;
    for (int index : {0, 1}) {
        ALARM_MAIL_ITEM_SETTINGS& entry = AddMailEntry(model, index);
        std::vector<TagChange> created;
        ASSERT_EQ(model.RegisterServiceItemTags(ServiceId::AlarmMail, index, entry.TagDefinitions, created), 1);
    }
    SNMP_AGENT_TAG_ITEM published;
    published.TagResID = QStringLiteral("0.0.137.2");
    model.SnmpAgent.TagTable.push_back(published);

    const std::vector<QString> addresses = CDataCenter::DefinitionAddresses(model.AlarmMail.Entries[0].TagDefinitions);
    const std::vector<TagChange> removed =
        model.ReleaseServiceItemTags({ServiceId::AlarmMail, 0}, {addresses[0], "7.7.7", addresses[1]});

    EXPECT_EQ(removed, (std::vector<TagChange>{{"MailTrig_0", "0.0.137.1"}, {"MailStatus_0", "0.0.137.2"}}));
    EXPECT_EQ(model.IsTagAddressUsed("0.0.137.1"), 0);
    EXPECT_TRUE(model.SnmpAgent.TagTable.isEmpty());
    TagRecord kept;
    ASSERT_EQ(model.FindTagByAddress("0.1.137.1", kept), 1);
    EXPECT_EQ(kept.RelatedServices, Links({{ServiceId::AlarmMail, 1}})) << "item numbers of 137 stay";
}

TEST(EntryIndexTest, NextIndexIsOnePastTheLastEntry)
{
    struct Case {
        std::vector<int> indexes;
        int next;
    };
    const Case cases[] = {{{}, 0}, {{0}, 1}, {{0, 1, 2}, 3}, {{1, 2}, 3}, {{0, 1}, 2}, {{5, 2}, 3}};
    for (const Case& c : cases) {
        QVector<ALARM_MAIL_ITEM_SETTINGS> entries;
        for (int index : c.indexes) {
            entries.push_back({});
            entries.back().Index = index;
        }
        EXPECT_EQ(NextEntryIndex(entries), c.next) << c.indexes.size();
    }
}

namespace {

// A DI channel whose definitions belong to two mode keys: "Value" to key 0, "Count" to key 1.
class ChannelModeTest : public testing::Test {
protected:
    static constexpr int kSlot = 1;
    static constexpr int kChannel = 1;

    void SetUp() override
    {
        MakeSlots(model_);
        PlaceDI(model_, kSlot, 2);
        definitions_ = {Def("Value", Address(kSlot, kChannel, 0), 1, 1, 1, 0),
                        Def("Status", Address(kSlot, kChannel, 1), 4, 2, 1, 0),
                        Def("Count", Address(kSlot, kChannel, 2), 8, 2, 1, 1)};
        model_.RegenerateSlotTags(kSlot);
    }

    CDataCenter model_;
    std::vector<TagDefinition> definitions_;
};

} // namespace

TEST_F(ChannelModeTest, ChangingTheKeyRemovesTheOldTagsAndMakesTheNewOnes)
{
    const QString valueName = model_.GetTagNameByAddress(Address(kSlot, kChannel, 0));
    ASSERT_FALSE(valueName.isEmpty());
    const auto rebuild = model_.RebuildChannelTags(kSlot, ChannelType::DigitalInput, kChannel, definitions_, 0, 1);

    EXPECT_EQ(rebuild.Removed.size(), 2u);
    EXPECT_EQ(rebuild.Removed[0], (TagChange{valueName, Address(kSlot, kChannel, 0)}));
    EXPECT_EQ(rebuild.Created, (std::vector<TagChange>{{"S1_DI1_Count", Address(kSlot, kChannel, 2)}}));
    EXPECT_EQ(model_.IsTagAddressUsed(Address(kSlot, kChannel, 0)), 0);
    TagRecord count;
    ASSERT_EQ(model_.FindTagByAddress(Address(kSlot, kChannel, 2), count), 1);
    EXPECT_EQ(count.ChannelTypeAlias, "DI");
    EXPECT_EQ(count.ChannelTypeId, ChannelType::DigitalInput);
    EXPECT_EQ(count.DataTypeCode, 8);

    const auto back = model_.RebuildChannelTags(kSlot, ChannelType::DigitalInput, kChannel, definitions_, 1, 0);
    EXPECT_EQ(back.Removed, (std::vector<TagChange>{{"S1_DI1_Count", Address(kSlot, kChannel, 2)}}));
    EXPECT_EQ(back.Created.size(), 2u);
    EXPECT_EQ(model_.GetTagNameByAddress(Address(kSlot, kChannel, 0)), "S1_DI1_Value");
}

TEST_F(ChannelModeTest, TheSameKeyOrAnAddressThatHasATagChangesNothing)
{
    const size_t tags = model_.Tags.size();
    const auto same = model_.RebuildChannelTags(kSlot, ChannelType::DigitalInput, kChannel, definitions_, 0, 0);
    EXPECT_TRUE(same.Removed.empty());
    EXPECT_TRUE(same.Created.empty());

    // Leaving key 5, which no definition has: nothing goes; key 0's tags are all there already.
    const auto entering = model_.RebuildChannelTags(kSlot, ChannelType::DigitalInput, kChannel, definitions_, 5, 0);
    EXPECT_TRUE(entering.Removed.empty());
    EXPECT_TRUE(entering.Created.empty());
    EXPECT_EQ(model_.Tags.size(), tags);
}

TEST_F(ChannelModeTest, AKeyIsInUseWhenAServiceUsesOneOfItsTags)
{
    EXPECT_EQ(model_.IsModeKeyTagInUse(definitions_, 0), 0);
    model_.AddTagServiceUse(Address(kSlot, kChannel, 1), {ServiceId::ModbusMaster, 0});
    EXPECT_EQ(model_.IsModeKeyTagInUse(definitions_, 0), 1);
    EXPECT_EQ(model_.IsModeKeyTagInUse(definitions_, 1), 0) << "key 1 has no tag yet";
    model_.RemoveTagServiceUse(Address(kSlot, kChannel, 1), {ServiceId::ModbusMaster, 0});
    EXPECT_EQ(model_.IsModeKeyTagInUse(definitions_, 0), 0);
}

TEST(ModifiedFlagTest, SettersAndTagChangesSetItAndTheResetClearsIt)
{
    CDataCenter model;
    MakeSlots(model);
    PlaceDI(model, 1, 2);
    model.SetModified(0);

    const std::vector<std::function<void(CDataCenter&)>> changes = {
        [](CDataCenter& m) { m.SetTimeZone(3); },
        [](CDataCenter& m) { m.SetDISetting(1, 0, {}); },
        [](CDataCenter& m) { m.AppendTag(MakeTag("New", "1.7.0")); },
        [](CDataCenter& m) {
            m.AddTagServiceUse("1.7.0", {ServiceId::ModbusMaster, 0});
        },
        [](CDataCenter& m) {
            m.RemoveTagServiceUse("1.7.0", {ServiceId::ModbusMaster, 0});
        },
        [](CDataCenter& m) { m.DeleteTagsByAddress("1.7.0", 1); },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        model.SetModified(0);
        changes[i](model);
        EXPECT_EQ(model.IsModified(), 1) << "change " << i;
    }
    model.ResetProjectData();
    EXPECT_EQ(model.IsModified(), 0);
}

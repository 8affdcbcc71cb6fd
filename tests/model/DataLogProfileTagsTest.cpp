// The five automatic tags of a data-logging profile and its uses (114, profile number): made all
// or nothing, the FTP trigger only while the upload is configured, removed again with the profile
// without renumbering the others.
#include "DataLogProfileTags.h"
#include "CAutoResource.h"
#include "DefaultSettingsFolder.h"
#include "TagEngineFixture.h"
#include "TypeIds.h"

#include <gtest/gtest.h>

using namespace TagFixture;

namespace {

const QByteArray kDataLogNames = R"([DataLog]
DataLogStartStopResourceID=114.1
DataLogStartStopName=LogStartStop
DataLogTriggerResourceID=114.2
DataLogTriggerName=LogTrigger
DataLogStatusResourceID=114.3
DataLogStatusName=LogStatus
FTPTriggerResourceID=124.1
FTPTriggerName=UploadTrigger
FTPStatusResourceID=124.2
FTPStatusName=UploadStatus
)";

class DataLogProfileTagsTest : public DefaultSettingsFolder {
protected:
    void SetUp() override
    {
        DefaultSettingsFolder::SetUp();
        UseDefaultSettings(kDataLogNames);
        CAutoResource::ReleaseInstance();
        for (const char* name : {"A", "B"})
            model.AppendTag(MakeTag(name, QStringLiteral("1.0.%1").arg(QChar(name[0]))));
    }
    void TearDown() override
    {
        DefaultSettingsFolder::TearDown();
        CAutoResource::ReleaseInstance();
    }

    DATA_LOG_ITEM_SETTINGS profile(const QString& server = {}, const QString& user = {})
    {
        DATA_LOG_ITEM_SETTINGS item;
        item.Upload.FTPServer = server;
        item.Upload.Username = user;
        item.SelectedTags = {{"A", "1.0.A"}, {"B", "1.0.B"}};
        return item;
    }
    DATA_LOG_ITEM_SETTINGS added(DATA_LOG_ITEM_SETTINGS item)
    {
        std::vector<CDataCenter::TagChange> created;
        const int number = DataLogProfileTags::NextProfileNumber(model.DataLogging.Profiles);
        EXPECT_TRUE(DataLogProfileTags::CreateProfileTags(model, item, number, created));
        model.DataLogging.Profiles.push_back(item);
        return item;
    }
    std::vector<TagServiceLink> usesOf(const QString& address) const
    {
        const TagRecord* tag = TagAt(model, address);
        return tag ? tag->RelatedServices : std::vector<TagServiceLink>{};
    }

    CDataCenter model;
};

TagServiceLink logUse(int number)
{
    return {ServiceId::DataLogging, number};
}

} // namespace

TEST_F(DataLogProfileTagsTest, TheUploadDecidesWhetherTheFtpTriggerIsMade)
{
    const struct {
        const char* label;
        QString server;
        QString user;
        QStringList names;
        QString triggerId;
    } cases[] = {
        {"no upload", "", "", {"LogStartStop_0", "LogTrigger_0", "LogStatus_0", "UploadStatus_0"}, ""},
        {"server only", "ftp", "", {"LogStartStop_0", "LogTrigger_0", "LogStatus_0", "UploadStatus_0"}, ""},
        {"user only", "", "me", {"LogStartStop_0", "LogTrigger_0", "LogStatus_0", "UploadStatus_0"}, ""},
        {"configured",
         "ftp",
         "me",
         {"LogStartStop_0", "LogTrigger_0", "LogStatus_0", "UploadTrigger_0", "UploadStatus_0"},
         "0.0.124.1"},
    };
    for (const auto& c : cases) {
        CDataCenter fresh;
        fresh.AppendTag(MakeTag("A", "1.0.A"));
        DATA_LOG_ITEM_SETTINGS item = profile(c.server, c.user);
        std::vector<CDataCenter::TagChange> created;
        ASSERT_TRUE(DataLogProfileTags::CreateProfileTags(fresh, item, 0, created)) << c.label;
        QStringList names;
        for (const auto& tag : created) {
            names << tag.Name;
            EXPECT_EQ(TagAt(fresh, tag.Address)->RelatedServices, std::vector<TagServiceLink>{logUse(0)})
                << tag.Name.toStdString();
        }
        EXPECT_EQ(names, c.names) << c.label;
        EXPECT_EQ(item.Profile.StartStopTag, "0.0.114.1") << c.label;
        EXPECT_EQ(item.Profile.LogTriggerTag, "0.0.114.2") << c.label;
        EXPECT_EQ(item.Profile.LogStatusTag, "0.0.114.3") << c.label;
        EXPECT_EQ(item.Upload.FTPUploadTriggerTag, c.triggerId) << c.label;
        EXPECT_EQ(item.Upload.FTPUploadRemainStorageTag, "0.0.124.2") << c.label;
        EXPECT_EQ(item.LogTagDefinitions.size(), 3) << c.label;
        EXPECT_EQ(item.UploadTagDefinitions.size(), 2) << c.label;
        EXPECT_EQ(TagAt(fresh, "1.0.A")->RelatedServices, std::vector<TagServiceLink>{logUse(0)}) << c.label;
    }
}

TEST_F(DataLogProfileTagsTest, ATakenNameLeavesNoTagNoUseAndNoNumber)
{
    model.AppendTag(MakeTag("UploadStatus_3", "9.9.9"));
    DATA_LOG_ITEM_SETTINGS item = profile("ftp", "me");
    std::vector<CDataCenter::TagChange> created;
    const size_t before = model.Tags.All().size();

    QString failed;
    EXPECT_FALSE(DataLogProfileTags::CreateProfileTags(model, item, 3, created, &failed));
    EXPECT_EQ(failed, "UploadStatus_3");
    EXPECT_TRUE(created.empty());
    EXPECT_EQ(model.Tags.All().size(), before) << "the tags made before the failure went again";
    EXPECT_EQ(TagAt(model, "0.3.114.1"), nullptr);
    EXPECT_TRUE(usesOf("1.0.A").empty());
    EXPECT_EQ(item.Index, 0);
    EXPECT_TRUE(item.Profile.StartStopTag.isEmpty());
}

TEST_F(DataLogProfileTagsTest, NumbersFollowTheLastProfileAndAreNotReused)
{
    EXPECT_EQ(DataLogProfileTags::NextProfileNumber(model.DataLogging.Profiles), 0);
    added(profile());
    added(profile());
    added(profile());
    EXPECT_EQ(DataLogProfileTags::NextProfileNumber(model.DataLogging.Profiles), 3);

    DataLogProfileTags::DeleteProfileTags(model, model.DataLogging.Profiles[1]);
    model.DataLogging.Profiles.removeAt(1);
    EXPECT_EQ(DataLogProfileTags::NextProfileNumber(model.DataLogging.Profiles), 3) << "a middle number is not reused";
    DataLogProfileTags::DeleteProfileTags(model, model.DataLogging.Profiles[1]);
    model.DataLogging.Profiles.removeAt(1);
    EXPECT_EQ(DataLogProfileTags::NextProfileNumber(model.DataLogging.Profiles), 1) << "the last one's is";
}

TEST_F(DataLogProfileTagsTest, DeletingAProfileKeepsTheOthersUsesAsTheyAre)
{
    added(profile("ftp", "me"));
    const DATA_LOG_ITEM_SETTINGS second = added(profile());

    const QStringList logged = DataLogProfileTags::DeleteProfileTags(model, model.DataLogging.Profiles[0]);
    EXPECT_EQ(logged, (QStringList{"LogStartStop_0", "LogTrigger_0", "LogStatus_0", "UploadStatus_0"}));
    for (const char* address : {"0.0.114.1", "0.0.114.2", "0.0.114.3", "0.0.124.1", "0.0.124.2"})
        EXPECT_EQ(TagAt(model, address), nullptr) << address;
    EXPECT_EQ(usesOf("1.0.A"), std::vector<TagServiceLink>{logUse(1)}) << "profile 1 keeps its number";
    EXPECT_EQ(usesOf(second.Profile.StartStopTag), std::vector<TagServiceLink>{logUse(1)});
}

TEST_F(DataLogProfileTagsTest, TheFtpTriggerFollowsAModifiedUpload)
{
    DATA_LOG_ITEM_SETTINGS item = added(profile());
    bool failed = false;
    EXPECT_TRUE(DataLogProfileTags::SyncUploadTrigger(model, item, failed).isEmpty()) << "still not configured";

    item.Upload.FTPServer = "ftp";
    item.Upload.Username = "me";
    EXPECT_EQ(DataLogProfileTags::SyncUploadTrigger(model, item, failed), "UploadTrigger_0");
    EXPECT_FALSE(failed);
    EXPECT_EQ(item.Upload.FTPUploadTriggerTag, "0.0.124.1");
    EXPECT_EQ(usesOf("0.0.124.1"), std::vector<TagServiceLink>{logUse(0)});
    EXPECT_TRUE(DataLogProfileTags::SyncUploadTrigger(model, item, failed).isEmpty()) << "made once";

    item.Upload.Username.clear();
    EXPECT_TRUE(DataLogProfileTags::SyncUploadTrigger(model, item, failed).isEmpty());
    EXPECT_EQ(TagAt(model, "0.0.124.1"), nullptr);
    EXPECT_TRUE(item.Upload.FTPUploadTriggerTag.isEmpty());
}

TEST_F(DataLogProfileTagsTest, ReplacingSelectedTagsMovesOnlyThisProfilesUse)
{
    added(profile());
    added(profile());
    DataLogProfileTags::ReplaceSelectedTagUses(model, 0, {{"A", "1.0.A"}, {"B", "1.0.B"}}, {{"B", "1.0.B"}});
    EXPECT_EQ(usesOf("1.0.A"), std::vector<TagServiceLink>{logUse(1)});
    EXPECT_EQ(usesOf("1.0.B"), (std::vector<TagServiceLink>{logUse(1), logUse(0)}));
}

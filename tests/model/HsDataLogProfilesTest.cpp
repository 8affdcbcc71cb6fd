// The high-speed data-logging profiles: their tags carry (136, position), their FTP server the
// same reference, and deleting a profile moves the marks of the ones behind it down.
#include "HsDataLogProfiles.h"
#include "TagEngineFixture.h"

#include <gtest/gtest.h>

using namespace TagFixture;

namespace {

constexpr int kHighSpeedLog = ServiceId::HighSpeedDataLogging;

TagServiceLink use(int position)
{
    return {kHighSpeedLog, position};
}

HS_DATA_LOG_ITEM_SETTINGS profile(const QString& name, const QString& trigger, const QString& server,
                                  std::initializer_list<const char*> selected = {})
{
    HS_DATA_LOG_ITEM_SETTINGS result;
    result.Profile.ProfileName = name;
    result.Profile.TriggerTag = trigger;
    result.Upload.FTPServer = server;
    for (const char* address : selected)
        result.SelectedTags.push_back(
            {QStringLiteral("T%1").arg(QString::fromUtf8(address)), QString::fromUtf8(address)});
    return result;
}

class HsDataLogProfilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* address : {"1.0.0", "1.0.1", "1.0.2", "1.0.3", "1.0.4"})
            model.AppendTag(MakeTag(QStringLiteral("T%1").arg(QString::fromUtf8(address)), QString::fromUtf8(address)));
        model.ServiceTagLists = {{"ftpA", {}}, {"ftpB", {}}};
    }

    std::vector<TagServiceLink> usesOf(const char* address) const
    {
        const TagRecord* tag = TagAt(model, QString::fromUtf8(address));
        return tag ? tag->RelatedServices : std::vector<TagServiceLink>{};
    }
    const std::vector<TagServiceLink>& referencesOf(int server) const
    {
        return model.ServiceTagLists[static_cast<size_t>(server)].Links;
    }

    CDataCenter model;
};

} // namespace

TEST_F(HsDataLogProfilesTest, AddingMarksEveryNamedTagAndTheServerAtTheNewPosition)
{
    auto first = profile("P0", "1.0.0", "ftpA", {"1.0.1"});
    first.Upload.UploadTriggerTag = "1.0.2";
    first.Upload.UploadStatusTag = "1.0.3";
    EXPECT_EQ(HsDataLogProfiles::AddProfile(model, first), 0);
    EXPECT_EQ(HsDataLogProfiles::AddProfile(model, profile("P1", "1.0.0", "ftpA")), 1);

    EXPECT_EQ(usesOf("1.0.0"), Links({use(0), use(1)}));
    for (const char* address : {"1.0.1", "1.0.2", "1.0.3"})
        EXPECT_EQ(usesOf(address), Links({use(0)})) << address;
    EXPECT_TRUE(usesOf("1.0.4").empty());
    EXPECT_EQ(referencesOf(0), Links({use(0), use(1)}));
    ASSERT_EQ(model.HighSpeedLogProfiles.size(), 2u);
    EXPECT_EQ(model.HighSpeedLogProfiles[1].Profile.ProfileName, "P1");
}

TEST_F(HsDataLogProfilesTest, AProfileNamingNothingMarksNothing)
{
    EXPECT_TRUE(HsDataLogProfiles::TagKeys(profile("Bare", "", "")).empty());
    HsDataLogProfiles::AddProfile(model, profile("Bare", "", ""));
    for (const char* address : {"1.0.0", "1.0.1", "1.0.2", "1.0.3", "1.0.4"})
        EXPECT_TRUE(usesOf(address).empty()) << address;
    EXPECT_TRUE(referencesOf(0).empty());
    EXPECT_TRUE(referencesOf(1).empty());
}

TEST_F(HsDataLogProfilesTest, DeletingTheFirstOfThreeMovesTheOthersDown)
{
    HsDataLogProfiles::AddProfile(model, profile("P0", "1.0.0", "ftpA", {"1.0.3"}));
    HsDataLogProfiles::AddProfile(model, profile("P1", "1.0.1", "ftpB", {"1.0.3"}));
    HsDataLogProfiles::AddProfile(model, profile("P2", "1.0.2", "ftpA"));

    ASSERT_TRUE(HsDataLogProfiles::DeleteProfile(model, 0));

    EXPECT_TRUE(usesOf("1.0.0").empty());
    EXPECT_EQ(usesOf("1.0.1"), Links({use(0)}));
    EXPECT_EQ(usesOf("1.0.2"), Links({use(1)}));
    EXPECT_EQ(usesOf("1.0.3"), Links({use(0)}));
    EXPECT_EQ(referencesOf(0), Links({use(1)}));
    EXPECT_EQ(referencesOf(1), Links({use(0)}));
    ASSERT_EQ(model.HighSpeedLogProfiles.size(), 2u);
    EXPECT_EQ(model.HighSpeedLogProfiles[0].Profile.ProfileName, "P1");
}

TEST_F(HsDataLogProfilesTest, DeletingAProfileThatNamesNothingStillRenumbersTheOthers)
{
    HsDataLogProfiles::AddProfile(model, profile("Bare", "", ""));
    HsDataLogProfiles::AddProfile(model, profile("P1", "1.0.1", "ftpB"));

    ASSERT_TRUE(HsDataLogProfiles::DeleteProfile(model, 0));

    EXPECT_EQ(usesOf("1.0.1"), Links({use(0)}));
    EXPECT_EQ(referencesOf(1), Links({use(0)}));
}

TEST_F(HsDataLogProfilesTest, ModifyingMovesTheMarksToWhatTheEditedRecordNames)
{
    HsDataLogProfiles::AddProfile(model, profile("P0", "1.0.0", "ftpA", {"1.0.1", "1.0.2"}));
    HsDataLogProfiles::AddProfile(model, profile("P1", "1.0.0", "ftpA", {"1.0.1"}));

    auto edited = profile("P1 renamed", "1.0.4", "ftpB", {"1.0.2", "1.0.3"});
    edited.Upload.UploadStatusTag = "1.0.3";
    ASSERT_TRUE(HsDataLogProfiles::ModifyProfile(model, 1, edited));

    EXPECT_EQ(usesOf("1.0.0"), Links({use(0)}));
    EXPECT_EQ(usesOf("1.0.1"), Links({use(0)}));
    EXPECT_EQ(usesOf("1.0.2"), Links({use(0), use(1)}));
    EXPECT_EQ(usesOf("1.0.3"), Links({use(1), use(1)}));
    EXPECT_EQ(usesOf("1.0.4"), Links({use(1)}));
    EXPECT_EQ(referencesOf(0), Links({use(0)}));
    EXPECT_EQ(referencesOf(1), Links({use(1)}));
    EXPECT_EQ(model.HighSpeedLogProfiles[1].Profile.ProfileName, "P1 renamed");
}

TEST_F(HsDataLogProfilesTest, PositionsOutsideTheListChangeNothing)
{
    HsDataLogProfiles::AddProfile(model, profile("P0", "1.0.0", "ftpA"));
    for (int position : {-1, 1, 7}) {
        EXPECT_FALSE(HsDataLogProfiles::ModifyProfile(model, position, profile("X", "1.0.1", "ftpB"))) << position;
        EXPECT_FALSE(HsDataLogProfiles::DeleteProfile(model, position)) << position;
    }
    ASSERT_EQ(model.HighSpeedLogProfiles.size(), 1u);
    EXPECT_EQ(model.HighSpeedLogProfiles[0].Profile.ProfileName, "P0");
    EXPECT_EQ(usesOf("1.0.0"), Links({use(0)}));
    EXPECT_TRUE(usesOf("1.0.1").empty());
    EXPECT_EQ(referencesOf(0), Links({use(0)}));
}

TEST(HsDataLogProfileRangesTest, ValuesAreCheckedAgainstTheirTriplesInclusively)
{
    struct Case {
        int value;
        bool inRange;
    };
    const Case cases[] = {{0, false}, {1, true}, {5, true}, {10, true}, {11, false}, {-3, false}};
    for (const Case& c : cases) {
        HS_DATA_LOG_ITEM_SETTINGS item;
        item.Profile.ProfileFilesOfLogValue = {5, 1, 10};
        item.Upload.UploadTryValue = {5, 1, 10};
        item.Upload.UploadTimeoutValue = {5, 1, 10};
        item.Profile.FilesOfLog = item.Upload.Tries = item.Upload.Timeout = c.value;
        EXPECT_EQ(HsDataLogProfiles::FileCountInRange(item.Profile), c.inRange) << c.value;
        EXPECT_EQ(HsDataLogProfiles::TriesInRange(item.Upload), c.inRange) << c.value;
        EXPECT_EQ(HsDataLogProfiles::TimeoutInRange(item.Upload), c.inRange) << c.value;
    }
}

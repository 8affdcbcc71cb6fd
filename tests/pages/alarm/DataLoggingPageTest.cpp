// The data-logging page with its Profile, Select Tags and FTP Upload tabs: a profile's five
// automatic tags and its (114, number) uses, the validation stages, the FTP trigger following a
// modified upload, the 8-profile limit and the profile numbers.
#include "CDataLoggingDlg.h"
#include "CProfilePage.h"
#include "CSelectTagsPage.h"
#include "CUploadPage.h"

#include "AlarmPageFixture.h"
#include "TypeIds.h"
#include "Validation.h"

#include <QScrollBar>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace DataLoggingIds;

namespace {

namespace P = DataLogProfileIds;
namespace U = DataLogUploadIds;

class DataLoggingPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 3; ++i) {
            const TagRecord tag = MakeTestTag(QStringLiteral("Logged%1").arg(i), QStringLiteral("0.98.%1").arg(i));
            harness.model().AppendTag(tag);
            tags.push_back(tag);
        }
        page().SetTagChooser([this] { return chosen; });
        harness.Show(node);
    }
    CDataLoggingDlg& page() { return harness.page(); }
    CProfilePage& profile() { return page().ProfileTab(); }
    CUploadPage& upload() { return page().UploadTab(); }
    const QVector<DATA_LOG_ITEM_SETTINGS>& profiles() { return harness.model().DataLogging.Profiles; }

    // A new profile logging at the interval with the tags chosen, the upload as given.
    void Fill(const QString& name, std::vector<TagRecord> logged, const QString& server = {}, const QString& user = {})
    {
        page().item<CListCtrlEx>(kListProfiles)->clearSelection();
        SetControl(profile(), {P::kEditName, name});
        profile().checkItem(P::kCheckInterval, true);
        for (const ControlInput& input : std::initializer_list<ControlInput>{{U::kEditServer, server},
                                                                             {U::kEditUser, user},
                                                                             {U::kEditPort, "21"},
                                                                             {U::kEditPassword, ""},
                                                                             {U::kEditConfirm, ""},
                                                                             {U::kEditRetryCount, "0"},
                                                                             {U::kEditRetryDelay, "1"}})
            SetControl(upload(), input);
        chosen = std::move(logged);
        page().TagsTab().AddTags();
    }
    void Add(const QString& name, const QString& server = {}, const QString& user = {})
    {
        Fill(name, {tags[0]}, server, user);
        harness.Press(kButtonAdd);
    }
    bool carriesOnly(const QString& address, int number)
    {
        TagRecord tag;
        if (!harness.model().FindTagByAddress(address, tag))
            return false;
        return tag.RelatedServices == std::vector<TagServiceLink>{MakeIntPair(ServiceId::DataLogging, number)};
    }

    ScopedDeleteConfirmationSkipped unasked;
    PageHarness<CDataLoggingDlg> harness;
    const TreeNodeInfo node = NodeFor(ServiceId::DataLogging, QStringLiteral("Data Logging"));
    std::vector<TagRecord> tags;
    std::vector<TagRecord> chosen;
};

} // namespace

TEST_F(DataLoggingPageTest, TheTemplatesHoldThePageAndTabControls)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
    ExpectControlsMatchTemplate(P::kTemplate, P::kControls);
    ExpectControlsMatchTemplate(DataLogSelectTagsIds::kTemplate, DataLogSelectTagsIds::kControls);
    ExpectControlsMatchTemplate(U::kTemplate, U::kControls);
}

// The profile columns fill the list whatever width the pane gives the page, with no
// horizontal scroll bar.
TEST_F(DataLoggingPageTest, ProfileColumnsFollowThePageWidth)
{
    auto* list = page().item<CListCtrlEx>(kListProfiles);
    for (int pageWidth : {kHarnessPageWidth, 1366, 700}) {
        SCOPED_TRACE(pageWidth);
        page().resize(pageWidth, kHarnessPageHeight);
        int total = 0;
        for (int column = 0; column < list->GetColumnCount(); ++column)
            total += list->GetColumnWidth(column);
        EXPECT_EQ(total, list->viewport()->width());
        EXPECT_GT(list->GetColumnWidth(3), list->GetColumnWidth(2)) << "the trigger column is the wider";
        EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    }
}

TEST_F(DataLoggingPageTest, TheFirstProfileWithoutServerGetsFourTagsAndItsUses)
{
    EXPECT_EQ(profile().itemText(P::kEditStartStopTag), "LogStartStop_0") << "the next profile's names";
    EXPECT_EQ(upload().itemText(U::kEditFtpTriggerTag), "UploadTrigger_0");
    EXPECT_FALSE(profile().control(P::kEditStartStopTag)->isEnabled());

    Fill(QStringLiteral("Hourly"), {tags[0], tags[1]});
    harness.Press(kButtonAdd);
    ASSERT_EQ(profiles().size(), 1);
    const DATA_LOG_ITEM_SETTINGS& stored = profiles()[0];
    EXPECT_EQ(stored.Index, 0);
    EXPECT_EQ(stored.Profile.StartStopTag, "0.0.114.1");
    EXPECT_EQ(stored.Profile.LogTriggerTag, "0.0.114.2");
    EXPECT_EQ(stored.Profile.LogStatusTag, "0.0.114.3");
    EXPECT_TRUE(stored.Upload.FTPUploadTriggerTag.isEmpty());
    EXPECT_EQ(stored.Upload.FTPUploadRemainStorageTag, "0.0.124.2");
    EXPECT_EQ(stored.Profile.LogCondition, CProfilePage::kLogAtInterval);
    EXPECT_EQ(stored.Profile.FileSplitEnable, 1) << "splitting by time is shown for a new profile";
    EXPECT_EQ(stored.SelectedTags, (QVector<SelectedTag>{{"Logged0", "0.98.0"}, {"Logged1", "0.98.1"}}));
    for (const char* address : {"0.0.114.1", "0.0.114.2", "0.0.114.3", "0.0.124.2", "0.98.0", "0.98.1"})
        EXPECT_TRUE(carriesOnly(address, 0)) << address;
    EXPECT_EQ(harness.logLines(),
              TagLines(kStringTagCreated, {"LogStartStop_0", "LogTrigger_0", "LogStatus_0", "UploadStatus_0"})
                  << FormatLangString(kStringEntryAdded, node.shownText, 1));
    EXPECT_TRUE(harness.messages().isEmpty());

    page().SelectRow(0);
    harness.Screenshot(QStringLiteral("datalog-profile-tab"));
    for (int tab : {kTabSelectTags, kTabUpload}) {
        page().item<QTabWidget>(kTabs)->setCurrentIndex(tab);
        harness.Screenshot(QStringLiteral("datalog-tab-%1").arg(tab));
    }
}

TEST_F(DataLoggingPageTest, ValidationStopsAfterTheFirstStageWithLines)
{
    const QString name = QStringLiteral("Profile name");
    const QString port = QStringLiteral("Port");
    const struct {
        const char* label;
        QList<ControlInput> profileInputs;
        QList<ControlInput> uploadInputs;
        bool noTags;
        bool noCondition;
        QStringList messages;
    } cases[] = {
        {"empty name, bad port",
         {{P::kEditName, ""}},
         {{U::kEditPort, "0"}},
         false,
         false,
         {FormatInvalidItemLine(name)}},
        {"name starting with a digit",
         {{P::kEditName, "1abc"}},
         {},
         false,
         false,
         {FormatPatternErrorLine("Name", "Name")}},
        {"31 characters", {{P::kEditName, QString(31, 'a')}}, {}, false, false, {}},
        {"no log condition", {}, {}, false, true, {LoadLangString(757) + "\r\n"}},
        {"server without user",
         {},
         {{U::kEditServer, "127.0.0.1"}},
         false,
         false,
         {FormatInvalidItemLine("User name")}},
        {"password differs",
         {},
         {{U::kEditServer, "127.0.0.1"}, {U::kEditUser, "me"}, {U::kEditPassword, "a"}},
         false,
         false,
         {LoadLangString(635) + "\r\n"}},
        {"retry count", {}, {{U::kEditRetryCount, "101"}}, false, false, {FormatRangeErrorLine("Retry count", 0, 100)}},
        {"retry delay", {}, {{U::kEditRetryDelay, "0"}}, false, false, {FormatRangeErrorLine("Retry delay", 1, 3600)}},
        {"no tags", {}, {}, true, false, {LoadLangString(709) + "\r\n"}},
    };
    for (const auto& c : cases) {
        Fill(QStringLiteral("Good_1"), c.noTags ? std::vector<TagRecord>{} : std::vector<TagRecord>{tags[0]});
        profile().checkItem(P::kCheckInterval, !c.noCondition);
        for (const ControlInput& input : c.profileInputs)
            SetControl(profile(), input);
        for (const ControlInput& input : c.uploadInputs)
            SetControl(upload(), input);
        harness.Forget();
        harness.Press(kButtonAdd);
        EXPECT_TRUE(profiles().isEmpty()) << c.label;
        ASSERT_EQ(harness.messages().size(), 1) << c.label;
        if (!c.messages.isEmpty()) {
            EXPECT_EQ(harness.messages().front(), c.messages.join(QString())) << c.label;
        }
        // Back to a blank profile for the next case.
        page().TagsTab().item<CListCtrlEx>(DataLogSelectTagsIds::kListTags)->selectAll();
        page().TagsTab().RemoveSelectedTags();
    }

    for (const char* good : {"A", "a_b9"}) {
        Add(QString::fromLatin1(good));
        EXPECT_EQ(profiles().back().Profile.Name, good);
    }
}

TEST_F(DataLoggingPageTest, IntervalWithTheThirdConditionWarnsAndStillChecksTheInterval)
{
    Fill(QStringLiteral("Both"), {tags[0]});
    profile().checkItem(P::kCheckCondition3, true);
    SetControl(profile(), {P::kEditInterval, "1"});
    harness.Forget();
    harness.Press(kButtonAdd);
    ASSERT_EQ(harness.messages().size(), 2);
    EXPECT_EQ(harness.messages()[0], LoadLangString(865));
    EXPECT_EQ(harness.messages()[1], FormatRangeErrorLine("Log interval", 5, 86400));
    EXPECT_TRUE(profiles().isEmpty());

    SetControl(profile(), {P::kEditInterval, "60"});
    harness.Forget();
    harness.Press(kButtonAdd);
    EXPECT_EQ(harness.messages(), QStringList{LoadLangString(865)});
    ASSERT_EQ(profiles().size(), 1) << "the warning does not stop the add";
    EXPECT_EQ(profiles()[0].Profile.LogCondition, CProfilePage::kLogAtInterval | CProfilePage::kCondition3);
}

TEST_F(DataLoggingPageTest, TheFtpTriggerFollowsServerAndUserOnModify)
{
    Add(QStringLiteral("First"));
    Add(QStringLiteral("Second"));
    page().SelectRow(1);
    SetControl(upload(), {U::kEditServer, "127.0.0.1"});
    SetControl(upload(), {U::kEditUser, "me"});
    harness.Forget();
    harness.Press(kButtonModify);
    EXPECT_TRUE(harness.messages().isEmpty());
    EXPECT_EQ(profiles()[1].Upload.FTPUploadTriggerTag, "0.1.124.1");
    EXPECT_TRUE(carriesOnly("0.1.124.1", 1));
    EXPECT_EQ(harness.logLines(), QStringList({FormatLangString(kStringTagCreated, "UploadTrigger_1"),
                                               FormatLangString(kStringEntryModified, node.shownText, 2)}));

    page().SelectRow(1);
    SetControl(upload(), {U::kEditUser, ""});
    SetControl(upload(), {U::kEditServer, ""});
    harness.Press(kButtonModify);
    EXPECT_FALSE(harness.model().TagAddressExists("0.1.124.1"));
    EXPECT_TRUE(profiles()[1].Upload.FTPUploadTriggerTag.isEmpty());
}

TEST_F(DataLoggingPageTest, LimitsNamesAndNumbers)
{
    for (int i = 0; i < CDataLoggingDlg::kMaxProfiles; ++i)
        Add(QStringLiteral("Log%1").arg(i));
    ASSERT_EQ(profiles().size(), 8);
    harness.Forget();
    Add(QStringLiteral("Log8"));
    EXPECT_EQ(harness.messages(), QStringList{FormatLangString(751, 8)});

    harness.Forget();
    page().SelectRow(1);
    SetControl(profile(), {P::kEditName, "LOG2"});
    harness.Press(kButtonModify);
    EXPECT_EQ(harness.messages(), QStringList{FormatItemErrorLine("Profile name")});
    SetControl(profile(), {P::kEditName, "LOG1"});
    harness.Press(kButtonModify);
    EXPECT_EQ(profiles()[1].Profile.Name, "LOG1") << "its own name in another case";

    page().SelectRow(7);
    harness.Press(kButtonDelete);
    ASSERT_EQ(profiles().size(), 7);
    EXPECT_FALSE(harness.model().TagAddressExists("0.7.114.1"));
    Add(QStringLiteral("Again"));
    EXPECT_EQ(profiles().back().Index, 7) << "the last profile's number is given again";
    EXPECT_TRUE(carriesOnly("0.7.114.1", 7));
}

TEST_F(DataLoggingPageTest, AProfileWhoseTagCannotBeMadeIsNotKept)
{
    harness.model().AppendTag(MakeTestTag(QStringLiteral("LogStatus_0"), QStringLiteral("0.97.0")));
    harness.Forget();
    Add(QStringLiteral("Blocked"));
    EXPECT_TRUE(profiles().isEmpty());
    EXPECT_FALSE(harness.model().TagAddressExists("0.0.114.1"));
    EXPECT_TRUE(harness.model().FindTagByAddress("0.98.0", tags[0]) && tags[0].RelatedServices.empty());
    EXPECT_EQ(harness.messages(), QStringList{FormatLangString(9251, "LogStatus_0")});
    EXPECT_TRUE(harness.logLines().isEmpty());
}

TEST_F(DataLoggingPageTest, ADeletedTagLeavesTheListAndModifyStoresNoPairOfIt)
{
    Fill(QStringLiteral("Tags"), {tags[0], tags[1], tags[2]});
    harness.Press(kButtonAdd);
    harness.model().DeleteTagsByAddress(QStringLiteral("0.98.1"), 1);
    harness.model().UpdateTag(QStringLiteral("0.98.2"),
                              MakeTestTag(QStringLiteral("Renamed"), QStringLiteral("0.98.2")));

    page().item<CListCtrlEx>(kListProfiles)->clearSelection();
    page().SelectRow(0);
    EXPECT_EQ(page().TagsTab().SelectedTags(),
              (std::vector<SelectedTag>{{"Logged0", "0.98.0"}, {"Renamed", "0.98.2"}}));
    harness.Press(kButtonModify);
    EXPECT_EQ(profiles()[0].SelectedTags, (QVector<SelectedTag>{{"Logged0", "0.98.0"}, {"Renamed", "0.98.2"}}));
}

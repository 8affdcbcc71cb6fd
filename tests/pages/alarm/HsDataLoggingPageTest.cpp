// The high-speed data-logging page with its Profile, Select Tags and FTP Upload tabs: the
// (136, position) uses and FTP server references of the profiles and how deleting renumbers them,
// the validation lines and the tab they bring to the front, the create-tag entries of the tag
// combos, the tag lists following the tag table, and profiles surviving a save and a reopen.
#include "CHSDataLoggingDlg.h"
#include "CHSProfilePage.h"
#include "CHSSelectTagsPage.h"
#include "CHSUploadPage.h"
#include "CProjectLoader.h"
#include "ProjectReopen.h"

#include "AlarmPageFixture.h"
#include "ResultCodes.h"
#include "TypeIds.h"
#include "Validation.h"

#include <QComboBox>
#include <QFile>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace HsDataLoggingIds;

namespace {

namespace P = HsProfileIds;
namespace S = HsSelectTagsIds;
namespace U = HsUploadIds;

constexpr int kHighSpeedLog = ServiceId::HighSpeedDataLogging;
constexpr int kBooleanCode = 1;
constexpr int kIntegerCode = 5;
constexpr int kFloatCode = 3;

TagRecord makeTag(const QString& name, const QString& address, int dataTypeCode)
{
    TagRecord tag;
    tag.Construct(name, name, QStringLiteral("Test"), 1003, address, 1, dataTypeCode, 1);
    return tag;
}

// What one profile names, by tag name; empty: none.
struct ProfileInput {
    QString name;
    QString trigger;
    QStringList logged;
    QString server;
    QString uploadTrigger;
    QString uploadStatus;
};

class HsDataLoggingPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 4; ++i)
            addTag(QStringLiteral("Bool%1").arg(i), QStringLiteral("0.97.%1").arg(i), kBooleanCode);
        for (int i = 0; i < 3; ++i)
            addTag(QStringLiteral("Level%1").arg(i), QStringLiteral("0.97.%1").arg(10 + i), kFloatCode);
        addTag(QStringLiteral("Count0"), QStringLiteral("0.97.20"), kIntegerCode);
        harness.model().ServiceTagLists = {{QStringLiteral("ftpA"), {}}, {QStringLiteral("ftpB"), {}}};
        page().SetTagCreator([this](const std::vector<int>& codes) {
            offeredCodes = codes;
            if (!newTagName.isEmpty())
                addTag(newTagName, QStringLiteral("0.97.99"), codes.front());
            return newTagName;
        });
        harness.Show(node);
    }

    void addTag(const QString& name, const QString& address, int code)
    {
        harness.model().AppendTag(makeTag(name, address, code));
    }
    QString addressOf(const QString& name)
    {
        TagRecord tag;
        return harness.model().LookupTagByName(name, tag) ? tag.ResID : QString();
    }
    std::vector<TagServiceLink> usesOf(const QString& name)
    {
        TagRecord tag;
        if (!harness.model().LookupTagByName(name, tag))
            return {};
        std::vector<TagServiceLink> uses;
        for (const TagServiceLink& use : tag.RelatedServices) {
            if (use.ServiceId == kHighSpeedLog)
                uses.push_back(use);
        }
        return uses;
    }
    std::vector<TagServiceLink> referencesOf(int server)
    {
        return harness.model().ServiceTagLists[static_cast<size_t>(server)].Links;
    }
    static std::vector<TagServiceLink> at(std::initializer_list<int> positions)
    {
        std::vector<TagServiceLink> uses;
        for (int position : positions)
            uses.push_back(MakeIntPair(kHighSpeedLog, position));
        return uses;
    }

    CHSDataLoggingDlg& page() { return harness.page(); }
    CHSProfilePage& profile() { return page().ProfileTab(); }
    CHSSelectTagsPage& tagsTab() { return page().TagsTab(); }
    CHSUploadPage& upload() { return page().UploadTab(); }
    const std::vector<HS_DATA_LOG_ITEM_SETTINGS>& profiles() { return harness.model().HighSpeedLogProfiles; }
    QTabWidget& tabs() { return *page().item<QTabWidget>(kTabs); }

    void chooseLogged(const QStringList& names)
    {
        auto* list = tagsTab().item<CListCtrlEx>(S::kListAvailable);
        list->clearSelection();
        for (int row = 0; row < static_cast<int>(tagsTab().Available().size()); ++row) {
            if (names.contains(tagsTab().Available()[static_cast<size_t>(row)].first))
                list->selectionModel()->select(list->model()->index(row, 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        tagsTab().SelectChosenRows();
    }
    // The detail controls as for a new profile, then the input.
    void fill(const ProfileInput& input)
    {
        page().item<CListCtrlEx>(kListProfiles)->clearSelection();
        enter(input);
    }
    void enter(const ProfileInput& input)
    {
        SetControl(profile(), {P::kEditName, input.name});
        SetControl(profile(), {P::kComboTrigger, input.trigger});
        chooseLogged(input.logged);
        const std::pair<int, QString> combos[] = {{U::kComboServer, input.server},
                                                  {U::kComboTrigger, input.uploadTrigger},
                                                  {U::kComboStatus, input.uploadStatus}};
        for (const auto& [id, text] : combos) {
            if (!text.isEmpty())
                SetControl(upload(), {id, text});
        }
    }
    void add(const ProfileInput& input)
    {
        fill(input);
        harness.Press(kButtonAdd);
    }

    ScopedDeleteConfirmationSkipped unasked;
    PageHarness<CHSDataLoggingDlg> harness;
    const TreeNodeInfo node = NodeFor(kHighSpeedLog, QStringLiteral("High-Speed Data Logging"));
    std::vector<int> offeredCodes;
    QString newTagName;
};

const ProfileInput kFirst{"Fast0", "Bool0", {"Level0"}, "ftpA", "Bool3", "Count0"};
const ProfileInput kSecond{"Fast1", "Bool1", {"Level1"}, "ftpB", {}, {}};
const ProfileInput kThird{"Fast2", "Bool2", {"Level2", "Level0"}, "ftpA", {}, {}};

} // namespace

TEST_F(HsDataLoggingPageTest, TheTemplatesHoldThePageAndTabControls)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
    ExpectControlsMatchTemplate(P::kTemplate, P::kControls);
    ExpectControlsMatchTemplate(S::kTemplate, S::kControls);
    ExpectControlsMatchTemplate(U::kTemplate, U::kControls);
}

TEST_F(HsDataLoggingPageTest, ProfilesMarkTheirPositionsAndDeletingTheFirstMovesTheOthersDown)
{
    for (const ProfileInput& input : {kFirst, kSecond, kThird})
        add(input);
    ASSERT_EQ(profiles().size(), 3u);
    EXPECT_TRUE(harness.messages().isEmpty()) << harness.messages().join(QString()).toStdString();
    const HS_DATA_LOG_ITEM_SETTINGS& first = profiles()[0];
    EXPECT_EQ(first.Profile.TriggerTag, addressOf("Bool0"));
    EXPECT_EQ(first.SelectedTags, (QVector<QPair<QString, QString>>{{"Level0", addressOf("Level0")}}));
    EXPECT_EQ(first.Upload.FTPServer, "ftpA");
    EXPECT_EQ(first.Upload.UploadTriggerTag, addressOf("Bool3"));
    EXPECT_EQ(first.Upload.UploadStatusTag, addressOf("Count0"));
    EXPECT_EQ(profiles()[2].SelectedTags.size(), 2) << "two logged tags";
    for (const char* name : {"Bool0", "Bool3", "Count0"})
        EXPECT_EQ(usesOf(name), at({0})) << name;
    EXPECT_EQ(usesOf("Level0"), at({0, 2}));
    EXPECT_EQ(usesOf("Bool1"), at({1}));
    EXPECT_EQ(usesOf("Bool2"), at({2}));
    EXPECT_EQ(referencesOf(0), at({0, 2}));
    EXPECT_EQ(referencesOf(1), at({1}));
    const QString nodeName = node.shownText;
    EXPECT_EQ(harness.logLines(), (QStringList{FormatLangString(kStringEntryAdded, nodeName, 1),
                                               FormatLangString(kStringEntryAdded, nodeName, 2),
                                               FormatLangString(kStringEntryAdded, nodeName, 3)}));
    auto* list = page().item<CListCtrlEx>(kListProfiles);
    EXPECT_EQ(list->GetItemText(0, 3), "Bool0") << "the trigger tag's name";

    page().SelectRow(0);
    harness.Screenshot(QStringLiteral("hsdatalog-profile-tab"));
    for (int tab : {kTabSelectTags, kTabUpload}) {
        tabs().setCurrentIndex(tab);
        harness.Screenshot(QStringLiteral("hsdatalog-tab-%1").arg(tab));
    }

    harness.Forget();
    harness.Press(kButtonDelete);
    ASSERT_EQ(profiles().size(), 2u);
    EXPECT_EQ(profiles()[0].Profile.ProfileName, "Fast1");
    for (const char* name : {"Bool0", "Bool3", "Count0"})
        EXPECT_TRUE(usesOf(name).empty()) << name;
    EXPECT_EQ(usesOf("Bool1"), at({0}));
    EXPECT_EQ(usesOf("Level1"), at({0}));
    EXPECT_EQ(usesOf("Bool2"), at({1}));
    EXPECT_EQ(usesOf("Level0"), at({1}));
    EXPECT_EQ(referencesOf(0), at({1}));
    EXPECT_EQ(referencesOf(1), at({0}));
    EXPECT_EQ(harness.logLines(), QStringList{FormatLangString(kStringEntriesDeleted, nodeName)});
}

TEST_F(HsDataLoggingPageTest, DeletingTheFirstAndLastOfThreeLeavesTheMiddleOneAtPositionZero)
{
    for (const ProfileInput& input : {kFirst, kSecond, kThird})
        add(input);
    SelectListRows(*page().item<CListCtrlEx>(kListProfiles), {0, 2});
    harness.Press(kButtonDelete);
    ASSERT_EQ(profiles().size(), 1u);
    EXPECT_EQ(profiles()[0].Profile.ProfileName, "Fast1");
    EXPECT_EQ(usesOf("Bool1"), at({0}));
    EXPECT_EQ(usesOf("Level1"), at({0}));
    for (const char* name : {"Bool0", "Bool2", "Level0", "Level2"})
        EXPECT_TRUE(usesOf(name).empty()) << name;
    EXPECT_TRUE(referencesOf(0).empty());
    EXPECT_EQ(referencesOf(1), at({0}));
}

TEST_F(HsDataLoggingPageTest, ModifyMovesTheMarksToWhatTheProfileNowNames)
{
    add(kFirst);
    add(kSecond);
    page().SelectRow(1);
    harness.Forget();
    SetControl(profile(), {P::kComboTrigger, QStringLiteral("Bool2")});
    tagsTab().item<CListCtrlEx>(S::kListSelected)->selectAll();
    tagsTab().DeselectChosenRows();
    chooseLogged({"Level2"});
    SetControl(upload(), {U::kComboServer, QStringLiteral("ftpA")});
    harness.Press(kButtonModify);

    EXPECT_TRUE(harness.messages().isEmpty()) << harness.messages().join(QString()).toStdString();
    EXPECT_EQ(profiles()[1].Profile.TriggerTag, addressOf("Bool2"));
    EXPECT_TRUE(usesOf("Bool1").empty());
    EXPECT_TRUE(usesOf("Level1").empty());
    EXPECT_EQ(usesOf("Bool2"), at({1}));
    EXPECT_EQ(usesOf("Level2"), at({1}));
    EXPECT_EQ(usesOf("Bool0"), at({0})) << "the other profile keeps its marks";
    EXPECT_EQ(referencesOf(0), at({0, 1}));
    EXPECT_TRUE(referencesOf(1).empty());
    EXPECT_EQ(harness.logLines(), QStringList{FormatLangString(kStringEntryModified, node.shownText, 2)});
}

// Another profile naming the same tag and server after this one: their marks stay in order.
TEST_F(HsDataLoggingPageTest, ModifyWithoutAnEditKeepsEveryMarkWhereItStands)
{
    add(kFirst);
    add(kThird);
    ASSERT_EQ(usesOf("Level0"), at({0, 1}));
    const QByteArray before = SavedProjectBytes(harness.model());
    page().SelectRow(0);
    harness.Forget();
    harness.Press(kButtonModify);
    EXPECT_TRUE(harness.messages().isEmpty());
    EXPECT_EQ(usesOf("Level0"), at({0, 1}));
    EXPECT_EQ(referencesOf(0), at({0, 1}));
    EXPECT_EQ(SavedProjectBytes(harness.model()), before);
}

TEST_F(HsDataLoggingPageTest, AProfileNamingNothingIsValidAndMarksNothing)
{
    add({"Bare", {}, {}, {}, {}, {}});
    ASSERT_EQ(profiles().size(), 1u);
    EXPECT_TRUE(harness.messages().isEmpty()) << harness.messages().join(QString()).toStdString();
    const HS_DATA_LOG_ITEM_SETTINGS& bare = profiles()[0];
    EXPECT_TRUE(bare.Profile.TriggerTag.isEmpty());
    EXPECT_TRUE(bare.SelectedTags.isEmpty());
    EXPECT_TRUE(bare.Upload.FTPServer.isEmpty());
    EXPECT_EQ(bare.Profile.FilesOfLog, HS_DATA_LOG_PROFILE_SETTINGS().FilesOfLog) << "the default file count";
    EXPECT_TRUE(referencesOf(0).empty());
    EXPECT_TRUE(referencesOf(1).empty());
}

TEST_F(HsDataLoggingPageTest, BadFieldsAreListedAndTheFirstOnesTabComesToTheFront)
{
    add(kFirst);
    const SettingTriple files = HS_DATA_LOG_PROFILE_SETTINGS().ProfileFilesOfLogValue;
    const HS_DATA_LOG_UPLOAD_SETTINGS uploadRanges;
    const QString nameLabel = QStringLiteral("Profile name");
    const QString filesLine = FormatRangeErrorLine("Number of files", files.minimum, files.maximum);
    const QString triesLine =
        FormatRangeErrorLine("Tries", uploadRanges.UploadTryValue.minimum, uploadRanges.UploadTryValue.maximum);
    const struct {
        const char* label;
        std::vector<ControlInput> profileInputs;
        std::vector<ControlInput> uploadInputs;
        QStringList lines;
        int tab;
    } cases[] = {
        {"65-byte name",
         {{P::kEditName, QString(63, u'a') + QStringLiteral("é")}},
         {},
         {FormatLimitErrorLine(nameLabel, 64)},
         kTabProfile},
        {"empty name", {{P::kEditName, QString()}}, {}, {FormatInvalidItemLine(nameLabel)}, kTabProfile},
        {"another profile's name in other case",
         {{P::kEditName, QStringLiteral("FAST0")}},
         {},
         {FormatItemErrorLine(nameLabel)},
         kTabProfile},
        {"65-byte description",
         {{P::kEditDescription, QString(65, u'd')}},
         {},
         {FormatLimitErrorLine("Description", 64)},
         kTabProfile},
        {"trigger text naming no tag",
         {{P::kComboTrigger, QStringLiteral("NoSuchTag")}},
         {},
         {FormatInvalidNameLine("Trigger tag (starts the logging)")},
         kTabProfile},
        {"file count below the range",
         {{P::kEditFileCount, QString::number(files.minimum - 1)}},
         {},
         {filesLine},
         kTabProfile},
        {"file count above the range",
         {{P::kEditFileCount, QString::number(files.maximum + 1)}},
         {},
         {filesLine},
         kTabProfile},
        {"tries above the range",
         {},
         {{U::kEditTries, QString::number(uploadRanges.UploadTryValue.maximum + 1)}},
         {triesLine},
         kTabUpload},
        {"time-out 0",
         {},
         {{U::kEditTimeout, QStringLiteral("0")}},
         {FormatRangeErrorLine("Time-out", uploadRanges.UploadTimeoutValue.minimum,
                               uploadRanges.UploadTimeoutValue.maximum)},
         kTabUpload},
        {"empty name, file count and tries",
         {{P::kEditName, QString()}, {P::kEditFileCount, QStringLiteral("0")}},
         {{U::kEditTries, QStringLiteral("101")}},
         {FormatInvalidItemLine(nameLabel), filesLine, triesLine},
         kTabProfile},
    };
    for (const auto& c : cases) {
        harness.Show(node);
        fill({"Fast9", {}, {}, {}, {}, {}});
        for (const ControlInput& input : c.profileInputs)
            SetControl(profile(), input);
        for (const ControlInput& input : c.uploadInputs)
            SetControl(upload(), input);
        tabs().setCurrentIndex(c.tab == kTabProfile ? kTabUpload : kTabProfile);
        harness.Forget();
        harness.Press(kButtonAdd);
        EXPECT_EQ(profiles().size(), 1u) << c.label;
        EXPECT_EQ(harness.messages(), QStringList{c.lines.join(QString())}) << c.label;
        EXPECT_EQ(tabs().currentIndex(), c.tab) << c.label;
        EXPECT_TRUE(harness.logLines().isEmpty()) << c.label;
    }
}

// A trigger typed by name counts when a tag has that name, whatever its kind.
TEST_F(HsDataLoggingPageTest, ATypedTriggerNameIsTakenWhenItNamesATag)
{
    fill({"Typed", "Bool2", {}, {}, {}, {}});
    harness.Press(kButtonAdd);
    ASSERT_EQ(profiles().size(), 1u);
    EXPECT_EQ(profiles()[0].Profile.TriggerTag, addressOf("Bool2"));

    fill({"NotBoolean", "Level0", {}, {}, {}, {}});
    harness.Press(kButtonAdd);
    EXPECT_TRUE(harness.messages().isEmpty()) << harness.messages().join(QString()).toStdString();
    ASSERT_EQ(profiles().size(), 2u);
    EXPECT_TRUE(profiles()[1].Profile.TriggerTag.isEmpty()) << "only boolean tags trigger";
}

TEST_F(HsDataLoggingPageTest, ATypedTriggerNamingNoTagOutlivesASwitchOfTabs)
{
    fill({"Typo", "Bool9", {}, {}, {}, {}});
    tabs().setCurrentIndex(kTabSelectTags);
    tabs().setCurrentIndex(kTabProfile); // the trigger combo is refilled from the tag table
    EXPECT_EQ(profile().itemText(P::kComboTrigger), "Bool9");
    harness.Press(kButtonAdd);
    EXPECT_TRUE(profiles().empty());
    EXPECT_EQ(harness.messages(), QStringList{FormatInvalidNameLine("Trigger tag (starts the logging)")});
}

TEST_F(HsDataLoggingPageTest, TheCreateEntriesMakeATagOfTheirKindOrLeaveNoneWhenCancelled)
{
    const struct {
        const char* label;
        DialogControls* tab;
        int combo;
        int createEntry;
        std::vector<int> codes;
    } cases[] = {
        {"trigger", &profile(), P::kComboTrigger, 0, {1, 10}},
        {"upload trigger", &upload(), U::kComboTrigger, 0, {1, 10}},
        {"upload status", &upload(), U::kComboStatus, 1, {5, 14}},
    };
    for (const auto& c : cases) {
        auto* combo = c.tab->item<QComboBox>(c.combo);
        newTagName.clear();
        SetControl(*c.tab, {c.combo, c.createEntry});
        EXPECT_EQ(offeredCodes, c.codes) << c.label;
        EXPECT_EQ(combo->currentIndex(), -1) << c.label << ": cancelled";
        EXPECT_TRUE(combo->currentText().isEmpty()) << c.label;

        newTagName = QStringLiteral("Made_%1").arg(c.combo);
        SetControl(*c.tab, {c.combo, c.createEntry});
        EXPECT_EQ(combo->currentText(), newTagName) << c.label << ": the new tag is chosen";
        harness.model().DeleteTagsByAddress(QStringLiteral("0.97.99"), 1);
    }

    newTagName = QStringLiteral("MadeTrigger");
    harness.Show(node); // the tag deleted behind the page's back leaves its combos
    fill({"Made", {}, {}, {}, {}, {}});
    SetControl(profile(), {P::kComboTrigger, 0});
    harness.Press(kButtonAdd);
    ASSERT_EQ(profiles().size(), 1u);
    EXPECT_EQ(profiles()[0].Profile.TriggerTag, QStringLiteral("0.97.99"));
    EXPECT_EQ(usesOf("MadeTrigger"), at({0}));
}

TEST_F(HsDataLoggingPageTest, TheTagListsFollowTheTagTable)
{
    add({"Logged", {}, {"Level0", "Level1", "Count0"}, {}, {}, {}});
    harness.model().DeleteTagsByAddress(addressOf("Level1"), 1);
    EXPECT_EQ(profiles()[0].SelectedTags.size(), 2) << "the model forgets the deleted tag";

    harness.Show(node);
    page().SelectRow(0);
    tabs().setCurrentIndex(kTabSelectTags);
    const std::vector<CHSSelectTagsPage::LoggedTag> expected{{"Level0", addressOf("Level0")},
                                                             {"Count0", addressOf("Count0")}};
    EXPECT_EQ(tagsTab().Selected(), expected);
    for (const auto& available : tagsTab().Available())
        EXPECT_NE(available.first, "Level0");

    // Every tag of the project may be logged.
    tagsTab().item<CListCtrlEx>(S::kListAvailable)->selectAll();
    tagsTab().SelectChosenRows();
    EXPECT_TRUE(tagsTab().Available().empty());
    harness.Press(kButtonModify);
    QSet<QString> addresses;
    for (const TagRecord& tag : harness.model().Tags.All())
        addresses.insert(tag.ResID);
    EXPECT_EQ(profiles()[0].SelectedTags.size(), addresses.size());
}

// The project's own module tags: synthetic ones would not come back from the file alike.
TEST(HsDataLoggingProjectFileTest, ProfilesSurviveASaveAndAReopen)
{
    ScopedDeleteConfirmationSkipped unasked;
    PageHarness<CHSDataLoggingDlg> harness;
    CDataCenter& model = harness.model();
    std::vector<TagRecord> booleans;
    for (const TagRecord& tag : model.Tags.All()) {
        if (tag.DataTypeCode == kBooleanCode)
            booleans.push_back(tag);
    }
    ASSERT_GE(booleans.size(), 4u);
    harness.Show(NodeFor(kHighSpeedLog, QStringLiteral("High-Speed Data Logging")));
    CHSDataLoggingDlg& page = harness.page();
    for (int i = 0; i < 3; ++i) {
        page.item<CListCtrlEx>(kListProfiles)->clearSelection();
        SetControl(page.ProfileTab(), {P::kEditName, QStringLiteral("Fast%1").arg(i)});
        SetControl(page.ProfileTab(), {P::kComboTrigger, booleans[static_cast<size_t>(i)].TagName});
        auto* available = page.TagsTab().item<CListCtrlEx>(S::kListAvailable);
        available->clearSelection();
        available->selectionModel()->select(available->model()->index(i, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        page.TagsTab().SelectChosenRows();
        SetControl(page.UploadTab(), {U::kComboTrigger, booleans[3].TagName});
        harness.Press(kButtonAdd);
    }
    page.SelectRow(0);
    harness.Press(kButtonDelete);
    ASSERT_EQ(model.HighSpeedLogProfiles.size(), 2u);
    EXPECT_TRUE(harness.messages().isEmpty()) << harness.messages().join(QString()).toStdString();

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString first = folder.filePath(QStringLiteral("first.pelx"));
    const QString second = folder.filePath(QStringLiteral("second.pelx"));
    ASSERT_TRUE(model.SaveProject(first));
    CDataCenter reopened;
    CProjectLoader loader(reopened);
    ASSERT_EQ(loader.LoadProject(first, 0), kS_OK);
    EXPECT_TRUE(reopened.HighSpeedLogProfiles == model.HighSpeedLogProfiles);
    for (const TagRecord& tag : booleans) {
        TagRecord after;
        ASSERT_TRUE(reopened.LookupTagByName(tag.TagName, after));
        TagRecord before;
        model.LookupTagByName(tag.TagName, before);
        EXPECT_EQ(after.RelatedServices, before.RelatedServices) << tag.TagName.toStdString();
    }
    TagRecord uploadTrigger;
    ASSERT_TRUE(reopened.LookupTagByName(booleans[3].TagName, uploadTrigger));
    EXPECT_EQ(std::count(uploadTrigger.RelatedServices.begin(), uploadTrigger.RelatedServices.end(),
                         MakeIntPair(kHighSpeedLog, 1)),
              1)
        << "the profiles' positions after the delete";
    ASSERT_TRUE(reopened.SaveProject(second));
    QFile a(first);
    QFile b(second);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

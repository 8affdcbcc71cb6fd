// The e-mail alarm page driven as a user would: entries added with their automatic tags, the
// validation of the entry and the SMTP account, the server presets, the message tokens, deleting.
#include "CAlarmEmail.h"

#include "AlarmPageFixture.h"
#include "TypeIds.h"

#include <QComboBox>

#include <limits>

#include <gtest/gtest.h>

using namespace AlarmEmailIds;

namespace {

const QString kTo = QStringLiteral("a@b.com;c@d.org");
const QString kNames = QStringLiteral("Ann; ");

class AlarmEmailPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        page().SetRecipientEditor([this](QString& addresses, QString& names) {
            addresses = editorAddresses;
            names = editorNames;
            return true;
        });
        page().SetTagChooser([this] { return chosenTags; });
        harness.Show(node);
    }

    CAlarmEmail& page() { return harness.page(); }
    const ALARM_MAIL_SETTINGS& service() { return harness.model().AlarmMail; }

    // Fills every field with a good value, then the given changes.
    void Fill(const char* name, std::initializer_list<ControlInput> changes = {})
    {
        harness.Set({{kEditName, QString::fromUtf8(name)},
                     {kEditFrom, QStringLiteral("rtu@plant.org")},
                     {kEditSubject, QStringLiteral("Alarm")},
                     {kComboServerType, 1},
                     {kEditServer, QStringLiteral("mail.plant.example")},
                     {kEditPort, QStringLiteral("25")},
                     {kEditUsername, QStringLiteral("rtu")},
                     {kEditPassword, QStringLiteral("Secret")},
                     {kEditConfirmation, QStringLiteral("Secret")}});
        page().EditRecipients();
        harness.Set(changes);
    }
    void Add(const char* name, std::initializer_list<ControlInput> changes = {})
    {
        Fill(name, changes);
        harness.Press(kButtonAdd);
    }
    ScopedDeleteConfirmationSkipped unasked;
    PageHarness<CAlarmEmail> harness;
    const TreeNodeInfo node = NodeFor(ServiceId::AlarmMail, QStringLiteral("E-mail"));
    QString editorAddresses = kTo;
    QString editorNames = kNames;
    std::vector<TagRecord> chosenTags;
};

} // namespace

TEST_F(AlarmEmailPageTest, TheTemplateHoldsThePagesControls)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(AlarmEmailPageTest, TheFirstEntryGetsIndexZeroAndItsTwoTagsWithTheirUse)
{
    EXPECT_EQ(page().itemText(kEditTriggerName), "MailTrigger_0") << "the next entry's tag names";
    Add("Pump alarm");
    ASSERT_EQ(service().Entries.size(), 1);
    const ALARM_MAIL_ITEM_SETTINGS& entry = service().Entries[0];
    EXPECT_EQ(entry.Index, 0);
    EXPECT_EQ(entry.TriggerTag, "0.0.137.1");
    EXPECT_EQ(entry.StatusTag, "0.0.137.2");
    EXPECT_EQ(entry.To, kTo);
    EXPECT_EQ(entry.ContactName, kNames);
    EXPECT_EQ(entry.From, "rtu@plant.org");
    EXPECT_EQ(entry.TagDefinitions.size(), 2);
    EXPECT_EQ(harness.model().GetTagNameByAddress(entry.TriggerTag), "MailTrigger_0");
    EXPECT_EQ(harness.model().GetTagNameByAddress(entry.StatusTag), "MailStatus_0");
    EXPECT_TRUE(CarriesUse(harness.model(), entry.TriggerTag, ServiceId::AlarmMail, 0));
    EXPECT_TRUE(CarriesUse(harness.model(), entry.StatusTag, ServiceId::AlarmMail, 0));
    // the log pane shows the newest line on top: 616, then the two 732 lines
    EXPECT_EQ(harness.logLines(), TagLines(kStringTagCreated, {"MailTrigger_0", "MailStatus_0"})
                                      << FormatLangString(kStringEntryAdded, node.shownText, 1));
    EXPECT_EQ(service().MailServer, "mail.plant.example");
    EXPECT_EQ(service().Password, "Secret");
    EXPECT_EQ(service().ServerType, 1);
    EXPECT_EQ(page().itemText(kEditRecipients), "a@b.com(Ann);c@d.org");
    harness.Screenshot(QStringLiteral("alarm-email-page"));
}

TEST_F(AlarmEmailPageTest, ANinthEntryIsRefused)
{
    for (int i = 0; i < 8; ++i)
        Add(qPrintable(QStringLiteral("Mail%1").arg(i)));
    ASSERT_EQ(service().Entries.size(), 8);
    harness.Forget();
    Add("Mail8");
    EXPECT_EQ(harness.messages(), QStringList{FormatLangString(751, 8)});
    EXPECT_EQ(service().Entries.size(), 8);
    EXPECT_TRUE(harness.logLines().isEmpty());
}

TEST_F(AlarmEmailPageTest, TheNextIndexFollowsTheLastEntry)
{
    struct Case {
        int deletedRow;
        QList<qint32> after;
    };
    for (const Case& c : {Case{0, {1, 2, 3}}, Case{2, {0, 1, 2}}}) {
        SCOPED_TRACE(c.deletedRow);
        PageHarness<CAlarmEmail> fresh;
        fresh.page().SetRecipientEditor([](QString& addresses, QString& names) {
            addresses = kTo;
            names = kNames;
            return true;
        });
        fresh.Show(node);
        for (const char* name : {"A", "B", "C"}) {
            fresh.Set({{kEditName, QString::fromUtf8(name)},
                       {kEditFrom, QStringLiteral("rtu@plant.org")},
                       {kEditSubject, QStringLiteral("Alarm")},
                       {kEditServer, QStringLiteral("mail.plant.example")},
                       {kEditPort, QStringLiteral("25")},
                       {kEditUsername, QStringLiteral("rtu")},
                       {kEditPassword, QStringLiteral("pw")},
                       {kEditConfirmation, QStringLiteral("pw")}});
            fresh.page().EditRecipients();
            fresh.Press(kButtonAdd);
        }
        ASSERT_EQ(fresh.model().AlarmMail.Entries.size(), 3);
        fresh.page().SelectRow(c.deletedRow);
        fresh.Forget();
        fresh.Press(kButtonDelete);
        const QString trigger = QStringLiteral("MailTrigger_%1").arg(c.deletedRow);
        const QString status = QStringLiteral("MailStatus_%1").arg(c.deletedRow);
        EXPECT_EQ(fresh.logLines(), TagLines(kStringTagReleased, {trigger, status})
                                        << FormatLangString(kStringEntriesDeleted, node.shownText));
        EXPECT_EQ(fresh.model().IsTagNameFree(trigger), 1) << "the entry's tags are gone";
        EXPECT_EQ(fresh.page().NextEntryIndex(), c.after.back());
        EXPECT_EQ(fresh.page().itemText(kEditTriggerName).isEmpty(), false);
    }
}

// A file may give an entry the largest number there is: nothing lies past it, so Add is refused
// with the limit's message instead of numbering an entry below zero.
TEST_F(AlarmEmailPageTest, AnEntryNumberedAtTheTopOfTheRangeTakesNoFurtherEntry)
{
    ALARM_MAIL_ITEM_SETTINGS stored;
    stored.Name = QStringLiteral("Read from a file");
    stored.Index = std::numeric_limits<qint32>::max();
    harness.model().AlarmMail.Entries.append(stored);
    harness.Show(node);
    EXPECT_EQ(page().NextEntryIndex(), std::numeric_limits<qint32>::max());
    Add("Pump alarm");
    EXPECT_EQ(harness.messages(), QStringList{FormatLangString(751, 8)});
    ASSERT_EQ(service().Entries.size(), 1);
    EXPECT_EQ(service().Entries[0].Index, std::numeric_limits<qint32>::max());
    EXPECT_TRUE(harness.logLines().isEmpty());
}

TEST_F(AlarmEmailPageTest, ValidationNamesEveryBadFieldInOneBox)
{
    struct Case {
        const char* name;
        std::vector<ControlInput> changes;
        QString recipients;
        QStringList lines;
    };
    const QString fromLine = QStringLiteral("\"From\" - %1\r\n").arg(LoadLangString(413));
    const Case cases[] = {
        {"confirmation differs in case",
         {{kEditConfirmation, QStringLiteral("secret")}},
         kTo,
         {LoadLangString(635) + "\r\n"}},
        {"From not an address", {{kEditFrom, QStringLiteral("foo")}}, kTo, {fromLine}},
        {"From with text before the address", {{kEditFrom, QStringLiteral("x a@b.com")}}, kTo, {fromLine}},
        {"five empty fields",
         {{kEditServer, QString()},
          {kEditUsername, QString()},
          {kEditPassword, QString()},
          {kEditConfirmation, QString()},
          {kEditSubject, QString()}},
         QString(),
         {FormatInvalidItemLine("Mail server"), FormatInvalidItemLine("User name"), FormatInvalidItemLine("Password"),
          FormatInvalidItemLine("To"), FormatInvalidItemLine("Subject")}},
        {"port out of range", {{kEditPort, QStringLiteral("port")}}, kTo, {FormatRangeErrorLine("Port", 1, 65535)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        harness.Show(node);
        editorAddresses = c.recipients;
        Fill("Mail", {});
        for (const ControlInput& input : c.changes)
            SetControl(page(), input);
        harness.Press(kButtonAdd);
        ASSERT_EQ(harness.boxes().texts().size(), 1);
        EXPECT_EQ(harness.messages().first(), c.lines.join(QString()));
        EXPECT_TRUE(service().Entries.isEmpty());
    }
}

TEST_F(AlarmEmailPageTest, SenderAddressesWithLongDomainEndingsAreTaken)
{
    const struct {
        const char* name;
        const char* from;
    } cases[] = {{"Plant", "rtu@plant.example"}, {"Works", "alarm@works.industries"}};
    for (const auto& [name, from] : cases) {
        SCOPED_TRACE(from);
        harness.Show(node);
        Add(name, {{kEditFrom, QString::fromUtf8(from)}});
        EXPECT_TRUE(harness.messages().isEmpty());
        ASSERT_FALSE(service().Entries.isEmpty());
        EXPECT_EQ(service().Entries.last().From, QString::fromUtf8(from));
    }
}

TEST_F(AlarmEmailPageTest, NamesAreUniqueIgnoringCaseExceptForTheEntryItself)
{
    Add("Mail1");
    Add("MAIL1");
    EXPECT_EQ(harness.messages(), QStringList{FormatItemErrorLine("Name")});
    EXPECT_EQ(service().Entries.size(), 1);
    harness.Forget();
    page().SelectRow(0);
    Fill("MAIL1");
    harness.Press(kButtonModify);
    EXPECT_TRUE(harness.messages().isEmpty());
    EXPECT_EQ(service().Entries[0].Name, "MAIL1");
    EXPECT_EQ(harness.model().GetTagNameByAddress(service().Entries[0].TriggerTag), "MailTrigger_0")
        << "renaming keeps the tags";
}

TEST_F(AlarmEmailPageTest, TheServerPresetsFillTheAccount)
{
    auto* serverType = page().item<QComboBox>(kComboServerType);
    auto* encryption = page().item<QComboBox>(kComboEncryption);
    serverType->setCurrentIndex(1);
    EXPECT_EQ(page().itemText(kEditPort), "25");
    EXPECT_EQ(page().itemText(kEditServer), "");
    EXPECT_EQ(encryption->currentIndex(), 0);

    serverType->setCurrentIndex(0);
    EXPECT_EQ(encryption->currentIndex(), 1);
    EXPECT_EQ(page().item<QComboBox>(kComboAuthentication)->currentIndex(), 0);
    EXPECT_EQ(page().itemText(kEditPort), "587");
    EXPECT_FALSE(page().itemText(kEditServer).isEmpty());
    encryption->setCurrentIndex(0);
    EXPECT_EQ(page().itemText(kEditPort), "465");

    serverType->setCurrentIndex(1);
    encryption->setCurrentIndex(1);
    EXPECT_EQ(page().itemText(kEditPort), "25") << "the port rule is the preset provider's only";
}

TEST_F(AlarmEmailPageTest, ContentShowsTagNamesAndStoresAddresses)
{
    harness.model().AppendTag(MakeTestTag(QStringLiteral("Pump1"), QStringLiteral("0.1.5")));
    Add("Mail", {{kEditContent, QStringLiteral("T={{Pump1}} at {{Time}} {{Nobody}}")}});
    ASSERT_EQ(service().Entries.size(), 1);
    EXPECT_EQ(service().Entries[0].Content, "T={{0.1.5}} at {{Time}} {{Nobody}}");
    harness.Show(node);
    EXPECT_EQ(page().itemText(kEditContent), "T={{Pump1}} at {{Time}} {{Nobody}}");
    harness.Press(kButtonModify);
    EXPECT_EQ(service().Entries[0].Content, "T={{0.1.5}} at {{Time}} {{Nobody}}") << "stored back unchanged";

    chosenTags = {MakeTestTag(QStringLiteral("Pump1"), QStringLiteral("0.1.5"))};
    harness.Set({{kEditContent, QString()}});
    harness.Press(kButtonInsertTags);
    EXPECT_EQ(page().itemText(kEditContent), "{{Pump1}}");
}

TEST_F(AlarmEmailPageTest, AnEntryWhoseTagsCannotBeMadeIsNotKept)
{
    harness.model().AppendTag(MakeTestTag(QStringLiteral("MailStatus_0"), QStringLiteral("9.9.9")));
    Add("Mail");
    EXPECT_EQ(harness.messages(), QStringList{FormatLangString(9251, QStringLiteral("MailTrigger_0"))});
    EXPECT_TRUE(service().Entries.isEmpty());
    EXPECT_TRUE(harness.logLines().isEmpty()) << "no tag and no entry is reported as made";
    EXPECT_EQ(harness.model().IsTagNameFree(QStringLiteral("MailTrigger_0")), 1);
    EXPECT_TRUE(service().MailServer.isEmpty()) << "the account is written only with an entry";
}

// The SMTP servers page: the server rules in one box, renaming that follows into every alarm entry,
// deleting that stops at a server in use and names its users.
#include "CSettingSMTPServersDlg.h"
#include "LanguagePack.h"
#include "ListPageStrings.h"
#include "PageConversions.h"
#include "PageHarness.h"
#include "TextFormat.h"
#include "Validation.h"

#include <gtest/gtest.h>

namespace {

using Page = CSettingSMTPServersDlg;
constexpr int kAlarmMailService = 137;

SMTP_SERVER_SETTINGS server(const char* name, const char* address = "smtp.example", int port = 25)
{
    SMTP_SERVER_SETTINGS s;
    s.Name = QString::fromUtf8(name);
    s.ServerAddress = QString::fromUtf8(address);
    s.Port = port;
    return s;
}

QStringList names(const std::vector<SMTP_SERVER_SETTINGS>& servers)
{
    QStringList list;
    for (const auto& s : servers)
        list << s.Name;
    return list;
}

class SmtpPageTest : public testing::Test {
protected:
    void SetUp() override { ExpectControlsMatchTemplate(Page::kTemplateId, Page::kControls); }
    CDataCenter& model() { return harness_.model(); }
    void ShowWith(std::vector<SMTP_SERVER_SETTINGS> servers)
    {
        model().SmtpServers = std::move(servers);
        harness_.Show(node_);
    }
    void Type(const char* name, const char* address, const char* port, const char* password = "",
              const char* confirmation = "")
    {
        harness_.Set({{Page::kEditName, QString::fromUtf8(name)},
                      {Page::kEditAddress, QString::fromUtf8(address)},
                      {Page::kEditPort, QString::fromUtf8(port)},
                      {Page::kEditPassword, QString::fromUtf8(password)},
                      {Page::kEditConfirmPassword, QString::fromUtf8(confirmation)}});
    }
    void SelectRows(std::initializer_list<int> rows)
    {
        auto* list = harness_.page().item<CListCtrlEx>(Page::kListServers);
        list->clearSelection();
        for (int row : rows)
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    ScopedDeleteConfirmationSkipped unasked_;
    PageHarness<Page> harness_;
    const TreeNodeInfo node_ = NodeFor(125, QStringLiteral("SMTP Servers"));
};

TEST_F(SmtpPageTest, AddChecksEveryFieldIntoOneBox)
{
    const int maxLength = harness_.page().GetEditLengthLimit();
    const QString longAddress(maxLength, u'a');
    const QString tooLongAddress(maxLength / 2 + 1, QChar(0xE9)); // the edit holds no more characters
    struct Case {
        const char* name;
        QString typedName;
        QString address;
        const char* port;
        const char* password;
        const char* confirmation;
        QStringList messages; // empty: added
    };
    const Case cases[] = {
        {"port at the minimum, address of the maximum length", "Mail2", longAddress, "1", "pw", "pw", {}},
        {"port at the maximum", "Mail3", "10.0.0.1", "65535", "", "", {}},
        {"a name taken in another case",
         "MAIL1",
         "10.0.0.1",
         "25",
         "",
         "",
         {FormatItemErrorLine(QStringLiteral("Server name"))}},
        {"every bad field at once",
         "",
         tooLongAddress,
         "0",
         "a",
         "b",
         {FormatInvalidItemLine(QStringLiteral("Server name")) +
          FormatLangString(kStringAddressTooLong, QStringLiteral("Server address"), maxLength) + "\r\n" +
          FormatRangeErrorLine(QStringLiteral("Port"), 1, 65535) + LoadLangString(kStringConfirmationDiffers) +
          "\r\n"}},
        {"empty address", "Mail4", "", "25", "", "", {FormatInvalidItemLine(QStringLiteral("Server address"))}},
        {"name over 64 bytes",
         QString(65, u'n'),
         "10.0.0.1",
         "25",
         "",
         "",
         {FormatLimitErrorLine(QStringLiteral("Server name"), 64)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShowWith({server("Mail1")});
        harness_.Set({{Page::kEditName, c.typedName},
                      {Page::kEditAddress, c.address},
                      {Page::kEditPort, QString::fromUtf8(c.port)},
                      {Page::kEditPassword, QString::fromUtf8(c.password)},
                      {Page::kEditConfirmPassword, QString::fromUtf8(c.confirmation)}});
        harness_.Press(Page::kButtonAdd);
        EXPECT_EQ(harness_.messages(), c.messages);
        if (!c.messages.isEmpty()) {
            EXPECT_EQ(model().SmtpServers.size(), 1u);
            continue;
        }
        ASSERT_EQ(model().SmtpServers.size(), 2u);
        EXPECT_EQ(model().SmtpServers[1].Name, c.typedName);
        EXPECT_EQ(model().SmtpServers[1].ServerAddress, c.address);
        EXPECT_EQ(model().SmtpServers[1].Port, QString::fromUtf8(c.port).toInt());
        EXPECT_EQ(model().SmtpServers[1].Password, QString::fromUtf8(c.password));
        EXPECT_EQ(harness_.logLines(),
                  QStringList{FormatLangString(kStringEntryAdded, QStringLiteral("SMTP Servers"), 2)});
    }
}

TEST_F(SmtpPageTest, ShowingSelectsTheFirstServerAndEmptiesForANewOne)
{
    SMTP_SERVER_SETTINGS first = server("Mail1", "smtp.one", 587);
    first.Password = QStringLiteral("secret");
    ShowWith({first});
    Page& page = harness_.page();
    EXPECT_EQ(page.itemText(Page::kEditName), QStringLiteral("Mail1"));
    EXPECT_EQ(page.itemText(Page::kEditPort), QStringLiteral("587"));
    EXPECT_EQ(page.itemText(Page::kEditConfirmPassword), QStringLiteral("secret"));
    EXPECT_EQ(page.itemText(Page::kStaticPortRange), QStringLiteral("(1-65535)"));
    EXPECT_EQ(page.item<CListCtrlEx>(Page::kListServers)->GetItemText(0, 4), QStringLiteral("587"));
    harness_.Screenshot(QStringLiteral("system-smtp-servers-page"));
    ShowWith({});
    EXPECT_EQ(page.itemText(Page::kEditName), QString());
    EXPECT_EQ(page.itemText(Page::kEditPort), QStringLiteral("25")) << "the default port";
}

TEST_F(SmtpPageTest, RenamingAServerRenamesItInEveryAlarmEntry)
{
    model().MailAlarmRecords = {{QStringLiteral("Mail1")}, {QStringLiteral("Other")}, {QStringLiteral("Mail1")}};
    SMTP_SERVER_SETTINGS used = server("Mail1");
    used.Users = {{kAlarmMailService, 0}, {kAlarmMailService, 2}};
    ShowWith({used});
    harness_.Set({{Page::kEditName, QStringLiteral("Relay")}});
    harness_.Press(Page::kButtonModify);
    EXPECT_TRUE(harness_.messages().isEmpty());
    ASSERT_EQ(model().SmtpServers.size(), 1u);
    EXPECT_EQ(model().SmtpServers[0].Name, QStringLiteral("Relay"));
    EXPECT_EQ(model().SmtpServers[0].Users, used.Users) << "the users stay with the server";
    EXPECT_EQ(model().MailAlarmRecords[0].ServerName, QStringLiteral("Relay"));
    EXPECT_EQ(model().MailAlarmRecords[1].ServerName, QStringLiteral("Other"));
    EXPECT_EQ(model().MailAlarmRecords[2].ServerName, QStringLiteral("Relay"));
    EXPECT_EQ(harness_.logLines(),
              QStringList{FormatLangString(kStringEntryModified, QStringLiteral("SMTP Servers"), 1)});

    harness_.Forget();
    harness_.Set({{Page::kEditName, QStringLiteral("RELAY")}});
    harness_.Press(Page::kButtonModify);
    EXPECT_TRUE(harness_.messages().isEmpty()) << "its own name in another case is no duplicate";
    EXPECT_EQ(model().MailAlarmRecords[0].ServerName, QStringLiteral("RELAY"));
}

TEST_F(SmtpPageTest, DeletingStopsAtAServerInUseAndNamesItsUsers)
{
    ALARM_MAIL_ITEM_SETTINGS high;
    high.Name = QStringLiteral("High%sLevel"); // a name that looks like a format stays as it is
    high.Index = 0;
    ALARM_MAIL_ITEM_SETTINGS door;
    door.Name = QStringLiteral("DoorOpen");
    door.Index = 3;
    model().AlarmMail.Entries = {high, door};
    model().MailAlarmRecords = {{QStringLiteral("First")}, {QStringLiteral("Second")}};
    SMTP_SERVER_SETTINGS second = server("Second");
    second.Users = {{kAlarmMailService, 0}, {kAlarmMailService, 3}};
    ShowWith({server("First"), second, server("Third")});
    SelectRows({0, 1, 2});
    harness_.Press(Page::kButtonDelete);

    EXPECT_EQ(names(model().SmtpServers), (QStringList{QStringLiteral("Second"), QStringLiteral("Third")}));
    const QString service = model().GetResourceName(kAlarmMailService);
    const QString expected = LoadLangString(Page::kStringServerInUse) + u'\n' + service +
                             QStringLiteral("\u2192No.1_High%sLevel\n") + service +
                             QStringLiteral("\u2192No.4_DoorOpen");
    EXPECT_EQ(harness_.messages(), QStringList{expected});
    EXPECT_TRUE(model().MailAlarmRecords[0].ServerName.isEmpty()) << "the deleted server's references are cleared";
    EXPECT_EQ(model().MailAlarmRecords[1].ServerName, QStringLiteral("Second"));
    EXPECT_EQ(harness_.logLines(),
              QStringList{FormatLangString(kStringEntriesDeleted, QStringLiteral("SMTP Servers"))});
}

TEST_F(SmtpPageTest, DeleteNeedsARowAndAList)
{
    ShowWith({});
    harness_.Press(Page::kButtonDelete);
    EXPECT_EQ(harness_.messages(), QStringList{LoadLangString(CPropertyUIDialog::kStringListEmpty)});
    ShowWith({server("First")});
    SelectRows({});
    harness_.Press(Page::kButtonDelete);
    EXPECT_EQ(harness_.messages(), QStringList{LoadLangString(kStringNoEntrySelected)});
    EXPECT_EQ(model().SmtpServers.size(), 1u);
}

} // namespace

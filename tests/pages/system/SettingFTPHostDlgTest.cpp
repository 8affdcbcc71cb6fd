// The FTP accounts page: user-name and password rules, reserved names in the CPU35 layout, an empty
// account ignored, the enable switch taken with Add and Modify.
#include "CSettingFTPHostDlg.h"
#include "LanguagePack.h"
#include "ListPageStrings.h"
#include "PageConversions.h"
#include "PageHarness.h"
#include "TextFormat.h"
#include "Validation.h"

#include <gtest/gtest.h>

namespace {

using Page = CSettingFTPHostDlg;
const QString kUser = QStringLiteral("User name");
const QString kPassword = QStringLiteral("Password");

FtpAccountRecord account(const char* user, const char* password = "pw")
{
    return {QString(), QString::fromUtf8(user), QString::fromUtf8(password), {}};
}

class FtpPageTest : public testing::Test {
protected:
    void SetUp() override { ExpectControlsMatchTemplate(Page::kTemplateId, Page::kControls); }
    CDataCenter& model() { return harness_.model(); }
    void ShowWith(QVector<FtpAccountRecord> accounts, int cpu35 = 0)
    {
        model().SetCPU35Mode(cpu35);
        model().FtpServer.Accounts = std::move(accounts);
        harness_.Show(node_);
    }
    void Type(const QString& user, const QString& password, const QString& confirmation)
    {
        harness_.Set(
            {{Page::kEditUserName, user}, {Page::kEditPassword, password}, {Page::kEditConfirmPassword, confirmation}});
    }

    PageHarness<Page> harness_;
    const TreeNodeInfo node_ = NodeFor(128, QStringLiteral("Accounts"));
};

TEST_F(FtpPageTest, AddChecksTheUserNameAndPasswordRules)
{
    const QString pw64(64, u'p');
    struct Case {
        const char* name;
        int cpu35;
        QString user;
        QString password;
        QString confirmation;
        QStringList messages; // empty: added
    };
    const Case cases[] = {
        {"letter then word characters", 0, "Admin1", "pw", "pw", {}},
        {"64 printable characters of password", 0, "Op_2", pw64, pw64, {}},
        {"a password with a blank and punctuation", 0, "Op3", "a b~!", "a b~!", {}},
        {"a leading digit", 0, "1admin", "pw", "pw", {FormatPatternErrorLine(kUser, "1admin")}},
        {"a hyphen", 0, "ad-min", "pw", "pw", {FormatPatternErrorLine(kUser, "ad-min")}},
        {"a non-ASCII letter in the name",
         0,
         QStringLiteral("J\u00fcrgen"),
         "pw",
         "pw",
         {FormatPatternErrorLine(kUser, QStringLiteral("J\u00fcrgen"))}},
        {"a name of 65 bytes",
         0,
         "a" + QString(64, u'b'),
         "pw",
         "pw",
         {FormatLimitErrorLine(kUser, 64) + FormatPatternErrorLine(kUser, "a" + QString(64, u'b'))}},
        {"a duplicate in another case", 0, "OPERATOR", "pw", "pw", {FormatItemErrorLine(kUser)}},
        {"an empty name with a password", 0, "", "pw", "pw", {FormatInvalidItemLine(kUser)}},
        {"a 65-character password", 0, "Op4", pw64 + "p", pw64 + "p", {FormatLimitErrorLine(kPassword, 64)}},
        {"a mismatching confirmation", 0, "Op5", "pw", "px", {LoadLangString(kStringConfirmationDiffers) + "\r\n"}},
        {"a tab in the password", 0, "Op6", "a\tb", "a\tb", {FormatMessageLine(707, kPassword, "password")}},
        {"a non-ASCII letter in the password",
         0,
         "Op7",
         QStringLiteral("\u00e9t\u00e9"),
         QStringLiteral("\u00e9t\u00e9"),
         {FormatMessageLine(707, kPassword, "password")}},
        {"a bad name and a mismatching confirmation in one box",
         0,
         "1admin",
         "pw",
         "px",
         {FormatPatternErrorLine(kUser, "1admin") + LoadLangString(kStringConfirmationDiffers) + "\r\n"}},
        {"a mismatching confirmation before the password's characters",
         0,
         "Op8",
         "a\tb",
         "a\tc",
         {LoadLangString(kStringConfirmationDiffers) + "\r\n" + FormatMessageLine(707, kPassword, "password")}},
        {"root refused in the CPU35 layout", 1, "root", "pw", "pw", {FormatItemErrorLine(kUser)}},
        {"zerv refused in the CPU35 layout", 1, "zerv", "pw", "pw", {FormatItemErrorLine(kUser)}},
        {"Root accepted in the CPU35 layout", 1, "Root", "pw", "pw", {}},
        {"root accepted otherwise", 0, "root", "pw", "pw", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShowWith({account("operator")}, c.cpu35);
        Type(c.user, c.password, c.confirmation);
        harness_.Press(Page::kButtonAdd);
        EXPECT_EQ(harness_.messages(), c.messages);
        if (!c.messages.isEmpty()) {
            EXPECT_EQ(model().FtpServer.Accounts.size(), 1);
            continue;
        }
        ASSERT_EQ(model().FtpServer.Accounts.size(), 2);
        EXPECT_EQ(model().FtpServer.Accounts[1].UserName, c.user);
        EXPECT_EQ(model().FtpServer.Accounts[1].Password, c.password);
        EXPECT_EQ(harness_.logLines(),
                  QStringList{FormatLangString(kStringEntryAdded, QStringLiteral("FTP Accounts"), 2)});
    }
}

TEST_F(FtpPageTest, AnEmptyAccountIsIgnoredButTheSwitchIsTaken)
{
    ShowWith({account("operator")}, 1);
    model().FtpServer.Enable = 0;
    harness_.Set({{Page::kCheckEnable, true}});
    Type(QString(), QString(), QString());
    harness_.Press(Page::kButtonAdd);
    EXPECT_TRUE(harness_.messages().isEmpty());
    EXPECT_TRUE(harness_.logLines().isEmpty());
    EXPECT_EQ(model().FtpServer.Accounts.size(), 1);
    EXPECT_EQ(model().FtpServer.Enable, 1);
}

TEST_F(FtpPageTest, ModifyKeepsItsOwnNameInAnotherCaseAndDeleteRemovesTheSelection)
{
    ShowWith({account("operator"), account("guest")}, 1);
    Page& page = harness_.page();
    EXPECT_TRUE(page.control(Page::kCheckEnable)->isVisible());
    EXPECT_EQ(page.itemText(Page::kEditUserName), QStringLiteral("operator"));
    EXPECT_EQ(page.itemText(Page::kEditConfirmPassword), QStringLiteral("pw"));
    harness_.Set({{Page::kEditUserName, QStringLiteral("Operator")}});
    harness_.Press(Page::kButtonModify);
    EXPECT_TRUE(harness_.messages().isEmpty());
    EXPECT_EQ(model().FtpServer.Accounts[0].UserName, QStringLiteral("Operator"));
    EXPECT_EQ(harness_.logLines(),
              QStringList{FormatLangString(kStringEntryModified, QStringLiteral("FTP Accounts"), 1)});
    harness_.Screenshot(QStringLiteral("system-ftp-accounts-page"));

    ScopedDeleteConfirmationSkipped unasked;
    harness_.Forget();
    page.SelectRow(1);
    harness_.Press(Page::kButtonDelete);
    ASSERT_EQ(model().FtpServer.Accounts.size(), 1);
    EXPECT_EQ(model().FtpServer.Accounts[0].UserName, QStringLiteral("Operator"));
    EXPECT_EQ(harness_.logLines(),
              QStringList{FormatLangString(kStringEntriesDeleted, QStringLiteral("FTP Accounts"))});

    ShowWith({account("operator")}, 0);
    EXPECT_FALSE(page.control(Page::kCheckEnable)->isVisible()) << "the switch belongs to the CPU35 layout";
}

} // namespace

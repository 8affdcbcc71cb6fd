#include "AccountRules.h"

#include "LanguagePack.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"
#include "TextFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(DeviceAddressCheckTest, AcceptsFourDecimalPartsUpTo255)
{
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"192.168.127.254", true}, {"01.2.3.4", true},   {" 10.0.0.1 ", true},
        {"255.255.255.255", true}, {"256.1.1.1", false}, {"1.2.3", false},
        {"001.2.3.4", false},      {"", false},          {"   ", false},
        {"1.2.3.4.5", false},      {"-1.2.3.4", false},  {"1.2.3.4x", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidDeviceAddress(QString::fromLatin1(c.text)), c.valid) << c.text;
}

QString invalidEntry(const char* label)
{
    return QStringLiteral("Invalid \"%1\".\n\n").arg(QLatin1String(label));
}

QString userNameTooLong(const QString& name)
{
    return QStringLiteral("Invalid \"%1\".\n\"User Name\" only support maximum 29 characters\n").arg(name);
}

QString patternEntry(unsigned id, const QString& first, const QString& second)
{
    return FormatLangString(id, first, second) + u'\n';
}

const QString kPasswordTooLong =
    QStringLiteral("Invalid \"Password\".\n\"Password\" only support maximum 64 character\n");

TEST(AccountRulesTest, NamesEachFailedRuleOnce)
{
    const QString letter29 = QStringLiteral("a") + QString(28, u'b');
    const QString letter30 = letter29 + u'c';
    const QString word63(63, u'x');
    const QString userPattern = patternEntry(704, QStringLiteral("1abc"), QStringLiteral("User Name"));
    const QString passwordPattern = patternEntry(707, QStringLiteral("Password"), QStringLiteral("Password"));
    const struct {
        const char* label;
        QString user;
        QString password;
        QString expected;
    } cases[] = {
        {"29-character name and 63-character password", letter29, word63, QString()},
        {"30-character name", letter30, QStringLiteral("pw"), userNameTooLong(letter30)},
        {"name starting with a digit", QStringLiteral("1abc"), QStringLiteral("pw"), userPattern},
        {"64-character password fails the pattern", QStringLiteral("root"), QString(64, u'x'), passwordPattern},
        {"65-character password", QStringLiteral("root"), QString(65, u'x'), kPasswordTooLong},
        {"blank in the password", QStringLiteral("root"), QStringLiteral("a b"), passwordPattern},
        {"punctuation in the password", QStringLiteral("root"), QStringLiteral("a!"), passwordPattern},
        {"both empty", QString(), QString(), invalidEntry("User Name") + invalidEntry("Password")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CollectAccountComplaints(c.user, c.password, std::nullopt), c.expected) << c.label;
}

TEST(AccountRulesTest, ConfirmationMustMatchAndThePasswordIsNeverShown)
{
    const QString secret = QStringLiteral("Secret!");
    const QString complaints = CollectAccountComplaints(QStringLiteral("root"), secret, QStringLiteral("other"));
    EXPECT_EQ(complaints,
              LoadLangString(635) + u'\n' + patternEntry(707, QStringLiteral("Password"), QStringLiteral("Password")));
    EXPECT_FALSE(complaints.contains(secret));
    EXPECT_TRUE(CollectAccountComplaints(QStringLiteral("root"), QStringLiteral("pw"), QStringLiteral("pw")).isEmpty());
}

TEST(AccountRulesTest, ShowsEveryComplaintInOneBox)
{
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService installed(boxes);
    EXPECT_FALSE(CheckUserNamePassword(QString(), QString(), std::nullopt));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.texts().first(), invalidEntry("User Name") + invalidEntry("Password"));
    boxes.Clear();
    EXPECT_TRUE(CheckUserNamePassword(QStringLiteral("root"), QStringLiteral("root"), std::nullopt));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

} // namespace

// Secrets are kept only scrambled, and alarm texts keep their line breaks however often a
// project is opened and saved.
#include "ServiceFileTestSupport.h"

#include "ResultCodes.h"
#include "Scramble.h"
#include "ServiceFileValues.h"

namespace {

using namespace FullServiceModel;

class ServiceSecretsAndTexts : public ServiceFileTest {
protected:
    // Save, open into a fresh model, and hand that model back.
    void SaveAndReopen(CDataCenter& model)
    {
        const QString path = SaveServices(model, QStringLiteral("cycle%1.pelx").arg(++cycle_));
        model.ResetProjectData();
        PrepareForOpening(model);
        ASSERT_EQ(OpenServices(model, path), kS_OK);
    }

    int cycle_ = 0;
};

TEST_F(ServiceSecretsAndTexts, SecretsAreStoredOnlyScrambled)
{
    CDataCenter model;
    FillAllServices(model);
    model.AlarmSms.PIN = QStringLiteral("pin-7391");
    const QStringList secrets{model.AlarmMail.Password, model.AlarmSms.PIN,
                              model.DataLogging.Profiles[3].Upload.Password, model.SnmpAgent.V3RO.AuthenticationPW,
                              model.SnmpAgent.V3RW.PrivacyPW};
    const QByteArray file = ReadBytes(SaveServices(model, QStringLiteral("secrets.pelx")));
    for (const QString& secret : secrets) {
        EXPECT_FALSE(file.contains(secret.toUtf8())) << secret.toStdString();
        EXPECT_TRUE(file.contains(ScrambleToHex(secret).toUtf8())) << secret.toStdString();
    }

    CDataCenter reopened;
    PrepareForOpening(reopened);
    ASSERT_EQ(OpenServices(reopened, PathOf(QStringLiteral("secrets.pelx"))), kS_OK);
    EXPECT_EQ(reopened.AlarmMail.Password, model.AlarmMail.Password);
    EXPECT_EQ(reopened.AlarmSms.PIN, QStringLiteral("pin-7391"));
    const DATA_LOG_UPLOAD_SETTINGS& upload = reopened.DataLogging.Profiles[3].Upload;
    EXPECT_EQ(upload.Password, model.DataLogging.Profiles[3].Upload.Password);
    EXPECT_EQ(upload.PasswordConfirm, upload.Password);
}

TEST_F(ServiceSecretsAndTexts, AlarmTextsKeepTheirLineBreaksThroughThreeRoundTrips)
{
    const QString crlf = QStringLiteral("Pump failed\r\nat station 4\r\n\r\nCall\r\n");
    CDataCenter model;
    ALARM_MAIL_ITEM_SETTINGS mail;
    mail.Content = crlf;
    model.AlarmMail.Entries.append(mail);
    ALARM_SMS_ITEM_SETTINGS sms;
    sms.Content = crlf;
    model.AlarmSms.Entries.append(sms);
    ALARM_SNMP_TRAP_ITEM_SETTINGS trap;
    trap.Profile.MessageTrap = crlf;
    model.AlarmSnmpTrap.Entries.append(trap);
    for (int round = 1; round <= 3; ++round) {
        SaveAndReopen(model);
        EXPECT_EQ(model.AlarmMail.Entries.value(0).Content, crlf) << "round " << round;
        EXPECT_EQ(model.AlarmSms.Entries.value(0).Content, crlf) << "round " << round;
        EXPECT_EQ(model.AlarmSnmpTrap.Entries.value(0).Profile.MessageTrap, crlf) << "round " << round;
    }
}

TEST_F(ServiceSecretsAndTexts, LineFeedsOfOtherSourcesBecomeCrLfOnce)
{
    CDataCenter model;
    ALARM_MAIL_ITEM_SETTINGS mail;
    mail.Content = QStringLiteral("a\nb\r\nc\rd");
    model.AlarmMail.Entries.append(mail);
    for (int round = 1; round <= 2; ++round) {
        SaveAndReopen(model);
        EXPECT_EQ(model.AlarmMail.Entries.value(0).Content, QStringLiteral("a\r\nb\r\nc\rd")) << "round " << round;
    }
}

TEST(ExpandLineBreaks, AddsCarriageReturnsWhereTheyAreMissing)
{
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"", ""},     {"plain", "plain"},       {"\n", "\r\n"},         {"\r\n", "\r\n"},
        {"\r", "\r"}, {"a\n\nb", "a\r\n\r\nb"}, {"\n\r\n", "\r\n\r\n"}, {"\r\r\n", "\r\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ServiceFile::ExpandLineBreaks(QString::fromLatin1(c.text)), QString::fromLatin1(c.expected))
            << QByteArray(c.text).toHex().constData();
}

} // namespace

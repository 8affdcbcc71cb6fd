#include "DefaultSettingsFolder.h"

#include "ALARM_MAIL_SETTINGS.h"
#include "ALARM_SMS_SETTINGS.h"
#include "ALARM_SNMP_TRAP_SETTINGS.h"

namespace {

class AlarmSettingsTest : public DefaultSettingsFolder {};

TEST_F(AlarmSettingsTest, AttemptCountsTakeTheLeadingNumberOrTheirFallbacks)
{
    const struct {
        const char* file;
        qint32 tries;
        qint32 defaultTries;
    } cases[] = {
        {"", 5, 3},
        {"Tries=7a\nDefaultTries=2\n", 7, 2},
        {"Tries=x\nDefaultTries=\n", 0, 0},
    };
    for (const auto& c : cases) {
        UseDefaultSettings(QByteArray("[AlarmMail]\n") + c.file + "[AlarmSMS]\n" + c.file);
        const ALARM_MAIL_SETTINGS mail;
        const ALARM_SMS_SETTINGS sms;
        EXPECT_EQ(mail.Tries, c.tries) << c.file;
        EXPECT_EQ(mail.DefaultTries, c.defaultTries) << c.file;
        EXPECT_EQ(sms.Tries, c.tries) << c.file;
        EXPECT_EQ(sms.DefaultTries, c.defaultTries) << c.file;
    }
}

TEST_F(AlarmSettingsTest, EachServiceReadsItsOwnSection)
{
    UseDefaultSettings("[AlarmMail]\nQueueValue=600,100,5000\nDelayValue=10,0,300\nTries=9\n"
                       "[AlarmSMS]\nQueueValue=700,100,5000\nDelayValue=20,0,300\n");
    const ALARM_MAIL_SETTINGS mail;
    const ALARM_SMS_SETTINGS sms;
    EXPECT_EQ(mail.EventBufferSize, 600);
    EXPECT_EQ(mail.ErrorHandlingDelay, 10);
    EXPECT_EQ(mail.Tries, 9);
    EXPECT_EQ(sms.EventBufferSize, 700);
    EXPECT_EQ(sms.ErrorHandlingDelay, 20);
    EXPECT_EQ(sms.Tries, 5);
}

TEST_F(AlarmSettingsTest, MailResetEmptiesTextsAndEntriesAndTakesTheDefaults)
{
    UseDefaultSettings("[AlarmMail]\nPortValue=587,1,65535\nQueueValue=600,100,5000\nDelayValue=10,0,300\n"
                       "DefaultTries=2\n");
    ALARM_MAIL_SETTINGS mail;
    mail.EventBufferSize = mail.EventBufferOverflowBehavior = mail.ErrorHandlingRetry = mail.ErrorHandlingDelay = 99;
    mail.MailServer = "smtp.example.org";
    mail.Port = 1;
    mail.Username = "alarm";
    mail.Password = "secret";
    mail.ServerType = mail.Encryption = mail.Authentication = 2;
    mail.Entries.append(ALARM_MAIL_ITEM_SETTINGS{});
    mail.Reset();

    EXPECT_EQ(mail.EventBufferSize, 600);
    EXPECT_EQ(mail.EventBufferOverflowBehavior, 0);
    EXPECT_EQ(mail.ErrorHandlingRetry, 2);
    EXPECT_EQ(mail.ErrorHandlingDelay, 10);
    EXPECT_TRUE(mail.MailServer.isEmpty());
    EXPECT_EQ(mail.Port, 587);
    EXPECT_TRUE(mail.Username.isEmpty());
    EXPECT_TRUE(mail.Password.isEmpty());
    EXPECT_EQ(mail.ServerType, 0);
    EXPECT_EQ(mail.Encryption, 0);
    EXPECT_EQ(mail.Authentication, 0);
    EXPECT_TRUE(mail.Entries.isEmpty());
    EXPECT_EQ(mail.AutoResource, CAutoResource::GetInstance());
}

TEST_F(AlarmSettingsTest, SmsResetEmptiesThePinAndEntries)
{
    UseDefaultSettings("[AlarmSMS]\nQueueValue=700,100,5000\n");
    ALARM_SMS_SETTINGS sms;
    sms.EventBufferSize = 1;
    sms.PIN = "1234";
    sms.Entries.append(ALARM_SMS_ITEM_SETTINGS{});
    sms.Reset();
    EXPECT_EQ(sms.EventBufferSize, 700);
    EXPECT_TRUE(sms.PIN.isEmpty());
    EXPECT_TRUE(sms.Entries.isEmpty());
}

TEST(AlarmItemSettingsTest, SetDefaultsEmptiesEveryTextAndTheTags)
{
    ALARM_MAIL_ITEM_SETTINGS mail{"Name", "0.1.T", "0.1.S", "Subject", "a@b.c",
                                  "A",    "x@y.z", "Text",  4,         {TagDefinition{}}};
    mail.SetDefaults();
    EXPECT_EQ(mail.Name + mail.TriggerTag + mail.StatusTag + mail.Subject + mail.To + mail.ContactName + mail.From +
                  mail.Content,
              QString());
    EXPECT_EQ(mail.Index, 0);
    EXPECT_TRUE(mail.TagDefinitions.isEmpty());

    ALARM_SMS_ITEM_SETTINGS sms{"Name", "0.1.T", "0.1.S", "+4912345", "A", "Text", 4, {TagDefinition{}}};
    sms.SetDefaults();
    EXPECT_EQ(sms.Name + sms.TriggerTag + sms.StatusTag + sms.Phone + sms.PhoneName + sms.Content, QString());
    EXPECT_EQ(sms.Index, 0);
    EXPECT_TRUE(sms.TagDefinitions.isEmpty());
}

TEST(SnmpTrapSettingsTest, NewProfileSendsToNoHostWithTheDefaultCommunity)
{
    const SNMP_TRAP_PROFILE_SETTINGS profile;
    EXPECT_EQ(profile.Hostname_1, "0.0.0.0");
    EXPECT_EQ(profile.Hostname_2, "0.0.0.0");
    EXPECT_EQ(profile.Community_1, "tarnel");
    EXPECT_EQ(profile.Community_2, "tarnel");
    EXPECT_EQ(profile.SpecificTrap, 1);
    EXPECT_EQ(profile.Version, 0);
    EXPECT_EQ(profile.MessageEnable, 0);
}

TEST(SnmpTrapSettingsTest, EntrySetDefaultsResetsItsProfileToo)
{
    ALARM_SNMP_TRAP_ITEM_SETTINGS entry;
    entry.Profile = {"Trap", 1, 5, "127.0.0.1", "127.0.0.2", "public", "private", "Text", 1};
    entry.TagAddresses = {"1.2.3"};
    entry.Index = 2;
    entry.TagDefinitions.append(TagDefinition{});
    entry.TriggerTag = "0.2.T";
    entry.StatusTag = "0.2.S";
    entry.SetDefaults();

    EXPECT_EQ(entry.Profile, SNMP_TRAP_PROFILE_SETTINGS{});
    EXPECT_TRUE(entry.TagAddresses.isEmpty());
    EXPECT_EQ(entry.Index, 0);
    EXPECT_TRUE(entry.TagDefinitions.isEmpty());
    EXPECT_TRUE(entry.TriggerTag.isEmpty());
    EXPECT_TRUE(entry.StatusTag.isEmpty());

    ALARM_SNMP_TRAP_SETTINGS service;
    service.Entries.append(entry);
    service.Reset();
    EXPECT_TRUE(service.Entries.isEmpty());
    EXPECT_EQ(service.AutoResource, CAutoResource::GetInstance());
}

} // namespace

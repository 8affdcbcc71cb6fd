// The DefaultSettings.ini shipped beside the program: every key the service records read is there
// in its proper form, and records built from it carry the documented defaults.
#include "ALARM_MAIL_SETTINGS.h"
#include "ALARM_SMS_SETTINGS.h"
#include "CELLULAR_SETTINGS.h"
#include "DATA_LOG_SETTINGS.h"
#include "DNP3_OUTSTATION_SETTINGS.h"
#include "MODBUS_EXTERNAL_DEVICE_SETTINGS.h"
#include "MODBUS_SLAVE_SETTINGS.h"
#include "SMTP_SERVER_SETTINGS.h"
#include "ServiceDefaultsReader.h"
#include "TAVO_SETTINGS.h"
#include "TIME_SETTINGS.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

class ShippedDefaultSettingsTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetProgramDirectory(QString::fromUtf8(PELANDRIX_RUNTIME_DIR));
        ASSERT_FALSE(GetDefaultSettingsPath().isEmpty()) << "DefaultSettings.ini is copied beside the program";
    }
};

// A triple key whose text is not three pieces would silently fall back: each must be in the file.
TEST_F(ShippedDefaultSettingsTest, EveryTripleKeyHoldsThreeNumbers)
{
    const struct {
        const char* section;
        const char* keys;
    } sections[] = {
        {"TAVO", "QueueValue,ReconnectTimeoutValue,PortValue,ConnectTimeoutValue,HeartbeatValue"},
        {"DNP3", "LocalAddrValue,LocalPortValue,DestAddrValue,DestPortValue,FragmentSizeValue,APConfirmTimeoutValue,"
                 "DLResponseTimeoutValue,DLMaxRetryValue,UnsoliciteTimeoutValue,UnsolicitedRetryValue,"
                 "MaxBinaryEventStorage,MaxAnalogEventStorage,MaxCounterEventStorage,UnsoliciteHoldTimeValue,"
                 "UnsoliciteTriggerClass1,UnsoliciteTriggerClass2,UnsoliciteTriggerClass3"},
        {"Condition", "QueueValue"},
        {"AlarmMail", "PortValue,QueueValue,DelayValue"},
        {"AlarmSMS", "QueueValue,DelayValue"},
        {"DataLog", "ProfileLogIntervalValue,FreeStorageForLog,SeperatedIntervalValue,RecordsPerFile,UploadTryValue,"
                    "UploadTimeoutValue,PortValue,ProfileFilesOfLogValue"},
        {"ModbusSlave", "PortValue,UnitIDValue,IdleTimeoutValue"},
        {"ModbusMaster", "UnitID,TCPPort,FailRetry,PollingDelay,RecoverDelay"},
        {"SystemLog", "PortValue,ConnectTimeoutValue,ReconnectTimeoutValue"},
        {"TimeSetting", "SyncIntervalValue"},
        {"SMTP", "PortValue"},
        {"Cellular", "PINGCheckRetryInterval"},
    };
    const SettingTriple kMissing{-1, -1, -1};
    for (const auto& section : sections) {
        for (const QString& key : QString::fromLatin1(section.keys).split(',')) {
            const SettingTriple triple =
                ServiceDefaults::ReadTriple(QString::fromLatin1(section.section), key, kMissing);
            EXPECT_NE(triple, kMissing) << section.section << ' ' << key.toStdString();
            EXPECT_LE(triple.minimum, triple.defaultValue) << section.section << ' ' << key.toStdString();
            EXPECT_LE(triple.defaultValue, triple.maximum) << section.section << ' ' << key.toStdString();
        }
    }
}

TEST_F(ShippedDefaultSettingsTest, RecordsCarryTheDocumentedDefaults)
{
    const TAVO_SETTINGS tavo;
    const TAVO_SERVER_ITEM_SETTINGS server;
    const DNP3_OUTSTATION_SETTINGS outstation;
    const MODBUS_SLAVE_SETTINGS slave;
    const MODBUS_EXTERNAL_DEVICE_SETTINGS device;
    const ALARM_MAIL_SETTINGS mail;
    const ALARM_SMS_SETTINGS sms;
    const DATA_LOG_ITEM_SETTINGS profile;
    const TIME_SETTINGS time;
    const SMTP_SERVER_SETTINGS smtp;
    const CELLULAR_SETTINGS cellular;
    ASSERT_FALSE(outstation.Masters.isEmpty());

    const struct {
        const char* field;
        qint32 actual;
        qint32 expected;
    } cases[] = {
        {"TAVO queue size", tavo.QueueSize, 500},
        {"TAVO reconnect time-out", tavo.ReconnectTimeout, 60},
        {"TAVO server limit", tavo.LimitServerCount, 2},
        {"TAVO server port", server.Port, 2000},
        {"TAVO connect time-out", server.Timeout, 10},
        {"TAVO heartbeat", server.Interval, 1},
        {"DNP3 masters", static_cast<qint32>(outstation.Masters.size()), 2},
        {"DNP3 binary event storage", outstation.Masters.front().MaximumBinaryEventStorage, 1000},
        {"DNP3 unsolicited hold time", outstation.Masters.front().UnsolicitedHoldingTime, 30},
        {"Modbus slave port", slave.ListenPort, 502},
        {"Modbus slave unit id", slave.UnitID, 1},
        {"Modbus slave idle time-out", slave.Timeout, 10},
        {"Modbus device port", device.TCPPort, 502},
        {"Modbus device unit id", device.UnitID, 1},
        {"Modbus device retries", device.FailRetry, 3},
        {"Modbus device polling delay", device.Polling_Delay, 0},
        {"Modbus device recover delay", device.RecoverDelay, 10},
        {"Modbus device time-out", device.Timeout, 1000},
        {"Modbus device keep-alive", device.KeepAliveInterval, 1000},
        {"mail port", mail.Port, 25},
        {"mail queue", mail.EventBufferSize, 500},
        {"mail tries", mail.Tries, 5},
        {"mail preselected tries", mail.DefaultTries, 3},
        {"SMS queue", sms.EventBufferSize, 500},
        {"log interval", profile.Profile.LogInterval, 5},
        {"records per file", profile.Profile.RecordsPerFile, 500},
        {"FTP port", profile.Upload.Port, 21},
        {"time sync interval", time.SyncInterval, 1440},
        {"SMTP port", smtp.Port, 25},
        {"cellular check interval", cellular.AutoCheckInterval, 30},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.field;

    EXPECT_EQ(device.IpAddress, "192.168.127.254");
    QStringList choices;
    EXPECT_EQ(outstation.Masters.front().GetValueRange("EventBufferOverflow", choices), 1);
    EXPECT_EQ(choices, (QStringList{"Discard Oldest", "Discard Newest"}));
}

} // namespace

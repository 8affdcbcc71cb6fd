// Every settings triple of every service record, read from files whose values have each shape the
// triple rule must handle, and asked for through the record's getter by the getter's own key.
#include "DefaultSettingsFolder.h"

#include "ALARM_MAIL_SETTINGS.h"
#include "ALARM_SMS_SETTINGS.h"
#include "CELLULAR_SETTINGS.h"
#include "CONDITION_SETTINGS.h"
#include "DATA_LOG_SETTINGS.h"
#include "DNP3_OUTSTATION_SETTINGS.h"
#include "HS_DATA_LOG_ITEM_SETTINGS.h"
#include "MODBUS_EXTERNAL_DEVICE_SETTINGS.h"
#include "MODBUS_SLAVE_SETTINGS.h"
#include "SMTP_SERVER_SETTINGS.h"
#include "SYSTEM_LOG_SETTINGS.h"
#include "TAVO_SETTINGS.h"
#include "TIME_SETTINGS.h"

#include <QMap>
#include <QStringList>
#include <functional>

namespace {

const SettingTriple kUntouched{-7, -7, -7};

// A fresh record asked through its getter; the getter must know the key.
template <typename Record, auto Getter>
SettingTriple askFreshRecord(const QString& key)
{
    const Record record;
    SettingTriple triple = kUntouched;
    EXPECT_EQ((record.*Getter)(key, triple), 1) << key.toStdString();
    return triple;
}

// A fresh record's triple, for the triples no page asks for by key.
template <typename Record, auto Member>
SettingTriple readFreshMember(const QString&)
{
    const Record record;
    return record.*Member;
}

struct TripleKey {
    const char* section;
    const char* fileKey;
    const char* getterKey;
    SettingTriple builtIn;
    SettingTriple (*read)(const QString& getterKey);
};

// Each reader builds a fresh record and gives the triple of one key.
constexpr auto tavoService = askFreshRecord<TAVO_SETTINGS, &TavoDefaults::GetTavoServiceDefault>;
constexpr auto tavoServer = askFreshRecord<TAVO_SERVER_ITEM_SETTINGS, &TAVO_SERVER_ITEM_SETTINGS::GetTavoServerDefault>;
constexpr auto dnp3Master = askFreshRecord<DNP3_MASTER_ITEM_SETTINGS, &Dnp3Defaults::GetDnp3Default>;
constexpr auto dnp3LocalAddr = readFreshMember<DNP3_OUTSTATION_SETTINGS, &DNP3_OUTSTATION_SETTINGS::LocalAddrValue>;
constexpr auto dnp3LocalPort = readFreshMember<DNP3_OUTSTATION_SETTINGS, &DNP3_OUTSTATION_SETTINGS::LocalPortValue>;
constexpr auto conditionQueue = readFreshMember<CONDITION_SETTINGS, &CONDITION_SETTINGS::QueueValue>;
constexpr auto alarmMail = askFreshRecord<ALARM_MAIL_SETTINGS, &ALARM_MAIL_SETTINGS::GetAlarmMailDefault>;
constexpr auto alarmSms = askFreshRecord<ALARM_SMS_SETTINGS, &ALARM_SMS_SETTINGS::GetAlarmSmsDefault>;
constexpr auto dataLogProfile =
    askFreshRecord<DATA_LOG_PROFILE_SETTINGS, &DATA_LOG_PROFILE_SETTINGS::GetDataLogProfileDefault>;
constexpr auto dataLogUpload =
    askFreshRecord<DATA_LOG_UPLOAD_SETTINGS, &DATA_LOG_UPLOAD_SETTINGS::GetDataLogUploadDefault>;
constexpr auto hsProfile =
    askFreshRecord<HS_DATA_LOG_PROFILE_SETTINGS, &HS_DATA_LOG_PROFILE_SETTINGS::GetHsDataLogProfileDefault>;
constexpr auto hsUpload =
    askFreshRecord<HS_DATA_LOG_UPLOAD_SETTINGS, &HS_DATA_LOG_UPLOAD_SETTINGS::GetHsDataLogUploadDefault>;
constexpr auto modbusSlave = askFreshRecord<MODBUS_SLAVE_SETTINGS, &MODBUS_SLAVE_SETTINGS::GetModbusSlaveDefault>;
constexpr auto modbusDevice =
    askFreshRecord<MODBUS_EXTERNAL_DEVICE_SETTINGS, &MODBUS_EXTERNAL_DEVICE_SETTINGS::GetModbusMasterDefault>;
constexpr auto systemLogPort = readFreshMember<SYSTEM_LOG_SETTINGS, &SYSTEM_LOG_SETTINGS::PortValue>;
constexpr auto systemLogConnect = readFreshMember<SYSTEM_LOG_SETTINGS, &SYSTEM_LOG_SETTINGS::ConnectTimeoutValue>;
constexpr auto systemLogReconnect = readFreshMember<SYSTEM_LOG_SETTINGS, &SYSTEM_LOG_SETTINGS::ReconnectTimeoutValue>;
constexpr auto timeSetting = askFreshRecord<TIME_SETTINGS, &TIME_SETTINGS::GetTimeSettingDefault>;
constexpr auto smtpServer = askFreshRecord<SMTP_SERVER_SETTINGS, &SMTP_SERVER_SETTINGS::GetSmtpDefault>;
constexpr auto cellular = askFreshRecord<CELLULAR_SETTINGS, &CELLULAR_SETTINGS::GetCellularDefault>;

const TripleKey kTripleKeys[] = {
    {"TAVO", "QueueValue", "QueueValue", {500, 100, 5000}, tavoService},
    {"TAVO", "ReconnectTimeoutValue", "ReconnectTimeoutValue", {60, 1, 3600}, tavoService},
    {"TAVO", "PortValue", "PortValue", {2000, 1, 65535}, tavoServer},
    {"TAVO", "ConnectTimeoutValue", "ConncetTimeoutValue", {10, 1, 300}, tavoServer},
    {"TAVO", "HeartbeatValue", "HeartbeatValue", {1, 1, 65535}, tavoServer},

    {"DNP3", "DestAddrValue", "DestAddrValue", {0, 0, 65519}, dnp3Master},
    {"DNP3", "DestPortValue", "DestPortValue", {0, 0, 65519}, dnp3Master},
    {"DNP3", "FragmentSizeValue", "FragmentSizeValue", {0, 0, 65519}, dnp3Master},
    {"DNP3", "APConfirmTimeoutValue", "APConfirmTimeoutValue", {0, 0, 65519}, dnp3Master},
    {"DNP3", "DLResponseTimeoutValue", "DLResponseTimeoutValue", {0, 0, 65519}, dnp3Master},
    {"DNP3", "DLMaxRetryValue", "DLMaxRetryValue", {0, 0, 65519}, dnp3Master},
    {"DNP3", "UnsoliciteTimeoutValue", "UnsoliciteTimeoutValue", {0, 0, 65519}, dnp3Master},
    {"DNP3", "UnsolicitedRetryValue", "UnsolicitedRetryValue", {0, 0, 65519}, dnp3Master},
    {"DNP3", "MaxBinaryEventStorage", "MaxBMaxEventStorage", {1000, 100, 1000}, dnp3Master},
    {"DNP3", "MaxAnalogEventStorage", "MaxAMaxEventStorage", {1000, 100, 1000}, dnp3Master},
    {"DNP3", "MaxCounterEventStorage", "MaxCMaxEventStorage", {1000, 100, 1000}, dnp3Master},
    {"DNP3", "UnsoliciteHoldTimeValue", "UnsoliciteHoldTimeValue", {30, 1, 60}, dnp3Master},
    {"DNP3", "UnsoliciteTriggerClass1", "UnsoliciteTriggerClass1", {30, 1, 60}, dnp3Master},
    {"DNP3", "UnsoliciteTriggerClass2", "UnsoliciteTriggerClass2", {30, 1, 60}, dnp3Master},
    {"DNP3", "UnsoliciteTriggerClass3", "UnsoliciteTriggerClass3", {30, 1, 60}, dnp3Master},
    {"DNP3", "LocalAddrValue", "", {0, 0, 65519}, dnp3LocalAddr},
    {"DNP3", "LocalPortValue", "", {0, 0, 65519}, dnp3LocalPort},

    {"Condition", "QueueValue", "", {500, 100, 5000}, conditionQueue},

    {"AlarmMail", "PortValue", "PortValue", {25, 1, 65535}, alarmMail},
    {"AlarmMail", "QueueValue", "QueueValue", {500, 100, 5000}, alarmMail},
    {"AlarmMail", "DelayValue", "DelayValue", {0, 0, 300}, alarmMail},
    {"AlarmSMS", "QueueValue", "QueueValue", {500, 100, 5000}, alarmSms},
    {"AlarmSMS", "DelayValue", "DelayValue", {0, 0, 300}, alarmSms},

    {"DataLog", "ProfileLogIntervalValue", "ProfileLogIntervalValue", {5, 5, 86400}, dataLogProfile},
    {"DataLog", "FreeStorageForLog", "FreeStorageForLog", {500, 1, 500}, dataLogProfile},
    {"DataLog", "SeperatedIntervalValue", "SeperatedIntervalValue", {5, 5, 86400}, dataLogProfile},
    {"DataLog", "RecordsPerFile", "RecordsPerFile", {500, 100, 65000}, dataLogProfile},
    {"DataLog", "UploadTryValue", "UploadTryValue", {0, 0, 100}, dataLogUpload},
    {"DataLog", "UploadTimeoutValue", "UploadTimeoutValue", {1, 1, 3600}, dataLogUpload},
    {"DataLog", "PortValue", "PortValue", {21, 1, 65535}, dataLogUpload},
    {"DataLog", "ProfileFilesOfLogValue", "ProfileFilesOfLogValue", {500, 1, 500}, hsProfile},
    {"DataLog", "UploadTryValue", "UploadTryValue", {0, 0, 100}, hsUpload},
    {"DataLog", "UploadTimeoutValue", "UploadTimeoutValue", {1, 1, 3600}, hsUpload},

    {"ModbusSlave", "PortValue", "PortValue", {502, 1, 65535}, modbusSlave},
    {"ModbusSlave", "UnitIDValue", "UnitIDValue", {1, 1, 247}, modbusSlave},
    {"ModbusSlave", "IdleTimeoutValue", "IdleTimeoutValue", {10, 1, 65535}, modbusSlave},

    {"ModbusMaster", "UnitID", "UnitID", {1, 1, 247}, modbusDevice},
    {"ModbusMaster", "TCPPort", "TCPPort", {502, 1, 65535}, modbusDevice},
    {"ModbusMaster", "FailRetry", "FailRetry", {3, 0, 9}, modbusDevice},
    {"ModbusMaster", "PollingDelay", "PollingDelay", {0, 0, 86400}, modbusDevice},
    {"ModbusMaster", "RecoverDelay", "RecoverDelay", {10, 0, 86400}, modbusDevice},

    {"SystemLog", "PortValue", "", {9700, 1, 65535}, systemLogPort},
    {"SystemLog", "ConnectTimeoutValue", "", {60, 1, 300}, systemLogConnect},
    {"SystemLog", "ReconnectTimeoutValue", "", {60, 5, 86400}, systemLogReconnect},

    {"TimeSetting", "SyncIntervalValue", "SyncIntervalValue", {1440, 5, 20000}, timeSetting},
    {"SMTP", "PortValue", "PortValue", {25, 1, 65535}, smtpServer},
    {"Cellular", "PINGCheckRetryInterval", "PINGCheckRetryInterval", {30, 10, 600}, cellular},
};

// One DefaultSettings.ini in which every triple key above has the same value text.
QByteArray everyTripleKeyWith(const char* value)
{
    QMap<QString, QStringList> sections;
    for (const TripleKey& key : kTripleKeys) {
        QStringList& lines = sections[QString::fromLatin1(key.section)];
        const QString line = QString::fromLatin1(key.fileKey) + '=' + QString::fromUtf8(value);
        if (!lines.contains(line)) // two records may read one key
            lines << line;
    }
    QString text;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section)
        text += '[' + section.key() + "]\n" + section.value().join('\n') + '\n';
    return text.toUtf8();
}

class ServiceDefaultsTriplesTest : public DefaultSettingsFolder {};

TEST_F(ServiceDefaultsTriplesTest, EveryKeyTakesThreePiecesOrItsBuiltInTripleWhole)
{
    constexpr SettingTriple kFileTriple{7, 2, 9};
    constexpr SettingTriple kNoDefaultDigits{0, 2, 9};
    const struct {
        const char* label;
        const char* value; // nullptr: no file at all
        bool builtIn;
        SettingTriple fromFile;
    } shapes[] = {
        {"no file", nullptr, true, {}},
        {"empty value", "", true, {}},
        {"one number", "7", true, {}},
        {"two numbers", "7,2", true, {}},
        {"four numbers", "7,2,9,4", true, {}},
        {"trailing comma", "7,2,9,", true, {}},
        {"three numbers with blanks", " 7, 2 , 9", false, kFileTriple},
        {"letters before the default", "abc,2,9", false, kNoDefaultDigits},
    };
    for (const auto& shape : shapes) {
        if (shape.value)
            UseDefaultSettings(everyTripleKeyWith(shape.value));
        else
            UseNoDefaultSettings();
        for (const TripleKey& key : kTripleKeys) {
            const SettingTriple expected = shape.builtIn ? key.builtIn : shape.fromFile;
            EXPECT_EQ(key.read(QString::fromLatin1(key.getterKey)), expected)
                << shape.label << ": [" << key.section << "] " << key.fileKey;
        }
    }
}

TEST_F(ServiceDefaultsTriplesTest, SectionKeysMatchWithoutRegardToCaseOrSurroundingBlanks)
{
    UseDefaultSettings("[modbusslave]\n portvalue = 600,1,700\n");
    const MODBUS_SLAVE_SETTINGS slave;
    EXPECT_EQ(slave.PortValue, (SettingTriple{600, 1, 700}));
}

// The pages' keys are compared letter for letter; a key outside a getter's list leaves the out
// triple alone.
TEST_F(ServiceDefaultsTriplesTest, GettersRefuseKeysOutsideTheirExactList)
{
    const TAVO_SERVER_ITEM_SETTINGS server;
    const MODBUS_SLAVE_SETTINGS slave;
    const ALARM_SMS_SETTINGS sms;
    const DATA_LOG_PROFILE_SETTINGS profile;
    const struct {
        const char* label;
        std::function<int(SettingTriple&)> ask;
    } cases[] = {
        {"file key of the misspelt server key",
         [&](SettingTriple& out) { return server.GetTavoServerDefault("ConnectTimeoutValue", out); }},
        {"lower-case slave key", [&](SettingTriple& out) { return slave.GetModbusSlaveDefault("portvalue", out); }},
        {"slave key with a blank", [&](SettingTriple& out) { return slave.GetModbusSlaveDefault("PortValue ", out); }},
        {"SMS has no port", [&](SettingTriple& out) { return sms.GetAlarmSmsDefault("PortValue", out); }},
        {"profile asked for the upload's key",
         [&](SettingTriple& out) { return profile.GetDataLogProfileDefault("UploadTryValue", out); }},
    };
    for (const auto& c : cases) {
        SettingTriple out = kUntouched;
        EXPECT_EQ(c.ask(out), 0) << c.label;
        EXPECT_EQ(out, kUntouched) << c.label;
    }
}

} // namespace

#include "CDataCenter.h"
#include "TypeIds.h"

#include <gtest/gtest.h>

namespace {

DNP3_POINT_SETTINGS point(const char* name)
{
    DNP3_POINT_SETTINGS result;
    result.Name = QString::fromLatin1(name);
    return result;
}

TEST(DataCenterTimeZoneTest, ExchangesZones35And36BothWays)
{
    CDataCenter model;
    EXPECT_EQ(model.GetTimeZone(), 22);
    const struct {
        int set;
        int stored;
    } cases[] = {{35, 36}, {36, 35}, {0, 0}, {22, 22}, {62, 62}};
    for (const auto& c : cases) {
        model.SetTimeZone(c.set);
        EXPECT_EQ(model.Time.TimeZone, c.stored) << c.set;
        EXPECT_EQ(model.GetTimeZone(), c.set) << c.set;
    }
    model.ResetProjectData();
    EXPECT_EQ(model.Time.TimeZone, 22);
}

TEST(DataCenterServiceSettingsTest, ResetReturnsEveryServiceRecordToItsDefaults)
{
    CDataCenter model;
    const int defaultMasters = model.Dnp3Outstation.Masters.size();
    ASSERT_GE(defaultMasters, 1);
    EXPECT_EQ(model.Dnp3Outstation.Masters.front().Name, QStringLiteral("Master-1"));

    model.SmtpServers.emplace_back();
    model.AlarmMail.Entries.append(ALARM_MAIL_ITEM_SETTINGS{});
    model.AlarmSms.Entries.append(ALARM_SMS_ITEM_SETTINGS{});
    model.AlarmSnmpTrap.Entries.append(ALARM_SNMP_TRAP_ITEM_SETTINGS{});
    model.MailAlarmRecords.push_back({QStringLiteral("mail1")});
    model.Tavo.Servers.append(TAVO_SERVER_ITEM_SETTINGS{});
    model.ModbusSlave.MulitTagSet.append(MODBUS_SLAVE_TAG_SET{});
    model.Dnp3Outstation.Masters.clear();
    model.DataLogging.Profiles.append(DATA_LOG_ITEM_SETTINGS{});
    model.HighSpeedLogProfiles.emplace_back();
    model.AddModbusMasterDevice(MODBUS_EXTERNAL_DEVICE_SETTINGS{});
    model.Dnp3Groups[0].Points.append(point("p"));

    model.ResetProjectData();
    EXPECT_TRUE(model.SmtpServers.empty());
    EXPECT_TRUE(model.AlarmMail.Entries.isEmpty());
    EXPECT_TRUE(model.AlarmSms.Entries.isEmpty());
    EXPECT_TRUE(model.AlarmSnmpTrap.Entries.isEmpty());
    EXPECT_TRUE(model.MailAlarmRecords.empty());
    EXPECT_TRUE(model.Tavo.Servers.isEmpty());
    EXPECT_TRUE(model.ModbusSlave.MulitTagSet.isEmpty());
    EXPECT_EQ(model.Dnp3Outstation.Masters.size(), defaultMasters);
    EXPECT_TRUE(model.DataLogging.Profiles.isEmpty());
    EXPECT_TRUE(model.HighSpeedLogProfiles.empty());
    EXPECT_TRUE(model.ModbusMasterDevices.empty());
    EXPECT_TRUE(model.Dnp3Groups[0].Points.isEmpty());
}

TEST(DataCenterServiceSettingsTest, SetDnp3PointOverwritesOnlyExistingPointsOfKnownTypes)
{
    CDataCenter model;
    model.Dnp3Groups[2].Points = {point("a"), point("b")}; // analog input group (type 2)
    const struct {
        int type;
        int index;
        const char* first;
        const char* second;
    } cases[] = {
        {2, 1, "a", "x"},  // overwritten
        {2, 2, "a", "x"},  // past the end: nothing
        {2, -1, "a", "x"}, // negative: nothing
        {6, 0, "a", "x"},  // unknown type: nothing
        {2, 0, "x", "x"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(model.SetDnp3Point(c.type, c.index, point("x")), 1);
        Dnp3PointGroup group;
        model.GetDnp3PointGroup(2, group);
        ASSERT_EQ(group.Points.size(), 2);
        EXPECT_EQ(group.Points[0].Name, QString::fromLatin1(c.first)) << c.type << "/" << c.index;
        EXPECT_EQ(group.Points[1].Name, QString::fromLatin1(c.second)) << c.type << "/" << c.index;
    }
}

TEST(DataCenterServiceSettingsTest, NextModbusMasterDeviceIdFollowsTheLastDevice)
{
    CDataCenter model;
    EXPECT_EQ(model.NextModbusMasterDeviceId(), 0);
    MODBUS_EXTERNAL_DEVICE_SETTINGS device;
    device.Index = 7;
    model.AddModbusMasterDevice(device);
    EXPECT_EQ(model.NextModbusMasterDeviceId(), 8);
}

TEST(DataCenterServiceSettingsTest, ServiceUseNameNamesTheItemOrTheService)
{
    CDataCenter model;
    model.AddResourceName(ServiceId::ModbusMaster, QStringLiteral("Modbus Master"));
    model.AddResourceName(ServiceId::DataLogging, QStringLiteral("Data Logging"));
    model.AddResourceName(ServiceId::DataLoggingUpload, QStringLiteral("Upload"));
    model.AddResourceName(ServiceId::SnmpAgent, QStringLiteral("SNMP Agent"));
    model.AddResourceName(ServiceId::Tavo, QStringLiteral("TAVO"));
    model.AddResourceName(ServiceId::AlarmMail, QStringLiteral("E-mail"));

    MODBUS_EXTERNAL_DEVICE_SETTINGS device;
    device.Index = 4;
    device.Name = QStringLiteral("Meter");
    model.AddModbusMasterDevice(device);
    DATA_LOG_ITEM_SETTINGS profile;
    profile.Index = 2;
    profile.Profile.Name = QStringLiteral("Hourly");
    model.DataLogging.Profiles.append(profile);
    ALARM_MAIL_ITEM_SETTINGS mail;
    mail.Index = 9;
    mail.Name = QStringLiteral("Operator");
    model.AlarmMail.Entries.append(mail);
    const int masters = model.Dnp3Outstation.Masters.size();

    const struct {
        int service;
        int item;
        QString name;
    } cases[] = {
        {ServiceId::ModbusMaster, 4, "Meter"},
        {ServiceId::ModbusMaster, 5, "Modbus Master"},
        {ServiceId::DataLogging, 2, "Hourly"},
        {ServiceId::DataLoggingUpload, 2, "Hourly"},
        {ServiceId::DataLoggingUpload, 3, "Data Logging"},
        {ServiceId::SnmpAgentLink2, 0, "SNMP Agent"},
        {ServiceId::Dnp3Master, 0, "Master-1"},
        {ServiceId::Dnp3Master, masters, ""},
        {ServiceId::TavoServer, 0, "TAVO"},
        {ServiceId::HighSpeedDataLogging, 0, ""},
        {ServiceId::AlarmMail, 9, "Operator"},
        {ServiceId::AlarmMail, 1, "E-mail"},
        {ServiceId::TimeSync, 0, ""},
        {104, 0, ""},
        {147, 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(model.GetServiceUseName(c.service, c.item), c.name) << c.service << "/" << c.item;
}

} // namespace

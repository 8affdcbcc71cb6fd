#pragma once
// A project model whose every communication service is filled to its limits, for the round trips
// of the service elements and for their benchmark. Every value lies inside the limits the readers
// check, so a saved and reopened model equals the one saved. Lists without a limit of their own
// (Modbus devices, commands, tag sets, DNP3 points) are sized like a large plant.

#include "CDataCenter.h"
#include "ServiceTagEngine.h"
#include "TypeIds.h"

#include <QString>
#include <QStringList>

namespace FullServiceModel {

inline constexpr int kMailEntries = 8;
inline constexpr int kSmsEntries = 8;
inline constexpr int kTraps = 16;
inline constexpr int kTagsPerTrap = 8; // the trap's limit
inline constexpr int kDataLogProfiles = 8;
inline constexpr int kTagsPerProfile = 32;
inline constexpr int kTagCount = 256;
inline constexpr int kSnmpAgentTags = 1024; // the agent's limit
inline constexpr int kPointsPerGroup = 64;
inline constexpr int kSlaveSets = 32;
inline constexpr int kItemsPerSet = 32;
inline constexpr int kMasterDevices = 32;
inline constexpr int kCommandsPerDevice = 16;
inline constexpr int kResourcesPerCommand = 8;
inline constexpr int kSerialSlot = 2;
inline constexpr int kSerialPorts = 2;
inline constexpr int kServiceValue = 1;

// Texts with every character class a file must keep: markup characters, quotes, non-ASCII.
inline QString Text(const char* what, int number)
{
    return QStringLiteral("%1 <%2> & \"ü\" '%3'").arg(QString::fromLatin1(what)).arg(number).arg(number * 7);
}

inline QString TagAddress(int number)
{
    return QStringLiteral("%1.%2.%3").arg(1 + number % 8).arg(number % 16).arg(number);
}

inline QString TagName(int number)
{
    return QStringLiteral("Tag_%1").arg(number);
}

// What the product template gives a project before any file is read: the service table, the
// product's services and a serial module that Modbus devices can name.
inline void PrepareProduct(CDataCenter& model)
{
    for (int id : {ServiceId::ModbusMaster, ServiceId::DataLogging, ServiceId::Tavo, ServiceId::ModbusSlave,
                   ServiceId::Dnp3Outstation, ServiceId::SnmpAgent, ServiceId::RESTfulApi}) {
        ServiceRecord record;
        record.ServiceId = id;
        record.Value = kServiceValue;
        record.Present = 1;
        model.AddServiceRecord(record);
    }
    model.Dnp3Supported = 1;
    model.RESTfulSupported = 1;
    model.MaxSlotCount = 8;
    model.SetSlotUsed(0, 1);
    model.SetSlotUsed(kSerialSlot, 1);
    PortModuleSlotRecord serial;
    serial.SlotIndex = kSerialSlot;
    serial.ChannelCount = kSerialPorts;
    serial.Ports.resize(kSerialPorts);
    model.SerialSettings.push_back(serial);
}

// The tag table as the tag group of the file gives it, without TAVO settings.
inline void AddTags(CDataCenter& model)
{
    for (int i = 0; i < kTagCount; ++i) {
        TagRecord tag;
        tag.Construct(TagName(i), QString(), QStringLiteral("AI"), 1008, TagAddress(i), 0, 4, 2);
        model.Tags.push_back(tag);
    }
}

// Every second tag is pushed to TAVO, each with another mix of update kinds.
inline void PublishTagsToTavo(CDataCenter& model)
{
    for (int i = 0; i < kTagCount; i += 2) {
        TagRecord& tag = model.Tags[static_cast<size_t>(i)];
        tag.PublishToTavo = 1;
        const int mix = (i / 2) % 7 + 1; // bits: interval, on change, control tag
        tag.Tavo.IntervalUpdate = mix & 1;
        tag.Tavo.Interval = tag.Tavo.IntervalUpdate ? quint32(1 + i % 65535) : 0;
        tag.Tavo.Unit = tag.Tavo.IntervalUpdate ? i % 3 : 0;
        tag.Tavo.OnChangeUpdate = (mix >> 1) & 1;
        tag.Tavo.ControlTagUpdate = (mix >> 2) & 1;
        tag.Tavo.Access = i % 4 == 0 ? 1 : 0;
        if (tag.Tavo.ControlTagUpdate) {
            const int control = (i + 1) % kTagCount;
            tag.Tavo.Control = TagAddress(control);
            tag.Tavo.ControlTagName = TagName(control);
        }
    }
}

inline void FillTavo(CDataCenter& model)
{
    TAVO_SETTINGS& tavo = model.Tavo;
    tavo.OperationMode = 1;
    tavo.ReconnectTimeout = 120;
    tavo.QueueSize = 4000;
    tavo.QueueFullAction = 1;
    for (int i = 0; i < tavo.LimitServerCount; ++i) {
        TAVO_SERVER_ITEM_SETTINGS server;
        server.Index = 10 + i;
        server.Name = Text("Server", i);
        server.ControlTag = QStringLiteral("0.%1.116.1").arg(server.Index);
        server.IpAddress = QStringLiteral("127.0.0.%1").arg(i + 1);
        server.Port = 4000 + i;
        server.StatusTag = i == 0 ? QStringLiteral("0.%1.116.2").arg(server.Index) : QString();
        server.Timeout = 30;
        server.Heartbeat = i == 0 ? 1 : 0;
        server.Interval = i == 0 ? 600 : server.HeartbeatValue.defaultValue;
        server.Unit = i == 0 ? 2 : 0;
        BuildServiceTags(ServiceId::Tavo, server.Index, server.TagDefinitions, 1);
        tavo.Servers.append(server);
    }
    PublishTagsToTavo(model);
}

inline void FillSnmpAgent(CDataCenter& model)
{
    SNMP_AGENT_SETTINGS& agent = model.SnmpAgent;
    agent.EnableServer = 1;
    agent.Version = 2;
    agent.Contact = Text("Contact", 1);
    agent.Location = Text("Location", 2);
    agent.ReadCommunity = QStringLiteral("public");
    agent.WriteCommunity = QStringLiteral("private");
    agent.V3RO = {QStringLiteral("reader"), 1, QStringLiteral("read pass ü"), 2, QStringLiteral("read privacy")};
    agent.V3RW = {QStringLiteral("writer"), 2, QStringLiteral("write pass"), 1, QStringLiteral("write privacy")};
    for (int i = 0; i < kSnmpAgentTags; ++i)
        agent.TagTable.append({TagName(i % kTagCount), TagAddress(i % kTagCount), i % 2, quint32(1000 + i * 3)});
}

// The channel range the test engine reports for a tag address.
inline int ChannelRangeOf(const QString& resourceId)
{
    return resourceId.size() % 5;
}

inline void FillDnp3(CDataCenter& model)
{
    DNP3_OUTSTATION_SETTINGS& outstation = model.Dnp3Outstation;
    outstation.LocalAddr = 4;
    outstation.LocalPort = 20000;
    for (qsizetype i = 0; i < outstation.Masters.size(); ++i) {
        DNP3_MASTER_ITEM_SETTINGS& master = outstation.Masters[i];
        const int n = static_cast<int>(i);
        master.EnableDnp3Master = 1;
        master.Name = Text("Master", n);
        master.DestinationAddr = 3 + n;
        master.MasterIP = QStringLiteral("127.0.1.%1").arg(n + 1);
        master.DestinationPort = 20001 + n;
        master.EnableUnsolicited = 1;
        master.FragmentMaxSize = 2048;
        master.ApplicationConfirmTimeout = 5;
        master.DLConfirmMode = 1;
        master.DLConfirmTimeout = 2;
        master.DLConfirmRetry = 3;
        master.EventBufferOverflow = 1;
        master.MaximumBinaryEventStorage = 200 + n;
        master.MaximumAnalogEventStorage = 300 + n;
        master.MaximumCounterEventStorage = 400 + n;
        master.UnsolicitedHoldingTime = 12;
        master.EnableUnsolicitedClass1 = 1;
        master.EnableUnsolicitedClass2 = 0;
        master.EnableUnsolicitedClass3 = 1;
        master.NumberofUnsolicitedClass1 = 5;
        master.NumberofUnsolicitedClass2 = 6;
        master.NumberofUnsolicitedClass3 = 7;
        master.UnsolicitedRetry = n == 0 ? 100 : 9;
    }
    int number = 0;
    for (Dnp3PointGroup& group : model.Dnp3Groups) {
        group.StaticVariation += 1;
        group.EventVariation += 2;
        for (int i = 0; i < kPointsPerGroup; ++i, ++number) {
            DNP3_POINT_SETTINGS point;
            point.Name = TagName(number % kTagCount);
            point.ResourceID = TagAddress(number % kTagCount);
            point.Class = number % 5;
            point.SBICondition = number % 4;
            point.AIDeadbandEnable = point.Class != 0;
            point.DeadbandInteger = 5 + number;
            point.CounterConditionEnable = point.Class != 0;
            point.ChangeDeviation = (qint64(1) << 40) + number; // beyond 32 bits
            point.Range = ChannelRangeOf(point.ResourceID);
            group.Points.append(point);
        }
    }
}

inline void FillAlarms(CDataCenter& model)
{
    ALARM_MAIL_SETTINGS& mail = model.AlarmMail;
    mail.EventBufferSize = 1000;
    mail.EventBufferOverflowBehavior = 1;
    mail.ErrorHandlingRetry = 4;
    mail.ErrorHandlingDelay = 60;
    mail.MailServer = QStringLiteral("mail.example.invalid");
    mail.Port = 587;
    mail.Username = QStringLiteral("alarm");
    mail.Password = QStringLiteral("mail secret ü");
    mail.ServerType = 1;
    mail.Encryption = 1;
    mail.Authentication = 4;
    for (int i = 0; i < kMailEntries; ++i) {
        ALARM_MAIL_ITEM_SETTINGS entry;
        entry.Index = i * 2;
        entry.Name = Text("Mail", i);
        entry.TriggerTag = QStringLiteral("0.%1.137.1").arg(entry.Index);
        entry.StatusTag = QStringLiteral("0.%1.137.2").arg(entry.Index);
        entry.Subject = Text("Subject", i);
        entry.To = QStringLiteral("a%1@example.invalid;b@example.invalid").arg(i);
        entry.ContactName = QStringLiteral("A;B");
        entry.From = QStringLiteral("rtu@example.invalid");
        entry.Content = QStringLiteral("Line one %1\r\nLine two\r\n\r\nEnd").arg(i);
        BuildServiceTags(ServiceId::AlarmMail, entry.Index, entry.TagDefinitions, 1);
        mail.Entries.append(entry);
    }

    ALARM_SMS_SETTINGS& sms = model.AlarmSms;
    sms.EventBufferSize = 200;
    sms.ErrorHandlingRetry = 2;
    sms.ErrorHandlingDelay = 10;
    sms.PIN = QStringLiteral("1234");
    for (int i = 0; i < kSmsEntries; ++i) {
        ALARM_SMS_ITEM_SETTINGS entry;
        entry.Index = i + 1;
        entry.Name = Text("Sms", i);
        entry.TriggerTag = QStringLiteral("0.%1.138.1").arg(entry.Index);
        entry.StatusTag = QStringLiteral("0.%1.138.2").arg(entry.Index);
        entry.Phone = QStringLiteral("+4912345%1;+4967890").arg(i);
        entry.PhoneName = QStringLiteral("Ops;Duty");
        entry.Content = QStringLiteral("Pump %1 failed\r\nCheck it").arg(i);
        BuildServiceTags(ServiceId::AlarmSms, entry.Index, entry.TagDefinitions, 1);
        sms.Entries.append(entry);
    }

    for (int i = 0; i < kTraps; ++i) {
        ALARM_SNMP_TRAP_ITEM_SETTINGS trap;
        trap.Index = i;
        trap.Profile.TrapName = Text("Trap", i);
        trap.Profile.Version = i % 3;
        trap.Profile.SpecificTrap = 1 + i;
        trap.Profile.Hostname_1 = QStringLiteral("127.0.2.%1").arg(i + 1);
        trap.Profile.Hostname_2 = QStringLiteral("127.0.3.%1").arg(i + 1);
        trap.Profile.Community_1 = QStringLiteral("public");
        trap.Profile.Community_2 = QStringLiteral("trap community %1").arg(i);
        trap.Profile.MessageTrap = QStringLiteral("Trap %1\r\nraised").arg(i);
        trap.Profile.MessageEnable = i % 2;
        for (int t = 0; t < kTagsPerTrap; ++t)
            trap.TagAddresses.append(TagAddress(i * kTagsPerTrap + t));
        trap.TriggerTag = QStringLiteral("0.%1.143.1").arg(i);
        trap.StatusTag = QStringLiteral("0.%1.143.2").arg(i);
        BuildServiceTags(ServiceId::AlarmSnmpTrap, trap.Index, trap.TagDefinitions, 1);
        model.AlarmSnmpTrap.Entries.append(trap);
    }
}

inline void FillDataLogging(CDataCenter& model)
{
    for (int i = 0; i < kDataLogProfiles; ++i) {
        DATA_LOG_ITEM_SETTINGS profile;
        profile.Index = i;
        DATA_LOG_PROFILE_SETTINGS& logging = profile.Profile;
        logging.Name = Text("Profile", i);
        logging.StartStopTag = QStringLiteral("0.%1.114.1").arg(i);
        logging.LogCondition = i % 2;
        logging.LogTriggerTag = QStringLiteral("0.%1.114.2").arg(i);
        logging.LogStatusTag = QStringLiteral("0.%1.114.3").arg(i);
        logging.LogInterval = 10 + i;
        logging.FreeStorageForLogging = 100 + i;
        logging.FileSplitEnable = 1;
        logging.FileSplitInterval = 60;
        logging.RecordsEnable = i % 2;
        logging.RecordsPerFile = 1000 + i;
        for (int t = 0; t < kTagsPerProfile; ++t) {
            const int tag = (i * kTagsPerProfile + t) % kTagCount;
            profile.SelectedTags.append({TagName(tag), TagAddress(tag)});
        }
        DATA_LOG_UPLOAD_SETTINGS& upload = profile.Upload;
        // Every second profile uploads its files.
        upload.FTPUploadTriggerTag = i % 2 == 0 ? QStringLiteral("0.%1.124.0").arg(i) : QString();
        upload.FTPUploadRemainStorageTag = QStringLiteral("0.%1.124.1").arg(i);
        upload.ErrorHandlingRetry = 5;
        upload.ErrorHandlingDelay = 30;
        upload.FTPServer = QStringLiteral("127.0.4.1");
        upload.Port = 2121;
        upload.Username = QStringLiteral("logger");
        upload.Password = QStringLiteral("ftp secret %1").arg(i);
        upload.PasswordConfirm = upload.Password;
        upload.Mode = 1;
        BuildServiceTags(ServiceId::DataLogging, profile.Index, profile.LogTagDefinitions, 1);
        BuildServiceTags(ServiceId::DataLoggingUpload, profile.Index, profile.UploadTagDefinitions,
                         upload.FTPUploadTriggerTag.isEmpty() ? 0 : 1);
        model.DataLogging.Profiles.append(profile);
    }
}

inline void FillModbusSlave(CDataCenter& model)
{
    MODBUS_SLAVE_SETTINGS& slave = model.ModbusSlave;
    slave.ListenPort = 5020;
    slave.UnitID = 17;
    slave.Timeout = 90;
    slave.EnEthernet = 1;
    slave.EnSerial = 1;
    slave.SerialPort = QStringLiteral("S_%1-P_0").arg(kSerialSlot);
    slave.SerialUnitID = 18;
    for (int s = 0; s < kSlaveSets; ++s) {
        MODBUS_SLAVE_TAG_SET set;
        set.Name = Text("Set", s);
        set.TagDataType = s % 9;
        set.Index = s * 3;
        for (int i = 0; i < kItemsPerSet; ++i) {
            MODBUS_SLAVE_TAG_ITEM item;
            const int tag = (s * kItemsPerSet + i) % kTagCount;
            item.Name = set.Name;
            item.Tag = TagAddress(tag);
            item.ModbusMap = i % 4;
            item.ModbusAddress = s * 100 + i;
            item.DataType = i % 4;
            item.TagType = 1 + tag % 18;
            set.Items.append(item);
        }
        slave.MulitTagSet.append(set);
    }
}

inline void FillModbusMaster(CDataCenter& model)
{
    for (int d = 0; d < kMasterDevices; ++d) {
        MODBUS_EXTERNAL_DEVICE_SETTINGS device;
        device.Index = d;
        device.Name = Text("Device", d);
        const bool ethernet = d % 2 == 0;
        // A serial device keeps no address in the file.
        device.RTUPort = ethernet ? QStringLiteral("S_0-E_0") : QStringLiteral("S_%1-P_%2").arg(kSerialSlot).arg((d / 2) % kSerialPorts);
        device.IpAddress = ethernet ? QStringLiteral("127.0.5.%1").arg(d + 1) : QString();
        device.TCPPort = ethernet ? 1502 + d : 0;
        device.Polling_Delay = 100 + d;
        device.Timeout = 2000;
        device.UnitID = 1 + d;
        device.RecoverDelay = 20;
        device.FailRetry = 2;
        device.KeepAliveInterval = 60;
        device.KeepAliveEnable = 1;
        device.StatusTag = QStringLiteral("0.%1.105.1").arg(d);
        device.ErrorTag = QStringLiteral("0.%1.105.2").arg(d);
        for (int c = 0; c < kCommandsPerDevice; ++c) {
            MODBUS_COMMAND_SETTINGS command;
            command.Name = Text("Command", c);
            command.Function_Code = c % 6;
            command.Start_Addr = c * 10;
            command.SwappedValue = c % 3; // 2: not applicable
            command.ScanRate = 500 + c;
            for (int r = 0; r < kResourcesPerCommand; ++r) {
                const int tag = (d * 64 + c * kResourcesPerCommand + r) % kTagCount;
                command.Resources.append({TagAddress(tag), command.Start_Addr + r * 2, 40001 + r * 2, r % 5, 2, 2});
            }
            command.TotalLength = kResourcesPerCommand * 2;
            device.Commands.append(command);
        }
        BuildServiceTags(ServiceId::ModbusMaster, device.Index, device.TagDefinitions, 1);
        model.ModbusMasterDevices.push_back(device);
    }
}

// The project before any service is saved: product, tags, every service full.
inline void FillAllServices(CDataCenter& model)
{
    PrepareProduct(model);
    AddTags(model);
    FillTavo(model);
    FillSnmpAgent(model);
    FillDnp3(model);
    FillAlarms(model);
    FillDataLogging(model);
    FillModbusSlave(model);
    FillModbusMaster(model);
    model.RESTfulEnable = 1;
}

// A model ready to read a file into, as opening builds it: the product and the tag table.
inline void PrepareForOpening(CDataCenter& model)
{
    PrepareProduct(model);
    AddTags(model);
}

} // namespace FullServiceModel

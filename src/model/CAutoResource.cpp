#include "CAutoResource.h"

#include "ConfigFiles.h"
#include "IniFile.h"
#include "TypeIds.h"

#include <limits>
#include <vector>

namespace {

using Kind = CAutoResource::Kind;

struct KindKeys {
    const char* Section;
    const char* ResourceIdKey;
    const char* NameKey;
};

// DefaultSettings.ini keys of each kind, in Kind order.
constexpr std::array<KindKeys, CAutoResource::kKindCount> kKeys{{
    {"AlarmMail", "AlarmMailTriggerResourceID", "AlarmMailTriggerName"},
    {"AlarmMail", "AlarmMailStatusResourceID", "AlarmMailStatusName"},
    {"AlarmSMS", "AlarmSMSTriggerResourceID", "AlarmSMSTriggerName"},
    {"AlarmSMS", "AlarmSMSStatusResourceID", "AlarmSMSStatusName"},
    {"AlarmSNMP", "AlarmSNMPTriggerResourceID", "AlarmSNMPTriggerName"},
    {"AlarmSNMP", "AlarmSNMPStatusResourceID", "AlarmSNMPStatusName"},
    {"SNMPAgent", "ServiceSNMPAgentResourceID", "ServiceSNMPAgentName"},
    {"TAVO", "TAVOTriggerResourceID", "TAVOTriggerName"},
    {"TAVO", "TAVOStatusResourceID", "TAVOStatusName"},
    {"ModbusMaster", "ModbusMasterStatusResourceID", "ModbusMasterStatusName"},
    {"ModbusMaster", "ModbusMasterErrorResourceID", "ModbusMasterErrorName"},
    {"DataLog", "DataLogStartStopResourceID", "DataLogStartStopName"},
    {"DataLog", "DataLogTriggerResourceID", "DataLogTriggerName"},
    {"DataLog", "DataLogStatusResourceID", "DataLogStatusName"},
    {"DataLog", "FTPTriggerResourceID", "FTPTriggerName"},
    {"DataLog", "FTPStatusResourceID", "FTPStatusName"},
}};

// The numbers of a trigger (a writable two-state tag) and of the two kinds of status value.
struct TagShape {
    int TagType;
    int Dnp3TagType;
    int IsInput;
    qint64 Min;
    qint64 Max;
};
constexpr int kWrittenBool = 10;
constexpr int kReadLong = 4;
constexpr int kReadULong = 8;
constexpr TagShape kTrigger{kWrittenBool, 3, 0, 0, 1};
constexpr TagShape kStatus{kReadLong, 2, 1, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()};
constexpr TagShape kUnsignedStatus{kReadULong, 2, 1, 0, std::numeric_limits<quint32>::max()};

struct KindShape {
    int ResType; // the tag's number within its item
    TagShape Shape;
};

constexpr std::array<KindShape, CAutoResource::kKindCount> kShapes{{
    {1, kTrigger},
    {2, kStatus}, // mail
    {1, kTrigger},
    {2, kStatus}, // SMS
    {1, kTrigger},
    {2, kStatus}, // SNMP trap
    {1, kStatus}, // SNMP agent
    {1, kTrigger},
    {2, kStatus}, // TAVO
    {1, kStatus},
    {2, kStatus}, // Modbus master
    {1, kTrigger},
    {2, kTrigger},
    {3, kStatus}, // data logging
    {0, kTrigger},
    {1, kUnsignedStatus}, // FTP upload
}};

std::vector<Kind> kindsOfService(int serviceId)
{
    switch (serviceId) {
    case ServiceId::AlarmMail:
        return {Kind::MailTrigger, Kind::MailStatus};
    case ServiceId::AlarmSms:
        return {Kind::SmsTrigger, Kind::SmsStatus};
    case ServiceId::AlarmSnmpTrap:
        return {Kind::SnmpTrapTrigger, Kind::SnmpTrapStatus};
    case ServiceId::Tavo:
        return {Kind::TavoTrigger, Kind::TavoStatus};
    case ServiceId::SnmpAgent:
        return {Kind::SnmpAgent};
    case ServiceId::ModbusMaster:
        return {Kind::ModbusStatus, Kind::ModbusError};
    case ServiceId::DataLogging:
        return {Kind::LogStartStop, Kind::LogTrigger, Kind::LogStatus};
    case ServiceId::DataLoggingUpload:
        return {Kind::FtpTrigger, Kind::FtpStatus};
    default:
        return {};
    }
}

size_t slotOf(Kind kind)
{
    return static_cast<size_t>(kind);
}

} // namespace

CAutoResource* CAutoResource::GetInstance()
{
    static CAutoResource instance;
    instance.LoadIfNeeded();
    return &instance;
}

void CAutoResource::ReleaseInstance()
{
    GetInstance()->loaded_ = false;
}

void CAutoResource::LoadIfNeeded()
{
    if (loaded_)
        return;
    loaded_ = true;
    const QString path = GetDefaultSettingsPath();
    const auto read = [&path](const char* section, const char* key) {
        return path.isEmpty() ? QString()
                              : GetPrivateProfileString(QLatin1String(section), QLatin1String(key), QString(), path);
    };
    for (size_t i = 0; i < kKeys.size(); ++i) {
        texts_[i].ResourceId = read(kKeys[i].Section, kKeys[i].ResourceIdKey);
        texts_[i].Name = read(kKeys[i].Section, kKeys[i].NameKey);
    }
}

QString CAutoResource::TagName(Kind kind, int itemIndex) const
{
    return QStringLiteral("%1_%2").arg(texts_[slotOf(kind)].Name).arg(itemIndex);
}

QString CAutoResource::TagAddress(Kind kind, int itemIndex) const
{
    return QStringLiteral("0.%1.%2").arg(itemIndex).arg(texts_[slotOf(kind)].ResourceId);
}

TagDefinition CAutoResource::Definition(Kind kind, int itemIndex, bool withAlias) const
{
    const KindShape& shape = kShapes[slotOf(kind)];
    TagDefinition definition;
    definition.Name = TagName(kind, itemIndex);
    definition.ResourceText = TagAddress(kind, itemIndex);
    if (withAlias)
        definition.BoundTagName = definition.Name;
    definition.TagUseFlag = 1; // never offered for a tag made by hand
    definition.ResType = shape.ResType;
    definition.TagType = shape.Shape.TagType;
    definition.DNP3TagType = shape.Shape.Dnp3TagType;
    definition.IsInput = shape.Shape.IsInput;
    definition.Min = shape.Shape.Min;
    definition.Max = shape.Shape.Max;
    return definition;
}

int CAutoResource::BuildServiceTags(int serviceId, int itemIndex, QVector<TagDefinition>& definitions,
                                    int aliasFlag) const
{
    for (Kind kind : kindsOfService(serviceId)) {
        const bool withAlias = kind != Kind::FtpTrigger || aliasFlag != 0;
        definitions.push_back(Definition(kind, itemIndex, withAlias));
    }
    return 1;
}

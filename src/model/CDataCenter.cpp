#include "CDataCenter.h"

#include "CAutoResource.h"
#include "ConfigFiles.h"
#include "IniFile.h"

namespace {

const QString kFirmwareBootSection = QStringLiteral("FWUBoot");
const QString kSwitchTimeoutKey = QStringLiteral("SwitchTimeout");

constexpr int kTimeZoneA = 35;
constexpr int kTimeZoneB = 36;

// The reset values of the DNP3 groups, in the model's group order.
const std::array<Dnp3PointGroup, CDataCenter::kDnp3GroupCount> kDnp3GroupDefaults{{
    {Dnp3ObjectType::BinaryInput, 1, 1, 0, 0, {}},
    {Dnp3ObjectType::BinaryOutput, 2, 0, 0, 0, {}},
    {Dnp3ObjectType::AnalogInput, 1, 1, 0, 0, {}},
    {Dnp3ObjectType::AnalogOutput, 1, 0, 0, 0, {}},
    {Dnp3ObjectType::Counter, 1, 1, 1, 1, {}},
}};

} // namespace

CDataCenter::CDataCenter()
{
    // The service settings records were built as members: each took its defaults from
    // DefaultSettings.ini and holds the CAutoResource singleton where it needs one.
    DefaultsPath = GetDefaultSettingsPath();
    LoadServiceResourceIds();
    SwitchTimeout = GetPrivateProfileInt(kFirmwareBootSection, kSwitchTimeoutKey, kDefaultSwitchTimeout, DefaultsPath);
    AutoResource = CAutoResource::GetInstance();
    ResetProjectData();
}

CDataCenter::~CDataCenter() = default;

void CDataCenter::ResetProjectData()
{
    ProjectName.clear();
    ModType.clear();
    SlotMask = 0;
    MaxSlotCount = 0;
    ModuleInfo = {};

    DISettings.clear();
    DIOSettings.clear();
    SystemVariables = {};
    ResourceGroups.clear();
    InternalRegisters = {};
    CellularSettings.clear();
    Slots.clear();
    Tags.clear();
    Modified = 0;
    PendingSlotTags.clear();

    ResetDnp3Groups();

    Services.clear();
    FunctionRecords.clear();
    ServiceTagLists.clear();
    FtpServer = {};
    HARTAISettings.clear();
    AISettings.clear();
    HighSpeedAISettings.clear();
    AOSettings.clear();
    TCSettings.clear();
    RTDSettings.clear();

    SmtpServers.clear();
    Condition.Reset();
    AlarmMail.Reset();
    AlarmSms.Reset();
    AlarmSnmpTrap.Reset();
    SnmpAgent.SetDefaults();
    DataLogging.Reset();
    MailAlarmRecords.clear();
    Tavo.Reset();
    ModbusSlave.Reset();
    NextModbusSlaveSetIndex = 0;
    Dnp3Outstation.Reset();
    HighSpeedLogProfiles.clear();
    SystemLog.Reset();
    ModbusMasterDevices.clear();
    Time.Reset();

    DOSettings.clear();
    RelaySettings.clear();
    SerialSettings.clear();
    NetworkSettings.clear();
    CanSettings.clear();
    PortTrunkSettings.clear();
    SwitchSettings.clear();

    RESTfulEnable = 0; // a project without a RESTful element must not inherit the last one's switch
    ToggleSwitchEnable = 0;
    RotarySwitchEnable = 0;
    LogEnable.Reset();
    ClearAllSlotChannelGroups();
    ResourceNames.clear();
    IsIEC = 0;
}

void CDataCenter::ResetProductAttributes()
{
    Series4100Flag = 0;
    CPU35Mode = 0;
    HSPAFlag = 0;
    IsIEC = 0;
    Dnp3Supported = 0;
    RESTfulSupported = 0;
    PortTrunkMode = 0;
}

void CDataCenter::LoadServiceResourceIds()
{
    for (const StatusTagSourceInfo& source : StatusTagSources()) {
        const QString section = QString::fromLatin1(source.Section);
        ServiceResourceText& text = ServiceResourceTexts[static_cast<size_t>(StatusTagPosition(source.Source))];
        text.ResourceId =
            GetPrivateProfileString(section, QString::fromLatin1(source.ResourceIdKey), QString(), DefaultsPath);
        text.Name = GetPrivateProfileString(section, QString::fromLatin1(source.NameKey), QString(), DefaultsPath);
    }
}

void CDataCenter::ResetDnp3Groups()
{
    // Assigning whole groups also empties each group's point list.
    for (size_t i = 0; i < Dnp3Groups.size(); ++i)
        Dnp3Groups[i] = kDnp3GroupDefaults[i];
}

Dnp3PointGroup* CDataCenter::Dnp3GroupOfType(int objectType)
{
    return const_cast<Dnp3PointGroup*>(std::as_const(*this).Dnp3GroupOfType(objectType));
}

const Dnp3PointGroup* CDataCenter::Dnp3GroupOfType(int objectType) const
{
    for (size_t i = 0; i < kDnp3GroupDefaults.size(); ++i) {
        if (kDnp3GroupDefaults[i].ObjectType == objectType)
            return &Dnp3Groups[i];
    }
    return nullptr;
}

int CDataCenter::SetDnp3GroupSetting(int objectType, int staticVariation, int eventVariation, int frozenVariation,
                                     int frozenEventVariation)
{
    if (Dnp3PointGroup* group = Dnp3GroupOfType(objectType)) {
        group->StaticVariation = staticVariation;
        group->EventVariation = eventVariation;
        group->FrozenVariation = frozenVariation;
        group->FrozenEventVariation = frozenEventVariation;
    }
    return 1;
}

void CDataCenter::GetDnp3PointGroup(int objectType, Dnp3PointGroup& out) const
{
    if (const Dnp3PointGroup* group = Dnp3GroupOfType(objectType))
        out = *group;
}

int CDataCenter::SetRESTfulEnable(int value)
{
    MarkModified();
    RESTfulEnable = value;
    return 1;
}

int CDataCenter::ExchangeTimeZone35And36(int zoneIndex)
{
    if (zoneIndex == kTimeZoneA)
        return kTimeZoneB;
    if (zoneIndex == kTimeZoneB)
        return kTimeZoneA;
    return zoneIndex;
}

int CDataCenter::GetServiceTagList(int serviceId, TagDefinition& out) const
{
    for (const StatusTagSourceInfo& source : StatusTagSources()) {
        if (source.ServiceId != 0 && source.ServiceId == serviceId) {
            out = ServiceStatusTags[static_cast<size_t>(StatusTagPosition(source.Source))];
            return 1;
        }
    }
    return 0;
}

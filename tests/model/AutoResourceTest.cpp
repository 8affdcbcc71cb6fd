// The automatic tags of service items: names and resource ids from DefaultSettings.ini, the
// numbers of triggers and status values, and what happens without the file.
#include "CAutoResource.h"
#include "DefaultSettingsFolder.h"
#include "TypeIds.h"

#include <limits>

namespace {

constexpr char kSettings[] = R"([AlarmMail]
AlarmMailTriggerResourceID=20
AlarmMailTriggerName=MailTrig
AlarmMailStatusResourceID=21
AlarmMailStatusName=MailStatus
[AlarmSMS]
AlarmSMSTriggerResourceID=30
AlarmSMSTriggerName=SmsTrig
AlarmSMSStatusResourceID=31
AlarmSMSStatusName=SmsStatus
[AlarmSNMP]
AlarmSNMPTriggerResourceID=40
AlarmSNMPTriggerName=TrapTrig
AlarmSNMPStatusResourceID=41
AlarmSNMPStatusName=TrapStatus
[TAVO]
TAVOTriggerResourceID=50
TAVOTriggerName=PushTrig
TAVOStatusResourceID=51
TAVOStatusName=PushStatus
[ModbusMaster]
ModbusMasterStatusResourceID=60
ModbusMasterStatusName=MbStatus
ModbusMasterErrorResourceID=61
ModbusMasterErrorName=MbError
[DataLog]
DataLogStartStopResourceID=70
DataLogStartStopName=LogRun
DataLogTriggerResourceID=71
DataLogTriggerName=LogTrig
DataLogStatusResourceID=72
DataLogStatusName=LogStatus
FTPTriggerResourceID=73
FTPTriggerName=FtpTrig
FTPStatusResourceID=74
FTPStatusName=FtpStatus
[SNMPAgent]
ServiceSNMPAgentResourceID=80
ServiceSNMPAgentName=AgentTag
)";

constexpr qint64 kLongMin = std::numeric_limits<qint32>::min();
constexpr qint64 kLongMax = std::numeric_limits<qint32>::max();
constexpr qint64 kULongMax = std::numeric_limits<quint32>::max();

// One expected definition: name and resource-id texts, then the numbers.
struct Expected {
    const char* name;
    const char* resourceId;
    bool alias;
    int resType;
    int tagType;
    int dnp3TagType;
    int isInput;
    qint64 min;
    qint64 max;
};

constexpr Expected trigger(const char* name, const char* id, int resType)
{
    return {name, id, true, resType, 10, 3, 0, 0, 1};
}
constexpr Expected status(const char* name, const char* id, int resType)
{
    return {name, id, true, resType, 4, 2, 1, kLongMin, kLongMax};
}

struct Case {
    int serviceId;
    int item;
    int aliasFlag;
    std::vector<Expected> expected;
};

class AutoResourceTest : public DefaultSettingsFolder {
protected:
    void TearDown() override
    {
        CAutoResource::ReleaseInstance(); // the next user reads the build's file again
        DefaultSettingsFolder::TearDown();
    }
    static QVector<TagDefinition> build(int serviceId, int item, int aliasFlag)
    {
        QVector<TagDefinition> definitions;
        EXPECT_EQ(CAutoResource::GetInstance()->BuildServiceTags(serviceId, item, definitions, aliasFlag), 1);
        return definitions;
    }
};

TEST_F(AutoResourceTest, EachServiceAppendsItsTagsFromTheFile)
{
    UseDefaultSettings(kSettings);
    CAutoResource::ReleaseInstance();
    const std::vector<Case> cases = {
        {ServiceId::AlarmMail, 0, 0, {trigger("MailTrig_0", "0.0.20", 1), status("MailStatus_0", "0.0.21", 2)}},
        {ServiceId::AlarmMail, 2, 0, {trigger("MailTrig_2", "0.2.20", 1), status("MailStatus_2", "0.2.21", 2)}},
        {ServiceId::AlarmSms, 1, 0, {trigger("SmsTrig_1", "0.1.30", 1), status("SmsStatus_1", "0.1.31", 2)}},
        {ServiceId::AlarmSnmpTrap, 3, 0, {trigger("TrapTrig_3", "0.3.40", 1), status("TrapStatus_3", "0.3.41", 2)}},
        {ServiceId::Tavo, 0, 0, {trigger("PushTrig_0", "0.0.50", 1), status("PushStatus_0", "0.0.51", 2)}},
        {ServiceId::SnmpAgent, 0, 0, {status("AgentTag_0", "0.0.80", 1)}},
        {ServiceId::ModbusMaster, 4, 0, {status("MbStatus_4", "0.4.60", 1), status("MbError_4", "0.4.61", 2)}},
        {ServiceId::DataLogging,
         1,
         0,
         {trigger("LogRun_1", "0.1.70", 1), trigger("LogTrig_1", "0.1.71", 2), status("LogStatus_1", "0.1.72", 3)}},
        {ServiceId::DataLoggingUpload,
         1,
         0,
         {{"FtpTrig_1", "0.1.73", false, 0, 10, 3, 0, 0, 1},
          {"FtpStatus_1", "0.1.74", true, 1, 8, 2, 1, 0, kULongMax}}},
        {ServiceId::DataLoggingUpload,
         0,
         1,
         {{"FtpTrig_0", "0.0.73", true, 0, 10, 3, 0, 0, 1}, {"FtpStatus_0", "0.0.74", true, 1, 8, 2, 1, 0, kULongMax}}},
        {ServiceId::RESTfulApi, 0, 0, {}},
        {ServiceId::ModbusSlave, 0, 1, {}},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(testing::Message() << "service " << row.serviceId << " item " << row.item);
        const QVector<TagDefinition> made = build(row.serviceId, row.item, row.aliasFlag);
        ASSERT_EQ(made.size(), static_cast<qsizetype>(row.expected.size()));
        for (size_t i = 0; i < row.expected.size(); ++i) {
            const Expected& want = row.expected[i];
            const TagDefinition& got = made[static_cast<qsizetype>(i)];
            SCOPED_TRACE(want.name);
            EXPECT_EQ(got.Name, QLatin1String(want.name));
            EXPECT_EQ(got.ResourceText, QLatin1String(want.resourceId));
            EXPECT_EQ(got.BoundTagName, want.alias ? got.Name : QString());
            EXPECT_EQ(got.TagUseFlag, 1);
            EXPECT_EQ(got.ResType, want.resType);
            EXPECT_EQ(got.TagType, want.tagType);
            EXPECT_EQ(got.DNP3TagType, want.dnp3TagType);
            EXPECT_EQ(got.IsInput, want.isInput);
            EXPECT_EQ(got.IoDirection, 2);
            EXPECT_EQ(got.Min, want.min);
            EXPECT_EQ(got.Max, want.max);
            EXPECT_EQ(got.FloatMin, 0.0f);
            EXPECT_EQ(got.ChMode, 0);
        }
    }
}

TEST_F(AutoResourceTest, AppendsAfterWhatTheListHolds)
{
    UseDefaultSettings(kSettings);
    CAutoResource::ReleaseInstance();
    QVector<TagDefinition> definitions(1);
    definitions[0].Name = QStringLiteral("Kept");
    CAutoResource::GetInstance()->BuildServiceTags(ServiceId::AlarmSms, 0, definitions, 0);
    ASSERT_EQ(definitions.size(), 3);
    EXPECT_EQ(definitions[0].Name, "Kept");
    EXPECT_EQ(definitions[1].Name, "SmsTrig_0");
}

TEST_F(AutoResourceTest, WithoutTheFileNamesAreTheIndexAndIdsEndInThePoint)
{
    CAutoResource::ReleaseInstance(); // the fixture's folder has no DefaultSettings.ini
    const QVector<TagDefinition> made = build(ServiceId::AlarmMail, 3, 0);
    ASSERT_EQ(made.size(), 2);
    for (const TagDefinition& definition : made) {
        EXPECT_EQ(definition.Name, "_3");
        EXPECT_EQ(definition.ResourceText, "0.3.");
    }
    EXPECT_EQ(made[1].Max, kLongMax);
}

TEST_F(AutoResourceTest, TextsAreReadOnceUntilReleased)
{
    UseDefaultSettings(kSettings);
    CAutoResource::ReleaseInstance();
    CAutoResource* first = CAutoResource::GetInstance();
    EXPECT_EQ(build(ServiceId::SnmpAgent, 0, 0)[0].Name, "AgentTag_0");
    RewriteDefaultSettings("[SNMPAgent]\nServiceSNMPAgentName=Changed\n");
    EXPECT_EQ(build(ServiceId::SnmpAgent, 0, 0)[0].Name, "AgentTag_0"); // the file is not read again
    CAutoResource::ReleaseInstance();
    EXPECT_EQ(CAutoResource::GetInstance(), first); // records keep its address
    EXPECT_EQ(build(ServiceId::SnmpAgent, 0, 0)[0].Name, "Changed_0");
}

} // namespace

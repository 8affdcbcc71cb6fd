#include "TagEngineFixture.h"

#include <gtest/gtest.h>

#include <limits>

using namespace TagFixture;

namespace {

// Resource texts as the shipped settings give them, written here so the test does not depend on them.
void setTexts(CDataCenter& model)
{
    const struct {
        StatusTagSource source;
        const char* resourceId;
        const char* name;
    } texts[] = {
        {StatusTagSource::AlarmMail, "137.0", "MailStatus"},
        {StatusTagSource::AlarmSms, "138.0", "SmsStatus"},
        {StatusTagSource::AlarmSnmpTrap, "143.0", "TrapStatus"},
        {StatusTagSource::SnmpAgent, "127.0", "AgentStatus"},
        {StatusTagSource::Tavo, "116.0", "TavoStatus"},
        {StatusTagSource::TavoUpdateTrigger, "116.3", "TavoTrigger"},
        {StatusTagSource::ModbusMaster, "105.0", "MasterStatus"},
        {StatusTagSource::ModbusSlave, "117.0", "SlaveStatus"},
        {StatusTagSource::DataLogging, "114.0", "LogStatus"},
        {StatusTagSource::RESTfulApi, "146.0", "RestStatus"},
        {StatusTagSource::Dnp3Outstation, "118.0", "Dnp3Status"},
    };
    for (const auto& text : texts) {
        ServiceResourceText& target = model.ServiceResourceTexts[StatusTagPosition(text.source)];
        target.ResourceId = QString::fromUtf8(text.resourceId);
        target.Name = QString::fromUtf8(text.name);
    }
    for (int id : {105, 114, 116, 117, 118, 124, 127, 137, 138, 143, 146})
        model.AddResourceName(id, QStringLiteral("Service%1").arg(id));
}

const TagDefinition& status(const CDataCenter& model, StatusTagSource source)
{
    return model.ServiceStatusTags[StatusTagPosition(source)];
}

QStringList tagNames(const CDataCenter& model)
{
    QStringList names;
    for (const TagRecord& tag : model.Tags)
        names << tag.TagName;
    return names;
}

} // namespace

TEST(StatusTagsTest, ServiceGroupsOfSlotZeroInTheirOrder)
{
    CDataCenter model;
    MakeSlots(model);
    setTexts(model);
    model.AddServiceResources();
    model.AddServiceResources();
    std::vector<ChannelGroupEntry> groups;
    ASSERT_EQ(model.GetSlotChannelGroups(0, groups), 20);
    const int order[] = {137, 138, 143, 127, 116, 114, 124, 105, 146, 118};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(groups[i].ChannelTypeId, order[i]) << i;
        EXPECT_EQ(groups[i + 10].ChannelTypeId, order[i]) << i;
    }
    EXPECT_EQ(groups[6].Abbreviation, "Service114"); // the upload under the data-logging name
    EXPECT_EQ(groups[7].Abbreviation, "Service105");
}

TEST(StatusTagsTest, SetupWithoutCreateOnlyFillsTheDefinition)
{
    CDataCenter model;
    setTexts(model);
    EXPECT_EQ(model.SetupServiceStatusTag(StatusTagSource::ModbusMaster, 0), 1);
    EXPECT_EQ(model.SetupServiceStatusTag(StatusTagSource::TavoUpdateTrigger, 0), 1);
    EXPECT_TRUE(model.Tags.empty());

    const TagDefinition& master = status(model, StatusTagSource::ModbusMaster);
    EXPECT_EQ(master.Name, "MasterStatus");
    EXPECT_EQ(master.ResourceText, "0.0.105.0");
    EXPECT_EQ(master.BoundTagName, "MasterStatus");
    EXPECT_EQ(master.TagUseFlag, 1);
    EXPECT_EQ(master.ResType, 0);
    EXPECT_EQ(master.TagType, 4);
    EXPECT_EQ(master.DNP3TagType, 2);
    EXPECT_EQ(master.IsInput, 1);
    EXPECT_EQ(master.IoDirection, 2);
    EXPECT_EQ(master.Min, std::numeric_limits<qint32>::min());
    EXPECT_EQ(master.Max, std::numeric_limits<qint32>::max());

    const TagDefinition& trigger = status(model, StatusTagSource::TavoUpdateTrigger);
    EXPECT_EQ(trigger.ResourceText, "0.0.116.3");
    EXPECT_EQ(trigger.ResType, 3);
    EXPECT_EQ(trigger.TagType, 10);
    EXPECT_EQ(trigger.DNP3TagType, 3);
    EXPECT_EQ(trigger.IsInput, 0);
    EXPECT_EQ(trigger.Min, 0);
    EXPECT_EQ(trigger.Max, 1);
}

TEST(StatusTagsTest, CreatedTagsAreLinkedToTheirServiceAndSkipMissingFeatures)
{
    CDataCenter model;
    setTexts(model);
    EXPECT_EQ(model.CreateStatusTags(1), 1);
    EXPECT_EQ(tagNames(model), QStringList({"MailStatus", "MasterStatus", "SlaveStatus", "LogStatus", "TavoStatus",
                                            "TrapStatus", "AgentStatus", "TavoTrigger"}));
    const TagRecord* agent = TagAt(model, "0.0.127.0");
    ASSERT_NE(agent, nullptr);
    EXPECT_EQ(agent->ChannelTypeId, ServiceId::SnmpAgent);
    EXPECT_EQ(agent->ChannelTypeAlias, "Service127");
    EXPECT_EQ(agent->RelatedServices, Links({{ServiceId::SnmpAgentLink, 0}}));
    const TagRecord* trigger = TagAt(model, "0.0.116.3");
    ASSERT_NE(trigger, nullptr);
    EXPECT_EQ(trigger->RelatedServices, Links({{ServiceId::Tavo, 0}}));
    EXPECT_EQ(trigger->DataTypeCode, 10);
    EXPECT_EQ(trigger->Direction, 0);
    EXPECT_EQ(status(model, StatusTagSource::TavoUpdateTrigger).BoundTagName, "TavoTrigger");
    EXPECT_TRUE(status(model, StatusTagSource::AlarmSms).ResourceText.isEmpty()); // not set up
}

TEST(StatusTagsTest, EveryFeatureAddsItsTagAndATakenNameFailsTheRun)
{
    CDataCenter model;
    setTexts(model);
    model.SetHSPA(1);
    model.SetRESTfulSupported(1);
    model.SetDnp3Supported(1);
    EXPECT_EQ(model.CreateStatusTags(1), 1);
    ASSERT_EQ(model.Tags.size(), 11u);
    const struct {
        const char* address;
        const char* name;
        int typeId;
        int linkId;
        StatusTagSource source;
    } expected[] = {
        {"0.0.137.0", "MailStatus", 137, 137, StatusTagSource::AlarmMail},
        {"0.0.138.0", "SmsStatus", 138, 138, StatusTagSource::AlarmSms},
        {"0.0.143.0", "TrapStatus", 143, 143, StatusTagSource::AlarmSnmpTrap},
        {"0.0.127.0", "AgentStatus", 127, 144, StatusTagSource::SnmpAgent},
        {"0.0.116.0", "TavoStatus", 116, 116, StatusTagSource::Tavo},
        {"0.0.116.3", "TavoTrigger", 116, 116, StatusTagSource::TavoUpdateTrigger},
        {"0.0.105.0", "MasterStatus", 105, 105, StatusTagSource::ModbusMaster},
        {"0.0.117.0", "SlaveStatus", 117, 117, StatusTagSource::ModbusSlave},
        {"0.0.114.0", "LogStatus", 114, 114, StatusTagSource::DataLogging},
        {"0.0.146.0", "RestStatus", 146, 146, StatusTagSource::RESTfulApi},
        {"0.0.118.0", "Dnp3Status", 118, 118, StatusTagSource::Dnp3Outstation},
    };
    for (const auto& e : expected) {
        const TagRecord* tag = TagAt(model, e.address);
        ASSERT_NE(tag, nullptr) << e.address;
        EXPECT_EQ(tag->TagName, e.name) << e.address;
        EXPECT_EQ(tag->ChannelTypeId, e.typeId) << e.address;
        EXPECT_EQ(tag->ChannelTypeAlias, QStringLiteral("Service%1").arg(e.typeId)) << e.address;
        EXPECT_EQ(tag->RelatedServices, Links({{e.linkId, 0}})) << e.address;
        EXPECT_EQ(status(model, e.source).BoundTagName, e.name) << e.address;
        EXPECT_EQ(status(model, e.source).TagUseFlag, 1) << e.address;
    }

    // A second run finds its first name taken: it stops there and links nothing.
    EXPECT_EQ(model.CreateStatusTags(1), 0);
    EXPECT_EQ(model.Tags.size(), 11u);
    EXPECT_EQ(TagAt(model, "0.0.137.0")->RelatedServices.size(), 1u);
    EXPECT_EQ(model.CreateStatusTags(0), 1); // the loader's run only refills definitions
}

TEST(StatusTagsTest, EmptyResourceIdStillGivesAnAddress)
{
    CDataCenter model;
    setTexts(model);
    model.ServiceResourceTexts[StatusTagPosition(StatusTagSource::ModbusSlave)].ResourceId.clear();
    EXPECT_EQ(model.SetupServiceStatusTag(StatusTagSource::ModbusSlave, 1), 1);
    EXPECT_EQ(model.Tags.back().ResID, "0.0.");
}

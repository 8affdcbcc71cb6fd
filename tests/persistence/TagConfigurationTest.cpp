// The "TagConfiguration" group: the tag counts, one "Tag_%d" per tag, and the reader's rules.
#include "CDataCenter.h"
#include "ProjectFileFixture.h"
#include "ResultCodes.h"

namespace {

using TagConfigurationTest = ProjectFileTest;

TagRecord tagOf(const QString& name, int typeId, const QString& address, int dataTypeCode, int direction)
{
    TagRecord tag;
    tag.Construct(name, QString(), QStringLiteral("Alias ") + name, typeId, address, direction, dataTypeCode, 0);
    return tag;
}

TEST_F(TagConfigurationTest, WritesCountsThenEveryTagInTableOrder)
{
    CDataCenter model;
    model.Tags = {tagOf("Coil", 1003, "1.0.0", 1, 1), tagOf("Coil2", 1003, "1.1.0", 10, 2),
                  tagOf("Text", 1515, "0.3.1515", 15, 0), tagOf("NoType", 1000, "2.0.1", 0, 0)};
    model.Tags[1].RelatedServices = {{105, 2}, {114, 0}};
    TagRecord unset;
    unset.TagName = QStringLiteral("Unset");
    model.Tags.push_back(unset); // address numbers not set: -1
    IXMLElement* product = NewDocument();
    model.SaveTagConfiguration(product);

    IXMLElement* group = At(product, "TagConfiguration");
    EXPECT_EQ(ChildNames(group),
              (QStringList{"CoilTagQuantity", "Int8TagQuantity", "Int16TagQuantity", "Int32TagQuantity",
                           "Uint8TagQuantity", "Uint16TagQuantity", "Uint32TagQuantity", "FloatTagQuantity",
                           "StringTagQuantity", "Tag_0", "Tag_1", "Tag_2", "Tag_3", "Tag_4"}));
    EXPECT_EQ(ChildNames(At(group, "Tag_1")),
              (QStringList{"TagName", "DataType", "ResID", "ReadWriteDircetion", "ChannelType", "SlotIndex",
                           "ChannelIndex", "ResourceType", "RelatedService"}));
    EXPECT_EQ(ChildNames(At(group, "Tag_1/ChannelType")), (QStringList{"ChannelTypeAlias", "ChannelTypeId"}));
    EXPECT_EQ(ChildNames(At(group, "Tag_1/RelatedService")), (QStringList{"Set_0", "Set_1"}));
    EXPECT_EQ(ChildNames(At(group, "Tag_0/RelatedService")), QStringList{});

    const struct {
        const char* path;
        const char* expected;
    } cases[] = {
        {"CoilTagQuantity", "2"},
        {"StringTagQuantity", "1"},
        {"Int8TagQuantity", "0"},
        {"Tag_0/TagName", "Coil"},
        {"Tag_0/DataType", "0"},
        {"Tag_0/ResID", "1.0.0"},
        {"Tag_0/ReadWriteDircetion", "0"}, // direction 1
        {"Tag_1/ReadWriteDircetion", "1"}, // direction 2
        {"Tag_1/ChannelType/ChannelTypeAlias", "Alias Coil2"},
        {"Tag_1/ChannelType/ChannelTypeId", "1003"},
        {"Tag_1/SlotIndex", "1"},
        {"Tag_1/ChannelIndex", "1"},
        {"Tag_1/ResourceType", "0"},
        {"Tag_1/RelatedService/Set_0/RTUService", "105"},
        {"Tag_1/RelatedService/Set_0/Index", "2"},
        {"Tag_1/RelatedService/Set_1/RTUService", "114"},
        {"Tag_2/DataType", "8"},
        {"Tag_3/DataType", "999"},
        {"Tag_3/ReadWriteDircetion", "1"},
        {"Tag_4/SlotIndex", "-1"},
        {"Tag_4/ChannelIndex", "-1"},
        {"Tag_4/ResourceType", "-1"},
        {"Tag_4/ChannelType", "<no Result>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResultAt(group, QString::fromUtf8(c.path)), QString::fromUtf8(c.expected)) << c.path;
}

TEST_F(TagConfigurationTest, EmptyTableWritesZeroCounts)
{
    CDataCenter model;
    IXMLElement* product = NewDocument();
    model.SaveTagConfiguration(product);
    const QStringList names = ChildNames(At(product, "TagConfiguration"));
    ASSERT_EQ(names.size(), 9);
    for (const QString& name : names)
        EXPECT_EQ(ResultAt(product, QStringLiteral("TagConfiguration/") + name), "0") << qPrintable(name);
    CDataCenter reread;
    EXPECT_EQ(reread.LoadTagConfiguration(product), kS_OK);
    EXPECT_TRUE(reread.Tags.empty());
}

TEST_F(TagConfigurationTest, RoundTripThroughAFile)
{
    // Tags of types whose definitions no model lookup finds, so the rewrite depends on the file alone.
    CDataCenter written;
    written.Tags = {tagOf("Port_1", 1000, "2.0.1", 0, 0), tagOf("Lan_1", 1001, "0.1.3", 0, 0),
                    tagOf("Can 1 & <2>", 1016, "12.1.0", 0, 0)};
    written.Tags[0].RelatedServices = {{105, 3}, {117, 1}};
    written.Tags[2].RelatedServices = {{124, 7}};
    IXMLElement* product = NewDocument();
    written.SaveTagConfiguration(product);
    const QByteArray first = SaveBytes(product, QStringLiteral("first.xml"));

    CDataCenter reread;
    ASSERT_EQ(reread.LoadTagConfiguration(LoadFile(QStringLiteral("first.xml"))), kS_OK);
    EXPECT_EQ(reread.Tags, written.Tags);
    IXMLElement* again = NewDocument();
    reread.SaveTagConfiguration(again);
    EXPECT_EQ(SaveBytes(again, QStringLiteral("second.xml")), first);
}

// One tag element with every required value; `skip` leaves one of them out.
QByteArray tagXml(const char* name, int typeId, const char* skip = "", const char* related = "")
{
    const std::pair<const char*, QByteArray> values[] = {
        {"TagName", name},  {"DataType", "0"},     {"ResID", "1.2.3"},    {"ReadWriteDircetion", "1"},
        {"SlotIndex", "1"}, {"ChannelIndex", "2"}, {"ResourceType", "3"},
    };
    QByteArray xml;
    for (const auto& [element, value] : values) {
        if (qstrcmp(element, skip) != 0)
            xml += QByteArray("<") + element + " Result=\"" + value + "\"/>";
    }
    xml += "<ChannelType>";
    if (qstrcmp(skip, "ChannelTypeAlias") != 0)
        xml += "<ChannelTypeAlias Result=\"Alias\"/>";
    if (qstrcmp(skip, "ChannelTypeId") != 0)
        xml += "<ChannelTypeId Result=\"" + QByteArray::number(typeId) + "\"/>";
    xml += QByteArray("</ChannelType><RelatedService>") + related + "</RelatedService>";
    return xml;
}

TEST_F(TagConfigurationTest, EveryRequiredValueMustBePresent)
{
    for (const char* missing : {"TagName", "ResID", "ReadWriteDircetion", "SlotIndex", "ChannelIndex", "ResourceType",
                                "ChannelTypeAlias", "ChannelTypeId"}) {
        CDataCenter model;
        const QByteArray xml = "<Product><TagConfiguration><Tag_0>" + tagXml("First", 1000) + "</Tag_0><Tag_1>" +
                               tagXml("Second", 1000, missing) + "</Tag_1><Tag_2>" + tagXml("Third", 1000) +
                               "</Tag_2></TagConfiguration></Product>";
        EXPECT_EQ(model.LoadTagConfiguration(LoadXml(xml)), kE_FAIL) << missing;
        ASSERT_EQ(model.Tags.size(), 1u) << missing; // the tags before it stay
        EXPECT_EQ(model.Tags[0].TagName, "First");
    }
    CDataCenter noDataType; // "DataType" is not read
    EXPECT_EQ(
        noDataType.LoadTagConfiguration(LoadXml("<Product><TagConfiguration><Tag_0>" + tagXml("T", 1000, "DataType") +
                                                "</Tag_0>"
                                                "</TagConfiguration></Product>")),
        kS_OK);
    CDataCenter noGroup;
    EXPECT_EQ(noGroup.LoadTagConfiguration(LoadXml("<Product/>")), kE_FAIL);
    EXPECT_EQ(noGroup.LoadTagConfiguration(nullptr), kE_FAIL);
}

TEST_F(TagConfigurationTest, TagsAreReadFromTag0OnWhateverTheirNames)
{
    CDataCenter model;
    const QByteArray xml = "<Product><TagConfiguration><CoilTagQuantity Result=\"7\"/><Before>" +
                           tagXml("Before", 1000) + "</Before><Tag_0>" + tagXml("A", 1000) + "</Tag_0><Anything>" +
                           tagXml("B", 1001) + "</Anything></TagConfiguration></Product>";
    ASSERT_EQ(model.LoadTagConfiguration(LoadXml(xml)), kS_OK);
    ASSERT_EQ(model.Tags.size(), 2u);
    EXPECT_EQ(model.Tags[0].TagName, "A");
    EXPECT_EQ(model.Tags[1].TagName, "B");
    EXPECT_EQ(model.Tags[1].ChannelTypeId, 1001);
    EXPECT_EQ(model.Tags[1].ChannelTypeAlias, "Alias");
    EXPECT_EQ(model.Tags[1].SlotIndex, 1);

    CDataCenter noTag0;
    ASSERT_EQ(noTag0.LoadTagConfiguration(LoadXml("<Product><TagConfiguration><Tag_1>" + tagXml("A", 1000) +
                                                  "</Tag_1></TagConfiguration></Product>")),
              kS_OK);
    EXPECT_TRUE(noTag0.Tags.empty());
}

TEST_F(TagConfigurationTest, SmsAlarmTagsNeedAProductWithHspaOrAnEntryOfTheirs)
{
    const QByteArray xml = "<Product><TagConfiguration><Tag_0>" + tagXml("Sms", 138) + "</Tag_0><Tag_1>" +
                           tagXml("Other", 1000) + "</Tag_1></TagConfiguration></Product>";
    CDataCenter without;
    ASSERT_EQ(without.LoadTagConfiguration(LoadXml(xml)), kS_OK);
    ASSERT_EQ(without.Tags.size(), 1u);
    EXPECT_EQ(without.Tags[0].TagName, "Other");
    CDataCenter with;
    with.SetHSPA(1);
    ASSERT_EQ(with.LoadTagConfiguration(LoadXml(xml)), kS_OK);
    EXPECT_EQ(with.Tags.size(), 2u);
    // The services are read before the tags: an SMS entry naming the tag keeps it on any product.
    for (const bool asTrigger : {true, false}) {
        CDataCenter referred;
        ALARM_SMS_ITEM_SETTINGS entry;
        (asTrigger ? entry.TriggerTag : entry.StatusTag) = QStringLiteral("1.2.3");
        referred.AlarmSms.Entries.append(entry);
        ASSERT_EQ(referred.LoadTagConfiguration(LoadXml(xml)), kS_OK);
        EXPECT_EQ(referred.Tags.size(), 2u) << (asTrigger ? "trigger" : "status");
    }
}

TEST_F(TagConfigurationTest, ServiceLinksFromSet0OnWithBothValues)
{
    const char* related = "<Set_1><RTUService Result=\"200\"/><Index Result=\"9\"/></Set_1>"
                          "<Set_0><RTUService Result=\"105\"/><Index Result=\"2\"/></Set_0>"
                          "<Set_2><RTUService Result=\"\"/><Index Result=\"3\"/></Set_2>"
                          "<Set_3><RTUService Result=\"114\"/></Set_3>"
                          "<Set_4><RTUService Result=\"117x\"/><Index Result=\"4\"/></Set_4>";
    CDataCenter model;
    ASSERT_EQ(model.LoadTagConfiguration(LoadXml("<Product><TagConfiguration><Tag_0>" + tagXml("T", 1000, "", related) +
                                                 "</Tag_0></TagConfiguration></Product>")),
              kS_OK);
    ASSERT_EQ(model.Tags.size(), 1u);
    const std::vector<TagServiceLink> expected{{105, 2}, {117, 4}};
    EXPECT_EQ(model.Tags[0].RelatedServices, expected);
}

} // namespace

// Values the project file gained later (the SMTP servers, a DNP3 master's unsolicited time-out,
// the analog deadband mode and its fraction) are written only when they differ from their
// defaults, so files without them keep their bytes, and hostile values read as the defaults.
#include "ServiceFileTestSupport.h"

#include "ResultCodes.h"
#include "ServiceFileValues.h"

namespace {

namespace Names = ServiceXml::ServiceConfiguration;
const QString kAnalogPoint = QStringLiteral("AnalogInput/Tag_0/EventCondition/AIDeadband");
const QString kFirstMasterAdvanced = QStringLiteral("Set_0/AdvancedSetting");

// The element at a path of direct children.
IXMLElement* At(IXMLElement* element, const QString& path)
{
    for (const QString& name : path.split(u'/')) {
        element = element ? ServiceFile::DirectChild(element, name) : nullptr;
    }
    return element;
}

class OptionalServiceValues : public ServiceFileTest {
protected:
    void SetUp() override
    {
        ServiceFileTest::SetUp();
        model.Dnp3Supported = 1;
        DNP3_POINT_SETTINGS point;
        point.ResourceID = QStringLiteral("0.1.2");
        point.DeadbandInteger = 30;
        model.Dnp3Groups[2].Points.append(point);
    }
    DNP3_POINT_SETTINGS& Point() { return model.Dnp3Groups[2].Points.front(); }
    DNP3_MASTER_ITEM_SETTINGS& Master() { return model.Dnp3Outstation.Masters.front(); }

    CDataCenter model;
};

TEST_F(OptionalServiceValues, DefaultsAddNothingToTheFile)
{
    ASSERT_EQ(Master().UnsolicitedTimeout, Master().UnsoliciteTimeoutValue.defaultValue);
    EXPECT_EQ(ChildNames(SavedServiceElement(model, Names::Alarm)), (QStringList{"Email", "SMS", "SNMPTrap"}));
    IXMLElement* dnp3 = SavedServiceElement(model, Names::Dnp3Outstation);
    EXPECT_FALSE(ChildNames(At(dnp3, kFirstMasterAdvanced)).contains("UnsolicitedTimeout"));
    IXMLElement* deadband = At(dnp3, kAnalogPoint);
    ASSERT_NE(deadband, nullptr);
    EXPECT_EQ(AttributeOf(deadband, "DeviationType"), "<missing>");
    EXPECT_EQ(AttributeOf(deadband, "DeadbandFloat"), "<missing>");
}

TEST_F(OptionalServiceValues, SetValuesAreWrittenBesideTheirNeighbours)
{
    Master().UnsolicitedTimeout = 7;
    Point().DeviationType = 1;
    Point().DeadbandFloat = 0.1f;
    SMTP_SERVER_SETTINGS server;
    server.Name = QStringLiteral("Plant mail");
    model.SmtpServers.push_back(server);

    EXPECT_EQ(ChildNames(SavedServiceElement(model, Names::Alarm)),
              (QStringList{"Email", "SMS", "SNMPTrap", "SMTPServer"}));
    IXMLElement* dnp3 = SavedServiceElement(model, Names::Dnp3Outstation);
    const QStringList advanced = ChildNames(At(dnp3, kFirstMasterAdvanced));
    EXPECT_EQ(advanced.indexOf("UnsolicitedTimeout") + 1, advanced.indexOf("UnsolicitedHoldingTime"));
    EXPECT_EQ(ResultOf(At(dnp3, kFirstMasterAdvanced), "UnsolicitedTimeout"), "7");
    EXPECT_EQ(AttributeOf(At(dnp3, kAnalogPoint), "DeviationType"), "1");
    EXPECT_EQ(AttributeOf(At(dnp3, kAnalogPoint), "DeadbandFloat"), "0.1") << "the shortest exact text";
}

TEST_F(OptionalServiceValues, HostileValuesReadAsDefaults)
{
    Master().UnsolicitedTimeout = 7;
    Point().DeviationType = 1;
    Point().DeadbandFloat = 2.5f;
    SMTP_SERVER_SETTINGS server;
    server.Name = QStringLiteral("Plant mail");
    server.Port = 2525;
    model.SmtpServers.push_back(server);
    QByteArray file = ReadBytes(SaveServices(model, QStringLiteral("good.pelx")));
    struct Edit {
        const char* from;
        const char* to;
    };
    for (const Edit& edit :
         {Edit{"DeviationType=\"1\"", "DeviationType=\"7\""}, Edit{"DeadbandFloat=\"2.5\"", "DeadbandFloat=\"1e300\""},
          Edit{"<UnsolicitedTimeout Result=\"7\"", "<UnsolicitedTimeout Result=\"70000\""},
          Edit{"<Port Result=\"2525\"", "<Port Result=\"0\""}}) {
        ASSERT_TRUE(file.contains(edit.from)) << edit.from;
        file.replace(edit.from, edit.to);
    }
    const QString path = PathOf(QStringLiteral("hostile.pelx"));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file);
    out.close();

    CDataCenter reopened;
    FullServiceModel::PrepareForOpening(reopened);
    reopened.Dnp3Supported = 1;
    ASSERT_EQ(OpenServices(reopened, path), kS_OK);
    const DNP3_POINT_SETTINGS& point = reopened.Dnp3Groups[2].Points.front();
    EXPECT_EQ(point.DeviationType, 0);
    EXPECT_EQ(point.DeadbandFloat, 0.0f);
    const DNP3_MASTER_ITEM_SETTINGS& master = reopened.Dnp3Outstation.Masters.front();
    EXPECT_EQ(master.UnsolicitedTimeout, master.UnsoliciteTimeoutValue.defaultValue);
    ASSERT_EQ(reopened.SmtpServers.size(), 1u);
    EXPECT_EQ(reopened.SmtpServers[0].Name, "Plant mail");
    EXPECT_EQ(reopened.SmtpServers[0].Port, reopened.SmtpServers[0].PortValue.defaultValue);
}

} // namespace

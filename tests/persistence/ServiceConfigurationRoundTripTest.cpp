// The whole "ServiceConfiguration" element through real files: save, open into a fresh model,
// save again.
#include "ServiceFileTestSupport.h"

#include "ResultCodes.h"

namespace {

using namespace FullServiceModel;
namespace Names = ServiceXml::ServiceConfiguration;

class ServiceConfigurationRoundTrip : public ServiceFileTest {
protected:
    void SetUp() override
    {
        ServiceFileTest::SetUp();
        FillAllServices(saved_);
        PrepareForOpening(reopened_);
        firstPath_ = SaveServices(saved_, QStringLiteral("first.pelx"));
        ASSERT_EQ(OpenServices(reopened_, firstPath_), kS_OK);
    }

    CDataCenter saved_;
    CDataCenter reopened_;
    QString firstPath_;
};

TEST_F(ServiceConfigurationRoundTrip, SavingTheReopenedModelGivesTheSameBytes)
{
    const QString secondPath = SaveServices(reopened_, QStringLiteral("second.pelx"));
    const QByteArray first = ReadBytes(firstPath_);
    ASSERT_FALSE(first.isEmpty());
    EXPECT_EQ(first, ReadBytes(secondPath));
}

TEST_F(ServiceConfigurationRoundTrip, ReopenedServiceRecordsEqualTheSavedOnes)
{
    EXPECT_TRUE(reopened_.Tavo == saved_.Tavo) << "TAVO";
    EXPECT_TRUE(reopened_.SnmpAgent == saved_.SnmpAgent) << "SNMP agent";
    EXPECT_TRUE(reopened_.Dnp3Outstation == saved_.Dnp3Outstation) << "DNP3 outstation";
    EXPECT_TRUE(reopened_.Dnp3Groups == saved_.Dnp3Groups) << "DNP3 points";
    EXPECT_TRUE(reopened_.AlarmMail == saved_.AlarmMail) << "e-mail alarms";
    EXPECT_TRUE(reopened_.AlarmSms == saved_.AlarmSms) << "SMS alarms";
    EXPECT_TRUE(reopened_.AlarmSnmpTrap == saved_.AlarmSnmpTrap) << "SNMP traps";
    EXPECT_TRUE(reopened_.SmtpServers == saved_.SmtpServers) << "SMTP servers";
    EXPECT_TRUE(reopened_.DataLogging == saved_.DataLogging) << "data logging";
    EXPECT_TRUE(reopened_.HighSpeedLogProfiles == saved_.HighSpeedLogProfiles) << "high-speed data logging";
    EXPECT_TRUE(reopened_.ModbusSlave == saved_.ModbusSlave) << "Modbus slave";
    EXPECT_TRUE(reopened_.ModbusMasterDevices == saved_.ModbusMasterDevices) << "Modbus master";
    EXPECT_EQ(reopened_.RESTfulEnable, saved_.RESTfulEnable);
    EXPECT_TRUE(reopened_.Tags == saved_.Tags) << "TAVO settings of the tags";
    EXPECT_TRUE(engine_.Queued.empty()) << "a current file needs no status tags queued";
}

TEST_F(ServiceConfigurationRoundTrip, ReadingMarksTheSerialPortsTheDevicesUse)
{
    const PortModuleSlotRecord& serial = reopened_.SerialSettings.front();
    for (int port = 0; port < kSerialPorts; ++port)
        EXPECT_EQ(serial.Ports[static_cast<size_t>(port)].Setting.IsUsedByService, 1) << "port " << port;
}

TEST_F(ServiceConfigurationRoundTrip, ServiceElementsStandInTheirOrder)
{
    IXMLElement* root = Load(firstPath_);
    IXMLElement* services = root->FindChild(Names::Element);
    const QStringList expected{
        Names::Tavo,        Names::Alarm,         Names::Dnp3Outstation, Names::ModbusSlave, Names::ModbusMaster,
        Names::DataLogging, Names::HsDataLogging, Names::SnmpAgent,      Names::RESTfulApi,  Names::ServiceManagement};
    EXPECT_EQ(ChildNames(services), expected);
    EXPECT_EQ(ChildNames(services->FindChild(Names::Tavo)).mid(5, 2),
              (QStringList{QStringLiteral("Set_0"), QStringLiteral("Set_1")}));
    EXPECT_EQ(ChildNames(services->FindChild(Names::Tavo)).mid(7),
              (QStringList{QStringLiteral("IntervalUpdate"), QStringLiteral("OnChangeUpdate"),
                           QStringLiteral("ControlTagUpdate")}));
}

} // namespace

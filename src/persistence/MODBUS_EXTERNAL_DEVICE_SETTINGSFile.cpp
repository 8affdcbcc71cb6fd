// One external device of the Modbus master service in the project file: its values, the flat
// resource list that older files hold alone, and the command list ("MultiTagResource").
#include "MODBUS_EXTERNAL_DEVICE_SETTINGS.h"

#include "ServiceElementNames.h"
#include "ServiceFileValues.h"
#include "ServiceTagEngine.h"
#include "TextConversion.h"
#include "TypeIds.h"

using namespace ServiceFile;
namespace Names = ServiceXml::Modbus;

namespace {

constexpr int kAliasFlag = 1;
constexpr qint32 kDefaultReferenceAddress = 10001;
constexpr qint32 kMaxKeepAliveInterval = 86400;
// What a device element without the value gives.
constexpr qint32 kMissingPollingDelay = 3;
constexpr qint32 kMissingTimeout = 5000;
constexpr qint32 kMissingUnitID = 1;
constexpr qint32 kMissingRecoverDelay = 10;
constexpr qint32 kMissingFailRetry = 1;
constexpr qint32 kMissingKeepAliveInterval = 10;

// A fresh resource of a command read from the file.
MODBUS_COMMAND_RESOURCE NewResource()
{
    MODBUS_COMMAND_RESOURCE resource;
    resource.ReferenceAddress = kDefaultReferenceAddress;
    resource.DataTypeSize = 1;
    resource.Length = 1;
    return resource;
}

void SaveSwappedValue(IXMLElement* element, qint32 swappedValue)
{
    if (swappedValue == MODBUS_COMMAND_SETTINGS::kSwapNotApplicable)
        AddValue(element, Names::SwappedValue, ServiceXml::NotApplicable);
    else
        AddValue(element, Names::SwappedValue, swappedValue);
}

qint32 LoadSwappedValue(IXMLElement* element)
{
    return IntValueUnlessNotApplicable(element, Names::SwappedValue, MODBUS_COMMAND_SETTINGS::kSwapNotApplicable);
}

// The resource's values but its length, which the two lists name differently.
void SaveResourceHead(const MODBUS_COMMAND_RESOURCE& resource, IXMLElement* element)
{
    AddValue(element, ServiceXml::ResID, resource.ResID);
    AddValue(element, ServiceXml::Start_Addr, resource.Start_Addr);
    AddValue(element, Names::ReferenceAddress, resource.ReferenceAddress);
    AddValue(element, ServiceXml::DataType, resource.DataType);
    AddValue(element, Names::DataTypeSize, resource.DataTypeSize);
}

qint32 ResourceCount(const QVector<MODBUS_COMMAND_SETTINGS>& commands)
{
    qint32 count = 0;
    for (const MODBUS_COMMAND_SETTINGS& command : commands)
        count += static_cast<qint32>(command.Resources.size());
    return count;
}

bool IsEthernetDevice(const MODBUS_EXTERNAL_DEVICE_SETTINGS& device)
{
    return device.RTUPort == Names::EthernetPort;
}

} // namespace

void MODBUS_COMMAND_RESOURCE::SaveFlat(IXMLElement* element) const
{
    SaveResourceHead(*this, element);
    AddValue(element, ServiceXml::Quantity, Length);
}

void MODBUS_COMMAND_RESOURCE::Save(IXMLElement* element) const
{
    SaveResourceHead(*this, element);
    AddValue(element, Names::Length, Length);
}

void MODBUS_COMMAND_RESOURCE::Load(IXMLElement* element)
{
    ResID = TextValue(element, ServiceXml::ResID);
    Start_Addr = IntValue(element, ServiceXml::Start_Addr, 0);
    ReferenceAddress = IntValue(element, Names::ReferenceAddress, kDefaultReferenceAddress);
    DataType = IntValue(element, ServiceXml::DataType, 0);
    DataTypeSize = IntValue(element, Names::DataTypeSize, 0);
    Length = IntValue(element, Names::Length, 0);
}

void MODBUS_COMMAND_SETTINGS::SaveSummary(IXMLElement* element) const
{
    AddValue(element, ServiceXml::Name, Name);
    AddValue(element, Names::Function_Code, Function_Code);
    SaveSwappedValue(element, SwappedValue);
}

void MODBUS_COMMAND_SETTINGS::Save(IXMLElement* element) const
{
    AddValue(element, ServiceXml::Name, Name);
    AddValue(element, Names::ScanRate, ScanRate);
    AddValue(element, Names::Function_Code, Function_Code);
    AddValue(element, ServiceXml::Start_Addr, Start_Addr);
    SaveSwappedValue(element, SwappedValue);
    AddValue(element, Names::TotalLength, TotalLength);
    AddValue(element, ServiceXml::Quantity, static_cast<qint32>(Resources.size()));
}

void MODBUS_COMMAND_SETTINGS::LoadFlat(IXMLElement* element)
{
    MODBUS_COMMAND_RESOURCE resource = NewResource();
    Name = TextValue(element, ServiceXml::Name);
    Function_Code = IntValue(element, Names::Function_Code, 0);
    resource.ResID = TextValue(element, ServiceXml::ResID);
    Start_Addr = IntValue(element, ServiceXml::Start_Addr, 0);
    resource.Start_Addr = Start_Addr;
    SwappedValue = LoadSwappedValue(element);
    resource.ReferenceAddress = IntValue(element, Names::ReferenceAddress, kDefaultReferenceAddress);
    resource.DataType = IntValue(element, ServiceXml::DataType, 0);
    resource.DataTypeSize = IntValue(element, Names::DataTypeSize, 0);
    TotalLength = IntValue(element, ServiceXml::Quantity, 0);
    resource.Length = TotalLength;
    Resources.append(resource);
}

void MODBUS_COMMAND_SETTINGS::Load(IXMLElement* element)
{
    Resources.clear();
    Name = TextValue(element, ServiceXml::Name);
    Function_Code = IntValue(element, Names::Function_Code, 0);
    Start_Addr = ResultInt(DirectChild(element, ServiceXml::Start_Addr), 0); // the resources have one too
    SwappedValue = LoadSwappedValue(element);
    TotalLength = IntValue(element, Names::TotalLength, 0);
    ScanRate = IntValue(element, Names::ScanRate, kDefaultScanRate);
    ForEachChild(Child(element, ServiceXml::Resource), [this](IXMLElement* item) {
        MODBUS_COMMAND_RESOURCE resource = NewResource();
        resource.Load(item);
        Resources.append(resource);
    });
}

void MODBUS_EXTERNAL_DEVICE_SETTINGS::Save(IXMLElement* element) const
{
    const bool ethernet = IsEthernetDevice(*this);
    AddValue(element, ServiceXml::Index, Index);
    AddValue(element, ServiceXml::Name, Name);
    AddValue(element, Names::RTUPort, RTUPort);
    AddValue(element, Names::IpAddress, ethernet ? IpAddress : ServiceXml::NotApplicable);
    AddValue(element, Names::TCPPort, ethernet ? IntToWString(TCPPort) : ServiceXml::NotApplicable);
    AddValue(element, Names::Polling_Delay, Polling_Delay);
    AddValue(element, ServiceXml::Timeout, Timeout);
    AddValue(element, Names::UnitID, UnitID);
    AddValue(element, Names::RecoverDelay, RecoverDelay);
    AddValue(element, Names::FailRetry, FailRetry);
    AddResIdValue(element, ServiceXml::StatusTag, StatusTag);
    AddResIdValue(element, Names::ErrorTag, ErrorTag);
    AddValue(element, Names::KeepAliveEnable, KeepAliveEnable);
    AddValue(element, Names::KeepAliveInterval, KeepAliveInterval);
    AddValue(element, ServiceXml::Quantity, ResourceCount(Commands));

    // Older readers know only the flat list: one item per resource, numbered on through all commands.
    IXMLElement* flat = element->AddChild(ServiceXml::Resource);
    qsizetype flatNumber = 0;
    for (const MODBUS_COMMAND_SETTINGS& command : Commands) {
        for (const MODBUS_COMMAND_RESOURCE& resource : command.Resources) {
            IXMLElement* item = flat->AddChild(ItemName(ServiceXml::SetPrefix, flatNumber++));
            command.SaveSummary(item);
            resource.SaveFlat(item);
        }
    }

    AddValue(element, Names::MultiTagQuantity, static_cast<qint32>(Commands.size()));
    IXMLElement* grouped = element->AddChild(Names::MultiTagResource);
    for (qsizetype k = 0; k < Commands.size(); ++k) {
        const MODBUS_COMMAND_SETTINGS& command = Commands[k];
        IXMLElement* commandElement = grouped->AddChild(ItemName(ServiceXml::SetPrefix, k));
        command.Save(commandElement);
        IXMLElement* resources = commandElement->AddChild(ServiceXml::Resource);
        for (qsizetype j = 0; j < command.Resources.size(); ++j)
            command.Resources[j].Save(resources->AddChild(ItemName(ServiceXml::SetPrefix, j)));
    }
}

void MODBUS_EXTERNAL_DEVICE_SETTINGS::Load(IXMLElement* element)
{
    Index = IntValue(element, ServiceXml::Index, 0);
    Name = ResultText(DirectChild(element, ServiceXml::Name)); // the commands have names too
    RTUPort = TextValue(element, Names::RTUPort);
    IpAddress = TextValueUnlessNotApplicable(element, Names::IpAddress);
    TCPPort = IntValueUnlessNotApplicable(element, Names::TCPPort, 0);
    Polling_Delay = IntValue(element, Names::Polling_Delay, kMissingPollingDelay);
    Timeout = IntValue(element, ServiceXml::Timeout, kMissingTimeout);
    UnitID = IntValue(element, Names::UnitID, kMissingUnitID);
    RecoverDelay = IntValue(element, Names::RecoverDelay, kMissingRecoverDelay);
    FailRetry = IntValue(element, Names::FailRetry, kMissingFailRetry);
    StatusTag = ResIdValue(element, ServiceXml::StatusTag);
    ErrorTag = ResIdValue(element, Names::ErrorTag);
    KeepAliveEnable = IntValue(element, Names::KeepAliveEnable, 0);
    KeepAliveInterval =
        IntValueInRange(element, Names::KeepAliveInterval, 0, kMaxKeepAliveInterval, kMissingKeepAliveInterval);
    BuildServiceTags(ServiceId::ModbusMaster, Index, TagDefinitions, kAliasFlag);

    IXMLElement* commandCount = Child(element, Names::MultiTagQuantity);
    if (!commandCount) {
        ForEachChild(Child(element, ServiceXml::Resource), [this](IXMLElement* item) {
            MODBUS_COMMAND_SETTINGS command;
            command.LoadFlat(item);
            Commands.append(command);
        });
        return;
    }
    if (ResultInt(commandCount, 0) == 0)
        return;
    ForEachChild(Child(element, Names::MultiTagResource), [this](IXMLElement* item) {
        MODBUS_COMMAND_SETTINGS command;
        command.Load(item);
        Commands.append(command);
    });
}

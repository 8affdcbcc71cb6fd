// One DNP3 master of the outstation in the project file.
#include "DNP3_OUTSTATION_SETTINGS.h"

#include "ServiceElementNames.h"
#include "ServiceFileValues.h"
#include "TextConversion.h"
#include "XMLAttributeReader.h"

using namespace ServiceFile;
namespace Names = ServiceXml::Dnp3;

namespace {

// Kept as it is even outside the retry limits: the controller retries without end.
constexpr qint32 kEndlessRetries = 100;

qint32 ReadFlag(IXMLElement* parent, const QString& name)
{
    return IntValueInRange(parent, name, 0, 1, 0);
}

void SaveUnsolicitedClass(IXMLElement* parent, const QString& name, qint32 count, qint32 enabled)
{
    IXMLElement* element = AddValue(parent, name, count);
    element->SetAttribute(ServiceXml::Enable, IntToWString(enabled));
}

void LoadUnsolicitedClass(IXMLElement* parent, const QString& name, const SettingTriple& triple, qint32& count,
                          qint32& enabled)
{
    count = IntValueInTriple(parent, name, triple);
    QString text;
    enabled = ReadAttributeText(Child(parent, name), ServiceXml::Enable, 0, 1, text) ? ParseLeadingInt(text) : 0;
}

// A master without "Name" gets the empty name; a "Name" without "Result" its own element name.
QString ReadMasterName(IXMLElement* element)
{
    IXMLElement* name = Child(element, ServiceXml::Name);
    return AttributeText(name, ServiceXml::Result, ElementName(name));
}

} // namespace

void DNP3_MASTER_ITEM_SETTINGS::Save(IXMLElement* element) const
{
    AddValue(element, ServiceXml::Name, Name);
    AddValue(element, Names::EnableDnp3Master, EnableDnp3Master);

    IXMLElement* basic = element->AddChild(Names::BasicSetting);
    AddValue(basic, Names::DestinationAddr, DestinationAddr);
    AddValue(basic, Names::EnableUnsolicited, EnableUnsolicited);
    AddValue(basic, Names::MasterIP, MasterIP);
    AddValue(basic, Names::DestinationPort, DestinationPort);

    IXMLElement* advanced = element->AddChild(Names::AdvancedSetting);
    AddValue(advanced, Names::FragmentMaxSize, FragmentMaxSize);
    AddValue(advanced, Names::ApplicationConfirmTimeout, ApplicationConfirmTimeout);
    AddValue(advanced, Names::DLConfirmMode, DLConfirmMode);
    AddValue(advanced, Names::DLConfirmTimeout, DLConfirmTimeout);
    AddValue(advanced, Names::DLConfirmRetry, DLConfirmRetry);
    AddValue(advanced, Names::EventBufferOverflow, EventBufferOverflow);
    AddValue(advanced, Names::MaximumBinaryEventStorage, MaximumBinaryEventStorage);
    AddValue(advanced, Names::MaximumAnalogEventStorage, MaximumAnalogEventStorage);
    AddValue(advanced, Names::MaximumCounterEventStorage, MaximumCounterEventStorage);
    if (UnsolicitedTimeout != UnsoliciteTimeoutValue.defaultValue)
        AddValue(advanced, Names::UnsolicitedTimeout, UnsolicitedTimeout);
    AddValue(advanced, Names::UnsolicitedHoldingTime, UnsolicitedHoldingTime);
    SaveUnsolicitedClass(advanced, Names::NumberofUnsolicitedClass1, NumberofUnsolicitedClass1,
                         EnableUnsolicitedClass1);
    SaveUnsolicitedClass(advanced, Names::NumberofUnsolicitedClass2, NumberofUnsolicitedClass2,
                         EnableUnsolicitedClass2);
    SaveUnsolicitedClass(advanced, Names::NumberofUnsolicitedClass3, NumberofUnsolicitedClass3,
                         EnableUnsolicitedClass3);
    AddValue(advanced, Names::UnsolicitedRetry, UnsolicitedRetry);
}

void DNP3_MASTER_ITEM_SETTINGS::Load(IXMLElement* element)
{
    Name = ReadMasterName(element);
    EnableDnp3Master = ReadFlag(element, Names::EnableDnp3Master);

    IXMLElement* basic = Child(element, Names::BasicSetting);
    DestinationAddr = IntValueInTriple(basic, Names::DestinationAddr, DestAddrValue);
    EnableUnsolicited = ReadFlag(basic, Names::EnableUnsolicited);
    MasterIP = TextValue(basic, Names::MasterIP);
    DestinationPort = IntValueInTriple(basic, Names::DestinationPort, DestPortValue);

    IXMLElement* advanced = Child(element, Names::AdvancedSetting);
    FragmentMaxSize = IntValueInTriple(advanced, Names::FragmentMaxSize, FragmentSizeValue);
    ApplicationConfirmTimeout = IntValueInTriple(advanced, Names::ApplicationConfirmTimeout, APConfirmTimeoutValue);
    DLConfirmMode = ReadFlag(advanced, Names::DLConfirmMode);
    DLConfirmTimeout = IntValueInTriple(advanced, Names::DLConfirmTimeout, DLResponseTimeoutValue);
    DLConfirmRetry = IntValueInTriple(advanced, Names::DLConfirmRetry, DLMaxRetryValue);
    Reserved = 0;
    EventBufferOverflow = ReadFlag(advanced, Names::EventBufferOverflow);
    MaximumBinaryEventStorage = IntValueInTriple(advanced, Names::MaximumBinaryEventStorage, MaxBinaryEventStorage);
    MaximumAnalogEventStorage = IntValueInTriple(advanced, Names::MaximumAnalogEventStorage, MaxAnalogEventStorage);
    MaximumCounterEventStorage = IntValueInTriple(advanced, Names::MaximumCounterEventStorage, MaxCounterEventStorage);
    UnsolicitedTimeout = IntValueInTriple(advanced, Names::UnsolicitedTimeout, UnsoliciteTimeoutValue);
    UnsolicitedHoldingTime = IntValueInTriple(advanced, Names::UnsolicitedHoldingTime, UnsoliciteHoldTimeValue);
    LoadUnsolicitedClass(advanced, Names::NumberofUnsolicitedClass1, UnsoliciteTriggerClass1, NumberofUnsolicitedClass1,
                         EnableUnsolicitedClass1);
    LoadUnsolicitedClass(advanced, Names::NumberofUnsolicitedClass2, UnsoliciteTriggerClass2, NumberofUnsolicitedClass2,
                         EnableUnsolicitedClass2);
    LoadUnsolicitedClass(advanced, Names::NumberofUnsolicitedClass3, UnsoliciteTriggerClass3, NumberofUnsolicitedClass3,
                         EnableUnsolicitedClass3);
    const bool endless = IntValue(advanced, Names::UnsolicitedRetry, 0) == kEndlessRetries;
    UnsolicitedRetry =
        endless ? kEndlessRetries : IntValueInTriple(advanced, Names::UnsolicitedRetry, UnsolicitedRetryValue);
}

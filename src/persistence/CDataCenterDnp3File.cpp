// The DNP3 outstation element of the project file: its settings, masters and point groups.
#include "CDataCenter.h"

#include "ResultCodes.h"
#include "ServiceElementNames.h"
#include "ServiceFileValues.h"
#include "ServiceTagEngine.h"
#include "TextConversion.h"
#include "TypeIds.h"
#include "XMLAttributeReader.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

using namespace ServiceFile;
namespace Names = ServiceXml::Dnp3;

namespace {

// In the model's group order: binary input, binary output, analog input, analog output, counter.
const std::array<QString, CDataCenter::kDnp3GroupCount> kGroupNames{
    Names::BinaryInput, Names::BinaryOutput, Names::AnalogInput, Names::AnalogOutput, Names::Counter,
};

constexpr int kServiceNotOffered = 2; // GetServiceValue of a service missing from the table
constexpr qint32 kMaxClass = 4;
constexpr qint32 kValueDeviation = 1; // analog deadband as a value, not a percentage
// Points name one master, the first.
const QString kMasterCount = QStringLiteral("1");
const QString kMasterNumber = QStringLiteral("0");
const QString kFirstMasterItem = ServiceFile::ItemName(ServiceXml::SetPrefix, 0);
const QString kFirstPoint = ServiceFile::ItemName(ServiceXml::TagPrefix, 0);

// The shortest text that reads back as the same float.
QString FloatText(float value)
{
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, written.ptr - buffer);
}

// Written only when not 0: files of points in percentage mode keep their bytes.
void SaveDeadbandMode(const DNP3_POINT_SETTINGS& point, IXMLElement* deadband)
{
    if (point.DeviationType != 0)
        deadband->SetAttribute(Names::DeviationType, IntToWString(point.DeviationType));
    if (point.DeadbandFloat != 0.0f)
        deadband->SetAttribute(Names::DeadbandFloat, FloatText(point.DeadbandFloat));
}

void LoadDeadbandMode(IXMLElement* deadband, DNP3_POINT_SETTINGS& point)
{
    point.DeviationType = AttributeInt(deadband, Names::DeviationType) == kValueDeviation ? kValueDeviation : 0;
    QString text;
    if (!ReadAttribute(deadband, Names::DeadbandFloat, text))
        return;
    // A value no float can hold is taken as none.
    const double value = ParseLeadingDouble(text);
    point.DeadbandFloat = std::abs(value) <= std::numeric_limits<float>::max() ? static_cast<float>(value) : 0.0f;
}

void SavePoint(const DNP3_POINT_SETTINGS& point, int channelRange, IXMLElement* element)
{
    IXMLElement* general = element->AddChild(Names::General);
    general->SetAttribute(ServiceXml::Name, point.Name);
    general->SetAttribute(Names::ResourceID, point.ResourceID);

    IXMLElement* condition = element->AddChild(Names::EventCondition);
    condition->AddChild(Names::SBICondition)->SetAttribute(Names::ConditionEnable, IntToWString(point.SBICondition));
    IXMLElement* counter = condition->AddChild(Names::CounterCondition);
    counter->SetAttribute(Names::ConditionEnable, IntToWString(point.CounterConditionEnable));
    counter->SetAttribute(Names::ChangeDeviation, Int64ToWString(point.ChangeDeviation));
    IXMLElement* deadband = condition->AddChild(Names::AIDeadband);
    deadband->SetAttribute(Names::ConditionEnable, IntToWString(point.AIDeadbandEnable));
    deadband->SetAttribute(Names::Range, IntToWString(channelRange));
    deadband->SetAttribute(Names::Percentage, Int64ToWString(point.DeadbandInteger));
    SaveDeadbandMode(point, deadband);

    IXMLElement* masterClass = element->AddChild(Names::MasterClass);
    AddValue(masterClass, ServiceXml::Quantity, kMasterCount);
    IXMLElement* firstMaster = masterClass->AddChild(kFirstMasterItem);
    firstMaster->SetAttribute(Names::Master, kMasterNumber);
    firstMaster->SetAttribute(Names::Class, IntToWString(point.Class));
}

// Every value under a missing element is 0 or empty.
DNP3_POINT_SETTINGS LoadPoint(IXMLElement* element)
{
    DNP3_POINT_SETTINGS point;
    IXMLElement* general = Child(element, Names::General);
    point.Name = AttributeText(general, ServiceXml::Name);
    point.ResourceID = AttributeText(general, Names::ResourceID);

    IXMLElement* condition = Child(element, Names::EventCondition);
    point.SBICondition = AttributeInt(Child(condition, Names::SBICondition), Names::ConditionEnable);
    IXMLElement* counter = Child(condition, Names::CounterCondition);
    point.CounterConditionEnable = AttributeInt(counter, Names::ConditionEnable);
    point.ChangeDeviation = AttributeInt64(counter, Names::ChangeDeviation);
    IXMLElement* deadband = Child(condition, Names::AIDeadband);
    point.AIDeadbandEnable = AttributeInt(deadband, Names::ConditionEnable);
    point.Range = AttributeInt(deadband, Names::Range);
    point.DeadbandInteger = AttributeInt64(deadband, Names::Percentage);
    LoadDeadbandMode(deadband, point);

    IXMLElement* firstMaster = Child(Child(element, Names::MasterClass), kFirstMasterItem);
    QString text;
    point.Class = ReadAttributeText(firstMaster, Names::Class, 0, kMaxClass, text) ? ParseLeadingInt(text) : 0;
    return point;
}

void LoadPointGroup(IXMLElement* element, Dnp3PointGroup& group)
{
    group.StaticVariation = UnsignedValue(element, Names::StaticVariation, 0);
    group.EventVariation = UnsignedValue(element, Names::EventVariation, 0);
    group.FrozenVariation = UnsignedValue(element, Names::FrozenVariation, 0);
    group.FrozenEventVariation = UnsignedValue(element, Names::FrozenEventVariation, 0);
    group.Points.clear();
    ForEachNamedFrom(element, kFirstPoint, ServiceXml::TagPrefix,
                     [&group](IXMLElement* item) { group.Points.append(LoadPoint(item)); });
}

} // namespace

void CDataCenter::SaveDnp3OutstationService(IXMLElement* serviceConfiguration) const
{
    IXMLElement* outstation = serviceConfiguration->AddChild(ServiceXml::ServiceConfiguration::Dnp3Outstation);
    const int value = GetServiceValue(ServiceId::Dnp3Outstation);
    outstation->SetAttribute(ServiceXml::Result,
                             value == kServiceNotOffered ? ServiceXml::NotApplicable : IntToWString(value));
    SaveDnp3Outstation(outstation);
    for (size_t i = 0; i < Dnp3Groups.size(); ++i)
        SaveDnp3PointSettings(Dnp3Groups[i], outstation, kGroupNames[i]);
}

void CDataCenter::SaveDnp3Outstation(IXMLElement* outstation) const
{
    AddValue(outstation, Names::LocalAddr, Dnp3Outstation.LocalAddr);
    AddValue(outstation, Names::LocalPort, Dnp3Outstation.LocalPort);
    for (qsizetype i = 0; i < Dnp3Outstation.Masters.size(); ++i)
        Dnp3Outstation.Masters[i].Save(outstation->AddChild(ItemName(ServiceXml::SetPrefix, i)));
}

void CDataCenter::LoadDnp3Outstation(IXMLElement* outstation)
{
    DNP3_OUTSTATION_SETTINGS& settings = Dnp3Outstation;
    settings.LocalAddr = IntValueInTriple(outstation, Names::LocalAddr, settings.LocalAddrValue);
    settings.LocalPort = IntValueInTriple(outstation, Names::LocalPort, settings.LocalPortValue);
    settings.Masters.clear();
    // Building a master reads its limits from DefaultSettings.ini: one fresh master is the
    // model of all read here.
    const DNP3_MASTER_ITEM_SETTINGS freshMaster;
    ForEachNamedFrom(outstation, kFirstMasterItem, ServiceXml::SetPrefix, [&settings, &freshMaster](IXMLElement* item) {
        DNP3_MASTER_ITEM_SETTINGS master = freshMaster;
        master.Load(item);
        settings.Masters.append(master);
    });
}

void CDataCenter::SaveDnp3PointSettings(const Dnp3PointGroup& group, IXMLElement* outstation,
                                        const QString& groupName) const
{
    IXMLElement* element = outstation->AddChild(groupName);
    AddValue(element, ServiceXml::Quantity, static_cast<qint32>(group.Points.size()));
    AddValue(element, Names::StaticVariation, UnsignedText(group.StaticVariation));
    AddValue(element, Names::EventVariation, UnsignedText(group.EventVariation));
    AddValue(element, Names::FrozenVariation, UnsignedText(group.FrozenVariation));
    AddValue(element, Names::FrozenEventVariation, UnsignedText(group.FrozenEventVariation));
    for (qsizetype i = 0; i < group.Points.size(); ++i) {
        const DNP3_POINT_SETTINGS& point = group.Points[i];
        // The channel's range as it is now: the point keeps no range of its own.
        SavePoint(point, AnalogChannelRange(*this, point.ResourceID),
                  element->AddChild(ItemName(ServiceXml::TagPrefix, i)));
    }
}

int CDataCenter::LoadDnp3Points(IXMLElement* outstation)
{
    for (size_t i = 0; i < Dnp3Groups.size(); ++i) {
        if (IXMLElement* group = DirectChild(outstation, kGroupNames[i]))
            LoadPointGroup(group, Dnp3Groups[i]);
    }
    return kS_OK;
}

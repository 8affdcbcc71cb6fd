// The digital input/output group "DIO" of a slot.
#include "ModuleRecords.h"

#include "AbbreviationLists.h"
#include "ChannelElementNames.h"
#include "ChannelGroupIO.h"
#include "DigitalValueIO.h"

using namespace DeviceFile;

namespace {

constexpr int kMeasurementTimeMin = 1;
constexpr int kMeasurementTimeMax = 1000000;
constexpr qint32 kMissingMeasurementTime = 1;
constexpr int kStatusMax = 1;
constexpr double kMissingFrequency = 1.0;

const OutputValueNames& outputNames()
{
    static const OutputValueNames names{Name::DOMode, Name::DOStatus};
    return names;
}

void addValues(IXMLElement* item, const DIOChannel& channel)
{
    const DISettingBlock& di = channel.Setting.DI;
    AddSigned(item, Name::IODirection, channel.IODirection);
    AddSigned(item, Name::DIMode, di.DI_Mode);
    AddUnsigned(item, Name::Filter, di.Filter);
    AddValue(item, Name::Trigger, TriggerText(di.Trigger));
    AddUnsigned(item, Name::MeasurementTime, di.Measurement_Time);
    AddUnsigned(item, Name::InitValDIOCntVal, di.InitVal_CntVal);
    AddOutputValues(item, channel.Setting.DO, outputNames());
}

void readValues(DIOChannel& channel, IXMLElement* item)
{
    DISettingBlock& di = channel.Setting.DI;
    channel.IODirection = SignedOr(item, Name::IODirection, 0, 0, 0);
    di.DI_Mode = SignedOr(item, Name::DIMode, 0, 0, 0);
    di.Filter = UnsignedOr(item, Name::Filter, 0, 0, 0);
    di.Trigger = ReadTrigger(item);
    di.Measurement_Time = static_cast<quint32>(
        SignedOr(item, Name::MeasurementTime, kMeasurementTimeMin, kMeasurementTimeMax, kMissingMeasurementTime));
    di.InitVal_CntVal = UnsignedOr(item, Name::InitValDIOCntVal, 0, 0, 0);
    ReadOutputValues(item, channel.Setting.DO, outputNames(), {kStatusMax, kMissingFrequency});
}

} // namespace

void DIOModuleSlotRecord::SaveDioChannels(IXMLElement* slotElement)
{
    GroupElements group;
    if (!AddGroupElements(slotElement, Name::DIO, group))
        return;
    GetAbbreviationList(Name::DIO, Abbreviations);
    for (size_t k = 0; k < Channels.size(); ++k) {
        const ChannelItems items = AddChannelItems(group, static_cast<int>(k));
        addValues(items.setting, Channels[k]);
        AddPositionalResourceIds(items.resource, Channels[k].TagDefinitions, Abbreviations, Name::DIO, ResSize);
    }
}

void DIOModuleSlotRecord::LoadDioChannels(IXMLElement* element)
{
    GetAbbreviationList(Name::DIO, Abbreviations);
    FillChannels(ChildrenOf(element), Channels, ChannelCount, readValues);
}

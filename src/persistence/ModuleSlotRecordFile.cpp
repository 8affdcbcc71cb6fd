// The digital input group "DI" of a slot, in its standard and high-voltage layouts.
#include "ModuleRecords.h"

#include "AbbreviationLists.h"
#include "ChannelElementNames.h"
#include "ChannelGroupIO.h"
#include "DeviceFileNames.h"
#include "DigitalValueIO.h"
#include "TextConversion.h"
#include "TextFormat.h"

using namespace DeviceFile;

namespace {

constexpr char16_t kScanOffTimeFormat[] = u"%.1f";
constexpr double kScanOffTimeFactor = 7.0;
constexpr quint32 kAnyUnsigned = 0xFFFFFFFFu;
constexpr quint32 kMissingFilter = 100;
constexpr int kModeMax = 2;
constexpr int kMeasurementTimeMin = 1;
constexpr int kMeasurementTimeMax = 1000000;
constexpr qint32 kMissingMeasurementTime = 1;
constexpr double kMissingFirstOnTime = 15.0;
constexpr qsizetype kCounterAbbreviation = 1; // the reader names the counter value by this entry

void addStandardValues(IXMLElement* item, const DISettingBlock& block)
{
    AddUnsigned(item, Name::Filter, block.Filter);
    AddValue(item, Name::Trigger, TriggerText(block.Trigger));
    AddSigned(item, Name::DIMode, block.DI_Mode);
    AddUnsigned(item, Name::InitValCntVal, block.InitVal_CntVal);
    AddUnsigned(item, Name::MeasurementTime, block.Measurement_Time);
}

void addHighVoltageValues(IXMLElement* item, const DISettingBlock& block)
{
    AddUnsigned(item, Name::FirstOnEnable, static_cast<quint32>(block.FirstOnEnable));
    AddValue(item, Name::FirstOnTime, FloatToString(block.FirstOnTime));
    const double scanOffTime = kScanOffTimeFactor * static_cast<double>(block.FirstOnTime);
    AddValue(item, Name::ScanOffTime, FormatText(kScanOffTimeFormat, {scanOffTime}));
}

void addExternalPower(IXMLElement* slotElement, const std::vector<TagDefinition>& tags)
{
    IXMLElement* extPower = slotElement->FindChild(Name::Resource)->AddChild(Name::ExtPower);
    for (size_t i = 0; i < tags.size(); ++i)
        AddValue(extPower->AddChild(ItemName(static_cast<int>(i))), Name::ResIDVal, tags[i].ResourceText);
}

// The reader finds the counter value under "InitVal_" and the second abbreviation, which is the
// written name when the defaults file is complete; without that entry the written name is used.
QString counterValueName(const QStringList& abbreviations)
{
    return abbreviations.size() > kCounterAbbreviation && !abbreviations[kCounterAbbreviation].isEmpty()
               ? Name::InitValPrefix + abbreviations[kCounterAbbreviation]
               : Name::InitValCntVal;
}

void readStandardValues(IXMLElement* item, DISettingBlock& block, const QString& counterName)
{
    block.Filter = UnsignedOr(item, Name::Filter, 0, kAnyUnsigned, kMissingFilter);
    block.DI_Mode = SignedOr(item, Name::DIMode, 0, kModeMax, 0);
    block.Trigger = ReadTrigger(item);
    block.Measurement_Time = static_cast<quint32>(
        SignedOr(item, Name::MeasurementTime, kMeasurementTimeMin, kMeasurementTimeMax, kMissingMeasurementTime));
    block.InitVal_CntVal = UnsignedOr(item, counterName, 0, kAnyUnsigned, 0);
}

void readHighVoltageValues(IXMLElement* item, DISettingBlock& block)
{
    block.FirstOnEnable = static_cast<qint32>(UnsignedOr(item, Name::FirstOnEnable, 0, 1, 0));
    block.FirstOnTime = static_cast<float>(RealOr(item, Name::FirstOnTime, kMissingFirstOnTime));
}

} // namespace

void ModuleSlotRecord::SaveDiChannels(IXMLElement* slotElement)
{
    GroupElements group;
    if (!AddGroupElements(slotElement, Name::DI, group))
        return;
    GetAbbreviationList(Name::DI, Abbreviations);
    for (size_t k = 0; k < Channels.size(); ++k) {
        const DIChannel& channel = Channels[k];
        const ChannelItems items = AddChannelItems(group, static_cast<int>(k));
        if (HighVoltage)
            addHighVoltageValues(items.setting, channel.Setting);
        else
            addStandardValues(items.setting, channel.Setting);
        AddTagResourceIds(items.resource, channel.TagDefinitions, Abbreviations, Name::DI);
    }
    if (HighVoltage)
        addExternalPower(slotElement, ExternalPowerTags);
}

void ModuleSlotRecord::LoadDiChannels(IXMLElement* element)
{
    GetAbbreviationList(Name::DI, Abbreviations);
    const QString counterName = counterValueName(Abbreviations);
    FillChannels(ChildrenOf(element), Channels, ChannelCount, [&](DIChannel& channel, IXMLElement* item) {
        // The layout goes with the channel element: only the standard layout has "Filter".
        HighVoltage = item->FindChild(Name::Filter) ? 0 : 1;
        if (HighVoltage)
            readHighVoltageValues(item, channel.Setting);
        else
            readStandardValues(item, channel.Setting, counterName);
    });
}

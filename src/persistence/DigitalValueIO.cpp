#include "DigitalValueIO.h"

#include "ChannelElementNames.h"
#include "DeviceFileIO.h"
#include "DeviceFileNames.h"
#include "TextConversion.h"
#include "TextFormat.h"

namespace DeviceFile {

namespace {

constexpr char16_t kFrequencyFormat[] = u"%.2f";
constexpr char16_t kDutyCycleFormat[] = u"%.1f";
constexpr double kMissingDutyCycle = 50.0;

} // namespace

QString TriggerText(qint32 trigger)
{
    return trigger == kNoTrigger ? Name::NotSet : IntToWString(trigger);
}

qint32 ReadTrigger(IXMLElement* channel)
{
    QString text;
    if (ReadValue(channel, Name::Trigger, text) && text == Name::NotSet)
        return kNoTrigger;
    return SignedOr(channel, Name::Trigger, 0, kTriggerMax, 0);
}

void AddOutputValues(IXMLElement* item, const OutputSettingBlock& block, const OutputValueNames& names)
{
    AddSigned(item, names.mode, block.Mode);
    AddSigned(item, names.status, block.Status);
    AddValue(item, Name::Frequency, FormatText(kFrequencyFormat, {block.Frequency}));
    AddValue(item, Name::DutyCycle, FormatText(kDutyCycleFormat, {block.DutyCycle}));
    AddUnsigned(item, Name::OutputPulse, block.OutputPulse);
}

void ReadOutputValues(IXMLElement* item, OutputSettingBlock& block, const OutputValueNames& names,
                      const OutputReadRules& rules)
{
    block.Mode = SignedOr(item, names.mode, 0, 0, 0);
    block.Status = SignedOr(item, names.status, 0, rules.statusMaximum, 0);
    block.Frequency = RealOr(item, Name::Frequency, rules.missingFrequency);
    block.DutyCycle = RealOr(item, Name::DutyCycle, kMissingDutyCycle);
    block.OutputPulse = UnsignedOr(item, Name::OutputPulse, 0, 0, 0);
}

} // namespace DeviceFile

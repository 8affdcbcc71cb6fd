#include "CDevCfgRelay.h"

#include "CDataCenter.h"
#include "TypeIds.h"

namespace {
const QString kSection = QStringLiteral("Relay");
// The relay's duty limits are not cut to tenths, and its out-of-range duty shares the
// frequency's message.
constexpr PulseDutyRule kRelayDutyRule{&ChannelRules::ExactDutyCycleRange, PulseOutputEditors::kStringFrequencyRange};
} // namespace

CDevCfgRelay::CDevCfgRelay(IPageHost* host) : CDevCfgDO(host, kSection, ChannelType::Relay, kRelayDutyRule)
{}

bool CDevCfgRelay::CopyRecord(const CDataCenter& model)
{
    return model.GetRelaySetting(Slot(), record_) != 0;
}

void CDevCfgRelay::WriteChannel(CDataCenter& model, int channel)
{
    model.SetRelayChannelSetting(Slot(), channel, record_.Channels.at(size_t(channel)).Setting);
}

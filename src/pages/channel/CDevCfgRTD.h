#pragma once
// The RTD input page: the temperature channel page over the slot's RTD record (raw unit: ohm).

#include "CTemperatureChannelPage.h"

namespace RTDPage {
inline constexpr unsigned kTemplate = 718;
inline constexpr TemperaturePageIds kIds{
    .channelList = {2702, ControlType::List},
    .tagList = {1150, ControlType::List},
    .tagGroup = {1151, ControlType::GroupBox},
    .sensorType = {1139, ControlType::DropList},
    .unitRadios = {{1143, ControlType::Radio}, {1144, ControlType::Radio}, {1145, ControlType::Radio}},
    .offsetLabel = {2093, ControlType::Static},
    .offset = {2095, ControlType::Edit},
    .offsetRange = {1152, ControlType::Static},
    .inputRange = {2707, ControlType::Static},
    .apply = {2706, ControlType::Button},
};
} // namespace RTDPage

class CDevCfgRTD : public CTemperatureChannelPage {
public:
    explicit CDevCfgRTD(IPageHost* host);

protected:
    bool CopyRecord(const CDataCenter& model) override;
    void WriteChannel(CDataCenter& model, int channel) override;
};

#pragma once
// The thermocouple input page: the temperature channel page over the slot's thermocouple record
// (raw unit: millivolt).

#include "CTemperatureChannelPage.h"

namespace TCPage {
inline constexpr unsigned kTemplate = 822;
inline constexpr TemperaturePageIds kIds{
    .channelList = {2692, ControlType::List},
    .tagList = {1149, ControlType::List},
    .tagGroup = {1231, ControlType::GroupBox},
    .sensorType = {3284, ControlType::DropList},
    .unitRadios = {{1135, ControlType::Radio}, {1136, ControlType::Radio}, {1137, ControlType::Radio}},
    .offsetLabel = {2090, ControlType::Static},
    .offset = {2091, ControlType::Edit},
    .offsetRange = {2092, ControlType::Static},
    .inputRange = {3287, ControlType::Static},
    .apply = {2705, ControlType::Button},
};
} // namespace TCPage

class CDevCfgTC : public CTemperatureChannelPage {
public:
    explicit CDevCfgTC(IPageHost* host);

protected:
    bool CopyRecord(const CDataCenter& model) override;
    void WriteChannel(CDataCenter& model, int channel) override;
};

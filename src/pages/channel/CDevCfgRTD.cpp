#include "CDevCfgRTD.h"

#include "CDataCenter.h"
#include "TypeIds.h"

CDevCfgRTD::CDevCfgRTD(IPageHost* host)
    : CTemperatureChannelPage(host,
                              {.templateId = RTDPage::kTemplate,
                               .section = QStringLiteral("RTDSensorType"),
                               .sensorColumnString = 693,
                               .channelTypeId = ChannelType::Rtd,
                               .rawRangeFormat = QStringLiteral("(%d - %d)Ω"),
                               .rawRangeIsDecimal = false},
                              RTDPage::kIds)
{}

bool CDevCfgRTD::CopyRecord(const CDataCenter& model)
{
    return model.GetRTDSetting(Slot(), record_) != 0;
}

void CDevCfgRTD::WriteChannel(CDataCenter& model, int channel)
{
    model.SetRTDChannelSetting(Slot(), channel, record_.Channels.at(size_t(channel)).Setting);
}

#include "CDevCfgTC.h"

#include "CDataCenter.h"
#include "TypeIds.h"

CDevCfgTC::CDevCfgTC(IPageHost* host)
    : CTemperatureChannelPage(host,
                              {.templateId = TCPage::kTemplate,
                               .section = QStringLiteral("TCSensorType"),
                               .sensorColumnString = 758,
                               .channelTypeId = ChannelType::Thermocouple,
                               .rawRangeFormat = QStringLiteral("(%.3f - %.3f)mV"),
                               .rawRangeIsDecimal = true},
                              TCPage::kIds)
{}

bool CDevCfgTC::CopyRecord(const CDataCenter& model)
{
    return model.GetTCSetting(Slot(), record_) != 0;
}

void CDevCfgTC::WriteChannel(CDataCenter& model, int channel)
{
    model.SetTCChannelSetting(Slot(), channel, record_.Channels.at(size_t(channel)).Setting);
}

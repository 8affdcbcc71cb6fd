#pragma once
// The relay output page: the digital output page's template, editors and rules over the relay
// record of the slot ([Relay] settings, relay channel tags).

#include "CDevCfgDO.h"

class CDevCfgRelay : public CDevCfgDO {
public:
    explicit CDevCfgRelay(IPageHost* host);

protected:
    bool CopyRecord(const CDataCenter& model) override;
    void WriteChannel(CDataCenter& model, int channel) override;
    ChannelRefusals::Order RefusalOrder() const override { return ChannelRefusals::Order::CommonTextFirst; }
};

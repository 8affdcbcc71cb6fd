#include "ServiceTagEngine.h"

#include "CAutoResource.h"
#include "CDataCenter.h"

#include <utility>

namespace {

ServiceTagEngine& installedEngine()
{
    static ServiceTagEngine engine;
    return engine;
}

constexpr int kNoChannelRange = 0;

} // namespace

const ServiceTagEngine& GetServiceTagEngine()
{
    return installedEngine();
}

void InstallServiceTagEngine(ServiceTagEngine engine)
{
    installedEngine() = std::move(engine);
}

void BuildServiceTags(int serviceId, int itemIndex, QVector<TagDefinition>& definitions, int aliasFlag)
{
    if (const auto& build = installedEngine().BuildServiceTags)
        build(serviceId, itemIndex, definitions, aliasFlag);
    else
        CAutoResource::GetInstance()->BuildServiceTags(serviceId, itemIndex, definitions, aliasFlag);
}

void QueueTagFromDefinition(CDataCenter& model, const TagDefinition& definition, const QString& ownerName,
                            int ownerTypeId, TagServiceLink serviceUse)
{
    if (const auto& queue = installedEngine().QueueTagFromDefinition)
        queue(model, definition, ownerName, ownerTypeId, serviceUse);
    else
        model.QueueTagFromDefinition(definition, ownerName, ownerTypeId, serviceUse.ServiceId, serviceUse.ItemIndex);
}

int AnalogChannelRange(const CDataCenter& model, const QString& resourceId)
{
    if (const auto& range = installedEngine().AnalogChannelRange)
        return range(model, resourceId);
    int rangeCode = kNoChannelRange;
    model.TagOrChannelExists(resourceId, rangeCode);
    return rangeCode;
}

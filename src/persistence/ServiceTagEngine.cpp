#include "ServiceTagEngine.h"

#include "CDataCenter.h"
#include "TraceLog.h"

#include <utility>

namespace {

ServiceTagEngine& installedEngine()
{
    static ServiceTagEngine engine;
    return engine;
}

constexpr int kNoChannelRange = 0;

// A program that never installed the engine loses automatic tags quietly; say so once.
void TraceMissing(const char* operation, bool& traced)
{
    if (traced)
        return;
    traced = true;
    TraceLog("%s:%d: service tag engine has no %s; the project file goes on without it", __FILE__, __LINE__,
             operation);
}

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
    static bool traced = false;
    if (const auto& build = installedEngine().BuildServiceTags)
        build(serviceId, itemIndex, definitions, aliasFlag);
    else
        TraceMissing("BuildServiceTags", traced);
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

#pragma once
// What the service groups of the project file need of the tag engine: rebuilding an item's
// automatic tag definitions, queueing a status tag for files written before the service had its
// element, and the range code of the analog channel behind a tag address. Each goes to the
// model's own operation (the automatic tags to CAutoResource) unless a test installs a double.

#include "TagDefinition.h"
#include "TagRecord.h"

#include <QString>
#include <QVector>

#include <functional>

class CDataCenter;

struct ServiceTagEngine {
    // CAutoResource::BuildServiceTags: appends the automatic tags of item `itemIndex` of the service.
    std::function<void(int serviceId, int itemIndex, QVector<TagDefinition>& definitions, int aliasFlag)>
        BuildServiceTags;
    // CDataCenter::QueueTagFromDefinition: queues a tag made from the definition, owned by the
    // named channel group of that type, with the service use it is to get.
    std::function<void(CDataCenter& model, const TagDefinition& definition, const QString& ownerName, int ownerTypeId,
                       TagServiceLink serviceUse)>
        QueueTagFromDefinition;
    // CDataCenter::TagOrChannelExists: the range code of the analog channel the address refers
    // to, 0 when it refers to none.
    std::function<int(const CDataCenter& model, const QString& resourceId)> AnalogChannelRange;
};

// The installed operations; the returned engine is replaced whole by InstallServiceTagEngine.
const ServiceTagEngine& GetServiceTagEngine();
void InstallServiceTagEngine(ServiceTagEngine engine);

// The calls the groups make; each uses the model's own operation when none is installed.
void BuildServiceTags(int serviceId, int itemIndex, QVector<TagDefinition>& definitions, int aliasFlag);
void QueueTagFromDefinition(CDataCenter& model, const TagDefinition& definition, const QString& ownerName,
                            int ownerTypeId, TagServiceLink serviceUse);
int AnalogChannelRange(const CDataCenter& model, const QString& resourceId);

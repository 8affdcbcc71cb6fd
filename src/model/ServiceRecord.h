#pragma once
// Entries of the service table and of the function list, and the per-service tag references.

#include "TagRecord.h"

#include <QString>
#include <QtGlobal>

#include <vector>

struct ServiceRecord {
    QString ServiceText1;   // the template element's name
    QString ServiceText2;   // its "Alias", else its name
    qint32 ServiceId = 0;   // service resource id: the key of the table
    qint32 Value = 0;       // the service's state, the service element's "Result"
    qint32 Present = 0;     // nonzero when Value is valid
    qint32 ServiceInt1 = 0; // "ServicMap"
    qint32 ServiceInt2 = 0; // "Parent"
};

// What the device tree's builders keep for a template element that carries "ServiceList".
struct FunctionNodeRecord {
    FunctionNodeRecord(QString elementName, QString shownText, int formId, int serviceList, int servicMap, int parent);

    QString ElementName;
    QString ShownText; // the element's "Alias", or its name
    qint32 FormId = 0;
    qint32 Flag = 1;
    qint32 ServiceList = 0;
    qint32 ServicMap = 0;
    qint32 Parent = 0;
};

// A record of (service, item) tag references kept under a key text, like a tag's related services.
struct ServiceTagRecord {
    QString Key;
    std::vector<TagServiceLink> Links;
};

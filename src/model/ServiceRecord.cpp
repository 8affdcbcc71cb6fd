#include "ServiceRecord.h"

FunctionNodeRecord::FunctionNodeRecord(QString elementName, QString shownText, int formId, int serviceList,
                                       int servicMap, int parent)
    : ElementName(std::move(elementName)), ShownText(std::move(shownText)), FormId(formId), ServiceList(serviceList),
      ServicMap(servicMap), Parent(parent)
{}

#include "RichProject.h"

#include "CDataCenter.h"
#include "FilledProject.h"
#include "FullServiceModel.h"

bool BuildRichProject(CDataCenter& model)
{
    if (!FilledProject::BuildLargestProject(model))
        return false;
    using namespace FullServiceModel;
    AddTags(model);
    FillTavo(model);
    FillSnmpAgent(model);
    FillDnp3(model);
    FillAlarms(model);
    FillDataLogging(model);
    FillHsDataLogging(model);
    FillModbusSlave(model);
    FillModbusMaster(model);
    model.RESTfulEnable = 1;
    return true;
}

bool WriteRichProject(const QString& path)
{
    CDataCenter model;
    return BuildRichProject(model) && model.SaveProject(path);
}

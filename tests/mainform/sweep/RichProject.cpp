#include "RichProject.h"

#include "CDataCenter.h"
#include "FilledProject.h"
#include "FullServiceModel.h"

bool BuildRichProject(CDataCenter& model)
{
    if (!FilledProject::BuildLargestProject(model))
        return false;
    FullServiceModel::FillEveryService(model);
    return true;
}

bool WriteRichProject(const QString& path)
{
    CDataCenter model;
    return BuildRichProject(model) && model.SaveProject(path);
}

// The "SystemInformation" group of "Product": model type, the device's location and name, and the
// tool version.
#include "CDataCenter.h"

#include "DeviceFileIO.h"
#include "DeviceFileNames.h"
#include "ResultCodes.h"
#include "SystemInformationNames.h"

using namespace DeviceFile;

void CDataCenter::SaveSystemInformation(IXMLElement* product) const
{
    if (!product)
        return;
    IXMLElement* group = product->AddChild(Name::SystemInformation);
    AddValue(group, Name::ModType, ModType);
    SaveModuleInfo(group);
    AddValue(group, Name::CfgToolVersion, Name::ProjectFileVersion);
}

void CDataCenter::SaveModuleInfo(IXMLElement* group) const
{
    if (!group)
        return;
    AddValue(group, Name::ModLocation, ModuleInfo.ModLocation);
    AddValue(group, Name::ModName, ModuleInfo.ModName);
}

int CDataCenter::LoadSystemInformation(IXMLElement* product)
{
    IXMLElement* group = product ? product->FindChild(Name::SystemInformation) : nullptr;
    if (!group)
        return kE_FAIL;
    // The file belongs to the model type the product template of its CPU slot gave.
    QString modType;
    if (!ReadValue(group, Name::ModType, modType) || modType.compare(ModType, Qt::CaseInsensitive) != 0)
        return kE_FAIL;
    QString toolVersion;
    if (!ReadValue(group, Name::CfgToolVersion, toolVersion))
        return kE_FAIL;
    CfgToolVersion = toolVersion;
    LoadModuleInfo(group);
    return kS_OK;
}

int CDataCenter::LoadModuleInfo(IXMLElement* group)
{
    ModuleInfo.ModLocation = TextOr(group, Name::ModLocation, QString());
    ModuleInfo.ModName = TextOr(group, Name::ModName, QString());
    return kS_OK;
}

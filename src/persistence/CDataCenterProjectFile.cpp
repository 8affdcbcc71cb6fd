// The project file as a whole: the root element and "Product" with its four groups, written in a
// fixed order and read back into a model whose templates are already placed.
#include "CDataCenter.h"

#include "DeviceFileNames.h"
#include "ProjectFileNames.h"
#include "ResultCodes.h"
#include "ServiceElementNames.h"
#include "ServiceFileValues.h"
#include "TextConversion.h"
#include "TraceLog.h"
#include "TypeIds.h"

namespace Name = ProjectFile::Name;

bool CDataCenter::SaveProject(const QString& path)
{
    XMLParserPtr parser = MakeXMLParser();
    if (!parser) {
        TraceLog("%s:%d no XML parser, %s not saved", __FILE__, __LINE__, qUtf8Printable(path));
        return false;
    }
    IXMLElement* root = parser->CreateRoot(Name::Project);
    root->SetAttribute(Name::Result, ProjectName);
    root->SetAttribute(Name::ConfigVersion, DeviceFile::Name::ProjectFileVersion);
    root->SetAttribute(Name::MaxSlotCount, IntToWString(MaxSlotCount));
    // The XML layer writes a temporary file beside the target and renames it over the target
    // only once every byte is written. The tag table is written as it is built, so that a big
    // one is never held twice.
    int result = parser->BeginSave(path, kXMLSaveDefault, root);
    if (result == kXMLOk) {
        IXMLElement* product = root->AddChild(Name::Product);
        SaveSystemInformation(product);
        SaveTagConfiguration(product);
        SaveServiceConfiguration(product);
        SaveDeviceConfiguration(product);
        result = parser->EndSave(root);
    }
    parser->Release(root);
    if (result != kXMLOk) {
        TraceLog("%s:%d project %s not saved: %d", __FILE__, __LINE__, qUtf8Printable(path), result);
        return false;
    }
    return true;
}

int CDataCenter::ReadProduct(IXMLElement* root)
{
    IXMLElement* product = root ? root->FindChild(Name::Product) : nullptr;
    if (!product)
        return kE_FAIL;
    // Every group is read, so a damaged one leaves the others' values for the trace.
    const int results[] = {
        LoadSystemInformation(product),
        LoadDeviceConfiguration(product),
        ReadServiceConfiguration(product),
        LoadTagConfiguration(product),
    };
    IXMLElement* services = ServiceFile::DirectChild(product, ServiceXml::ServiceConfiguration::Element);
    if (IXMLElement* tavo = ServiceFile::DirectChild(services, ServiceXml::ServiceConfiguration::Tavo))
        LoadTavoTagSettings(tavo);
    int result = kS_OK;
    for (size_t group = 0; group < std::size(results); ++group) {
        if (results[group] != kS_OK) {
            TraceLog("%s:%d group %d of Product not read", __FILE__, __LINE__, static_cast<int>(group));
            result = kE_FAIL;
        }
    }
    return result;
}

void CDataCenter::SyncModbusSlaveTagTypes()
{
    if (ModbusSlave.HasMultiTagSet != 0)
        return;
    ModbusSlave.HasMultiTagSet = MODBUS_SLAVE_SETTINGS::kGroupedTagSets;
    for (MODBUS_SLAVE_TAG_SET& set : ModbusSlave.MulitTagSet) {
        for (MODBUS_SLAVE_TAG_ITEM& item : set.Items) {
            TagRecord tag;
            if (!FindTagByAddress(item.Tag, tag)) {
                item.TagType = 0;
                continue;
            }
            item.TagType = tag.DataTypeCode;
            if (set.TagDataType == MODBUS_SLAVE_TAG_SET::kNoTagDataType)
                set.TagDataType = MapDataTypeCode(tag.DataTypeCode);
        }
    }
}

// The "TagConfiguration" group of "Product": the tag counts per data-type index and one "Tag_%d"
// per tag of the tag table.
#include "CDataCenter.h"

#include "DeviceFileIO.h"
#include "DeviceFileNames.h"
#include "ResultCodes.h"
#include "TagConfigurationNames.h"
#include "TextConversion.h"
#include "TypeIds.h"

#include <algorithm>
#include <utility>
#include <vector>

using namespace DeviceFile;

namespace {

constexpr int kDecimal = 10;
constexpr int kSmsAlarmType = ServiceId::AlarmSms; // its tags exist only on products with HSPA

struct StoredTag {
    QString name;
    QString address;
    QString alias;
    int typeId = 0;
};

// The eight values a tag cannot do without; the alias and the type id lie inside "ChannelType",
// found by the deeper search. The direction and the three address numbers are only required.
bool readStoredTag(IXMLElement* tag, StoredTag& out)
{
    QString direction, slotIndex, channelIndex, resourceType, typeId;
    const bool complete =
        ReadValue(tag, Name::TagName, out.name) && ReadValue(tag, Name::ResID, out.address) &&
        ReadValue(tag, Name::ReadWriteDircetion, direction) && ReadValue(tag, Name::SlotIndex, slotIndex) &&
        ReadValue(tag, Name::ChannelIndex, channelIndex) && ReadValue(tag, Name::ResourceType, resourceType) &&
        ReadValue(tag, Name::ChannelTypeAlias, out.alias) && ReadValue(tag, Name::ChannelTypeId, typeId);
    out.typeId = ParseLeadingInt(typeId);
    return complete;
}

// Links with a missing or empty service id or item number are dropped.
void readRelatedServices(IXMLElement* tag, std::vector<TagServiceLink>& links)
{
    IXMLElement* related = tag->FindChild(Name::RelatedService);
    for (IXMLElement* item : ChildrenFrom(related, Name::FirstItem)) {
        QString serviceId, itemIndex;
        if (!ReadValue(item, Name::RTUService, serviceId) || !ReadValue(item, Name::Index, itemIndex) ||
            serviceId.isEmpty() || itemIndex.isEmpty())
            continue;
        links.push_back(MakeIntPair(static_cast<int>(ParseULongText(serviceId, kDecimal)), ParseLeadingInt(itemIndex)));
    }
}

// The SMS page makes an entry's tags on any product: they stay while an entry refers to them.
bool isTagOfSmsEntry(const CDataCenter& model, const QString& address)
{
    const auto& entries = model.AlarmSms.Entries;
    return std::any_of(entries.begin(), entries.end(), [&address](const ALARM_SMS_ITEM_SETTINGS& entry) {
        return entry.TriggerTag == address || entry.StatusTag == address;
    });
}

// One "Tag_%d" into the table; false when a required value is missing.
bool loadTagElement(CDataCenter& model, IXMLElement* element)
{
    StoredTag stored;
    if (!readStoredTag(element, stored))
        return false;
    if (!model.HasHSPA() && stored.typeId == kSmsAlarmType && !isTagOfSmsEntry(model, stored.address))
        return true;
    int dataTypeCode = 0, secondValue = 0, direction = 0;
    model.LookupTagDefinitionFields(stored.address, stored.typeId, dataTypeCode, secondValue, direction);
    TagRecord tag;
    tag.Construct(stored.name, QString(), stored.alias, stored.typeId, stored.address, direction, dataTypeCode,
                  secondValue);
    readRelatedServices(element, tag.RelatedServices);
    model.Tags.push_back(tag);
    model.AddTag(1, std::move(tag));
    return true;
}

} // namespace

void CDataCenter::SaveTagConfiguration(IXMLElement* product) const
{
    if (!product)
        return;
    IXMLElement* group = product->AddChild(Name::TagConfiguration);
    for (size_t index = 0; index < Name::TagQuantities.size(); ++index) {
        const auto count = std::count_if(Tags.begin(), Tags.end(), [index](const TagRecord& tag) {
            return MapDataTypeCode(tag.DataTypeCode) == static_cast<int>(index);
        });
        AddSigned(group, Name::TagQuantities[index], count);
    }
    for (size_t i = 0; i < Tags.size(); ++i) {
        Tags[i].SaveTagElement(group->AddChild(NumberedName(Name::TagPrefix, static_cast<int>(i))));
        group->SaveChildren();
    }
}

int CDataCenter::LoadTagConfiguration(IXMLElement* product)
{
    IXMLElement* group = product ? product->FindChild(Name::TagConfiguration) : nullptr;
    if (!group)
        return kE_FAIL;
    // Every element from "Tag_0" on is a tag, whatever its name. Each is freed once read, so the
    // table grows while the file's elements go.
    const size_t count = CountChildrenFrom(group, Name::FirstTag);
    Tags.reserve(Tags.size() + count);
    IXMLElement* element = count > 0 ? group->FindChild(Name::FirstTag) : nullptr;
    while (element) {
        if (!loadTagElement(*this, element))
            return kE_FAIL;
        IXMLElement* next = group->NextChild();
        group->ReleaseChild(element);
        element = next;
    }
    const bool olderFileWithoutConnectionTags = ConfigVersion == Name::ConfigVersionWithoutConnectionTags1 ||
                                                ConfigVersion == Name::ConfigVersionWithoutConnectionTags2;
    if (CurrentConfigVersion == 0 && olderFileWithoutConnectionTags && HSPAFlag)
        AddConnectionTags();
    return kS_OK;
}

// The "TAVO" element of the project file: the service settings with the servers, and the three
// lists of pushed tags, which the tag table keeps per tag.
#include "CDataCenter.h"

#include "ServiceElementNames.h"
#include "ServiceFileValues.h"
#include "TextConversion.h"
#include "XMLAttributeReader.h"

#include <QHash>

using namespace ServiceFile;
namespace Names = ServiceXml::Tavo;
using ServiceXml::Result;

namespace {

constexpr int kMinInterval = 1;
constexpr int kMaxInterval = 65535;
constexpr int kMaxUnit = 2;

// The first tag of each address, exactly and without regard to case, through the table's index.
class TagAddressIndex {
public:
    explicit TagAddressIndex(TagTable& tags) : m_tags(tags) {}

    TagRecord* Find(const QString& resId) const { return m_tags.EditFirstAt(resId); }
    const TagRecord* FindIgnoringCase(const QString& resId) const { return m_tags.FirstAtNoCase(resId); }

private:
    TagTable& m_tags;
};

bool ReadChecked(IXMLElement* element, const QString& name, int minimum, int maximum, QString& out)
{
    return ReadAttributeText(element, name, minimum, maximum, out) != 0;
}

void SetAccess(IXMLElement* element, const TagRecordExtra& tavo)
{
    element->SetAttribute(Names::Access, FlagText(tavo.Access != 0));
}

void SaveTagLists(const std::vector<TagRecord>& tags, IXMLElement* tavo)
{
    IXMLElement* intervalList = tavo->AddChild(Names::IntervalUpdate);
    IXMLElement* onChangeList = tavo->AddChild(Names::OnChangeUpdate);
    IXMLElement* controlList = tavo->AddChild(Names::ControlTagUpdate);
    qsizetype intervalNumber = 0;
    qsizetype onChangeNumber = 0;
    qsizetype controlNumber = 0;
    for (const TagRecord& tag : tags) {
        if (!tag.PublishToTavo)
            continue;
        if (tag.Tavo.IntervalUpdate) {
            IXMLElement* entry = intervalList->AddChild(ItemName(ServiceXml::TagPrefix, intervalNumber++));
            entry->SetAttribute(Result, tag.ResID);
            entry->SetAttribute(ServiceXml::Interval, ULongToWString(tag.Tavo.Interval));
            entry->SetAttribute(Names::Unit, IntToWString(tag.Tavo.Unit));
            SetAccess(entry, tag.Tavo);
        }
        if (tag.Tavo.OnChangeUpdate) {
            IXMLElement* entry = onChangeList->AddChild(ItemName(ServiceXml::TagPrefix, onChangeNumber++));
            entry->SetAttribute(Result, tag.ResID);
            SetAccess(entry, tag.Tavo);
        }
        if (tag.Tavo.ControlTagUpdate) {
            IXMLElement* entry = controlList->AddChild(ItemName(ServiceXml::TagPrefix, controlNumber++));
            entry->SetAttribute(Result, tag.ResID);
            entry->SetAttribute(Names::Control, tag.Tavo.Control);
            SetAccess(entry, tag.Tavo);
        }
    }
}

// An entry with a value out of its range, or naming no tag, is passed over.
void LoadIntervalList(IXMLElement* list, const TagAddressIndex& index)
{
    ForEachChild(list, [&index](IXMLElement* entry) {
        QString resId, interval, unit, access;
        if (!ReadChecked(entry, Result, 0, 0, resId) ||
            !ReadChecked(entry, ServiceXml::Interval, kMinInterval, kMaxInterval, interval) ||
            !ReadChecked(entry, Names::Unit, 0, kMaxUnit, unit) || !ReadChecked(entry, Names::Access, 0, 1, access))
            return;
        TagRecord* tag = index.Find(resId);
        if (!tag)
            return;
        tag->PublishToTavo = 1;
        tag->Tavo.IntervalUpdate = 1;
        tag->Tavo.Interval = static_cast<quint32>(ParseLeadingInt(interval));
        tag->Tavo.Unit = ParseLeadingInt(unit);
        tag->Tavo.Access = ParseLeadingInt(access);
    });
}

void LoadOnChangeList(IXMLElement* list, const TagAddressIndex& index)
{
    ForEachChild(list, [&index](IXMLElement* entry) {
        QString resId, access;
        if (!ReadChecked(entry, Result, 0, 0, resId) || !ReadChecked(entry, Names::Access, 0, 1, access))
            return;
        TagRecord* tag = index.Find(resId);
        if (!tag)
            return;
        tag->PublishToTavo = 1;
        tag->Tavo.OnChangeUpdate = 1;
        tag->Tavo.Access = ParseLeadingInt(access);
    });
}

void LoadControlList(IXMLElement* list, TagAddressIndex& index)
{
    ForEachChild(list, [&index](IXMLElement* entry) {
        QString resId, control, access;
        if (!ReadChecked(entry, Result, 0, 0, resId) || !ReadChecked(entry, Names::Control, 0, 0, control) ||
            control.isEmpty() || !ReadChecked(entry, Names::Access, 0, 1, access))
            return;
        TagRecord* tag = index.Find(resId);
        if (!tag)
            return;
        const TagRecord* controlTag = index.FindIgnoringCase(control);
        tag->PublishToTavo = 1;
        tag->Tavo.ControlTagUpdate = 1;
        tag->Tavo.ControlTagName = controlTag ? controlTag->TagName : QString();
        tag->Tavo.Control = control;
        tag->Tavo.Access = ParseLeadingInt(access);
    });
}

} // namespace

void CDataCenter::SaveTavoService(IXMLElement* serviceConfiguration) const
{
    IXMLElement* tavo = serviceConfiguration->AddChild(ServiceXml::ServiceConfiguration::Tavo);
    // Whether servers exist, not the service table's value.
    tavo->SetAttribute(Result, FlagText(!Tavo.Servers.isEmpty()));
    Tavo.Save(tavo);
    SaveTagLists(Tags, tavo);
}

// A list missing from the file counts as empty.
void CDataCenter::LoadTavoTagSettings(IXMLElement* tavo)
{
    if (!tavo)
        return;
    TagAddressIndex index(Tags);
    LoadIntervalList(Child(tavo, Names::IntervalUpdate), index);
    LoadOnChangeList(Child(tavo, Names::OnChangeUpdate), index);
    LoadControlList(Child(tavo, Names::ControlTagUpdate), index);
}

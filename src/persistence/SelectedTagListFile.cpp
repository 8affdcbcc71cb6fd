#include "SelectedTagListFile.h"

#include "ServiceElementNames.h"
#include "ServiceFileValues.h"

using namespace ServiceFile;
namespace Names = ServiceXml::DataLog;

void SaveSelectedTagList(const SelectedTagList& tags, IXMLElement* element)
{
    AddValue(element, ServiceXml::Quantity, static_cast<qint32>(tags.size()));
    for (qsizetype i = 0; i < tags.size(); ++i) {
        IXMLElement* tag = element->AddChild(ItemName(ServiceXml::TagPrefix, i));
        tag->SetAttribute(ServiceXml::Result, tags[i].second);
        tag->SetAttribute(Names::TagName, tags[i].first);
    }
}

void LoadSelectedTagList(SelectedTagList& tags, IXMLElement* profile)
{
    ForEachChildNamed(Child(profile, Names::SelectedTag), ServiceXml::TagPrefix, [&tags](IXMLElement* tag) {
        tags.append({AttributeText(tag, Names::TagName), AttributeText(tag, ServiceXml::Result)});
    });
}

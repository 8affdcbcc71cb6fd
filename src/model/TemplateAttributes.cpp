#include "TemplateAttributes.h"

#include "TemplateVocabulary.h"
#include "TextConversion.h"

namespace TemplateAttributes {

std::optional<QString> FindText(IXMLElement* element, QStringView name)
{
    for (IXMLAttribute* attribute = element->FirstAttribute(); attribute; attribute = element->NextAttribute()) {
        if (attribute->GetName().compare(name, Qt::CaseInsensitive) == 0)
            return attribute->GetValue();
    }
    return std::nullopt;
}

std::optional<int> FindInt(IXMLElement* element, QStringView name)
{
    const std::optional<QString> text = FindText(element, name);
    return text ? std::optional<int>(ParseLeadingInt(*text)) : std::nullopt;
}

QString AliasOrName(IXMLElement* element)
{
    return FindText(element, TemplateAttribute::Alias).value_or(element->GetName());
}

std::optional<QString> Text(IXMLElement* element, const QString& name)
{
    IXMLAttribute* attribute = element->GetAttribute(name);
    return attribute ? std::optional<QString>(attribute->GetValue()) : std::nullopt;
}

std::optional<int> Int(IXMLElement* element, const QString& name)
{
    const std::optional<QString> text = Text(element, name);
    return text ? std::optional<int>(ParseLeadingInt(*text)) : std::nullopt;
}

int IntOr(IXMLElement* element, const QString& name, int fallback)
{
    return Int(element, name).value_or(fallback);
}

std::vector<IXMLElement*> Children(IXMLElement* element)
{
    std::vector<IXMLElement*> children;
    for (IXMLElement* child = element->FirstChild(); child; child = element->NextChild())
        children.push_back(child);
    return children;
}

IXMLElement* DirectChild(IXMLElement* element, const QString& name)
{
    for (IXMLElement* child : Children(element)) {
        if (child->GetName() == name)
            return child;
    }
    return nullptr;
}

} // namespace TemplateAttributes

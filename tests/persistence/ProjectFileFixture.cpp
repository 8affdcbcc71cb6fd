#include "ProjectFileFixture.h"

IXMLElement* At(IXMLElement* root, const QString& path)
{
    IXMLElement* element = root;
    for (const QString& step : path.split(u'/', Qt::SkipEmptyParts))
        element = DirectChild(element, step);
    return element;
}

QString ResultAt(IXMLElement* root, const QString& path)
{
    IXMLElement* element = At(root, path);
    if (!element)
        return QStringLiteral("<missing>");
    IXMLAttribute* result = element->GetAttribute(QStringLiteral("Result"));
    return result ? result->GetValue() : QStringLiteral("<no Result>");
}

QStringList ChildNames(IXMLElement* element)
{
    QStringList names;
    if (!element)
        return names;
    for (IXMLElement* child = element->FirstChild(); child; child = element->NextChild())
        names << child->GetName();
    return names;
}

QStringList AttributeTexts(IXMLElement* element)
{
    QStringList texts;
    for (IXMLAttribute* attribute = element->FirstAttribute(); attribute; attribute = element->NextAttribute())
        texts << attribute->GetName() + u'=' + attribute->GetValue();
    return texts;
}

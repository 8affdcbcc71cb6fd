#include "CXMLAttribute.h"

#include "CXMLDocument.h"

CXMLAttribute::CXMLAttribute(pugi::xml_attribute attribute) : m_attribute(attribute)
{}

QString CXMLAttribute::GetName()
{
    return QString::fromUtf8(m_attribute.name());
}

QString CXMLAttribute::GetValue()
{
    return QString::fromUtf8(m_attribute.value());
}

CXMLAttribute* CXMLAttribute::Next(CXMLDocument& document)
{
    // Asked again while null: an attribute may have been appended since.
    if (!m_next)
        m_next = document.NewAttribute(m_attribute.next_attribute());
    return m_next;
}

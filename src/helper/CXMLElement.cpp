#include "CXMLElement.h"

#include "CXMLAttribute.h"
#include "CXMLDocument.h"

#include <QAnyStringView>
#include <QUtf8StringView>

#include <cstring>
#include <vector>

namespace {

// Loaded files may hold text, CDATA and other nodes between elements; walks see elements only.
bool IsElement(pugi::xml_node node)
{
    return node.type() == pugi::node_element;
}

pugi::xml_node ElementOrNextElement(pugi::xml_node node)
{
    while (node && !IsElement(node))
        node = node.next_sibling();
    return node;
}

// Compared without converting either side: attribute look-ups run for every value a reader reads.
bool HasName(const char* utf8Name, QStringView name)
{
    return QAnyStringView::equal(QUtf8StringView(utf8Name), name);
}

// Searches over many elements convert the name once and compare bytes.
bool HasName(pugi::xml_node element, const QByteArray& utf8Name)
{
    return std::strcmp(element.name(), utf8Name.constData()) == 0;
}

struct ElementNamed {
    const QByteArray& utf8Name;
    bool operator()(pugi::xml_node node) const { return IsElement(node) && HasName(node, utf8Name); }
};

} // namespace

CXMLElement::CXMLElement(pugi::xml_node node, CXMLDocument& document) : m_node(node), m_document(&document)
{}

QString CXMLElement::GetName()
{
    return QString::fromUtf8(m_node.name());
}

void CXMLElement::SetAttribute(const QString& name, const QString& value)
{
    const QByteArray utf8Name = name.toUtf8();
    pugi::xml_attribute attribute = m_node.attribute(utf8Name.constData());
    if (!attribute)
        attribute = m_node.append_attribute(utf8Name.constData());
    attribute.set_value(value.toUtf8().constData());
}

IXMLAttribute* CXMLElement::FirstAttribute()
{
    m_attributeCursor = FirstAttributeWrapper();
    return m_attributeCursor;
}

IXMLAttribute* CXMLElement::NextAttribute()
{
    // A null cursor (walk not started, or past the last attribute) stays null.
    if (m_attributeCursor)
        m_attributeCursor = m_attributeCursor->Next(*m_document);
    return m_attributeCursor;
}

IXMLAttribute* CXMLElement::GetAttribute(const QString& name)
{
    for (CXMLAttribute* attribute = FirstAttributeWrapper(); attribute; attribute = attribute->Next(*m_document)) {
        if (HasName(attribute->Handle().name(), name))
            return attribute;
    }
    return nullptr;
}

IXMLElement* CXMLElement::AddChild(const QString& name)
{
    m_node.append_child(name.toUtf8().constData());
    return LastChildWrapper();
}

IXMLElement* CXMLElement::FirstChild()
{
    m_childCursor = FirstChildWrapper();
    return m_childCursor;
}

IXMLElement* CXMLElement::NextChild()
{
    // A null cursor (walk not started, or past the last child) stays null.
    if (m_childCursor)
        m_childCursor = m_childCursor->NextSiblingWrapper();
    return m_childCursor;
}

IXMLElement* CXMLElement::FindChild(const QString& name)
{
    const QByteArray utf8Name = name.toUtf8();
    for (CXMLElement* child = FirstChildWrapper(); child; child = child->NextSiblingWrapper()) {
        if (HasName(child->m_node, utf8Name)) {
            m_childCursor = child;
            return child;
        }
    }
    // Depth-first in document order; no direct child matched, so a match is deeper. It is no
    // child of this element, so the cursor stays where it was.
    return DescendantWrapper(m_node.find_node(ElementNamed{utf8Name}));
}

CXMLElement* CXMLElement::FirstChildWrapper()
{
    if (!m_firstChild)
        m_firstChild = m_document->NewElement(ElementOrNextElement(m_node.first_child()));
    return m_firstChild;
}

CXMLElement* CXMLElement::NextSiblingWrapper()
{
    if (!m_nextSibling)
        m_nextSibling = m_document->NewElement(ElementOrNextElement(m_node.next_sibling()));
    return m_nextSibling;
}

CXMLAttribute* CXMLElement::FirstAttributeWrapper()
{
    if (!m_firstAttribute)
        m_firstAttribute = m_document->NewAttribute(m_node.first_attribute());
    return m_firstAttribute;
}

CXMLElement* CXMLElement::LastChildWrapper()
{
    CXMLElement* child = m_lastKnownChild ? m_lastKnownChild : FirstChildWrapper();
    while (child && child->NextSiblingWrapper())
        child = child->m_nextSibling;
    m_lastKnownChild = child;
    return child;
}

CXMLElement* CXMLElement::ChildWrapper(pugi::xml_node child)
{
    CXMLElement* wrapper = FirstChildWrapper();
    while (wrapper && wrapper->m_node != child)
        wrapper = wrapper->NextSiblingWrapper();
    return wrapper;
}

CXMLElement* CXMLElement::DescendantWrapper(pugi::xml_node descendant)
{
    if (!descendant)
        return nullptr;
    // The path from this element down, then each step's wrapper through its parent's.
    std::vector<pugi::xml_node> path;
    for (pugi::xml_node node = descendant; node != m_node; node = node.parent())
        path.push_back(node);
    CXMLElement* wrapper = this;
    for (auto step = path.rbegin(); step != path.rend() && wrapper; ++step)
        wrapper = wrapper->ChildWrapper(*step);
    return wrapper;
}

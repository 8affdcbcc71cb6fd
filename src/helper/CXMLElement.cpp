#include "CXMLElement.h"

#include "CXMLAttribute.h"
#include "CXMLDocument.h"

#include <QAnyStringView>
#include <QUtf8StringView>
#include <QVarLengthArray>

#include <cstring>

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

// Compared without converting either side: look-ups run for every value a reader reads.
bool HasName(const char* utf8Name, QStringView name)
{
    return QAnyStringView::equal(QUtf8StringView(utf8Name), name);
}

// Searches over many elements convert the name once and compare bytes.
bool HasName(pugi::xml_node element, const QByteArray& utf8Name)
{
    return std::strcmp(element.name(), utf8Name.constData()) == 0;
}

// Names and values are short and mostly ASCII: converted on the stack rather than into a new
// block for every element and attribute written.
class Utf8Text {
public:
    explicit Utf8Text(const QString& text)
    {
        for (const QChar character : text) {
            if (character.unicode() >= 0x80) {
                const QByteArray converted = text.toUtf8();
                m_bytes.clear();
                m_bytes.append(converted.constData(), converted.size());
                break;
            }
            m_bytes.append(static_cast<char>(character.unicode()));
        }
        m_bytes.append('\0');
    }
    const char* c_str() const { return m_bytes.constData(); }

private:
    static constexpr qsizetype kInlineBytes = 128;
    QVarLengthArray<char, kInlineBytes> m_bytes;
};

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
    const Utf8Text utf8Name(name);
    pugi::xml_attribute attribute = m_node.attribute(utf8Name.c_str());
    if (!attribute)
        attribute = m_node.append_attribute(utf8Name.c_str());
    attribute.set_value(Utf8Text(value).c_str());
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
    return m_document->ElementOf(m_node.append_child(Utf8Text(name).c_str()));
}

IXMLElement* CXMLElement::FirstChild()
{
    m_childCursor = ElementOrNextElement(m_node.first_child());
    return m_document->ElementOf(m_childCursor);
}

IXMLElement* CXMLElement::NextChild()
{
    // A null cursor (walk not started, or past the last child) stays null; the next sibling is
    // asked anew, so children appended since join the walk.
    if (m_childCursor)
        m_childCursor = ElementOrNextElement(m_childCursor.next_sibling());
    return m_document->ElementOf(m_childCursor);
}

int CXMLElement::ChildCount()
{
    int count = 0;
    for (pugi::xml_node child = ElementOrNextElement(m_node.first_child()); child;
         child = ElementOrNextElement(child.next_sibling()))
        ++count;
    return count;
}

IXMLElement* CXMLElement::FindChild(const QString& name)
{
    return m_document->ElementOf(FindChildNode(name));
}

bool CXMLElement::ReadChildAttribute(const QString& childName, const QString& attributeName, QString& value)
{
    const pugi::xml_node child = FindChildNode(childName);
    for (pugi::xml_attribute attribute = child.first_attribute(); attribute; attribute = attribute.next_attribute()) {
        if (HasName(attribute.name(), attributeName)) {
            value = QString::fromUtf8(attribute.value());
            return true;
        }
    }
    return false;
}

void CXMLElement::AddChildWithAttribute(const QString& childName, const QString& attributeName, const QString& value)
{
    pugi::xml_node child = m_node.append_child(Utf8Text(childName).c_str());
    child.append_attribute(Utf8Text(attributeName).c_str()).set_value(Utf8Text(value).c_str());
}

void CXMLElement::ReleaseChild(IXMLElement* child)
{
    const pugi::xml_node node = child ? static_cast<CXMLElement*>(child)->m_node : pugi::xml_node();
    if (node && node.parent() == m_node)
        m_document->FreeSubtree(node);
}

void CXMLElement::SaveChildren()
{
    m_document->WriteChildren(m_node);
}

void CXMLElement::ForgetChild(pugi::xml_node child)
{
    if (m_childCursor == child)
        m_childCursor = pugi::xml_node();
}

pugi::xml_node CXMLElement::FindChildNode(const QString& name)
{
    for (pugi::xml_node child = ElementOrNextElement(m_node.first_child()); child;
         child = ElementOrNextElement(child.next_sibling())) {
        if (HasName(child.name(), name)) {
            m_childCursor = child;
            return child;
        }
    }
    // Depth-first in document order; no direct child matched, so a match is deeper. It is no
    // child of this element, so the cursor stays where it was.
    const QByteArray utf8Name = name.toUtf8();
    return m_node.find_node(ElementNamed{utf8Name});
}

CXMLAttribute* CXMLElement::FirstAttributeWrapper()
{
    if (!m_firstAttribute)
        m_firstAttribute = m_document->NewAttribute(m_node.first_attribute());
    return m_firstAttribute;
}

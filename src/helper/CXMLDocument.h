#pragma once
// One XML document: the pugixml tree, the bytes it was parsed from, and the element and
// attribute wrappers handed out for it (freed with the document).

#include "CXMLAttribute.h"
#include "CXMLElement.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <pugixml.hpp>

#include <memory_resource>

class CXMLDocument {
public:
    CXMLDocument() = default;
    CXMLDocument(const CXMLDocument&) = delete;
    CXMLDocument& operator=(const CXMLDocument&) = delete;

    // kXMLOk when the file was read and parsed and has a root element.
    int LoadFile(const QString& path);
    void CreateRoot(const QString& name);
    int SaveFile(const QString& path);

    CXMLElement* Root() const { return m_root; }
    // The element's one wrapper, made on first use and kept until the document goes; null for an
    // empty handle.
    CXMLElement* ElementOf(pugi::xml_node node);
    // A new attribute wrapper, kept likewise; null for an empty handle. Each attribute gets one:
    // CXMLElement asks only where it links the wrapper in.
    CXMLAttribute* NewAttribute(pugi::xml_attribute attribute);

private:
    template <class Wrapper, class... Arguments>
    Wrapper* NewWrapper(Arguments&&... arguments);

    QByteArray m_source; // pugixml parses in place and keeps pointing into these bytes
    pugi::xml_document m_document;
    // Wrappers are trivially destructible and live exactly as long as the document: they come
    // from growing blocks that are freed together.
    std::pmr::monotonic_buffer_resource m_wrapperMemory;
    QHash<pugi::xml_node_struct*, CXMLElement*> m_elements;
    CXMLElement* m_root = nullptr;
};

#pragma once
// One XML document: the pugixml tree, the bytes it was parsed from, and the element and
// attribute wrappers handed out for it (freed with the document, or with their node when a
// subtree is freed early: by a reader done with it, or once a save in pieces has written it).

#include "CXMLAttribute.h"
#include "CXMLElement.h"
#include "CXMLFileWriter.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <pugixml.hpp>

#include <memory>
#include <memory_resource>
#include <vector>

class CXMLDocument {
public:
    CXMLDocument() = default;
    CXMLDocument(const CXMLDocument&) = delete;
    CXMLDocument& operator=(const CXMLDocument&) = delete;

    // kXMLOk when the file was read and parsed and has a root element.
    int LoadFile(const QString& path);
    void CreateRoot(const QString& name);
    int SaveFile(const QString& path);
    // A save in pieces (see CXMLFileWriter): BeginSave opens the file, WriteChildren writes and
    // frees an element's children, EndSave writes the rest and replaces the file. Only a document
    // made by CreateRoot is saved in pieces: in a loaded one WriteChildren does nothing.
    int BeginSave(const QString& path);
    void WriteChildren(pugi::xml_node element);
    int EndSave();
    // Frees the node with its subtree and their wrappers; a child walk of its parent that stood on
    // it ends.
    void FreeSubtree(pugi::xml_node node);

    CXMLElement* Root() const { return m_root; }
    // The element's one wrapper, made on first use and kept until the document goes; null for an
    // empty handle.
    CXMLElement* ElementOf(pugi::xml_node node);
    // A new attribute wrapper, kept likewise; null for an empty handle. Each attribute gets one:
    // CXMLElement asks only where it links the wrapper in.
    CXMLAttribute* NewAttribute(pugi::xml_attribute attribute);

private:
    template <class Wrapper, class... Arguments>
    Wrapper* NewWrapper(std::vector<Wrapper*>& spares, Arguments&&... arguments);
    void RecycleWrapperOf(pugi::xml_node element);

    QByteArray m_source; // pugixml parses in place and keeps pointing into these bytes
    pugi::xml_document m_document;
    // Wrappers are trivially destructible and live exactly as long as the document: they come
    // from growing blocks that are freed together.
    std::pmr::monotonic_buffer_resource m_wrapperMemory;
    QHash<pugi::xml_node_struct*, CXMLElement*> m_elements;
    // Wrappers of freed subtrees, made again for new elements and attributes.
    std::vector<CXMLElement*> m_spareElements;
    std::vector<CXMLAttribute*> m_spareAttributes;
    CXMLElement* m_root = nullptr;
    std::unique_ptr<CXMLFileWriter> m_writer; // while a save runs
};

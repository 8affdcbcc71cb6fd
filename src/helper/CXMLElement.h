#pragma once
// An element of a document held by CXMLDocument, with its child and attribute cursors.
//
// Wrappers are made on first use and linked like the tree itself: an element's wrapper is made
// only as its parent's first child or as its previous sibling's next one, so every element has
// exactly one wrapper and finding it needs no lookup table.

#include "IXMLParser.h"

#include <pugixml.hpp>

class CXMLAttribute;
class CXMLDocument;

class CXMLElement final : public IXMLElement {
public:
    CXMLElement(pugi::xml_node node, CXMLDocument& document);

    QString GetName() override;
    void SetAttribute(const QString& name, const QString& value) override;
    IXMLAttribute* FirstAttribute() override;
    IXMLAttribute* NextAttribute() override;
    IXMLAttribute* GetAttribute(const QString& name) override;
    IXMLElement* AddChild(const QString& name) override;
    IXMLElement* FirstChild() override;
    IXMLElement* NextChild() override;
    IXMLElement* FindChild(const QString& name) override;

private:
    // Links of the wrapper tree, each made on first use. A null link is asked again, since an
    // element or attribute may have been appended since.
    CXMLElement* FirstChildWrapper();
    CXMLElement* NextSiblingWrapper();
    CXMLAttribute* FirstAttributeWrapper();
    CXMLElement* LastChildWrapper();
    CXMLElement* ChildWrapper(pugi::xml_node child);
    CXMLElement* DescendantWrapper(pugi::xml_node descendant);

    pugi::xml_node m_node;
    CXMLDocument* m_document;
    CXMLElement* m_firstChild = nullptr;
    CXMLElement* m_nextSibling = nullptr;
    CXMLElement* m_lastKnownChild = nullptr; // the furthest child made so far, where appending starts
    CXMLAttribute* m_firstAttribute = nullptr;
    CXMLElement* m_childCursor = nullptr;       // the child last returned or found; null: walk not started or ended
    CXMLAttribute* m_attributeCursor = nullptr; // likewise for the attribute walk
};

#pragma once
// An element of a document held by CXMLDocument, with its child and attribute cursors.
//
// The document makes one wrapper per element, on first use, and finds it again by its node; the
// readers' and writers' value calls (ReadChildAttribute, AddChildWithAttribute) reach an
// element without one, so a file's many value elements cost no wrapper.

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
    int ChildCount() override;
    IXMLElement* FindChild(const QString& name) override;
    bool ReadChildAttribute(const QString& childName, const QString& attributeName, QString& value) override;
    void AddChildWithAttribute(const QString& childName, const QString& attributeName, const QString& value) override;
    void ReleaseChild(IXMLElement* child) override;
    void SaveChildren() override;

    // The first attribute wrapper made for the element; null when none was made.
    CXMLAttribute* FirstAttributeMade() const { return m_firstAttribute; }
    // The child is freed: a child walk standing on it ends.
    void ForgetChild(pugi::xml_node child);

private:
    // FindChild's match, moving the cursor as FindChild does; null when none.
    pugi::xml_node FindChildNode(const QString& name);
    // Made on first use; a null link is asked again, since an attribute may have been appended since.
    CXMLAttribute* FirstAttributeWrapper();

    pugi::xml_node m_node;
    CXMLDocument* m_document;
    pugi::xml_node m_childCursor; // the child last returned or found; null: walk not started or ended
    CXMLAttribute* m_firstAttribute = nullptr;
    CXMLAttribute* m_attributeCursor = nullptr; // likewise for the attribute walk
};

#pragma once
// An attribute of a document held by CXMLDocument.

#include "IXMLParser.h"

#include <pugixml.hpp>

class CXMLDocument;

class CXMLAttribute final : public IXMLAttribute {
public:
    explicit CXMLAttribute(pugi::xml_attribute attribute);

    QString GetName() override;
    QString GetValue() override;

    pugi::xml_attribute Handle() const { return m_attribute; }
    // The wrapper of the following attribute, made in the document on first use; null after the last.
    CXMLAttribute* Next(CXMLDocument& document);
    // The wrapper of the following attribute when made; null otherwise.
    CXMLAttribute* NextMade() const { return m_next; }

private:
    pugi::xml_attribute m_attribute;
    CXMLAttribute* m_next = nullptr; // null until made; then never changes (attributes are never removed)
};

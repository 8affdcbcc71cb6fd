#pragma once
// The XML layer every file of the program goes through: a parser that loads, creates, saves and
// releases documents, and the elements and attributes of those documents.
//
// Elements and attributes belong to their document and stay valid (and keep their identity) until
// the document is released; the same element always yields the same object, so its cursors
// persist between calls. Returned texts are copies.
//
// The interfaces declare only these operations; objects are freed through the parser
// (Release, DestroyXMLParser), never deleted through an interface pointer.

#include <QString>

#include <memory>

class IXMLAttribute {
public:
    virtual QString GetName() = 0;
    virtual QString GetValue() = 0;

protected:
    ~IXMLAttribute() = default;
};

class IXMLElement {
public:
    virtual QString GetName() = 0;
    // Attributes keep the order of their first setting; setting an existing one changes it in place.
    virtual void SetAttribute(const QString& name, const QString& value) = 0;
    // The attribute walk: first attribute (or null) starts it, NextAttribute goes on, null after the last.
    virtual IXMLAttribute* FirstAttribute() = 0;
    virtual IXMLAttribute* NextAttribute() = 0;
    virtual IXMLAttribute* GetAttribute(const QString& name) = 0;
    // Appends a child after the existing ones.
    virtual IXMLElement* AddChild(const QString& name) = 0;
    // The child walk, one cursor per element: FirstChild resets it; NextChild returns the child
    // after the one last returned or found by FindChild, null after the last (and before any start).
    virtual IXMLElement* FirstChild() = 0;
    virtual IXMLElement* NextChild() = 0;
    // The number of children, counted without a walk: the cursor stays.
    virtual int ChildCount() = 0;
    // The first direct child of that name, and the cursor stands on it; else the first element of
    // that name deeper in the subtree in document order (the cursor stays where it was); else null.
    virtual IXMLElement* FindChild(const QString& name) = 0;
    // The value of the attribute of the element FindChild finds (the cursor moves alike), without
    // handing out the child or the attribute: what a reader of values asks. False when the child
    // or the attribute is missing.
    virtual bool ReadChildAttribute(const QString& childName, const QString& attributeName, QString& value) = 0;
    // Appends a child holding one attribute, as AddChild and SetAttribute do, without handing it out.
    virtual void AddChildWithAttribute(const QString& childName, const QString& attributeName,
                                       const QString& value) = 0;
    // Frees a child of this element with everything below it, for a reader done with it: their
    // pointers are not to be used again. A child walk standing on it ends. Nothing for an element
    // that is no child of this one.
    virtual void ReleaseChild(IXMLElement* child) = 0;
    // While the document is saved in pieces (IXMLParser::BeginSave): writes the children added so
    // far, with whatever comes before them, and frees them as ReleaseChild does. The start tags of
    // this element and its ancestors are written with the first of them, so their attributes must
    // be set by then; an element written before that this one is not inside is closed and freed.
    // Otherwise nothing is done, and the children stay.
    virtual void SaveChildren() = 0;

protected:
    ~IXMLElement() = default;
};

// The only flag callers pass to Save: a UTF-8 file with an XML declaration, indented.
inline constexpr int kXMLSaveDefault = 1;

// Results of Load and Save.
inline constexpr int kXMLOk = 0;
inline constexpr int kXMLFileError = 1;   // missing, unreadable or unwritable file
inline constexpr int kXMLParseError = 2;  // not well-formed, or no root element
inline constexpr int kXMLBadArgument = 3; // no out pointer, or a root this parser does not hold

class IXMLParser {
public:
    // kXMLOk and *root set when the file was parsed; another result (and *root untouched) otherwise.
    virtual int Load(const QString& path, IXMLElement** root) = 0;
    // A new document holding only its root element.
    virtual IXMLElement* CreateRoot(const QString& name) = 0;
    // Frees the document of a root from Load or CreateRoot, with every element and attribute of it.
    virtual void Release(IXMLElement* root) = 0;
    // Writes the document of the root, replacing the file only once it is completely written.
    // kXMLOk, or the reason the file was not written.
    virtual int Save(const QString& path, int flag, IXMLElement* root) = 0;
    // A save of a big document written while it is built, so that it is never held whole: after
    // BeginSave the builder writes finished parts with IXMLElement::SaveChildren, and EndSave
    // writes the rest and replaces the file only then (a document released before leaves the file
    // as it was). The bytes are those Save writes. Only a document from CreateRoot is written in
    // pieces; elements written are freed, so after EndSave the document is only to be released.
    // kXMLOk, or the reason the file is not (being) written.
    virtual int BeginSave(const QString& path, int flag, IXMLElement* root) = 0;
    virtual int EndSave(IXMLElement* root) = 0;

protected:
    ~IXMLParser() = default;
};

IXMLParser* CreateXMLParser();
// Frees the parser and every document it still holds.
void DestroyXMLParser(IXMLParser* parser);

struct XMLParserDeleter {
    void operator()(IXMLParser* parser) const { DestroyXMLParser(parser); }
};
using XMLParserPtr = std::unique_ptr<IXMLParser, XMLParserDeleter>;

inline XMLParserPtr MakeXMLParser()
{
    return XMLParserPtr(CreateXMLParser());
}

#pragma once
// The XML parser: owns every document it loaded or created until it is released or the parser
// is destroyed.

#include "IXMLParser.h"

#include <memory>
#include <unordered_map>

class CXMLDocument;

class CXMLParser final : public IXMLParser {
public:
    CXMLParser();
    ~CXMLParser();
    CXMLParser(const CXMLParser&) = delete;
    CXMLParser& operator=(const CXMLParser&) = delete;

    int Load(const QString& path, IXMLElement** root) override;
    IXMLElement* CreateRoot(const QString& name) override;
    void Release(IXMLElement* root) override;
    int Save(const QString& path, int flag, IXMLElement* root) override;
    int BeginSave(const QString& path, int flag, IXMLElement* root) override;
    int EndSave(IXMLElement* root) override;

private:
    IXMLElement* Adopt(std::unique_ptr<CXMLDocument> document);
    // The document of a root of this parser; null (traced) otherwise.
    CXMLDocument* DocumentOf(IXMLElement* root, const char* action, const QString& path) const;

    // Documents by their root element; a pointer not found here is no root of ours.
    std::unordered_map<const IXMLElement*, std::unique_ptr<CXMLDocument>> m_documents;
};

#include "CXMLParser.h"

#include "CXMLDocument.h"
#include "TraceLog.h"

CXMLParser::CXMLParser() = default;
CXMLParser::~CXMLParser() = default;

int CXMLParser::Load(const QString& path, IXMLElement** root)
{
    if (!root)
        return kXMLBadArgument;
    auto document = std::make_unique<CXMLDocument>();
    const int result = document->LoadFile(path);
    if (result == kXMLOk)
        *root = Adopt(std::move(document));
    return result;
}

IXMLElement* CXMLParser::CreateRoot(const QString& name)
{
    auto document = std::make_unique<CXMLDocument>();
    document->CreateRoot(name);
    return Adopt(std::move(document));
}

void CXMLParser::Release(IXMLElement* root)
{
    if (!root)
        return;
    if (m_documents.erase(root) == 0)
        TraceLog("%s:%d: XML release of an element that is no root of this parser", __FILE__, __LINE__);
}

int CXMLParser::Save(const QString& path, int flag, IXMLElement* root)
{
    // Every save is formatted alike; the flag is kept for the callers' sake.
    Q_UNUSED(flag);
    const auto found = m_documents.find(root);
    if (found == m_documents.end()) {
        TraceLog("%s:%d: XML save of %s with an element that is no root of this parser", __FILE__, __LINE__,
                 qUtf8Printable(path));
        return kXMLBadArgument;
    }
    return found->second->SaveFile(path);
}

IXMLElement* CXMLParser::Adopt(std::unique_ptr<CXMLDocument> document)
{
    IXMLElement* root = document->Root();
    m_documents.emplace(root, std::move(document));
    return root;
}

IXMLParser* CreateXMLParser()
{
    return new CXMLParser;
}

void DestroyXMLParser(IXMLParser* parser)
{
    delete static_cast<CXMLParser*>(parser);
}

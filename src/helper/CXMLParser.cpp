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

// Every save is formatted alike; the flag is kept for the callers' sake.
int CXMLParser::Save(const QString& path, int flag, IXMLElement* root)
{
    Q_UNUSED(flag);
    CXMLDocument* document = DocumentOf(root, "save", path);
    return document ? document->SaveFile(path) : kXMLBadArgument;
}

int CXMLParser::BeginSave(const QString& path, int flag, IXMLElement* root)
{
    Q_UNUSED(flag);
    CXMLDocument* document = DocumentOf(root, "save", path);
    return document ? document->BeginSave(path) : kXMLBadArgument;
}

int CXMLParser::EndSave(IXMLElement* root)
{
    CXMLDocument* document = DocumentOf(root, "end of save", QString());
    return document ? document->EndSave() : kXMLBadArgument;
}

CXMLDocument* CXMLParser::DocumentOf(IXMLElement* root, const char* action, const QString& path) const
{
    const auto found = m_documents.find(root);
    if (found != m_documents.end())
        return found->second.get();
    TraceLog("%s:%d: XML %s of %s with an element that is no root of this parser", __FILE__, __LINE__, action,
             qUtf8Printable(path));
    return nullptr;
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

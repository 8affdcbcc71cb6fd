#include "CXMLDocument.h"

#include "TraceLog.h"

#include <QFile>

#include <memory>
#include <type_traits>
#include <utility>

namespace {

void TraceFileError(const char* action, const QString& path, const QString& reason)
{
    TraceLog("%s:%d: XML %s of %s failed: %s", __FILE__, __LINE__, action, qUtf8Printable(path),
             qUtf8Printable(reason));
}

} // namespace

int CXMLDocument::LoadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        TraceFileError("load", path, file.errorString());
        return kXMLFileError;
    }
    m_source = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        TraceFileError("load", path, file.errorString());
        return kXMLFileError;
    }
    const pugi::xml_parse_result result =
        m_document.load_buffer_inplace(m_source.data(), static_cast<size_t>(m_source.size()));
    if (!result) {
        TraceFileError("load", path,
                       QStringLiteral("%1 at byte %2").arg(QString::fromUtf8(result.description())).arg(result.offset));
        return kXMLParseError;
    }
    m_root = ElementOf(m_document.document_element());
    if (!m_root) {
        TraceFileError("load", path, QStringLiteral("no root element"));
        return kXMLParseError;
    }
    return kXMLOk;
}

void CXMLDocument::CreateRoot(const QString& name)
{
    m_root = ElementOf(m_document.append_child(name.toUtf8().constData()));
}

int CXMLDocument::SaveFile(const QString& path)
{
    const int opened = BeginSave(path);
    return opened == kXMLOk ? EndSave() : opened;
}

int CXMLDocument::BeginSave(const QString& path)
{
    if (m_writer) {
        TraceFileError("save", path, QStringLiteral("another save of the document runs"));
        return kXMLBadArgument;
    }
    // The old file is replaced only once the new one is complete.
    m_writer = std::make_unique<CXMLFileWriter>(m_document, path);
    const int result = m_writer->Open();
    if (result != kXMLOk) {
        TraceFileError("save", path, m_writer->ErrorText());
        m_writer.reset();
    }
    return result;
}

void CXMLDocument::WriteChildren(pugi::xml_node element)
{
    if (m_writer && m_source.isEmpty())
        m_writer->WriteChildren(element, [this](pugi::xml_node written) { FreeSubtree(written); });
}

int CXMLDocument::EndSave()
{
    if (!m_writer)
        return kXMLBadArgument;
    const std::unique_ptr<CXMLFileWriter> writer = std::move(m_writer);
    const int result = writer->Finish([this](pugi::xml_node written) { FreeSubtree(written); });
    if (result != kXMLOk)
        TraceFileError("save", writer->Path(), writer->ErrorText());
    return result;
}

void CXMLDocument::FreeSubtree(pugi::xml_node node)
{
    pugi::xml_node parent = node.parent();
    if (!parent)
        return;
    if (CXMLElement* parentWrapper = m_elements.value(parent.internal_object()))
        parentWrapper->ForgetChild(node);
    // Depth first without recursion: a subtree may be deep.
    for (pugi::xml_node current = node; current;) {
        RecycleWrapperOf(current);
        if (current.first_child()) {
            current = current.first_child();
            continue;
        }
        while (current != node && !current.next_sibling())
            current = current.parent();
        current = current == node ? pugi::xml_node() : current.next_sibling();
    }
    parent.remove_child(node);
}

void CXMLDocument::RecycleWrapperOf(pugi::xml_node element)
{
    const auto found = m_elements.constFind(element.internal_object());
    if (found == m_elements.cend())
        return;
    CXMLElement* wrapper = found.value();
    m_elements.erase(found);
    for (CXMLAttribute* attribute = wrapper->FirstAttributeMade(); attribute; attribute = attribute->NextMade())
        m_spareAttributes.push_back(attribute);
    m_spareElements.push_back(wrapper);
}

template <class Wrapper, class... Arguments>
Wrapper* CXMLDocument::NewWrapper(std::vector<Wrapper*>& spares, Arguments&&... arguments)
{
    static_assert(std::is_trivially_destructible_v<Wrapper>, "wrappers are freed without being destroyed");
    if (spares.empty()) {
        return std::pmr::polymorphic_allocator<>(&m_wrapperMemory)
            .new_object<Wrapper>(std::forward<Arguments>(arguments)...);
    }
    Wrapper* spare = spares.back();
    spares.pop_back();
    return std::construct_at(spare, std::forward<Arguments>(arguments)...);
}

CXMLElement* CXMLDocument::ElementOf(pugi::xml_node node)
{
    if (!node)
        return nullptr;
    CXMLElement*& element = m_elements[node.internal_object()];
    if (!element)
        element = NewWrapper(m_spareElements, node, *this);
    return element;
}

CXMLAttribute* CXMLDocument::NewAttribute(pugi::xml_attribute attribute)
{
    return attribute ? NewWrapper(m_spareAttributes, attribute) : nullptr;
}

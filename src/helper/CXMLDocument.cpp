#include "CXMLDocument.h"

#include "TraceLog.h"

#include <QFile>
#include <QSaveFile>

#include <type_traits>
#include <utility>

namespace {

constexpr char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
constexpr char kIndent[] = "\t";
// The declaration is written by hand so that it names the encoding; pugixml's omits it.
constexpr unsigned kSaveFormat = pugi::format_indent | pugi::format_no_declaration;

// pugixml's output goes straight into the file being saved; the first failed write is kept.
class SaveFileWriter final : public pugi::xml_writer {
public:
    explicit SaveFileWriter(QSaveFile& file) : m_file(file) {}

    void write(const void* data, size_t size) override
    {
        if (m_ok)
            m_ok = m_file.write(static_cast<const char*>(data), static_cast<qint64>(size)) == qint64(size);
    }

    bool ok() const { return m_ok; }

private:
    QSaveFile& m_file;
    bool m_ok = true;
};

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
    // The old file is replaced only once the new one is complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        TraceFileError("save", path, file.errorString());
        return kXMLFileError;
    }
    SaveFileWriter writer(file);
    writer.write(kDeclaration, sizeof(kDeclaration) - 1);
    m_document.save(writer, kIndent, kSaveFormat, pugi::encoding_utf8);
    if (!writer.ok()) {
        TraceFileError("save", path, QStringLiteral("writing failed: %1").arg(file.errorString()));
        return kXMLFileError;
    }
    if (!file.commit()) {
        TraceFileError("save", path, file.errorString());
        return kXMLFileError;
    }
    return kXMLOk;
}

template <class Wrapper, class... Arguments>
Wrapper* CXMLDocument::NewWrapper(Arguments&&... arguments)
{
    static_assert(std::is_trivially_destructible_v<Wrapper>, "wrappers are freed without being destroyed");
    return std::pmr::polymorphic_allocator<>(&m_wrapperMemory)
        .new_object<Wrapper>(std::forward<Arguments>(arguments)...);
}

CXMLElement* CXMLDocument::ElementOf(pugi::xml_node node)
{
    if (!node)
        return nullptr;
    CXMLElement*& element = m_elements[node.internal_object()];
    if (!element)
        element = NewWrapper<CXMLElement>(node, *this);
    return element;
}

CXMLAttribute* CXMLDocument::NewAttribute(pugi::xml_attribute attribute)
{
    return attribute ? NewWrapper<CXMLAttribute>(attribute) : nullptr;
}

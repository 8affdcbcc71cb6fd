#include "CXMLFileWriter.h"

#include "IXMLParser.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
constexpr char kIndent[] = "\t";
// The declaration is written by hand so that it names the encoding; pugixml's omits it.
constexpr unsigned kSaveFormat = pugi::format_indent | pugi::format_no_declaration;
// What pugixml ends a childless element with, and what ends a start tag before its children.
constexpr std::string_view kEmptyElementEnd = " />\n";
constexpr std::string_view kStartTagEnd = ">\n";
// The child that makes pugixml print a copy of an element with both of its tags.
constexpr char kPlaceholderName[] = "x";

class StringWriter final : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
    std::string text;
};

std::string Printed(pugi::xml_node node, unsigned depth)
{
    StringWriter writer;
    node.print(writer, kIndent, kSaveFormat, pugi::encoding_utf8, depth);
    return std::move(writer.text);
}

} // namespace

CXMLFileWriter::CXMLFileWriter(pugi::xml_document& document, const QString& path) : document_(document), file_(path)
{}

int CXMLFileWriter::Open()
{
    if (!file_.open(QIODevice::WriteOnly))
        return kXMLFileError;
    open_.assign(1, document_);
    endTags_.assign(1, std::string());
    Write(kDeclaration, sizeof(kDeclaration) - 1);
    return ok_ ? kXMLOk : kXMLFileError;
}

void CXMLFileWriter::WriteChildren(pugi::xml_node element, const Release& release)
{
    if (element.type() != pugi::node_element || !element.first_child() || open_.empty())
        return;
    const std::vector<pugi::xml_node> path = PathTo(element);
    const auto common = std::mismatch(open_.begin(), open_.end(), path.begin(), path.end()).first - open_.begin();
    while (open_.size() > static_cast<size_t>(common))
        CloseInnermost(release);
    for (size_t next = open_.size(); next < path.size(); ++next)
        OpenChild(path[next], release);
    WriteChildrenUpTo(pugi::xml_node(), release);
}

int CXMLFileWriter::Finish(const Release& release)
{
    if (open_.empty())
        return kXMLFileError;
    if (open_.size() == 1) {
        // Nothing written in pieces: pugixml prints the whole document.
        struct FileWriter final : pugi::xml_writer {
            explicit FileWriter(CXMLFileWriter& owner) : owner(owner) {}
            void write(const void* data, size_t size) override { owner.Write(data, size); }
            CXMLFileWriter& owner;
        } writer(*this);
        document_.save(writer, kIndent, kSaveFormat, pugi::encoding_utf8);
    } else {
        while (open_.size() > 2)
            CloseInnermost(release);
        const pugi::xml_node root = open_.back();
        CloseInnermost(release);
        for (pugi::xml_node after = root.next_sibling(); after; after = after.next_sibling())
            Write(Printed(after, ChildDepth()));
    }
    open_.clear();
    if (!ok_ || !file_.commit())
        return kXMLFileError;
    return kXMLOk;
}

QString CXMLFileWriter::ErrorText() const
{
    return ok_ ? file_.errorString() : QStringLiteral("writing failed: %1").arg(file_.errorString());
}

void CXMLFileWriter::Write(const void* data, size_t size)
{
    if (ok_)
        ok_ = file_.write(static_cast<const char*>(data), static_cast<qint64>(size)) == static_cast<qint64>(size);
}

std::vector<pugi::xml_node> CXMLFileWriter::PathTo(pugi::xml_node element)
{
    std::vector<pugi::xml_node> path;
    for (pugi::xml_node node = element; node; node = node.parent())
        path.push_back(node);
    std::reverse(path.begin(), path.end());
    return path;
}

void CXMLFileWriter::WriteChildrenUpTo(pugi::xml_node stop, const Release& release)
{
    const unsigned depth = ChildDepth();
    pugi::xml_node child = open_.back().first_child();
    while (child && child != stop) {
        const pugi::xml_node next = child.next_sibling();
        Write(Printed(child, depth));
        release(child);
        child = next;
    }
}

void CXMLFileWriter::OpenChild(pugi::xml_node child, const Release& release)
{
    WriteChildrenUpTo(child, release);
    std::string start, end;
    if (!TagsAround(child, ChildDepth(), start, end))
        ok_ = false;
    Write(start);
    open_.push_back(child);
    endTags_.push_back(std::move(end));
}

void CXMLFileWriter::CloseInnermost(const Release& release)
{
    WriteChildrenUpTo(pugi::xml_node(), release);
    const pugi::xml_node closed = open_.back();
    Write(endTags_.back());
    open_.pop_back();
    endTags_.pop_back();
    // Written whole now; the root stays, the document's one element until it is released.
    if (open_.size() > 1)
        release(closed);
}

bool CXMLFileWriter::TagsAround(pugi::xml_node element, unsigned depth, std::string& start, std::string& end)
{
    pugi::xml_document scratch;
    pugi::xml_node copy = scratch.append_child(element.name());
    for (const pugi::xml_attribute attribute : element.attributes())
        copy.append_attribute(attribute.name()).set_value(attribute.value());
    const std::string childless = Printed(copy, depth);
    const pugi::xml_node placeholder = copy.append_child(kPlaceholderName);
    const std::string placeholderText = Printed(placeholder, depth + 1);
    const std::string around = Printed(copy, depth);
    if (!std::string_view(childless).ends_with(kEmptyElementEnd))
        return false;
    start = childless.substr(0, childless.size() - kEmptyElementEnd.size());
    start += kStartTagEnd;
    if (!std::string_view(around).starts_with(start + placeholderText))
        return false;
    end = around.substr(start.size() + placeholderText.size());
    return true;
}

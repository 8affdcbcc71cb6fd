#pragma once
// Writes one document into a file: all at once, or piece by piece while the document is built, so
// that a big document need not be held whole. A piece is a finished child subtree, printed by
// pugixml at its depth and then freed; the start and end tags around the pieces come from pugixml
// too, so the bytes equal those of printing the whole document in one go. The target is replaced
// only once Finish has written everything; a writer dropped before leaves it as it was.
//
// Pieces are printed in document order: writing the children of an element first writes
// (and frees) whatever precedes them and was not written yet, and closes the elements written
// before that the element is not inside. An element's start tag is written with the first piece
// inside it, so its attributes must be set by then. Elements only: a text node would be printed
// differently inside a piece.

#include <QSaveFile>
#include <QString>

#include <pugixml.hpp>

#include <functional>
#include <vector>

class CXMLFileWriter {
public:
    // Frees a node that was written, with everything under it.
    using Release = std::function<void(pugi::xml_node)>;

    CXMLFileWriter(pugi::xml_document& document, const QString& path);
    CXMLFileWriter(const CXMLFileWriter&) = delete;
    CXMLFileWriter& operator=(const CXMLFileWriter&) = delete;

    // kXMLOk once the temporary file is open and holds the declaration; kXMLFileError otherwise.
    int Open();
    // Writes every child the element holds now, with what comes before them, and frees them.
    void WriteChildren(pugi::xml_node element, const Release& release);
    // Writes what is left and replaces the target: kXMLOk, or kXMLFileError when a write failed.
    int Finish(const Release& release);
    // Why Open or Finish failed.
    QString ErrorText() const;
    QString Path() const { return file_.fileName(); }

private:
    void Write(const void* data, size_t size);
    void Write(const std::string& text) { Write(text.data(), text.size()); }
    // The nodes from the document node down to the element.
    static std::vector<pugi::xml_node> PathTo(pugi::xml_node element);
    // Writes the innermost open element's children from first up to (without) stop, and frees them.
    void WriteChildrenUpTo(pugi::xml_node stop, const Release& release);
    void OpenChild(pugi::xml_node child, const Release& release);
    // Writes the rest of the innermost open element and its end tag, and frees it unless it is the root.
    void CloseInnermost(const Release& release);
    // The children of open_[i] are at depth i: the document node's at 0.
    unsigned ChildDepth() const { return static_cast<unsigned>(open_.size() - 1); }
    // The element's tags as pugixml prints them around its children at that depth; false if
    // pugixml's output did not have the expected shape.
    static bool TagsAround(pugi::xml_node element, unsigned depth, std::string& start, std::string& end);

    pugi::xml_document& document_;
    QSaveFile file_;
    bool ok_ = true; // false from the first failed write on
    // The document node and the elements whose start tag is written and end tag not yet, outermost
    // first, each with its end tag.
    std::vector<pugi::xml_node> open_;
    std::vector<std::string> endTags_;
};

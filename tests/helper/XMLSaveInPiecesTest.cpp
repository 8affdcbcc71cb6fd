// Saving a document in pieces while it is built, and freeing what a reader is done with.
#include "FileSizeLimit.h"
#include "IXMLParser.h"

#include "FileBytes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <functional>

namespace {

// Where the builder below may write what it has built so far.
enum FlushSite : unsigned {
    kAfterEachItem = 1u << 0,  // the children of the big group, item by item
    kEmptyGroup = 1u << 1,     // an element that never gets a child
    kDeepInside = 1u << 2,     // three levels down, then more children one level up
    kAfterNesting = 1u << 3,   // the outer nesting element once its inner one was written
    kRootAtTheEnd = 1u << 4,   // the root's children, with one added after the last piece
    kBeforeTheGroup = 1u << 5, // the root's first children, before the group exists
};

using Flush = std::function<void(IXMLElement*, FlushSite)>;

// A document with every shape the writer must reproduce: attributes needing escapes and
// non-ASCII text, childless elements, nesting, many items.
void Build(IXMLElement* root, const Flush& flush)
{
    root->SetAttribute(QStringLiteral("Result"), QStringLiteral("Plant \"A\" & <B>\n\tZähler"));
    root->SetAttribute(QStringLiteral("Version"), QStringLiteral("1.9.0"));
    root->AddChildWithAttribute(QStringLiteral("First"), QStringLiteral("Result"), QStringLiteral("1"));
    flush(root, kBeforeTheGroup);
    IXMLElement* group = root->AddChild(QStringLiteral("Größe"));
    group->SetAttribute(QStringLiteral("Count"), QStringLiteral("40"));
    group->AddChildWithAttribute(QStringLiteral("Quantity"), QStringLiteral("Result"), QStringLiteral("40"));
    for (int i = 0; i < 40; ++i) {
        IXMLElement* item = group->AddChild(QStringLiteral("Tag_%1").arg(i));
        item->AddChildWithAttribute(QStringLiteral("TagName"), QStringLiteral("Result"),
                                    QStringLiteral("T'%1'").arg(i));
        IXMLElement* inner = item->AddChild(QStringLiteral("ChannelType"));
        inner->SetAttribute(QStringLiteral("Id"), QString::number(1000 + i));
        inner->AddChild(QStringLiteral("Empty"));
        item->AddChild(QStringLiteral("RelatedService"));
        flush(group, kAfterEachItem);
    }
    IXMLElement* empty = root->AddChild(QStringLiteral("EmptyGroup"));
    flush(empty, kEmptyGroup);
    IXMLElement* outer = root->AddChild(QStringLiteral("Outer"));
    IXMLElement* middle = outer->AddChild(QStringLiteral("Middle"));
    middle->SetAttribute(QStringLiteral("Result"), QString());
    IXMLElement* inner = middle->AddChild(QStringLiteral("Inner"));
    inner->AddChildWithAttribute(QStringLiteral("Deep"), QStringLiteral("Result"), QStringLiteral("a < b"));
    flush(inner, kDeepInside);
    middle->AddChildWithAttribute(QStringLiteral("AfterInner"), QStringLiteral("Result"), QStringLiteral("2"));
    flush(outer, kAfterNesting);
    outer->AddChildWithAttribute(QStringLiteral("AfterMiddle"), QStringLiteral("Result"), QStringLiteral("3"));
    root->AddChildWithAttribute(QStringLiteral("Last"), QStringLiteral("Result"), QStringLiteral("4"));
    flush(root, kRootAtTheEnd);
    root->AddChildWithAttribute(QStringLiteral("AfterAll"), QStringLiteral("Result"), QStringLiteral("5"));
}

QStringList ChildNames(IXMLElement* element)
{
    QStringList names;
    for (IXMLElement* child = element->FirstChild(); child; child = element->NextChild())
        names << child->GetName();
    return names;
}

class XMLSaveInPiecesTest : public testing::Test, protected TestFolder {
protected:
    // The bytes Save writes for the document Build makes.
    QByteArray SavedWhole()
    {
        IXMLElement* root = m_parser->CreateRoot(QStringLiteral("Project"));
        Build(root, [](IXMLElement*, FlushSite) {});
        const QString path = PathOf(QStringLiteral("whole.xml"));
        EXPECT_EQ(m_parser->Save(path, kXMLSaveDefault, root), kXMLOk);
        m_parser->Release(root);
        return ReadFileBytes(path);
    }

    XMLParserPtr m_parser = MakeXMLParser();
};

TEST_F(XMLSaveInPiecesTest, WritesTheBytesOfAWholeSaveWhereverThePiecesEnd)
{
    const QByteArray whole = SavedWhole();
    const struct {
        const char* label;
        unsigned sites;
    } cases[] = {
        {"no piece", 0},
        {"item by item", kAfterEachItem},
        {"childless element", kEmptyGroup},
        {"deep, then the level above", kDeepInside},
        {"deep, then two levels up", kDeepInside | kAfterNesting},
        {"root before its big child", kBeforeTheGroup},
        {"root at the end", kRootAtTheEnd},
        {"everywhere", ~0u},
    };
    for (const auto& c : cases) {
        IXMLElement* root = m_parser->CreateRoot(QStringLiteral("Project"));
        const QString path = PathOf(QStringLiteral("pieces.xml"));
        QFile::remove(path);
        ASSERT_EQ(m_parser->BeginSave(path, kXMLSaveDefault, root), kXMLOk) << c.label;
        Build(root, [&c](IXMLElement* element, FlushSite site) {
            if (!(c.sites & site))
                return;
            element->SaveChildren();
            EXPECT_EQ(element->ChildCount(), 0) << "written children are freed";
        });
        EXPECT_FALSE(QFile::exists(path)) << c.label << ": nothing replaced before the end";
        EXPECT_EQ(m_parser->EndSave(root), kXMLOk) << c.label;
        m_parser->Release(root);
        EXPECT_EQ(ReadFileBytes(path), whole) << c.label;
    }
}

TEST_F(XMLSaveInPiecesTest, OutsideASaveInPiecesChildrenStay)
{
    IXMLElement* root = m_parser->CreateRoot(QStringLiteral("Root"));
    root->AddChild(QStringLiteral("A"));
    root->SaveChildren();
    EXPECT_EQ(ChildNames(root), QStringList{"A"});

    // A loaded document is written whole, as Save writes it.
    const QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Root>\n\t<A>text</A>\n\t<B />\n</Root>\n";
    IXMLElement* loaded = nullptr;
    ASSERT_EQ(m_parser->Load(WriteFile(QStringLiteral("in.xml"), text), &loaded), kXMLOk);
    const QString path = PathOf(QStringLiteral("out.xml"));
    ASSERT_EQ(m_parser->BeginSave(path, kXMLSaveDefault, loaded), kXMLOk);
    loaded->SaveChildren();
    EXPECT_EQ(ChildNames(loaded), (QStringList{"A", "B"}));
    EXPECT_EQ(m_parser->EndSave(loaded), kXMLOk);
    EXPECT_EQ(ReadFileBytes(path), text);
}

TEST_F(XMLSaveInPiecesTest, FailuresLeaveTheOldFile)
{
    const QByteArray old = "<Old/>";
    const QString path = WriteFile(QStringLiteral("keep.xml"), old);
    IXMLElement* root = m_parser->CreateRoot(QStringLiteral("New"));

    EXPECT_EQ(m_parser->BeginSave(PathOf(QStringLiteral("no/such/folder/x.xml")), kXMLSaveDefault, root),
              kXMLFileError);
    EXPECT_EQ(m_parser->EndSave(root), kXMLBadArgument) << "no save runs";
    EXPECT_EQ(m_parser->BeginSave(path, kXMLSaveDefault, nullptr), kXMLBadArgument);

    // Released before the end: the file stays as it was.
    ASSERT_EQ(m_parser->BeginSave(path, kXMLSaveDefault, root), kXMLOk);
    EXPECT_EQ(m_parser->BeginSave(path, kXMLSaveDefault, root), kXMLBadArgument) << "one save at a time";
    root->AddChild(QStringLiteral("Child"));
    root->SaveChildren();
    m_parser->Release(root);
    EXPECT_EQ(ReadFileBytes(path), old);

    // The disk fills up part way through.
    root = m_parser->CreateRoot(QStringLiteral("New"));
    ASSERT_EQ(m_parser->BeginSave(path, kXMLSaveDefault, root), kXMLOk);
    {
        const FileSizeLimit limit(4096);
        for (int i = 0; i < 1000; ++i) {
            root->AddChildWithAttribute(QStringLiteral("Child"), QStringLiteral("Result"), QString::number(i));
            root->SaveChildren();
        }
        EXPECT_EQ(m_parser->EndSave(root), kXMLFileError);
    }
    m_parser->Release(root);
    EXPECT_EQ(ReadFileBytes(path), old);
    EXPECT_EQ(QDir(FolderPath()).entryList(QDir::Files), QStringList{"keep.xml"}) << "no temporary left behind";
}

TEST_F(XMLSaveInPiecesTest, AReaderReleasesChildrenAsItGoes)
{
    const QByteArray text = "<Root><Q/><Tag_0 id=\"0\"><In><Deep/></In></Tag_0>text<Tag_1 id=\"1\"/><!-- c -->"
                            "<Tag_2 id=\"2\"/><Tail><Deep/></Tail></Root>";
    IXMLElement* root = nullptr;
    ASSERT_EQ(m_parser->Load(WriteFile(QStringLiteral("in.xml"), text), &root), kXMLOk);
    EXPECT_EQ(root->ChildCount(), 5) << "elements only";

    // Walk on while releasing what was read.
    QStringList read;
    IXMLElement* child = root->FindChild(QStringLiteral("Tag_0"));
    while (child) {
        read << child->GetName();
        IXMLElement* next = root->NextChild();
        root->ReleaseChild(child);
        child = next;
    }
    EXPECT_EQ(read, (QStringList{"Tag_0", "Tag_1", "Tag_2", "Tail"}));
    EXPECT_EQ(ChildNames(root), QStringList{"Q"});
    EXPECT_EQ(root->FindChild(QStringLiteral("Deep")), nullptr) << "released subtrees are gone from searches";

    // Releasing the child the walk stands on ends the walk.
    root->AddChild(QStringLiteral("X"));
    root->AddChild(QStringLiteral("Y"));
    IXMLElement* x = root->FindChild(QStringLiteral("X"));
    root->ReleaseChild(x);
    EXPECT_EQ(root->NextChild(), nullptr);
    EXPECT_EQ(ChildNames(root), (QStringList{"Q", "Y"}));

    // What is no child of the element is left alone.
    IXMLElement* q = root->FindChild(QStringLiteral("Q"));
    IXMLElement* grandchild = q->AddChild(QStringLiteral("Grandchild"));
    IXMLElement* foreign = m_parser->CreateRoot(QStringLiteral("Other"));
    root->ReleaseChild(grandchild);
    root->ReleaseChild(foreign);
    root->ReleaseChild(root);
    root->ReleaseChild(nullptr);
    EXPECT_EQ(ChildNames(q), QStringList{"Grandchild"});
    EXPECT_EQ(ChildNames(root), (QStringList{"Q", "Y"}));

    // Elements made after a release start with fresh walks and attributes of their own.
    IXMLElement* y = root->FindChild(QStringLiteral("Y"));
    y->SetAttribute(QStringLiteral("a"), QStringLiteral("1"));
    y->FirstAttribute();
    y->AddChild(QStringLiteral("YChild"));
    y->FirstChild();
    root->ReleaseChild(y);
    IXMLElement* z = root->AddChild(QStringLiteral("Z"));
    EXPECT_EQ(z->FirstAttribute(), nullptr);
    EXPECT_EQ(z->NextChild(), nullptr);
    EXPECT_EQ(z->GetAttribute(QStringLiteral("a")), nullptr);
    z->SetAttribute(QStringLiteral("b"), QStringLiteral("2"));
    EXPECT_EQ(z->FirstAttribute()->GetName(), QStringLiteral("b"));
    EXPECT_EQ(ChildNames(root), (QStringList{"Q", "Z"}));
    m_parser->Release(foreign);
}

} // namespace

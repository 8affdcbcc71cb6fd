#include "IXMLParser.h"

#include "FileBytes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/resource.h>

namespace {

// A direct "Target" after a deeper one, and "Only" twice below C: the deeper search must follow
// document order (C/D/Only before C/Only), not breadth.
constexpr char kTree[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<Root>
  <A><Target id="deep-in-A"/></A>
  <Target id="direct"/>
  <B/>
  <C>
    <D><Only id="first-in-document-order"/></D>
    <Only id="shallower-but-later"/>
  </C>
</Root>
)";

// "null", the element's name, or name#id.
QString Label(IXMLElement* element)
{
    if (!element)
        return QStringLiteral("null");
    IXMLAttribute* id = element->GetAttribute(QStringLiteral("id"));
    return id ? element->GetName() + u'#' + id->GetValue() : element->GetName();
}

QStringList AttributeWalk(IXMLElement* element)
{
    QStringList walk;
    for (IXMLAttribute* a = element->FirstAttribute(); a; a = element->NextAttribute())
        walk << a->GetName() + u'=' + a->GetValue();
    return walk;
}

QStringList ChildWalk(IXMLElement* element)
{
    QStringList walk;
    for (IXMLElement* child = element->FirstChild(); child; child = element->NextChild())
        walk << Label(child);
    return walk;
}

// Makes writes beyond a size fail (EFBIG instead of SIGXFSZ) while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_oldHandler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    void (*m_oldHandler)(int);
    rlimit m_old{};
};

class XMLParserTest : public testing::Test, protected TestFolder {
protected:
    IXMLElement* LoadText(const QByteArray& text)
    {
        IXMLElement* root = nullptr;
        EXPECT_EQ(m_parser->Load(WriteFile(QStringLiteral("in.xml"), text), &root), kXMLOk);
        return root;
    }

    XMLParserPtr m_parser = MakeXMLParser();
};

TEST_F(XMLParserTest, FindChildPrefersADirectChildAndLeavesTheCursorOnIt)
{
    IXMLElement* root = LoadText(kTree);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(Label(root->FindChild(QStringLiteral("Target"))), QStringLiteral("Target#direct"));
    EXPECT_EQ(Label(root->NextChild()), QStringLiteral("B"));
    EXPECT_EQ(Label(root->NextChild()), QStringLiteral("C"));
    EXPECT_EQ(Label(root->NextChild()), QStringLiteral("null"));
    EXPECT_EQ(Label(root->NextChild()), QStringLiteral("null")) << "stays at the end";
    EXPECT_EQ(Label(root->FirstChild()), QStringLiteral("A")) << "FirstChild starts over";
    EXPECT_EQ(Label(root->NextChild()), QStringLiteral("Target#direct"));
}

TEST_F(XMLParserTest, FindChildSearchesDeeperInDocumentOrder)
{
    IXMLElement* root = LoadText(kTree);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(Label(root->FirstChild()), QStringLiteral("A"));

    EXPECT_EQ(Label(root->FindChild(QStringLiteral("Only"))), QStringLiteral("Only#first-in-document-order"));
    EXPECT_EQ(Label(root->NextChild()), QStringLiteral("Target#direct")) << "a deeper match does not move the cursor";
    EXPECT_EQ(Label(root->FindChild(QStringLiteral("Missing"))), QStringLiteral("null"));
    EXPECT_EQ(Label(root->NextChild()), QStringLiteral("B")) << "a miss does not move the cursor";

    IXMLElement* c = root->FindChild(QStringLiteral("C"));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(Label(c->FindChild(QStringLiteral("Only"))), QStringLiteral("Only#shallower-but-later"));
    EXPECT_EQ(Label(c->FindChild(QStringLiteral("C"))), QStringLiteral("null")) << "the element itself is no match";
    EXPECT_EQ(Label(root->FindChild(QStringLiteral("id"))), QStringLiteral("null")) << "attributes are no match";
}

TEST_F(XMLParserTest, EachElementKeepsItsOwnCursorAcrossCalls)
{
    IXMLElement* root = LoadText(kTree);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->NextChild(), nullptr) << "no walk started yet";

    IXMLElement* a = root->FirstChild();
    EXPECT_EQ(ChildWalk(a), QStringList{QStringLiteral("Target#deep-in-A")});
    EXPECT_EQ(Label(root->NextChild()), QStringLiteral("Target#direct"))
        << "walking a child leaves the parent's cursor";

    // The same element is the same object however it is reached, so its cursor is shared.
    IXMLElement* c = root->FindChild(QStringLiteral("C"));
    EXPECT_EQ(Label(c->FirstChild()), QStringLiteral("D"));
    root->FirstChild();
    EXPECT_EQ(root->FindChild(QStringLiteral("C")), c);
    EXPECT_EQ(Label(c->NextChild()), QStringLiteral("Only#shallower-but-later"));
    EXPECT_EQ(root->FirstChild(), a);
    EXPECT_EQ(root->FindChild(QStringLiteral("Only")), c->FindChild(QStringLiteral("D"))->FirstChild());
}

TEST_F(XMLParserTest, AddedChildrenAndAttributesJoinEarlierWalks)
{
    IXMLElement* root = LoadText(R"(<Root a="1"><A/><B/></Root>)");
    ASSERT_NE(root, nullptr);
    IXMLElement* a = root->FirstChild();
    EXPECT_EQ(Label(a->FirstChild()), QStringLiteral("null"));
    IXMLElement* c = root->AddChild(QStringLiteral("C"));
    IXMLElement* inA = a->AddChild(QStringLiteral("InA"));
    EXPECT_EQ(a->FirstChild(), inA);
    EXPECT_EQ(Label(root->NextChild()), QStringLiteral("B")) << "appending leaves the cursor";
    EXPECT_EQ(root->NextChild(), c);
    EXPECT_EQ(root->FindChild(QStringLiteral("C")), c);
    IXMLElement* d = root->AddChild(QStringLiteral("D"));
    EXPECT_EQ(root->FindChild(QStringLiteral("D")), d);
    EXPECT_EQ(ChildWalk(root), (QStringList{"A", "B", "C", "D"}));

    EXPECT_EQ(AttributeWalk(root), QStringList{"a=1"});
    root->SetAttribute(QStringLiteral("b"), QStringLiteral("2"));
    EXPECT_EQ(Label(root->FindChild(QStringLiteral("InA"))), QStringLiteral("InA"));
    EXPECT_EQ(root->GetAttribute(QStringLiteral("b"))->GetValue(), QStringLiteral("2"));
    EXPECT_EQ(AttributeWalk(root), (QStringList{"a=1", "b=2"}));
}

// The value calls must find what FindChild and GetAttribute find and move the cursor alike.
TEST_F(XMLParserTest, ReadChildAttributeReadsWhatFindChildAndGetAttributeRead)
{
    IXMLElement* root = LoadText(kTree);
    ASSERT_NE(root, nullptr);
    const struct {
        const char* child;
        const char* attribute;
        bool found;
        QString value;
        const char* cursorAfter; // Label of NextChild after the read, the walk started at A
    } cases[] = {
        {"Target", "id", true, QStringLiteral("direct"), "B"},
        {"Only", "id", true, QStringLiteral("first-in-document-order"), "Target#direct"},
        {"B", "id", false, QString(), "C"},
        {"Missing", "id", false, QString(), "Target#direct"},
        {"Target", "ID", false, QString(), "B"},
    };
    for (const auto& c : cases) {
        root->FirstChild();
        QString value = QStringLiteral("untouched");
        const bool found = root->ReadChildAttribute(QString::fromUtf8(c.child), QString::fromUtf8(c.attribute), value);
        EXPECT_EQ(found, c.found) << c.child << ' ' << c.attribute;
        if (found) {
            EXPECT_EQ(value, c.value) << c.child;
        }
        EXPECT_EQ(Label(root->NextChild()), QString::fromUtf8(c.cursorAfter)) << c.child << ' ' << c.attribute;
    }
}

TEST_F(XMLParserTest, AddChildWithAttributeWritesWhatAddChildAndSetAttributeWrite)
{
    IXMLElement* made = m_parser->CreateRoot(QStringLiteral("Root"));
    made->AddChild(QStringLiteral("Größe"))->SetAttribute(QStringLiteral("Result"), QStringLiteral("Zähler <1>"));
    made->AddChild(QStringLiteral("Next"));
    IXMLElement* quick = m_parser->CreateRoot(QStringLiteral("Root"));
    IXMLElement* next = quick->AddChild(QStringLiteral("Next"));
    EXPECT_EQ(quick->FirstChild(), next);
    quick->AddChildWithAttribute(QStringLiteral("Größe"), QStringLiteral("Result"), QStringLiteral("Zähler <1>"));
    IXMLElement* added = quick->NextChild();
    EXPECT_EQ(Label(added), QStringLiteral("Größe")) << "the added child joins the walk";
    EXPECT_EQ(quick->FindChild(QStringLiteral("Größe")), added) << "one object per element however it is reached";

    // Same bytes as the elements written the long way, once the order matches.
    IXMLElement* ordered = m_parser->CreateRoot(QStringLiteral("Root"));
    ordered->AddChildWithAttribute(QStringLiteral("Größe"), QStringLiteral("Result"), QStringLiteral("Zähler <1>"));
    ordered->AddChild(QStringLiteral("Next"));
    const QString madePath = PathOf(QStringLiteral("made.xml"));
    const QString orderedPath = PathOf(QStringLiteral("ordered.xml"));
    ASSERT_EQ(m_parser->Save(madePath, kXMLSaveDefault, made), kXMLOk);
    ASSERT_EQ(m_parser->Save(orderedPath, kXMLSaveDefault, ordered), kXMLOk);
    EXPECT_EQ(ReadFileBytes(orderedPath), ReadFileBytes(madePath));
}

TEST_F(XMLParserTest, WalksSeeElementsOnly)
{
    IXMLElement* root = LoadText("<Root>text<A/><!-- note --><![CDATA[<B/>]]><?pi x?>\n<B/>tail</Root>");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(ChildWalk(root), (QStringList{"A", "B"}));
    EXPECT_EQ(root->FindChild(QString()), nullptr) << "text nodes have no name to match";
}

TEST_F(XMLParserTest, AttributesKeepOrderAndChangeInPlace)
{
    IXMLElement* root = m_parser->CreateRoot(QStringLiteral("Root"));
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->FirstAttribute(), nullptr);
    EXPECT_EQ(root->NextAttribute(), nullptr);
    EXPECT_EQ(root->GetName(), QStringLiteral("Root"));

    root->SetAttribute(QStringLiteral("Zeta"), QStringLiteral("1"));
    root->SetAttribute(QStringLiteral("Alpha"), QStringLiteral("2"));
    root->SetAttribute(QStringLiteral("Mid"), QStringLiteral("3"));
    IXMLAttribute* alpha = root->GetAttribute(QStringLiteral("Alpha"));
    root->SetAttribute(QStringLiteral("Alpha"), QStringLiteral("changed"));
    EXPECT_EQ(AttributeWalk(root), (QStringList{"Zeta=1", "Alpha=changed", "Mid=3"}));
    EXPECT_EQ(root->NextAttribute(), nullptr) << "stays at the end";
    EXPECT_EQ(root->GetAttribute(QStringLiteral("Alpha")), alpha);
    EXPECT_EQ(alpha->GetValue(), QStringLiteral("changed"));
    EXPECT_EQ(root->GetAttribute(QStringLiteral("alpha")), nullptr) << "names are case-sensitive";

    EXPECT_EQ(root->FirstAttribute()->GetName(), QStringLiteral("Zeta"));
    EXPECT_EQ(root->NextAttribute(), alpha);
}

TEST_F(XMLParserTest, FileOrderOfChildrenAndAttributesIsKept)
{
    IXMLElement* root = LoadText(R"(<Root b="1" a="2" c="3"><Z/><Y/><X/></Root>)");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(AttributeWalk(root), (QStringList{"b=1", "a=2", "c=3"}));
    EXPECT_EQ(ChildWalk(root), (QStringList{"Z", "Y", "X"}));
}

TEST_F(XMLParserTest, SaveAndLoadKeepEveryText)
{
    const struct {
        const char* name;
        QString value;
    } cases[] = {
        {"LineFeed", QStringLiteral("one\ntwo")},
        {"CrLf", QStringLiteral("one\r\ntwo\r\n")},
        {"Tab", QStringLiteral("a\tb")},
        {"Quotes", QStringLiteral("say \"hi\" it's")},
        {"Markup", QStringLiteral("<a> & </a> &amp;")},
        {"NonAscii", QStringLiteral("Zähler °C 温度 €")},
        {"Blanks", QStringLiteral("  padded  ")},
        {"Empty", QString()},
    };
    const QString childName = QStringLiteral("Größe");

    IXMLElement* root = m_parser->CreateRoot(QStringLiteral("Product"));
    IXMLElement* child = root->AddChild(childName);
    for (const auto& c : cases)
        child->SetAttribute(QString::fromUtf8(c.name), c.value);
    root->AddChild(QStringLiteral("Second"))->SetAttribute(QStringLiteral("Result"), QStringLiteral("7"));
    const QString first = PathOf(QStringLiteral("first.xml"));
    ASSERT_EQ(m_parser->Save(first, kXMLSaveDefault, root), kXMLOk);
    m_parser->Release(root);

    IXMLElement* loaded = nullptr;
    ASSERT_EQ(m_parser->Load(first, &loaded), kXMLOk);
    EXPECT_EQ(ChildWalk(loaded), (QStringList{childName, "Second"}));
    IXMLElement* loadedChild = loaded->FindChild(childName);
    ASSERT_NE(loadedChild, nullptr);
    for (const auto& c : cases) {
        IXMLAttribute* attribute = loadedChild->GetAttribute(QString::fromUtf8(c.name));
        ASSERT_NE(attribute, nullptr) << c.name;
        EXPECT_EQ(attribute->GetValue(), c.value) << c.name;
    }

    // A loaded file saves to the same bytes.
    const QString second = PathOf(QStringLiteral("second.xml"));
    ASSERT_EQ(m_parser->Save(second, kXMLSaveDefault, loaded), kXMLOk);
    EXPECT_EQ(ReadFileBytes(second), ReadFileBytes(first));
}

TEST_F(XMLParserTest, SavesIndentedUtf8WithADeclaration)
{
    IXMLElement* root = m_parser->CreateRoot(QStringLiteral("Product"));
    root->AddChild(QStringLiteral("Name"))->SetAttribute(QStringLiteral("Result"), QStringLiteral("Zähler"));
    const QString path = PathOf(QStringLiteral("out.xml"));
    ASSERT_EQ(m_parser->Save(path, kXMLSaveDefault, root), kXMLOk);
    EXPECT_EQ(ReadFileBytes(path), QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                              "<Product>\n"
                                              "\t<Name Result=\"Z\xC3\xA4hler\" />\n"
                                              "</Product>\n"));
}

TEST_F(XMLParserTest, LoadFailsWithoutTouchingTheRoot)
{
    const QString missing = PathOf(QStringLiteral("missing.xml"));
    const QString folder = PathOf(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const struct {
        const char* label;
        QString path;
        int expected;
    } cases[] = {
        {"missing", missing, kXMLFileError},
        {"folder", folder, kXMLFileError},
        {"empty", WriteFile(QStringLiteral("empty.xml"), QByteArray()), kXMLParseError},
        {"unclosed", WriteFile(QStringLiteral("unclosed.xml"), "<Root><A></Root>"), kXMLParseError},
        {"truncated", WriteFile(QStringLiteral("truncated.xml"), "<Root a=\"1"), kXMLParseError},
        {"plain text", WriteFile(QStringLiteral("text.xml"), "just words"), kXMLParseError},
        {"binary", WriteFile(QStringLiteral("binary.xml"), QByteArray("\0\xff\xfe<\x01>", 6)), kXMLParseError},
        {"stray <", WriteFile(QStringLiteral("stray.xml"), "<Root><</Root>"), kXMLParseError},
        {"two roots unclosed", WriteFile(QStringLiteral("two.xml"), "<A/><B>"), kXMLParseError},
    };
    IXMLElement* const untouched = reinterpret_cast<IXMLElement*>(0x1);
    for (const auto& c : cases) {
        IXMLElement* root = untouched;
        EXPECT_EQ(m_parser->Load(c.path, &root), c.expected) << c.label;
        EXPECT_EQ(root, untouched) << c.label;
    }
    EXPECT_EQ(m_parser->Load(WriteFile(QStringLiteral("ok.xml"), "<Root/>"), nullptr), kXMLBadArgument);
}

// Visits every element and attribute below element, without recursion.
int CountEverything(IXMLElement* element)
{
    int count = 0;
    QList<IXMLElement*> pending{element};
    while (!pending.isEmpty()) {
        IXMLElement* current = pending.takeLast();
        ++count;
        count += AttributeWalk(current).size();
        for (IXMLElement* child = current->FirstChild(); child; child = current->NextChild())
            pending.append(child);
    }
    return count;
}

TEST_F(XMLParserTest, EveryCutOrDamagedFileIsRefusedOrReadable)
{
    const QByteArray whole = QByteArray(kTree) + "<!-- tail --><![CDATA[x]]>";
    QList<QByteArray> inputs;
    for (qsizetype size = 0; size < whole.size(); ++size) {
        inputs << whole.left(size);
        QByteArray damaged = whole;
        damaged[size] = static_cast<char>(damaged[size] ^ 0x80);
        inputs << damaged;
    }
    const QString path = PathOf(QStringLiteral("damaged.xml"));
    for (const QByteArray& input : inputs) {
        WriteFile(QStringLiteral("damaged.xml"), input);
        IXMLElement* root = nullptr;
        if (m_parser->Load(path, &root) != kXMLOk) {
            EXPECT_EQ(root, nullptr);
            continue;
        }
        EXPECT_GT(CountEverything(root), 0);
        root->FindChild(QStringLiteral("Only"));
        m_parser->Release(root);
    }
}

TEST_F(XMLParserTest, HandlesVeryDeepNesting)
{
    constexpr int kDepth = 200000;
    QByteArray text = QByteArray("<E>").repeated(kDepth) + "<Deepest/>" + QByteArray("</E>").repeated(kDepth);
    IXMLElement* root = LoadText(text);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(Label(root->FindChild(QStringLiteral("Deepest"))), QStringLiteral("Deepest"));
    m_parser->Release(root);
}

TEST_F(XMLParserTest, SaveRefusesUnwritablePathsAndForeignElements)
{
    IXMLElement* root = m_parser->CreateRoot(QStringLiteral("Root"));
    IXMLElement* child = root->AddChild(QStringLiteral("Child"));
    const QString folder = PathOf(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_EQ(m_parser->Save(PathOf(QStringLiteral("no/such/folder/x.xml")), kXMLSaveDefault, root), kXMLFileError);
    EXPECT_EQ(m_parser->Save(folder, kXMLSaveDefault, root), kXMLFileError);

    XMLParserPtr other = MakeXMLParser();
    const QString path = PathOf(QStringLiteral("x.xml"));
    EXPECT_EQ(m_parser->Save(path, kXMLSaveDefault, child), kXMLBadArgument);
    EXPECT_EQ(other->Save(path, kXMLSaveDefault, root), kXMLBadArgument);
    EXPECT_EQ(m_parser->Save(path, kXMLSaveDefault, nullptr), kXMLBadArgument);
    EXPECT_FALSE(QFile::exists(path));

    // Releasing what is no root of this parser frees nothing.
    m_parser->Release(child);
    other->Release(root);
    m_parser->Release(nullptr);
    EXPECT_EQ(Label(root->FirstChild()), QStringLiteral("Child"));
    EXPECT_EQ(m_parser->Save(path, kXMLSaveDefault, root), kXMLOk);
}

TEST_F(XMLParserTest, AFailedSaveKeepsTheOldFile)
{
    const QByteArray old = "<Old/>";
    const QString path = WriteFile(QStringLiteral("keep.xml"), old);
    IXMLElement* root = m_parser->CreateRoot(QStringLiteral("New"));
    for (int i = 0; i < 1000; ++i)
        root->AddChild(QStringLiteral("Child"))->SetAttribute(QStringLiteral("Result"), QString::number(i));
    {
        const FileSizeLimit limit(4096); // the disk "fills up" part way through the save
        EXPECT_EQ(m_parser->Save(path, kXMLSaveDefault, root), kXMLFileError);
    }
    EXPECT_EQ(ReadFileBytes(path), old);
    EXPECT_EQ(QDir(FolderPath()).entryList(QDir::Files), QStringList{"keep.xml"}) << "no temporary left behind";
}

} // namespace

#include "XMLAttributeReader.h"

#include <gtest/gtest.h>

namespace {

const QString kResult = QStringLiteral("Result");
const QString kStale = QStringLiteral("stale");

class XMLAttributeReaderTest : public testing::Test {
protected:
    // A fresh value element holding text in its "Result" attribute.
    IXMLElement* ValueElement(const QString& text)
    {
        IXMLElement* element = m_root->AddChild(QStringLiteral("Value"));
        element->SetAttribute(kResult, text);
        return element;
    }

    XMLParserPtr m_parser = MakeXMLParser();
    IXMLElement* m_root = m_parser->CreateRoot(QStringLiteral("Root"));
};

TEST_F(XMLAttributeReaderTest, ChecksTheSignedRangeUnlessBothBoundsAreZero)
{
    const struct {
        const char* text;
        int minimum;
        int maximum;
        int expected;
    } cases[] = {
        {"11", 1, 10, 0},
        {"abc", 0, 0, 1},
        {"-7", 0, 0, 1},
        {"1", 1, 10, 1},
        {"10", 1, 10, 1},
        {"0", 1, 10, 0},
        {" -3x", -5, -1, 1},
        {"-6", -5, -1, 0},
        {"abc", 1, 10, 0},
        {"abc", -1, 1, 1},
        {"", -1, 1, 1},
        {"2147483647", 0, 2147483647, 1},
        {"-2147483648", -2147483648, 0, 1},
    };
    for (const auto& c : cases) {
        QString out = kStale;
        EXPECT_EQ(ReadAttributeText(ValueElement(QString::fromUtf8(c.text)), kResult, c.minimum, c.maximum, out),
                  c.expected)
            << c.text << " in " << c.minimum << ".." << c.maximum;
        EXPECT_EQ(out, c.expected ? QString::fromUtf8(c.text) : QString()) << c.text;
    }
}

TEST_F(XMLAttributeReaderTest, ChecksTheUnsignedRangeUnlessBothBoundsAreZero)
{
    const struct {
        const char* text;
        quint32 minimum;
        quint32 maximum;
        int expected;
    } cases[] = {
        {"11", 1, 10, 0},
        {"abc", 0, 0, 1},
        {"10", 1, 10, 1},
        {"3000000000", 0, 3000000000u, 1}, // above the signed range: compared unsigned
        {"4294967295", 1, 4294967295u, 1},
        {"-1", 0, 100, 0},                  // wraps to 4294967295
        {"99999999999", 0, 4294967294u, 0}, // saturates at 4294967295
        {" 42z", 40, 50, 1},
    };
    for (const auto& c : cases) {
        QString out = kStale;
        EXPECT_EQ(
            ReadAttributeTextUnsigned(ValueElement(QString::fromUtf8(c.text)), kResult, c.minimum, c.maximum, out),
            c.expected)
            << c.text << " in " << c.minimum << ".." << c.maximum;
        EXPECT_EQ(out, c.expected ? QString::fromUtf8(c.text) : QString()) << c.text;
    }
}

TEST_F(XMLAttributeReaderTest, NoElementOrNoAttributeGivesAnEmptyText)
{
    IXMLElement* withoutResult = m_root->AddChild(QStringLiteral("Group"));
    withoutResult->SetAttribute(QStringLiteral("Other"), QStringLiteral("5"));
    for (IXMLElement* element : {static_cast<IXMLElement*>(nullptr), withoutResult}) {
        QString out = kStale;
        EXPECT_EQ(ReadAttributeText(element, kResult, 0, 0, out), 0);
        EXPECT_TRUE(out.isEmpty());
        out = kStale;
        EXPECT_EQ(ReadAttributeTextUnsigned(element, kResult, 0, 0, out), 0);
        EXPECT_TRUE(out.isEmpty());
    }
}

} // namespace

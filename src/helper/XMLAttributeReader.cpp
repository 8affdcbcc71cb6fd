#include "XMLAttributeReader.h"

#include "TextConversion.h"

namespace {

constexpr int kRead = 1;
constexpr int kNotRead = 0;
constexpr int kDecimal = 10;

// fetch fills the text and tells whether the attribute was there.
template <class Number, class Fetch, class Convert>
int ReadCheckedText(Fetch fetch, Number minimum, Number maximum, QString& out, Convert convert)
{
    out.clear();
    if (!fetch(out)) {
        out.clear();
        return kNotRead;
    }
    const bool unchecked = minimum == 0 && maximum == 0;
    if (unchecked)
        return kRead;
    const Number value = convert(out);
    if (minimum <= value && value <= maximum)
        return kRead;
    out.clear();
    return kNotRead;
}

auto AttributeOf(IXMLElement* element, const QString& attributeName)
{
    return [element, &attributeName](QString& text) {
        IXMLAttribute* attribute = element ? element->GetAttribute(attributeName) : nullptr;
        if (attribute)
            text = attribute->GetValue();
        return attribute != nullptr;
    };
}

auto AttributeOfChild(IXMLElement* parent, const QString& childName, const QString& attributeName)
{
    return [parent, &childName, &attributeName](QString& text) {
        return parent && parent->ReadChildAttribute(childName, attributeName, text);
    };
}

int LeadingInt(const QString& text)
{
    return ParseLeadingInt(text);
}

quint32 DecimalUnsigned(const QString& text)
{
    return ParseULongText(text, kDecimal);
}

} // namespace

int ReadAttributeText(IXMLElement* element, const QString& attributeName, int minimum, int maximum, QString& out)
{
    return ReadCheckedText(AttributeOf(element, attributeName), minimum, maximum, out, LeadingInt);
}

int ReadAttributeTextUnsigned(IXMLElement* element, const QString& attributeName, quint32 minimum, quint32 maximum,
                              QString& out)
{
    return ReadCheckedText(AttributeOf(element, attributeName), minimum, maximum, out, DecimalUnsigned);
}

int ReadChildAttributeText(IXMLElement* parent, const QString& childName, const QString& attributeName, int minimum,
                           int maximum, QString& out)
{
    return ReadCheckedText(AttributeOfChild(parent, childName, attributeName), minimum, maximum, out, LeadingInt);
}

int ReadChildAttributeTextUnsigned(IXMLElement* parent, const QString& childName, const QString& attributeName,
                                   quint32 minimum, quint32 maximum, QString& out)
{
    return ReadCheckedText(AttributeOfChild(parent, childName, attributeName), minimum, maximum, out,
                           DecimalUnsigned);
}

#include "XMLAttributeReader.h"

#include "TextConversion.h"

namespace {

constexpr int kRead = 1;
constexpr int kNotRead = 0;
constexpr int kDecimal = 10;

template <class Number, class Convert>
int ReadCheckedAttribute(IXMLElement* element, const QString& attributeName, Number minimum, Number maximum,
                         QString& out, Convert convert)
{
    out.clear();
    IXMLAttribute* attribute = element ? element->GetAttribute(attributeName) : nullptr;
    if (!attribute)
        return kNotRead;
    out = attribute->GetValue();
    const bool unchecked = minimum == 0 && maximum == 0;
    if (unchecked)
        return kRead;
    const Number value = convert(out);
    if (minimum <= value && value <= maximum)
        return kRead;
    out.clear();
    return kNotRead;
}

} // namespace

int ReadAttributeText(IXMLElement* element, const QString& attributeName, int minimum, int maximum, QString& out)
{
    return ReadCheckedAttribute(element, attributeName, minimum, maximum, out,
                                [](const QString& text) { return ParseLeadingInt(text); });
}

int ReadAttributeTextUnsigned(IXMLElement* element, const QString& attributeName, quint32 minimum, quint32 maximum,
                              QString& out)
{
    return ReadCheckedAttribute(element, attributeName, minimum, maximum, out,
                                [](const QString& text) { return ParseULongText(text, kDecimal); });
}

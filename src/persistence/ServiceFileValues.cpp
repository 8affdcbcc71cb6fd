#include "ServiceFileValues.h"

#include "ServiceElementNames.h"
#include "TextConversion.h"
#include "XMLAttributeReader.h"

namespace ServiceFile {

namespace {

constexpr int kDecimal = 10;
const QString kTrue = QStringLiteral("1");
const QString kFalse = QStringLiteral("0");

} // namespace

IXMLElement* AddValue(IXMLElement* parent, const QString& name, const QString& text)
{
    IXMLElement* element = parent->AddChild(name);
    element->SetAttribute(ServiceXml::Result, text);
    return element;
}

IXMLElement* AddValue(IXMLElement* parent, const QString& name, qint32 value)
{
    return AddValue(parent, name, IntToWString(value));
}

IXMLElement* AddValueOrNotApplicable(IXMLElement* parent, const QString& name, const QString& text)
{
    return AddValue(parent, name, text.isEmpty() ? ServiceXml::NotApplicable : text);
}

void AddResIdValue(IXMLElement* parent, const QString& name, const QString& resId)
{
    AddValue(parent->AddChild(name), ServiceXml::ResID, resId);
}

QString ItemName(const QString& prefix, qsizetype number)
{
    return prefix + QString::number(number);
}

QString FlagText(bool on)
{
    return on ? kTrue : kFalse;
}

QString UnsignedText(qint32 value)
{
    return ULongToWString(static_cast<quint32>(value));
}

IXMLElement* Child(IXMLElement* parent, const QString& name)
{
    return parent ? parent->FindChild(name) : nullptr;
}

IXMLElement* DirectChild(IXMLElement* parent, const QString& name)
{
    if (!parent)
        return nullptr;
    for (IXMLElement* child = parent->FirstChild(); child; child = parent->NextChild()) {
        if (child->GetName() == name)
            return child;
    }
    return nullptr;
}

QString ResultText(IXMLElement* value, const QString& fallback)
{
    return AttributeText(value, ServiceXml::Result, fallback);
}

qint32 ResultInt(IXMLElement* value, qint32 fallback)
{
    return AttributeInt(value, ServiceXml::Result, fallback);
}

bool ReadValue(IXMLElement* parent, const QString& name, QString& out, qint32 minimum, qint32 maximum)
{
    return ReadAttributeText(Child(parent, name), ServiceXml::Result, minimum, maximum, out) != 0;
}

QString TextValue(IXMLElement* parent, const QString& name, const QString& fallback)
{
    QString text;
    return ReadValue(parent, name, text) ? text : fallback;
}

QString TextValueUnlessNotApplicable(IXMLElement* parent, const QString& name, const QString& fallback)
{
    QString text;
    return ReadValue(parent, name, text) && !IsNotApplicable(text) ? text : fallback;
}

qint32 IntValue(IXMLElement* parent, const QString& name, qint32 fallback)
{
    QString text;
    return ReadValue(parent, name, text) ? ParseLeadingInt(text) : fallback;
}

qint32 UnsignedValue(IXMLElement* parent, const QString& name, qint32 fallback)
{
    QString text;
    return ReadValue(parent, name, text) ? static_cast<qint32>(ParseULongText(text, kDecimal)) : fallback;
}

qint32 IntValueInRange(IXMLElement* parent, const QString& name, qint32 minimum, qint32 maximum, qint32 fallback)
{
    QString text;
    return ReadValue(parent, name, text, minimum, maximum) ? ParseLeadingInt(text) : fallback;
}

qint32 IntValueInTriple(IXMLElement* parent, const QString& name, const SettingTriple& triple)
{
    return IntValueInRange(parent, name, triple.minimum, triple.maximum, triple.defaultValue);
}

qint32 IntValueUnlessNotApplicable(IXMLElement* parent, const QString& name, qint32 fallback)
{
    QString text;
    return ReadValue(parent, name, text) && !IsNotApplicable(text) ? ParseLeadingInt(text) : fallback;
}

QString ResIdValue(IXMLElement* parent, const QString& name)
{
    return TextValue(Child(parent, name), ServiceXml::ResID);
}

QString ResIdValueUnlessNotApplicable(IXMLElement* parent, const QString& name)
{
    return TextValueUnlessNotApplicable(Child(parent, name), ServiceXml::ResID);
}

bool ReadAttribute(IXMLElement* element, const QString& name, QString& out)
{
    return ReadAttributeText(element, name, 0, 0, out) != 0;
}

QString AttributeText(IXMLElement* element, const QString& name, const QString& fallback)
{
    QString text;
    return ReadAttribute(element, name, text) ? text : fallback;
}

qint32 AttributeInt(IXMLElement* element, const QString& name, qint32 fallback)
{
    QString text;
    return ReadAttribute(element, name, text) ? ParseLeadingInt(text) : fallback;
}

qint64 AttributeInt64(IXMLElement* element, const QString& name, qint64 fallback)
{
    QString text;
    return ReadAttribute(element, name, text) ? ParseLeadingInt64(text) : fallback;
}

qint32 AttributeUnsigned(IXMLElement* element, const QString& name, qint32 fallback)
{
    QString text;
    return ReadAttribute(element, name, text) ? static_cast<qint32>(ParseULongText(text, kDecimal)) : fallback;
}

int AttributeCount(IXMLElement* element)
{
    int count = 0;
    if (!element)
        return count;
    for (IXMLAttribute* attribute = element->FirstAttribute(); attribute; attribute = element->NextAttribute())
        ++count;
    return count;
}

bool IsNotApplicable(const QString& text)
{
    return text.compare(ServiceXml::NotApplicable, Qt::CaseInsensitive) == 0;
}

QString ElementName(IXMLElement* element)
{
    return element ? element->GetName() : QString();
}

QString ExpandLineBreaks(const QString& text)
{
    QString result;
    result.reserve(text.size() + text.count(u'\n'));
    QChar previous;
    for (QChar c : text) {
        if (c == u'\n' && previous != u'\r')
            result.append(u'\r');
        result.append(c);
        previous = c;
    }
    return result;
}

} // namespace ServiceFile

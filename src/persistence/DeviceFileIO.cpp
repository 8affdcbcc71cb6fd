#include "DeviceFileIO.h"

#include "DeviceFileNames.h"
#include "TextConversion.h"
#include "TraceLog.h"
#include "XMLAttributeReader.h"

#include <algorithm>

namespace DeviceFile {

namespace {

constexpr int kDecimal = 10;

} // namespace

QString NumberedName(const QString& prefix, int index)
{
    return prefix + QString::number(index);
}

QString ItemName(int index)
{
    return NumberedName(Name::ItemPrefix, index);
}

void AddValue(IXMLElement* parent, const QString& name, const QString& text)
{
    parent->AddChildWithAttribute(name, Name::Result, text);
}

void AddSigned(IXMLElement* parent, const QString& name, qint64 value)
{
    AddValue(parent, name, Int64ToWString(value));
}

void AddUnsigned(IXMLElement* parent, const QString& name, quint32 value)
{
    AddValue(parent, name, ULongToWString(value));
}

std::vector<IXMLElement*> ChildrenOf(IXMLElement* parent)
{
    std::vector<IXMLElement*> children;
    if (!parent)
        return children;
    for (IXMLElement* child = parent->FirstChild(); child; child = parent->NextChild())
        children.push_back(child);
    return children;
}

std::vector<IXMLElement*> ChildrenFrom(IXMLElement* parent, const QString& firstName)
{
    std::vector<IXMLElement*> children = ChildrenOf(parent);
    const auto first = std::find_if(children.begin(), children.end(),
                                    [&firstName](IXMLElement* child) { return child->GetName() == firstName; });
    children.erase(children.begin(), first);
    return children;
}

size_t CountChildrenFrom(IXMLElement* parent, const QString& firstName)
{
    if (!parent)
        return 0;
    int before = 0;
    for (IXMLElement* child = parent->FirstChild(); child; child = parent->NextChild(), ++before) {
        if (child->GetName() == firstName)
            return static_cast<size_t>(parent->ChildCount() - before);
    }
    return 0;
}

bool ReadValue(IXMLElement* parent, const QString& name, QString& out, int minimum, int maximum)
{
    return ReadChildAttributeText(parent, name, Name::Result, minimum, maximum, out) != 0;
}

bool ReadValueUnsigned(IXMLElement* parent, const QString& name, QString& out, quint32 minimum, quint32 maximum)
{
    return ReadChildAttributeTextUnsigned(parent, name, Name::Result, minimum, maximum, out) != 0;
}

void KeepText(IXMLElement* parent, const QString& name, QString& field)
{
    QString text;
    if (ReadValue(parent, name, text))
        field = text;
}

void KeepSigned(IXMLElement* parent, const QString& name, qint32& field)
{
    QString text;
    if (ReadValue(parent, name, text))
        field = ParseLeadingInt(text);
}

void KeepSigned(IXMLElement* parent, const QString& name, quint32& field)
{
    QString text;
    if (ReadValue(parent, name, text))
        field = static_cast<quint32>(ParseLeadingInt(text));
}

void KeepUnsigned(IXMLElement* parent, const QString& name, quint32& field)
{
    QString text;
    if (ReadValue(parent, name, text))
        field = ParseULongText(text, kDecimal);
}

void KeepUnsigned(IXMLElement* parent, const QString& name, qint32& field)
{
    QString text;
    if (ReadValue(parent, name, text))
        field = static_cast<qint32>(ParseULongText(text, kDecimal));
}

void KeepReal(IXMLElement* parent, const QString& name, float& field)
{
    QString text;
    if (ReadValue(parent, name, text))
        field = static_cast<float>(ParseLeadingDouble(text));
}

void KeepReal(IXMLElement* parent, const QString& name, double& field)
{
    QString text;
    if (ReadValue(parent, name, text))
        field = ParseLeadingDouble(text);
}

QString TextOr(IXMLElement* parent, const QString& name, const QString& fallback)
{
    QString text;
    return ReadValue(parent, name, text) ? text : fallback;
}

qint32 SignedOr(IXMLElement* parent, const QString& name, int minimum, int maximum, qint32 fallback)
{
    QString text;
    return ReadValue(parent, name, text, minimum, maximum) ? ParseLeadingInt(text) : fallback;
}

quint32 UnsignedOr(IXMLElement* parent, const QString& name, quint32 minimum, quint32 maximum, quint32 fallback)
{
    QString text;
    return ReadValueUnsigned(parent, name, text, minimum, maximum) ? ParseULongText(text, kDecimal) : fallback;
}

double RealOr(IXMLElement* parent, const QString& name, double fallback)
{
    QString text;
    if (!ReadValue(parent, name, text))
        return fallback;
    // "-0" is read as 0: a negative zero would not keep its sign through every derived value
    // written from it, and a second save must give the bytes of the first.
    const double value = ParseLeadingDouble(text);
    return value == 0.0 ? 0.0 : value;
}

bool AbbreviationAt(const QStringList& abbreviations, qsizetype index, const QString& section, QString& out)
{
    if (index >= 0 && index < abbreviations.size() && !abbreviations[index].isEmpty()) {
        out = abbreviations[index];
        return true;
    }
    TraceLog("%s:%d no abbreviation %lld in [%s] of DefaultSettings.ini; resource element left out", __FILE__, __LINE__,
             static_cast<long long>(index), qUtf8Printable(section));
    return false;
}

} // namespace DeviceFile

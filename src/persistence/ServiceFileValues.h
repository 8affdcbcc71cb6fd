#pragma once
// Values and lists of the service groups of the project file. A value is an element named after
// it whose "Result" holds its text; a list is numbered items ("Set_0", "Set_1" ...). Readers never
// refuse input: every read takes a fallback, and a null parent or element is allowed everywhere.

#include "ConfigFiles.h"
#include "IXMLParser.h"

#include <QString>
#include <QtGlobal>

namespace ServiceFile {

// ---- writing ----
IXMLElement* AddValue(IXMLElement* parent, const QString& name, const QString& text);
IXMLElement* AddValue(IXMLElement* parent, const QString& name, qint32 value);
// "NA" stands for an empty text.
IXMLElement* AddValueOrNotApplicable(IXMLElement* parent, const QString& name, const QString& text);
// The value one level down: name/"ResID" with "Result".
void AddResIdValue(IXMLElement* parent, const QString& name, const QString& resId);
// "Set_3" and the like.
QString ItemName(const QString& prefix, qsizetype number);
QString FlagText(bool on);
// Unsigned decimal of the 32-bit pattern: read back exactly by ReadUnsigned.
QString UnsignedText(qint32 value);

// ---- reading ----
// The child of that name (FindChild); null for a null parent.
IXMLElement* Child(IXMLElement* parent, const QString& name);
// Only a direct child counts: for list starts, and for values whose name recurs in the element's
// items, where a deeper element of the name belongs to an item.
IXMLElement* DirectChild(IXMLElement* parent, const QString& name);
// "Result" of a value element already found.
QString ResultText(IXMLElement* value, const QString& fallback = QString());
qint32 ResultInt(IXMLElement* value, qint32 fallback);

// "Result" of the named child; unless minimum and maximum are both 0 its number must lie in
// [minimum, maximum]. False and out empty otherwise.
bool ReadValue(IXMLElement* parent, const QString& name, QString& out, qint32 minimum = 0, qint32 maximum = 0);
QString TextValue(IXMLElement* parent, const QString& name, const QString& fallback = QString());
// The text, or the fallback when it is missing or "NA" in any letter case.
QString TextValueUnlessNotApplicable(IXMLElement* parent, const QString& name, const QString& fallback = QString());
// The leading integer of the text (C-runtime rules); the fallback when missing.
qint32 IntValue(IXMLElement* parent, const QString& name, qint32 fallback);
qint32 IntValueInRange(IXMLElement* parent, const QString& name, qint32 minimum, qint32 maximum, qint32 fallback);
// Within the triple's limits, else the triple's default.
qint32 IntValueInTriple(IXMLElement* parent, const QString& name, const SettingTriple& triple);
// The 32-bit pattern of an unsigned decimal text, as UnsignedText writes it.
qint32 UnsignedValue(IXMLElement* parent, const QString& name, qint32 fallback);
// The integer unless the text is missing or "NA".
qint32 IntValueUnlessNotApplicable(IXMLElement* parent, const QString& name, qint32 fallback);
// name/"ResID"/"Result", empty when any step is missing.
QString ResIdValue(IXMLElement* parent, const QString& name);
// The same, empty when it is "NA" in any letter case (a tag stored as "NA" means no tag).
QString ResIdValueUnlessNotApplicable(IXMLElement* parent, const QString& name);

// Attributes of one element.
bool ReadAttribute(IXMLElement* element, const QString& name, QString& out);
QString AttributeText(IXMLElement* element, const QString& name, const QString& fallback = QString());
qint32 AttributeInt(IXMLElement* element, const QString& name, qint32 fallback = 0);
qint64 AttributeInt64(IXMLElement* element, const QString& name, qint64 fallback = 0);
// The 32-bit pattern of an unsigned decimal text (a written negative value comes back exactly).
qint32 AttributeUnsigned(IXMLElement* element, const QString& name, qint32 fallback = 0);
int AttributeCount(IXMLElement* element);

bool IsNotApplicable(const QString& text);
// The element's own name, the fallback of a missing name; empty for a null element.
QString ElementName(IXMLElement* element);

// Every line feed not already preceded by a carriage return gets one, so texts from any source
// end up with CR LF line breaks and repeated reads never grow them.
QString ExpandLineBreaks(const QString& text);

// ---- list walks; the visitor must not move the list element's own child cursor ----
// From the direct child `first` on, every following child.
template <class Visit>
void ForEachFrom(IXMLElement* list, const QString& first, Visit visit)
{
    for (IXMLElement* item = DirectChild(list, first); item; item = list->NextChild())
        visit(item);
}

// From the direct child `first` on, up to the first child whose name lacks `namePart`.
template <class Visit>
void ForEachNamedFrom(IXMLElement* list, const QString& first, const QString& namePart, Visit visit)
{
    for (IXMLElement* item = DirectChild(list, first); item && item->GetName().contains(namePart);
         item = list->NextChild())
        visit(item);
}

// Every child, in document order.
template <class Visit>
void ForEachChild(IXMLElement* list, Visit visit)
{
    if (!list)
        return;
    for (IXMLElement* item = list->FirstChild(); item; item = list->NextChild())
        visit(item);
}

// Every child whose name holds `namePart`; the others are passed over.
template <class Visit>
void ForEachChildNamed(IXMLElement* list, const QString& namePart, Visit visit)
{
    ForEachChild(list, [&](IXMLElement* item) {
        if (item->GetName().contains(namePart))
            visit(item);
    });
}

} // namespace ServiceFile

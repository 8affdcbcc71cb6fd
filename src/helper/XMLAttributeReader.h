#pragma once
// Reading a value element's attribute as text, with an optional range check of its number.

#include "IXMLParser.h"

#include <QString>
#include <QtGlobal>

// 1 and out = the attribute's text when the element has the attribute and, unless minimum and
// maximum are both 0, its leading integer (as _wtoi reads it) lies in [minimum, maximum];
// otherwise 0 and out empty. A null element is allowed.
int ReadAttributeText(IXMLElement* element, const QString& attributeName, int minimum, int maximum, QString& out);
// The same with the number read as wcstoul does in base 10 and compared unsigned.
int ReadAttributeTextUnsigned(IXMLElement* element, const QString& attributeName, quint32 minimum, quint32 maximum,
                              QString& out);
// The same for the attribute of the child that FindChild finds under the parent (a null parent
// is allowed), read without handing out the child.
int ReadChildAttributeText(IXMLElement* parent, const QString& childName, const QString& attributeName, int minimum,
                           int maximum, QString& out);
int ReadChildAttributeTextUnsigned(IXMLElement* parent, const QString& childName, const QString& attributeName,
                                   quint32 minimum, quint32 maximum, QString& out);

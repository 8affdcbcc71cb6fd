#pragma once
// The value convention of the project file as small operations: a value is a child element whose
// "Result" holds the text. Readers come in two forms: "kept" (the field changes only when the
// value is present) and "or" (a missing value, or one outside the bounds, gives the fallback).
// Bounds (0, 0) test presence only. Numbers are written and read in the C locale.

#include "IXMLParser.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <vector>

namespace DeviceFile {

// "Set_%d" and the like: the prefix followed by the decimal index.
QString NumberedName(const QString& prefix, int index);
QString ItemName(int index); // "Set_%d"

// Adds a child named name whose "Result" is text.
void AddValue(IXMLElement* parent, const QString& name, const QString& text);
void AddSigned(IXMLElement* parent, const QString& name, qint64 value);
void AddUnsigned(IXMLElement* parent, const QString& name, quint32 value);

// The direct children of an element in document order. A snapshot: readers may search inside the
// children (which moves cursors) without disturbing a walk over the list.
std::vector<IXMLElement*> ChildrenOf(IXMLElement* parent);
// The direct children from the first direct child of that name on; empty when there is none.
std::vector<IXMLElement*> ChildrenFrom(IXMLElement* parent, const QString& firstName);
// How many children ChildrenFrom gives, without taking the snapshot (the parent's walk moves).
size_t CountChildrenFrom(IXMLElement* parent, const QString& firstName);

// The "Result" text of the child value element, through ReadAttributeText's bounds.
bool ReadValue(IXMLElement* parent, const QString& name, QString& out, int minimum = 0, int maximum = 0);
bool ReadValueUnsigned(IXMLElement* parent, const QString& name, QString& out, quint32 minimum, quint32 maximum);

// Kept values: the field changes only when the value element and its "Result" are present.
void KeepText(IXMLElement* parent, const QString& name, QString& field);
void KeepSigned(IXMLElement* parent, const QString& name, qint32& field);
void KeepSigned(IXMLElement* parent, const QString& name, quint32& field); // read as _wtoi, stored as is
void KeepUnsigned(IXMLElement* parent, const QString& name, quint32& field);
void KeepUnsigned(IXMLElement* parent, const QString& name, qint32& field); // read as wcstoul, stored as is
void KeepReal(IXMLElement* parent, const QString& name, float& field);
void KeepReal(IXMLElement* parent, const QString& name, double& field);

// Values with a fallback.
QString TextOr(IXMLElement* parent, const QString& name, const QString& fallback);
qint32 SignedOr(IXMLElement* parent, const QString& name, int minimum, int maximum, qint32 fallback);
quint32 UnsignedOr(IXMLElement* parent, const QString& name, quint32 minimum, quint32 maximum, quint32 fallback);
double RealOr(IXMLElement* parent, const QString& name, double fallback);

// The list from DefaultSettings.ini that names a group's resource elements; an entry that is
// missing or empty cannot name an element, so the caller is told (and the gap is traced).
bool AbbreviationAt(const QStringList& abbreviations, qsizetype index, const QString& section, QString& out);

} // namespace DeviceFile

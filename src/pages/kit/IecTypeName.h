#pragma once
// The IEC 61131-3 name of a C data-type name, as the tag lists show it in IEC mode.

#include <QString>

// The first C name found in the text (longer names before the ones they contain) replaced by its
// IEC name; the empty text when the text holds none of them.
QString ToIecTypeName(const QString& cTypeName);

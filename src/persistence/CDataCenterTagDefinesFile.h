#pragma once
// The C header of tag defines: one "#define RTU_<name> <quoted name>" line per tag.

#include <QString>

// The line of one tag, CR LF included. Characters that cannot stand in a macro name become '_';
// '"', '\' and control characters are escaped inside the quoted name.
QString MakeTagDefineLine(const QString& tagName);

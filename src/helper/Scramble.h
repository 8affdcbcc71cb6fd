#pragma once
// The scrambled hexadecimal form in which the project file keeps passwords and PINs.

#include <QString>

// Each UTF-8 byte of the text exclusive-or 0x5C, as two uppercase hex digits; "" gives "".
QString ScrambleToHex(const QString& text);

// The text back from its hex form. Pairs of hex digits in either case; an odd last digit counts
// alone. Reading stops at the first pair that is not hex: the text is what came before it and
// *ok (when given) is false. Bytes that are not UTF-8 are taken as Latin-1, the single-byte form
// older files used.
QString UnscrambleFromHex(const QString& hex, bool* ok = nullptr);

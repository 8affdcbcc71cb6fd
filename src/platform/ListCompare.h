#pragma once
// How CListCtrlEx compares two cell texts of a sorted column.

#include <QDateTime>
#include <QString>

enum ListCompareKind : int {
    kCompareNone = 0,        // every pair is equal
    kCompareInteger = 1,     // leading integers (C-runtime reading)
    kCompareReal = 2,        // leading reals (C locale)
    kCompareText = 3,        // case-sensitive text; also every kind not listed here
    kCompareMixed = 4,       // plain integers as numbers, anything else as case-sensitive text
    kCompareTextNoCase = 5,  // case-insensitive text
    kCompareMixedNoCase = 6, // plain integers as numbers, anything else as case-insensitive text
    kCompareDateTime = 7,    // dates and times; texts that are none sort before every date
};

// Negative, 0 or positive as first sorts before, with or after second. A pure function of the
// two texts, so sorting with it is always safe.
int CompareListTexts(int kind, const QString& first, const QString& second);

// A list cell's date and time: the fixed numeric forms the program writes ("2024-3-5 14:02:09",
// "2024/03/05", "14:02:09", ISO 8601) or the desktop locale's short and long forms; invalid when
// none fits.
QDateTime ParseListDateTime(const QString& text);

#pragma once
// What the alarm page tests share: the page shown over the harness project, the recipient editor
// and the tag chooser answered by the test, and tags to refer to.

#include "CListCtrlEx.h"
#include "LanguagePack.h"
#include "ListPageStrings.h"
#include "PageHarness.h"
#include "TextFormat.h"

#include <gtest/gtest.h>

#include <ostream>

// Failure messages show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline TagRecord MakeTestTag(const QString& name, const QString& address)
{
    TagRecord tag;
    tag.Construct(name, name, QStringLiteral("Test"), 1003, address, 1, 1, 1);
    return tag;
}

inline QStringList TagLines(unsigned stringId, const QStringList& names)
{
    QStringList lines;
    for (const QString& name : names)
        lines << FormatLangString(stringId, name);
    return lines;
}

inline bool CarriesUse(const CDataCenter& model, const QString& address, int serviceId, int item)
{
    TagRecord tag;
    if (!model.FindTagByAddress(address, tag))
        return false;
    return std::count(tag.RelatedServices.begin(), tag.RelatedServices.end(), MakeIntPair(serviceId, item)) == 1;
}

inline void SelectListRows(CListCtrlEx& list, std::initializer_list<int> rows)
{
    list.clearSelection();
    for (int row : rows)
        list.selectionModel()->select(list.model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

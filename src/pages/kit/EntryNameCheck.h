#pragma once
// The rule of every list entry's name: not empty (647), unique ignoring case among the other
// entries (648), at most 64 UTF-8 bytes (610). Lines go into the report with the name's edit.

#include "ValidationReport.h"

#include <QString>
#include <QStringList>

class QWidget;

// names: the stored entries' names; skipRow: the row being modified (-1 on Add).
void CheckEntryName(const QString& name, const QString& label, const QStringList& names, int skipRow, QWidget* edit,
                    ValidationReport& report);

// The same among stored entries that carry a Name.
template <class Entries>
requires requires(const typename Entries::value_type& entry)
{
    QString(entry.Name);
}
void CheckEntryName(const QString& name, const QString& label, const Entries& entries, int skipRow, QWidget* edit,
                    ValidationReport& report)
{
    QStringList names;
    for (const auto& entry : entries)
        names << entry.Name;
    CheckEntryName(name, label, names, skipRow, edit, report);
}

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

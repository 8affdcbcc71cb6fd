#include "EntryNameCheck.h"

#include "ListPageStrings.h"
#include "Validation.h"

void CheckEntryName(const QString& name, const QString& label, const QStringList& names, int skipRow, QWidget* edit,
                    ValidationReport& report)
{
    if (name.trimmed().isEmpty()) {
        report.Add(FormatInvalidItemLine(label), edit);
        return;
    }
    for (qsizetype row = 0; row < names.size(); ++row) {
        if (row != skipRow && names[row].compare(name, Qt::CaseInsensitive) == 0) {
            report.Add(FormatItemErrorLine(label), edit);
            break;
        }
    }
    if (!FitsByteLength(name, kEntryNameByteLimit))
        report.Add(FormatLimitErrorLine(label, kEntryNameByteLimit), edit);
}

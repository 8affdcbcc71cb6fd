#pragma once
// What every page repeats: combo boxes with item data, the range check of an edit control, and
// the validation message lines that name a field by the text of its label control.

#include "DialogControls.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class QComboBox;

struct ComboEntry {
    QString text;
    int data = 0;
};

// Replaces the entries; the first becomes the current one. A null combo does nothing.
void FillCombo(QComboBox* combo, const QList<ComboEntry>& entries);
// The same with each entry's index as its data.
void FillCombo(QComboBox* combo, const QStringList& texts);
// Makes the entry with this data current; false (selection unchanged) when there is none.
bool SelectComboByData(QComboBox* combo, int data);
// The current entry's data; fallback when nothing is current or the combo is null.
int ComboSelectedData(const QComboBox* combo, int fallback = -1);

// CheckEditRange on the text of an edit control. Without a control: kE_FAIL, message untouched.
int CheckEditRange(const QWidget* edit, quint32 minimum, quint32 maximum, QString& message, const QString& label);

// A label control's text as validation lines use it: at most 80 characters; empty when the
// control is missing.
inline constexpr int kLabelTextLimit = 80;
QString LabelText(const DialogControls& dialog, int labelId);

// The message lines of Validation.h, naming the field by its label control; each gives the empty
// text when the label is empty or missing.
QString FormatRangeErrorLine(const DialogControls& dialog, int labelId, quint32 minimum, quint32 maximum);
QString FormatLimitErrorLine(const DialogControls& dialog, int labelId, quint32 limit);
QString FormatInvalidItemLine(const DialogControls& dialog, int labelId);
QString FormatItemErrorLine(const DialogControls& dialog, int labelId);
QString FormatPatternErrorLine(const DialogControls& dialog, int labelId, const QString& value);
QString FormatMessageLine(const DialogControls& dialog, unsigned stringId, int labelId, const QString& value);

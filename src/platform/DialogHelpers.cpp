#include "DialogHelpers.h"

#include "ResultCodes.h"
#include "Validation.h"

#include <QComboBox>

void FillCombo(QComboBox* combo, const QList<ComboEntry>& entries)
{
    if (!combo)
        return;
    const QSignalBlocker quiet(combo); // the page sets the selection it wants afterwards
    combo->clear();
    for (const ComboEntry& entry : entries)
        combo->addItem(entry.text, entry.data);
    combo->setCurrentIndex(entries.isEmpty() ? -1 : 0);
}

void FillCombo(QComboBox* combo, const QStringList& texts)
{
    QList<ComboEntry> entries;
    entries.reserve(texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i)
        entries.append({texts[i], static_cast<int>(i)});
    FillCombo(combo, entries);
}

bool SelectComboByData(QComboBox* combo, int data)
{
    if (!combo)
        return false;
    const int index = combo->findData(data);
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    return true;
}

int ComboSelectedData(const QComboBox* combo, int fallback)
{
    if (!combo || combo->currentIndex() < 0)
        return fallback;
    bool ok = false;
    const int data = combo->currentData().toInt(&ok);
    return ok ? data : fallback;
}

int CheckEditRange(const QWidget* edit, quint32 minimum, quint32 maximum, QString& message, const QString& label)
{
    if (!edit)
        return kE_FAIL;
    return CheckEditRange(WidgetText(edit), minimum, maximum, message, label);
}

QString LabelText(const DialogControls& dialog, int labelId)
{
    if (!dialog.hasControl(labelId))
        return {};
    return dialog.itemText(labelId).left(kLabelTextLimit);
}

QString FormatRangeErrorLine(const DialogControls& dialog, int labelId, quint32 minimum, quint32 maximum)
{
    return FormatRangeErrorLine(LabelText(dialog, labelId), minimum, maximum);
}

QString FormatLimitErrorLine(const DialogControls& dialog, int labelId, quint32 limit)
{
    return FormatLimitErrorLine(LabelText(dialog, labelId), limit);
}

QString FormatInvalidItemLine(const DialogControls& dialog, int labelId)
{
    return FormatInvalidItemLine(LabelText(dialog, labelId));
}

QString FormatItemErrorLine(const DialogControls& dialog, int labelId)
{
    return FormatItemErrorLine(LabelText(dialog, labelId));
}

QString FormatPatternErrorLine(const DialogControls& dialog, int labelId, const QString& value)
{
    return FormatPatternErrorLine(LabelText(dialog, labelId), value);
}

QString FormatMessageLine(const DialogControls& dialog, unsigned stringId, int labelId, const QString& value)
{
    return FormatMessageLine(stringId, LabelText(dialog, labelId), value);
}

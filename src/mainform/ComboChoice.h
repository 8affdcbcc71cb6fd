#pragma once
// Whether a combo box offers a choice: an entry is current and its text is not empty.

#include <QComboBox>

inline bool HasComboChoice(const QComboBox* combo)
{
    return combo && combo->currentIndex() >= 0 && !combo->currentText().isEmpty();
}

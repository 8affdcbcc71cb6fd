#pragma once
// The range combo box of the analog channel pages: the module's ranges by name, each carrying
// its numeric code as item data.

#include "ChannelRules.h"

#include <QString>

#include <vector>

class QComboBox;

namespace RangeCombo {

// The ranges into the combo, the first chosen (none without ranges).
void Fill(QComboBox& combo, const std::vector<ChannelRules::RangeEntry>& ranges);
// Chooses the range of the code; a code the combo lacks chooses the first.
void ShowCode(QComboBox& combo, int code);
// The code of the chosen range; noRange with no choice.
int ShownCode(const QComboBox& combo, int noRange);
// The name of the range of the code; empty when none has it.
QString NameOf(const std::vector<ChannelRules::RangeEntry>& ranges, int code);

} // namespace RangeCombo

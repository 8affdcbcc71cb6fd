#include "RangeCombo.h"

#include "TextConversion.h"

#include <QComboBox>

namespace RangeCombo {

void Fill(QComboBox& combo, const std::vector<ChannelRules::RangeEntry>& ranges)
{
    combo.clear();
    for (const ChannelRules::RangeEntry& entry : ranges)
        combo.addItem(entry.Name, ParseLeadingInt(entry.Code));
    combo.setCurrentIndex(ranges.empty() ? -1 : 0);
}

void ShowCode(QComboBox& combo, int code)
{
    const int index = combo.findData(code);
    combo.setCurrentIndex(index >= 0 ? index : (combo.count() > 0 ? 0 : -1));
}

int ShownCode(const QComboBox& combo, int noRange)
{
    return combo.currentIndex() >= 0 ? combo.currentData().toInt() : noRange;
}

QString NameOf(const std::vector<ChannelRules::RangeEntry>& ranges, int code)
{
    for (const ChannelRules::RangeEntry& entry : ranges) {
        if (ParseLeadingInt(entry.Code) == code)
            return entry.Name;
    }
    return {};
}

} // namespace RangeCombo

#pragma once
// The input range and burn-out editors of the analog input and high-speed analog input pages. The
// range combo lists the module's ranges of [AIRange] (item data: the range code); the range code
// 4 has a burn-out value and the burn-out tags of key 4, which the other codes lack.

#include "ChannelEntries.h"
#include "ChannelModeTable.h"
#include "ChannelRules.h"

#include <QString>

#include <vector>

class DialogControls;

struct AnalogInputIds {
    int range = 0;
    int rangeLabel = 0;
    int burnOutLabel = 0;
    int burnOut = 0;
    int burnOutUnit = 0;
};

class AnalogInputEditors {
public:
    static constexpr unsigned kStringBurnOutMissing = 606;
    static constexpr unsigned kStringValueRange = 611; // label, minimum, maximum
    static constexpr float kNoBurnOutValue = 4.0f;
    static constexpr int kNoRange = -1;

    // section: where the module's ranges are listed ([AIRange], [HARTAIRange]).
    AnalogInputEditors(DialogControls& page, AnalogInputIds ids, QString section = QStringLiteral("AIRange"));

    // Code 4 enables the burn-out edit and holds the tags of key 4.
    ChannelModeTable ModeTable() const;
    // The module's ranges into the combo; the burn-out controls shown when a range has code 4.
    void LoadRanges(const QString& moduleName);
    const std::vector<ChannelRules::RangeEntry>& Ranges() const { return ranges_; }
    QString RangeName(int code) const;
    // The code of the chosen range; -1 with no choice.
    int ShownCode() const;

    void Show(const AISettingBlock& setting);
    // The burn-out edit for the chosen code: the value shown with code 4, else empty.
    void OnCode(int code, float burnOutValue);
    void Reset();
    // Once per Apply: with code 4 the burn-out text must be given and valid.
    bool CheckBurnOut() const;
    // The chosen range and the burn-out value into the block.
    void Read(AISettingBlock& setting) const;

private:
    DialogControls& page_;
    AnalogInputIds ids_;
    QString section_;
    std::vector<ChannelRules::RangeEntry> ranges_;
};

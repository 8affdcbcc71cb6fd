#pragma once
// The analog output page: per channel an output range of [AORange], an enable switch and a mode
// (0 a fixed initial value, any other a waveform with type, frequency, amplitude and offset).
// The limits follow the chosen range; only a range in "V" offers the waveform modes. Mode 0
// holds the tags of key 0, the waveform modes those of key 1.

#include "CChannelPageBase.h"
#include "ChannelRules.h"
#include "ControlId.h"
#include "ModuleRecords.h"

#include <optional>

namespace AOPage {
inline constexpr unsigned kTemplate = 687;
inline constexpr ControlId kListChannels{3444, ControlType::List};
inline constexpr ControlId kComboRange{3454, ControlType::DropList};
inline constexpr ControlId kComboMode{2098, ControlType::DropList};
inline constexpr ControlId kCheckEnable{2079, ControlType::CheckBox};
inline constexpr ControlId kLabelValue{3605, ControlType::Static};
inline constexpr ControlId kEditValue{3448, ControlType::Edit};
inline constexpr ControlId kLabelValueRange{3450, ControlType::Static};
inline constexpr ControlId kComboWaveform{2100, ControlType::DropList};
inline constexpr ControlId kLabelFrequency{2244, ControlType::Static};
inline constexpr ControlId kEditFrequency{2103, ControlType::Edit};
inline constexpr ControlId kLabelFrequencyRange{2534, ControlType::Static};
inline constexpr ControlId kLabelAmplitude{2367, ControlType::Static};
inline constexpr ControlId kEditAmplitude{2069, ControlType::Edit};
inline constexpr ControlId kLabelAmplitudeRange{2558, ControlType::Static};
inline constexpr ControlId kLabelOffset{2371, ControlType::Static};
inline constexpr ControlId kEditOffset{2675, ControlType::Edit};
inline constexpr ControlId kLabelOffsetRange{2753, ControlType::Static};
inline constexpr ControlId kButtonApply{1027, ControlType::Button};
inline constexpr ControlId kGroupTags{1098, ControlType::GroupBox};
inline constexpr ControlId kListTags{1123, ControlType::List};
inline constexpr ControlId kControls[] = {
    kListChannels,        kComboRange,       kComboMode,     kCheckEnable,         kLabelValue,
    kEditValue,           kLabelValueRange,  kComboWaveform, kLabelFrequency,      kEditFrequency,
    kLabelFrequencyRange, kLabelAmplitude,   kEditAmplitude, kLabelAmplitudeRange, kLabelOffset,
    kEditOffset,          kLabelOffsetRange, kButtonApply,   kGroupTags,           kListTags};
} // namespace AOPage

class CDevCfgAO : public CChannelPageBase {
public:
    static constexpr unsigned kStringValueRange = 611; // label, minimum, maximum
    static constexpr ChannelRules::RealTriple kBuiltInFrequency{1.0, 0.1, 125.0};
    static constexpr ChannelRules::RealTriple kNoRangeValue{0.0, -10.0, 10.0};

    explicit CDevCfgAO(IPageHost* host);

    const ChannelRules::RealTriple& ValueLimits() const { return value_; }
    const ChannelRules::RealTriple& AmplitudeLimits() const { return amplitude_; }
    const ChannelRules::RealTriple& FrequencyLimits() const { return frequency_; }

protected:
    QList<ChannelColumn> ChannelColumns() const override;
    bool CopyRecord(const CDataCenter& model) override;
    int StoredChannelCount() const override { return int(record_.Channels.size()); }
    const std::vector<TagDefinition>& TagDefinitions(int channel) const override;
    int StoredMode(int channel) const override;
    QStringList ChannelRowTexts(int channel) const override;
    void FillPageControls() override;
    void OnModelKeyChanged() override;
    void ShowChannelEditors(int channel) override;
    void ResetEditors() override;
    void OnModeChanged() override;
    bool CheckEditors() override;
    bool ReadEditors(int channel) override;
    void WriteChannel(CDataCenter& model, int channel) override;
    bool OnInitDialog() override;

private:
    std::optional<ChannelRules::RangeEntry> shownRange() const;
    // The limits of the chosen range, their labels and the modes its unit allows.
    void useShownRange();
    void resetInitialValue();
    void resetWaveformValues();
    void onRangeChanged();

    AOSetting record_;
    std::vector<ChannelRules::RangeEntry> ranges_;
    QStringList modeNames_;
    QStringList waveformNames_;
    ChannelRules::RealTriple frequency_ = kBuiltInFrequency;
    ChannelRules::RealTriple value_ = kNoRangeValue;
    ChannelRules::RealTriple amplitude_;
};

#pragma once
// The digital input/output page: each channel is an input or an output (the direction combo)
// with the digital input or the digital output editors in the same place. A DI mode m holds the
// tags of key m, a DO mode m those of key 100 + m; the tag list lists the direction's tags.

#include "CChannelPageBase.h"
#include "ControlId.h"
#include "DigitalInputEditors.h"
#include "DigitalOutputEditors.h"
#include "ModuleRecords.h"

namespace DIOPage {
inline constexpr unsigned kTemplate = 685;
inline constexpr ControlId kListChannels{1004, ControlType::List};
inline constexpr ControlId kButtonApply{1018, ControlType::Button};
inline constexpr ControlId kComboDirection{3106, ControlType::DropList};
inline constexpr ControlId kComboMode{3508, ControlType::DropList};
inline constexpr ControlId kEditFilter{1005, ControlType::Edit};
inline constexpr ControlId kLabelFilter{1006, ControlType::Static};
inline constexpr ControlId kLabelFilterRange{1007, ControlType::Static};
inline constexpr ControlId kLabelTrigger{1008, ControlType::Static};
inline constexpr ControlId kComboTrigger{1009, ControlType::DropList};
inline constexpr ControlId kLabelMeasurement{1262, ControlType::Static};
inline constexpr ControlId kEditMeasurement{1263, ControlType::Edit};
inline constexpr ControlId kLabelMeasurementRange{1309, ControlType::Static};
inline constexpr ControlId kLabelStatus{1010, ControlType::Static};
inline constexpr ControlId kComboStatus{1011, ControlType::DropList};
inline constexpr ControlId kLabelFrequency{3687, ControlType::Static};
inline constexpr ControlId kEditFrequency{3688, ControlType::Edit};
inline constexpr ControlId kLabelFrequencyRange{3689, ControlType::Static};
inline constexpr ControlId kLabelDuty{3690, ControlType::Static};
inline constexpr ControlId kEditDuty{3691, ControlType::Edit};
inline constexpr ControlId kLabelDutyRange{3692, ControlType::Static};
inline constexpr ControlId kListTags{1106, ControlType::List};
inline constexpr ControlId kGroupTags{1093, ControlType::GroupBox};
inline constexpr ControlId kControls[] = {kListChannels,     kButtonApply,         kComboDirection,
                                          kComboMode,        kEditFilter,          kLabelFilter,
                                          kLabelFilterRange, kLabelTrigger,        kComboTrigger,
                                          kLabelMeasurement, kEditMeasurement,     kLabelMeasurementRange,
                                          kLabelStatus,      kComboStatus,         kLabelFrequency,
                                          kEditFrequency,    kLabelFrequencyRange, kLabelDuty,
                                          kEditDuty,         kLabelDutyRange,      kListTags,
                                          kGroupTags};
} // namespace DIOPage

class CDevCfgDIO : public CChannelPageBase {
public:
    static constexpr int kDirectionDI = 0;
    static constexpr int kDirectionDO = 1;
    static constexpr int kOutputKeyOffset = 100;

    explicit CDevCfgDIO(IPageHost* host);

protected:
    QList<ChannelColumn> ChannelColumns() const override;
    bool CopyRecord(const CDataCenter& model) override;
    int StoredChannelCount() const override { return int(record_.Channels.size()); }
    const std::vector<TagDefinition>& TagDefinitions(int channel) const override;
    int StoredMode(int channel) const override;
    int StoredModeKey(int channel) const override;
    QStringList ChannelRowTexts(int channel) const override;
    void FillPageControls() override;
    void OnModelKeyChanged() override;
    void ShowChannelEditors(int channel) override;
    void ResetEditors() override;
    void OnModeEditors(int mode) override;
    bool CheckEditors() override;
    bool ReadEditors(int channel) override;
    void WriteChannel(CDataCenter& model, int channel) override;
    bool IsTagListed(const TagDefinition& definition) const override;
    bool OnInitDialog() override;

private:
    int shownDirection() const;
    // The direction's mode table, mode names and editors.
    void useDirection(int direction);
    void onDirectionChanged();

    DIOModuleSlotRecord record_;
    DigitalInputEditors input_;
    DigitalOutputEditors output_;
    QStringList outputModeNames_;
};

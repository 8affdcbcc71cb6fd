#pragma once
// The digital output page: per channel a mode (0 a plain output with a status, any other a pulse
// output with frequency and duty cycle). Mode 0 holds the tags of key 0, the pulse modes those of
// key 1.

#include "CChannelPageBase.h"
#include "ControlId.h"
#include "DigitalOutputEditors.h"
#include "ModuleRecords.h"

namespace DOPage {
inline constexpr unsigned kTemplate = 684;
inline constexpr ControlId kListChannels{1000, ControlType::List};
inline constexpr ControlId kButtonApply{1001, ControlType::Button};
inline constexpr ControlId kComboMode{1003, ControlType::DropList};
inline constexpr ControlId kComboStatus{3396, ControlType::DropList};
inline constexpr ControlId kEditFrequency{3525, ControlType::Edit};
inline constexpr ControlId kEditDuty{3578, ControlType::Edit};
inline constexpr ControlId kLabelFrequencyRange{3678, ControlType::Static};
inline constexpr ControlId kLabelDutyRange{1061, ControlType::Static};
inline constexpr ControlId kListTags{1088, ControlType::List};
inline constexpr ControlId kGroupTags{1091, ControlType::GroupBox};
inline constexpr ControlId kControls[] = {kListChannels,  kButtonApply, kComboMode,           kComboStatus,
                                          kEditFrequency, kEditDuty,    kLabelFrequencyRange, kLabelDutyRange,
                                          kListTags,      kGroupTags};
} // namespace DOPage

class CDevCfgDO : public CChannelPageBase {
public:
    static constexpr unsigned kStringStatusOn = DigitalOutputEditors::kStringStatusOn;
    static constexpr unsigned kStringStatusOff = DigitalOutputEditors::kStringStatusOff;

    explicit CDevCfgDO(IPageHost* host);

    const OutputModuleSlotRecord& Record() const { return record_; }
    const PulseOutputEditors& Pulse() const { return output_.Pulse(); }

protected:
    // A page of another output module on the same template and editors (the relay page).
    CDevCfgDO(IPageHost* host, const QString& section, int channelTypeId, PulseDutyRule dutyRule);

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
    bool CheckEditors() override { return output_.Pulse().CheckOnApply(); }
    bool ReadEditors(int channel) override;
    void WriteChannel(CDataCenter& model, int channel) override;
    bool OnInitDialog() override;

    OutputModuleSlotRecord record_;

private:
    QString section_;
    QStringList modeNames_;
    DigitalOutputEditors output_;
};

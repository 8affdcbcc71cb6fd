#pragma once
// The digital input page: per channel a mode (the key of its tags), the digital filter, the
// trigger and the measurement time, checked when Apply is pressed.

#include "CChannelPageBase.h"
#include "ControlId.h"
#include "DigitalInputEditors.h"
#include "ModuleRecords.h"

namespace DIPage {
inline constexpr unsigned kTemplate = 686;
inline constexpr ControlId kListChannels{3639, ControlType::List};
inline constexpr ControlId kButtonApply{3519, ControlType::Button};
inline constexpr ControlId kComboMode{3641, ControlType::DropList};
inline constexpr ControlId kComboTrigger{3517, ControlType::DropList};
inline constexpr ControlId kLabelFilter{3514, ControlType::Static};
inline constexpr ControlId kEditFilter{3183, ControlType::Edit};
inline constexpr ControlId kLabelFilterRange{3515, ControlType::Static};
inline constexpr ControlId kEditMeasurement{1048, ControlType::Edit};
inline constexpr ControlId kLabelMeasurementRange{1309, ControlType::Static};
inline constexpr ControlId kListTags{1073, ControlType::List};
inline constexpr ControlId kGroupTags{1090, ControlType::GroupBox};
inline constexpr ControlId kControls[] = {kListChannels,          kButtonApply, kComboMode,        kComboTrigger,
                                          kLabelFilter,           kEditFilter,  kLabelFilterRange, kEditMeasurement,
                                          kLabelMeasurementRange, kListTags,    kGroupTags};
} // namespace DIPage

class CDevCfgDI : public CChannelPageBase {
public:
    explicit CDevCfgDI(IPageHost* host);

    const DigitalInputEditors& Editors() const { return editors_; }

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
    void ResetEditors() override { editors_.Reset(); }
    void OnModeEditors(int mode) override { editors_.OnMode(mode); }
    bool CheckEditors() override { return editors_.CheckFilter(); }
    bool ReadEditors(int channel) override;
    void WriteChannel(CDataCenter& model, int channel) override;
    bool OnInitDialog() override;

private:
    ModuleSlotRecord record_;
    DigitalInputEditors editors_;
};

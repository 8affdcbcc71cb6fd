#pragma once
// The analog input page: per channel an input range and, for the burn-out range (code 4), a
// burn-out value; moving into or out of code 4 creates or deletes the channel's burn-out tags.

#include "AnalogInputEditors.h"
#include "CChannelPageBase.h"
#include "ControlId.h"
#include "ModuleRecords.h"

namespace AIPage {
inline constexpr unsigned kTemplate = 688;
inline constexpr ControlId kListChannels{2691, ControlType::List};
inline constexpr ControlId kComboRange{3442, ControlType::DropList};
inline constexpr ControlId kLabelRange{3439, ControlType::Static};
inline constexpr ControlId kLabelBurnOut{3607, ControlType::Static};
inline constexpr ControlId kEditBurnOut{3512, ControlType::Edit};
inline constexpr ControlId kLabelBurnOutUnit{3609, ControlType::Static};
inline constexpr ControlId kButtonApply{3404, ControlType::Button};
inline constexpr ControlId kGroupTags{1138, ControlType::GroupBox};
inline constexpr ControlId kListTags{1140, ControlType::List};
inline constexpr ControlId kControls[] = {kListChannels,     kComboRange,  kLabelRange, kLabelBurnOut, kEditBurnOut,
                                          kLabelBurnOutUnit, kButtonApply, kGroupTags,  kListTags};
} // namespace AIPage

class CDevCfgAI : public CChannelPageBase {
public:
    explicit CDevCfgAI(IPageHost* host);

protected:
    QList<ChannelColumn> ChannelColumns() const override;
    bool CopyRecord(const CDataCenter& model) override;
    int StoredChannelCount() const override { return int(record_.Channels.size()); }
    const std::vector<TagDefinition>& TagDefinitions(int channel) const override;
    int StoredMode(int channel) const override;
    int ShownMode() const override { return editors_.ShownCode(); }
    QStringList ChannelRowTexts(int channel) const override;
    void FillPageControls() override;
    void ShowChannelEditors(int channel) override;
    void ResetEditors() override { editors_.Reset(); }
    void OnModeEditors(int mode) override;
    bool CheckEditors() override { return editors_.CheckBurnOut(); }
    bool ReadEditors(int channel) override;
    void WriteChannel(CDataCenter& model, int channel) override;

private:
    AISetting record_;
    AnalogInputEditors editors_;
};

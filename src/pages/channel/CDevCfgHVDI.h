#pragma once
// The high-voltage digital input page: the first-on function and time of the selected channels,
// written into the slot's digital input record. It makes, changes and releases no tags; the tag
// list also shows the module's external-power tags, in the normal colour for the channels of
// their group.

#include "CChannelPageBase.h"
#include "ChannelRules.h"
#include "ControlId.h"
#include "ModuleRecords.h"

namespace HVDIPage {
inline constexpr unsigned kTemplate = 1502;
inline constexpr ControlId kListChannels{3711, ControlType::List};
inline constexpr ControlId kCheckFirstOn{1267, ControlType::CheckBox};
inline constexpr ControlId kEditFirstOnTime{1297, ControlType::Edit};
inline constexpr ControlId kLabelFirstOnTime{3751, ControlType::Static};
inline constexpr ControlId kLabelRange{3752, ControlType::Static};
inline constexpr ControlId kButtonApply{3725, ControlType::Button};
inline constexpr ControlId kGroupTags{3723, ControlType::GroupBox};
inline constexpr ControlId kListTags{3724, ControlType::List};
inline constexpr ControlId kControls[] = {kListChannels, kCheckFirstOn, kEditFirstOnTime, kLabelFirstOnTime,
                                          kLabelRange,   kButtonApply,  kGroupTags,       kListTags};
} // namespace HVDIPage

class CDevCfgHVDI : public CChannelPageBase {
public:
    static inline const QString kOutOfRangeFormat =
        QStringLiteral("\"%s\" is out of range. Range: %.1f~%.1fms,increased by 0.5ms.");
    static inline const QString kInvalidFormat =
        QStringLiteral("\"%s\" is invalid. Range: %.1f~%.1fms, increased by 0.5ms.");
    static inline const QString kRangeFormat = QStringLiteral("ms.  (Range: %.1f~%.1fms, increased by 0.5ms)");

    explicit CDevCfgHVDI(IPageHost* host);

    const ModuleSlotRecord& Record() const { return record_; }
    const ChannelRules::RealTriple& Limits() const { return limits_; }

protected:
    QList<ChannelColumn> ChannelColumns() const override;
    bool CopyRecord(const CDataCenter& model) override;
    int StoredChannelCount() const override { return int(record_.Channels.size()); }
    const std::vector<TagDefinition>& TagDefinitions(int channel) const override;
    int StoredMode(int channel) const override;
    // The mode is not edited here: no Apply ever changes a channel's tags.
    int StoredModeKey(int) const override { return ShownModeKey(); }
    bool IsTagActive(const TagDefinition& definition) const override;
    QStringList ChannelRowTexts(int channel) const override;
    void FillPageControls() override;
    void ShowChannelEditors(int channel) override;
    void ResetEditors() override;
    bool CheckEditors() override;
    bool ReadEditors(int channel) override;
    void WriteChannel(CDataCenter& model, int channel) override;
    bool OnInitDialog() override;

private:
    void enableTimeEditor();

    ModuleSlotRecord record_;
    QStringList modeNames_;
    ChannelRules::RealTriple limits_;
    // The listed definitions of the channel last asked for: its own, then the module-wide ones.
    mutable std::vector<TagDefinition> listed_;
    mutable int listedChannel_ = -1;
};

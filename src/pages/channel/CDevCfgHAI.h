#pragma once
// The high-speed analog input page: the analog input page's ranges and burn-out value, plus the
// module's sampling rate (shared by its channels) and per channel the pre and post record counts,
// whose sum the rate limits (ChannelRules::RecordLimit). A changed rate resets every channel's
// counts to 3.

#include "AnalogInputEditors.h"
#include "CChannelPageBase.h"
#include "ControlId.h"
#include "ModuleRecords.h"

namespace HAIPage {
inline constexpr unsigned kTemplate = 683;
inline constexpr ControlId kListChannels{1026, ControlType::List};
inline constexpr ControlId kComboRange{1020, ControlType::DropList};
inline constexpr ControlId kLabelRange{1019, ControlType::Static};
inline constexpr ControlId kLabelBurnOut{1021, ControlType::Static};
inline constexpr ControlId kEditBurnOut{1022, ControlType::Edit};
inline constexpr ControlId kLabelBurnOutUnit{1023, ControlType::Static};
inline constexpr ControlId kButtonApply{1024, ControlType::Button};
inline constexpr ControlId kGroupTags{1096, ControlType::GroupBox};
inline constexpr ControlId kListTags{1121, ControlType::List};
inline constexpr ControlId kEditRate{3621, ControlType::Edit};
inline constexpr ControlId kLabelRateRange{3615, ControlType::Static};
inline constexpr ControlId kEditPre{3627, ControlType::Edit};
inline constexpr ControlId kEditPost{3631, ControlType::Edit};
inline constexpr ControlId kLabelRecordLimit{3613, ControlType::Static};
inline constexpr ControlId kControls[] = {kListChannels,     kComboRange,  kLabelRange, kLabelBurnOut,    kEditBurnOut,
                                          kLabelBurnOutUnit, kButtonApply, kGroupTags,  kListTags,        kEditRate,
                                          kLabelRateRange,   kEditPre,     kEditPost,   kLabelRecordLimit};
} // namespace HAIPage

class CDevCfgHAI : public CChannelPageBase {
public:
    static constexpr unsigned kStringRateRange = 386; // minimum, maximum
    static constexpr unsigned kStringRecordLimit = 664;

    explicit CDevCfgHAI(IPageHost* host);

    const HighSpeedAISetting& Record() const { return record_; }

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
    void ResetEditors() override;
    void OnModeEditors(int mode) override;
    bool CheckEditors() override;
    bool ReadEditors(int channel) override;
    void WriteChannel(CDataCenter& model, int channel) override;
    bool OnInitDialog() override;

private:
    quint32 defaultRate() const { return samplingNumbers_.at(0); }
    quint32 minimumRate() const { return samplingNumbers_.at(1); }
    quint32 maximumRate() const { return samplingNumbers_.at(2); }
    quint32 defaultRecords() const { return samplingNumbers_.at(3); }
    // True (nothing shown) when the typed rate lies within the module's range.
    bool checkRate();
    // A rate typed since it was last taken: every channel's counts become 3 in the page copy, and
    // in the model too when intoModel (at once, or at the next Apply for a rate taken earlier).
    void takeChangedRate(bool intoModel);
    void resetModelCounts();
    void onRateFocusLost();

    HighSpeedAISetting record_;
    AnalogInputEditors editors_;
    std::vector<quint32> samplingNumbers_;
    QString takenRateText_;
    bool countsResetPending_ = false;
};

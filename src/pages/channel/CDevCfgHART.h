#pragma once
// The HART analog input page: per channel an input range of [HARTAIRange] (range code 4 has a
// value and the tags of key 4), the HART operating mode and the number of retries, and the HART
// sensors of one channel (edited in CHARTSensorSettingDlg; each sensor owns a set of tags).

#include "AnalogInputEditors.h"
#include "CChannelPageBase.h"
#include "CHARTSensorSettingDlg.h"
#include "ControlId.h"
#include "HartSensorRules.h"
#include "ModuleRecords.h"

#include <optional>
#include <vector>

namespace HARTPage {
inline constexpr unsigned kTemplate = 1524;
inline constexpr ControlId kListChannels{3783, ControlType::List};
inline constexpr ControlId kLabelRange{3785, ControlType::Static};
inline constexpr ControlId kComboRange{3786, ControlType::DropList};
inline constexpr ControlId kLabelValue{3787, ControlType::Static};
inline constexpr ControlId kEditValue{3788, ControlType::Edit};
inline constexpr ControlId kLabelValueUnit{3789, ControlType::Static};
inline constexpr ControlId kComboOpMode{1368, ControlType::DropList};
inline constexpr ControlId kLabelRetries{1370, ControlType::Static};
inline constexpr ControlId kEditRetries{1372, ControlType::Edit};
inline constexpr ControlId kButtonSensors{1401, ControlType::Button};
inline constexpr ControlId kButtonApply{3790, ControlType::Button};
inline constexpr ControlId kGroupTags{3791, ControlType::GroupBox};
inline constexpr ControlId kListTags{3792, ControlType::List};
inline constexpr ControlId kControls[] = {kListChannels,   kLabelRange,  kComboRange,   kLabelValue,  kEditValue,
                                          kLabelValueUnit, kComboOpMode, kLabelRetries, kEditRetries, kButtonSensors,
                                          kButtonApply,    kGroupTags,   kListTags};
} // namespace HARTPage

class CDevCfgHART : public CChannelPageBase, public IHartSensorLimitSource {
public:
    static constexpr unsigned kStringNoRanges = 21002;
    static constexpr quint32 kMaximumRetries = 5;
    static inline const QString kDefaultRetries = QStringLiteral("2");

    explicit CDevCfgHART(IPageHost* host);

    const HARTAISetting& Record() const { return record_; }
    std::optional<ChannelRules::UnsignedTriple> SensorLimit(const QString& key) const override;

protected:
    // Runs the sensor dialog over a copy of the channel's sensors: the edited list after OK.
    virtual std::optional<std::vector<HARTSensorEntry>> RunSensorDialog(int channel,
                                                                        const std::vector<HARTSensorEntry>& sensors);

    QList<ChannelColumn> ChannelColumns() const override;
    bool CopyRecord(const CDataCenter& model) override;
    int StoredChannelCount() const override { return int(record_.Channels.size()); }
    const std::vector<TagDefinition>& TagDefinitions(int channel) const override;
    int StoredMode(int channel) const override;
    QStringList ChannelRowTexts(int channel) const override;
    void FillPageControls() override;
    void ShowChannelEditors(int channel) override;
    void ResetEditors() override { editors_.Reset(); }
    void OnModeEditors(int mode) override;
    int ShownMode() const override { return editors_.ShownCode(); }
    bool CheckEditors() override;
    bool ReadEditors(int channel) override;
    void WriteChannel(CDataCenter& model, int channel) override;
    bool OnInitDialog() override;
    ChannelRefusals::Order RefusalOrder() const override { return ChannelRefusals::Order::CommonTextFirst; }

private:
    void onSensorList();
    void storeSensors(int channel, const std::vector<HARTSensorEntry>& sensors);

    HARTAISetting record_;
    AnalogInputEditors editors_;
    QStringList opModes_;
    HartSensorRules::SensorIdLimits sensorLimits_;
};

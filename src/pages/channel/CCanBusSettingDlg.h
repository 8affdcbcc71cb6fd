#pragma once
// The CAN bus page: per port a baud rate of the list or, with the list's last item, a typed rate
// that is corrected to the nearest rate the bus clock can produce, and the acceptance code and
// mask in hexadecimal. The ports have no tags.

#include "CChannelPageBase.h"
#include "ControlId.h"
#include "ModuleRecords.h"

namespace CanPage {
inline constexpr unsigned kTemplate = 1501;
inline constexpr ControlId kListPorts{3701, ControlType::List};
inline constexpr ControlId kComboBaudRate{3704, ControlType::DropList};
inline constexpr ControlId kEditTypedRate{1293, ControlType::Edit};
inline constexpr ControlId kEditAccCode{3707, ControlType::Edit};
inline constexpr ControlId kEditAccMask{3709, ControlType::Edit};
inline constexpr ControlId kLabelRateRange{3710, ControlType::Static};
inline constexpr ControlId kButtonApply{3705, ControlType::Button};
inline constexpr ControlId kControls[] = {kListPorts,   kComboBaudRate,  kEditTypedRate, kEditAccCode,
                                          kEditAccMask, kLabelRateRange, kButtonApply};
} // namespace CanPage

class CCanBusSettingDlg : public CChannelPageBase {
public:
    static constexpr unsigned kStringCodeInvalid = 867;
    static constexpr unsigned kStringMaskInvalid = 868;
    static constexpr unsigned kStringRateCorrected = 869; // typed, corrected
    static constexpr unsigned kStringRateNotListed = 871;
    static constexpr int kTypedRateItem = 9;
    static constexpr int kMaximumRates = 10;
    static constexpr int kEditLength = 8;

    explicit CCanBusSettingDlg(IPageHost* host);

protected:
    QList<ChannelColumn> ChannelColumns() const override;
    QString FirstColumnTitle() const override;
    QString ChannelNumberText(int port) const override { return QString::number(port + 1); }
    bool CopyRecord(const CDataCenter& model) override;
    int StoredChannelCount() const override { return int(record_.Ports.size()); }
    const std::vector<TagDefinition>& TagDefinitions(int port) const override;
    int StoredMode(int) const override { return 0; }
    QStringList ChannelRowTexts(int port) const override;
    void FillPageControls() override;
    void OnModelKeyChanged() override;
    void ShowChannelEditors(int port) override;
    void ResetEditors() override {}
    bool CheckEditors() override;
    bool ReadEditors(int port) override;
    void WriteChannel(CDataCenter& model, int port) override;
    bool OnInitDialog() override;

private:
    quint32 listedRate(int item) const;
    void onBaudRateChanged();

    CanModuleSlotRecord record_;
    QStringList rateNames_;
    QList<quint32> rates_;
    int rangeMinimum_ = 0;
    int rangeMaximum_ = 0;
};

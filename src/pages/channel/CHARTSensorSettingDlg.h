#pragma once
// The HART sensors of one channel: a list of at most five sensors, each addressed by a short
// frame (polling address) or a long frame (manufacturer id, device type, unique id), with its
// command and preambles. The dialog edits a copy; its opener reads the list back after OK and
// decides what to store.

#include "BusyFlag.h"
#include "CDialogBase.h"
#include "ChannelEntries.h"
#include "ChannelRules.h"
#include "ControlId.h"
#include "HartSensorIdEdits.h"
#include "HartSensorRules.h"

#include <QStringList>

#include <optional>
#include <vector>

class CListCtrlEx;

namespace HARTSensorDialog {
inline constexpr unsigned kTemplate = 1525;
inline constexpr ControlId kListSensors{1365, ControlType::List};
inline constexpr ControlId kComboFrameType{1369, ControlType::DropList};
inline constexpr ControlId kLabelAddress{1371, ControlType::Static};
inline constexpr ControlId kComboAddress{1373, ControlType::DropList};
inline constexpr ControlId kComboPreambles{3800, ControlType::DropList};
inline constexpr ControlId kComboCommand{3802, ControlType::DropList};
inline constexpr ControlId kLabelManufacturerId{3803, ControlType::Static};
inline constexpr ControlId kEditManufacturerId{3804, ControlType::Edit};
inline constexpr ControlId kRangeManufacturerId{1413, ControlType::Static};
inline constexpr ControlId kLabelDeviceType{3805, ControlType::Static};
inline constexpr ControlId kEditDeviceType{3806, ControlType::Edit};
inline constexpr ControlId kRangeDeviceType{1383, ControlType::Static};
inline constexpr ControlId kLabelUniqueId{3807, ControlType::Static};
inline constexpr ControlId kEditUniqueId{3808, ControlType::Edit};
inline constexpr ControlId kRangeUniqueId{1385, ControlType::Static};
inline constexpr ControlId kButtonAdd{3809, ControlType::Button};
inline constexpr ControlId kButtonModify{3810, ControlType::Button};
inline constexpr ControlId kButtonDelete{3811, ControlType::Button};
inline constexpr ControlId kButtonOK{1377, ControlType::Button};
inline constexpr ControlId kButtonCancel{1379, ControlType::Button};
inline constexpr ControlId kControls[] = {kListSensors,
                                          kComboFrameType,
                                          kLabelAddress,
                                          kComboAddress,
                                          kComboPreambles,
                                          kComboCommand,
                                          kLabelManufacturerId,
                                          kEditManufacturerId,
                                          kRangeManufacturerId,
                                          kLabelDeviceType,
                                          kEditDeviceType,
                                          kRangeDeviceType,
                                          kLabelUniqueId,
                                          kEditUniqueId,
                                          kRangeUniqueId,
                                          kButtonAdd,
                                          kButtonModify,
                                          kButtonDelete,
                                          kButtonOK,
                                          kButtonCancel};
inline constexpr int kHighestAddress = 63;
inline constexpr int kHighestPreambles = 20;
inline constexpr int kShortFrame = 0; // addressed by polling address; the others by the long-frame ids
} // namespace HARTSensorDialog

// Whoever opens the dialog hands it the limits of the long-frame ids by key name.
class IHartSensorLimitSource {
public:
    virtual ~IHartSensorLimitSource() = default;
    // The triple of the key; nothing for a key the source does not hold.
    virtual std::optional<ChannelRules::UnsignedTriple> SensorLimit(const QString& key) const = 0;
};

class CHARTSensorSettingDlg : public CDialogBase {
    Q_OBJECT
public:
    // The opener may be null: the built-in limits then hold.
    CHARTSensorSettingDlg(int channel, std::vector<HARTSensorEntry> sensors, const IHartSensorLimitSource* opener,
                          QWidget* parent = nullptr);

    int Channel() const { return channel_; }
    // The edited list; what the opener takes after OK.
    const std::vector<HARTSensorEntry>& Sensors() const { return sensors_; }
    const HartSensorRules::SensorIdLimits& Limits() const { return limits_; }

protected:
    bool OnInitDialog() override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CListCtrlEx* list() const;
    void insertColumns();
    void fitColumns();
    void fillCombos();
    void refill();
    QStringList rowTexts(int row) const;
    void selectRow(int row);
    int selectedRow() const;
    void onSelectionChanged();
    void onFrameTypeChosen();
    void enableFrameFields(bool shortFrame);
    void showSensor(const HARTSensorEntry& sensor);
    HARTSensorEntry readControls() const;
    void onAdd();
    void onModify();
    void onDelete();

    int channel_ = 0;
    std::vector<HARTSensorEntry> sensors_;
    const IHartSensorLimitSource* opener_ = nullptr;
    QStringList frameTypes_;
    QStringList commands_;
    HartSensorRules::SensorIdLimits limits_;
    HartSensorIdEdits ids_;
    BusyFlag busy_;
};

#pragma once
// The advanced settings of one DNP3 master: application layer, data link, event buffers and
// unsolicited reporting. Store writes the whole master into the model and leaves the dialog open.

#include "CDialogBase.h"
#include "ControlId.h"
#include "DNP3_OUTSTATION_SETTINGS.h"
#include "IBoundPage.h"
#include "PageBindings.h"

namespace Dnp3AdvancedDialog {
inline constexpr unsigned kTemplate = 1526;
inline constexpr ControlId kEditFragmentSize{3824, ControlType::Edit};
inline constexpr ControlId kLabelFragmentSize{3823, ControlType::Static};
inline constexpr ControlId kRangeFragmentSize{3825, ControlType::Static};
inline constexpr ControlId kEditAppConfirmTimeout{1384, ControlType::Edit};
inline constexpr ControlId kLabelAppConfirmTimeout{1382, ControlType::Static};
inline constexpr ControlId kRangeAppConfirmTimeout{3828, ControlType::Static};
inline constexpr ControlId kComboDLConfirmMode{3830, ControlType::DropList};
inline constexpr ControlId kEditDLConfirmTimeout{2908, ControlType::Edit};
inline constexpr ControlId kLabelDLConfirmTimeout{1339, ControlType::Static};
inline constexpr ControlId kRangeDLConfirmTimeout{3260, ControlType::Static};
inline constexpr ControlId kEditDLConfirmRetry{2909, ControlType::Edit};
inline constexpr ControlId kLabelDLConfirmRetry{1341, ControlType::Static};
inline constexpr ControlId kRangeDLConfirmRetry{3261, ControlType::Static};
inline constexpr ControlId kComboBufferOverflow{1353, ControlType::DropList};
inline constexpr ControlId kEditBinaryStorage{1408, ControlType::Edit};
inline constexpr ControlId kEditAnalogStorage{1391, ControlType::Edit};
inline constexpr ControlId kEditCounterStorage{1392, ControlType::Edit};
inline constexpr ControlId kEditUnsolicitedTimeout{1355, ControlType::Edit};
inline constexpr ControlId kLabelUnsolicitedTimeout{1343, ControlType::Static};
inline constexpr ControlId kRangeUnsolicitedTimeout{3262, ControlType::Static};
inline constexpr ControlId kEditHoldingTime{1398, ControlType::Edit};
inline constexpr ControlId kLabelHoldingTime{1356, ControlType::Static};
inline constexpr ControlId kRangeHoldingTime{3263, ControlType::Static};
inline constexpr ControlId kCheckClass1{1045, ControlType::CheckBox};
inline constexpr ControlId kEditClass1Count{1400, ControlType::Edit};
inline constexpr ControlId kLabelClass1Count{1359, ControlType::Static};
inline constexpr ControlId kRangeClass1Count{3264, ControlType::Static};
inline constexpr ControlId kCheckClass2{1344, ControlType::CheckBox};
inline constexpr ControlId kEditClass2Count{1402, ControlType::Edit};
inline constexpr ControlId kLabelClass2Count{1362, ControlType::Static};
inline constexpr ControlId kRangeClass2Count{1410, ControlType::Static};
inline constexpr ControlId kCheckClass3{1347, ControlType::CheckBox};
inline constexpr ControlId kEditClass3Count{1404, ControlType::Edit};
inline constexpr ControlId kLabelClass3Count{1364, ControlType::Static};
inline constexpr ControlId kRangeClass3Count{1412, ControlType::Static};
inline constexpr ControlId kEditRetry{1357, ControlType::Edit};
inline constexpr ControlId kLabelRetry{1345, ControlType::Static};
inline constexpr ControlId kRangeRetry{1360, ControlType::Static};
inline constexpr ControlId kButtonStore{3831, ControlType::Button};
inline constexpr ControlId kButtonClose{3832, ControlType::Button};
inline constexpr ControlId kButtonDefaults{1414, ControlType::Button};
inline constexpr ControlId kControls[] = {kEditFragmentSize,
                                          kLabelFragmentSize,
                                          kRangeFragmentSize,
                                          kEditAppConfirmTimeout,
                                          kLabelAppConfirmTimeout,
                                          kRangeAppConfirmTimeout,
                                          kComboDLConfirmMode,
                                          kEditDLConfirmTimeout,
                                          kLabelDLConfirmTimeout,
                                          kRangeDLConfirmTimeout,
                                          kEditDLConfirmRetry,
                                          kLabelDLConfirmRetry,
                                          kRangeDLConfirmRetry,
                                          kComboBufferOverflow,
                                          kEditBinaryStorage,
                                          kEditAnalogStorage,
                                          kEditCounterStorage,
                                          kEditUnsolicitedTimeout,
                                          kLabelUnsolicitedTimeout,
                                          kRangeUnsolicitedTimeout,
                                          kEditHoldingTime,
                                          kLabelHoldingTime,
                                          kRangeHoldingTime,
                                          kCheckClass1,
                                          kEditClass1Count,
                                          kLabelClass1Count,
                                          kRangeClass1Count,
                                          kCheckClass2,
                                          kEditClass2Count,
                                          kLabelClass2Count,
                                          kRangeClass2Count,
                                          kCheckClass3,
                                          kEditClass3Count,
                                          kLabelClass3Count,
                                          kRangeClass3Count,
                                          kEditRetry,
                                          kLabelRetry,
                                          kRangeRetry,
                                          kButtonStore,
                                          kButtonClose,
                                          kButtonDefaults};
inline constexpr qint32 kInfiniteRetry = 100; // valid whatever the retry range
} // namespace Dnp3AdvancedDialog

class CDNP3AdvanceSettingDlg : public CDialogBase, public IBoundPage {
    Q_OBJECT
public:
    CDNP3AdvanceSettingDlg(int masterIndex, DNP3_OUTSTATION_SETTINGS* outstation, QWidget* parent = nullptr);

    std::vector<BoundForm> BoundForms() const override { return {{this, bindings_.Controls()}}; }

    // True once a store succeeded during this run of the dialog.
    bool Stored() const { return stored_; }
    const DNP3_MASTER_ITEM_SETTINGS& WorkingCopy() const { return working_; }

    // Validates the controls and, when good, writes the whole master into the model.
    bool Store();
    // The working master back to its own defaults, shown; the model is left alone.
    void ShowDefaults();

protected:
    bool OnInitDialog() override;
    void showEvent(QShowEvent* event) override;

private:
    void bindControls();
    void showRangeTexts();
    void showWorkingCopy();

    int masterIndex_ = 0;
    DNP3_OUTSTATION_SETTINGS* outstation_ = nullptr;
    DNP3_MASTER_ITEM_SETTINGS working_;
    PageBindings<DNP3_MASTER_ITEM_SETTINGS> bindings_;
    bool stored_ = false;
};

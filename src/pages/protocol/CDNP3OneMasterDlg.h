#pragma once
// The DNP3 outstation page: the outstation's own address and port and the basic settings of its
// first master. The advanced settings of the same master are stored by CDNP3AdvanceSettingDlg.

#include "CSettingsPage.h"
#include "ControlId.h"
#include "DNP3_OUTSTATION_SETTINGS.h"

namespace Dnp3MasterPage {
inline constexpr unsigned kTemplate = 884;
inline constexpr ControlId kCheckEnable{1429, ControlType::CheckBox};
inline constexpr ControlId kEditName{3866, ControlType::Edit};
inline constexpr ControlId kLabelLocalAddr{3868, ControlType::Static};
inline constexpr ControlId kEditLocalAddr{3869, ControlType::Edit};
inline constexpr ControlId kRangeLocalAddr{3870, ControlType::Static};
inline constexpr ControlId kLabelLocalPort{3874, ControlType::Static};
inline constexpr ControlId kEditLocalPort{3875, ControlType::Edit};
inline constexpr ControlId kRangeLocalPort{3876, ControlType::Static};
inline constexpr ControlId kLabelDestAddr{3871, ControlType::Static};
inline constexpr ControlId kEditDestAddr{3872, ControlType::Edit};
inline constexpr ControlId kRangeDestAddr{1428, ControlType::Static};
inline constexpr ControlId kCheckUnsolicited{3877, ControlType::CheckBox};
inline constexpr ControlId kLabelMasterIP{3878, ControlType::Static};
inline constexpr ControlId kEditMasterIP{3879, ControlType::Edit};
inline constexpr ControlId kLabelDestPort{3880, ControlType::Static};
inline constexpr ControlId kEditDestPort{3881, ControlType::Edit};
inline constexpr ControlId kRangeDestPort{3882, ControlType::Static};
inline constexpr ControlId kButtonAdvanced{3883, ControlType::Button};
inline constexpr ControlId kButtonApply{3884, ControlType::Button};
inline constexpr ControlId kControls[] = {kCheckEnable,    kEditName,       kLabelLocalAddr, kEditLocalAddr,
                                          kRangeLocalAddr, kLabelLocalPort, kEditLocalPort,  kRangeLocalPort,
                                          kLabelDestAddr,  kEditDestAddr,   kRangeDestAddr,  kCheckUnsolicited,
                                          kLabelMasterIP,  kEditMasterIP,   kLabelDestPort,  kEditDestPort,
                                          kRangeDestPort,  kButtonAdvanced, kButtonApply};
inline constexpr int kMasterIndex = 0; // the page edits the first master only
inline constexpr int kNameLength = 64;
inline constexpr char kUnsetMasterIP[] = "0.0.0.0";
} // namespace Dnp3MasterPage

// The page's working copy: the first master with the outstation's own address and port.
struct Dnp3MasterPageRecord : DNP3_MASTER_ITEM_SETTINGS {
    qint32 LocalAddr = 0;
    qint32 LocalPort = 0;
};

class CDNP3OneMasterDlg : public CSettingsPage<Dnp3MasterPageRecord> {
public:
    static constexpr unsigned kStringApplied = 618; // caption, entry

    explicit CDNP3OneMasterDlg(IPageHost* host);

    // Takes the master afresh from the model (keeping what the advanced dialog stored), then
    // validates and writes the page's fields.
    bool ApplyPage();

protected:
    bool OnInitDialog() override;
    Dnp3MasterPageRecord ReadRecord(const CDataCenter& model) const override;
    void WriteRecord(CDataCenter& model, const Dnp3MasterPageRecord& record) override;
    QString AppliedLogLine() const override;
    void OnRecordShown() override;
    // Runs the advanced dialog for the first master; true when it stored settings.
    virtual bool RunAdvancedDialog();

private:
    void bindControls();
    void showRangeTexts();
    void updateUnsolicitedControls();
    void onAdvanced();
    QString logCaption() const;

    SettingTriple localAddrRange_;
    SettingTriple localPortRange_;
};

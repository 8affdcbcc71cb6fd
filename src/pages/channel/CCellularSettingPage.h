#pragma once
// The "Setting" tab of the cellular settings page: user name, password (typed twice), SIM PIN,
// APN, the frequency band of the module model ([Cellular] "<APID>Band" or "Band") and the enable
// flag. It shows and collects values only; the host validates and stores them. Attach it with
// the host's EntryTabs: ShowEntry and Gather are SetFields and GetFields.

#include "ControlId.h"
#include "EntryTabs.h"
#include "ModuleRecords.h"

class ICellularTabHost;

namespace CellularSettingTab {
inline constexpr unsigned kTemplate = 538;
inline constexpr ControlId kEditUserName{2640, ControlType::Edit};
inline constexpr ControlId kEditPassword{2641, ControlType::Edit};
inline constexpr ControlId kEditPasswordAgain{2846, ControlType::Edit};
inline constexpr ControlId kEditSimPin{2642, ControlType::Edit};
inline constexpr ControlId kEditApn{2643, ControlType::Edit};
inline constexpr ControlId kComboBand{2644, ControlType::DropList};
inline constexpr ControlId kCheckEnable{1074, ControlType::CheckBox};
inline constexpr ControlId kControls[] = {kEditUserName, kEditPassword, kEditPasswordAgain, kEditSimPin,
                                          kEditApn,      kComboBand,    kCheckEnable};
} // namespace CellularSettingTab

class CCellularSettingPage : public CEntryTab<CellularConfig> {
public:
    explicit CCellularSettingPage(ICellularTabHost& host);

    void SetFields(const CellularConfig& fields);
    void GetFields(CellularConfig& fields) const;
    // The password as typed the second time.
    QString GetSecondEntry() const;

    void ShowEntry(const CellularConfig& entry) override { SetFields(entry); }
    void Gather(CellularConfig& entry) const override { GetFields(entry); }

protected:
    bool OnInitDialog() override;
    void showEvent(QShowEvent* event) override;

private:
    void loadBands();

    ICellularTabHost& host_;
    QString modelKey_;
    bool bandsLoaded_ = false;
    bool filling_ = false; // the page sets the band itself
};

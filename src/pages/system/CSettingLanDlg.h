#pragma once
// The Ethernet interfaces of one slot: each interface's IP configuration and addresses, and what
// belongs to the whole slot (the default-gateway interface, the Ethernet mode of the 4100 series,
// the lock of the first interface, two DNS servers). Apply checks the edited interface against
// the slot's other interfaces and writes it.

#include "CPropertyUIDialog.h"
#include "ControlId.h"
#include "ModuleRecords.h"

#include <QStringList>

class CSettingLanDlg : public CPropertyUIDialog {
public:
    static constexpr unsigned kTemplateId = 163;
    // Language-pack strings.
    static constexpr unsigned kStringBadAddress = 531;
    static constexpr unsigned kStringFirstColumn = 595; // 595 to 599
    static constexpr unsigned kStringSeparateMode = 826;
    static constexpr unsigned kStringSwitchMode = 827;
    static constexpr unsigned kStringSameNetwork = 828;
    static constexpr unsigned kStringOverlappingNetwork = 829;

    static constexpr ControlId kListInterfaces{2386, ControlType::List};
    static constexpr ControlId kComboIPConfig{2388, ControlType::DropList};
    static constexpr ControlId kIpAddress{3124, ControlType::IPAddress};
    static constexpr ControlId kIpNetmask{3129, ControlType::IPAddress};
    static constexpr ControlId kIpGateway{3128, ControlType::IPAddress};
    static constexpr ControlId kIpDns0{3130, ControlType::IPAddress};
    static constexpr ControlId kIpDns1{3132, ControlType::IPAddress};
    static constexpr ControlId kComboGateway{3502, ControlType::DropList};
    static constexpr ControlId kCheckLock{3504, ControlType::CheckBox};
    static constexpr ControlId kLabelEthernetMode{1218, ControlType::Static};
    static constexpr ControlId kComboEthernetMode{1219, ControlType::DropList};
    static constexpr ControlId kStaticCaption{2518, ControlType::Static};
    static constexpr ControlId kLabelAddress{2391, ControlType::Static};
    static constexpr ControlId kButtonApply{2417, ControlType::Button};
    static constexpr ControlId kControls[] = {
        kListInterfaces, kComboIPConfig, kIpAddress, kIpNetmask,         kIpGateway,         kIpDns0,
        kIpDns1,         kComboGateway,  kCheckLock, kLabelEthernetMode, kComboEthernetMode, kStaticCaption,
        kLabelAddress,   kButtonApply};

    explicit CSettingLanDlg(IPageHost* host);

    // Checks and writes the selected interface; false when nothing was written.
    bool Apply();

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;

private:
    void readRecord();
    void refillList();
    QStringList rowTexts(int row) const;
    void showRow(int row);
    void applyIPConfigRule();
    void applyLockRule();
    void fillEthernetMode();
    void applyEthernetModeRule();
    int selectedRow() const;
    int ethernetMode() const;
    // The message lines of the address against the slot's other interfaces; empty when none.
    QString conflictsWithOtherInterfaces(int row) const;

    QStringList ipConfigOptions_;
    QStringList interfaceNames_;
    LanModuleSlotRecord record_;
    bool addressesLocked_ = false;
};

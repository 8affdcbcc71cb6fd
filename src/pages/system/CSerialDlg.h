#pragma once
// The serial ports of one slot: their line settings, every one chosen from the [Serial] lists of
// DefaultSettings.ini. Apply gives the chosen settings to every selected port, one log line each.

#include "CPropertyUIDialog.h"
#include "ChannelEntries.h"
#include "ControlId.h"
#include "IBoundPage.h"
#include "ModuleRecords.h"
#include "PageBindings.h"

class CSerialDlg : public CPropertyUIDialog, public IBoundPage {
public:
    static constexpr unsigned kTemplateId = 164;

    static constexpr ControlId kListPorts{2418, ControlType::List};
    static constexpr ControlId kComboMode{2427, ControlType::DropList};
    static constexpr ControlId kComboBaudrate{2435, ControlType::DropList};
    static constexpr ControlId kComboParity{2436, ControlType::DropList};
    static constexpr ControlId kComboDataBits{2437, ControlType::DropList};
    static constexpr ControlId kComboStopBits{2438, ControlType::DropList};
    static constexpr ControlId kComboFlowControl{2428, ControlType::DropList};
    static constexpr ControlId kButtonApply{2439, ControlType::Button};
    static constexpr ControlId kControls[] = {kListPorts,     kComboMode,     kComboBaudrate,    kComboParity,
                                              kComboDataBits, kComboStopBits, kComboFlowControl, kButtonApply};

    explicit CSerialDlg(IPageHost* host);

    // Gives the controls' settings to every selected port; false when nothing was written.
    bool Apply();
    std::vector<BoundForm> BoundForms() const override { return {{this, bindings_.Controls()}}; }

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;

private:
    void readRecord();
    void refillList();
    void refreshRow(int row);
    void showPort(int row);
    void onSelectionChanged();
    void applyModeRule();
    CListCtrlEx* list() const;

    PageBindings<SerialPortSettingBlock> bindings_;
    PortModuleSlotRecord record_;
};

#pragma once
// The add-module dialog: an I/O module model from DefaultSettings.ini [New_Module] and a slot of
// the project that the module may go into (ModulePlacement.h). OK refuses a model whose
// [Slot_Limit] the project has reached, naming the limit, and stays open. The project is not
// changed: after IDOK the caller adds GetModule() at GetSlot().

#include "CDialogBase.h"
#include "ModulePlacement.h"

#include <QString>

class CDataCenter;

class CAddDeviceDlg : public CDialogBase {
    Q_OBJECT
public:
    // The slots and the series are taken from the model now.
    explicit CAddDeviceDlg(const CDataCenter& model, QWidget* parent = nullptr);

    QString GetModule() const { return module_; }
    int GetSlot() const { return slot_; } // 1 to the slot count after IDOK

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnModuleChanged();
    void OnSlotChanged();
    void FillSlots();
    bool CanAdd() const;
    void UpdateOKState();
    // False, with the limit message, when the project already holds as many of the module as it may.
    bool IsBelowSlotLimit() const;

    SlotLayout layout_;
    bool series4100_ = false;
    QString module_;
    int slot_ = 0;
};

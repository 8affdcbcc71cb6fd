#pragma once
// Makes internal variables in a batch: names of a prefix, a running number and a suffix, one
// variable and one tag per number, all or none.

#include "CDialogBase.h"
#include "ControlId.h"

#include <QStringList>

class CResourceInternalVariable;

namespace MultiTagIds {
inline constexpr unsigned kTemplate = 823;
inline constexpr ControlId kEditPrefix{1221, ControlType::Edit};
inline constexpr ControlId kEditSuffix{1053, ControlType::Edit};
inline constexpr ControlId kEditQuantity{1223, ControlType::Edit};
inline constexpr ControlId kEditStart{1225, ControlType::Edit};
inline constexpr ControlId kComboDataType{3060, ControlType::DropList};
inline constexpr ControlId kButtonOk{IDOK, ControlType::Button};
inline constexpr ControlId kButtonCancel{IDCANCEL, ControlType::Button};
inline constexpr ControlId kControls[] = {kEditPrefix,    kEditSuffix, kEditQuantity, kEditStart,
                                          kComboDataType, kButtonOk,   kButtonCancel};
inline constexpr unsigned kStringNameTaken = 846;
inline constexpr unsigned kStringNamesTooLong = 854;
} // namespace MultiTagIds

class CResourceCreateMultiTagDlg : public CDialogBase {
    Q_OBJECT
public:
    explicit CResourceCreateMultiTagDlg(CResourceInternalVariable& page);

    // Limits of the batch.
    static constexpr int kPartLimit = 26;
    static constexpr int kNamePartsLimit = 25;
    static constexpr int kStartMaximum = 9999;
    static constexpr int kQuantityMinimum = 1;
    static constexpr int kQuantityMaximum = 100;

protected:
    bool OnInitDialog() override;
    void OnOK() override { OnCreate(); }

private:
    void OnCreate();
    void OnDataTypeChanged();
    // The lines of everything wrong with the input; empty when it may be used.
    QString InputErrors() const;
    QStringList BatchNames() const;

    CResourceInternalVariable& page_;
};

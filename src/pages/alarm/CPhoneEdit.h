#pragma once
// The phone numbers of an SMS alarm entry (template 712): at most 16 numbers.

#include "CRecipientEditDlg.h"
#include "Validation.h"

namespace PhoneEditIds {
inline constexpr ControlId kListRecipients{1033, ControlType::List};
inline constexpr ControlId kEditNumber{1039, ControlType::Edit};
inline constexpr ControlId kEditContactName{1108, ControlType::Edit};
inline constexpr ControlId kButtonAdd{1036, ControlType::Button};
inline constexpr ControlId kButtonModify{1040, ControlType::Button};
inline constexpr ControlId kButtonDelete{1037, ControlType::Button};
inline constexpr ControlId kButtonOK{1034, ControlType::Button};
inline constexpr ControlId kControls[] = {kListRecipients, kEditNumber,   kEditContactName, kButtonAdd,
                                          kButtonModify,   kButtonDelete, kButtonOK};
} // namespace PhoneEditIds

inline const RecipientEditorKind kPhoneRecipientEditor{
    .templateId = 712,
    .list = PhoneEditIds::kListRecipients,
    .addressEdit = PhoneEditIds::kEditNumber,
    .nameEdit = PhoneEditIds::kEditContactName,
    .addButton = PhoneEditIds::kButtonAdd,
    .modifyButton = PhoneEditIds::kButtonModify,
    .deleteButton = PhoneEditIds::kButtonDelete,
    .okButton = PhoneEditIds::kButtonOK,
    .addressColumnString = 633,
    .isValidAddress = &IsValidPhoneNumber,
    .badAddressString = 755,
    .maxRecipients = 16,
    .limitString = 752,
};

class CPhoneEdit : public CRecipientEditDlg {
    Q_OBJECT
public:
    CPhoneEdit(const QString& numbers, const QString& contactNames, QWidget* parent = nullptr)
        : CRecipientEditDlg(kPhoneRecipientEditor, numbers, contactNames, parent)
    {}
};

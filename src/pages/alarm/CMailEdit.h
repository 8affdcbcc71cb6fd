#pragma once
// The e-mail recipients of an alarm entry (template 821): at most 32 addresses.

#include "CRecipientEditDlg.h"
#include "Validation.h"

namespace MailEditIds {
inline constexpr ControlId kListRecipients{1100, ControlType::List};
inline constexpr ControlId kEditAddress{1101, ControlType::Edit};
inline constexpr ControlId kEditContactName{1128, ControlType::Edit};
inline constexpr ControlId kButtonAdd{1102, ControlType::Button};
inline constexpr ControlId kButtonModify{1103, ControlType::Button};
inline constexpr ControlId kButtonDelete{1104, ControlType::Button};
inline constexpr ControlId kButtonOK{1105, ControlType::Button};
inline constexpr ControlId kControls[] = {kListRecipients, kEditAddress,  kEditContactName, kButtonAdd,
                                          kButtonModify,   kButtonDelete, kButtonOK};
} // namespace MailEditIds

inline const RecipientEditorKind kMailRecipientEditor{
    .templateId = 821,
    .list = MailEditIds::kListRecipients,
    .addressEdit = MailEditIds::kEditAddress,
    .nameEdit = MailEditIds::kEditContactName,
    .addButton = MailEditIds::kButtonAdd,
    .modifyButton = MailEditIds::kButtonModify,
    .deleteButton = MailEditIds::kButtonDelete,
    .okButton = MailEditIds::kButtonOK,
    .addressColumnString = 634,
    .isValidAddress = &IsValidEmailAddress,
    .badAddressString = 413,
    .maxRecipients = 32,
    .limitString = 754,
};

class CMailEdit : public CRecipientEditDlg {
    Q_OBJECT
public:
    CMailEdit(const QString& to, const QString& contactNames, QWidget* parent = nullptr)
        : CRecipientEditDlg(kMailRecipientEditor, to, contactNames, parent)
    {}
};

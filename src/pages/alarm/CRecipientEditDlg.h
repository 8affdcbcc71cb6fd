#pragma once
// The recipient list editor of an alarm entry: address and contact-name pairs in a list, edited
// with Add, Modify and Delete, handed back as the entry's two joined texts and a display text.
// The e-mail and the phone editors (CMailEdit, CPhoneEdit) are this dialog with their own kind.

#include "CDialogBase.h"
#include "ControlId.h"
#include "RecipientList.h"

#include <QString>

class CListCtrlEx;

// What differs between the editors: template, controls, the address rule and the limit.
struct RecipientEditorKind {
    unsigned templateId = 0;
    ControlId list;
    ControlId addressEdit;
    ControlId nameEdit;
    ControlId addButton;
    ControlId modifyButton;
    ControlId deleteButton;
    ControlId okButton;
    unsigned addressColumnString = 0;
    bool (*isValidAddress)(const QString&) = nullptr;
    unsigned badAddressString = 0;
    int maxRecipients = 0;
    unsigned limitString = 0; // formatted with maxRecipients
};

class CRecipientEditDlg : public CDialogBase {
    Q_OBJECT
public:
    CRecipientEditDlg(const RecipientEditorKind& kind, const QString& joinedAddresses, const QString& joinedNames,
                      QWidget* parent = nullptr);

    // After IDOK: the new joined addresses, joined names and display text.
    QString GetAddresses() const { return addresses_; }
    QString GetNames() const { return names_; }
    QString GetDisplayText() const { return displayText_; }
    const RecipientList& Recipients() const { return recipients_; }

    const RecipientEditorKind& Kind() const { return kind_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void showEvent(QShowEvent* event) override;

private:
    void fitColumns();
    CListCtrlEx* list() const;
    void refill();
    void onSelectionChanged();
    void onAdd();
    void onModify();
    void onDelete();
    // The edits' address and name when both are acceptable; a message and false otherwise.
    bool readEdits(QString& address, QString& name);

    RecipientEditorKind kind_;
    RecipientList recipients_;
    QString addresses_;
    QString names_;
    QString displayText_;
};

#pragma once
// The user's internal variables: registers of the controller that belong to no channel, each
// with a tag. Variables are made in batches (CResourceCreateMultiTagDlg) and deleted unless a
// service uses their tag.

#include "CPropertyUIDialog.h"
#include "ControlId.h"
#include "InternalRegisters.h"

#include <QStringList>

namespace InternalVariableIds {
inline constexpr unsigned kTemplate = 203;
inline constexpr ControlId kListVariables{3048, ControlType::List};
inline constexpr ControlId kComboDataType{3060, ControlType::DropList};
inline constexpr ControlId kComboDirection{3058, ControlType::DropList};
inline constexpr ControlId kStaticDirectionCaption{3057, ControlType::Static};
inline constexpr ControlId kButtonAdd{3051, ControlType::Button};
inline constexpr ControlId kButtonDelete{3067, ControlType::Button};
inline constexpr ControlId kEditName{1221, ControlType::Edit};
inline constexpr ControlId kEditQuantity{1223, ControlType::Edit};
inline constexpr ControlId kEditStart{1225, ControlType::Edit};
inline constexpr ControlId kControls[] = {kListVariables, kComboDataType, kComboDirection, kStaticDirectionCaption,
                                          kButtonAdd,     kButtonDelete,  kEditName,       kEditQuantity,
                                          kEditStart};
inline constexpr unsigned kStringTagInUse = 406;
} // namespace InternalVariableIds

class CResourceInternalVariable : public CPropertyUIDialog {
    Q_OBJECT
public:
    explicit CResourceInternalVariable(IPageHost* host);

    // What the batch dialog uses.
    bool IsIECMode() const;
    QStringList DataTypeNames() const { return dataTypeNames_; }
    QString GetDefaultName() const { return defaultName_; }
    void SelectDataType(int index);
    void AddVariable(const QString& name);
    int SelectedDataTypeIndex() const;

    // The batch dialog's result, before it closes: opened modally by the Add button. Tests
    // replace the opening to drive the dialog themselves.
    void SetBatchDialogRunner(std::function<void(CResourceInternalVariable&)> runner) { runBatch_ = std::move(runner); }

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;

private:
    void InitColumns();
    int CodeOfIndex(int index) const;
    QString DirectionTextOf(const InternalVariableRecord& record) const;
    static QString tagNameOf(const CDataCenter& model, const InternalVariableRecord& variable);
    void UpdateDefaultName();
    void FillList();
    void OnVariableSelected();
    void OnAddVariables();
    void OnDeleteVariables();

    QStringList dataTypeNames_;
    QStringList ioTypeTexts_;
    QString directionCaption_;
    QString defaultName_;
    int dataTypeCode_ = 0;
    std::function<void(CResourceInternalVariable&)> runBatch_;
};

#pragma once
// The first step of a new project: its name, the product series and the model. The two 4100
// series models are completed by the CPU dialog, whose CPU module then names the model. After
// IDOK the caller builds the project from the product template the model names.

#include "CDialogBase.h"
#include "NewProjectLists.h"

#include <QString>

class CNewProjectDlg : public CDialogBase {
    Q_OBJECT
public:
    explicit CNewProjectDlg(QWidget* parent = nullptr);

    // Results after IDOK.
    QString GetProjectName() const { return projectName_; }
    QString GetModel() const { return model_; }
    QString GetPowerModule() const { return powerModule_; }             // "N/A" unless 4100 series
    QString GetSecondPowerModule() const { return secondPowerModule_; } // "N/A" for none
    int GetSlotCount() const { return slotCount_; }                     // 0 unless 4100 series

    // The CPU dialog's choice.
    void SetModel(QString model) { model_ = std::move(model); }
    void SetPowerModule(QString module) { powerModule_ = std::move(module); }
    void SetSecondPowerModule(QString module) { secondPowerModule_ = std::move(module); }
    void SetSlotCount(int count) { slotCount_ = count; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void FillModels();
    void OnModelChanged();
    void OnNameChanged();
    void UpdateOKState();
    // Runs the CPU dialog for a 4100 series model; true when it ended with OK.
    bool RunCPUDialog(int variant);

    QString model_;
    QString projectName_;
    QString powerModule_ = kNoModule.toString();
    QString secondPowerModule_ = kNoModule.toString();
    int slotCount_ = 0;
    NewProjectLists lists_;
};

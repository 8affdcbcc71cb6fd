#pragma once
// The controller's own FTP server: its enable switch (CPU35 layout only) and the accounts it
// accepts. Add, Modify and Delete change the model at once; the switch reaches the model with
// Add and Modify.

#include "CListDetailPage.h"
#include "ControlId.h"
#include "FtpServerSettings.h"

class CSettingFTPHostDlg : public CListDetailPage<FtpAccountRecord> {
public:
    static constexpr unsigned kTemplateId = 187;
    static constexpr unsigned kStringUserNameColumn = 705;
    static constexpr unsigned kStringPasswordPattern = 707;

    static constexpr ControlId kListAccounts{2797, ControlType::List};
    static constexpr ControlId kCheckEnable{1308, ControlType::CheckBox};
    static constexpr ControlId kGroupEnable{3760, ControlType::GroupBox};
    static constexpr ControlId kStaticEnable{3762, ControlType::Static};
    static constexpr ControlId kEditFirstText{2810, ControlType::Edit};
    static constexpr ControlId kLabelUserName{2801, ControlType::Static};
    static constexpr ControlId kEditUserName{2802, ControlType::Edit};
    static constexpr ControlId kLabelPassword{2803, ControlType::Static};
    static constexpr ControlId kEditPassword{2804, ControlType::Edit};
    static constexpr ControlId kEditConfirmPassword{3269, ControlType::Edit};
    static constexpr ControlId kButtonAdd{2799, ControlType::Button};
    static constexpr ControlId kButtonModify{2800, ControlType::Button};
    static constexpr ControlId kButtonDelete{2806, ControlType::Button};
    static constexpr ControlId kControls[] = {kListAccounts,  kCheckEnable,         kGroupEnable,  kStaticEnable,
                                              kEditFirstText, kLabelUserName,       kEditUserName, kLabelPassword,
                                              kEditPassword,  kEditConfirmPassword, kButtonAdd,    kButtonModify,
                                              kButtonDelete};

    explicit CSettingFTPHostDlg(IPageHost* host);

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;
    std::vector<FtpAccountRecord> ReadEntries(const CDataCenter& model) const override;
    void WriteEntries(CDataCenter& model, const std::vector<FtpAccountRecord>& accounts) override;
    QStringList RowTexts(const FtpAccountRecord& account) const override { return {account.UserName}; }
    void CheckEntry(const FtpAccountRecord& account, int row, ValidationReport& report) const override;
    QString LogName() const override;

private:
    void onAdd();
    void onModify();
    // Enable takes the check box; false when the typed account is empty (nothing more happens).
    bool takeEnableAndTypedAccount();
    bool isCpu35() const;
    bool isTakenByAnother(const QString& userName, int row) const;
};

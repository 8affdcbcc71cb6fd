#pragma once
// The mail servers the e-mail alarms send through. Each server has a unique name by which the
// alarm entries refer to it: renaming a server renames those references, and a server an alarm
// entry still uses cannot be deleted. Add, Modify and Delete change the model at once.

#include "CListDetailPage.h"
#include "ControlId.h"
#include "SMTP_SERVER_SETTINGS.h"

class CSettingSMTPServersDlg : public CListDetailPage<SMTP_SERVER_SETTINGS> {
public:
    static constexpr unsigned kTemplateId = 144;
    static constexpr unsigned kStringServerInUse = 513;

    static constexpr ControlId kListServers{2196, ControlType::List};
    static constexpr ControlId kLabelName{2126, ControlType::Static};
    static constexpr ControlId kEditName{2128, ControlType::Edit};
    static constexpr ControlId kLabelDescription{2130, ControlType::Static};
    static constexpr ControlId kEditDescription{2199, ControlType::Edit};
    static constexpr ControlId kLabelAddress{2141, ControlType::Static};
    static constexpr ControlId kEditAddress{2143, ControlType::Edit};
    static constexpr ControlId kLabelPort{2132, ControlType::Static};
    static constexpr ControlId kEditPort{2200, ControlType::Edit};
    static constexpr ControlId kStaticPortRange{3246, ControlType::Static};
    static constexpr ControlId kEditAccount{2133, ControlType::Edit};
    static constexpr ControlId kEditPassword{2134, ControlType::Edit};
    static constexpr ControlId kEditConfirmPassword{2138, ControlType::Edit};
    static constexpr ControlId kButtonAdd{2135, ControlType::Button};
    static constexpr ControlId kButtonModify{2136, ControlType::Button};
    static constexpr ControlId kButtonDelete{2139, ControlType::Button};
    static constexpr ControlId kControls[] = {
        kListServers,         kLabelName, kEditName,     kLabelDescription, kEditDescription, kLabelAddress,
        kEditAddress,         kLabelPort, kEditPort,     kStaticPortRange,  kEditAccount,     kEditPassword,
        kEditConfirmPassword, kButtonAdd, kButtonModify, kButtonDelete};

    explicit CSettingSMTPServersDlg(IPageHost* host);

protected:
    bool OnInitDialog() override;
    std::vector<SMTP_SERVER_SETTINGS> ReadEntries(const CDataCenter& model) const override;
    void WriteEntries(CDataCenter& model, const std::vector<SMTP_SERVER_SETTINGS>& servers) override;
    QStringList RowTexts(const SMTP_SERVER_SETTINGS& server) const override;
    void OnEntryReplaced(CDataCenter& model, const SMTP_SERVER_SETTINGS& before,
                         const SMTP_SERVER_SETTINGS& after) override;
    QString DeleteRefusal(const SMTP_SERVER_SETTINGS& server) const override;
    void OnEntryRemoved(CDataCenter& model, const SMTP_SERVER_SETTINGS& server) override;

private:
    SettingTriple portRange_;
};

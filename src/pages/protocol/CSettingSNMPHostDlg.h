#pragma once
// The SNMP agent page: whether the agent runs, its versions, contact and location, the v1/v2c
// communities and the two v3 users. Apply checks what the chosen versions need and writes every
// field but the published tags, which the agent tag page edits.

#include "CSettingsPage.h"
#include "ControlId.h"
#include "PageConversions.h"
#include "SNMP_AGENT_SETTINGS.h"

#include <vector>

namespace SnmpAgentPage {
inline constexpr unsigned kTemplate = 168;
inline constexpr ControlId kCheckEnable{2472, ControlType::CheckBox};
inline constexpr ControlId kComboVersion{2477, ControlType::DropList};
inline constexpr ControlId kEditContact{2478, ControlType::Edit};
inline constexpr ControlId kEditLocation{2479, ControlType::Edit};
inline constexpr ControlId kLabelReadCommunity{2481, ControlType::Static};
inline constexpr ControlId kLabelWriteCommunity{2482, ControlType::Static};
inline constexpr ControlId kEditReadCommunity{2483, ControlType::Edit};
inline constexpr ControlId kEditWriteCommunity{2484, ControlType::Edit};
inline constexpr ControlId kButtonApply{2509, ControlType::Button};

// The controls of one v3 user.
struct AccountControls {
    ControlId userLabel, userEdit;
    ControlId authLabel, authCombo, authPasswordLabel, authPasswordEdit;
    ControlId privacyLabel, privacyCombo, privacyPasswordLabel, privacyPasswordEdit;
};
inline constexpr AccountControls kReadOnly{
    {2487, ControlType::Static}, {2492, ControlType::Edit}, {2489, ControlType::Static}, {2494, ControlType::DropList},
    {2488, ControlType::Static}, {2493, ControlType::Edit}, {2491, ControlType::Static}, {2496, ControlType::DropList},
    {2490, ControlType::Static}, {2495, ControlType::Edit}};
inline constexpr AccountControls kReadWrite{
    {2497, ControlType::Static}, {2503, ControlType::Edit}, {2500, ControlType::Static}, {2505, ControlType::DropList},
    {2499, ControlType::Static}, {2504, ControlType::Edit}, {2502, ControlType::Static}, {2507, ControlType::DropList},
    {2501, ControlType::Static}, {2506, ControlType::Edit}};

inline constexpr ControlId kControls[] = {kCheckEnable,
                                          kComboVersion,
                                          kEditContact,
                                          kEditLocation,
                                          kLabelReadCommunity,
                                          kLabelWriteCommunity,
                                          kEditReadCommunity,
                                          kEditWriteCommunity,
                                          kButtonApply,
                                          kReadOnly.userLabel,
                                          kReadOnly.userEdit,
                                          kReadOnly.authLabel,
                                          kReadOnly.authCombo,
                                          kReadOnly.authPasswordLabel,
                                          kReadOnly.authPasswordEdit,
                                          kReadOnly.privacyLabel,
                                          kReadOnly.privacyCombo,
                                          kReadOnly.privacyPasswordLabel,
                                          kReadOnly.privacyPasswordEdit,
                                          kReadWrite.userLabel,
                                          kReadWrite.userEdit,
                                          kReadWrite.authLabel,
                                          kReadWrite.authCombo,
                                          kReadWrite.authPasswordLabel,
                                          kReadWrite.authPasswordEdit,
                                          kReadWrite.privacyLabel,
                                          kReadWrite.privacyCombo,
                                          kReadWrite.privacyPasswordLabel,
                                          kReadWrite.privacyPasswordEdit};

// Version list positions.
inline constexpr quint32 kVersionV1V2c = 0;
inline constexpr quint32 kVersionV3 = 1;
inline constexpr quint32 kVersionBoth = 2;
inline constexpr int kTextLength = 64;
} // namespace SnmpAgentPage

class CSettingSNMPHostDlg : public CSettingsPage<SNMP_AGENT_SETTINGS> {
public:
    static inline const SettingTriple kBuiltInLength{8, 8, 30};

    explicit CSettingSNMPHostDlg(IPageHost* host);

protected:
    bool OnInitDialog() override;
    SNMP_AGENT_SETTINGS ReadRecord(const CDataCenter& model) const override;
    void WriteRecord(CDataCenter& model, const SNMP_AGENT_SETTINGS& record) override;
    QString AppliedLogLine() const override { return {}; }
    void CheckRecord(const SNMP_AGENT_SETTINGS& record, ValidationReport& report) const override;
    void OnRecordShown() override { applyEnableRule(); }

private:
    using Account = SNMP_AGENT_ACCOUNT SNMP_AGENT_SETTINGS::*;
    void bindAccount(const SnmpAgentPage::AccountControls& controls, Account account);
    void applyEnableRule();
    void applyVersionRule();
    void applyAuthenticationRule(const SnmpAgentPage::AccountControls& controls);
    void applyPrivacyRule(const SnmpAgentPage::AccountControls& controls);
    void enableItems(const std::vector<int>& ids, bool enable);
    // The lines of one user's authentication and privacy; the user-name line only when asked.
    void checkAccount(const SNMP_AGENT_ACCOUNT& account, const SnmpAgentPage::AccountControls& controls,
                      bool nameLineWanted, ValidationReport& report) const;
    QString labelOf(int labelId) const;

    SettingTriple passwordLength_;
    SettingTriple communityLength_;
};

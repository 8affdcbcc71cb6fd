#include "CSettingSNMPHostDlg.h"

#include "CDataCenter.h"
#include "Validation.h"

#include <QComboBox>
#include <QLineEdit>

using namespace SnmpAgentPage;

namespace {

const QString kSection = QStringLiteral("SNMPAgent");
const QString kMinimumAuthenticationLength = QStringLiteral("The minmum length of Authentication Password is %1\r\n");
const QString kMinimumPrivacyLength = QStringLiteral("The minmum length of Privacy Password is %1\r\n");

const std::vector<int> kGeneralGroup{2474, 2475, 2476, kComboVersion, kEditContact, kEditLocation};
const std::vector<int> kCommunityGroup{kLabelReadCommunity, kLabelWriteCommunity, kEditReadCommunity,
                                       kEditWriteCommunity};

bool UsesCommunities(quint32 version)
{
    return version == kVersionV1V2c || version == kVersionBoth;
}

bool UsesAccounts(quint32 version)
{
    return version != kVersionV1V2c;
}

std::vector<int> AccountGroup(const AccountControls& c)
{
    return {c.userLabel,          c.userEdit,          c.authLabel,
            c.authCombo,          c.authPasswordLabel, c.authPasswordEdit,
            c.privacyLabel,       c.privacyCombo,      c.privacyPasswordLabel,
            c.privacyPasswordEdit};
}

} // namespace

CSettingSNMPHostDlg::CSettingSNMPHostDlg(IPageHost* host)
    : CSettingsPage(kTemplate, host, kButtonApply),
      passwordLength_(SettingsTriple(kSection, QStringLiteral("PasswordLength"), kBuiltInLength)),
      communityLength_(SettingsTriple(kSection, QStringLiteral("CommunityLength"), kBuiltInLength))
{
    // Labels are left out: the page's own rules make the lines (CheckRecord).
    Bindings()
        .Bind(kCheckEnable, QString(), &SNMP_AGENT_SETTINGS::EnableServer, AsCheck{})
        .Bind(kComboVersion, QString(), &SNMP_AGENT_SETTINGS::Version,
              AsIndex{OptionList(kSection, QStringLiteral("VersionType"))})
        .Bind(kEditContact, QString(), &SNMP_AGENT_SETTINGS::Contact, AsText{})
        .Bind(kEditLocation, QString(), &SNMP_AGENT_SETTINGS::Location, AsText{})
        .Bind(kEditReadCommunity, QString(), &SNMP_AGENT_SETTINGS::ReadCommunity, AsText{})
        .Bind(kEditWriteCommunity, QString(), &SNMP_AGENT_SETTINGS::WriteCommunity, AsText{});
    bindAccount(kReadOnly, &SNMP_AGENT_SETTINGS::V3RO);
    bindAccount(kReadWrite, &SNMP_AGENT_SETTINGS::V3RW);
}

void CSettingSNMPHostDlg::bindAccount(const AccountControls& controls, Account account)
{
    const AsIndex authentication{OptionList(kSection, QStringLiteral("AuthProtocolType"))};
    const AsIndex privacy{OptionList(kSection, QStringLiteral("PrivacyType"))};
    Bindings()
        .BindAt(
            controls.userEdit, QString(), [account](auto& r) -> auto& { return (r.*account).UserName; }, AsText{})
        .BindAt(
            controls.authCombo, QString(), [account](auto& r) -> auto& { return (r.*account).EnableAuthentication; },
            authentication)
        .BindAt(
            controls.authPasswordEdit, QString(), [account](auto& r) -> auto& { return (r.*account).AuthenticationPW; },
            AsText{})
        .BindAt(
            controls.privacyCombo, QString(), [account](auto& r) -> auto& { return (r.*account).EnablePrivacy; },
            privacy)
        .BindAt(
            controls.privacyPasswordEdit, QString(), [account](auto& r) -> auto& { return (r.*account).PrivacyPW; },
            AsText{});
}

bool CSettingSNMPHostDlg::OnInitDialog()
{
    LayoutListPage({.rightButton = kButtonApply});
    const auto limit = [this](int id, int length) {
        if (auto* edit = item<QLineEdit>(id))
            edit->setMaxLength(length);
    };
    for (int id : {int(kEditContact), int(kEditLocation), int(kReadOnly.userEdit), int(kReadWrite.userEdit)})
        limit(id, kTextLength);
    for (int id : {int(kEditReadCommunity), int(kEditWriteCommunity)})
        limit(id, communityLength_.maximum);
    for (const AccountControls* c : {&kReadOnly, &kReadWrite}) {
        limit(c->authPasswordEdit, passwordLength_.maximum);
        limit(c->privacyPasswordEdit, passwordLength_.maximum);
        OnUserChange(c->authCombo, [this, c] { applyAuthenticationRule(*c); });
        OnUserChange(c->privacyCombo, [this, c] { applyPrivacyRule(*c); });
    }
    OnUserChange(kCheckEnable, [this] { applyEnableRule(); });
    OnUserChange(kComboVersion, [this] { applyVersionRule(); });
    return true;
}

SNMP_AGENT_SETTINGS CSettingSNMPHostDlg::ReadRecord(const CDataCenter& model) const
{
    return model.SnmpAgent;
}

void CSettingSNMPHostDlg::WriteRecord(CDataCenter& model, const SNMP_AGENT_SETTINGS& record)
{
    SNMP_AGENT_SETTINGS written = record;
    written.AutoResource = model.SnmpAgent.AutoResource;
    written.TagTable = model.SnmpAgent.TagTable; // the agent tag page's
    model.SnmpAgent = written;
}

void CSettingSNMPHostDlg::enableItems(const std::vector<int>& ids, bool enable)
{
    for (int id : ids)
        enableItem(id, enable);
}

void CSettingSNMPHostDlg::applyEnableRule()
{
    const bool enabled = isItemChecked(kCheckEnable);
    enableItems(kGeneralGroup, enabled);
    enableItems(kCommunityGroup, enabled);
    enableItems(AccountGroup(kReadOnly), enabled);
    enableItems(AccountGroup(kReadWrite), enabled);
    if (enabled)
        applyVersionRule();
}

void CSettingSNMPHostDlg::applyVersionRule()
{
    const auto* combo = item<QComboBox>(kComboVersion);
    const quint32 version = combo ? quint32(combo->currentIndex()) : kVersionBoth;
    enableItems(kGeneralGroup, true);
    enableItems(kCommunityGroup, version != kVersionV3);
    enableItems(AccountGroup(kReadOnly), version != kVersionV1V2c);
    enableItems(AccountGroup(kReadWrite), version != kVersionV1V2c);
    if (version == kVersionV1V2c)
        return;
    applyAuthenticationRule(kReadOnly);
    applyAuthenticationRule(kReadWrite);
}

void CSettingSNMPHostDlg::applyAuthenticationRule(const AccountControls& c)
{
    const auto* combo = item<QComboBox>(c.authCombo);
    const bool authenticated = combo && combo->currentIndex() > 0;
    if (!authenticated) {
        BusyGuard busy(Busy());
        setItemText(c.authPasswordEdit, QString());
        setItemText(c.privacyPasswordEdit, QString());
        if (auto* privacy = item<QComboBox>(c.privacyCombo); privacy && privacy->count() > 0)
            privacy->setCurrentIndex(0);
    }
    enableItems({c.authPasswordLabel, c.authPasswordEdit, c.privacyLabel, c.privacyCombo, c.privacyPasswordLabel,
                 c.privacyPasswordEdit},
                authenticated);
    applyPrivacyRule(c);
}

void CSettingSNMPHostDlg::applyPrivacyRule(const AccountControls& c)
{
    const auto* combo = item<QComboBox>(c.privacyCombo);
    const bool private_ = combo && combo->currentIndex() > 0;
    if (!private_)
        setItemText(c.privacyPasswordEdit, QString());
    enableItems({c.privacyPasswordLabel, c.privacyPasswordEdit}, private_);
}

QString CSettingSNMPHostDlg::labelOf(int labelId) const
{
    return FieldLabel(labelId).Text(*this);
}

void CSettingSNMPHostDlg::CheckRecord(const SNMP_AGENT_SETTINGS& r, ValidationReport& report) const
{
    if (!r.EnableServer)
        return;
    if (UsesCommunities(r.Version) && r.ReadCommunity.isEmpty() && r.WriteCommunity.isEmpty())
        report.Add(FormatInvalidItemLine(labelOf(kLabelReadCommunity)), control(kEditReadCommunity));
    if (!UsesAccounts(r.Version))
        return;
    const bool bothNamesEmpty = r.V3RO.UserName.isEmpty() && r.V3RW.UserName.isEmpty();
    if (bothNamesEmpty)
        report.Add(FormatInvalidItemLine(labelOf(kReadOnly.userLabel)), control(kReadOnly.userEdit));
    if (!r.V3RO.UserName.isEmpty() && r.V3RO.UserName == r.V3RW.UserName)
        report.Add(FormatItemErrorLine(labelOf(kReadOnly.userLabel)), control(kReadOnly.userEdit));
    checkAccount(r.V3RO, kReadOnly, !bothNamesEmpty, report);
    checkAccount(r.V3RW, kReadWrite, !bothNamesEmpty, report);
}

void CSettingSNMPHostDlg::checkAccount(const SNMP_AGENT_ACCOUNT& a, const AccountControls& c, bool nameLineWanted,
                                       ValidationReport& report) const
{
    if (a.EnableAuthentication != 0) {
        if (a.UserName.isEmpty() && nameLineWanted)
            report.Add(FormatInvalidItemLine(labelOf(c.userLabel)), control(c.userEdit));
        if (a.AuthenticationPW.isEmpty())
            report.Add(FormatInvalidItemLine(labelOf(c.authPasswordLabel)), control(c.authPasswordEdit));
    }
    if (a.EnablePrivacy != 0 && a.PrivacyPW.isEmpty())
        report.Add(FormatInvalidItemLine(labelOf(c.privacyPasswordLabel)), control(c.privacyPasswordEdit));
    const int minimum = passwordLength_.minimum;
    if (!a.AuthenticationPW.isEmpty() && a.AuthenticationPW.size() < minimum)
        report.Add(kMinimumAuthenticationLength.arg(minimum), control(c.authPasswordEdit));
    if (!a.PrivacyPW.isEmpty() && a.PrivacyPW.size() < minimum)
        report.Add(kMinimumPrivacyLength.arg(minimum), control(c.privacyPasswordEdit));
}

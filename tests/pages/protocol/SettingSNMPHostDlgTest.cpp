// The SNMP agent page: what each version needs before Apply writes, the password lengths, and
// the enabling rules that empty what cannot be used.
#include "CSettingSNMPHostDlg.h"
#include "PageHarness.h"
#include "ProjectReopen.h"
#include "Validation.h"

#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace SnmpAgentPage;

namespace {

const QString kPassword = QStringLiteral("secret-8");
const QString kMinimumAuthLine = QStringLiteral("The minmum length of Authentication Password is 8\r\n");
const QString kMinimumPrivacyLine = QStringLiteral("The minmum length of Privacy Password is 8\r\n");

SNMP_AGENT_SETTINGS Stored(const CDataCenter& model)
{
    return model.SnmpAgent;
}

class SettingSNMPHostDlgTest : public testing::Test {
protected:
    const TreeNodeInfo node = NodeFor(144, QStringLiteral("SNMP Agent"));
    PageHarness<CSettingSNMPHostDlg> harness;
};

TEST(SettingSNMPHostDlgTemplate, EveryControlIsInTheTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(SettingSNMPHostDlgTest, ApplyRefusesWhatTheChosenVersionsLack)
{
    const ControlInput enable{kCheckEnable, true};
    const ControlInput v1{kComboVersion, int(kVersionV1V2c)};
    const ControlInput v3{kComboVersion, int(kVersionV3)};
    const QString roName = QStringLiteral("User name");
    const std::vector<PageCase<SNMP_AGENT_SETTINGS>> cases = {
        {"v1/v2c without communities",
         {enable, v1},
         kButtonApply,
         nullptr,
         {},
         {FormatInvalidItemLine(QStringLiteral("Read community"))}},
        {"v1/v2c with only the write community",
         {enable, v1, {kEditWriteCommunity, QStringLiteral("private")}},
         kButtonApply,
         [](SNMP_AGENT_SETTINGS& r) {
             r.EnableServer = 1;
             r.WriteCommunity = QStringLiteral("private");
         },
         {},
         {}},
        {"v3 without user names: one line, though both users authenticate",
         {enable,
          v3,
          {kReadOnly.authCombo, 1},
          {kReadOnly.authPasswordEdit, kPassword},
          {kReadWrite.authCombo, 1},
          {kReadWrite.authPasswordEdit, kPassword}},
         kButtonApply,
         nullptr,
         {},
         {FormatInvalidItemLine(roName)}},
        {"two users of one name",
         {enable, v3, {kReadOnly.userEdit, QStringLiteral("ops")}, {kReadWrite.userEdit, QStringLiteral("ops")}},
         kButtonApply,
         nullptr,
         {},
         {FormatItemErrorLine(roName)}},
        {"names that differ in case only",
         {enable, v3, {kReadOnly.userEdit, QStringLiteral("ops")}, {kReadWrite.userEdit, QStringLiteral("OPS")}},
         kButtonApply,
         [](SNMP_AGENT_SETTINGS& r) {
             r.EnableServer = 1;
             r.Version = kVersionV3;
             r.V3RO.UserName = QStringLiteral("ops");
             r.V3RW.UserName = QStringLiteral("OPS");
         },
         {},
         {}},
        {"authentication and privacy without passwords",
         {enable,
          v3,
          {kReadOnly.userEdit, QStringLiteral("ops")},
          {kReadOnly.authCombo, 2},
          {kReadOnly.privacyCombo, 1}},
         kButtonApply,
         nullptr,
         {},
         {FormatInvalidItemLine(QStringLiteral("Authentication password")) +
          FormatInvalidItemLine(QStringLiteral("Privacy password"))}},
        {"passwords of seven characters",
         {enable,
          v3,
          {kReadWrite.userEdit, QStringLiteral("admin")},
          {kReadWrite.authCombo, 1},
          {kReadWrite.authPasswordEdit, QStringLiteral("1234567")},
          {kReadWrite.privacyCombo, 2},
          {kReadWrite.privacyPasswordEdit, QStringLiteral("abcdefg")}},
         kButtonApply,
         nullptr,
         {},
         {kMinimumAuthLine + kMinimumPrivacyLine}},
        {"a disabled agent is stored without checks",
         {enable, v3, {kEditContact, QStringLiteral("ops desk")}, {kCheckEnable, false}},
         kButtonApply,
         [](SNMP_AGENT_SETTINGS& r) {
             r.EnableServer = 0;
             r.Version = kVersionV3;
             r.Contact = QStringLiteral("ops desk");
         },
         {},
         {}},
    };
    for (const auto& row : cases)
        RunPageCase(harness, row, Stored, node);
}

TEST_F(SettingSNMPHostDlgTest, AuthenticationBackToNoneEmptiesItsPasswordsAndPrivacy)
{
    harness.Show(node);
    harness.Set({{kCheckEnable, true},
                 {kComboVersion, int(kVersionBoth)},
                 {kEditReadCommunity, QStringLiteral("public")},
                 {kReadOnly.userEdit, QStringLiteral("ops")},
                 {kReadOnly.authCombo, 1},
                 {kReadOnly.authPasswordEdit, kPassword},
                 {kReadOnly.privacyCombo, 1},
                 {kReadOnly.privacyPasswordEdit, kPassword}});
    CSettingSNMPHostDlg& page = harness.page();
    EXPECT_TRUE(page.control(kReadOnly.privacyPasswordEdit)->isEnabled());
    harness.Set({{kReadOnly.authCombo, 0}});
    EXPECT_EQ(page.itemText(kReadOnly.authPasswordEdit), QString());
    EXPECT_EQ(page.itemText(kReadOnly.privacyPasswordEdit), QString());
    EXPECT_EQ(page.item<QComboBox>(kReadOnly.privacyCombo)->currentIndex(), 0);
    for (int id : {kReadOnly.authPasswordEdit.id, kReadOnly.privacyCombo.id, kReadOnly.privacyPasswordEdit.id})
        EXPECT_FALSE(page.control(id)->isEnabled()) << id;
    harness.Press(kButtonApply);
    EXPECT_TRUE(harness.messages().isEmpty()) << harness.messages().join(QString()).toStdString();
    EXPECT_EQ(harness.model().SnmpAgent.V3RO, (SNMP_AGENT_ACCOUNT{QStringLiteral("ops"), 0, {}, 0, {}}));
    harness.Screenshot(QStringLiteral("snmp-agent-page"));
}

TEST_F(SettingSNMPHostDlgTest, VersionsEnableTheirGroupsAndEditsTakeTheirLimits)
{
    harness.Show(node);
    CSettingSNMPHostDlg& page = harness.page();
    EXPECT_FALSE(page.control(kComboVersion)->isEnabled()) << "a disabled agent edits nothing";
    const struct {
        int version;
        bool communities;
        bool users;
    } cases[] = {{int(kVersionV1V2c), true, false}, {int(kVersionV3), false, true}, {int(kVersionBoth), true, true}};
    harness.Set({{kCheckEnable, true}});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        harness.Set({{kComboVersion, c.version}});
        EXPECT_EQ(page.control(kEditReadCommunity)->isEnabled(), c.communities);
        EXPECT_EQ(page.control(kReadWrite.userEdit)->isEnabled(), c.users);
        EXPECT_FALSE(page.control(kReadWrite.authPasswordEdit)->isEnabled()) << "no authentication chosen";
    }
    EXPECT_EQ(page.item<QLineEdit>(kReadOnly.authPasswordEdit)->maxLength(), 30);
    EXPECT_EQ(page.item<QLineEdit>(kEditWriteCommunity)->maxLength(), 30);
    EXPECT_EQ(page.item<QLineEdit>(kEditContact)->maxLength(), kTextLength);
}

TEST_F(SettingSNMPHostDlgTest, AppliedSettingsKeepThePublishedTagsAndSurviveReopening)
{
    const SNMP_AGENT_TAG_ITEM published{QStringLiteral("T1"), QStringLiteral("0.1.2.3"), 1, 100};
    harness.model().SnmpAgent.TagTable = {published};
    harness.Show(node);
    harness.Set({{kCheckEnable, true},
                 {kComboVersion, int(kVersionBoth)},
                 {kEditReadCommunity, QStringLiteral("public")},
                 {kEditLocation, QStringLiteral("Plant 2")},
                 {kReadWrite.userEdit, QStringLiteral("admin")},
                 {kReadWrite.authCombo, 2},
                 {kReadWrite.authPasswordEdit, kPassword}});
    harness.Press(kButtonApply);
    ASSERT_TRUE(harness.messages().isEmpty()) << harness.messages().join(QString()).toStdString();
    const SNMP_AGENT_SETTINGS applied = harness.model().SnmpAgent;
    EXPECT_EQ(applied.TagTable, QVector<SNMP_AGENT_TAG_ITEM>{published});
    EXPECT_EQ(applied.V3RW.AuthenticationPW, kPassword);
    const auto reopened = SaveAndReopen(harness.model());
    EXPECT_EQ(reopened->SnmpAgent.EnableServer, 1u);
    EXPECT_EQ(reopened->SnmpAgent.Location, QStringLiteral("Plant 2"));
    EXPECT_EQ(reopened->SnmpAgent.V3RW, applied.V3RW);
}

} // namespace

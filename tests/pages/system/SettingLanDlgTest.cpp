// The LAN page: the address checks against the slot's other interfaces with Ethernet mode 0, none
// with mode 1, the refused addresses, the non-static option, stored addresses of fewer parts.
#include "CListCtrlEx.h"
#include "CSettingLanDlg.h"
#include "LanguagePack.h"
#include "ListPageStrings.h"
#include "PageHarness.h"
#include "TextFormat.h"
#include "Validation.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

using Page = CSettingLanDlg;
const QString kNode = QStringLiteral("LAN");

class LanPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        ExpectControlsMatchTemplate(Page::kTemplateId, Page::kControls);
        ASSERT_FALSE(model().NetworkSettings.empty()) << "the harness project has a LAN module";
        ASSERT_GE(record().Interfaces.size(), 2u);
        node_ = NodeFor(1001, kNode, record().SlotIndex);
    }
    CDataCenter& model() { return harness_.model(); }
    LanModuleSlotRecord& record() { return model().NetworkSettings.front(); }
    LanPortSettingBlock& interfaceAt(int i) { return record().Interfaces[static_cast<size_t>(i)].Setting; }
    void ShowWithSecond(const char* address, const char* mask, int ethernetMode = 0)
    {
        record().EthernetMode = ethernetMode;
        interfaceAt(0) = {};
        interfaceAt(1).IPConfiguration = 0;
        interfaceAt(1).IpAddress = QString::fromUtf8(address);
        interfaceAt(1).Netmask = QString::fromUtf8(mask);
        harness_.Show(node_);
    }

    PageHarness<Page> harness_;
    TreeNodeInfo node_;
};

TEST_F(LanPageTest, ApplyChecksTheFirstInterfaceAgainstTheSecond)
{
    const QString written = FormatLangString(kStringEntryModified, kNode, 1);
    const QString sameAddress = FormatItemErrorLine(QStringLiteral("IP address"));
    struct Case {
        const char* name;
        const char* secondAddress;
        const char* secondMask;
        int ethernetMode;
        const char* address;
        const char* mask;
        QStringList messages; // empty: written
    };
    const Case cases[] = {
        {"same network",
         "192.168.1.20",
         "255.255.255.0",
         0,
         "192.168.1.10",
         "255.255.255.0",
         {LoadLangString(Page::kStringSameNetwork)}},
        {"overlapping networks",
         "192.168.2.20",
         "255.255.255.0",
         0,
         "192.168.1.10",
         "255.255.0.0",
         {LoadLangString(Page::kStringOverlappingNetwork)}},
        {"the same address",
         "192.168.1.20",
         "255.255.255.0",
         0,
         "192.168.1.20",
         "255.255.255.0",
         {sameAddress + LoadLangString(Page::kStringSameNetwork)}},
        {"apart", "192.168.1.20", "255.255.255.0", 0, "10.0.0.1", "255.0.0.0", {}},
        {"switch mode: no comparisons", "192.168.1.20", "255.255.255.0", 1, "192.168.1.20", "255.255.255.0", {}},
        {"a stored address of three parts counts as blank",
         "192.168.1",
         "255.255.255.0",
         0,
         "192.168.1.0",
         "255.255.255.0",
         {}},
        {"0.0.0.0",
         "192.168.1.20",
         "255.255.255.0",
         0,
         "0.0.0.0",
         "255.255.255.0",
         {LoadLangString(Page::kStringBadAddress)}},
        {"blank", "192.168.1.20", "255.255.255.0", 0, "", "255.255.255.0", {LoadLangString(Page::kStringBadAddress)}},
        {"broadcast",
         "192.168.1.20",
         "255.255.255.0",
         1,
         "255.255.255.255",
         "255.255.255.0",
         {LoadLangString(Page::kStringBadAddress)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShowWithSecond(c.secondAddress, c.secondMask, c.ethernetMode);
        const LanPortSettingBlock before = interfaceAt(0);
        harness_.Set({{Page::kIpAddress, QString::fromUtf8(c.address)}, {Page::kIpNetmask, QString::fromUtf8(c.mask)}});
        harness_.Press(Page::kButtonApply);
        EXPECT_EQ(harness_.messages(), c.messages);
        if (!c.messages.isEmpty()) {
            EXPECT_EQ(interfaceAt(0), before) << "nothing written";
            EXPECT_TRUE(harness_.logLines().isEmpty());
            continue;
        }
        EXPECT_EQ(interfaceAt(0).IpAddress, QString::fromUtf8(c.address));
        EXPECT_EQ(interfaceAt(0).Netmask, QString::fromUtf8(c.mask));
        EXPECT_EQ(record().EthernetMode, c.ethernetMode);
        EXPECT_EQ(harness_.logLines(), QStringList{written});
    }
}

TEST_F(LanPageTest, ANonStaticOptionStoresEmptyAddressesWithoutChecks)
{
    ShowWithSecond("192.168.1.20", "255.255.255.0");
    harness_.Set({{Page::kComboIPConfig, 1}});
    EXPECT_FALSE(harness_.page().control(Page::kIpAddress)->isEnabled());
    harness_.Press(Page::kButtonApply);
    EXPECT_TRUE(harness_.messages().isEmpty());
    EXPECT_EQ(interfaceAt(0).IPConfiguration, 1);
    EXPECT_TRUE(interfaceAt(0).IpAddress.isEmpty());
    EXPECT_TRUE(interfaceAt(0).Netmask.isEmpty());
    EXPECT_TRUE(interfaceAt(0).Gateway.isEmpty());
    EXPECT_EQ(harness_.page().item<CListCtrlEx>(Page::kListInterfaces)->GetItemText(0, 1),
              harness_.page().item<QComboBox>(Page::kComboIPConfig)->itemText(1));
}

TEST_F(LanPageTest, ShowsTheSlotAndTheSecondInterfaceHasNoSettingsInSwitchMode)
{
    interfaceAt(0).IPConfiguration = 7; // outside the option list
    record().DNS_0 = QStringLiteral("8.8.4.4");
    record().EthernetMode = 1;
    harness_.Show(node_);
    Page& page = harness_.page();
    EXPECT_EQ(page.item<QComboBox>(Page::kComboIPConfig)->currentIndex(), -1);
    EXPECT_EQ(page.itemText(Page::kIpDns0), QStringLiteral("8.8.4.4"));
    EXPECT_TRUE(page.control(Page::kComboEthernetMode)->isVisible()) << "a 4100 project";
    EXPECT_EQ(page.item<QComboBox>(Page::kComboGateway)->count(), 1);
    harness_.page().item<CListCtrlEx>(Page::kListInterfaces)->SelectRow(1);
    EXPECT_FALSE(page.control(Page::kComboIPConfig)->isEnabled());
    EXPECT_FALSE(page.control(Page::kIpAddress)->isEnabled());
    harness_.page().item<CListCtrlEx>(Page::kListInterfaces)->SelectRow(0);
    harness_.Screenshot(QStringLiteral("system-lan-page"));
}

} // namespace

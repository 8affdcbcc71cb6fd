// The network interface choice: which of the PC's interfaces are listed, which one is preselected,
// and the choice kept in Profile.ini.
#include "CNetworkInterfaceDlg.h"
#include "DialogProfileKeys.h"
#include "HostInterfaces.h"
#include "IniFile.h"
#include "ProjectDialogFixture.h"
#include "ProjectDialogIds.h"

namespace {

using NetworkInterfaceDlgTest = ProjectDialogTest;

QHostAddress address(const char* text)
{
    return QHostAddress(QString::fromLatin1(text));
}

TEST(HostInterfaceListTest, ListsInterfacesThatAreUpAndNotLoopbackWithTheirFirstIPv4Address)
{
    const QList<HostInterfaceFacts> interfaces = {
        {"eth0", true, false, {address("fe80::1"), address("192.168.10.5"), address("10.0.0.7")}},
        {"lo", true, true, {address("127.0.0.1")}},
        {"eth1 (down)", false, false, {address("192.168.20.5")}},
        {"wlan0 (IPv6 only)", true, false, {address("fe80::2")}},
        {"tap0 (no address)", true, false, {}},
        {"eth2", true, false, {address("172.16.0.9")}},
    };
    QList<std::shared_ptr<HostInterfaceEntry>> list;
    list.append(std::make_shared<HostInterfaceEntry>(HostInterfaceEntry{"0.0.0.0", "kept"}));
    AppendUsableInterfaces(interfaces, list);

    const struct {
        const char* address;
        const char* description;
    } expected[] = {{"0.0.0.0", "kept"}, {"192.168.10.5", "eth0"}, {"172.16.0.9", "eth2"}};
    ASSERT_EQ(list.size(), qsizetype(std::size(expected)));
    for (qsizetype i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i]->address, QByteArray(expected[i].address)) << i;
        EXPECT_EQ(list[i]->description, QByteArray(expected[i].description)) << i;
    }
}

HostInterfaceLister fakeInterfaces(QList<QByteArray> descriptions)
{
    return [descriptions](QList<std::shared_ptr<HostInterfaceEntry>>& list) {
        for (const QByteArray& description : descriptions)
            list.append(std::make_shared<HostInterfaceEntry>(HostInterfaceEntry{"192.168.1.2", description}));
    };
}

TEST_F(NetworkInterfaceDlgTest, PreselectsTheStoredInterfaceIgnoringCase)
{
    const HostInterfaceLister lister = fakeInterfaces({"  Ethernet Adapter  ", "Wireless Adapter", "USB LAN"});
    const struct {
        const char* current;
        const char* selected;
    } cases[] = {
        {"USB LAN", "USB LAN"},
        {"wireless adapter", "Wireless Adapter"},
        {"Ethernet Adapter", "Ethernet Adapter"}, // listed trimmed
        {"Gone Adapter", "Ethernet Adapter"},     // no longer present: the first
        {"", "Ethernet Adapter"},
    };
    for (const auto& c : cases) {
        CNetworkInterfaceDlg dialog(QString::fromUtf8(c.current), nullptr, lister);
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(ComboTexts(dialog.item<QComboBox>(kComboNetworkInterface)),
                  Texts({"Ethernet Adapter", "Wireless Adapter", "USB LAN"}));
        EXPECT_EQ(dialog.itemText(kComboNetworkInterface), QString::fromUtf8(c.selected)) << c.current;
        EXPECT_TRUE(dialog.control(IDOK)->isEnabled());
    }
}

TEST_F(NetworkInterfaceDlgTest, TheChoiceIsStoredForTheDeviceSearch)
{
    EXPECT_EQ(CNetworkInterfaceDlg::ReadStoredInterface(), QString()) << "nothing stored yet";
    ASSERT_TRUE(CNetworkInterfaceDlg::StoreInterface(QStringLiteral("Wireless Adapter")));

    CNetworkInterfaceDlg dialog(CNetworkInterfaceDlg::ReadStoredInterface(), nullptr,
                                fakeInterfaces({"Ethernet Adapter", "Wireless Adapter"}));
    const int result = RunModal<CNetworkInterfaceDlg>(dialog, [](CNetworkInterfaceDlg& d) {
        EXPECT_EQ(d.itemText(kComboNetworkInterface), QStringLiteral("Wireless Adapter"));
        Pick(d.item<QComboBox>(kComboNetworkInterface), "Ethernet Adapter");
        Click(d.control(IDOK));
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(dialog.GetChosenInterface(), QStringLiteral("Ethernet Adapter"));
    ASSERT_TRUE(CNetworkInterfaceDlg::StoreInterface(dialog.GetChosenInterface()));
    EXPECT_EQ(GetPrivateProfileString(QLatin1String(kProfileGeneralSection), QLatin1String(kProfileNetworkInterfaceKey),
                                      QString(), GetProfilePath()),
              QStringLiteral("Ethernet Adapter"));

    CNetworkInterfaceDlg cancelled(QStringLiteral("Ethernet Adapter"), nullptr, fakeInterfaces({"Ethernet Adapter"}));
    EXPECT_EQ(RunModal<CNetworkInterfaceDlg>(cancelled, [](CNetworkInterfaceDlg& d) { Click(d.control(IDCANCEL)); }),
              IDCANCEL);
    EXPECT_EQ(cancelled.GetChosenInterface(), QString());
}

TEST_F(NetworkInterfaceDlgTest, WithoutInterfacesNothingCanBeChosen)
{
    CNetworkInterfaceDlg dialog(QStringLiteral("Ethernet Adapter"), nullptr, fakeInterfaces({}));
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.item<QComboBox>(kComboNetworkInterface)->count(), 0);
    EXPECT_FALSE(dialog.control(kComboNetworkInterface)->isEnabled());
    EXPECT_FALSE(dialog.control(IDOK)->isEnabled()) << "an empty choice would replace the stored one";
    Click(dialog.control(IDOK));
    EXPECT_NE(dialog.result(), IDOK);
    EXPECT_EQ(dialog.GetChosenInterface(), QString());
}

TEST_F(NetworkInterfaceDlgTest, TheSystemsInterfacesAreUsable)
{
    CNetworkInterfaceDlg dialog{QString()};
    ASSERT_TRUE(dialog.Create());
    QList<std::shared_ptr<HostInterfaceEntry>> system;
    GetHostInterfaces(system);
    EXPECT_EQ(dialog.item<QComboBox>(kComboNetworkInterface)->count(), system.size());
    for (const auto& entry : system)
        EXPECT_NE(entry->address, QByteArray("127.0.0.1"));
}

} // namespace

// The TAVO push-server page driven as a user would: servers added with their two automatic tags
// and uses, the server and service rules, the operation mode, deleting, save and reopen.
#include "CTAVOServerDlg.h"

#include "../alarm/AlarmPageFixture.h"
#include "ProjectReopen.h"
#include "TypeIds.h"

#include <QCheckBox>

#include <gtest/gtest.h>

using namespace TavoServerIds;

namespace {

class TAVOServerPageTest : public testing::Test {
protected:
    void SetUp() override { harness.Show(node); }

    CTAVOServerDlg& page() { return harness.page(); }
    const TAVO_SETTINGS& service() { return harness.model().Tavo; }

    // Every field good, then the given changes.
    void Fill(const QString& name, const QString& address, std::initializer_list<ControlInput> changes = {})
    {
        harness.Set({{kEditName, name},
                     {kEditAddress, address},
                     {kEditPort, QStringLiteral("2000")},
                     {kEditTimeout, QStringLiteral("10")},
                     {kEditInterval, QStringLiteral("5")},
                     {kEditReconnect, QStringLiteral("60")},
                     {kEditQueue, QStringLiteral("500")}});
        harness.Set(changes);
    }
    void Add(const QString& name, const QString& address, std::initializer_list<ControlInput> changes = {})
    {
        Fill(name, address, changes);
        harness.Press(kButtonAdd);
    }
    bool OperationModeOffered() { return page().item<QCheckBox>(kCheckOperationMode)->isEnabled(); }

    ScopedDeleteConfirmationSkipped unasked;
    PageHarness<CTAVOServerDlg> harness;
    const TreeNodeInfo node = NodeFor(ServiceId::TavoServer, QStringLiteral("TAVO"));
};

} // namespace

TEST_F(TAVOServerPageTest, TheTemplateHoldsThePagesControls)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(TAVOServerPageTest, TheFirstServerGetsIndexZeroItsTwoTagsAndTheirUses)
{
    EXPECT_EQ(page().itemText(kStaticControlTag), "TAVOTrigger_0") << "the next server's tag names";
    EXPECT_EQ(page().itemText(kStaticStatusTag), "TAVOServerStatus_0");
    Add(QStringLiteral("Alpha"), QStringLiteral("127.0.0.1"),
        {{kEditQueue, QStringLiteral("800")}, {kCheckHeartbeat, true}});
    ASSERT_EQ(service().Servers.size(), 1);
    const TAVO_SERVER_ITEM_SETTINGS& server = service().Servers[0];
    EXPECT_EQ(server.Index, 0);
    EXPECT_EQ(server.ControlTag, "0.0.116.1");
    EXPECT_EQ(server.StatusTag, "0.0.116.2");
    EXPECT_EQ(server.Port, 2000);
    EXPECT_EQ(server.Interval, 5);
    EXPECT_EQ(server.Heartbeat, 1);
    EXPECT_EQ(service().QueueSize, 800) << "Add writes the service settings too";
    EXPECT_EQ(harness.model().GetTagNameByAddress(server.ControlTag), "TAVOTrigger_0");
    EXPECT_EQ(harness.model().GetTagNameByAddress(server.StatusTag), "TAVOServerStatus_0");
    EXPECT_TRUE(CarriesUse(harness.model(), server.ControlTag, ServiceId::TavoServer, 0));
    EXPECT_TRUE(CarriesUse(harness.model(), server.StatusTag, ServiceId::TavoServer, 0));
    EXPECT_FALSE(OperationModeOffered()) << "one server: no operation mode";
    EXPECT_EQ(service().OperationMode, 0);
    const QStringList lines = harness.logLines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], FormatLangString(617, QStringLiteral("TAVO"))) << "the service values come first";
    EXPECT_TRUE(lines[1].contains(QStringLiteral("TAVOTrigger_0"))) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].contains(QStringLiteral("TAVOServerStatus_0"))) << lines[2].toStdString();
    harness.Screenshot(QStringLiteral("tavo-server-page"));
}

TEST_F(TAVOServerPageTest, BadFieldsAreRefusedWithOneLineEach)
{
    struct Case {
        const char* name;
        QString serverName;
        std::vector<ControlInput> changes;
        QStringList lines;
    };
    const QString longName(65, QLatin1Char('n'));
    const Case cases[] = {
        {"empty name and address",
         QString(),
         {{kEditAddress, QString()}},
         {FormatInvalidItemLine("Server name"), FormatInvalidItemLine("Server address")}},
        {"name of 65 bytes", longName, {}, {FormatLimitErrorLine("Server name", 64)}},
        {"port 0 and timeout 301",
         QStringLiteral("B"),
         {{kEditPort, QStringLiteral("0")}, {kEditTimeout, QStringLiteral("301")}},
         {FormatRangeErrorLine("Port", 1, 65535), FormatRangeErrorLine("Connect timeout", 1, 300)}},
        {"interval 0 with the heartbeat off",
         QStringLiteral("B"),
         {{kEditInterval, QStringLiteral("0")}},
         {FormatRangeErrorLine("Heartbeat interval", 1, 65535)}},
        {"queue and reconnect out of range",
         QStringLiteral("B"),
         {{kEditQueue, QStringLiteral("99")}, {kEditReconnect, QStringLiteral("3601")}},
         {FormatRangeErrorLine("Queue size", 100, 5000), FormatRangeErrorLine("Reconnect timeout", 1, 3600)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        harness.Show(node);
        harness.Forget();
        Fill(c.serverName, QStringLiteral("127.0.0.1"));
        for (const ControlInput& input : c.changes)
            SetControl(page(), input);
        harness.Press(kButtonAdd);
        ASSERT_EQ(harness.boxes().texts().size(), 1);
        QStringList shown = harness.messages().first().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QStringList expected = c.lines.join(QString()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        shown.sort();
        expected.sort();
        EXPECT_EQ(shown, expected);
        EXPECT_TRUE(service().Servers.isEmpty());
        EXPECT_TRUE(harness.logLines().isEmpty());
    }
}

TEST_F(TAVOServerPageTest, NamesAreUniqueIgnoringCaseAndTheLimitIsTwo)
{
    Add(QStringLiteral("Alpha"), QStringLiteral("127.0.0.1"));
    harness.Forget();
    Add(QStringLiteral("ALPHA"), QStringLiteral("127.0.0.2"));
    EXPECT_EQ(harness.messages(), QStringList{FormatItemErrorLine("Server name")});
    harness.Forget();
    Add(QStringLiteral("Beta"), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(harness.messages(), QStringList{FormatItemErrorLine("Server address")});
    harness.Forget();
    page().SelectRow(0);
    Fill(QStringLiteral("ALPHA"), QStringLiteral("127.0.0.1"));
    harness.Press(kButtonModify);
    EXPECT_TRUE(harness.messages().isEmpty()) << "a server may take another case of its own name";
    EXPECT_EQ(service().Servers[0].Name, "ALPHA");
    EXPECT_TRUE(CarriesUse(harness.model(), service().Servers[0].ControlTag, ServiceId::TavoServer, 0));

    Add(QStringLiteral("Beta"), QStringLiteral("127.0.0.2"));
    ASSERT_EQ(service().Servers.size(), 2);
    EXPECT_TRUE(OperationModeOffered());
    harness.Forget();
    Add(QStringLiteral("Gamma"), QStringLiteral("127.0.0.3"));
    EXPECT_EQ(harness.messages(), QStringList{FormatLangString(521, 2)});
    EXPECT_EQ(service().Servers.size(), 2);
}

TEST_F(TAVOServerPageTest, DeletingShiftsTheUsesAndKeepsTheNumbersGrowing)
{
    Add(QStringLiteral("A"), QStringLiteral("127.0.0.1"));
    Add(QStringLiteral("B"), QStringLiteral("127.0.0.2"));
    harness.Set({{kCheckOperationMode, true}});
    harness.Press(kButtonModify);
    ASSERT_EQ(service().OperationMode, 1) << "two servers: the operation mode is stored";
    page().SelectRow(0);
    harness.Press(kButtonDelete);
    ASSERT_EQ(service().Servers.size(), 1);
    const TAVO_SERVER_ITEM_SETTINGS& left = service().Servers[0];
    EXPECT_EQ(left.Index, 1);
    EXPECT_TRUE(CarriesUse(harness.model(), left.ControlTag, ServiceId::TavoServer, 0))
        << "the use moved to position 0";
    EXPECT_TRUE(CarriesUse(harness.model(), left.StatusTag, ServiceId::TavoServer, 0));
    EXPECT_EQ(harness.model().IsTagNameFree(QStringLiteral("TAVOTrigger_0")), 1)
        << "the deleted server's tags are gone";
    EXPECT_EQ(page().NextEntryIndex(), 2) << "numbers are not reused";
    EXPECT_FALSE(OperationModeOffered());
    EXPECT_EQ(service().OperationMode, 0);
}

TEST_F(TAVOServerPageTest, SaveAndReopenKeepsTheServersAndTheirTags)
{
    Add(QStringLiteral("Alpha"), QStringLiteral("127.0.0.1"), {{kEditReconnect, QStringLiteral("30")}});
    const std::unique_ptr<CDataCenter> reopened = SaveAndReopen(harness.model());
    ASSERT_EQ(reopened->Tavo.Servers.size(), 1);
    const TAVO_SERVER_ITEM_SETTINGS& saved = service().Servers[0];
    const TAVO_SERVER_ITEM_SETTINGS& read = reopened->Tavo.Servers[0];
    EXPECT_EQ(read.Name, saved.Name);
    EXPECT_EQ(read.IpAddress, saved.IpAddress);
    EXPECT_EQ(read.Port, saved.Port);
    EXPECT_EQ(read.Index, saved.Index);
    EXPECT_EQ(read.ControlTag, saved.ControlTag);
    EXPECT_EQ(read.StatusTag, saved.StatusTag);
    EXPECT_EQ(reopened->Tavo.ReconnectTimeout, 30);
    EXPECT_TRUE(CarriesUse(*reopened, service().Servers[0].StatusTag, ServiceId::TavoServer, 0));
}

// Add checks the server's fields, then the service's, each stage in a box of its own; Modify
// checks and applies the service values first, alone when no row is selected.
TEST_F(TAVOServerPageTest, TheServerAndServiceFieldsAreCheckedInStages)
{
    Add(QStringLiteral("Alpha"), QStringLiteral("127.0.0.1"));
    ASSERT_EQ(service().Servers.size(), 1);
    const QString applied = FormatLangString(617, QStringLiteral("TAVO"));
    struct Case {
        const char* name;
        int button;
        bool rowSelected;
        std::vector<ControlInput> changes;
        QStringList messages;
        int queue; // QueueSize afterwards
        int port;  // the first server's Port afterwards
        QStringList logLines;
    };
    const Case cases[] = {
        {"Add with a bad port and a bad queue: the server's line only",
         kButtonAdd,
         false,
         {{kEditPort, QStringLiteral("0")}, {kEditQueue, QStringLiteral("99")}},
         {FormatRangeErrorLine("Port", 1, 65535)},
         500,
         2000,
         {}},
        {"Add with good server fields and a bad queue",
         kButtonAdd,
         false,
         {{kEditQueue, QStringLiteral("99")}},
         {FormatRangeErrorLine("Queue size", 100, 5000)},
         500,
         2000,
         {}},
        {"Modify with no row selected applies the service values",
         kButtonModify,
         false,
         {{kEditQueue, QStringLiteral("800")}},
         {},
         800,
         2000,
         {applied}},
        {"Modify keeps the service values when a server field fails",
         kButtonModify,
         true,
         {{kEditPort, QStringLiteral("0")}, {kEditQueue, QStringLiteral("900")}},
         {FormatRangeErrorLine("Port", 1, 65535)},
         900,
         2000,
         {applied}},
        {"Modify stops at a bad service value",
         kButtonModify,
         true,
         {{kEditPort, QStringLiteral("0")}, {kEditQueue, QStringLiteral("99")}},
         {FormatRangeErrorLine("Queue size", 100, 5000)},
         500,
         2000,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        harness.model().Tavo.QueueSize = 500;
        harness.Show(node);
        if (c.rowSelected)
            page().SelectRow(0);
        else
            page().item<CListCtrlEx>(kListServers)->clearSelection();
        Fill(QStringLiteral("Beta"), QStringLiteral("127.0.0.2"));
        harness.Set({{kEditPort, QStringLiteral("2000")}});
        for (const ControlInput& input : c.changes)
            SetControl(page(), input);
        harness.Press(c.button);
        EXPECT_EQ(harness.messages(), c.messages);
        EXPECT_EQ(service().QueueSize, c.queue);
        ASSERT_EQ(service().Servers.size(), 1);
        EXPECT_EQ(service().Servers[0].Name, QStringLiteral("Alpha"));
        EXPECT_EQ(service().Servers[0].Port, c.port);
        EXPECT_EQ(harness.logLines(), c.logLines);
    }
}

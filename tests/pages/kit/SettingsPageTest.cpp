// The settings-page shape and the bindings under it: filling on show, one report naming every
// bad field, focus on the first, storing and writing on Apply with the log line; the busy flag.
#include "CSettingsPage.h"
#include "KitTemplates.h"
#include "LanguagePack.h"
#include "PageConversions.h"
#include "PageHarness.h"
#include "TextFormat.h"
#include "Validation.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

struct ServerRecord {
    QString Host;
    qint32 Port = 0;
    qint32 Mode = 0;
    QString Address;
    qint32 Enable = 0;
    quint32 Mask = 0;
    friend bool operator==(const ServerRecord&, const ServerRecord&) = default;
};

// Where the test page keeps its record, standing in for the model's setter and getter.
ServerRecord g_stored;

constexpr ControlId kLabelHost{30, ControlType::Static};
constexpr ControlId kEditHost{31, ControlType::Edit};
constexpr ControlId kLabelPort{32, ControlType::Static};
constexpr ControlId kEditPort{33, ControlType::Edit};
constexpr ControlId kComboMode{34, ControlType::DropList};
constexpr ControlId kEditAddress{35, ControlType::Edit};
constexpr ControlId kCheckEnable{36, ControlType::CheckBox};
constexpr ControlId kEditMask{37, ControlType::Edit};
constexpr ControlId kButtonApply{38, ControlType::Button};
constexpr ControlId kServerControls[] = {kLabelHost,   kEditHost,    kLabelPort, kEditPort,   kComboMode,
                                         kEditAddress, kCheckEnable, kEditMask,  kButtonApply};

constexpr SettingTriple kPortTriple{25, 1, 65535};
const QStringList kModes{QStringLiteral("Off"), QStringLiteral("Plain"), QStringLiteral("TLS")};

class ServerPage : public CSettingsPage<ServerRecord> {
public:
    explicit ServerPage(IPageHost* host)
        : CSettingsPage(KitTemplate(9100, {{kLabelHost, 0, 0, "Host name:"},
                                           {kEditHost, 0, 1},
                                           {kLabelPort, 1, 0, "Port:"},
                                           {kEditPort, 1, 1},
                                           {kComboMode, 2, 1},
                                           {kEditAddress, 3, 1},
                                           {kCheckEnable, 4, 1, "Enable"},
                                           {kEditMask, 5, 1},
                                           {kButtonApply, 6, 1, "Apply"}}),
                        host, kButtonApply)
    {
        Bindings()
            .Bind(kEditHost, kLabelHost, &ServerRecord::Host, AsRequiredText(64))
            .Bind(kEditPort, kLabelPort, &ServerRecord::Port, AsNumber{kPortTriple})
            .Bind(kComboMode, "Mode", &ServerRecord::Mode, AsIndex{kModes})
            .Bind(kEditAddress, "Address", &ServerRecord::Address, AsIPv4{})
            .Bind(kCheckEnable, "Enable", &ServerRecord::Enable, AsCheck{})
            .Bind(kEditMask, "Mask", &ServerRecord::Mask, AsHex{0xFFFF});
    }
    int userEdits = 0;

protected:
    bool OnInitDialog() override
    {
        OnUserChange(kEditHost, [this] { ++userEdits; });
        return true;
    }
    ServerRecord ReadRecord(const CDataCenter&) const override { return g_stored; }
    void WriteRecord(CDataCenter&, const ServerRecord& record) override { g_stored = record; }
    QString AppliedLogLine() const override { return QStringLiteral("[Server] Apply setting successfully"); }
    void CheckRecord(const ServerRecord& record, ValidationReport& report) const override
    {
        if (record.Mode == 2 && record.Port == 25)
            report.Add(FormatItemErrorLine(QStringLiteral("Port")), control(kEditPort));
    }
};

ServerRecord storedRecord(const CDataCenter&)
{
    return g_stored;
}

ServerRecord sampleRecord()
{
    return {QStringLiteral("mail"), 587, 1, QStringLiteral("10.0.0.2"), 1, 0x1A};
}

class SettingsPageTest : public testing::Test {
protected:
    void SetUp() override { g_stored = sampleRecord(); }

    PageHarness<ServerPage> harness_;
    const TreeNodeInfo node_ = NodeFor(125, QStringLiteral("Server"));
};

TEST_F(SettingsPageTest, ShowingFillsEveryBoundControlWithoutRunningChangeHandlers)
{
    harness_.Show(node_);
    ServerPage& page = harness_.page();
    EXPECT_EQ(page.itemText(kEditHost), QStringLiteral("mail"));
    EXPECT_EQ(page.itemText(kEditPort), QStringLiteral("587"));
    EXPECT_EQ(page.itemText(kComboMode), QStringLiteral("Plain"));
    EXPECT_EQ(page.itemText(kEditAddress), QStringLiteral("10.0.0.2"));
    EXPECT_TRUE(page.isItemChecked(kCheckEnable));
    EXPECT_EQ(page.itemText(kEditMask), QStringLiteral("1A"));
    EXPECT_EQ(page.userEdits, 0) << "filling is not the user's edit";
    harness_.Set({{kEditHost, QStringLiteral("smtp")}});
    EXPECT_EQ(page.userEdits, 1);
    EXPECT_TRUE(ControlsMissingFromTemplate(*page.dialogTemplate(), kServerControls).isEmpty());
    harness_.Screenshot(QStringLiteral("kit-settings-page"));
}

TEST_F(SettingsPageTest, ApplyWritesWhatPassesAndReportsEveryBadField)
{
    const QString hostTooLong = QString(65, u'h');
    const QString logLine = QStringLiteral("[Server] Apply setting successfully");
    const std::vector<PageCase<ServerRecord>> cases = {
        {"all fields changed",
         {{kEditHost, QStringLiteral("smtp.example")},
          {kEditPort, QStringLiteral("2525")},
          {kComboMode, 2},
          {kEditAddress, QStringLiteral("192.168.1.20")},
          {kCheckEnable, false},
          {kEditMask, QStringLiteral("ff")}},
         kButtonApply,
         [](ServerRecord& r) {
             r = {QStringLiteral("smtp.example"), 2525, 2, QStringLiteral("192.168.1.20"), 0, 0xFF};
         },
         {logLine},
         {}},
        {"bounds of the triple pass",
         {{kEditPort, QStringLiteral("65535")}},
         kButtonApply,
         [](ServerRecord& r) { r.Port = 65535; },
         {logLine},
         {}},
        {"every bad field in one box, in table order",
         {{kEditHost, QString()},
          {kEditPort, QStringLiteral("0")},
          {kEditAddress, QStringLiteral("10.0.0")},
          {kEditMask, QStringLiteral("10000")}},
         kButtonApply,
         nullptr,
         {},
         {FormatInvalidItemLine(QStringLiteral("Host name")) + FormatRangeErrorLine(QStringLiteral("Port"), 1, 65535) +
          FormatInvalidItemLine(QStringLiteral("Address")) + FormatItemErrorLine(QStringLiteral("Mask"))}},
        {"text over 64 bytes",
         {{kEditHost, hostTooLong}},
         kButtonApply,
         nullptr,
         {},
         {FormatLimitErrorLine(QStringLiteral("Host name"), 64)}},
        {"a number with text after it",
         {{kEditPort, QStringLiteral("25x")}},
         kButtonApply,
         nullptr,
         {},
         {FormatRangeErrorLine(QStringLiteral("Port"), 1, 65535)}},
        {"the page's own rule across fields",
         {{kComboMode, 2}, {kEditPort, QStringLiteral("25")}},
         kButtonApply,
         nullptr,
         {},
         {FormatItemErrorLine(QStringLiteral("Port"))}},
    };
    for (const auto& row : cases)
        RunPageCase(harness_, row, storedRecord, node_);
}

TEST_F(SettingsPageTest, TheFirstBadFieldGetsTheFocus)
{
    harness_.Show(node_);
    harness_.page().activateWindow();
    harness_.Set({{kEditPort, QStringLiteral("0")}, {kEditMask, QStringLiteral("zz")}});
    harness_.Press(kButtonApply);
    EXPECT_EQ(harness_.page().window()->focusWidget(), harness_.page().control(kEditPort));
    EXPECT_EQ(g_stored, sampleRecord());
}

TEST_F(SettingsPageTest, ShowingAgainDropsEditsThatWereNotApplied)
{
    harness_.Show(node_);
    harness_.Set({{kEditHost, QStringLiteral("changed")}});
    harness_.Show(node_);
    EXPECT_EQ(harness_.page().itemText(kEditHost), QStringLiteral("mail"));
    EXPECT_EQ(harness_.page().WorkingCopy(), sampleRecord());
}

TEST(PageBindingsTest, FocusBringsTheTabOfTheControlToTheFront)
{
    QTabWidget tabs;
    auto* first = new QWidget;
    auto* second = new QWidget;
    auto* edit = new QLineEdit(second);
    tabs.addTab(first, QStringLiteral("One"));
    tabs.addTab(second, QStringLiteral("Two"));
    tabs.show();
    tabs.activateWindow();
    ValidationReport report;
    report.Add(QString(), edit); // an empty line marks nothing
    EXPECT_EQ(report.FirstFailingControl(), nullptr);
    report.Add(QStringLiteral("bad\r\n"), edit);
    FocusControlAndItsTab(report.FirstFailingControl());
    EXPECT_EQ(tabs.currentWidget(), second);
    EXPECT_EQ(tabs.focusWidget(), edit);
}

TEST(PageBindingsTest, ColumnsShowFieldsAsTheirControlsDo)
{
    PageBindings<ServerRecord> bindings;
    bindings.Bind(kComboMode, "Mode", &ServerRecord::Mode, AsIndex{kModes})
        .Bind(kEditMask, "Mask", &ServerRecord::Mask, AsHex{})
        .Bind(kCheckEnable, "Enable", &ServerRecord::Enable, AsCheck{});
    EXPECT_EQ(bindings.ColumnTexts({kComboMode, kEditMask, kCheckEnable, kEditHost}, sampleRecord()),
              (QStringList{QStringLiteral("Plain"), QStringLiteral("1A"), QStringLiteral("1"), QString()}));
    ServerRecord outOfList = sampleRecord();
    outOfList.Mode = 7;
    EXPECT_EQ(bindings.ColumnText(kComboMode, outOfList), QString());
}

TEST(ControlIdTest, EveryDeclaredControlIsInTheTemplateWithItsType)
{
    const DialogTemplate page = KitTemplate(9100, {{kEditHost}, {kEditPort}});
    const ControlId declared[] = {kEditHost, kEditPort};
    EXPECT_TRUE(ControlsMissingFromTemplate(page, declared).isEmpty());
    const ControlId wrong[] = {{kEditPort.id, ControlType::DropList}, {4711, ControlType::Edit}};
    const QStringList problems = ControlsMissingFromTemplate(page, wrong);
    ASSERT_EQ(problems.size(), 2);
    EXPECT_TRUE(problems[0].contains(QStringLiteral("33"))) << problems[0].toStdString();
    EXPECT_TRUE(problems[1].contains(QStringLiteral("4711"))) << problems[1].toStdString();
    EXPECT_EQ(ControlsMissingFromTemplate(99999, wrong).size(), 1);
}

} // namespace

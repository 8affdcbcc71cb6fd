// The port-trunk and switch notice pages: their texts with and without DefaultSettings.ini, the
// help target of each wire mode, and the web address when the help file cannot be shown.
#include "CHyperlinkStatic.h"
#include "CPortTrunkSettingDlg.h"
#include "CSwitchSettingDlg.h"
#include "ConfigFiles.h"
#include "EditedDefaultSettings.h"
#include "PageHarness.h"
#include "ShellOpen.h"

#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>

#include <optional>

namespace {

constexpr int kSlot = 3;

TEST(NoticePageTemplates, EveryControlIsInTheTemplates)
{
    ExpectControlsMatchTemplate(PortTrunkPage::kTemplate, PortTrunkPage::kControls);
    ExpectControlsMatchTemplate(SwitchPage::kTemplate, SwitchPage::kControls);
}

struct Opened {
    QString target;
    QString parameters;
};

void Click(QWidget* widget)
{
    const QPointF inside(1, 1);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, widget->mapToGlobal(inside), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

class PortTrunkPageTest : public testing::Test {
protected:
    void Show(bool trunk)
    {
        harness.model().PortTrunkMode = trunk ? 1 : 0;
        harness.Show(NodeFor(1017, QStringLiteral("Port trunk"), kSlot));
    }
    CHyperlinkStatic* Link() { return harness.page().item<CHyperlinkStatic>(PortTrunkPage::kLinkHelp); }

    PageHarness<CPortTrunkSettingDlg> harness;
};

TEST_F(PortTrunkPageTest, TheHelpTargetFollowsTheLinkSettingAndTheMode)
{
    using namespace PortTrunkHelp;
    // The help file lies in the program folder: its path is known once that folder is set.
    const QString kHelpFile = QStringLiteral("<help file>");
    struct Case {
        const char* name;
        QString link; // empty: the key removed
        QString trunk;
        QString twoWire;
    };
    const Case cases[] = {
        {"help file", "Pelandrix.chm", "ms-its:" + kHelpFile + "::" + kTrunkPage,
         "ms-its:" + kHelpFile + "::" + kTwoWirePage},
        {"built-in address", kBuiltInAddress, kBuiltInAddress, kBuiltInAddress},
        {"no key", QString(), kBuiltInAddress, kBuiltInAddress},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditedDefaultSettings settings({{"Help", "Link ", c.link}});
        const QString helpFile = QDir::toNativeSeparators(QDir(ProgramDirectory()).filePath("Pelandrix.chm"));
        const Targets targets = Read();
        EXPECT_EQ(targets.trunk, QString(c.trunk).replace(kHelpFile, helpFile));
        EXPECT_EQ(targets.twoWire, QString(c.twoWire).replace(kHelpFile, helpFile));
        EXPECT_EQ(targets.fallback, kBuiltInAddress);
    }
}

TEST_F(PortTrunkPageTest, TheNoticeNamesTheModeAndTheLinkLeadsToItsPage)
{
    EditedDefaultSettings settings({{"Help", "Link ", "Pelandrix.chm"}});
    for (bool trunk : {true, false}) {
        SCOPED_TRACE(trunk);
        Show(trunk);
        EXPECT_EQ(harness.page().itemText(PortTrunkPage::kLabelMode),
                  trunk ? CPortTrunkSettingDlg::kTrunkModeText : CPortTrunkSettingDlg::kTwoWireModeText);
        EXPECT_EQ(harness.page().itemText(PortTrunkPage::kLabelHelp), CPortTrunkSettingDlg::kHelpText);
        EXPECT_TRUE(Link()->Target().endsWith(trunk ? PortTrunkHelp::kTrunkPage : PortTrunkHelp::kTwoWirePage));
    }
    harness.Screenshot(QStringLiteral("channel-port-trunk-page"));

    // A help file no viewer shows: the web address instead, and no program with parameters.
    QList<Opened> opened;
    const ShellOpener previous = SetShellOpener([&](const QString& target, const QString& parameters) {
        opened.append({target, parameters});
        return !target.startsWith("ms-its:");
    });
    Click(Link());
    SetShellOpener(previous);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_TRUE(opened[0].target.startsWith("ms-its:"));
    EXPECT_EQ(opened[1].target, PortTrunkHelp::kBuiltInAddress);
    EXPECT_TRUE(opened[0].parameters.isEmpty());
}

TEST_F(PortTrunkPageTest, WithoutDefaultSettingsTheTextsStillShow)
{
    EditedDefaultSettings noSettings;
    Show(false);
    EXPECT_EQ(harness.page().itemText(PortTrunkPage::kLabelMode), CPortTrunkSettingDlg::kTwoWireModeText);
    EXPECT_TRUE(harness.page().HelpTargets().twoWire.isEmpty());
}

TEST(SwitchPageTest, TheNoticeShowsTheBrowserSetUpWithAndWithoutSettings)
{
    for (bool withSettings : {true, false}) {
        SCOPED_TRACE(withSettings);
        std::optional<EditedDefaultSettings> noSettings;
        if (!withSettings)
            noSettings.emplace();
        PageHarness<CSwitchSettingDlg> harness;
        harness.Show(NodeFor(1018, QStringLiteral("Switch"), kSlot));
        EXPECT_EQ(harness.page().itemText(SwitchPage::kLabelSetUp), CSwitchSettingDlg::kSetUpText);
        EXPECT_EQ(harness.page().itemText(SwitchPage::kLabelAddress), CSwitchSettingDlg::kAddressText);
        if (withSettings)
            harness.Screenshot(QStringLiteral("channel-switch-page"));
    }
}

} // namespace

// The serial page: the option lists of DefaultSettings.ini, Apply over several ports with one log
// line each, the modes that lock flow control, a stored value outside its list.
#include "CListCtrlEx.h"
#include "CSerialDlg.h"
#include "LanguagePack.h"
#include "ListPageStrings.h"
#include "PageHarness.h"
#include "TextFormat.h"
#include "Validation.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

using Page = CSerialDlg;

class SerialPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        ExpectControlsMatchTemplate(Page::kTemplateId, Page::kControls);
        ASSERT_FALSE(harness_.model().SerialSettings.empty()) << "the harness project has a serial module";
        slot_ = harness_.model().SerialSettings.front().SlotIndex;
        node_ = NodeFor(1000, QStringLiteral("Serial"), slot_);
    }
    std::vector<SerialPort>& ports() { return harness_.model().SerialSettings.front().Ports; }
    QComboBox* combo(int id) { return harness_.page().item<QComboBox>(id); }
    void SelectRows(std::initializer_list<int> rows)
    {
        auto* list = harness_.page().item<CListCtrlEx>(Page::kListPorts);
        list->clearSelection();
        for (int row : rows)
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    PageHarness<Page> harness_;
    int slot_ = 0;
    TreeNodeInfo node_;
};

TEST_F(SerialPageTest, DataBitsLeaveOutFiveAndSixAndStoreTheFullListsPosition)
{
    harness_.Show(node_);
    QComboBox* bits = combo(Page::kComboDataBits);
    ASSERT_EQ(bits->count(), 2);
    EXPECT_EQ(bits->itemText(0), QStringLiteral("7"));
    EXPECT_EQ(bits->itemText(1), QStringLiteral("8"));
    harness_.Set({{Page::kComboDataBits, QStringLiteral("7")}});
    harness_.Press(Page::kButtonApply);
    EXPECT_EQ(ports()[0].Setting.Databit, 2);
    EXPECT_EQ(harness_.page().item<CListCtrlEx>(Page::kListPorts)->GetItemText(0, 4), QStringLiteral("7"));
    harness_.Screenshot(QStringLiteral("system-serial-page"));
}

TEST_F(SerialPageTest, ApplyGivesTheSettingsToEverySelectedPortWithALineEach)
{
    ASSERT_GE(ports().size(), 2u);
    ports()[1].Setting.IsUsedByService = 1;
    ports()[1].Setting.UsedServiceType = 105;
    harness_.Show(node_);
    SelectRows({0, 1});
    harness_.Set({{Page::kComboBaudrate, QStringLiteral("115200")},
                  {Page::kComboParity, QStringLiteral("Even")},
                  {Page::kComboStopBits, QStringLiteral("2")}});
    harness_.Press(Page::kButtonApply);
    for (int port : {0, 1}) {
        SCOPED_TRACE(port);
        EXPECT_EQ(ports()[port].Setting.Baudrate, 9);
        EXPECT_EQ(ports()[port].Setting.Parity, 2);
        EXPECT_EQ(ports()[port].Setting.Stopbit, 1);
    }
    EXPECT_EQ(ports()[1].Setting.IsUsedByService, 1) << "the service use stays";
    EXPECT_EQ(ports()[1].Setting.UsedServiceType, 105);
    EXPECT_EQ(harness_.logLines(), (QStringList{FormatLangString(kStringEntryModified, QStringLiteral("Serial"), 1),
                                                FormatLangString(kStringEntryModified, QStringLiteral("Serial"), 2)}));
    harness_.Forget();
    SelectRows({});
    harness_.Press(Page::kButtonApply);
    EXPECT_EQ(harness_.messages(), QStringList{LoadLangString(kStringNoEntrySelected)});
}

TEST_F(SerialPageTest, ModesTwoAndThreeLockFlowControl)
{
    harness_.Show(node_);
    harness_.Set({{Page::kComboFlowControl, 2}});
    struct Case {
        const char* mode;
        bool locked;
        int flow;
    };
    for (const Case c : {Case{"RS-485 2-wire", true, 0}, {"RS-232", false, 0}, {"RS-485 4-wire", true, 0}}) {
        SCOPED_TRACE(c.mode);
        harness_.Set({{Page::kComboMode, QString::fromUtf8(c.mode)}});
        EXPECT_EQ(combo(Page::kComboFlowControl)->isEnabled(), !c.locked);
        EXPECT_EQ(combo(Page::kComboFlowControl)->currentIndex(), c.flow);
    }
    harness_.Press(Page::kButtonApply);
    EXPECT_EQ(ports()[0].Setting.Mode, 3);
    EXPECT_EQ(ports()[0].Setting.FlowControl, 0);
}

TEST_F(SerialPageTest, AStoredValueOutsideItsListShowsNoSelection)
{
    ports()[0].Setting.Baudrate = 40;
    harness_.Show(node_);
    EXPECT_EQ(combo(Page::kComboBaudrate)->currentIndex(), -1);
    EXPECT_EQ(harness_.page().item<CListCtrlEx>(Page::kListPorts)->GetItemText(0, 2), QString());
    harness_.Press(Page::kButtonApply);
    EXPECT_EQ(harness_.messages(), QStringList{FormatInvalidItemLine(QStringLiteral("Baudrate"))});
    EXPECT_EQ(ports()[0].Setting.Baudrate, 40);
}

} // namespace

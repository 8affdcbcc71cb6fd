// The page base: list and channel layouts, the main list, text limits, the reset on hide.
#include "CListCtrlEx.h"
#include "CPropertyUIDialog.h"
#include "ConfigFiles.h"
#include "KitTemplates.h"
#include "LanguagePack.h"
#include "PageHarness.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr ControlId kList{10, ControlType::List};
constexpr ControlId kDetail{11, ControlType::GroupBox};
constexpr ControlId kLeft{12, ControlType::Button};
constexpr ControlId kMiddle{13, ControlType::Button};
constexpr ControlId kRight{14, ControlType::Button};
constexpr ControlId kReference{15, ControlType::Static};
constexpr ControlId kEditAddress{16, ControlType::Edit};
constexpr ControlId kOtherList{17, ControlType::List};
constexpr ControlId kGroup{20, ControlType::GroupBox};

class ListPage : public CPropertyUIDialog {
public:
    explicit ListPage(IPageHost* host)
        : CPropertyUIDialog(KitTemplate(9001, {{kReference, 0, 0, "Servers"},
                                               {kLeft, 1, 0, "Add"},
                                               {kMiddle, 1, 1, "Modify"},
                                               {kRight, 1, 2, "Delete"},
                                               {kList, 2, 0},
                                               {kEditAddress, 3, 0},
                                               {kOtherList, 4, 0}}),
                            host)
    {}
    ListPageIds layout{.list = kList, .leftButton = kLeft, .middleButton = kMiddle, .rightButton = kRight};
    int shown = 0;

protected:
    bool OnInitDialog() override
    {
        SetMainListId(kList);
        return true;
    }
    void OnPageShown() override { ++shown; }
};

CListCtrlEx& listOf(const ListPage& page, int id = kList)
{
    return *page.item<CListCtrlEx>(id);
}

void fillRows(CListCtrlEx& list, std::initializer_list<const char*> firstColumn)
{
    if (list.GetColumnCount() == 0) {
        list.InsertColumn(0, QStringLiteral("No."), 40);
        list.InsertColumn(1, QStringLiteral("Name"), 80);
    }
    for (const char* text : firstColumn) {
        const int row = list.InsertItem(list.GetItemCount(), QString::fromUtf8(text));
        list.SetItemText(row, 1, QStringLiteral("name %1").arg(text));
    }
}

class PropertyUIDialogTest : public testing::Test {
protected:
    PageHarness<ListPage> harness_;
    ListPage& page_ = harness_.page();
};

TEST_F(PropertyUIDialogTest, ListPageLayoutPlacesListAndButtonsFromTheRightEdge)
{
    page_.resize(500, 400);
    EXPECT_TRUE(page_.LayoutListPage(page_.layout));
    EXPECT_EQ(page_.control(kList)->geometry(), QRect(3, 3, 485, 164));
    EXPECT_EQ(page_.control(kRight)->geometry().left(), 414);
    EXPECT_EQ(page_.control(kMiddle)->geometry().left(), 334);
    EXPECT_EQ(page_.control(kLeft)->geometry().left(), 254);
    EXPECT_EQ(page_.control(kLeft)->geometry(), QRect(254, 172, 75, 23));
    harness_.Show(NodeFor(125, QStringLiteral("Servers")));
    EXPECT_GE(page_.control(kEditAddress)->geometry().top(), 200) << "the other controls follow below";
    // The page follows its width.
    page_.resize(600, 400);
    EXPECT_EQ(page_.control(kList)->width(), 585);
    EXPECT_EQ(page_.control(kRight)->geometry().left(), 514);
    harness_.Screenshot(QStringLiteral("kit-list-page"));
}

TEST_F(PropertyUIDialogTest, ListPageLayoutSkipsMissingControlsAndKeepsTheEdgeForTheOthers)
{
    page_.resize(500, 400);
    // No middle button, an unknown detail id: the left button moves up to the right one.
    page_.LayoutListPage({.list = kList, .detail = 99, .leftButton = kLeft, .rightButton = kRight});
    EXPECT_EQ(page_.control(kRight)->geometry().left(), 414);
    EXPECT_EQ(page_.control(kLeft)->geometry().left(), 334);
}

TEST_F(PropertyUIDialogTest, ChannelPageLayoutPutsTheListInItsGroupBelowTheReference)
{
    PageHarness<CPropertyUIDialog> channel([](IPageHost* host) -> std::unique_ptr<CPropertyUIDialog> {
        return std::make_unique<CPropertyUIDialog>(
            KitTemplate(9002, {{kReference, 0, 0, "Module"}, {kGroup, 1, 0, "Tags"}, {kList, 0, 0, "", kGroup.id}}),
            host);
    });
    channel.page().resize(500, 400);
    channel.page().LayoutChannelPage({.groupBox = kGroup, .list = kList, .reference = kReference});
    const QRect group = channel.page().control(kGroup)->geometry();
    const int top = channel.page().control(kReference)->geometry().bottom() + 1 + 10;
    EXPECT_EQ(group, QRect(5, top, 485, 187));
    const QWidget* list = channel.page().control(kList);
    EXPECT_EQ(QRect(list->mapTo(&channel.page(), QPoint(0, 0)), list->size()), QRect(10, top + 18, 475, 164));
}

TEST_F(PropertyUIDialogTest, RenumberingWritesRowNumbersIntoColumnZeroOnly)
{
    CListCtrlEx& list = listOf(page_);
    fillRows(list, {"7", "3", "9"});
    page_.RenumberListRows();
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(list.GetItemText(row, 0), QString::number(row + 1));
    EXPECT_EQ(list.GetItemText(0, 1), QStringLiteral("name 7"));
}

TEST_F(PropertyUIDialogTest, RenumberingHasNoFiveDigitLimit)
{
    CListCtrlEx& list = listOf(page_);
    list.InsertColumn(0, QStringLiteral("No."), 40);
    constexpr int kRows = 100'001;
    for (int row = 0; row < kRows; ++row)
        list.InsertItem(row, QStringLiteral("x"));
    page_.RenumberListRows();
    EXPECT_EQ(list.GetItemText(kRows - 1, 0), QStringLiteral("100001"));
}

TEST_F(PropertyUIDialogTest, EmptyMainListWarnsOnceAndSelectingChangesNothing)
{
    EXPECT_TRUE(page_.WarnIfListEmpty());
    EXPECT_EQ(harness_.messages(), QStringList{LoadLangString(CPropertyUIDialog::kStringListEmpty)});
    page_.SelectFirstListItem(kList);
    page_.RenumberListRows();
    EXPECT_EQ(listOf(page_).GetItemCount(), 0);

    harness_.Forget();
    fillRows(listOf(page_), {"5", "6"});
    EXPECT_FALSE(page_.WarnIfListEmpty());
    page_.SelectFirstListItem(kList);
    EXPECT_EQ(listOf(page_).GetSelectedRows(), QList<int>{0});
    // Ids that name no list are left alone.
    page_.SelectFirstListItem(kEditAddress);
    page_.SelectFirstListItem(4711);
    EXPECT_TRUE(harness_.messages().isEmpty());
}

TEST_F(PropertyUIDialogTest, HidingForgetsTheMainListUntilThePageNamesItAgain)
{
    harness_.Show(NodeFor(125, QStringLiteral("Servers")));
    EXPECT_EQ(page_.shown, 1);
    EXPECT_EQ(page_.GetMainListId(), kList.id);
    harness_.Hide();
    EXPECT_EQ(page_.GetMainListId(), 0);
    // A delete handler run now finds no main list and warns of nothing.
    EXPECT_FALSE(page_.WarnIfListEmpty());
    EXPECT_TRUE(harness_.messages().isEmpty());
    page_.SetMainListId(kOtherList);
    EXPECT_TRUE(page_.WarnIfListEmpty());
}

TEST(PropertyUIDialogTextTest, ByteLengthCountsUtf8Bytes)
{
    struct Case {
        QString text;
        bool fits;
    };
    const Case cases[] = {
        {QString(), true},
        {QString(64, u'a'), true},
        {QString(65, u'a'), false},
        {QString(32, QChar(0x00E9)), true}, // two bytes each
        {QString(33, QChar(0x00E9)), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CPropertyUIDialog::CheckTextByteLength(c.text), c.fits) << c.text.size();
}

// A program folder whose DefaultSettings.ini holds the given text, for the pages made meanwhile.
class ScopedProgramFolder {
public:
    explicit ScopedProgramFolder(const QByteArray& settings) : previous_(ProgramDirectory())
    {
        QFile file(QDir(folder_.path()).filePath(QStringLiteral("DefaultSettings.ini")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(settings);
        file.close();
        SetProgramDirectory(folder_.path());
    }
    ~ScopedProgramFolder() { SetProgramDirectory(previous_); }

private:
    QString previous_;
    QTemporaryDir folder_;
};

int typedLength(ListPage& page)
{
    page.LimitIPURLEdit(kEditAddress);
    auto* edit = page.item<QLineEdit>(kEditAddress);
    edit->clear();
    edit->insert(QString(700, u'a'));
    return static_cast<int>(edit->text().size());
}

TEST(PropertyUIDialogTextTest, AddressEditsTakeTheLengthOfTheSettingsFile)
{
    {
        ScopedProgramFolder folder("[IPURLCtrl]\nMaxLength=128\n");
        ListPage page(nullptr);
        ASSERT_TRUE(page.Create());
        EXPECT_EQ(typedLength(page), 128);
    }
    {
        ScopedProgramFolder folder("[Other]\nMaxLength=128\n");
        ListPage page(nullptr);
        ASSERT_TRUE(page.Create());
        EXPECT_EQ(typedLength(page), 500);
    }
}

} // namespace

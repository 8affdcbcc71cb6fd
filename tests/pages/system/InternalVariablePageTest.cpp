// The internal variables page and its batch dialog: names of prefix, number and suffix, resource
// ids that continue after the last index, input errors, taken names, and deletion that stops at
// a variable whose tag a service uses.
#include "CListCtrlEx.h"
#include "CResourceCreateMultiTagDlg.h"
#include "CResourceInternalVariable.h"
#include "LanguagePack.h"
#include "ListRows.h"
#include "PageHarness.h"
#include "Validation.h"

#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

using namespace InternalVariableIds;

struct Batch {
    QString prefix;
    QString start;
    QString quantity;
    QString suffix;
    int dataType = 0;
};

class InternalVariablePageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness.page().SetBatchDialogRunner([this](CResourceInternalVariable& page) { runBatch(page); });
        show();
    }
    void show() { harness.Show(NodeFor(1500, "Internal Variable")); }
    void runBatch(CResourceInternalVariable& page)
    {
        CResourceCreateMultiTagDlg dialog(page);
        ASSERT_TRUE(dialog.Create());
        dialogPrefixOnOpen = dialog.itemText(MultiTagIds::kEditPrefix);
        SetControl(dialog, {MultiTagIds::kComboDataType, batch.dataType});
        SetControl(dialog, {MultiTagIds::kEditPrefix, batch.prefix});
        SetControl(dialog, {MultiTagIds::kEditSuffix, batch.suffix});
        SetControl(dialog, {MultiTagIds::kEditStart, batch.start});
        SetControl(dialog, {MultiTagIds::kEditQuantity, batch.quantity});
        PressButton(dialog, MultiTagIds::kButtonOk);
        dialogResult = dialog.result();
    }
    void add(Batch b)
    {
        batch = std::move(b);
        dialogResult = -1;
        harness.Press(kButtonAdd);
    }
    CListCtrlEx& list() { return *harness.page().item<CListCtrlEx>(kListVariables); }
    QStringList names()
    {
        QStringList texts;
        for (int row = 0; row < list().GetItemCount(); ++row)
            texts << list().GetItemText(row, 3);
        return texts;
    }
    int code(int typeIndex) { return harness.page().DataTypeNames().size() + typeIndex + 1; }
    std::vector<InternalVariableRecord> variables(int typeIndex)
    {
        std::vector<InternalVariableRecord> out;
        harness.model().GetResourceTypeList(code(typeIndex), out);
        return out;
    }

    PageHarness<CResourceInternalVariable> harness;
    Batch batch;
    int dialogResult = -1;
    QString dialogPrefixOnOpen;
};

TEST_F(InternalVariablePageTest, ControlsMatchTheirTemplates)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
    ExpectControlsMatchTemplate(MultiTagIds::kTemplate, MultiTagIds::kControls);
}

TEST_F(InternalVariablePageTest, ShowOffersTheTypesAndProposesAName)
{
    const auto* types = harness.page().item<QComboBox>(kComboDataType);
    EXPECT_EQ(types->count(), 9);
    EXPECT_EQ(types->currentIndex(), 0);
    EXPECT_EQ(harness.page().item<QComboBox>(kComboDirection)->currentIndex(), 1);
    EXPECT_EQ(harness.page().itemText(kEditQuantity), "1");
    EXPECT_EQ(harness.page().itemText(kEditStart), "0");
    EXPECT_FALSE(harness.page().GetDefaultName().isEmpty());
    EXPECT_EQ(harness.page().itemText(kEditName), harness.page().GetDefaultName());
}

TEST_F(InternalVariablePageTest, BatchMakesNamedVariablesContinuingAfterTheLastIndex)
{
    add({"Tank", "1", "3", "_Lvl", 2});
    EXPECT_EQ(dialogResult, IDOK);
    EXPECT_TRUE(harness.messages().isEmpty());
    EXPECT_EQ(names().mid(names().size() - 3), (QStringList{"Tank1_Lvl", "Tank2_Lvl", "Tank3_Lvl"}));
    add({"Pump", "0", "2", "", 2});
    const std::vector<InternalVariableRecord> made = variables(2);
    ASSERT_EQ(made.size(), 5u);
    for (size_t i = 0; i < made.size(); ++i) {
        EXPECT_EQ(made[i].Definition.ResourceText, QStringLiteral("0.%1.2.2.0").arg(i));
        TagRecord tag;
        ASSERT_TRUE(harness.model().FindTagByAddress(made[i].Definition.ResourceText, tag));
        EXPECT_EQ(tag.TagName, made[i].Definition.Name);
    }
    EXPECT_EQ(made[3].Definition.Name, "Pump0");
    EXPECT_EQ(list().GetFirstSelectedRow(), list().GetItemCount() - 1);
}

TEST_F(InternalVariablePageTest, TheListShowsTheTagsNameAfterItWasRenamed)
{
    add({"Tank", "1", "1", "", 2});
    TagRecord tag;
    ASSERT_TRUE(harness.model().FindTagByAddress(variables(2).back().Definition.ResourceText, tag));
    tag.TagName = QStringLiteral("Tank1_Renamed");
    harness.model().UpdateTagRecord(tag.ResID, tag); // as the tags page renames it
    show();
    EXPECT_TRUE(names().contains(QStringLiteral("Tank1_Renamed")));
    EXPECT_FALSE(names().contains(QStringLiteral("Tank1")));
}

TEST_F(InternalVariablePageTest, BadBatchesCreateNothing)
{
    struct Case {
        const char* name;
        Batch batch;
        QString message;
    };
    auto range = [](const char* label, int minimum, int maximum) {
        QString line;
        CheckEditRange(QStringLiteral("-1"), minimum, maximum, line, QLatin1String(label));
        return line + QStringLiteral("\r\n");
    };
    const std::vector<Case> cases = {
        {"quantity 0", {"Tank", "1", "0", ""}, range("Quantity", 1, 100)},
        {"quantity 101", {"Tank", "1", "101", ""}, range("Quantity", 1, 100)},
        {"start 10000", {"Tank", "10000", "1", ""}, range("Start", 0, 9999)},
        {"start empty", {"Tank", "", "1", ""}, QStringLiteral("Start Number is empty!\r\n")},
        {"prefix and suffix too long",
         {"Abcdefghijklmn", "1", "1", "_opqrstuvwxyz"},
         LoadLangString(MultiTagIds::kStringNamesTooLong) + QStringLiteral("\r\n")},
        {"name starts with a digit",
         {"9Tank", "1", "1", ""},
         FormatPatternErrorLine(QStringLiteral("Name"), QStringLiteral("Name"))},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        const TagTable before = harness.model().Tags;
        harness.Forget();
        add(row.batch);
        EXPECT_EQ(harness.messages(), QStringList{row.message});
        EXPECT_NE(dialogResult, IDOK);
        EXPECT_EQ(harness.model().Tags, before);
    }
}

TEST_F(InternalVariablePageTest, TakenSecondNameCreatesNothingAndEmptyPartsGiveBareNumbers)
{
    add({"Valve", "2", "1", ""});
    harness.Forget();
    const TagTable before = harness.model().Tags;
    add({"Valve", "1", "3", ""}); // Valve2 is taken
    EXPECT_EQ(harness.messages(), QStringList{LoadLangString(MultiTagIds::kStringNameTaken)});
    EXPECT_EQ(harness.model().Tags, before);

    add({"", "700", "2", ""});
    EXPECT_EQ(dialogResult, IDOK);
    EXPECT_EQ(names().mid(names().size() - 2), (QStringList{"700", "701"}));
}

TEST_F(InternalVariablePageTest, DeleteStopsAtAVariableInUse)
{
    ScopedDeleteConfirmationSkipped noQuestion;
    add({"Del", "1", "3", ""});
    const std::vector<InternalVariableRecord> made = variables(0);
    ASSERT_EQ(made.size(), 3u);
    harness.model().AddTagServiceUse(made[1].Definition.ResourceText, ServiceId::ModbusSlave, 0);
    show();
    const int first = static_cast<int>(names().indexOf("Del1"));
    SelectListRows(list(), {first, first + 1, first + 2});
    harness.Forget();
    harness.Press(kButtonDelete);
    EXPECT_EQ(harness.messages(), QStringList{LoadLangString(kStringTagInUse)});
    EXPECT_EQ(names().mid(first), (QStringList{"Del2", "Del3"}));
    EXPECT_EQ(variables(0).size(), 2u);
    EXPECT_FALSE(harness.model().TagAddressExists(made[0].Definition.ResourceText));
    EXPECT_TRUE(harness.model().TagAddressExists(made[2].Definition.ResourceText));
}

TEST_F(InternalVariablePageTest, DeleteNeedsRowsAndRenumbers)
{
    ScopedDeleteConfirmationSkipped noQuestion;
    add({"R", "1", "3", ""});
    SelectListRows(list(), {});
    harness.Forget();
    harness.Press(kButtonDelete);
    EXPECT_EQ(harness.messages(), QStringList{LoadLangString(613)});
    SelectListRows(list(), {0});
    harness.Press(kButtonDelete);
    EXPECT_EQ(names(), (QStringList{"R2", "R3"}));
    EXPECT_EQ(list().GetItemText(0, 0), "1");
}

TEST_F(InternalVariablePageTest, SeveralSelectedRowsDisableAdd)
{
    add({"S", "1", "2", ""});
    SelectListRows(list(), {0, 1});
    EXPECT_FALSE(harness.page().control(kButtonAdd)->isEnabled());
    SelectListRows(list(), {1});
    EXPECT_TRUE(harness.page().control(kButtonAdd)->isEnabled());
}

} // namespace

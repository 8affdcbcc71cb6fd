// The general tag chooser: its filters, its variants, and how it hands the chosen tags over.
#include "CListCtrlEx.h"
#include "CTagSelectDlg.h"
#include "CTagSelectDlgIds.h"
#include "IecTypeName.h"
#include "LanguagePack.h"
#include "TagDialogStrings.h"
#include "TagDialogTestFixture.h"
#include "TextFormat.h"
#include "TypeIds.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMouseEvent>

namespace {

constexpr int kFormId = 686;

TEST(TagSelectDlgTemplateTest, EveryControlIdIsInTheTemplatesWithItsType)
{
    ExpectControlsInTemplate(kTemplateTagSelect, kTagSelectControls);
    ExpectControlsInTemplate(kTemplateModbusTagSelect, kModbusTagSelectControls);
}

TEST(IecTypeNameTest, LongerCNamesAreFoundBeforeTheNamesTheyContain)
{
    const struct {
        const char* cName;
        const char* iecName;
    } cases[] = {
        {"UNSIGNED CHAR", "USINT"},
        {"UNSIGNED LONG", "UDINT"},
        {"UNSIGNED SHORT", "UINT"},
        {"BOOL", "BOOL"},
        {"CHAR", "SINT"},
        {"FLOAT", "REAL"},
        {"LONG", "DINT"},
        {"SHORT", "INT"},
        {"STRING", "STRING"},
        {"ARRAY OF LONG", "ARRAY OF DINT"},
        {"DOUBLE", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToIecTypeName(QString::fromUtf8(c.cName)), QString::fromUtf8(c.iecName)) << c.cName;
}

// A 4100 project: CPU in slot 0, an I/O module in slot 2, tags of several slots and services.
class TagSelectDlgTest : public TagDialogTest {
protected:
    void SetUp() override
    {
        TagDialogTest::SetUp();
        MakeProject(model, true, 4);
        PlaceModule(model, 2, "ulTEK 4117-T");
        model.AppendSlotChannelGroup(2, QStringLiteral("DI"), ChannelType::DigitalInput);
        model.AppendSlotChannelGroup(2, QStringLiteral("DO"), ChannelType::DigitalOutput);
        model.AddServiceRecord(service(ServiceId::Tavo, "TAVO"));
        model.AddServiceRecord(service(ServiceId::SnmpAgent, "SNMP Agent"));
        model.AddServiceRecord(service(ServiceId::ModbusSlave, "Modbus Slave"));
        for (const TagRecord& tag : tags())
            model.AppendTag(tag);
    }

    static ServiceRecord service(int id, const char* text)
    {
        ServiceRecord record;
        record.ServiceText1 = QStringLiteral("element");
        record.ServiceText2 = QString::fromUtf8(text);
        record.ServiceId = id;
        record.Present = 1;
        return record;
    }

    static std::vector<TagRecord> tags()
    {
        return {
            MakeTag("In0", ChannelType::DigitalInput, "2.0.1", 1, {{ServiceId::TavoServer, 0}}),
            MakeTag("Out0", ChannelType::DigitalOutput, "2.0.3", 10, {{ServiceId::SnmpAgentLink2, 0}}),
            MakeTag("Sys", ChannelType::SystemVariables, "0.65535.4", 4),
            MakeTag("Push", ChannelType::DigitalInput, "2.1.1", 1, {{ServiceId::TavoTagLink, 0}}),
            MakeTag("Slave", ChannelType::AnalogInput, "3.0.2", 8, {{ServiceId::ModbusSlave, 1}}),
            MakeTag("Trap", ChannelType::AnalogInput, "3.1.2", 8, {{ServiceId::SnmpAgentLink, 0}}),
        };
    }

    static QStringList names(std::initializer_list<const char*> list)
    {
        QStringList out;
        for (const char* name : list)
            out.append(QString::fromUtf8(name));
        return out;
    }

    static QComboBox* combo(const CTagSelectDlg& dialog, int id) { return dialog.item<QComboBox>(id); }
    static CListCtrlEx* list(const CTagSelectDlg& dialog) { return dialog.item<CListCtrlEx>(kListTagSelect); }
};

TEST_F(TagSelectDlgTest, AllTagsAreListedWithNumberNameAndDataTypeName)
{
    CTagSelectDlg dialog(model, &log, false, kFormId);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(ComboTexts(combo(dialog, kComboTagFilterKind)),
              (QStringList{LoadLangString(kStringFilterAll), LoadLangString(kStringFilterBySlot),
                           LoadLangString(kStringFilterByService)}));
    EXPECT_FALSE(dialog.control(kComboTagSecondLevel)->isVisibleTo(&dialog));
    EXPECT_EQ(TagNames(dialog.GetShownTags()), names({"In0", "Out0", "Sys", "Push", "Slave", "Trap"}));
    CListCtrlEx* rows = list(dialog);
    ASSERT_EQ(rows->GetItemCount(), 6);
    EXPECT_EQ(rows->GetItemText(4, 0), QStringLiteral("5"));
    EXPECT_EQ(rows->GetItemText(4, 1), QStringLiteral("Slave"));
    EXPECT_EQ(rows->GetItemText(1, 2), QStringLiteral("BOOL"));          // code 10 reads as BOOL
    EXPECT_EQ(rows->GetItemText(4, 2), QStringLiteral("UNSIGNED LONG")); // code 8
    model.SetIECMode(1);
    CTagSelectDlg iec(model, &log, false, kFormId);
    ASSERT_TRUE(iec.Create());
    EXPECT_EQ(list(iec)->GetItemText(4, 2), QStringLiteral("UDINT"));
}

TEST_F(TagSelectDlgTest, TheSlotFilterListsSlotsThenTheirResourceTypes)
{
    CTagSelectDlg dialog(model, &log, false, kFormId);
    ASSERT_TRUE(dialog.Create());
    PickData(combo(dialog, kComboTagFilterKind), 1);
    EXPECT_EQ(
        ComboTexts(combo(dialog, kComboTagSecondLevel)),
        (QStringList{QStringLiteral("Slot 0(CPU): ulTEK 4100-CPU15-C-T"), QStringLiteral("Slot 2: ulTEK 4117-T")}));
    EXPECT_EQ(TagNames(dialog.GetShownTags()), names({"Sys"}));
    PickData(combo(dialog, kComboTagSecondLevel), 2);
    EXPECT_EQ(ComboData(combo(dialog, kComboTagThirdLevel)),
              (QList<int>{0, ChannelType::DigitalInput, ChannelType::DigitalOutput}));
    EXPECT_EQ(TagNames(dialog.GetShownTags()), names({"In0", "Out0", "Push"}));
    PickData(combo(dialog, kComboTagThirdLevel), ChannelType::DigitalInput);
    EXPECT_EQ(TagNames(dialog.GetShownTags()), names({"In0", "Push"}));
}

TEST_F(TagSelectDlgTest, ThePowerSlotIsListedFirstOnlyInA4100ProjectWhoseSlot15HoldsAModule)
{
    const struct {
        const char* label;
        bool series4100;
        bool powerModule;
        QString first;
    } cases[] = {
        {"4100 with a power module", true, true, QStringLiteral("Slot 0(PWR): ulTEK 4100-PK1-15W-T")},
        {"4100 without one", true, false, QStringLiteral("Slot 0(CPU): ulTEK 4100-CPU15-C-T")},
        {"another series", false, true, QStringLiteral("Slot 0: ulTEK 4100-CPU15-C-T")},
    };
    for (const auto& c : cases) {
        MakeProject(model, c.series4100, 4);
        if (c.powerModule) {
            PlaceModule(model, 15, "ulTEK 4100-PK1-15W-T");
            model.AppendSlotChannelGroup(15, QStringLiteral("PWR"), ChannelType::ResourceGroup);
        }
        CTagSelectDlg dialog(model, &log, false, kFormId);
        ASSERT_TRUE(dialog.Create());
        PickData(combo(dialog, kComboTagFilterKind), 1);
        QComboBox* slotCombo = combo(dialog, kComboTagSecondLevel);
        ASSERT_GT(slotCombo->count(), 0) << c.label;
        EXPECT_EQ(slotCombo->itemText(0), c.first) << c.label;
        EXPECT_EQ(slotCombo->itemData(0).toInt(), c.powerModule && c.series4100 ? 15 : 0) << c.label;
    }
}

TEST_F(TagSelectDlgTest, TheServiceFilterListsTagsThatServicesUseWithTheirLinkedIds)
{
    CTagSelectDlg dialog(model, &log, false, kFormId);
    ASSERT_TRUE(dialog.Create());
    PickData(combo(dialog, kComboTagFilterKind), 2);
    EXPECT_FALSE(dialog.control(kComboTagThirdLevel)->isVisibleTo(&dialog));
    EXPECT_EQ(ComboData(combo(dialog, kComboTagSecondLevel)),
              (QList<int>{99, ServiceId::Tavo, ServiceId::SnmpAgent, ServiceId::ModbusSlave}));
    const struct {
        int service;
        QStringList shown;
    } cases[] = {
        {99, names({"In0", "Out0", "Push", "Slave", "Trap"})},
        {ServiceId::Tavo, names({"In0", "Push"})},
        {ServiceId::SnmpAgent, names({"Out0", "Trap"})},
        {ServiceId::ModbusSlave, names({"Slave"})},
    };
    for (const auto& c : cases) {
        PickData(combo(dialog, kComboTagSecondLevel), c.service);
        EXPECT_EQ(TagNames(dialog.GetShownTags()), c.shown) << c.service;
    }
}

TEST_F(TagSelectDlgTest, RestrictedChoosersOfferTheirTagsOnly)
{
    {
        CTagSelectDlg dialog(model, &log, false, kFormId);
        dialog.SetTypeList({ChannelType::AnalogInput, ChannelType::SystemVariables});
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(TagNames(dialog.GetShownTags()), names({"Sys", "Slave", "Trap"}));
        EXPECT_FALSE(dialog.control(kComboTagFilterKind)->isVisibleTo(&dialog));
        EXPECT_TRUE(dialog.control(kFrameTagTypeList)->isVisibleTo(&dialog));
    }
    {
        CTagSelectDlg dialog(model, &log, true, kFormId, CTagSelectDlg::ByDataType{6});
        ASSERT_TRUE(dialog.Create());
        EXPECT_FALSE(dialog.control(kComboTagFilterKind)->isVisibleTo(&dialog));
        EXPECT_EQ(combo(dialog, kComboTagDataType)->currentText(), QStringLiteral("UNSIGNED LONG"));
        EXPECT_EQ(TagNames(dialog.GetShownTags()), names({"Slave", "Trap"}));
        combo(dialog, kComboTagDataType)->setCurrentIndex(0);
        EXPECT_EQ(TagNames(dialog.GetShownTags()), names({"In0", "Out0", "Push"}));
    }
    {
        CTagSelectDlg dialog(model, &log, false, kFormId, CTagSelectDlg::ByDataType{kUnknownDataTypeIndex});
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(combo(dialog, kComboTagDataType)->currentIndex(), 0);
    }
    {
        CTagSelectDlg dialog(model, &log, false, CTagSelectDlg::ByKind{1});
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(combo(dialog, kComboTagFilterKind)->count(), 2);
    }
}

// Collects what the chooser hands over, copying during the call as a page does.
struct Receiver {
    void connectTo(CTagChooserDlg& dialog)
    {
        QObject::connect(&dialog, &CTagChooserDlg::TagsSelected,
                         [this](const std::vector<TagRecord>& tags) { batches.append(TagNames(tags)); });
    }
    QList<QStringList> batches;
};

TEST_F(TagSelectDlgTest, StayOpenOKSendsTheSelectionAndWaitsForAnother)
{
    CTagSelectDlg dialog(model, &log, true, kFormId);
    Receiver receiver;
    receiver.connectTo(dialog);
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    CListCtrlEx* rows = list(dialog);
    EXPECT_EQ(rows->GetSelectedRows(), QList<int>{0});
    rows->selectionModel()->select(rows->model()->index(3, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    Click(dialog.control(IDOK));
    EXPECT_EQ(receiver.batches, QList<QStringList>{names({"In0", "Push"})});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.control(IDOK)->isEnabled());
    rows->SelectRow(2);
    Click(dialog.control(IDOK));
    EXPECT_EQ(receiver.batches.size(), 2);
    EXPECT_EQ(receiver.batches.last(), names({"Sys"}));

    CTagSelectDlg single(model, &log, false, kFormId);
    receiver.connectTo(single);
    ASSERT_TRUE(single.Create());
    single.show();
    EXPECT_FALSE(single.control(kButtonTagAddAll)->isEnabled());
    Click(single.control(IDOK));
    EXPECT_EQ(receiver.batches.last(), names({"In0"}));
    EXPECT_FALSE(single.isVisible());
    EXPECT_EQ(single.result(), IDOK);
}

TEST_F(TagSelectDlgTest, AddAllSendsEveryRowAndEndsWithItsOwnCode)
{
    CTagSelectDlg dialog(model, &log, true, kFormId);
    Receiver receiver;
    receiver.connectTo(dialog);
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    PickData(combo(dialog, kComboTagFilterKind), 2);
    PickData(combo(dialog, kComboTagSecondLevel), ServiceId::SnmpAgent);
    Click(dialog.control(kButtonTagAddAll));
    EXPECT_EQ(receiver.batches, QList<QStringList>{names({"Out0", "Trap"})});
    EXPECT_EQ(dialog.result(), kResultAddAll);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(TagSelectDlgTest, AnAnchoredChooserOpensRightBelowItsAnchor)
{
    CTagSelectDlg dialog(model, &log, false, kFormId);
    dialog.SetAnchorRect(120, 80, 220, 104);
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    EXPECT_EQ(dialog.pos(), QPoint(120, 104));
}

void DoubleClick(QAbstractItemView& view, const QPoint& at)
{
    QWidget* viewport = view.viewport();
    const QPointF local(at);
    const QPointF global(viewport->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QMouseEvent twice(QEvent::MouseButtonDblClick, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QApplication::sendEvent(viewport, &release);
    QApplication::sendEvent(viewport, &twice);
    QApplication::sendEvent(viewport, &release);
}

TEST_F(TagSelectDlgTest, ADoubleClickCopiesTheRowsNameLogsItAndSends)
{
    model.AppendTag(MakeTag("", ChannelType::DigitalInput, "2.3.1", 1));
    CTagSelectDlg dialog(model, &log, true, kFormId);
    Receiver receiver;
    receiver.connectTo(dialog);
    ASSERT_TRUE(dialog.Create());
    dialog.resize(500, 600);
    dialog.show();
    CListCtrlEx* rows = list(dialog);
    QApplication::clipboard()->setText(QStringLiteral("before"));

    DoubleClick(*rows, QPoint(5, rows->viewport()->height() - 5)); // below the last row
    EXPECT_TRUE(receiver.batches.isEmpty());

    DoubleClick(*rows, rows->visualRect(rows->model()->index(3, 1)).center());
    EXPECT_EQ(receiver.batches, QList<QStringList>{names({"Push"})});
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Push"));
    EXPECT_EQ(log.lines, QStringList{FormatLangString(kStringTagNameCopied, QStringLiteral("Push"))});

    DoubleClick(*rows, rows->visualRect(rows->model()->index(6, 1)).center());
    EXPECT_EQ(receiver.batches.last(), QStringList{QString()});
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Push"));
    EXPECT_EQ(log.lines.size(), 1);
}

TEST_F(TagSelectDlgTest, Screenshot)
{
    CTagSelectDlg dialog(model, &log, true, kFormId);
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    PickData(combo(dialog, kComboTagFilterKind), 1);
    PickData(combo(dialog, kComboTagSecondLevel), 2);
    SaveScreenshot(dialog, "TagSelectDlg.png");
}

} // namespace

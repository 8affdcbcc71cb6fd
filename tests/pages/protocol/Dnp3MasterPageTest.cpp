// The DNP3 master page and its advanced settings dialog: what is shown, one report for every bad
// field, what Apply and Store write into the model, and the limits of DefaultSettings.ini.
#include "CDNP3AdvanceSettingDlg.h"
#include "CDNP3OneMasterDlg.h"
#include "ConfigFiles.h"
#include "PageHarness.h"
#include "TextFormat.h"
#include "TypeIds.h"
#include "Validation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace Dnp3MasterPage;

const QString kNodeText = QStringLiteral("DNP3");

// The page whose advanced dialog is replaced by a store into the model.
class ScriptedMasterPage : public CDNP3OneMasterDlg {
public:
    using CDNP3OneMasterDlg::CDNP3OneMasterDlg;
    std::function<bool(CDataCenter&)> advanced;

protected:
    bool RunAdvancedDialog() override { return advanced ? advanced(*GetDataCenter()) : false; }
};

class Dnp3MasterPageTest : public testing::Test {
protected:
    void SetUp() override { harness.Show(NodeFor(129, kNodeText)); }

    const DNP3_OUTSTATION_SETTINGS& Stored() { return harness.model().GetDnp3Outstation(); }
    const DNP3_MASTER_ITEM_SETTINGS& StoredMaster() { return Stored().Masters.front(); }
    QString Text(int id) { return harness.page().itemText(id); }
    QString AppliedLine()
    {
        const QString caption = harness.model().GetResourceName(ServiceId::Dnp3Outstation) + " " + kNodeText;
        return FormatLangString(CDNP3OneMasterDlg::kStringApplied, caption, 0);
    }

    PageHarness<ScriptedMasterPage> harness;
};

TEST(Dnp3MasterTemplates, EveryControlIsInItsTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
    ExpectControlsMatchTemplate(Dnp3AdvancedDialog::kTemplate, Dnp3AdvancedDialog::kControls);
}

TEST_F(Dnp3MasterPageTest, AnEmptyMasterIPIsShownAndStoredAsTheAnyAddress)
{
    harness.model().GetDnp3Outstation().Masters.front().MasterIP.clear();
    harness.Show(NodeFor(129, kNodeText));
    EXPECT_EQ(Text(kEditMasterIP), "0.0.0.0");
    EXPECT_EQ(Text(kRangeLocalAddr), "(0-65519)");
    harness.Press(kButtonApply);
    EXPECT_TRUE(harness.messages().isEmpty());
    EXPECT_EQ(StoredMaster().MasterIP, "0.0.0.0");
    EXPECT_EQ(harness.logLines(), QStringList{AppliedLine()});
    harness.Screenshot(QStringLiteral("dnp3-master-page"));
}

TEST_F(Dnp3MasterPageTest, ApplyWritesTheFieldsAndKeepsTheAdvancedOnes)
{
    harness.model().GetDnp3Outstation().Masters.front().FragmentMaxSize = 2048;
    harness.Set({{kCheckEnable, true},
                 {kEditName, QString("Control room")},
                 {kEditLocalAddr, QString("10")},
                 {kEditLocalPort, QString("20000")},
                 {kEditDestAddr, QString("3")},
                 {kCheckUnsolicited, true},
                 {kEditMasterIP, QString("127.0.0.1")},
                 {kEditDestPort, QString("20001")}});
    harness.Press(kButtonApply);
    EXPECT_TRUE(harness.messages().isEmpty());
    EXPECT_EQ(Stored().LocalAddr, 10);
    EXPECT_EQ(Stored().LocalPort, 20000);
    EXPECT_EQ(StoredMaster().EnableDnp3Master, 1);
    EXPECT_EQ(StoredMaster().Name, "Control room");
    EXPECT_EQ(StoredMaster().DestinationAddr, 3);
    EXPECT_EQ(StoredMaster().EnableUnsolicited, 1);
    EXPECT_EQ(StoredMaster().MasterIP, "127.0.0.1");
    EXPECT_EQ(StoredMaster().DestinationPort, 20001);
    EXPECT_EQ(StoredMaster().FragmentMaxSize, 2048) << "a value stored by the advanced dialog meanwhile";

    harness.Set({{kEditLocalAddr, QString("")}}); // a cleared edit is 0, here within the range
    harness.Press(kButtonApply);
    EXPECT_EQ(Stored().LocalAddr, 0);
}

TEST_F(Dnp3MasterPageTest, BadFieldsGiveOneBoxWithTheFocusOnTheFirst)
{
    const DNP3_OUTSTATION_SETTINGS before = Stored();
    const struct {
        const char* name;
        std::vector<ControlInput> inputs;
        QString lines;
        int focus;
    } cases[] = {
        {"port and address",
         {{kEditLocalPort, QString("70000")}, {kEditDestAddr, QString("x")}, {kEditLocalAddr, QString("5")}},
         FormatRangeErrorLine("Local port", 0, 65519) + FormatRangeErrorLine("Destination address", 0, 65519),
         kEditLocalPort},
        {"master IP is not an IPv4 text",
         {{kCheckUnsolicited, true}, {kEditMasterIP, QString("300.1.1.1")}, {kEditDestPort, QString("-1")}},
         FormatInvalidItemLine("Master IP") + FormatRangeErrorLine("Destination port", 0, 65519),
         kEditMasterIP},
        {"empty master IP",
         {{kCheckUnsolicited, true}, {kEditMasterIP, QString("")}},
         FormatInvalidItemLine("Master IP"),
         kEditMasterIP},
        {"unsolicited off, bad port still blocks",
         {{kCheckUnsolicited, false}, {kEditDestPort, QString("65520")}},
         FormatRangeErrorLine("Destination port", 0, 65519),
         0}, // a disabled edit takes no focus
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        harness.Show(NodeFor(129, kNodeText));
        for (const ControlInput& input : c.inputs)
            SetControl(harness.page(), input);
        harness.Press(kButtonApply);
        EXPECT_EQ(harness.messages(), QStringList{c.lines});
        if (c.focus != 0) {
            EXPECT_EQ(harness.page().window()->focusWidget(), harness.page().control(c.focus));
        }
        EXPECT_TRUE(Stored() == before);
        EXPECT_TRUE(harness.logLines().isEmpty());
    }
}

TEST_F(Dnp3MasterPageTest, UnsolicitedResponsesEnableTheMasterAddressControls)
{
    for (bool on : {true, false}) {
        harness.Set({{kCheckUnsolicited, on}});
        for (int id : {int(kEditMasterIP), int(kEditDestPort), int(kLabelMasterIP), int(kRangeDestPort)})
            EXPECT_EQ(harness.page().control(id)->isEnabled(), on) << id;
    }
}

TEST_F(Dnp3MasterPageTest, StoredAdvancedSettingsApplyThePageToo)
{
    const auto storeFragment = [](CDataCenter& model) {
        model.GetDnp3Outstation().Masters.front().FragmentMaxSize = 512;
        return true;
    };
    harness.page().advanced = storeFragment;
    harness.Set({{kEditLocalAddr, QString("7")}});
    harness.Press(kButtonAdvanced);
    EXPECT_EQ(Stored().LocalAddr, 7);
    EXPECT_EQ(StoredMaster().FragmentMaxSize, 512);
    EXPECT_EQ(harness.logLines(), (QStringList{AppliedLine(), AppliedLine()}));

    harness.Show(NodeFor(129, kNodeText));
    harness.Set({{kEditLocalAddr, QString("99999")}});
    harness.page().advanced = [](CDataCenter& model) {
        model.GetDnp3Outstation().Masters.front().FragmentMaxSize = 256;
        return true;
    };
    harness.Press(kButtonAdvanced);
    EXPECT_EQ(StoredMaster().FragmentMaxSize, 256) << "the dialog's store stays";
    EXPECT_EQ(Stored().LocalAddr, 7);
    EXPECT_EQ(harness.messages().size(), 1);
    EXPECT_EQ(harness.logLines(), QStringList{AppliedLine()});

    harness.Forget();
    harness.page().advanced = [](CDataCenter&) { return false; }; // closed without storing
    harness.Press(kButtonAdvanced);
    EXPECT_TRUE(harness.logLines().isEmpty());
    EXPECT_TRUE(harness.messages().isEmpty());
}

// ---- the advanced dialog ----

using namespace Dnp3AdvancedDialog;

// Points the program folder at a DefaultSettings.ini of the test while records are built.
class ScopedDefaultSettings {
public:
    explicit ScopedDefaultSettings(const QByteArray* text) : previous_(ProgramDirectory())
    {
        SetProgramDirectory(dir_.path());
        if (!text)
            return;
        QFile out(QDir(dir_.path()).filePath(QStringLiteral("DefaultSettings.ini")));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(*text);
    }
    ~ScopedDefaultSettings() { SetProgramDirectory(previous_); }

private:
    QString previous_;
    QTemporaryDir dir_;
};

class Dnp3AdvancedDialogTest : public testing::Test {
protected:
    void Open(const QByteArray* settings = nullptr)
    {
        {
            ScopedDefaultSettings scoped(settings);
            outstation = std::make_unique<DNP3_OUTSTATION_SETTINGS>();
            dialog = std::make_unique<CDNP3AdvanceSettingDlg>(0, outstation.get());
        }
        ASSERT_TRUE(dialog->Create());
        dialog->show();
    }
    void Set(std::initializer_list<ControlInput> inputs)
    {
        for (const ControlInput& input : inputs)
            SetControl(*dialog, input);
    }
    const DNP3_MASTER_ITEM_SETTINGS& Stored() { return outstation->Masters.front(); }

    RecordingMessageBoxService boxes;
    ScopedMessageBoxService scopedBoxes{boxes};
    std::unique_ptr<DNP3_OUTSTATION_SETTINGS> outstation;
    std::unique_ptr<CDNP3AdvanceSettingDlg> dialog;
};

TEST_F(Dnp3AdvancedDialogTest, LimitsComeFromTheSettingsFileOrTheBuiltInFallbacks)
{
    const QByteArray file = "[DNP3]\nFragmentSizeValue=2048,64,4096\nMaxBinaryEventStorage=5,1,9\n"
                            "UnsoliciteTriggerClass2=3,2,8\nUnsolicitedRetryValue=3,0,10\n";
    const struct {
        const char* name;
        const QByteArray* settings;
        QString fragmentRange, class2Range, retryRange;
        SettingTriple binaryStorage;
    } cases[] = {
        {"file", &file, "(64-4096 bytes)", "(2-8)", "(0-10, 100 for infinite)", {5, 1, 9}},
        {"no file", nullptr, "(0-65519 bytes)", "(1-60)", "(0-65519, 100 for infinite)", {1000, 100, 1000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.settings);
        EXPECT_EQ(dialog->itemText(kRangeFragmentSize), c.fragmentRange);
        EXPECT_EQ(dialog->itemText(kRangeClass2Count), c.class2Range);
        EXPECT_EQ(dialog->itemText(kRangeRetry), c.retryRange);
        EXPECT_EQ(dialog->itemText(kRangeHoldingTime), "(1-60 seconds)");
        SettingTriple storage;
        EXPECT_EQ(dialog->WorkingCopy().GetDnp3Default("MaxBMaxEventStorage", storage), 1);
        EXPECT_EQ(storage, c.binaryStorage);
        EXPECT_EQ(dialog->itemText(kEditBinaryStorage), QString::number(c.binaryStorage.defaultValue));
    }
    SaveScreenshot(*dialog, QStringLiteral("dnp3-advanced-dialog"));
}

TEST_F(Dnp3AdvancedDialogTest, StoreChecksEveryRangeAndTheInfiniteRetry)
{
    const QByteArray file = "[DNP3]\nUnsolicitedRetryValue=3,0,10\nEventBufferOverflow=Discard Oldest,Discard Newest\n";
    Open(&file);
    const struct {
        const char* name;
        std::vector<ControlInput> inputs;
        QString lines; // empty: stored
    } cases[] = {
        {"retry 100 is infinite", {{kEditRetry, QString("100")}}, ""},
        {"retry 101", {{kEditRetry, QString("101")}}, FormatRangeErrorLine("Unsolicited retries", 0, 10)},
        {"event storages are not checked",
         {{kEditAnalogStorage, QString("0")}, {kEditCounterStorage, QString("77777")}},
         ""},
        {"two bad fields",
         {{kEditHoldingTime, QString("0")}, {kEditClass3Count, QString("61")}},
         FormatRangeErrorLine("Unsolicited holding time", 1, 60) + FormatRangeErrorLine("Class 3 event count", 1, 60)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialog->hide();
        dialog->show();
        boxes.Clear();
        const DNP3_MASTER_ITEM_SETTINGS before = Stored();
        Set({{kComboBufferOverflow, 1}, {kCheckClass2, false}});
        for (const ControlInput& input : c.inputs)
            SetControl(*dialog, input);
        PressButton(*dialog, kButtonStore);
        if (c.lines.isEmpty()) {
            EXPECT_TRUE(boxes.texts().isEmpty());
            EXPECT_EQ(Stored().EventBufferOverflow, 1);
            EXPECT_EQ(Stored().EnableUnsolicitedClass2, 0);
            EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open";
        } else {
            EXPECT_EQ(boxes.texts(), QStringList{c.lines});
            EXPECT_TRUE(Stored() == before);
        }
    }
    EXPECT_EQ(Stored().UnsolicitedRetry, 100);
    EXPECT_EQ(Stored().MaximumCounterEventStorage, 77777);
    EXPECT_TRUE(dialog->Stored());
}

TEST_F(Dnp3AdvancedDialogTest, DefaultsThenCloseLeaveTheModelUnchanged)
{
    Open();
    outstation->Masters.front().FragmentMaxSize = 900;
    outstation->Masters.front().MasterIP = "127.0.0.1";
    dialog->hide();
    dialog->show();
    EXPECT_EQ(dialog->itemText(kEditFragmentSize), "900");
    const DNP3_MASTER_ITEM_SETTINGS before = Stored();
    PressButton(*dialog, kButtonDefaults);
    EXPECT_EQ(dialog->itemText(kEditFragmentSize), "0");
    PressButton(*dialog, kButtonClose);
    EXPECT_TRUE(Stored() == before);
    EXPECT_FALSE(dialog->Stored());
}

} // namespace

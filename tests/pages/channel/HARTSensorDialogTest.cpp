// The HART sensor list dialog: sensors added, changed and deleted in the list, at most five, the
// long-frame ids within their limits, and what the rows and editors show.
#include "CHARTSensorSettingDlg.h"
#include "CListCtrlEx.h"
#include "ListRows.h"
#include "PageHarness.h"
#include "Validation.h"

#include <QComboBox>

#include <memory>

using namespace HARTSensorDialog;
using ChannelRules::UnsignedTriple;

namespace {

constexpr int kLongFrame = 1;

// An opener that holds the limits of the test.
class FixedLimits : public IHartSensorLimitSource {
public:
    explicit FixedLimits(HartSensorRules::SensorIdLimits limits) : limits_(limits) {}
    std::optional<UnsignedTriple> SensorLimit(const QString& key) const override
    {
        return HartSensorRules::LimitOfKey(limits_, key);
    }

private:
    HartSensorRules::SensorIdLimits limits_;
};

class HARTSensorDialogTest : public testing::Test {
protected:
    void Open(std::vector<HARTSensorEntry> sensors = {}, const IHartSensorLimitSource* opener = nullptr)
    {
        dialog = std::make_unique<CHARTSensorSettingDlg>(0, std::move(sensors), opener);
        ASSERT_TRUE(dialog->Create());
        dialog->show();
    }
    void Set(std::initializer_list<ControlInput> inputs)
    {
        for (const ControlInput& input : inputs)
            SetControl(*dialog, input);
    }
    void Press(int button) { PressButton(*dialog, button); }
    CListCtrlEx& List() { return *dialog->item<CListCtrlEx>(kListSensors); }
    QStringList Row(int row)
    {
        QStringList texts;
        for (int column = 0; column < List().GetColumnCount(); ++column)
            texts << List().GetItemText(row, column);
        return texts;
    }
    int Index(int comboId) { return dialog->item<QComboBox>(comboId)->currentIndex(); }
    bool Enabled(int id) { return dialog->control(id)->isEnabled(); }
    QString Text(int id) { return dialog->itemText(id); }

    RecordingMessageBoxService boxes;
    ScopedMessageBoxService scopedBoxes{boxes};
    std::unique_ptr<CHARTSensorSettingDlg> dialog;
};

TEST(HARTSensorDialogTemplate, EveryControlIsInTheTemplate)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(HARTSensorDialogTest, SensorsAreAddedUpToFiveAndDeletingFreesAPlace)
{
    Open();
    EXPECT_EQ(List().GetItemCount(), 0);
    EXPECT_EQ(Index(kComboPreambles), 5) << "a new sensor has five preambles";
    EXPECT_TRUE(Enabled(kComboAddress));
    EXPECT_FALSE(Enabled(kEditManufacturerId));
    for (int added = 1; added <= HartSensorRules::kMaximumSensors; ++added) {
        SCOPED_TRACE(added);
        Set({{kComboAddress, added * 10}});
        Press(kButtonAdd);
        EXPECT_EQ(List().GetItemCount(), added);
        EXPECT_EQ(List().GetFirstSelectedRow(), added - 1) << "the new sensor is selected";
        EXPECT_EQ(dialog->Sensors().back().Address, quint32(added * 10));
    }
    EXPECT_FALSE(Enabled(kButtonAdd)) << "a channel has at most five sensors";
    SaveScreenshot(*dialog, QStringLiteral("channel-hart-sensors"));

    Press(kButtonDelete);
    EXPECT_EQ(dialog->Sensors().size(), 4u);
    EXPECT_TRUE(Enabled(kButtonAdd));
}

TEST_F(HARTSensorDialogTest, IdsOutsideTheirLimitsAreRefusedInOneBoxWithTheFocusOnTheFirst)
{
    Open();
    struct Case {
        const char* manufacturer;
        const char* deviceType;
        const char* unique;
        QStringList lines; // empty: added
        int focus;
    };
    const QString manufacturer = FormatRangeErrorLine("Manufacturer ID", 0, 255);
    const QString deviceType = FormatRangeErrorLine("Device type", 0, 255);
    const QString unique = FormatRangeErrorLine("Unique device ID", 0, 16777215);
    const Case cases[] = {
        {"256", "0", "0", {manufacturer}, kEditManufacturerId},
        {"0", "256", "16777216", {deviceType, unique}, kEditDeviceType},
        {"-1", "0", "0", {manufacturer}, kEditManufacturerId},
        {"255", "255", "16777215", {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.manufacturer);
        boxes.Clear();
        const std::vector<HARTSensorEntry> before = dialog->Sensors();
        Set({{kComboFrameType, kLongFrame},
             {kEditManufacturerId, QString(c.manufacturer)},
             {kEditDeviceType, QString(c.deviceType)},
             {kEditUniqueId, QString(c.unique)}});
        Press(kButtonAdd);
        if (c.lines.isEmpty()) {
            EXPECT_TRUE(boxes.texts().isEmpty());
            ASSERT_EQ(dialog->Sensors().size(), before.size() + 1);
            EXPECT_EQ(dialog->Sensors().back(), (HARTSensorEntry{kLongFrame, 0, 5, 0, 255, 255, 16777215}));
        } else {
            EXPECT_EQ(boxes.texts(), QStringList{c.lines.join(QString())});
            EXPECT_EQ(dialog->Sensors(), before);
            EXPECT_EQ(dialog->focusWidget(), dialog->control(c.focus));
        }
    }
    // Modify is checked the same way.
    boxes.Clear();
    Set({{kEditManufacturerId, QString("300")}});
    Press(kButtonModify);
    EXPECT_EQ(boxes.texts(), QStringList{manufacturer});
    EXPECT_EQ(dialog->Sensors().back().ManuID, 255u);
}

TEST_F(HARTSensorDialogTest, ModifyAndDeleteKeepTheSelectionInPlace)
{
    Open({{0, 1, 5, 0, 0, 0, 0}, {0, 2, 5, 0, 0, 0, 0}, {0, 3, 5, 0, 0, 0, 0}});
    EXPECT_EQ(List().GetFirstSelectedRow(), 0) << "the first sensor is shown";
    EXPECT_EQ(Index(kComboAddress), 1);

    SelectListRows(List(), {1});
    EXPECT_EQ(Index(kComboAddress), 2);
    Set({{kComboAddress, 9}, {kComboCommand, 2}});
    Press(kButtonModify);
    EXPECT_EQ(dialog->Sensors()[1], (HARTSensorEntry{0, 9, 5, 2, 0, 0, 0}));
    EXPECT_EQ(List().GetFirstSelectedRow(), 1);

    SelectListRows(List(), {2});
    Press(kButtonDelete);
    EXPECT_EQ(List().GetFirstSelectedRow(), 1) << "the new last row";
    SelectListRows(List(), {0});
    Press(kButtonDelete);
    EXPECT_EQ(List().GetFirstSelectedRow(), 0);
    EXPECT_EQ(Index(kComboAddress), 9) << "the sensor behind moved up";
    EXPECT_EQ(Row(0).first(), "1");
    Press(kButtonDelete);
    EXPECT_TRUE(dialog->Sensors().empty());
    EXPECT_EQ(Index(kComboAddress), 0) << "nothing selected: a new sensor's values";
}

TEST_F(HARTSensorDialogTest, RowsShowTheIdsOnlyWithAManufacturer)
{
    struct Case {
        HARTSensorEntry sensor;
        QStringList row;
    };
    const Case cases[] = {
        {{1, 0, 7, 2, 0, 3, 4}, {"1", "Long Frame", "Cmd 3 (PV-QV)", "7", "0", "", "", ""}},
        {{1, 0, 7, 0, 1, 3, 4}, {"1", "Long Frame", "Cmd 1 (PV)", "", "0", "1", "3", "4"}},
        {{0, 12, 3, 1, 26, 0, 0}, {"1", "Short Frame", "Cmd 2 (mA / %)", "3", "12", "26", "0", "0"}},
        {{5, 0, 5, 9, 2, 0, 0}, {"1", "", "", "5", "0", "2", "0", "0"}},
    };
    for (const Case& c : cases) {
        Open({c.sensor});
        EXPECT_EQ(Row(0), c.row);
    }
}

TEST_F(HARTSensorDialogTest, ALongFrameSensorShowsItsOwnIdsAndChoosingOneStartsFromTheDefaults)
{
    const FixedLimits limits({{7, 1, 100}, {2, 0, 50}, {3, 0, 999}});
    Open({{0, 4, 5, 0, 0, 0, 0}, {kLongFrame, 0, 5, 1, 42, 43, 44}}, &limits);
    EXPECT_EQ(Text(kRangeManufacturerId), "(1-100)");
    EXPECT_EQ(Text(kRangeDeviceType), "(0-50)");
    EXPECT_EQ(Text(kRangeUniqueId), "(0-999)");
    EXPECT_FALSE(Enabled(kLabelManufacturerId));

    SelectListRows(List(), {1});
    EXPECT_EQ(Text(kEditManufacturerId), "42");
    EXPECT_EQ(Text(kEditUniqueId), "44");
    EXPECT_TRUE(Enabled(kEditUniqueId));
    EXPECT_FALSE(Enabled(kComboAddress));

    SelectListRows(List(), {0});
    Set({{kComboFrameType, kLongFrame}});
    EXPECT_EQ(Text(kEditManufacturerId), "7");
    EXPECT_EQ(Text(kEditDeviceType), "2");
    EXPECT_EQ(Text(kEditUniqueId), "3");
    Set({{kComboFrameType, 0}});
    EXPECT_TRUE(Enabled(kLabelAddress));
    EXPECT_FALSE(Enabled(kRangeDeviceType));

    SelectListRows(List(), {});
    EXPECT_EQ(Text(kEditManufacturerId), "7") << "nothing selected: the defaults";
}

TEST_F(HARTSensorDialogTest, OkAndCancelEndTheDialogWithTheirResult)
{
    for (const auto& [button, result] : {std::pair{int(kButtonOK), IDOK}, std::pair{int(kButtonCancel), IDCANCEL}}) {
        Open({{0, 1, 5, 0, 0, 0, 0}});
        Press(kButtonAdd);
        Press(button);
        EXPECT_EQ(dialog->result(), result);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->Sensors().size(), 2u);
    }
}

} // namespace

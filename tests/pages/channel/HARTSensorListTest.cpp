// The HART sensors of a channel edited from the HART analog input page: the sensor dialog's list
// stored in the model, each sensor's tags made and removed with it, a used tag holding the list,
// and the sensors kept through saving and reopening the project.
#include "CDevCfgHART.h"
#include "ChannelPageFixture.h"
#include "EditedDefaultSettings.h"
#include "LanguagePack.h"
#include "ListRows.h"
#include "ProjectReopen.h"
#include "TextFormat.h"
#include "TypeIds.h"

#include <functional>
#include <iterator>

using namespace ChannelFixture;
using namespace HARTPage;

namespace {

constexpr PlacedModule kHART{11, "41M-5480-T", 212};
constexpr int kChannels = 8;
constexpr int kTagLines = 5;
// The sensor template of the module: tag name, ResID and index.
struct SensorTag {
    const char* name;
    const char* resId;
    int index;
};
constexpr SensorTag kSensorTags[] = {
    {"PV", "PV", 0}, {"SV", "SV", 1}, {"TV", "TV", 2}, {"QV", "QV", 3}, {"Status", "ST", 4}};
constexpr int kTagsPerSensor = int(std::size(kSensorTags));

// The page with its sensor dialog run by the test: the dialog is built over the page as a user
// sees it, the test's script works it, and whatever button the script pressed decides.
class ScriptedHARTPage : public CDevCfgHART {
public:
    using CDevCfgHART::CDevCfgHART;
    std::function<void(CHARTSensorSettingDlg&)> script;
    int opened = 0;

protected:
    std::optional<std::vector<HARTSensorEntry>> RunSensorDialog(int channel,
                                                                const std::vector<HARTSensorEntry>& sensors) override
    {
        ++opened;
        CHARTSensorSettingDlg dialog(channel, sensors, this, this);
        EXPECT_TRUE(dialog.Create());
        dialog.show();
        if (script)
            script(dialog);
        if (dialog.result() != IDOK)
            return std::nullopt;
        return dialog.Sensors();
    }
};

// Adds sensors, or deletes the last ones, then OK.
std::function<void(CHARTSensorSettingDlg&)> resize(int add, int remove)
{
    return [add, remove](CHARTSensorSettingDlg& dialog) {
        for (int i = 0; i < add; ++i)
            PressButton(dialog, HARTSensorDialog::kButtonAdd);
        for (int i = 0; i < remove; ++i) {
            SelectListRows(*dialog.item<CListCtrlEx>(HARTSensorDialog::kListSensors),
                           {int(dialog.Sensors().size()) - 1});
            PressButton(dialog, HARTSensorDialog::kButtonDelete);
        }
        PressButton(dialog, HARTSensorDialog::kButtonOK);
    };
}

// "S11_HART<c>_T<k>_<name>" of every sensor tag of sensors [first, last).
QStringList tagNames(int channel, int first, int last)
{
    QStringList names;
    for (int sensor = first; sensor < last; ++sensor)
        for (const SensorTag& tag : kSensorTags)
            names << QStringLiteral("S%1_HART%2_T%3_%4").arg(kHART.slot).arg(channel).arg(sensor).arg(tag.name);
    return names;
}

QString tagAddress(int channel, int sensor, int tag)
{
    const SensorTag& described = kSensorTags[tag];
    return QStringLiteral("%1.%2.%3.%4.%5")
        .arg(kHART.slot)
        .arg(channel)
        .arg(described.resId)
        .arg(sensor)
        .arg(described.index);
}

QStringList linesOf(unsigned stringId, const QStringList& names)
{
    QStringList lines;
    for (const QString& name : names)
        lines << FormatLangString(stringId, name);
    return lines;
}

class HARTSensorListTest : public ChannelPageTest<ScriptedHARTPage> {
protected:
    void ShowHART() { ShowPage(kHART, kChannels, kTagLines); }
    std::vector<HARTSensorEntry> Stored(int channel)
    {
        HARTAISetting record;
        EXPECT_EQ(harness.model().GetHARTAISetting(kHART.slot, record), 1);
        return record.Channels.at(size_t(channel)).Sensors;
    }
    QString TagAt(const QString& address) { return harness.model().GetTagNameByAddress(address); }
    QString SensorCount(int channel) { return harness.page().ChannelList()->GetItemText(channel, 3); }
};

TEST_F(HARTSensorListTest, SensorTagsComeAndGoWithTheSensorsUnlessOneIsUsed)
{
    ShowHART();
    SelectChannels({2});
    struct Step {
        const char* name;
        int add;
        int remove;
        QStringList logLines;
        QStringList messages;
        int sensors;
    };
    const QString refused = LoadLangString(760) + QStringLiteral("\nSensor index from 1 to 2\n");
    const Step steps[] = {
        {"none to 1", 1, 0, linesOf(732, tagNames(2, 0, 1)), {}, 1},
        {"1 to 3", 2, 0, linesOf(732, tagNames(2, 1, 3)), {}, 3},
        {"3 to 1 while a tag of sensor 2 is used", 0, 2, {}, {refused}, 3},
        {"3 to 1", 0, 2, linesOf(681, tagNames(2, 1, 3)), {}, 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        const bool useTag = step.messages.size() > 0;
        if (useTag)
            harness.model().AddTagServiceUse(tagAddress(2, 2, 3), ServiceId::ModbusSlave, 0);
        harness.Forget();
        harness.page().script = resize(step.add, step.remove);
        harness.Press(kButtonSensors);
        EXPECT_EQ(harness.logLines(), step.logLines);
        EXPECT_EQ(harness.messages(), step.messages);
        EXPECT_EQ(Stored(2).size(), size_t(step.sensors));
        EXPECT_EQ(SensorCount(2), QString::number(step.sensors));
        for (int sensor = 0; sensor < 3; ++sensor)
            for (int tag = 0; tag < kTagsPerSensor; ++tag)
                EXPECT_EQ(TagAt(tagAddress(2, sensor, tag)),
                          sensor < step.sensors ? tagNames(2, sensor, sensor + 1)[tag] : QString())
                    << tagAddress(2, sensor, tag).toStdString();
        if (useTag)
            harness.model().RemoveTagServiceUse(tagAddress(2, 2, 3), MakeIntPair(ServiceId::ModbusSlave, 0));
    }
    EXPECT_TRUE(Stored(1).empty()) << "only the selected channel";
    EXPECT_EQ(TagAt("11.2.PV.1.0"), QString());
}

TEST_F(HARTSensorListTest, CancelOrNoChannelChangesNothing)
{
    ShowHART();
    SelectChannels({});
    harness.Press(kButtonSensors);
    EXPECT_EQ(harness.messages(), QStringList{LoadLangString(613)});
    EXPECT_EQ(harness.page().opened, 0);

    SelectChannels({4, 5});
    harness.page().script = [](CHARTSensorSettingDlg& dialog) {
        EXPECT_EQ(dialog.Channel(), 4) << "the first selected channel";
        PressButton(dialog, HARTSensorDialog::kButtonAdd);
        PressButton(dialog, HARTSensorDialog::kButtonCancel);
    };
    harness.Forget();
    harness.Press(kButtonSensors);
    EXPECT_EQ(harness.page().opened, 1);
    EXPECT_TRUE(Stored(4).empty());
    EXPECT_TRUE(harness.logLines().isEmpty());
    EXPECT_EQ(TagAt("11.4.PV.0.0"), QString());
}

TEST_F(HARTSensorListTest, TheDialogGetsTheLimitsOfTheSettingsFile)
{
    EditedDefaultSettings settings({{"HARTSENSOR", "ManufacturerIDValue", "17,10,99"}});
    ShowHART();
    SelectChannels({0});
    harness.page().script = [](CHARTSensorSettingDlg& dialog) {
        EXPECT_EQ(dialog.itemText(HARTSensorDialog::kRangeManufacturerId), "(10-99)");
        EXPECT_EQ(dialog.itemText(HARTSensorDialog::kRangeUniqueId), "(0-16777215)");
        SetControl(dialog, {HARTSensorDialog::kComboFrameType, 1});
        EXPECT_EQ(dialog.itemText(HARTSensorDialog::kEditManufacturerId), "17");
    };
    harness.Press(kButtonSensors);
    EXPECT_EQ(harness.page().opened, 1);
}

TEST_F(HARTSensorListTest, SensorsAndTheirTagsAreSavedAndReadBack)
{
    ShowHART();
    SelectChannels({7});
    harness.page().script = [](CHARTSensorSettingDlg& dialog) {
        SetControl(dialog, {HARTSensorDialog::kComboAddress, 12});
        PressButton(dialog, HARTSensorDialog::kButtonAdd);
        SetControl(dialog, {HARTSensorDialog::kComboFrameType, 1});
        SetControl(dialog, {HARTSensorDialog::kComboCommand, 2});
        SetControl(dialog, {HARTSensorDialog::kComboPreambles, 20});
        SetControl(dialog, {HARTSensorDialog::kEditManufacturerId, QString("38")});
        SetControl(dialog, {HARTSensorDialog::kEditDeviceType, QString("255")});
        SetControl(dialog, {HARTSensorDialog::kEditUniqueId, QString("16777215")});
        PressButton(dialog, HARTSensorDialog::kButtonAdd);
        PressButton(dialog, HARTSensorDialog::kButtonOK);
    };
    harness.Press(kButtonSensors);
    // The second sensor keeps the address the first one showed: its combo is only disabled.
    const std::vector<HARTSensorEntry> expected{{0, 12, 5, 0, 0, 0, 0}, {1, 12, 20, 2, 38, 255, 16777215}};
    ASSERT_EQ(Stored(7), expected);

    const std::unique_ptr<CDataCenter> reopened = SaveAndReopen(harness.model());
    HARTAISetting record;
    ASSERT_EQ(reopened->GetHARTAISetting(kHART.slot, record), 1);
    EXPECT_EQ(record.Channels.at(7).Sensors, expected);
    EXPECT_EQ(reopened->GetTagNameByAddress(tagAddress(7, 1, 4)), "S11_HART7_T1_Status");
    EXPECT_EQ(reopened->GetTagNameByAddress(tagAddress(7, 2, 0)), QString());
}

} // namespace

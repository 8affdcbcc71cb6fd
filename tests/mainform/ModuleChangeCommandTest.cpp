// The main frame's change of a 4100 series project's CPU, slot count and power modules, end to end:
// what stays, what moves, what a refused change leaves, and that no temporary file remains.
#include "CMainFrame.h"

#include "CDataCenter.h"
#include "CDeviceForm.h"
#include "CTemplatePlacer.h"
#include "ModuleChoice.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kCpu15 = QStringLiteral("ulTEK 4100-CPU15-C-T");
const QString kCpu35 = QStringLiteral("ulTEK 4100-CPU35-C-T");
const QString kPower15 = QStringLiteral("ulTEK 4100-PK1-15W-T");
const QString kPower30 = QStringLiteral("ulTEK 4100-PK1-30W-T");
const QString kDigitalInput = QStringLiteral("41M-2116-T");
const QString kPortTrunk = QStringLiteral("41M-3302U-T");
constexpr quint32 kChangedFilter = 4321;

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Points the temporary folder of the program at a private one while a test runs.
class ScopedTempPath {
public:
    ScopedTempPath() : old_(qgetenv("TMPDIR")) { qputenv("TMPDIR", folder_.path().toUtf8()); }
    ~ScopedTempPath() { qputenv("TMPDIR", old_); }
    QStringList entries() const
    {
        return QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

private:
    QTemporaryDir folder_;
    QByteArray old_;
};

class ModuleChangeCommandTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        NewProjectChoice choice;
        choice.ProjectName = QStringLiteral("Plant");
        choice.ModelName = kCpu15;
        choice.SlotCount = 9;
        choice.PowerModule = kPower15;
        ASSERT_TRUE(frame.GetDeviceForm()->NewProject(choice));
        ASSERT_TRUE(frame.GetDeviceForm()->AddModuleToSlot(kDigitalInput, 2));
        ASSERT_TRUE(frame.GetDeviceForm()->AddModuleToSlot(kPortTrunk, 4));
        digitalInput(2)->Channels.at(0).Setting.Filter = kChangedFilter;
        // A saved project: the title names the file.
        projectFile = QDir(folder.path()).filePath(QStringLiteral("plant.pelx"));
        ASSERT_TRUE(model().SaveProject(projectFile));
        frame.SetProjectTitle(projectFile);
    }

    CDataCenter& model() { return *frame.GetDataCenter(); }

    ModuleSlotRecord* digitalInput(int slot)
    {
        for (ModuleSlotRecord& record : model().DISettings) {
            if (record.SlotIndex == slot)
                return &record;
        }
        return nullptr;
    }

    ModuleChoice unchangedChoice() const
    {
        ModuleChoice choice;
        choice.cpuModule = kCpu15;
        choice.slotCount = 9;
        choice.powerModule = kPower15;
        return choice;
    }

    QByteArray projectBytes()
    {
        const QString path = QDir(folder.path()).filePath(QStringLiteral("now.pelx"));
        EXPECT_TRUE(model().SaveProject(path));
        return readAll(path);
    }

    QTemporaryDir folder;
    ScopedTempPath tempPath;
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService scopedBoxes{boxes};
    CMainFrame frame;
    QString projectFile;
};

TEST_F(ModuleChangeCommandTest, ChangeKeepsIOModulesMovesPortTrunkAndReloadsWithoutAFile)
{
    ModuleChoice wanted;
    wanted.cpuModule = kCpu35;
    wanted.slotCount = 12;
    wanted.powerModule = kPower30;
    wanted.secondPowerModule = kPower30;
    ASSERT_TRUE(frame.ChangeModules(wanted)) << boxes.texts().join(u'|').toStdString();

    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_EQ(boxes.texts()[0], CMainFrame::kChangeModuleSucceeded.toString());
    EXPECT_EQ(model().GetSlotName(0), kCpu35);
    EXPECT_EQ(model().MaxSlotCount, 12);
    EXPECT_EQ(model().GetSlotName(CTemplatePlacer::kPowerSlot), kPower30);
    EXPECT_EQ(model().GetSlotName(12), kPower30);
    // An ordinary I/O module stays with its settings; the port-trunk module keeps its distance to
    // the last slot.
    EXPECT_EQ(model().GetSlotName(2), kDigitalInput);
    ASSERT_NE(digitalInput(2), nullptr);
    EXPECT_EQ(digitalInput(2)->Channels.at(0).Setting.Filter, kChangedFilter);
    EXPECT_EQ(model().GetSlotName(7), kPortTrunk);
    EXPECT_TRUE(model().GetSlotName(4).isEmpty());
    for (int slot : {2, 7, 12, CTemplatePlacer::kPowerSlot})
        EXPECT_NE(frame.GetDeviceForm()->FindSlotNode(slot), nullptr) << slot;
    EXPECT_EQ(frame.GetDeviceForm()->FindSlotNode(4), nullptr);
    // The project has no file now: the title is bare.
    EXPECT_TRUE(frame.GetProjectPath().isEmpty());
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Pelandrix"));
    EXPECT_TRUE(tempPath.entries().isEmpty()) << tempPath.entries().join(u'|').toStdString();

    // And back to the smaller controller: the second power module leaves with the slots.
    ASSERT_TRUE(frame.ChangeModules(unchangedChoice())) << boxes.texts().join(u'|').toStdString();
    EXPECT_EQ(model().MaxSlotCount, 9);
    EXPECT_EQ(model().GetSlotName(0), kCpu15);
    EXPECT_EQ(model().GetSlotName(4), kPortTrunk);
    EXPECT_EQ(digitalInput(2)->Channels.at(0).Setting.Filter, kChangedFilter);
    EXPECT_TRUE(tempPath.entries().isEmpty());
}

// A new CPU brings its whole product information, as a project of that product starts with it.
TEST_F(ModuleChangeCommandTest, ANewCpuBringsItsProductInformation)
{
    model().SetModuleInfo({QStringLiteral("Pump 3"), QStringLiteral("North field")});
    model().SetRESTfulEnable(1);
    ModuleChoice wanted = unchangedChoice();
    wanted.cpuModule = kCpu35;
    ASSERT_TRUE(frame.ChangeModules(wanted)) << boxes.texts().join(u'|').toStdString();

    EXPECT_EQ(model().GetSlotName(0), kCpu35);
    EXPECT_EQ(model().GetCPU35Mode(), 1);
    EXPECT_EQ(model().GetSlotApid(0), QStringLiteral("0x80008924"));
    EXPECT_EQ(model().GetModuleInfo(), (ModuleInfoPair{kCpu35, QStringLiteral("North field")}));
    EXPECT_EQ(model().RESTfulEnable, 0);
    EXPECT_EQ(model().ModType, kCpu35);

    ASSERT_TRUE(frame.ChangeModules(unchangedChoice())) << boxes.texts().join(u'|').toStdString();
    EXPECT_EQ(model().GetCPU35Mode(), 0);
    EXPECT_EQ(model().GetSlotApid(0), QStringLiteral("0x80008920"));
    EXPECT_EQ(model().GetModuleInfo().ModName, kCpu15);
}

TEST_F(ModuleChangeCommandTest, RefusedChangesLeaveTheProjectAsItWas)
{
    ASSERT_TRUE(frame.GetDeviceForm()->AddModuleToSlot(kDigitalInput, 9));
    const QByteArray before = projectBytes();
    const QString slotInUse = QStringLiteral("The slot 9 is in use.Please remove it first.");
    const QString missingPower = QStringLiteral("ulTEK 4100-PK1-99W-T");

    ModuleChoice fewerSlots = unchangedChoice();
    fewerSlots.slotCount = 5;
    ModuleChoice missingCpu = unchangedChoice();
    missingCpu.cpuModule = QStringLiteral("ulTEK 4100-CPU99-C-T");
    ModuleChoice missingPowerChoice = unchangedChoice();
    missingPowerChoice.powerModule = missingPower;

    const struct {
        const char* label;
        ModuleChoice wanted;
        QString reason; // the first box; empty: it only has to name the missing template
    } cases[] = {
        {"a module above the new slot count", fewerSlots, slotInUse},
        {"a CPU without template", missingCpu, CMainFrame::kChangeCpuFailed.toString()},
        {"a power module without template", missingPowerChoice, QString()},
    };
    for (const auto& c : cases) {
        const qsizetype first = boxes.texts().size();
        EXPECT_FALSE(frame.ChangeModules(c.wanted)) << c.label;
        const QStringList shown = boxes.texts().mid(first);
        ASSERT_EQ(shown.size(), 2) << c.label;
        if (c.reason.isEmpty())
            EXPECT_TRUE(shown[0].contains(missingPower)) << c.label;
        else
            EXPECT_EQ(shown[0], c.reason) << c.label;
        EXPECT_EQ(shown[1], CMainFrame::kChangeModuleFailed.toString()) << c.label;
        EXPECT_EQ(projectBytes(), before) << c.label;
        EXPECT_EQ(frame.GetProjectPath(), projectFile) << c.label;
        EXPECT_NE(frame.GetDeviceForm()->FindSlotNode(9), nullptr) << c.label;
        EXPECT_TRUE(tempPath.entries().isEmpty()) << c.label;
    }
}

TEST_F(ModuleChangeCommandTest, AStepThatFailsAfterTheChecksRestoresTheProject)
{
    // The Modbus slave listens on a port of the port-trunk module, so the module cannot leave its
    // slot when the slot count grows; the checks before the change look at slots only.
    model().ModbusSlave.SerialPort = QStringLiteral("S_4-P_0");
    ASSERT_TRUE(model().SaveProject(projectFile));
    const QByteArray before = projectBytes();

    // The power module is swapped first; the move that fails comes after it.
    ModuleChoice moreSlots = unchangedChoice();
    moreSlots.slotCount = 12;
    moreSlots.powerModule = kPower30;
    EXPECT_FALSE(frame.ChangeModules(moreSlots));

    ASSERT_FALSE(boxes.texts().isEmpty());
    EXPECT_EQ(boxes.texts().last(), CMainFrame::kChangeModuleFailed.toString());
    EXPECT_EQ(projectBytes(), before);
    EXPECT_EQ(model().MaxSlotCount, 9);
    EXPECT_EQ(model().GetSlotName(4), kPortTrunk);
    EXPECT_EQ(model().GetSlotName(CTemplatePlacer::kPowerSlot), kPower15);
    EXPECT_EQ(frame.GetProjectPath(), projectFile);
    EXPECT_NE(frame.GetDeviceForm()->FindSlotNode(4), nullptr);
    EXPECT_TRUE(tempPath.entries().isEmpty()) << tempPath.entries().join(u'|').toStdString();
}

} // namespace

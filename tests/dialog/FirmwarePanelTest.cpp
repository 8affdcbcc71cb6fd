#include "CFwrUpdateDlg.h"
#include "CGetDeviceInfoDlg.h"
#include "CListCtrlEx.h"
#include "CUpdateDlg.h"
#include "DeviceDialogIds.h"
#include "LanguagePack.h"
#include "PrivateTempFolder.h"
#include "RecordingFileDialogService.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray block(const QByteArray& name, quint32 version, int imageSize, quint32 valueC = 0)
{
    QByteArray header(104, '\0');
    qToLittleEndian<quint32>(104, header.data());
    header.replace(8, name.size(), name);
    qToLittleEndian<quint32>(static_cast<quint32>(imageSize), header.data() + 72);
    qToLittleEndian<quint32>(valueC, header.data() + 96);
    qToLittleEndian<quint32>(version, header.data() + 100);
    return header + QByteArray(imageSize, name.at(0));
}

QString writeFirmware(const QTemporaryDir& folder, const QList<QByteArray>& blocks)
{
    QByteArray file(64, '\0');
    qToLittleEndian<quint32>(64, file.data());
    qToLittleEndian<quint32>(kFirmwareFormatCurrent, file.data() + 4);
    qToLittleEndian<quint32>(static_cast<quint32>(blocks.size()), file.data() + 20);
    for (const QByteArray& b : blocks)
        file += b;
    const QString path = folder.filePath(QStringLiteral("source.hfm"));
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(file);
    return path;
}

TEST(FirmwarePanelTest, ListsTheSystemRowFirstAndAssemblesTheTickedModules)
{
    QTemporaryDir folder;
    const QString source = writeFirmware(
        folder, {block("ROOTFS_4100", 0x010101, 10), block("KERNEL_4100", 0x020301, 20), block("RESCUE", 0x0101, 5),
                 block("42M-5470", 0x0203, 7), block("42M-GRP-A", 0x0101, 3, kFirmwareGroupMark),
                 block("42M-GRP-B", 0x0101, 3, kFirmwareGroupMark)});
    RecordingFileDialogService files;
    files.QueueAnswer(source);
    QWidget tool;
    CFwrUpdateDlg panel(kCmdModuleFirmware, 500, 300, &tool);
    ASSERT_TRUE(panel.CreateInPlace({0, 0}));
    EXPECT_EQ(panel.itemText(kStaticPanelCaption), LoadLangString(231));
    panel.item<QPushButton>(kButtonBrowseFile)->click();
    ASSERT_EQ(files.requests().size(), 1);
    EXPECT_EQ(files.requests().first().kind, FileDialogKind::Open);
    EXPECT_EQ(files.requests().first().caption, LoadLangString(233));
    EXPECT_EQ(panel.itemText(kEditFilePath), source);

    EXPECT_EQ(panel.RowTexts(), QStringList({QStringLiteral("4100_1.1.1"), QStringLiteral("42M-5470_3.2"),
                                             QStringLiteral("42M-GRP-A_1.1")}));
    // System row ticked: kernel and root file system, then the rescue system.
    EXPECT_EQ(panel.ChosenModules(), QList<int>({1, 0, 2}));
    panel.SetRowTicked(2, true);
    EXPECT_EQ(panel.ChosenModules(), QList<int>({1, 0, 2, 4, 5}));

    panel.TickAll(false);
    EXPECT_TRUE(panel.BuildChosenFirmware().isEmpty());
    panel.SetRowTicked(1, true);
    const QString built = panel.BuildChosenFirmware();
    ASSERT_FALSE(built.isEmpty());
    EXPECT_EQ(QFileInfo(built).fileName(), QStringLiteral("ulTEK_FW_40.hfm"));
    EXPECT_EQ(QFileInfo(built).absolutePath(), QFileInfo(PrivateTempFolder()).absoluteFilePath());
    EXPECT_EQ(QFileInfo(PrivateTempFolder()).permissions() & (QFile::ReadOther | QFile::WriteOther), 0);
    FirmwareHeaderWords words{};
    std::vector<FirmwareModuleRecord> records;
    ASSERT_EQ(ReadFirmwareModuleHeaders(built, 1, words, records), kFirmwareResultOk);
    EXPECT_EQ(records.front().name, QByteArray("42M-5470"));
}

TEST(FirmwarePanelTest, AFileThatCannotBeReadLeavesTheListEmpty)
{
    QTemporaryDir folder;
    QByteArray truncated = block("KERNEL", 1, 100);
    const QString path = writeFirmware(folder, {truncated.left(150)});
    QWidget tool;
    CFwrUpdateDlg panel(kCmdModuleFirmware, 500, 300, &tool);
    ASSERT_TRUE(panel.CreateInPlace({0, 0}));
    EXPECT_FALSE(panel.LoadFirmwareFile(path));
    EXPECT_TRUE(panel.RowTexts().isEmpty());
    EXPECT_TRUE(panel.BuildChosenFirmware().isEmpty());
}

TEST(FilePanelTest, ReadingTheConfigurationAsksWhereToSave)
{
    RecordingFileDialogService files;
    files.QueueAnswer(QStringLiteral("/tmp/read.pelx"));
    QWidget tool;
    CUpdateDlg panel(kCmdReadConfiguration, 400, 80, &tool);
    ASSERT_TRUE(panel.CreateInPlace({0, 0}));
    panel.item<QPushButton>(kButtonBrowseFile)->click();
    EXPECT_EQ(files.requests().first().kind, FileDialogKind::Save);
    EXPECT_EQ(panel.ChosenPath(), QStringLiteral("/tmp/read.pelx"));
}

TEST(InformationPanelTest, AtMostSixServiceLogsCanBeEnabled)
{
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService installed(boxes);
    QWidget tool;
    CGetDeviceInfoDlg panel(kCmdLogSettings, 400, 250, &tool);
    ASSERT_TRUE(panel.CreateInPlace({0, 0}));
    EXPECT_EQ(panel.list()->GetColumnCount(), 2);
    EXPECT_TRUE(panel.control(kButtonSaveInfoFile)->isHidden());
    std::vector<LogSettingEntry> entries;
    for (std::uint16_t type = 0; type < 8; ++type)
        entries.push_back({type, type < 6 ? kLogStateEnabled : kLogStateDisabled});
    entries.push_back({kSystemLogType, kLogStateDisabled});
    panel.FillLogSettings(entries);
    EXPECT_EQ(panel.list()->GetItemText(8, 0), LoadLangString(784));
    EXPECT_EQ(panel.list()->GetItemText(0, 1), QStringLiteral("Enable"));

    auto choose = [&](int row, const char* text) {
        panel.OnListClick(row, 1);
        auto* combo = panel.item<QComboBox>(kComboLogChoice);
        combo->setCurrentIndex(combo->findText(QLatin1String(text)));
        panel.OnLogChoiceDone();
    };
    choose(6, "Enable"); // a seventh service log
    EXPECT_EQ(boxes.texts(), QStringList{LoadLangString(795)});
    EXPECT_EQ(panel.logSettings()[6].state, kLogStateDisabled);
    EXPECT_EQ(panel.list()->GetItemText(6, 1), QStringLiteral("Disable"));
    choose(8, "Enable"); // the system log is not counted
    EXPECT_EQ(panel.logSettings()[8].state, kLogStateEnabled);
    choose(0, "Disable");
    choose(6, "Enable");
    EXPECT_EQ(panel.logSettings()[6].state, kLogStateEnabled);
    EXPECT_EQ(boxes.boxes().size(), 1);
}

TEST(InformationPanelTest, SavesTheInformationFileThroughTheChooser)
{
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService installed(boxes);
    RecordingFileDialogService files;
    QTemporaryDir folder;
    const QString info = folder.filePath(QStringLiteral("x5_Info.xml"));
    QFile file(info);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<x5_Info/>");
    file.close();
    files.QueueAnswer(folder.filePath(QStringLiteral("copy.xml")));
    QWidget tool;
    CGetDeviceInfoDlg panel(kCmdDeviceInformation, 400, 250, &tool);
    ASSERT_TRUE(panel.CreateInPlace({0, 0}));
    EXPECT_FALSE(panel.control(kButtonSaveInfoFile)->isHidden());
    panel.SetInfoFilePath(info);
    panel.item<QPushButton>(kButtonSaveInfoFile)->click();
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("copy.xml"))));
    EXPECT_EQ(boxes.texts(), QStringList{LoadLangString(354)});
}

} // namespace

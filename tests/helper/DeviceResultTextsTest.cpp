#include "DeviceResultTexts.h"

#include "FileBytes.h"
#include "LanguagePack.h"
#include "RecordingFileDialogService.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"
#include "TraceLog.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <array>

namespace {

const QString kFunction = QStringLiteral("VORNA_Connect");

struct CodeAndString {
    int code;
    unsigned stringId;
};

// Every library code, success and controller status word with the string that names it.
const CodeAndString kReturnCodes[] = {
    {0x0000, 310},  {0x0001, 311},  {0x8000, 312},  {0x8001, 313},  {0x8002, 314},  {0x8003, 315}, {0x8004, 316},
    {0x8005, 317},  {0x8006, 318},  {0x8007, 773},  {0x8008, 721},  {0x8009, 722},  {0x800A, 723}, {0x800B, 724},
    {0x8010, 725},  {0x8011, 726},  {0x8012, 727},  {0x8013, 728},  {0x8014, 729},  {0x8020, 730}, {0x8021, 731},
    {2001, 319},    {2002, 320},    {2003, 321},    {2004, 322},    {2005, 323},    {2006, 324},   {2007, 325},
    {4002, 326},    {5000, 525},    {5001, 526},    {5002, 527},    {5003, 528},    {4001, 529},   {0x8060, 9820},
    {0x8061, 9821}, {0x8062, 9822}, {0x8063, 9823}, {0x8064, 9824}, {0x8065, 9825},
};

const CodeAndString kDeviceErrors[] = {
    {33, 830}, {34, 831},  {35, 832}, {36, 833},  {37, 834},  {38, 835},  {39, 836},  {40, 837}, {41, 855},
    {42, 856}, {101, 838}, {0, 838},  {102, 839}, {103, 840}, {104, 841}, {105, 842}, {1, 842},  {106, 843},
};

TEST(DeviceResultTextsTest, EveryReturnCodeNamesItsStringInBothForms)
{
    ASSERT_EQ(ReturnCodeTable().size(), std::size(kReturnCodes));
    for (const CodeAndString& c : kReturnCodes) {
        const QString text = LoadLangString(c.stringId);
        EXPECT_FALSE(text.isEmpty()) << "string " << c.stringId << " is missing from the string table";
        QString out;
        GetReturnCodeText(out, c.code, kFunction);
        EXPECT_EQ(out, kFunction + QStringLiteral(" return ") + text) << "code " << c.code;
        GetReturnCodeErrorText(out, c.code, kFunction, 10054);
        EXPECT_EQ(out, kFunction + QStringLiteral(" return ") + text + QStringLiteral(".Error code is 10054."))
            << "code " << c.code;
    }
}

TEST(DeviceResultTextsTest, UnknownReturnCodesNameTheirNumber)
{
    const struct {
        int code;
        const char* text;
        const char* errorText;
    } cases[] = {
        {0x8015, "VORNA_Connect return unknown error code=32789",
         "VORNA_Connect return unknown value=32789.Error code is -3."},
        {-1, "VORNA_Connect return unknown error code=-1", "VORNA_Connect return unknown value=-1.Error code is -3."},
        // Compared as 32-bit numbers: the low 16 bits of 0x18021 are 0x8021, yet it is no known code.
        {0x18021, "VORNA_Connect return unknown error code=98337",
         "VORNA_Connect return unknown value=98337.Error code is -3."},
        {4007, "VORNA_Connect return unknown error code=4007",
         "VORNA_Connect return unknown value=4007.Error code is -3."},
    };
    for (const auto& c : cases) {
        QString out;
        GetReturnCodeText(out, c.code, kFunction);
        EXPECT_EQ(out, QString::fromUtf8(c.text)) << c.code;
        GetReturnCodeErrorText(out, c.code, kFunction, -3);
        EXPECT_EQ(out, QString::fromUtf8(c.errorText)) << c.code;
    }
}

TEST(DeviceResultTextsTest, DeviceErrorTextsAndTheirFallback)
{
    ASSERT_EQ(DeviceErrorTable().size(), std::size(kDeviceErrors));
    for (const CodeAndString& c : kDeviceErrors) {
        QString out;
        GetDeviceErrorText(out, c.code);
        EXPECT_FALSE(out.isEmpty()) << "code " << c.code;
        EXPECT_EQ(out, LoadLangString(c.stringId)) << "code " << c.code;
    }
    QString stopped;
    QString idle;
    GetDeviceErrorText(stopped, 101);
    GetDeviceErrorText(idle, 0);
    EXPECT_EQ(idle, stopped);

    const struct {
        int code;
        const char* text;
    } unknown[] = {{2, "return unknown error code=2"},
                   {107, "return unknown error code=107"},
                   {65536 + 33, "return unknown error code=65569"},
                   {-5, "return unknown error code=-5"}};
    for (const auto& c : unknown) {
        QString out = QStringLiteral("old text");
        GetDeviceErrorText(out, c.code);
        EXPECT_EQ(out, QString::fromUtf8(c.text)) << c.code;
    }
}

TEST(DeviceResultTextsTest, ProcessingResultsFiftyToSixtyFive)
{
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {50, "Done."},
        {52, "Errod when upgrading CPU firmware."},
        {57, "Config net error."},
        {65, "Config function is not supported."},
        {49, ""},
        {66, ""},
        {-1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetDeviceResultText(c.code), QString::fromUtf8(c.text)) << c.code;
    EXPECT_STREQ(DeviceResultTexts[kDeviceResultCodeCount - 1], "Config function is not supported.");
}

class TransferStatusCallbackTest : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterProgressReceiver(&receiverContext_, [this](quint32 value) { progress_.append(value); });
    }
    void TearDown() override { UnregisterProgressReceiver(&receiverContext_); }

    QList<quint32> takeProgress()
    {
        QCoreApplication::processEvents();
        return std::exchange(progress_, {});
    }

    QObject receiverContext_;
    QList<quint32> progress_;
};

TEST_F(TransferStatusCallbackTest, ForwardsTheProgressAndAnswersTheOverwriteQuestion)
{
    const RecordedMessageBox question{QStringLiteral("do you want to over write the same file?"), QString(),
                                      MB_OKCANCEL | MB_TOPMOST};
    const struct {
        const char* label;
        quint8 state;
        quint8 percent;
        int answer; // 0: no box expected
        quint32 progress;
        quint8 stateAfter;
    } cases[] = {
        {"more to come", 1, 57, 0, 0x0139, 1},
        {"last report", 0, 100, 0, 0x0064, 0},
        {"already complete, OK", 2, 100, IDOK, 0x0264, kTransferAnswerOverwrite},
        {"already complete, Cancel", 2, 100, IDCANCEL, 0x0264, kTransferAnswerKeep},
        {"already complete, box closed", 2, 40, IDNO, 0x0228, kTransferAnswerKeep},
    };
    for (const auto& c : cases) {
        RecordingMessageBoxService boxes;
        ScopedMessageBoxService installed(boxes);
        if (c.answer != 0)
            boxes.QueueAnswer(c.answer);
        std::array<quint8, kTransferStatusLength> status{c.state, c.percent};

        TransferStatusCallback(status.data(), kTransferStatusLength);

        EXPECT_EQ(takeProgress(), QList<quint32>{c.progress}) << c.label;
        EXPECT_EQ(status[0], c.stateAfter) << c.label;
        EXPECT_EQ(status[1], c.percent) << c.label;
        const QList<RecordedMessageBox> expectedBoxes =
            c.answer != 0 ? QList<RecordedMessageBox>{question} : QList<RecordedMessageBox>{};
        EXPECT_EQ(boxes.boxes(), expectedBoxes) << c.label;
    }
}

TEST_F(TransferStatusCallbackTest, KeepsTheFileWhenNoBoxCanBeShown)
{
    IMessageBoxService* previous = SetMessageBoxService(nullptr);
    std::array<quint8, kTransferStatusLength> status{kTransferStateAlreadyComplete, 100};
    TransferStatusCallback(status.data(), kTransferStatusLength);
    SetMessageBoxService(previous);
    EXPECT_EQ(status[0], kTransferAnswerKeep);
}

TEST_F(TransferStatusCallbackTest, IgnoresARecordTooShortToHoldState)
{
    RecordingMessageBoxService boxes;
    ScopedMessageBoxService installed(boxes);
    std::array<quint8, kTransferStatusLength> status{kTransferStateAlreadyComplete, 0xAA};
    TransferStatusCallback(status.data(), 1);
    TransferStatusCallback(nullptr, kTransferStatusLength);
    EXPECT_TRUE(takeProgress().isEmpty());
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(status[0], kTransferStateAlreadyComplete);
}

class SaveDeviceInfoFileTest : public testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }

    QString writeFile(const char* name, const QByteArray& bytes) const
    {
        QFile out(path(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name;
        out.write(bytes);
        return out.fileName();
    }

    QTemporaryDir dir_;
    RecordingFileDialogService chooser_;
    RecordingMessageBoxService boxes_;
    ScopedMessageBoxService installedBoxes_{boxes_};
    const QByteArray info_ = "<DeviceInfo><Model>2300</Model></DeviceInfo>";
};

TEST_F(SaveDeviceInfoFileTest, AsksWithTheDeviceInfoFilterAndCopiesToTheChosenFile)
{
    const QString source = writeFile("x5_Info.xml", info_);
    chooser_.QueueAnswer(path("saved.xml"));

    EXPECT_TRUE(SaveDeviceInfoFileAs(source));

    ASSERT_EQ(chooser_.requests().size(), 1);
    EXPECT_EQ(chooser_.requests()[0].kind, FileDialogKind::Save);
    EXPECT_EQ(chooser_.requests()[0].filter, QStringLiteral("Device Info Files (*.xml)"));
    EXPECT_TRUE(chooser_.requests()[0].initialPath.isEmpty());
    EXPECT_EQ(ReadFileBytes(path("saved.xml")), info_);
    EXPECT_EQ(ReadFileBytes(source), info_);
    EXPECT_TRUE(boxes_.boxes().isEmpty());
}

TEST_F(SaveDeviceInfoFileTest, ReplacesAFileTheChooserConfirmed)
{
    const QString source = writeFile("x5_Info.xml", info_);
    const QString target = writeFile("old.xml", "<Old/>");
    chooser_.QueueAnswer(target);

    EXPECT_TRUE(SaveDeviceInfoFileAs(source));
    EXPECT_EQ(ReadFileBytes(target), info_);
}

TEST_F(SaveDeviceInfoFileTest, CancelAndFailuresCopyNothing)
{
    const QString source = writeFile("x5_Info.xml", info_);
    const QString target = writeFile("old.xml", "<Old/>");

    EXPECT_FALSE(SaveDeviceInfoFileAs(source)) << "cancelled";

    chooser_.QueueAnswer(target);
    EXPECT_FALSE(SaveDeviceInfoFileAs(path("missing.xml"))) << "no source";
    EXPECT_EQ(ReadFileBytes(target), QByteArray("<Old/>"));

    chooser_.QueueAnswer(path("no folder/saved.xml"));
    EXPECT_FALSE(SaveDeviceInfoFileAs(source)) << "no such folder";
    EXPECT_FALSE(QFile::exists(path("no folder/saved.xml")));
}

TEST_F(SaveDeviceInfoFileTest, ANameWithoutExtensionGetsXmlAndItsReplacementIsAsked)
{
    const QString source = writeFile("x5_Info.xml", info_);

    chooser_.QueueAnswer(path("fresh"));
    EXPECT_TRUE(SaveDeviceInfoFileAs(source));
    EXPECT_EQ(ReadFileBytes(path("fresh.xml")), info_);
    EXPECT_FALSE(QFile::exists(path("fresh")));
    EXPECT_TRUE(boxes_.boxes().isEmpty()) << "nothing to replace, nothing to ask";

    const QString existing = writeFile("kept.xml", "<Old/>");
    chooser_.QueueAnswer(path("kept"));
    boxes_.QueueAnswer(IDNO);
    EXPECT_FALSE(SaveDeviceInfoFileAs(source));
    EXPECT_EQ(ReadFileBytes(existing), QByteArray("<Old/>"));
    ASSERT_EQ(boxes_.boxes().size(), 1);
    EXPECT_TRUE(boxes_.boxes()[0].text.contains(existing)) << boxes_.boxes()[0].text.toStdString();
    EXPECT_EQ(boxes_.boxes()[0].flags, MB_YESNO | MB_ICONWARNING);

    chooser_.QueueAnswer(path("kept"));
    boxes_.QueueAnswer(IDYES);
    EXPECT_TRUE(SaveDeviceInfoFileAs(source));
    EXPECT_EQ(ReadFileBytes(existing), info_);
}

} // namespace

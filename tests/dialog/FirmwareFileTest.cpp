#include "FirmwareFile.h"

#include "Crc32.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

struct ModuleSpec {
    QByteArray name;
    quint32 version;
    QByteArray image;
    quint32 valueC = 0;
    quint32 headerLength = 128;
};

void putWord(QByteArray& bytes, int offset, quint32 value)
{
    qToLittleEndian<quint32>(value, bytes.data() + offset);
}

QByteArray moduleBlock(const ModuleSpec& spec)
{
    QByteArray header(static_cast<int>(spec.headerLength), '\0');
    putWord(header, 0, spec.headerLength);
    putWord(header, 4, 2);
    header.replace(8, spec.name.size(), spec.name);
    putWord(header, 72, static_cast<quint32>(spec.image.size()));
    putWord(header, 80, 0xA);
    putWord(header, 84, 0xB);
    putWord(header, 96, spec.valueC);
    putWord(header, 100, spec.version);
    return header + spec.image;
}

QByteArray firmwareFile(const QList<ModuleSpec>& modules, quint32 headerLength = 64)
{
    QByteArray file(static_cast<int>(headerLength), '\0');
    putWord(file, 0, headerLength);
    putWord(file, 4, kFirmwareFormatCurrent);
    putWord(file, 12, 0x1234);
    putWord(file, 20, static_cast<quint32>(modules.size()));
    putWord(file, 40, 0xCAFE);
    for (const ModuleSpec& module : modules)
        file += moduleBlock(module);
    return file;
}

class FirmwareFileTest : public testing::Test {
protected:
    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("fw.hfm"))
    {
        const QString path = folder_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    QTemporaryDir folder_;
    const QList<ModuleSpec> modules_{
        {"KERNEL", 0x00030201, QByteArray(300, 'k')},
        {"42M-5470", 0x00000105, QByteArray(77, 'm'), kFirmwareGroupMark},
    };
};

TEST_F(FirmwareFileTest, RefusesAHeaderShorterThan64)
{
    QByteArray bytes = firmwareFile(modules_);
    putWord(bytes, 0, 63);
    quint32 count = 0;
    testing::internal::CaptureStderr();
    EXPECT_EQ(GetFirmwareModuleCount(write(bytes), count), kFirmwareResultFailed);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("The firmware header length is too short !"),
              std::string::npos);
}

TEST_F(FirmwareFileTest, BuildsFromTwoModulesAndReadsThemBack)
{
    const QString source = write(firmwareFile(modules_, 96)); // a longer header is accepted
    quint32 version = 0;
    quint32 count = 0;
    FirmwareHeaderWords words{};
    std::vector<FirmwareModuleRecord> records;
    ASSERT_EQ(GetFirmwareFormatVersion(source, version), kFirmwareResultOk);
    EXPECT_EQ(version, kFirmwareFormatCurrent);
    ASSERT_EQ(GetFirmwareModuleCount(source, count), kFirmwareResultOk);
    ASSERT_EQ(ReadFirmwareModuleHeaders(source, count, words, records), kFirmwareResultOk);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].name, QByteArray("KERNEL"));
    EXPECT_TRUE(records[0].typeTwo);
    EXPECT_EQ(records[1].valueC, kFirmwareGroupMark);
    EXPECT_EQ(records[1].blockLength, 128u + 77u);

    const QString built = folder_.filePath(QStringLiteral("built.hfm"));
    ASSERT_EQ(BuildFirmwareFile(built, words, {0, 1}, records), kFirmwareResultOk);
    QFile file(built);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QByteArray blocks = records[0].block + records[1].block;
    auto word = [&](int index) { return qFromLittleEndian<quint32>(bytes.constData() + index * 4); };
    EXPECT_EQ(word(0), 64u);
    EXPECT_EQ(word(1), kFirmwareFormatCurrent);
    EXPECT_EQ(word(2), static_cast<quint32>(blocks.size()));
    EXPECT_EQ(word(3), 0x1234u); // kept from the source
    EXPECT_EQ(word(4), Crc32Update(0, blocks.constData(), static_cast<size_t>(blocks.size())));
    EXPECT_EQ(word(5), 2u);
    EXPECT_EQ(word(10), 0xCAFEu); // kept from the source
    EXPECT_EQ(bytes.mid(64), blocks);

    FirmwareHeaderWords readWords{};
    std::vector<FirmwareModuleRecord> readBack;
    ASSERT_EQ(ReadFirmwareModuleHeaders(built, 2, readWords, readBack), kFirmwareResultOk);
    ASSERT_EQ(readBack.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(readBack[i].name, records[i].name);
        EXPECT_EQ(readBack[i].block, records[i].block);
    }
}

TEST_F(FirmwareFileTest, VersionTexts)
{
    FirmwareModuleRecord record;
    record.name = "ROOTFS";
    record.version = 0x00030201;
    EXPECT_EQ(FormatModuleVersion(record), QStringLiteral("ROOTFS_1.2.3"));
    record.version = 0x00000201;
    EXPECT_EQ(FormatModuleVersion(record), QStringLiteral("ROOTFS_1.2"));
}

TEST_F(FirmwareFileTest, RefusesFilesThatClaimMoreThanTheyHold)
{
    const QByteArray whole = firmwareFile(modules_);
    const struct {
        const char* label;
        QByteArray bytes;
        quint32 count;
    } cases[] = {
        {"truncated image", whole.left(whole.size() - 1), 2},
        {"count beyond the file", whole, 1000000},
        {"header length beyond the file",
         [&] {
             QByteArray b = whole;
             putWord(b, 0, 0x7FFFFFFF);
             return b;
         }(),
         2},
        {"module header shorter than its fields",
         [&] {
             QByteArray b = whole;
             putWord(b, 64, 20);
             return b;
         }(),
         2},
        {"module header length beyond the file",
         [&] {
             QByteArray b = whole;
             putWord(b, 64, 0xFFFFFF00);
             return b;
         }(),
         2},
        {"image length beyond the file",
         [&] {
             QByteArray b = whole;
             putWord(b, 64 + 72, 0xFFFFFFF0);
             return b;
         }(),
         2},
        {"name without its end",
         [&] {
             QByteArray b = whole;
             b.replace(64 + 8, 64, QByteArray(64, 'N'));
             return b;
         }(),
         2},
        {"shorter than a header word", QByteArray(3, '\0'), 1},
    };
    for (const auto& c : cases) {
        FirmwareHeaderWords words{};
        std::vector<FirmwareModuleRecord> records;
        EXPECT_EQ(ReadFirmwareModuleHeaders(write(c.bytes), c.count, words, records), kFirmwareResultFailed) << c.label;
        EXPECT_TRUE(records.empty()) << c.label;
    }
    quint32 value = 0;
    EXPECT_EQ(GetFirmwareFormatVersion(folder_.filePath(QStringLiteral("missing")), value), kFirmwareResultFailed);
}

TEST_F(FirmwareFileTest, LegacyFilesAreListedWithoutTheirImages)
{
    QByteArray header(92, '\0');
    putWord(header, 0, 92);
    putWord(header, 4, 0x03000000);
    putWord(header, 80, 1);
    const QString path = write(header + moduleBlock(modules_[0]));
    quint32 count = 0;
    std::vector<FirmwareModuleRecord> records;
    ASSERT_EQ(GetLegacyFirmwareModuleCount(path, count), kFirmwareResultOk);
    ASSERT_EQ(count, 1u);
    ASSERT_EQ(ReadLegacyFirmwareModuleHeaders(path, count, records), kFirmwareResultOk);
    EXPECT_EQ(records[0].name, QByteArray("KERNEL"));
    EXPECT_TRUE(records[0].block.isEmpty());
}

} // namespace

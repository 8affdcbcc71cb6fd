#include "FirmwareFile.h"

#include "Crc32.h"
#include "TraceLog.h"

#include <QFile>
#include <QtEndian>

#include <optional>

namespace {

constexpr std::uint32_t kVersionWord = 1;
constexpr std::uint32_t kTotalWord = 2;
constexpr std::uint32_t kCrcWord = 4;
constexpr std::uint32_t kCountWord = 5;
constexpr std::uint32_t kCountOffset = kCountWord * 4;
constexpr std::uint32_t kLegacyCountOffset = 80;

// Module header fields, by offset in the block.
constexpr std::uint32_t kModuleTypeOffset = 4;
constexpr std::uint32_t kModuleNameOffset = 8;
constexpr std::uint32_t kModuleNameSize = 64;
constexpr std::uint32_t kModuleImageLengthOffset = 72;
constexpr std::uint32_t kModuleValueAOffset = 80;
constexpr std::uint32_t kModuleValueBOffset = 84;
constexpr std::uint32_t kModuleValueCOffset = 96;
constexpr std::uint32_t kModuleVersionOffset = 100;
constexpr std::uint32_t kModuleHeaderMin = kModuleVersionOffset + 4;
constexpr std::uint32_t kModuleTypeFlagged = 2;

// Reads words and byte ranges of one file, never past its end.
class FirmwareSource {
public:
    explicit FirmwareSource(const QString& path) : file_(path) {}

    bool Open()
    {
        if (file_.open(QIODevice::ReadOnly))
            return true;
        TraceLog("Open file %s fail !\n", qUtf8Printable(file_.fileName()));
        return false;
    }
    quint64 size() const { return static_cast<quint64>(file_.size()); }

    std::optional<QByteArray> Bytes(quint64 offset, quint64 length)
    {
        if (offset > size() || length > size() - offset || !file_.seek(static_cast<qint64>(offset)))
            return std::nullopt;
        QByteArray data = file_.read(static_cast<qint64>(length));
        if (static_cast<quint64>(data.size()) != length)
            return std::nullopt;
        return data;
    }

    std::optional<std::uint32_t> Word(quint64 offset)
    {
        const auto data = Bytes(offset, 4);
        if (!data)
            return std::nullopt;
        return qFromLittleEndian<std::uint32_t>(data->constData());
    }

private:
    QFile file_;
};

std::uint32_t wordAt(const QByteArray& data, std::uint32_t offset)
{
    return qFromLittleEndian<std::uint32_t>(data.constData() + offset);
}

// The header length word, at least minimum and within the file.
std::optional<std::uint32_t> headerLength(FirmwareSource& source, std::uint32_t minimum)
{
    const auto length = source.Word(0);
    if (!length) {
        TraceLog("Get firmware header length fail !\n");
        return std::nullopt;
    }
    if (*length < minimum || *length > source.size()) {
        TraceLog("The firmware header length is too short !\n");
        return std::nullopt;
    }
    return length;
}

int readModuleCount(const QString& path, std::uint32_t minimumHeader, std::uint32_t countOffset, std::uint32_t& count)
{
    FirmwareSource source(path);
    if (!source.Open())
        return kFirmwareResultFailed;
    const auto length = headerLength(source, minimumHeader);
    if (!length)
        return kFirmwareResultFailed;
    const auto value = source.Word(countOffset);
    if (!value) {
        TraceLog("Get firmware module count fail !\n");
        return kFirmwareResultFailed;
    }
    count = *value;
    return kFirmwareResultOk;
}

// One module block at offset: its header checked field by field against the file.
std::optional<FirmwareModuleRecord> readModule(FirmwareSource& source, quint64 offset, int index, bool keepBlock)
{
    const auto moduleHeaderLength = source.Word(offset);
    if (!moduleHeaderLength || *moduleHeaderLength < kModuleHeaderMin) {
        TraceLog("Read bin[%d] head length err\n", index);
        return std::nullopt;
    }
    const auto header = source.Bytes(offset, *moduleHeaderLength);
    if (!header) {
        TraceLog("Read bin[%d] head err\n", index);
        return std::nullopt;
    }
    const QByteArray nameField = header->mid(kModuleNameOffset, kModuleNameSize);
    const int nameEnd = nameField.indexOf('\0');
    if (nameEnd < 0) {
        TraceLog("Read bin[%d] head err\n", index);
        return std::nullopt;
    }
    FirmwareModuleRecord record;
    record.name = nameField.left(nameEnd);
    record.imageLength = wordAt(*header, kModuleImageLengthOffset);
    record.typeTwo = wordAt(*header, kModuleTypeOffset) == kModuleTypeFlagged;
    record.valueA = wordAt(*header, kModuleValueAOffset);
    record.valueB = wordAt(*header, kModuleValueBOffset);
    record.valueC = wordAt(*header, kModuleValueCOffset);
    record.version = wordAt(*header, kModuleVersionOffset);
    const quint64 blockLength = quint64(*moduleHeaderLength) + record.imageLength;
    if (blockLength > source.size() - offset || blockLength > UINT32_MAX) {
        TraceLog("fseek bin[%d] err\n", index);
        return std::nullopt;
    }
    record.blockLength = static_cast<std::uint32_t>(blockLength);
    record.position = static_cast<std::uint32_t>(offset + blockLength);
    if (keepBlock) {
        const auto block = source.Bytes(offset, blockLength);
        if (!block) {
            TraceLog("Read bin[%d] file err\n", index);
            return std::nullopt;
        }
        record.block = *block;
    }
    return record;
}

int readModules(FirmwareSource& source, std::uint32_t firstOffset, std::uint32_t count, bool keepBlocks,
                std::vector<FirmwareModuleRecord>& records)
{
    // Each block needs at least a module header: a count the file cannot hold is refused at once.
    if (quint64(count) * kModuleHeaderMin > source.size() - firstOffset) {
        TraceLog("Get firmware module count fail !\n");
        return kFirmwareResultFailed;
    }
    std::vector<FirmwareModuleRecord> read;
    quint64 offset = firstOffset;
    for (std::uint32_t i = 0; i < count; ++i) {
        auto record = readModule(source, offset, static_cast<int>(i), keepBlocks);
        if (!record)
            return kFirmwareResultFailed;
        offset = record->position;
        read.push_back(std::move(*record));
    }
    records = std::move(read);
    return kFirmwareResultOk;
}

QByteArray headerBytes(const FirmwareHeaderWords& words)
{
    QByteArray bytes(static_cast<int>(kFirmwareHeaderLength), '\0');
    for (size_t i = 0; i < words.size(); ++i)
        qToLittleEndian<std::uint32_t>(words[i], bytes.data() + i * 4);
    return bytes;
}

} // namespace

int GetFirmwareFormatVersion(const QString& path, std::uint32_t& version)
{
    FirmwareSource source(path);
    if (!source.Open())
        return kFirmwareResultFailed;
    if (!source.Word(0)) {
        TraceLog("Get firmware header length fail !\n");
        return kFirmwareResultFailed;
    }
    const auto value = source.Word(kVersionWord * 4);
    if (!value) {
        TraceLog("Get firmware version fail !\n");
        return kFirmwareResultFailed;
    }
    version = *value;
    return kFirmwareResultOk;
}

int GetFirmwareModuleCount(const QString& path, std::uint32_t& count)
{
    return readModuleCount(path, kFirmwareHeaderLength, kCountOffset, count);
}

int GetLegacyFirmwareModuleCount(const QString& path, std::uint32_t& count)
{
    return readModuleCount(path, kLegacyFirmwareHeaderMin, kLegacyCountOffset, count);
}

int ReadFirmwareModuleHeaders(const QString& path, std::uint32_t count, FirmwareHeaderWords& words,
                              std::vector<FirmwareModuleRecord>& records)
{
    FirmwareSource source(path);
    if (!source.Open())
        return kFirmwareResultFailed;
    const auto length = headerLength(source, kFirmwareHeaderLength);
    if (!length)
        return kFirmwareResultFailed;
    const auto header = source.Bytes(0, kFirmwareHeaderLength);
    if (!header)
        return kFirmwareResultFailed;
    FirmwareHeaderWords read{};
    for (size_t i = 0; i < read.size(); ++i)
        read[i] = wordAt(*header, static_cast<std::uint32_t>(i * 4));
    const int result = readModules(source, *length, count, true, records);
    if (result == kFirmwareResultOk)
        words = read;
    return result;
}

int ReadLegacyFirmwareModuleHeaders(const QString& path, std::uint32_t count,
                                    std::vector<FirmwareModuleRecord>& records)
{
    FirmwareSource source(path);
    if (!source.Open())
        return kFirmwareResultFailed;
    const auto length = headerLength(source, kLegacyFirmwareHeaderMin);
    if (!length)
        return kFirmwareResultFailed;
    return readModules(source, *length, count, false, records);
}

int BuildFirmwareFile(const QString& path, const FirmwareHeaderWords& sourceWords, const QList<int>& chosen,
                      const std::vector<FirmwareModuleRecord>& records)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Truncate)) {
        TraceLog("Open file %s fail !\n", qUtf8Printable(path));
        return kFirmwareResultFailed;
    }
    const QByteArray placeholder = headerBytes(sourceWords);
    if (file.write(placeholder) != placeholder.size()) {
        TraceLog("Write fw header to file %s fail !\n", qUtf8Printable(path));
        return kFirmwareResultFailed;
    }
    std::uint32_t crc = 0;
    quint64 total = 0;
    std::uint32_t count = 0;
    for (const int index : chosen) {
        if (index < 0 || static_cast<size_t>(index) >= records.size())
            continue;
        const FirmwareModuleRecord& record = records[static_cast<size_t>(index)];
        if (record.block.isEmpty() || file.write(record.block) != record.block.size()) {
            TraceLog("Write module %s to file %s fail !\n", record.name.constData(), qUtf8Printable(path));
            return kFirmwareResultFailed;
        }
        crc = Crc32Update(crc, record.block.constData(), static_cast<size_t>(record.block.size()));
        total += static_cast<quint64>(record.block.size());
        ++count;
    }
    FirmwareHeaderWords words = sourceWords;
    words[0] = kFirmwareHeaderLength;
    words[kVersionWord] = kFirmwareFormatCurrent;
    words[kTotalWord] = static_cast<std::uint32_t>(total);
    words[kCrcWord] = crc;
    words[kCountWord] = count;
    const QByteArray header = headerBytes(words);
    if (!file.seek(0) || file.write(header) != header.size() || !file.flush()) {
        TraceLog("Write fw header to file %s fail !\n", qUtf8Printable(path));
        return kFirmwareResultFailed;
    }
    return kFirmwareResultOk;
}

QString FormatModuleVersion(const FirmwareModuleRecord& record)
{
    const int major = record.version & 0xFF;
    const int minor = (record.version >> 8) & 0xFF;
    const int build = (record.version >> 16) & 0xFF;
    const QString name = QString::fromLatin1(record.name);
    if (build != 0)
        return QStringLiteral("%1_%2.%3.%4").arg(name).arg(major).arg(minor).arg(build);
    return QStringLiteral("%1_%2.%3").arg(name).arg(major).arg(minor);
}

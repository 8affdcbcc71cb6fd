#pragma once
// The packed firmware file: a header of 16 little-endian words (length, format version, total
// block length, CRC-32 of the blocks, module count ...) and one block per module image (module
// header, then image). Every length in a file is checked against the file's size: a file that
// does not hold what it claims is refused (result 1, traced), never read past its end.

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

inline constexpr std::uint32_t kFirmwareFormatCurrent = 0x04000000;
inline constexpr std::uint32_t kFirmwareHeaderLength = 64;
inline constexpr std::uint32_t kLegacyFirmwareHeaderMin = 92;
inline constexpr std::uint32_t kFirmwareGroupMark = 0x80005242; // value C of grouped modules
inline constexpr int kFirmwareResultOk = 0;
inline constexpr int kFirmwareResultFailed = 1;

using FirmwareHeaderWords = std::array<std::uint32_t, 16>;

struct FirmwareModuleRecord {
    QByteArray name;           // at most 63 bytes
    std::uint32_t version = 0; // byte 0 major, 1 minor, 2 build
    std::uint32_t imageLength = 0;
    std::uint32_t position = 0; // the offset just past the block
    std::uint32_t valueB = 0;
    bool typeTwo = false;
    std::uint32_t valueA = 0;
    std::uint32_t blockLength = 0; // module header and image
    std::uint32_t valueC = 0;
    QByteArray block; // header and image; current format only
};

// The second header word.
int GetFirmwareFormatVersion(const QString& path, std::uint32_t& version);
// Current format: the module count at offset 20, refused when the header is shorter than 64.
int GetFirmwareModuleCount(const QString& path, std::uint32_t& count);
int ReadFirmwareModuleHeaders(const QString& path, std::uint32_t count, FirmwareHeaderWords& words,
                              std::vector<FirmwareModuleRecord>& records);
// Older format: header of at least 92 bytes, module count at offset 80, images not kept.
int GetLegacyFirmwareModuleCount(const QString& path, std::uint32_t& count);
int ReadLegacyFirmwareModuleHeaders(const QString& path, std::uint32_t count,
                                    std::vector<FirmwareModuleRecord>& records);

// Writes the chosen modules' blocks after a header taken from the source's words, with length 64,
// the current format, the total, the CRC-32 of the blocks and the count set.
int BuildFirmwareFile(const QString& path, const FirmwareHeaderWords& sourceWords, const QList<int>& chosen,
                      const std::vector<FirmwareModuleRecord>& records);

// "<name>_<major>.<minor>.<build>", or "<name>_<major>.<minor>" when the build is 0.
QString FormatModuleVersion(const FirmwareModuleRecord& record);

// Uploads and downloads through the simulator: chunking, resume, restart, the "already complete"
// question, and every way a transfer can fail without reporting success.

#include "FileSizeLimit.h"
#include "LocalFile.h"
#include "VornaTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

using pelsim::SimFault;

namespace {

constexpr std::uint8_t kConfigType = 5;   // configuration sent to the device
constexpr std::uint8_t kReadBackType = 1; // configuration read back from the device
constexpr std::uint8_t kLogType = 3;
constexpr std::uint16_t kFileInfo = 30202;
constexpr std::uint16_t kWriteChunk = 30203;
constexpr std::uint16_t kReadChunk = 30204;

struct Chunk {
    std::uint32_t offset;
    std::uint16_t length;
    bool operator==(const Chunk&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Chunk& chunk)
{
    return out << "{" << chunk.offset << ", " << chunk.length << "}";
}

using Calls = std::vector<std::pair<int, int>>; // status, percent

Calls statusAndPercent(const ProgressRecorder& recorder)
{
    Calls calls;
    for (const auto& call : recorder.Calls()) {
        EXPECT_EQ(call.length, 2);
        calls.emplace_back(call.status, call.percent);
    }
    return calls;
}

} // namespace

class FileTransferTest : public SimulatorTest {
protected:
    // Offset and length of every chunk written (30203) or asked for (30204).
    std::vector<Chunk> Chunks(std::uint16_t command)
    {
        std::vector<Chunk> chunks;
        for (const auto& request : sim.Requests(command))
            chunks.push_back({ReadLe32(request.payload(), 2), ReadLe16(request.payload(), 6)});
        return chunks;
    }

    std::int32_t Upload(const std::string& path, std::uint8_t type = kConfigType, const char* remote = "")
    {
        return VORNA_UploadFile_ulTEK_Ex(handle, path.c_str(), remote, type, &ProgressRecorder::Callback);
    }
    std::int32_t Download(const std::string& path, std::uint8_t type = kReadBackType)
    {
        return VORNA_DownloadFile_Ex(handle, path.c_str(), "", type, &ProgressRecorder::Callback);
    }

    TempFolder folder;
    std::string local = folder.Path("local.bin");
};

// ---- Upload ----

TEST_F(FileTransferTest, UploadSendsChunksAndTrailingEmptyOnes)
{
    const struct {
        std::size_t size;
        std::vector<Chunk> chunks;
        Calls calls;
    } cases[] = {
        {10000, {{0, 4096}, {4096, 4096}, {8192, 1808}, {10000, 0}}, {{1, 40}, {1, 81}, {0, 100}, {0, 100}}},
        {8192, {{0, 4096}, {4096, 4096}, {8192, 0}, {8192, 0}}, {{1, 50}, {0, 100}, {0, 100}, {0, 100}}},
        {100, {{0, 100}, {100, 0}}, {{0, 100}, {0, 100}}},
    };
    for (const auto& c : cases) {
        sim.RemoveFile(kConfigType);
        sim.ClearRequests();
        const Bytes content = PatternBytes(c.size);
        TempFolder::Write(local, content);
        ProgressRecorder recorder;
        ASSERT_EQ(Upload(local), VORNA_RESULT_OK) << c.size;
        EXPECT_EQ(Chunks(kWriteChunk), c.chunks) << c.size;
        EXPECT_EQ(statusAndPercent(recorder), c.calls) << c.size;
        EXPECT_EQ(sim.File(kConfigType), content) << c.size;
        const auto info = sim.Requests(kFileInfo);
        ASSERT_EQ(info.size(), 1u);
        EXPECT_EQ(info[0].payload(), (Bytes{0, kConfigType, 0, 0, 0, 0, 0})) << "mode, type, size 0, empty name";
    }
}

TEST_F(FileTransferTest, UploadCarriesTheRemoteNameInEveryRequest)
{
    TempFolder::Write(local, PatternBytes(10));
    ProgressRecorder recorder;
    ASSERT_EQ(Upload(local, 6, "job.txt"), VORNA_RESULT_OK);
    const auto chunks = sim.Requests(kWriteChunk);
    ASSERT_EQ(chunks.size(), 2u);
    const Bytes& first = chunks[0].payload();
    EXPECT_EQ(Bytes(first.begin() + 8, first.begin() + 16), (Bytes{7, 'j', 'o', 'b', '.', 't', 'x', 't'}));
    EXPECT_EQ(Bytes(first.begin() + 16, first.end()), PatternBytes(10));
    EXPECT_EQ(sim.File(6, "job.txt"), PatternBytes(10));
}

TEST_F(FileTransferTest, UploadResumesAfterAMatchingPrefixAndRestartsOtherwise)
{
    const Bytes content = PatternBytes(10000);
    TempFolder::Write(local, content);
    const struct {
        const char* label;
        Bytes onDevice;
        std::vector<Chunk> chunks;
    } cases[] = {
        {"first chunk already there",
         Bytes(content.begin(), content.begin() + 4096),
         {{4096, 4096}, {8192, 1808}, {10000, 0}}},
        {"an odd prefix", Bytes(content.begin(), content.begin() + 5000), {{5000, 4096}, {9096, 904}, {10000, 0}}},
        {"different first chunk", PatternBytes(4096, 9), {{0, 4096}, {4096, 4096}, {8192, 1808}, {10000, 0}}},
        {"device's file is longer", PatternBytes(12000), {{0, 4096}, {4096, 4096}, {8192, 1808}, {10000, 0}}},
    };
    for (const auto& c : cases) {
        sim.SetFile(kConfigType, c.onDevice);
        sim.ClearRequests();
        ProgressRecorder recorder;
        ASSERT_EQ(Upload(local), VORNA_RESULT_OK) << c.label;
        EXPECT_EQ(Chunks(kWriteChunk), c.chunks) << c.label;
        EXPECT_EQ(sim.File(kConfigType), content) << c.label;
    }
}

TEST_F(FileTransferTest, UploadOfACompleteFileAsksFirst)
{
    const Bytes content = PatternBytes(5000);
    TempFolder::Write(local, content);
    sim.SetFile(kConfigType, content);
    {
        ProgressRecorder keep(VORNA_TRANSFER_KEEP);
        ASSERT_EQ(Upload(local), VORNA_RESULT_OK);
        EXPECT_EQ(statusAndPercent(keep), (Calls{{2, 0}, {0, 100}}));
        EXPECT_TRUE(sim.Requests(kWriteChunk).empty());
    }
    {
        ProgressRecorder again(VORNA_TRANSFER_AGAIN);
        ASSERT_EQ(Upload(local), VORNA_RESULT_OK);
        EXPECT_EQ(statusAndPercent(again), (Calls{{2, 0}, {1, 81}, {0, 100}, {0, 100}}));
        EXPECT_EQ(Chunks(kWriteChunk), (std::vector<Chunk>{{0, 4096}, {4096, 904}, {5000, 0}}));
    }
}

TEST_F(FileTransferTest, UploadOfMissingOrEmptyFiles)
{
    EXPECT_EQ(Upload(folder.Path("missing.bin")), VORNA_RESULT_LOCAL_FILE);
    EXPECT_EQ(Upload(folder.Path("")), VORNA_RESULT_LOCAL_FILE) << "a folder is no file";
    EXPECT_EQ(Upload(std::string()), VORNA_RESULT_LOCAL_FILE);
    EXPECT_EQ(VORNA_UploadFile_ulTEK_Ex(handle, nullptr, "", kConfigType, nullptr), VORNA_RESULT_INVALID_ARGUMENT);
    TempFolder::Write(local, {});
    EXPECT_EQ(Upload(local), VORNA_RESULT_OK);
    EXPECT_TRUE(sim.Requests().empty()) << "nothing sent for an empty file";

    // The earlier upload form sends an empty file: the info request and two empty chunks.
    ProgressRecorder recorder;
    EXPECT_EQ(VORNA_UploadFile(handle, local.c_str(), "", kConfigType, &ProgressRecorder::Callback), 0);
    EXPECT_EQ(Chunks(kWriteChunk), (std::vector<Chunk>{{0, 0}, {0, 0}}));
    EXPECT_EQ(statusAndPercent(recorder), (Calls{{0, 100}, {0, 100}}));
    EXPECT_EQ(VORNA_UploadFile_Ex(handle, folder.Path("missing.bin").c_str(), "", kConfigType, nullptr),
              VORNA_RESULT_LOCAL_FILE);
}

TEST_F(FileTransferTest, UploadNeverSendsStaleBytesAfterAShortRead)
{
    // The file is read a block of several chunks at a time; it shrinks while the first block goes out.
    constexpr std::size_t kBlock = CLocalFileReader::kBlockSize;
    const Bytes content = PatternBytes(3 * kBlock);
    TempFolder::Write(local, content);
    ProgressRecorder recorder;
    recorder.OnCall(1, [&] { TempFolder::Write(local, PatternBytes(5000)); });
    EXPECT_EQ(Upload(local), VORNA_RESULT_LOCAL_FILE);
    const std::vector<Chunk> chunks = Chunks(kWriteChunk);
    ASSERT_FALSE(chunks.empty());
    EXPECT_EQ(chunks.back().offset + chunks.back().length, kBlock) << "nothing past the block that was read";
    EXPECT_EQ(sim.File(kConfigType), Bytes(content.begin(), content.begin() + kBlock));
}

TEST_F(FileTransferTest, UploadStopsAtARefusedChunkAndResumesLater)
{
    const Bytes content = PatternBytes(10000);
    TempFolder::Write(local, content);
    sim.FailCommand(kWriteChunk, SimFault::RaisedStatus(0x0123), 1, 1);
    ProgressRecorder recorder;
    EXPECT_EQ(Upload(local), 0x0123);
    EXPECT_EQ(Chunks(kWriteChunk).size(), 2u) << "nothing after the refused chunk";
    EXPECT_EQ(sim.File(kConfigType)->size(), 8192u) << "the device kept both chunks";
    sim.ClearRequests();
    EXPECT_EQ(Upload(local), VORNA_RESULT_OK);
    EXPECT_EQ(Chunks(kWriteChunk).front(), (Chunk{8192, 1808}));
    EXPECT_EQ(sim.File(kConfigType), content);
}

TEST_F(FileTransferTest, UploadJudgesTheInfoReply)
{
    TempFolder::Write(local, PatternBytes(100));
    const struct {
        const char* label;
        SimFault fault;
        std::int32_t expected;
    } cases[] = {
        {"status other than 0 and 1", SimFault::RaisedStatus(7), 7},
        {"22 bytes", SimFault::ReplacePayload(Bytes(22, 0)), VORNA_RESULT_BAD_REPLY},
        {"24 bytes", SimFault::ReplacePayload(Bytes(24, 0)), VORNA_RESULT_BAD_REPLY},
    };
    for (const auto& c : cases) {
        sim.FailCommand(kFileInfo, c.fault);
        sim.ClearRequests();
        EXPECT_EQ(Upload(local), c.expected) << c.label;
        EXPECT_TRUE(sim.Requests(kWriteChunk).empty()) << c.label;
    }
}

// ---- Download ----

TEST_F(FileTransferTest, DownloadIntoANewFile)
{
    const Bytes remote = PatternBytes(10000);
    sim.SetFile(kReadBackType, remote);
    ProgressRecorder recorder;
    ASSERT_EQ(Download(local), VORNA_RESULT_OK);
    EXPECT_EQ(TempFolder::Read(local), remote);
    EXPECT_EQ(Chunks(kReadChunk), (std::vector<Chunk>{{0, 4096}, {4096, 4096}, {8192, 4096}}));
    EXPECT_EQ(statusAndPercent(recorder), (Calls{{1, 40}, {1, 81}, {1, 100}}));
    EXPECT_EQ(ReadLe32(sim.Requests(kFileInfo)[0].payload(), 2), 0u) << "the local size";
}

TEST_F(FileTransferTest, DownloadResumesOrRestarts)
{
    const Bytes remote = PatternBytes(10000);
    sim.SetFile(kReadBackType, remote);
    const struct {
        const char* label;
        Bytes localBefore;
        std::uint32_t firstOffset;
    } cases[] = {
        {"local prefix", Bytes(remote.begin(), remote.begin() + 5000), 5000},
        {"local file longer", PatternBytes(12000), 0},
        {"local file differs", PatternBytes(5000, 4), 0},
    };
    for (const auto& c : cases) {
        TempFolder::Write(local, c.localBefore);
        sim.ClearRequests();
        ProgressRecorder recorder;
        ASSERT_EQ(Download(local), VORNA_RESULT_OK) << c.label;
        EXPECT_EQ(TempFolder::Read(local), remote) << c.label;
        EXPECT_EQ(ReadLe32(sim.Requests(kFileInfo)[0].payload(), 2), c.localBefore.size()) << c.label;
        EXPECT_EQ(Chunks(kReadChunk).front().offset, c.firstOffset) << c.label;
    }
}

TEST_F(FileTransferTest, DownloadOfACompleteFileAsksFirst)
{
    const Bytes remote = PatternBytes(3000);
    sim.SetFile(kReadBackType, remote);
    TempFolder::Write(local, remote);
    {
        ProgressRecorder keep(VORNA_TRANSFER_KEEP);
        ASSERT_EQ(Download(local), VORNA_RESULT_OK);
        EXPECT_EQ(statusAndPercent(keep), (Calls{{2, 0}, {0, 100}}));
        EXPECT_TRUE(sim.Requests(kReadChunk).empty());
    }
    {
        ProgressRecorder again(VORNA_TRANSFER_AGAIN);
        ASSERT_EQ(Download(local), VORNA_RESULT_OK);
        EXPECT_EQ(Chunks(kReadChunk), (std::vector<Chunk>{{0, 4096}}));
        EXPECT_EQ(TempFolder::Read(local), remote);
    }
}

TEST_F(FileTransferTest, DownloadEndingBeforeTheAnnouncedSizeFailsAndKeepsTheLocalFile)
{
    const Bytes remote = PatternBytes(10000);
    sim.SetFile(kReadBackType, remote);
    const struct {
        const char* label;
        std::optional<Bytes> before;
    } cases[] = {
        {"no local file", std::nullopt},
        {"a prefix to resume", Bytes(remote.begin(), remote.begin() + 3000)},
        {"another file to replace", PatternBytes(7000, 3)},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(local);
        if (c.before)
            TempFolder::Write(local, *c.before);
        sim.FailCommand(kReadChunk, SimFault::EndOfFile(), 1, 1);
        ProgressRecorder recorder;
        EXPECT_EQ(Download(local), VORNA_RESULT_SHORT_DOWNLOAD) << c.label;
        if (c.before)
            EXPECT_EQ(TempFolder::Read(local), *c.before) << c.label;
        else
            EXPECT_FALSE(TempFolder::Exists(local)) << c.label;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path("")), {}), c.before ? 1 : 0)
            << c.label << ": nothing is left behind";
    }
}

TEST_F(FileTransferTest, ALocalWriteFailureKeepsTheOldFile)
{
    const Bytes remote = PatternBytes(3 * CLocalFileWriter::kBlockSize);
    sim.SetFile(kReadBackType, remote);
    const Bytes old = PatternBytes(7000, 3);
    TempFolder::Write(local, old);
    {
        const FileSizeLimit limit(remote.size() / 2);
        ProgressRecorder recorder;
        EXPECT_EQ(Download(local), VORNA_RESULT_LOCAL_FILE);
    }
    EXPECT_EQ(TempFolder::Read(local), old) << "the user's file is byte for byte the old one";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path("")), {}), 1) << "no partial file is left";
    ProgressRecorder recorder;
    EXPECT_EQ(Download(local), VORNA_RESULT_OK);
    EXPECT_EQ(TempFolder::Read(local), remote);
}

TEST_F(FileTransferTest, DownloadRefusesWhatTheAnnouncementDoesNotCover)
{
    sim.SetFile(kReadBackType, PatternBytes(50));
    Bytes hugeInfo = {0, 0, 0, 0x01, 0x00, 0x00, 0x10};
    hugeInfo.resize(23, 0);
    const struct {
        const char* label;
        std::uint16_t command;
        Bytes payload;
    } cases[] = {
        {"data beyond the announced size", kReadChunk, Bytes{0, 0, 0, 100, 0} + PatternBytes(100)},
        {"data length larger than the reply", kReadChunk, {0, 0, 0, 16, 0, 1, 2, 3}},
        {"chunk reply without its header", kReadChunk, {0, 0, 0, 1}},
        {"announced size above 256 MiB", kFileInfo, hugeInfo},
    };
    for (const auto& c : cases) {
        TempFolder::Write(local, {9, 9, 9});
        sim.FailCommand(c.command, SimFault::ReplacePayload(c.payload));
        ProgressRecorder recorder;
        EXPECT_EQ(Download(local), VORNA_RESULT_BAD_REPLY) << c.label;
        EXPECT_EQ(TempFolder::Read(local), (Bytes{9, 9, 9})) << c.label << ": the local file is untouched";
    }
}

TEST_F(FileTransferTest, DownloadFailureOnTheWayLeavesTheLocalFile)
{
    Reconnect(kShortTimeoutMs);
    const Bytes remote = PatternBytes(10000);
    sim.SetFile(kReadBackType, remote);
    const Bytes prefix(remote.begin(), remote.begin() + 5000);
    TempFolder::Write(local, prefix);
    sim.FailCommand(kReadChunk, SimFault::Silence(), 1, 1);
    ProgressRecorder recorder;
    EXPECT_EQ(Download(local), VORNA_RESULT_TIMEOUT);
    EXPECT_EQ(TempFolder::Read(local), prefix);
    sim.ClearFaults();
    EXPECT_EQ(Download(local), VORNA_RESULT_OK);
    EXPECT_EQ(TempFolder::Read(local), remote);
}

TEST_F(FileTransferTest, DownloadFailingAfterSeveralBlocksLeavesTheLocalFile)
{
    // The file is written in blocks while chunks arrive; a refusal after some blocks went out undoes them.
    constexpr std::size_t kBlock = CLocalFileWriter::kBlockSize;
    const Bytes remote = PatternBytes(3 * kBlock + 100);
    sim.SetFile(kReadBackType, remote);
    const struct {
        const char* label;
        std::optional<Bytes> before;
    } cases[] = {
        {"no local file", std::nullopt},
        {"a prefix to resume", Bytes(remote.begin(), remote.begin() + 5000)},
        {"another file to replace", PatternBytes(7000, 3)},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(local);
        if (c.before)
            TempFolder::Write(local, *c.before);
        sim.FailCommand(kReadChunk, SimFault::RaisedStatus(0x0123), 1, 2 * kBlock / VORNA_CHUNK_SIZE + 1);
        ProgressRecorder recorder;
        EXPECT_EQ(Download(local), 0x0123) << c.label;
        if (c.before)
            EXPECT_EQ(TempFolder::Read(local), *c.before) << c.label;
        else
            EXPECT_FALSE(TempFolder::Exists(local)) << c.label;
        sim.ClearFaults();
        EXPECT_EQ(Download(local), VORNA_RESULT_OK) << c.label;
        EXPECT_EQ(TempFolder::Read(local), remote) << c.label;
    }
}

TEST_F(FileTransferTest, DownloadErrorsOfTheDeviceAndTheLocalFile)
{
    EXPECT_EQ(Download(local), pelsim::kStatusNoSuchFile) << "the device has no such file";
    EXPECT_FALSE(TempFolder::Exists(local));

    sim.SetFile(kReadBackType, PatternBytes(10));
    EXPECT_EQ(Download(folder.Path("no/such/folder/file.bin")), VORNA_RESULT_LOCAL_FILE) << "cannot be written";
    EXPECT_EQ(Download(folder.Path("")), VORNA_RESULT_LOCAL_FILE) << "a folder cannot be read";
    EXPECT_EQ(VORNA_DownloadFile(handle, local.c_str(), "", kReadBackType, nullptr), VORNA_RESULT_OK)
        << "no callback is fine";
    EXPECT_EQ(TempFolder::Read(local), PatternBytes(10));
}

TEST_F(FileTransferTest, LogDownloadUsesTheCallersChunkAndOneClosingRequest)
{
    const Bytes log = PatternBytes(2500);
    const std::string name = "läuft.log"; // the length byte counts UTF-8 bytes
    sim.SetFile(kLogType, log, name);
    sim.Update([&](pelsim::SimDeviceData& d) { d.logRetrieveValues[{kLogType, name}] = {11, 22}; });
    std::uint32_t first = 0;
    std::uint32_t second = 0;
    ProgressRecorder recorder;
    ASSERT_EQ(VORNA_DownloadFile_Retrieve_Log(handle, local.c_str(), name.c_str(), kLogType, 0x10000 + 1000, &first,
                                              &second, &ProgressRecorder::Callback),
              VORNA_RESULT_OK);
    EXPECT_EQ(TempFolder::Read(local), log);
    EXPECT_EQ(first, 11u);
    EXPECT_EQ(second, 22u);
    EXPECT_EQ(Chunks(kReadChunk), (std::vector<Chunk>{{0, 1000}, {1000, 1000}, {2000, 1000}, {2500, 1000}}))
        << "the low 16 bits of the chunk size, and a last request after all data";
    const Bytes info = sim.Requests(30206).at(0).payload();
    EXPECT_EQ(info[6], name.size());
    EXPECT_EQ(statusAndPercent(recorder), (Calls{{1, 40}, {1, 80}, {1, 100}, {0, 100}}));
}

TEST_F(FileTransferTest, LogDownloadTakesWhatIsLeftFromTheLastChunk)
{
    // 2500 bytes in chunks of 1000: the third reply brings the last 500, whatever its length says.
    const Bytes log = PatternBytes(2500);
    const Bytes rest(log.begin() + 2000, log.end());
    const auto lastReply = [](std::uint16_t lengthField, const Bytes& data) {
        return Bytes{0, 0, 0, static_cast<std::uint8_t>(lengthField), static_cast<std::uint8_t>(lengthField >> 8)} +
               data;
    };
    const struct {
        const char* label;
        Bytes reply;
        std::int32_t expected;
    } cases[] = {
        {"a full chunk", lastReply(1000, rest + Bytes(500, 0xEE)), VORNA_RESULT_OK},
        {"exactly the rest", lastReply(500, rest), VORNA_RESULT_OK},
        {"a length field of 0", lastReply(0, rest), VORNA_RESULT_OK},
        {"a length field beyond the chunk", lastReply(4000, rest + Bytes(100, 0xEE)), VORNA_RESULT_OK},
        {"fewer bytes than are left", lastReply(499, Bytes(rest.begin(), rest.end() - 1)), VORNA_RESULT_BAD_REPLY},
    };
    sim.SetFile(kLogType, log);
    for (const auto& c : cases) {
        std::filesystem::remove(local);
        sim.ClearRequests();
        sim.FailCommand(kReadChunk, SimFault::ReplacePayload(c.reply), 1, 2);
        std::uint32_t first = 0;
        std::uint32_t second = 0;
        ProgressRecorder recorder;
        EXPECT_EQ(VORNA_DownloadFile_Retrieve_Log(handle, local.c_str(), "", kLogType, 1000, &first, &second,
                                                  &ProgressRecorder::Callback),
                  c.expected)
            << c.label;
        sim.ClearFaults();
        if (c.expected != VORNA_RESULT_OK) {
            EXPECT_FALSE(TempFolder::Exists(local)) << c.label << ": nothing is written";
            continue;
        }
        EXPECT_EQ(TempFolder::Read(local), log) << c.label;
        EXPECT_EQ(Chunks(kReadChunk), (std::vector<Chunk>{{0, 1000}, {1000, 1000}, {2000, 1000}, {2500, 1000}}))
            << c.label;
        EXPECT_EQ(statusAndPercent(recorder), (Calls{{1, 40}, {1, 80}, {1, 100}, {0, 100}})) << c.label;
    }
}

TEST_F(FileTransferTest, CompareOnly)
{
    const Bytes remote = PatternBytes(6000);
    std::uint16_t state = 7;
    EXPECT_EQ(VORNA_GetFileInfo(handle, local.c_str(), "", kReadBackType, &state), VORNA_RESULT_OK);
    EXPECT_EQ(state, 7u) << "the device has no such file: left as it was";

    sim.SetFile(kReadBackType, remote);
    const struct {
        const char* label;
        Bytes localContent;
        std::uint16_t state;
    } cases[] = {
        {"same file", remote, 1},
        {"local prefix", Bytes(remote.begin(), remote.begin() + 100), 0},
        {"empty local file", {}, 2}, // the device digests its whole file for size 0
        {"different", PatternBytes(100, 5), 2},
        {"local longer", PatternBytes(7000), 2},
    };
    for (const auto& c : cases) {
        TempFolder::Write(local, c.localContent);
        state = 7;
        EXPECT_EQ(VORNA_GetFileInfo(handle, local.c_str(), "", kReadBackType, &state), VORNA_RESULT_OK) << c.label;
        EXPECT_EQ(state, c.state) << c.label;
    }
    EXPECT_TRUE(sim.Requests(kReadChunk).empty());
}

TEST_F(FileTransferTest, PercentOfALargeUploadNeverWraps)
{
    // Above 42.9 MB offset x 100 no longer fits 32 bits.
    constexpr std::uintmax_t kSize = 45'000'000;
    // Eleven thousand requests: on a busy machine or under sanitizers one of them may stall for
    // a while, which is no fault of the library.
    Reconnect(kPatientTimeoutMs);
    TempFolder::Write(local, {});
    std::filesystem::resize_file(local, kSize);
    sim.SetRecording(false);
    ProgressRecorder recorder;
    ASSERT_EQ(Upload(local), VORNA_RESULT_OK);
    int previous = 0;
    for (const auto& call : recorder.Calls()) {
        ASSERT_GE(call.percent, previous);
        previous = call.percent;
    }
    EXPECT_EQ(previous, 100);
    EXPECT_EQ(sim.File(kConfigType)->size(), kSize);
}

// File transfer through libvorna against the controller simulator on 127.0.0.1, beside two
// stop-and-wait loops over a loopback socket pair that move the same 4096-byte chunks with the
// same request and reply sizes. The plain loop is the most this protocol can carry with one
// request in flight (of_loop: the library's rate over it, the median of alternating pairs, with
// of_loop_min and of_loop_max). The checked loop also does the work no implementation can skip:
// both ends compute and check the frame CRC, and the device end stores each uploaded chunk or
// reads each downloaded one from its stored file (of_checked_loop). Every side does the same file
// work inside the timed part: the loops read the local file (upload) or create and write it
// (download) in 64 KiB blocks, as the library does, so the ratios compare the transfers and not
// whether a file is touched. Also the digest throughput of the library's exports.

#include "DeviceSimulator.h"
#include "SimCrc16.h"
#include "VORNA.h"

#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kFileSize = 32u << 20;
constexpr std::size_t kChunk = VORNA_CHUNK_SIZE;
constexpr std::uint8_t kFileType = 6;
constexpr std::uint32_t kTimeoutMs = 10000;
constexpr std::size_t kDigestBufferSize = 1u << 20;
constexpr std::size_t kFileBlock = 16 * kChunk; // the library's block for its local file

// Frame sizes of one transfer pass with an empty remote name: 12 header bytes and 2 CRC bytes
// around 30203 (mode, type, offset, length, name length, data) and its 2-byte status reply, and
// around 30204 (mode, type, offset, size, name length) and its status, flag, length and data.
constexpr std::size_t kFrameOverhead = 14;
constexpr std::size_t kCrcSize = 2;
constexpr std::size_t kWriteRequestSize = kFrameOverhead + 9 + kChunk;
constexpr std::size_t kWriteReplySize = kFrameOverhead + 2;
constexpr std::size_t kReadRequestSize = kFrameOverhead + 9;
constexpr std::size_t kReadReplySize = kFrameOverhead + 5 + kChunk;

Bytes RandomBytes(std::size_t size)
{
    std::mt19937 random(12345);
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; i += 4) {
        const std::uint32_t word = random();
        std::memcpy(bytes.data() + i, &word, std::min<std::size_t>(4, size - i));
    }
    return bytes;
}

const Bytes& FileContent()
{
    static const Bytes content = RandomBytes(kFileSize);
    return content;
}

std::filesystem::path TemporaryPath(const char* name)
{
    return std::filesystem::temp_directory_path() /
           (std::string("pelandrix-vornabench-") + std::to_string(::getpid()) + "-" + name);
}

bool WriteFile(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// Read in one piece: the check after each download stays short beside the timed part.
Bytes ReadFile(const std::filesystem::path& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    std::ifstream in(path, std::ios::binary);
    Bytes bytes(error ? 0 : static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in || in.peek() != std::char_traits<char>::eof())
        bytes.clear();
    return bytes;
}

void IgnoreProgress(TransferStatus*, int)
{}

// One library connection to the simulator for the whole benchmark.
class LibraryConnection {
public:
    explicit LibraryConnection(std::uint16_t port)
    {
        result_ = VORNA_Init();
        if (result_ == VORNA_RESULT_OK)
            result_ = VORNA_Connect("127.0.0.1", port, kTimeoutMs, &handle_);
    }
    ~LibraryConnection()
    {
        if (result_ == VORNA_RESULT_OK)
            VORNA_Disconnect(handle_);
        VORNA_Exit();
    }
    int32_t result() const { return result_; }
    int32_t handle() const { return handle_; }

private:
    int32_t result_ = 0;
    int32_t handle_ = 0;
};

bool SendAll(int socket, const std::uint8_t* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t sent = ::send(socket, data, size, MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

bool ReceiveAll(int socket, std::uint8_t* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t received = ::recv(socket, data, size, 0);
        if (received <= 0)
            return false;
        data += received;
        size -= static_cast<std::size_t>(received);
    }
    return true;
}

// Two connected TCP sockets on 127.0.0.1 with Nagle off, as the library and the simulator use.
class LoopbackPair {
public:
    LoopbackPair()
    {
        const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(listener, 1);
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
        client_ = ::socket(AF_INET, SOCK_STREAM, 0);
        ok_ = ::connect(client_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        server_ = ::accept(listener, nullptr, nullptr);
        ::close(listener);
        const int on = 1;
        for (int socket : {client_, server_})
            ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        ok_ = ok_ && server_ >= 0;
    }
    ~LoopbackPair()
    {
        ::close(client_);
        ::close(server_);
    }
    bool ok() const { return ok_; }
    int client() const { return client_; }
    int server() const { return server_; }

private:
    int client_ = -1;
    int server_ = -1;
    bool ok_ = false;
};

// The loop's local file: read block by block for an upload, created and written block by block
// for a download.
class LoopFile {
public:
    LoopFile(const std::filesystem::path& path, bool upload) : upload_(upload), block_(kFileBlock)
    {
        if (!upload)
            std::filesystem::remove(path);
        descriptor_ = upload ? ::open(path.c_str(), O_RDONLY | O_CLOEXEC)
                             : ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    }
    ~LoopFile()
    {
        if (descriptor_ != -1)
            ::close(descriptor_);
    }
    bool ok() const { return descriptor_ != -1; }
    // The chunk at offset, from the block read last (read when the chunk starts a block).
    const std::uint8_t* ChunkAt(std::size_t offset)
    {
        const std::size_t inBlock = offset % kFileBlock;
        if (inBlock == 0)
            ok_ = ok_ && ::pread(descriptor_, block_.data(), kFileBlock, static_cast<off_t>(offset)) ==
                             static_cast<ssize_t>(kFileBlock);
        return block_.data() + inBlock;
    }
    void Append(const std::uint8_t* chunk)
    {
        std::memcpy(block_.data() + used_, chunk, kChunk);
        used_ += kChunk;
        if (used_ == kFileBlock)
            Flush();
    }
    // Writes what is pending and closes the file; true when everything went well.
    bool Finish()
    {
        if (!upload_)
            Flush();
        ok_ = ok_ && ::close(descriptor_) == 0;
        descriptor_ = -1;
        return ok_;
    }

private:
    void Flush()
    {
        ok_ = ok_ && ::write(descriptor_, block_.data(), used_) == static_cast<ssize_t>(used_);
        used_ = 0;
    }

    bool upload_;
    int descriptor_ = -1;
    Bytes block_;
    std::size_t used_ = 0;
    bool ok_ = true;
};

// What a loop does besides moving bytes.
enum class LoopWork {
    Plain,   // nothing: the bytes go as they are
    Checked, // frame CRCs computed and checked at both ends, the device end stores or reads the data
};

// Writes the CRC of the frame's other bytes into its last two.
void SealFrame(Bytes& frame)
{
    const std::uint16_t crc = pelsim::SimCrc16Modbus(frame.data(), frame.size() - kCrcSize);
    frame[frame.size() - 2] = static_cast<std::uint8_t>(crc);
    frame[frame.size() - 1] = static_cast<std::uint8_t>(crc >> 8);
}

bool FrameIsSealed(const Bytes& frame)
{
    const std::uint16_t crc = pelsim::SimCrc16Modbus(frame.data(), frame.size() - kCrcSize);
    return frame[frame.size() - 2] == static_cast<std::uint8_t>(crc) &&
           frame[frame.size() - 1] == static_cast<std::uint8_t>(crc >> 8);
}

// Where the checked loop's device end stores an upload: made and touched once, so its page
// faults are not timed (the simulator's storage keeps its capacity likewise).
Bytes& LoopDeviceStorage()
{
    static Bytes storage(kFileSize, 0);
    return storage;
}

// The device end of a loop: answers each request of requestSize bytes with replySize bytes.
// Checked, it keeps an uploaded file in storage and serves a download from it.
void LoopDevice(int socket, std::size_t requestSize, std::size_t replySize, LoopWork work)
{
    const bool upload = requestSize > kChunk;
    const bool checked = work == LoopWork::Checked;
    Bytes request(requestSize), reply(replySize, 0);
    const Bytes& stored = FileContent();
    Bytes& storage = LoopDeviceStorage();
    std::uint8_t* const chunkInRequest = request.data() + requestSize - kChunk - kCrcSize;
    std::uint8_t* const chunkInReply = reply.data() + replySize - kChunk - kCrcSize;
    for (std::size_t offset = 0; offset < kFileSize; offset += kChunk) {
        if (!ReceiveAll(socket, request.data(), request.size()))
            return;
        if (checked) {
            if (!FrameIsSealed(request))
                return;
            if (upload)
                std::memcpy(storage.data() + offset, chunkInRequest, kChunk);
            else
                std::memcpy(chunkInReply, stored.data() + offset, kChunk);
            SealFrame(reply);
        }
        if (!SendAll(socket, reply.data(), reply.size()))
            return;
    }
}

// Moves the file's worth of chunks with one request in flight; the peer answers each request of
// requestSize bytes with replySize bytes. The upload reads file, the download creates it. Returns
// MB/s, or nothing when the sockets, the file or a check fail.
std::optional<double> StopAndWaitRate(std::size_t requestSize, std::size_t replySize, const std::filesystem::path& file,
                                      LoopWork work = LoopWork::Plain)
{
    LoopbackPair pair;
    if (!pair.ok())
        return std::nullopt;
    const std::size_t passes = kFileSize / kChunk;
    const bool checked = work == LoopWork::Checked;
    std::thread peer(LoopDevice, pair.server(), requestSize, replySize, work);
    const bool upload = requestSize > kChunk;
    Bytes request(requestSize, 0), reply(replySize);
    const auto start = Clock::now();
    LoopFile local(file, upload);
    bool ok = local.ok();
    for (std::size_t i = 0; ok && i < passes; ++i) {
        // The chunk goes into the request, or comes out of the reply, as the library's would.
        if (upload)
            std::memcpy(request.data() + requestSize - kChunk - kCrcSize, local.ChunkAt(i * kChunk), kChunk);
        if (checked)
            SealFrame(request);
        ok = SendAll(pair.client(), request.data(), request.size()) &&
             ReceiveAll(pair.client(), reply.data(), reply.size());
        ok = ok && (!checked || FrameIsSealed(reply));
        if (ok && !upload)
            local.Append(reply.data() + replySize - kChunk - kCrcSize);
    }
    ok = local.Finish() && ok;
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    ::shutdown(pair.client(), SHUT_RDWR);
    peer.join();
    if (!upload)
        std::filesystem::remove(file);
    if (!ok)
        return std::nullopt;
    return double(kFileSize) / 1e6 / seconds;
}

double RateOf(double seconds)
{
    return double(kFileSize) / 1e6 / seconds;
}

// The library against the loops in alternating rounds (plain loop, checked loop, library), so
// that a passing load on the shared machine falls on every side of a round; the ratios of the
// rounds are reported as their median, with the lowest and highest.
constexpr int kPairs = 7;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void ReportRatios(benchmark::State& state, const std::string& name, const std::vector<double>& ratios)
{
    state.counters[name] = Median(ratios);
    state.counters[name + "_min"] = *std::min_element(ratios.begin(), ratios.end());
    state.counters[name + "_max"] = *std::max_element(ratios.begin(), ratios.end());
}

// libraryRun: one whole transfer, untimed preparation included; returns its transfer time in
// seconds, or nothing when it failed (the error is already reported).
template <class LibraryRun>
void ComparePairs(benchmark::State& state, std::size_t requestSize, std::size_t replySize,
                  const std::filesystem::path& loopFile, LibraryRun libraryRun)
{
    std::vector<double> libraryRates, loopRates, checkedRates, ratios, checkedRatios;
    LoopDeviceStorage();
    // One untimed run first: one-off costs (the simulator's first digest of the file, its storage
    // growing to the file's size) belong to neither side of a pair.
    if (!libraryRun())
        return;
    for (auto _ : state) {
        for (int pair = 0; pair < kPairs; ++pair) {
            const std::optional<double> loopRate = StopAndWaitRate(requestSize, replySize, loopFile);
            const std::optional<double> checkedRate =
                StopAndWaitRate(requestSize, replySize, loopFile, LoopWork::Checked);
            if (!loopRate || !checkedRate) {
                state.SkipWithError("loopback socket pair, a check or the loop's file failed");
                return;
            }
            const std::optional<double> seconds = libraryRun();
            if (!seconds)
                return;
            libraryRates.push_back(RateOf(*seconds));
            loopRates.push_back(*loopRate);
            checkedRates.push_back(*checkedRate);
            ratios.push_back(libraryRates.back() / *loopRate);
            checkedRatios.push_back(libraryRates.back() / *checkedRate);
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(kFileSize * libraryRates.size()));
    state.counters["MB/s"] = Median(libraryRates);
    state.counters["loop_MB/s"] = Median(loopRates);
    state.counters["checked_loop_MB/s"] = Median(checkedRates);
    ReportRatios(state, "of_loop", ratios);
    ReportRatios(state, "of_checked_loop", checkedRatios);
}

void BM_StopAndWaitLoop(benchmark::State& state, std::size_t requestSize, std::size_t replySize, LoopWork work)
{
    LoopDeviceStorage();
    const bool upload = requestSize > kChunk;
    const auto file = TemporaryPath(upload ? "loop-upload.bin" : "loop-download.bin");
    if (upload && !WriteFile(file, FileContent())) {
        state.SkipWithError("cannot write the local file");
        return;
    }
    std::optional<double> best;
    for (auto _ : state) {
        const auto rate = StopAndWaitRate(requestSize, replySize, file, work);
        if (!rate) {
            state.SkipWithError("loopback socket pair, a check or the loop's file failed");
            break;
        }
        best = std::max(best.value_or(0), *rate);
    }
    std::filesystem::remove(file);
    state.SetBytesProcessed(static_cast<int64_t>(kFileSize * state.iterations()));
    state.counters["MB/s"] = best.value_or(0);
}

// Leaves one wrong byte on the device, so the next upload starts from offset 0 instead of finding
// the file complete; the device's storage keeps its capacity, so its page faults are not timed.
void ForceWholeUpload(pelsim::DeviceSimulator& sim)
{
    sim.Update([](pelsim::SimDeviceData& d) {
        Bytes& file = d.files[{kFileType, ""}];
        file.assign(1, static_cast<std::uint8_t>(~FileContent()[0]));
    });
}

void BM_LibraryUpload(benchmark::State& state)
{
    pelsim::DeviceSimulator sim;
    sim.SetRecording(false);
    const auto local = TemporaryPath("upload.bin");
    if (!WriteFile(local, FileContent())) {
        state.SkipWithError("cannot write the local file");
        return;
    }
    LibraryConnection connection(sim.port());
    if (connection.result() != VORNA_RESULT_OK) {
        state.SkipWithError("cannot connect to the simulator");
        return;
    }
    ComparePairs(state, kWriteRequestSize, kWriteReplySize, local, [&]() -> std::optional<double> {
        ForceWholeUpload(sim);
        const auto start = Clock::now();
        const int32_t result =
            VORNA_UploadFile_ulTEK_Ex(connection.handle(), local.c_str(), "", kFileType, IgnoreProgress);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (result != VORNA_RESULT_OK) {
            state.SkipWithError(("upload failed with " + std::to_string(result)).c_str());
            return std::nullopt;
        }
        if (sim.File(kFileType) != FileContent()) {
            state.SkipWithError("the simulator holds other bytes than were uploaded");
            return std::nullopt;
        }
        return seconds;
    });
    std::filesystem::remove(local);
}

void BM_LibraryDownload(benchmark::State& state)
{
    pelsim::DeviceSimulator sim;
    sim.SetRecording(false);
    sim.SetFile(kFileType, FileContent());
    const auto local = TemporaryPath("download.bin");
    LibraryConnection connection(sim.port());
    if (connection.result() != VORNA_RESULT_OK) {
        state.SkipWithError("cannot connect to the simulator");
        return;
    }
    ComparePairs(state, kReadRequestSize, kReadReplySize, TemporaryPath("loop-download.bin"),
                 [&]() -> std::optional<double> {
                     std::filesystem::remove(local); // a whole download every time, never a resume
                     const auto start = Clock::now();
                     const int32_t result =
                         VORNA_DownloadFile_Ex(connection.handle(), local.c_str(), "", kFileType, IgnoreProgress);
                     const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
                     if (result != VORNA_RESULT_OK) {
                         state.SkipWithError(("download failed with " + std::to_string(result)).c_str());
                         return std::nullopt;
                     }
                     if (ReadFile(local) != FileContent()) {
                         state.SkipWithError("the downloaded file differs from the simulator's");
                         return std::nullopt;
                     }
                     return seconds;
                 });
    std::filesystem::remove(local);
}

void BM_LibraryCrc16(benchmark::State& state)
{
    state.SkipWithError(
        "libvorna exports no CRC-16 (its frame CRC is internal); see SimulatorCrc16 for the device side");
}

void BM_SimulatorCrc16(benchmark::State& state)
{
    const Bytes buffer = RandomBytes(kDigestBufferSize);
    for (auto _ : state)
        benchmark::DoNotOptimize(pelsim::SimCrc16Modbus(buffer.data(), buffer.size()));
    state.SetBytesProcessed(static_cast<int64_t>(buffer.size() * state.iterations()));
}

void BM_LibraryMd5OneShot(benchmark::State& state)
{
    const Bytes buffer = RandomBytes(kDigestBufferSize);
    std::uint8_t digest[16];
    for (auto _ : state) {
        VORNA_MD5Gen(buffer.data(), static_cast<std::uint32_t>(buffer.size()), digest);
        benchmark::DoNotOptimize(digest);
    }
    state.SetBytesProcessed(static_cast<int64_t>(buffer.size() * state.iterations()));
}

// The form the resumable upload uses: the length first, then blocks of one chunk.
void BM_LibraryMd5FourCall(benchmark::State& state)
{
    const Bytes buffer = RandomBytes(kDigestBufferSize);
    std::uint8_t digest[16];
    for (auto _ : state) {
        Md5Context context;
        std::uint32_t counter = 0;
        VORNA_MD5Gen_4_ulTEK_Init(&context);
        VORNA_MD5Gen_4_ulTEK_Set_Len(&context, &counter, static_cast<std::uint32_t>(buffer.size()));
        for (std::size_t offset = 0; offset < buffer.size(); offset += kChunk)
            VORNA_MD5Gen_4_ulTEK_Update(&context, &counter, buffer.data() + offset, static_cast<std::uint32_t>(kChunk));
        VORNA_MD5Gen_4_ulTEK_Final(&context, digest);
        benchmark::DoNotOptimize(digest);
    }
    state.SetBytesProcessed(static_cast<int64_t>(buffer.size() * state.iterations()));
}

} // namespace

BENCHMARK_CAPTURE(BM_StopAndWaitLoop, Upload, kWriteRequestSize, kWriteReplySize, LoopWork::Plain)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_StopAndWaitLoop, Download, kReadRequestSize, kReadReplySize, LoopWork::Plain)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_StopAndWaitLoop, CheckedUpload, kWriteRequestSize, kWriteReplySize, LoopWork::Checked)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_StopAndWaitLoop, CheckedDownload, kReadRequestSize, kReadReplySize, LoopWork::Checked)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK(BM_LibraryUpload)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_LibraryDownload)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_LibraryCrc16);
BENCHMARK(BM_SimulatorCrc16);
BENCHMARK(BM_LibraryMd5OneShot);
BENCHMARK(BM_LibraryMd5FourCall);

BENCHMARK_MAIN();

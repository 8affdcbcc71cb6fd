// File transfer through libvorna against the controller simulator on 127.0.0.1, beside a plain
// stop-and-wait loop over a loopback socket pair that moves the same 4096-byte chunks with the
// same request and reply sizes: with one request in flight, that loop is the most this protocol
// can carry, and the library should reach at least 0.8 of it (of_loop: the median of five
// alternating pairs, of_loop_min and of_loop_max beside it). Both sides do the same file work
// inside the timed part: the loop reads the local file (upload) or creates and writes it
// (download) in 64 KiB blocks, as the library does, so the ratio compares the transfers and not
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

// Moves the file's worth of chunks with one request in flight; the peer answers each request of
// requestSize bytes with replySize bytes. The upload reads file, the download creates it. Returns
// MB/s, or nothing when the sockets or the file fail.
std::optional<double> StopAndWaitRate(std::size_t requestSize, std::size_t replySize, const std::filesystem::path& file)
{
    LoopbackPair pair;
    if (!pair.ok())
        return std::nullopt;
    const std::size_t passes = kFileSize / kChunk;
    std::thread peer([&] {
        Bytes request(requestSize), reply(replySize, 0);
        for (std::size_t i = 0; i < passes; ++i)
            if (!ReceiveAll(pair.server(), request.data(), request.size()) ||
                !SendAll(pair.server(), reply.data(), reply.size()))
                return;
    });
    const bool upload = requestSize > kChunk;
    Bytes request(requestSize, 0), reply(replySize);
    const auto start = Clock::now();
    LoopFile local(file, upload);
    bool ok = local.ok();
    for (std::size_t i = 0; ok && i < passes; ++i) {
        // The chunk goes into the request, or comes out of the reply, as the library's would.
        if (upload)
            std::memcpy(request.data() + requestSize - kChunk - kCrcSize, local.ChunkAt(i * kChunk), kChunk);
        ok = SendAll(pair.client(), request.data(), request.size()) &&
             ReceiveAll(pair.client(), reply.data(), reply.size());
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

// The library against the loop in alternating pairs (loop, then library, five times), so that a
// passing load on the shared machine falls on both sides of a pair; the ratio of each pair is
// reported as its median, with the lowest and highest.
constexpr int kPairs = 5;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// libraryRun: one whole transfer, untimed preparation included; returns its transfer time in
// seconds, or nothing when it failed (the error is already reported).
template <class LibraryRun>
void ComparePairs(benchmark::State& state, std::size_t requestSize, std::size_t replySize,
                  const std::filesystem::path& loopFile, LibraryRun libraryRun)
{
    std::vector<double> libraryRates, loopRates, ratios;
    // One untimed run first: one-off costs (the simulator's first digest of the file, its storage
    // growing to the file's size) belong to neither side of a pair.
    if (!libraryRun())
        return;
    for (auto _ : state) {
        for (int pair = 0; pair < kPairs; ++pair) {
            const std::optional<double> loopRate = StopAndWaitRate(requestSize, replySize, loopFile);
            if (!loopRate) {
                state.SkipWithError("loopback socket pair or the loop's file failed");
                return;
            }
            const std::optional<double> seconds = libraryRun();
            if (!seconds)
                return;
            libraryRates.push_back(RateOf(*seconds));
            loopRates.push_back(*loopRate);
            ratios.push_back(libraryRates.back() / *loopRate);
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(kFileSize * libraryRates.size()));
    state.counters["MB/s"] = Median(libraryRates);
    state.counters["loop_MB/s"] = Median(loopRates);
    state.counters["of_loop"] = Median(ratios);
    state.counters["of_loop_min"] = *std::min_element(ratios.begin(), ratios.end());
    state.counters["of_loop_max"] = *std::max_element(ratios.begin(), ratios.end());
}

void BM_StopAndWaitLoop(benchmark::State& state, std::size_t requestSize, std::size_t replySize)
{
    const bool upload = requestSize > kChunk;
    const auto file = TemporaryPath(upload ? "loop-upload.bin" : "loop-download.bin");
    if (upload && !WriteFile(file, FileContent())) {
        state.SkipWithError("cannot write the local file");
        return;
    }
    std::optional<double> best;
    for (auto _ : state) {
        const auto rate = StopAndWaitRate(requestSize, replySize, file);
        if (!rate) {
            state.SkipWithError("loopback socket pair or the loop's file failed");
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

BENCHMARK_CAPTURE(BM_StopAndWaitLoop, Upload, kWriteRequestSize, kWriteReplySize)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_StopAndWaitLoop, Download, kReadRequestSize, kReadReplySize)
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

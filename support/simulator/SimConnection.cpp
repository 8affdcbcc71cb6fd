#include "SimConnection.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/uio.h>
#include <unistd.h>

namespace pelsim {
namespace {

constexpr int kIdleTickMilliseconds = 20;     // how soon a queued push or a drop is noticed
constexpr std::size_t kReceiveBuffer = 65536; // far above one frame (at most 4400 bytes)

Bytes ProgressPayload(const SimFirmwareProgress& progress)
{
    return {progress.percent, progress.state};
}

} // namespace

SimConnection::SimConnection(int id, int socket, int stopFd, SimCommandDispatcher& dispatcher, SimFaultPlan& faults,
                             SimRequestLog& log)
    : id_(id), socket_(socket), stopFd_(stopFd), dispatcher_(dispatcher), faults_(faults), log_(log)
{}

SimConnection::~SimConnection()
{
    Stop();
    thread_.reset();
    ::close(socket_);
}

void SimConnection::Start(std::unique_ptr<SimReadyThread> thread)
{
    thread_ = std::move(thread);
    thread_->Run([this] { Run(); });
}

void SimConnection::QueuePush(std::uint16_t command, Bytes payload)
{
    std::lock_guard lock(pushMutex_);
    pushes_.push_back({Clock::now(), command, std::move(payload)});
    pushesQueued_ = true;
}

void SimConnection::Drop()
{
    ::shutdown(socket_, SHUT_RDWR);
}

void SimConnection::Stop()
{
    stopping_ = true;
    Drop();
}

void SimConnection::Run()
{
    // A blocking receive with a short time-out: one system call per request, and still a look at
    // the pushes queue every few milliseconds. Stop() wakes it at once.
    Bytes buffer(kReceiveBuffer);
    std::size_t used = 0;
    int tick = 0;
    while (!stopping_) {
        if (!SendDuePushes())
            break;
        if (const int wait = MillisecondsToNextPush(); wait != tick) {
            tick = wait;
            const timeval timeout{0, tick * 1000};
            ::setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        }
        const ssize_t received = ::recv(socket_, buffer.data() + used, buffer.size() - used, 0);
        if (received < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK))
            continue;
        if (received <= 0)
            break;
        used += static_cast<std::size_t>(received);
        if (!HandleInput(buffer, used))
            break;
    }
    // The client sees the end at once; the socket itself is closed when the object goes.
    ::shutdown(socket_, SHUT_RDWR);
    finished_ = true;
}

bool SimConnection::HandleInput(Bytes& buffer, std::size_t& used)
{
    std::size_t start = 0;
    bool keep = true;
    while (keep && start < used) {
        SimFrameView frame;
        std::size_t consumed = 0;
        const auto result = DecodeFrameView(buffer.data() + start, used - start, frame, consumed);
        if (result == SimDecodeResult::NeedMore)
            break;
        if (result == SimDecodeResult::Unsynchronised) {
            // Nothing tells where the next frame begins: keep the bytes and hang up.
            SimRecordedRequest garbage;
            garbage.connection = id_;
            garbage.raw.assign(buffer.begin() + start, buffer.begin() + used);
            log_.Add(std::move(garbage));
            return false;
        }
        keep = HandleRequest(frame, buffer.data() + start, consumed);
        start += consumed;
    }
    // What is left is less than one frame, so the buffer always has room for the next receive.
    std::copy(buffer.begin() + start, buffer.begin() + used, buffer.begin());
    used -= start;
    return keep;
}

bool SimConnection::HandleRequest(const SimFrameView& frame, const std::uint8_t* raw, std::size_t rawSize)
{
    // The frame is copied only for a log that keeps it.
    const bool recording = log_.enabled();
    SimRecordedRequest record;
    record.connection = id_;
    if (recording) {
        record.raw.assign(raw, raw + rawSize);
        record.frame = CopyOf(frame);
    }
    record.decoded = true;
    if (!frame.Valid()) {
        // A corrupt frame is dropped unanswered, as a device on a noisy line would.
        if (recording)
            log_.Add(std::move(record));
        return true;
    }
    SimReply reply = dispatcher_.Dispatch(frame, record);
    if (recording)
        log_.Add(std::move(record));
    if (!reply.send)
        return true;
    const SimFrameHeader& header = frame.header;
    if (!SendFrame(header.sequence, header.command, std::move(reply.payload), faults_.Take(header.command, false)))
        return false;
    SchedulePushes(reply.pushAfter, reply.pushInterval);
    return true;
}

bool SimConnection::SendFrame(std::uint16_t sequence, std::uint16_t command, Bytes payload,
                              const std::optional<SimFault>& fault)
{
    if (fault) {
        switch (fault->kind) {
        case SimFaultKind::Silence:
            return !fault->closeAfter;
        case SimFaultKind::DropConnection:
            return false;
        case SimFaultKind::Delay:
            std::this_thread::sleep_for(std::chrono::milliseconds(fault->value));
            break;
        case SimFaultKind::PushProgressFirst:
            for (const auto& progress : fault->pushed)
                if (!SendPushed(kCmdFirmwareProgress, ProgressPayload(progress)))
                    return false;
            break;
        default:
            ApplyPayloadFault(*fault, command, payload);
            break;
        }
    }
    if (!fault)
        return SendPlainFrame(sequence, command, payload);
    const Bytes frame = EncodeFaultyFrame(&*fault, sequence, command, payload);
    const bool sent = fault->kind == SimFaultKind::ByteByByte ? SendByteByByte(frame, fault->value)
                                                              : SendAll(frame.data(), frame.size());
    return sent && !fault->closeAfter;
}

bool SimConnection::SendPlainFrame(std::uint16_t sequence, std::uint16_t command, const Bytes& payload)
{
    SimFrameHeaderBytes header = EncodeFrameHeader(SimFrameHeader::For(sequence, command, payload.size()));
    SimFrameTrailerBytes trailer = EncodeFrameTrailer(header, payload);
    iovec pieces[] = {{header.data(), header.size()},
                      {const_cast<std::uint8_t*>(payload.data()), payload.size()},
                      {trailer.data(), trailer.size()}};
    return SendAllGathered(pieces, std::size(pieces));
}

bool SimConnection::SendByteByByte(const Bytes& frame, std::uint32_t microsecondsBetween)
{
    for (std::uint8_t byte : frame) {
        if (!SendAll(&byte, 1))
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(microsecondsBetween));
    }
    return true;
}

bool SimConnection::SendPushed(std::uint16_t command, Bytes payload)
{
    return SendFrame(pushSequence_++, command, std::move(payload), faults_.Take(command, true));
}

void SimConnection::SchedulePushes(const std::vector<SimFirmwareProgress>& frames, std::chrono::milliseconds interval)
{
    if (frames.empty())
        return;
    std::lock_guard lock(pushMutex_);
    auto due = Clock::now();
    for (const auto& progress : frames) {
        due += interval;
        pushes_.push_back({due, kCmdFirmwareProgress, ProgressPayload(progress)});
    }
    pushesQueued_ = true;
}

bool SimConnection::SendDuePushes()
{
    while (pushesQueued_) {
        ScheduledPush push;
        {
            std::lock_guard lock(pushMutex_);
            if (pushes_.empty() || pushes_.front().due > Clock::now())
                return true;
            push = std::move(pushes_.front());
            pushes_.pop_front();
            pushesQueued_ = !pushes_.empty();
        }
        if (!SendPushed(push.command, std::move(push.payload)))
            return false;
    }
    return true;
}

int SimConnection::MillisecondsToNextPush()
{
    if (!pushesQueued_)
        return kIdleTickMilliseconds;
    std::lock_guard lock(pushMutex_);
    if (pushes_.empty())
        return kIdleTickMilliseconds;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(pushes_.front().due - Clock::now()).count();
    // At least 1: a receive time-out of 0 would mean no time-out at all.
    return static_cast<int>(std::clamp<long long>(wait, 1, kIdleTickMilliseconds));
}

bool SimConnection::SendAll(const std::uint8_t* data, std::size_t size)
{
    iovec piece{const_cast<std::uint8_t*>(data), size};
    return SendAllGathered(&piece, 1);
}

bool SimConnection::SendAllGathered(iovec* pieces, std::size_t count)
{
    for (;;) {
        while (count > 0 && pieces->iov_len == 0) {
            ++pieces;
            --count;
        }
        if (count == 0)
            return true;
        // Try first: a reply normally fits the socket buffer, and waiting only when it does not
        // saves a poll per reply.
        msghdr message{};
        message.msg_iov = pieces;
        message.msg_iovlen = count;
        const ssize_t sent = ::sendmsg(socket_, &message, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent > 0) {
            for (auto left = static_cast<std::size_t>(sent); left > 0;) {
                const std::size_t taken = std::min(left, pieces->iov_len);
                pieces->iov_base = static_cast<std::uint8_t*>(pieces->iov_base) + taken;
                pieces->iov_len -= taken;
                left -= taken;
                if (pieces->iov_len == 0) {
                    ++pieces;
                    --count;
                }
            }
            continue;
        }
        if (sent == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR))
            return false;
        if (!WaitUntilWritable())
            return false;
    }
}

bool SimConnection::WaitUntilWritable()
{
    pollfd fds[2] = {{socket_, POLLOUT, 0}, {stopFd_, POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0 && errno != EINTR)
        return false;
    return fds[1].revents == 0 && (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) == 0;
}

} // namespace pelsim

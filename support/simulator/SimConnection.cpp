#include "SimConnection.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
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
    if (thread_.joinable())
        thread_.join();
    ::close(socket_);
}

void SimConnection::Start()
{
    thread_ = std::thread([this] { Run(); });
}

void SimConnection::QueuePush(std::uint16_t command, Bytes payload)
{
    std::lock_guard lock(pushMutex_);
    pushes_.push_back({Clock::now(), command, std::move(payload)});
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
        SimFrame frame;
        std::size_t consumed = 0;
        const auto result = DecodeFrame(buffer.data() + start, used - start, frame, consumed);
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
        keep = HandleRequest(std::move(frame), buffer.data() + start, consumed);
        start += consumed;
    }
    // What is left is less than one frame, so the buffer always has room for the next receive.
    std::copy(buffer.begin() + start, buffer.begin() + used, buffer.begin());
    used -= start;
    return keep;
}

bool SimConnection::HandleRequest(SimFrame frame, const std::uint8_t* raw, std::size_t rawSize)
{
    SimRecordedRequest record;
    record.connection = id_;
    if (log_.enabled())
        record.raw.assign(raw, raw + rawSize);
    record.decoded = true;
    record.frame = std::move(frame);
    const std::uint16_t sequence = record.frame.sequence;
    const std::uint16_t command = record.frame.command;
    if (!record.frame.Valid()) {
        // A corrupt frame is dropped unanswered, as a device on a noisy line would.
        log_.Add(std::move(record));
        return true;
    }
    SimReply reply = dispatcher_.Dispatch(record.frame, record);
    log_.Add(std::move(record));
    if (!reply.send)
        return true;
    if (!SendFrame(sequence, command, std::move(reply.payload), faults_.Take(command, false)))
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
    const Bytes frame = EncodeFaultyFrame(fault ? &*fault : nullptr, sequence, command, payload);
    const bool sent = fault && fault->kind == SimFaultKind::ByteByByte ? SendByteByByte(frame, fault->value)
                                                                       : SendAll(frame.data(), frame.size());
    return sent && !(fault && fault->closeAfter);
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
    std::lock_guard lock(pushMutex_);
    auto due = Clock::now();
    for (const auto& progress : frames) {
        due += interval;
        pushes_.push_back({due, kCmdFirmwareProgress, ProgressPayload(progress)});
    }
}

bool SimConnection::SendDuePushes()
{
    for (;;) {
        ScheduledPush push;
        {
            std::lock_guard lock(pushMutex_);
            if (pushes_.empty() || pushes_.front().due > Clock::now())
                return true;
            push = std::move(pushes_.front());
            pushes_.pop_front();
        }
        if (!SendPushed(push.command, std::move(push.payload)))
            return false;
    }
}

int SimConnection::MillisecondsToNextPush()
{
    std::lock_guard lock(pushMutex_);
    if (pushes_.empty())
        return kIdleTickMilliseconds;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(pushes_.front().due - Clock::now()).count();
    // At least 1: a receive time-out of 0 would mean no time-out at all.
    return static_cast<int>(std::clamp<long long>(wait, 1, kIdleTickMilliseconds));
}

bool SimConnection::SendAll(const std::uint8_t* data, std::size_t size)
{
    while (size > 0) {
        // Try first: a reply normally fits the socket buffer, and waiting only when it does not
        // saves a poll per reply.
        const ssize_t sent = ::send(socket_, data, size, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent > 0) {
            data += sent;
            size -= static_cast<std::size_t>(sent);
            continue;
        }
        if (sent == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR))
            return false;
        pollfd fds[2] = {{socket_, POLLOUT, 0}, {stopFd_, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR)
            return false;
        if (fds[1].revents != 0 || (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0)
            return false;
    }
    return true;
}

} // namespace pelsim

#include "SimSearchResponder.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace pelsim {
namespace {

// The search's wire format: request "ULTKSRCH", version, buffer size; answer "ULTKHERE", two
// (IP text of 16 bytes, MAC) pairs and the second-interface flag.
constexpr char kRequestMagic[8] = {'U', 'L', 'T', 'K', 'S', 'R', 'C', 'H'};
constexpr char kAnswerMagic[8] = {'U', 'L', 'T', 'K', 'H', 'E', 'R', 'E'};
constexpr std::size_t kRequestSize = 12;
constexpr std::size_t kAddressSize = 16;

void appendAddress(std::string& out, const std::string& ip, const SimMac& mac)
{
    std::string field(kAddressSize, '\0');
    std::memcpy(field.data(), ip.data(), std::min(ip.size(), kAddressSize - 1));
    out += field;
    out.append(reinterpret_cast<const char*>(mac.data()), mac.size());
}

std::string answerDatagram(const SimSearchAnswer& answer)
{
    std::string out(kAnswerMagic, sizeof kAnswerMagic);
    appendAddress(out, answer.firstIp, answer.firstMac);
    appendAddress(out, answer.secondIp, answer.secondMac);
    out.push_back(answer.useSecond ? 1 : 0);
    return out;
}

[[noreturn]] void Fail(const char* what)
{
    throw std::runtime_error(std::string("search responder: ") + what + ": " + std::strerror(errno));
}

} // namespace

SimSearchResponder::SimSearchResponder(std::uint16_t port)
    : answers_{{"127.0.0.1", SimDeviceData{}.deviceMac, "", {}, false}}
{
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        Fail("pipe");
    stopRead_ = pipeEnds[0];
    stopWrite_ = pipeEnds[1];
    socket_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    socklen_t length = sizeof address;
    if (socket_ < 0 || ::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (socket_ >= 0)
            ::close(socket_);
        ::close(stopRead_);
        ::close(stopWrite_);
        Fail("bind 127.0.0.1");
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

SimSearchResponder::~SimSearchResponder()
{
    const char stop = 1;
    while (::write(stopWrite_, &stop, 1) < 0 && errno == EINTR) {}
    thread_.join();
    ::close(socket_);
    ::close(stopRead_);
    ::close(stopWrite_);
}

void SimSearchResponder::SetAnswers(std::vector<SimSearchAnswer> answers)
{
    std::lock_guard lock(mutex_);
    answers_ = std::move(answers);
}

std::string SimSearchResponder::LastRequestSource() const
{
    std::lock_guard lock(mutex_);
    return lastSource_;
}

void SimSearchResponder::Serve()
{
    for (;;) {
        pollfd fds[2] = {{socket_, POLLIN, 0}, {stopRead_, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR)
            return;
        if (fds[1].revents != 0)
            return;
        if (fds[0].revents == 0)
            continue;
        char request[512];
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        const ssize_t size =
            ::recvfrom(socket_, request, sizeof request, 0, reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (size < static_cast<ssize_t>(kRequestSize) || std::memcmp(request, kRequestMagic, sizeof kRequestMagic) != 0)
            continue;
        std::vector<SimSearchAnswer> answers;
        {
            std::lock_guard lock(mutex_);
            answers = answers_;
            char source[INET_ADDRSTRLEN] = {};
            ::inet_ntop(AF_INET, &from.sin_addr, source, sizeof source);
            lastSource_ = source;
        }
        ++requests_;
        for (const SimSearchAnswer& answer : answers) {
            const std::string datagram = answerDatagram(answer);
            ::sendto(socket_, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&from), fromLength);
        }
    }
}

} // namespace pelsim

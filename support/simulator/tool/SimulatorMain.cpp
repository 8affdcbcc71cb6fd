// pelandrix-simulator: serves the controller simulator on 127.0.0.1 so a person can try the device
// operations from the program. TCP for the device protocol and UDP for the device search, both on
// the given port (default: the controller port 10124). Ends on Ctrl+C.
//
//   pelandrix-simulator [port]

#include "DeviceSimulator.h"
#include "SimSearchResponder.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <unistd.h>

namespace {

constexpr std::uint16_t kControllerPort = 10124;
volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

bool parsePort(const char* text, std::uint16_t& port)
{
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 10);
    if (end == text || *end != '\0' || value == 0 || value > 65535)
        return false;
    port = static_cast<std::uint16_t>(value);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::uint16_t port = kControllerPort;
    if (argc > 2 || (argc == 2 && !parsePort(argv[1], port))) {
        std::fprintf(stderr, "usage: %s [port]   (default %u, always on 127.0.0.1)\n", argv[0], kControllerPort);
        return 2;
    }
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    try {
        pelsim::DeviceSimulator device(port);
        pelsim::SimSearchResponder search(port);
        const pelsim::SimDeviceData data = device.Snapshot();
        std::printf("Controller simulator on 127.0.0.1:%u (TCP), device search answers on UDP 127.0.0.1:%u\n",
                    device.port(), search.port());
        std::printf("Login: %s / %s. Ctrl+C ends it.\n", data.accounts.front().user.c_str(),
                    data.accounts.front().password.c_str());
        std::fflush(stdout);
        while (!stopRequested)
            ::pause();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

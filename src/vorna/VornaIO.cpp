#include "VornaIO.h"

#include "IPHelp.h"
#include "ModuleRTU.h"
#include "SockEIO.h"
#include "VornaError.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kMacTextLength = 17; // "AA-BB-CC-DD-EE-FF"
constexpr std::size_t kMacTextStride = 3;

std::uint8_t hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<std::uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<std::uint8_t>(c - 'a' + 10);
    return 0;
}

} // namespace

CVornaIO::CVornaIO(std::size_t capacity) : m_capacity(std::min(capacity, kCapacity))
{}

CVornaIO::~CVornaIO() = default;

CVornaIO& CVornaIO::Instance()
{
    static CVornaIO table;
    return table;
}

void CVornaIO::Startup()
{
    const std::lock_guard lock(m_mutex);
    ++m_startups;
}

int CVornaIO::Cleanup()
{
    const std::lock_guard lock(m_mutex);
    if (m_startups == 0)
        return -1;
    --m_startups;
    return 0;
}

std::size_t CVornaIO::SlotCount() const
{
    const std::lock_guard lock(m_mutex);
    return m_slots.size();
}

std::optional<MacAddress> CVornaIO::ParseMac(const char* text)
{
    if (text == nullptr || std::strlen(text) != kMacTextLength)
        return std::nullopt;
    MacAddress mac{};
    for (std::size_t i = 0; i < mac.size(); ++i)
        mac[i] =
            static_cast<std::uint8_t>(hexDigit(text[kMacTextStride * i]) << 4 | hexDigit(text[kMacTextStride * i + 1]));
    return mac;
}

std::int32_t CVornaIO::AddConnection(const std::string& ip, std::uint16_t port, std::uint32_t timeoutMs,
                                     const char* mac)
{
    {
        const std::lock_guard lock(m_mutex);
        Require(m_startups > 0, VORNA_RESULT_SOCKET_CREATE);
        // A full table refuses before any socket exists.
        Require(HasFreeSlot(), VORNA_RESULT_SOCKET_CREATE);
    }
    // Connecting may take the whole time-out: other threads go on using the table meanwhile.
    auto socket = std::make_unique<CVornaSockEIO>(timeoutMs, CIPHelp::SelectedAddress());
    socket->Connect(ip, port);
    auto rtu = std::make_unique<CRTUTCP>(std::move(socket));
    if (const std::optional<MacAddress> target = ParseMac(mac)) {
        rtu->SetTargetMac(*target);
        rtu->SetGatewayEnabled(true);
    }
    auto module = std::make_shared<CModuleRTU>(std::move(rtu));
    const std::lock_guard lock(m_mutex);
    return Insert(std::move(module));
}

bool CVornaIO::HasFreeSlot() const
{
    return m_slots.size() < m_capacity || std::find(m_slots.begin(), m_slots.end(), nullptr) != m_slots.end();
}

std::int32_t CVornaIO::Insert(std::shared_ptr<CModuleRTU> module)
{
    // Threads that connected at once may have taken the last slots since the check.
    Require(HasFreeSlot(), VORNA_RESULT_SOCKET_CREATE);
    const auto freeSlot = std::find(m_slots.begin(), m_slots.end(), nullptr);
    const std::size_t slot = static_cast<std::size_t>(freeSlot - m_slots.begin());
    if (slot == m_slots.size())
        m_slots.push_back(std::move(module));
    else
        m_slots[slot] = std::move(module);
    return static_cast<std::int32_t>(slot) + VORNA_FIRST_HANDLE;
}

std::size_t CVornaIO::SlotOf(std::int32_t handle) const
{
    Require(handle >= VORNA_FIRST_HANDLE && handle <= VORNA_LAST_HANDLE, VORNA_RESULT_BAD_HANDLE);
    const std::size_t slot = static_cast<std::size_t>(handle - VORNA_FIRST_HANDLE);
    Require(slot < m_slots.size() && m_slots[slot] != nullptr, VORNA_RESULT_BAD_HANDLE);
    return slot;
}

std::shared_ptr<CModuleRTU> CVornaIO::Find(std::int32_t handle)
{
    const std::lock_guard lock(m_mutex);
    return m_slots[SlotOf(handle)];
}

void CVornaIO::RemoveConnection(std::int32_t handle)
{
    std::shared_ptr<CModuleRTU> removed; // closed outside the lock, or by the call still holding it
    const std::lock_guard lock(m_mutex);
    const std::size_t slot = SlotOf(handle);
    removed = std::move(m_slots[slot]);
    if (slot + 1 == m_slots.size())
        m_slots.pop_back();
}

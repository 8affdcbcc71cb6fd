#pragma once
// The one table of open connections. A handle is the slot index + VORNA_FIRST_HANDLE; a freed
// slot is taken again by the next connect, lowest first. Every thread may connect, disconnect and
// look up at once: the table is locked only while it is read or changed, never while a socket
// waits, and a call holds its connection, so a disconnect on another thread cannot free it under
// the call; the last holder closes it.

#include "RTUTCP.h"
#include "VORNA.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class CModuleRTU;

class CVornaIO {
public:
    static constexpr std::size_t kCapacity = VORNA_LAST_HANDLE - VORNA_FIRST_HANDLE + 1;

    explicit CVornaIO(std::size_t capacity = kCapacity);
    ~CVornaIO();
    CVornaIO(const CVornaIO&) = delete;
    CVornaIO& operator=(const CVornaIO&) = delete;

    // The library's table.
    static CVornaIO& Instance();

    // Connects and returns the new handle: 2001, 2003 (also when every slot is taken).
    // A MAC text "AA-BB-CC-DD-EE-FF" routes the connection through the gateway.
    std::int32_t AddConnection(const std::string& ip, std::uint16_t port, std::uint32_t timeoutMs, const char* mac);
    // Frees the connection and closes its socket: 4002 when the handle is not in the table.
    void RemoveConnection(std::int32_t handle);
    // The connection, held for the caller's call: 4002 when the handle is not in the table.
    std::shared_ptr<CModuleRTU> Find(std::int32_t handle);
    std::size_t SlotCount() const;

    // The socket library's start count: connects need it started.
    void Startup();
    // 0, or -1 when it was not started.
    int Cleanup();

    // Six bytes from the hexadecimal digit pairs of a 17-character text; nullopt for any other.
    static std::optional<MacAddress> ParseMac(const char* text);

private:
    // Callers hold m_mutex.
    std::size_t SlotOf(std::int32_t handle) const;
    bool HasFreeSlot() const;
    std::int32_t Insert(std::shared_ptr<CModuleRTU> module);

    mutable std::mutex m_mutex;
    std::vector<std::shared_ptr<CModuleRTU>> m_slots;
    std::size_t m_capacity;
    int m_startups = 0;
};

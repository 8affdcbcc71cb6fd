#pragma once
// The state of the caps, num and scroll lock keys, as the windowing system reports it.

#include <optional>

struct LockKeyState {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;
    friend bool operator==(const LockKeyState&, const LockKeyState&) = default;
};

// The current state on X11 (through XKB's named indicators); nothing where the windowing system
// does not tell (Wayland, offscreen, a build without X11).
std::optional<LockKeyState> ReadLockKeyState();

#pragma once
// The busy cursor while the UI thread waits (a device request, a search): set while the guard
// lives. Guards nest. Message boxes belong outside the guard, so they show the normal cursor.

class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    // True while some guard sets the busy cursor.
    static bool IsShown();
};

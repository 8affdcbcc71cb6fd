#include "LockKeyState.h"

#if defined(PELANDRIX_HAVE_XKB)
#include <QGuiApplication>

#include <X11/XKBlib.h>
#endif

#if defined(PELANDRIX_HAVE_XKB)
namespace {

// A keyboard without that indicator reads as "off".
bool indicatorOn(Display* display, const char* name)
{
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None)
        return false;
    Bool on = False;
    return XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) && on;
}

} // namespace
#endif

std::optional<LockKeyState> ReadLockKeyState()
{
#if defined(PELANDRIX_HAVE_XKB)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    return LockKeyState{indicatorOn(display, "Caps Lock"), indicatorOn(display, "Num Lock"),
                        indicatorOn(display, "Scroll Lock")};
#else
    return std::nullopt;
#endif
}

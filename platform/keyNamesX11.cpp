// The active keyboard layout asked through XKB on the X display the application runs on.
#include "platform/keyNames.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace keyNames {

namespace {

// X key codes are evdev codes + 8; up to F12 the evdev codes are the set 1 make codes.
constexpr int X_KEYCODE_OFFSET = 8;

// One connection of our own for the program's life; null where there is no X display.
Display* display()
{
    static Display* const connection = [] {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return static_cast<Display*>(nullptr);
        return XOpenDisplay(nullptr);
    }();
    return connection;
}

} // namespace

QString layoutKeyText(int scanCode)
{
    Display* dpy = display();
    if (!dpy || scanCode < 1 || scanCode > 88)
        return QString();
    XkbStateRec state;
    const unsigned group = XkbGetState(dpy, XkbUseCoreKbd, &state) == Success ? state.group : 0;
    const auto keycode = KeyCode(scanCode + X_KEYCODE_OFFSET);
    const KeySym unshifted = XkbKeycodeToKeysym(dpy, keycode, int(group), 0);
    const KeySym shifted = XkbKeycodeToKeysym(dpy, keycode, int(group), 1);
    return keyCapText(quint32(unshifted), quint32(shifted));
}

} // namespace keyNames

// Keyboard capture on Linux: xcb and wayland key numbers are evdev codes + 8.
#include "platform/KeyboardCapture.h"

namespace {

constexpr quint32 kEvdevOffset = 8;

struct ExtendedKey {
    quint16 evdev;
    quint8 set1;
};

// evdev codes of keys that a PC keyboard sends with the E0 prefix. Num Lock counts as extended, as
// a low-level hook reports it, which tells it apart from Pause (0x45 without the flag).
const ExtendedKey kExtended[] = {
    { 69, 0x45 }, // Num Lock
    { 96, 0x1C }, // keypad Enter
    { 97, 0x1D }, // right Ctrl
    { 98, 0x35 }, // keypad /
    { 99, 0x37 }, // Print Screen
    { 100, 0x38 }, // right Alt
    { 102, 0x47 }, // Home
    { 103, 0x48 }, // Up
    { 104, 0x49 }, // Page Up
    { 105, 0x4B }, // Left
    { 106, 0x4D }, // Right
    { 107, 0x4F }, // End
    { 108, 0x50 }, // Down
    { 109, 0x51 }, // Page Down
    { 110, 0x52 }, // Insert
    { 111, 0x53 }, // Delete
    { 125, 0x5B }, // left Windows
    { 126, 0x5C }, // right Windows
    { 127, 0x5D }, // menu
};

constexpr quint16 kPause = 119;

} // namespace

bool KeyboardCapture::nativeToSet1(quint32 nativeCode, quint8& scanCode, bool& extended)
{
    if (nativeCode <= kEvdevOffset)
        return false;
    const quint32 evdev = nativeCode - kEvdevOffset;
    for (const ExtendedKey& k : kExtended) {
        if (k.evdev == evdev) {
            scanCode = k.set1;
            extended = true;
            return true;
        }
    }
    extended = false;
    if (evdev == kPause) {
        scanCode = 0x45;
        return true;
    }
    // Up to F12 the evdev codes are the set 1 make codes; 84 and 85 are not PC keys.
    if (evdev >= 1 && evdev <= 88 && evdev != 84 && evdev != 85) {
        scanCode = quint8(evdev);
        return true;
    }
    return false;
}

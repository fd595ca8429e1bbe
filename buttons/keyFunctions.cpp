// Dialog key-code normalisation and the encodings the key dialogs write into a button record.
#include "buttons/keyFunctions.h"

#include "store/keyTable.h"

namespace {

// Scan codes whose extended form is a key of its own.
struct ExtendedKey {
    int scan;
    quint8 code;
};
const ExtendedKey EXTENDED_KEYS[] = { { 0x1C, 229 }, { 0x1D, 238 }, { 0x35, 226 }, { 0x45, 225 } };

// Keypad keys: the non-extended form is the keypad key.
const ExtendedKey KEYPAD_KEYS[] = {
    { 0x37, 227 },
    { 0x47, 235 },
    { 0x48, 236 },
    { 0x49, 228 },
    { 0x4B, 233 },
    { 0x4D, 234 },
    { 0x4F, 230 },
    { 0x50, 231 },
    { 0x51, 232 },
    { 0x52, 237 },
    { 0x53, 224 },
};

constexpr quint8 RIGHT_ALT = 239;
constexpr quint8 FIRE_LEFT = 129;
constexpr quint8 FIRE_RIGHT = 130;
constexpr quint8 FIRE_MIDDLE = 132;
constexpr quint8 COMBO_EVENT_L = 5;
constexpr quint8 COMBO_PRESS_H = 0x80;

} // namespace

quint8 dialogKeyCode(int scanCode, int flags)
{
    if (flags == KEY_FLAG_EXTENDED || flags == (KEY_FLAG_EXTENDED | KEY_FLAG_UP)) {
        for (const ExtendedKey& key : EXTENDED_KEYS) {
            if (key.scan == scanCode)
                return key.code;
        }
    }
    if (scanCode == 0x38
        && (flags == KEY_FLAG_EXTENDED || flags == (KEY_FLAG_EXTENDED | KEY_FLAG_ALT)
            || flags == (KEY_FLAG_EXTENDED | KEY_FLAG_UP)))
        return RIGHT_ALT;
    if ((flags & ~KEY_FLAG_UP) == 0) {
        for (const ExtendedKey& key : KEYPAD_KEYS) {
            if (key.scan == scanCode)
                return key.code;
        }
    }
    return quint8(scanCode);
}

quint8 usageOfKey(int keyCode)
{
    quint8 usage = 0;
    return hidUsageForKey(keyCode, usage) ? usage : 0;
}

quint8 keyOfUsage(int usage)
{
    quint8 keyCode = 0;
    return keyForHidUsage(usage, keyCode) ? keyCode : 0;
}

quint8 fireTarget(int mode, int keyCode)
{
    switch (mode) {
    case 0:
        return FIRE_LEFT;
    case 1:
        return FIRE_RIGHT;
    case 2:
        return FIRE_MIDDLE;
    default:
        return usageOfKey(keyCode);
    }
}

void fireModeOfTarget(quint8 target, int& mode, int& keyCode)
{
    keyCode = 0;
    if (target == 0 || target == FIRE_LEFT)
        mode = 0;
    else if (target == FIRE_RIGHT)
        mode = 1;
    else if (target == FIRE_MIDDLE)
        mode = 2;
    else {
        mode = FIRE_MODE_KEY;
        keyCode = keyOfUsage(target);
    }
}

int correctedSniperStep(int storedStep, int sensorId)
{
    const SniperRange range = sniperRange(sensorId);
    if (storedStep < range.validMin || storedStep > range.validMax)
        return range.fallback;
    // The slider cannot show a step below its own minimum.
    return qMax(storedStep, range.sliderMin);
}

namespace {

// Inserts a press/release pair at position n, moving the later entries two places back.
void insertKeyPair(KeyInfo* area, int n, quint8 usage)
{
    for (int i = KEYINFO_COUNT - 1; i >= n + 2; --i)
        area[i] = area[i - 2];
    area[n] = { usage, COMBO_EVENT_L, COMBO_PRESS_H };
    area[n + 1] = { usage, COMBO_EVENT_L, 0 };
}

} // namespace

void writeComboKeyInfo(
    ButtonInfo& button, const quint8 comboFlags[COMBO_SLOTS], const quint8 hotKeyCodes[COMBO_SLOTS][2])
{
    for (KeyInfo& entry : button.keyInfo)
        entry = KeyInfo();
    int n = 0;
    for (int i = 0; i < COMBO_SLOTS; ++i) {
        if (!comboFlags[i])
            continue;
        const quint8 usage = usageOfKey(hotKeyCodes[i][0]);
        if (!usage) // a key without a HID usage would send a null key
            continue;
        insertKeyPair(button.keyInfo, n, usage);
        ++n;
    }
}

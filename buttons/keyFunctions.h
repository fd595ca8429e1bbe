// Key codes of the key dialogs and the button-record encodings of single, combo, fire and sniper keys.
#pragma once

#include "platform/KeyboardCapture.h"
#include "store/MouseConfig.h"
#include "store/sensors.h"

#include <QtGlobal>

// The key code the dialogs use for a set-1 scan code and its flags (right Ctrl/Alt, keypad keys).
quint8 dialogKeyCode(int scanCode, int flags);

// HID usage of a key code, 0 when it has none.
quint8 usageOfKey(int keyCode);
// Key code of a HID usage, 0 when unknown.
quint8 keyOfUsage(int usage);

// Fire key: what is fired. Modes 0-2 are the left, right and middle button, 3 a keyboard key.
constexpr int FIRE_MODE_KEY = 3;
constexpr int FIRE_DEFAULT_TIMES = 3;
constexpr int FIRE_DEFAULT_DELAY = 10;
constexpr int FIRE_MIN = 1;
constexpr int FIRE_MAX = 255;
quint8 fireTarget(int mode, int keyCode);
// Mode and key code (0 for the mouse modes) of a stored target.
void fireModeOfTarget(quint8 target, int& mode, int& keyCode);

// A stored sniper step, or the sensor's fallback when it is outside the valid range.
int correctedSniperStep(int storedStep, int sensorId);

// Combo key: five slots Shift, Ctrl, Win, Alt, key. The modifiers are stored as their left keys.
constexpr int COMBO_SLOTS = 5;
constexpr int COMBO_KEY_SLOT = 4;
// Fills the button's event area with the nested presses and releases of the held slots:
// Shift↓ Ctrl↓ A↓ A↑ Ctrl↑ Shift↑. The rest of the area is cleared.
void writeComboKeyInfo(
    ButtonInfo& button, const quint8 comboFlags[COMBO_SLOTS], const quint8 hotKeyCodes[COMBO_SLOTS][2]);

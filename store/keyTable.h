// Key codes of the keyboard hooks and key pickers, their English and French names and HID usages.
#pragma once

#include <QString>
#include <QtGlobal>

// Number of key codes that have a HID usage.
constexpr int HID_KEY_PAIRS = 104;

// Name in the active table: French when PROFILE/french equals the current language index.
QString keyName(int keyCode);
// Name in a chosen table; empty for codes without a name.
QString keyNameIn(int keyCode, bool french);
// True when the French names are the active table.
bool frenchKeyNames();

// HID usage (Keyboard/Keypad page) of a key code; false and `usage` untouched when it has none.
bool hidUsageForKey(int keyCode, quint8& usage);
// Key code of a HID usage; false and `keyCode` untouched when the usage is not in the table.
bool keyForHidUsage(int usage, quint8& keyCode);

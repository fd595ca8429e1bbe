// Button function codes, the menus that offer them and the texts the assignment labels show.
#pragma once

#include "store/MouseConfig.h"
#include "store/bindingText.h"
#include "store/buttonCodes.h"

#include <QString>
#include <QVector>

// Slot groups of the assignment panel: front page 0-19, side page 20-39, wheel pair 40-41.
constexpr int GROUP_FRONT = 0;
constexpr int GROUP_SIDE = 1;
constexpr int GROUP_WHEEL = 2;
constexpr int GROUP_SIZE = 20;
constexpr int WHEEL_UP_SLOT = 40;
constexpr int WHEEL_DOWN_SLOT = 41;
constexpr quint8 NO_SELECTION = 255;

int slotOf(int group, int index);
int groupOfSlot(int slot);
int indexInGroup(int slot);

// Codes whose entry writes only Fun (no dialog, no extra fields).
bool isPlainFunction(int code);

// What the label of a slot shows: the binding in words (bindingText); the wheel codes are named
// only on the wheel pair.
QString slotLabelText(const ButtonInfo& button, int slot);

// Menu layout. A sub-menu entry has code 0 and names the sub-menu.
enum class SubMenu { None, Basic, Windows, Advance, Media, Dpi, PollingRate, Profile };
struct MenuEntry {
    int code = 0;
    SubMenu subMenu = SubMenu::None;
};
QVector<MenuEntry> mainMenuLayout(bool withMacro, bool withLed);
QVector<int> subMenuCodes(SubMenu menu);
QVector<int> wheelMenuCodes();
const char* subMenuSourceTitle(SubMenu menu);
// Text of the "Macro Manager" entry (its code is the macro code, whose label shows the name).
const char* macroManagerSourceName();

// Left-click guard: true when giving the slot newCode would leave no button with the left click.
bool leftClickGuardRefuses(const ProfileData& profile, int slot, int newCode);

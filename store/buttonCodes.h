// Button function codes stored in ButtonInfo::Fun, shared by the store, the command set and the pages.
#pragma once

constexpr int FUN_MACRO = 200;
constexpr int FUN_GUNFILE = 510;

namespace ButtonFun {
enum Code : int {
    Left = 1,
    Right = 2,
    Middle = 3,
    Forward = 4,
    Back = 5,
    SingleKey = 6,
    ComboKey = 7,
    FireKey = 12,
    ButtonOff = 16,
    ScrollUp = 52,
    ScrollDown = 53,
    LedSwitch = 54,
    Sniper = 55,
    Macro = FUN_MACRO,
    GunFile = FUN_GUNFILE,
};
}

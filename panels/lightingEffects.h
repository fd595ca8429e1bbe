// The fourteen lighting effects: names, which controls each shows, and the effect menu order.
#pragma once

constexpr int EFFECT_COUNT = 14;
constexpr int EFFECT_MENU_COUNT = 10;

enum EffectControl {
    EFFECT_BRIGHTNESS = 1,
    EFFECT_SPEED = 2,
    EFFECT_COLOUR = 4,
    EFFECT_SPEED_ON_TOP = 8, // speed takes the brightness row
};

// Untranslated menu name of an effect (translation context "KroColorWindow"); null outside 0..13.
const char* effectName(int effect);
// EffectControl bits of an effect; -1 outside 0..13.
int effectControls(int effect);
// The effects offered by the menu, in menu order.
extern const int EFFECT_MENU_ORDER[EFFECT_MENU_COUNT];

// Effect table of the lighting panel.
#include "panels/lightingEffects.h"

#include <QtGlobal>

namespace {
struct Effect {
    const char* name;
    int controls;
};

const Effect EFFECTS[EFFECT_COUNT] = {
    { QT_TRANSLATE_NOOP("KroColorWindow", "OFF"), 0 },
    { QT_TRANSLATE_NOOP("KroColorWindow", "FULL LIGHTED"), EFFECT_BRIGHTNESS | EFFECT_COLOUR },
    { QT_TRANSLATE_NOOP("KroColorWindow", "BREATHING"), EFFECT_SPEED | EFFECT_SPEED_ON_TOP | EFFECT_COLOUR },
    { QT_TRANSLATE_NOOP("KroColorWindow", "7 COLOR BREATHING"), EFFECT_SPEED | EFFECT_SPEED_ON_TOP },
    { QT_TRANSLATE_NOOP("KroColorWindow", "RAINBOW"), EFFECT_BRIGHTNESS | EFFECT_SPEED },
    { QT_TRANSLATE_NOOP("KroColorWindow", "FLASH"), EFFECT_BRIGHTNESS | EFFECT_SPEED },
    { QT_TRANSLATE_NOOP("KroColorWindow", "Horizontal WAVE"), EFFECT_BRIGHTNESS | EFFECT_SPEED },
    { QT_TRANSLATE_NOOP("KroColorWindow", "Horizontal GO WITHOUT TRACE"), EFFECT_BRIGHTNESS | EFFECT_SPEED },
    { QT_TRANSLATE_NOOP("KroColorWindow", "Raindrop"), EFFECT_BRIGHTNESS | EFFECT_SPEED },
    { QT_TRANSLATE_NOOP("KroColorWindow", "WAVE"), EFFECT_BRIGHTNESS | EFFECT_SPEED },
    { QT_TRANSLATE_NOOP("KroColorWindow", "GO WITHOUT TRACE"), EFFECT_BRIGHTNESS | EFFECT_SPEED },
    { QT_TRANSLATE_NOOP("KroColorWindow", "REACTIVE"), EFFECT_BRIGHTNESS },
    { QT_TRANSLATE_NOOP("KroColorWindow", "yo-yo"), EFFECT_BRIGHTNESS | EFFECT_SPEED },
    { QT_TRANSLATE_NOOP("KroColorWindow", "Marbles"), EFFECT_BRIGHTNESS | EFFECT_SPEED },
};
} // namespace

const int EFFECT_MENU_ORDER[EFFECT_MENU_COUNT] = { 1, 2, 3, 4, 9, 11, 10, 12, 13, 0 };

const char* effectName(int effect)
{
    return effect >= 0 && effect < EFFECT_COUNT ? EFFECTS[effect].name : nullptr;
}

int effectControls(int effect)
{
    return effect >= 0 && effect < EFFECT_COUNT ? EFFECTS[effect].controls : -1;
}

// What a button binding does, in words: the function names of the button menus and the text that
// names a binding at a glance ("F5", "Ctrl + Shift + S", "Burst ×3", "DPI +").
#pragma once

#include "store/MouseConfig.h"

#include <QString>

// Translation context of the function names (the button page's).
constexpr const char* BUTTON_TR_CONTEXT = "KroBtnWindow";

// Untranslated source text of a function's menu entry, nullptr for codes without a name.
const char* functionSourceName(int code);
// The menu entry text of a code through the translator; empty when the code has no name.
QString functionName(int code);

// The binding in words: the key of a single key, the keys of a combination, what a fire key fires,
// the macro's name with its loop mode, otherwise the function's name (empty for codes without one).
QString bindingText(const ButtonInfo& button);

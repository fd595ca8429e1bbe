// Key names as the user's keyboard shows them: the text of the active layout for the keys that
// print a character, the fixed name (through translation) for the others.
#pragma once

#include <QString>
#include <QtGlobal>

namespace keyNames {

// The character the active keyboard layout puts on the key of a set 1 scan code (no E0 prefix),
// without modifiers; a letter key in upper case. Empty for keys that print nothing (Shift, F1,
// Space, ...) and where no layout can be asked (no X display, another Qt platform).
QString layoutKeyText(int scanCode);

// What a key cap shows for a key whose unshifted and shifted keysyms are given: the unshifted
// character, in upper case when Shift gives exactly that (a letter key); a dead key's accent.
// Empty when the unshifted keysym is not a visible character.
QString keyCapText(quint32 unshifted, quint32 shifted);

// A key code's name for the key dialogs: the layout's text for the printable keys (key codes 1 to
// 88 are set 1 scan codes), else tableName translated in the context "KeyNames".
QString keyCapName(int keyCode, const QString& tableName);

} // namespace keyNames

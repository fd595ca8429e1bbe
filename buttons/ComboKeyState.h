// What the combo-key dialog has captured: held modifiers, the key, and the combination to store.
#pragma once

#include "buttons/keyFunctions.h"

#include <QString>

class ComboKeyState {
public:
    ComboKeyState();

    // Feeds one normalised key event; returns true when the shown combination changed.
    bool feed(quint8 keyCode, int flags);
    // Rebuilds the combination from the first entries of a stored event area.
    void prefill(const ButtonInfo& button);

    // The combination as shown, e.g. "LShift + LCtr + A".
    QString text() const;
    const quint8* comboFlags() const { return m_result; }
    const quint8 (*hotKeyCodes() const)[2] { return m_codes; }
    void writeTo(ButtonInfo& button) const { writeComboKeyInfo(button, m_result, m_codes); }

private:
    // Slot of a modifier and its bit (1 left, 2 right); -1 for other keys.
    static int modifierSlot(quint8 keyCode, quint8& bit);

    quint8 m_live[COMBO_SLOTS] = {};
    quint8 m_result[COMBO_SLOTS] = {};
    quint8 m_codes[COMBO_SLOTS][2];
};

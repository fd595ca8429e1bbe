// Combo-key capture: modifier slots, the captured key and the shown combination.
#include "buttons/ComboKeyState.h"
#include "platform/keyNames.h"

#include "store/keyTable.h"

#include <QStringList>

namespace {
// Left and right key code of Shift, Ctrl, Win and Alt.
const quint8 MODIFIER_CODES[4][2] = { { 42, 54 }, { 29, 238 }, { 91, 92 }, { 56, 239 } };
constexpr int COMBO_ENTRIES_READ = 5;
} // namespace

ComboKeyState::ComboKeyState()
{
    for (int i = 0; i < 4; ++i) {
        m_codes[i][0] = MODIFIER_CODES[i][0];
        m_codes[i][1] = MODIFIER_CODES[i][1];
    }
    m_codes[COMBO_KEY_SLOT][0] = 0;
    m_codes[COMBO_KEY_SLOT][1] = 0;
}

int ComboKeyState::modifierSlot(quint8 keyCode, quint8& bit)
{
    for (int i = 0; i < 4; ++i) {
        for (int side = 0; side < 2; ++side) {
            if (MODIFIER_CODES[i][side] == keyCode) {
                bit = quint8(1 << side);
                return i;
            }
        }
    }
    return -1;
}

bool ComboKeyState::feed(quint8 keyCode, int flags)
{
    if (keyCode == 0)
        return false;
    quint8 bit = 0;
    const int slot = modifierSlot(keyCode, bit);
    if (flags & KEY_FLAG_UP) {
        // A release ends the hold; the shown combination stays.
        if (slot >= 0)
            m_live[slot] &= quint8(~bit);
        else
            m_live[COMBO_KEY_SLOT] = 0;
        return false;
    }
    if (slot >= 0)
        m_live[slot] |= bit;
    else {
        m_live[COMBO_KEY_SLOT] = 1;
        m_codes[COMBO_KEY_SLOT][0] = keyCode;
    }
    for (int i = 0; i < COMBO_SLOTS; ++i)
        m_result[i] = m_live[i];
    return true;
}

void ComboKeyState::prefill(const ButtonInfo& button)
{
    for (int i = 0; i < COMBO_ENTRIES_READ; ++i) {
        const quint8 map = button.keyInfo[i].map;
        if (!map)
            continue;
        const quint8 keyCode = keyOfUsage(map);
        if (!keyCode)
            continue;
        quint8 bit = 0;
        const int slot = modifierSlot(keyCode, bit);
        if (slot >= 0)
            m_result[slot] |= bit;
        else {
            m_result[COMBO_KEY_SLOT] = 1;
            m_codes[COMBO_KEY_SLOT][0] = keyCode;
        }
    }
}

QString ComboKeyState::text() const
{
    // Modifiers show the left key's name: that is the key the mouse will send.
    QStringList names;
    for (int i = 0; i < COMBO_SLOTS; ++i) {
        if (m_result[i])
            names << keyNames::keyCapName(m_codes[i][0], keyName(m_codes[i][0]));
    }
    return names.join(QStringLiteral(" + "));
}

// Key cap texts from keysyms, and the choice between the layout's text and the fixed name.
#include "platform/keyNames.h"

#include <QCoreApplication>

namespace keyNames {

namespace {

// Keysyms of the dead keys a layout puts on a printable key, with the accent they show.
struct DeadKey {
    quint32 keysym;
    char16_t accent;
};
const DeadKey DEAD_KEYS[] = {
    { 0xfe50, u'`' }, // dead_grave
    { 0xfe51, u'\u00b4' }, // dead_acute
    { 0xfe52, u'^' }, // dead_circumflex
    { 0xfe53, u'~' }, // dead_tilde
    { 0xfe57, u'\u00a8' }, // dead_diaeresis
    { 0xfe58, u'\u00b0' }, // dead_abovering
    { 0xfe5b, u'\u00b8' }, // dead_cedilla
};

// The character of a keysym: Latin-1 keysyms are their code points, Unicode keysyms carry theirs
// with 0x01000000 added. 0 for everything else (function keys, legacy sets).
uint characterOf(quint32 keysym)
{
    if ((keysym >= 0x21 && keysym <= 0x7e) || (keysym >= 0xa1 && keysym <= 0xff))
        return keysym;
    if (keysym >= 0x01000100 && keysym <= 0x0110ffff)
        return keysym - 0x01000000;
    for (const DeadKey& dead : DEAD_KEYS) {
        if (dead.keysym == keysym)
            return dead.accent;
    }
    return 0;
}

// Scan codes of the main block's character keys (digits row, three letter rows, the ISO key).
bool isCharacterKey(int scanCode)
{
    return (scanCode >= 2 && scanCode <= 13) || (scanCode >= 16 && scanCode <= 27) || (scanCode >= 30 && scanCode <= 41)
        || (scanCode >= 43 && scanCode <= 53) || scanCode == 86;
}

} // namespace

QString keyCapText(quint32 unshifted, quint32 shifted)
{
    const uint base = characterOf(unshifted);
    if (base == 0)
        return QString();
    const QString text = QString::fromUcs4(&base, 1);
    const uint upper = characterOf(shifted);
    if (upper != 0 && upper != base && QString::fromUcs4(&upper, 1) == text.toUpper())
        return text.toUpper();
    return text;
}

QString keyCapName(int keyCode, const QString& tableName)
{
    if (isCharacterKey(keyCode)) {
        const QString text = layoutKeyText(keyCode);
        if (!text.isEmpty())
            return text;
    }
    return QCoreApplication::translate("KeyNames", tableName.toUtf8().constData());
}

} // namespace keyNames

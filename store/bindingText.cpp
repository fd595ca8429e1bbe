// Function names and binding texts.
#include "store/bindingText.h"

#include "store/buttonCodes.h"
#include "store/keyTable.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

struct NamedCode {
    int code;
    const char* name;
};

const NamedCode FUNCTION_NAMES[] = {
    { 1, QT_TRANSLATE_NOOP("KroBtnWindow", "Left") },
    { 2, QT_TRANSLATE_NOOP("KroBtnWindow", "Right") },
    { 3, QT_TRANSLATE_NOOP("KroBtnWindow", "Middle") },
    { 4, QT_TRANSLATE_NOOP("KroBtnWindow", "Forward") },
    { 5, QT_TRANSLATE_NOOP("KroBtnWindow", "Back") },
    { 6, QT_TRANSLATE_NOOP("KroBtnWindow", "SINGLE KEY") },
    { 7, QT_TRANSLATE_NOOP("KroBtnWindow", "COMBO KEY") },
    { 12, QT_TRANSLATE_NOOP("KroBtnWindow", "FIRE KEY") },
    { 16, QT_TRANSLATE_NOOP("KroBtnWindow", "Button Off") },
    { 17, QT_TRANSLATE_NOOP("KroBtnWindow", "Cut") },
    { 18, QT_TRANSLATE_NOOP("KroBtnWindow", "Copy") },
    { 19, QT_TRANSLATE_NOOP("KroBtnWindow", "Paste") },
    { 20, QT_TRANSLATE_NOOP("KroBtnWindow", "All") },
    { 21, QT_TRANSLATE_NOOP("KroBtnWindow", "Find") },
    { 22, QT_TRANSLATE_NOOP("KroBtnWindow", "New") },
    { 23, QT_TRANSLATE_NOOP("KroBtnWindow", "Print") },
    { 24, QT_TRANSLATE_NOOP("KroBtnWindow", "Save") },
    { 25, QT_TRANSLATE_NOOP("KroBtnWindow", "Switch Window") },
    { 26, QT_TRANSLATE_NOOP("KroBtnWindow", "Close Window") },
    { 27, QT_TRANSLATE_NOOP("KroBtnWindow", "My Computer") },
    { 28, QT_TRANSLATE_NOOP("KroBtnWindow", "Run") },
    { 29, QT_TRANSLATE_NOOP("KroBtnWindow", "Show Desktop") },
    { 30, QT_TRANSLATE_NOOP("KroBtnWindow", "Lock PC") },
    { 31, QT_TRANSLATE_NOOP("KroBtnWindow", "Browser Home") },
    { 32, QT_TRANSLATE_NOOP("KroBtnWindow", "Browser Backward") },
    { 33, QT_TRANSLATE_NOOP("KroBtnWindow", "Browser Forward") },
    { 34, QT_TRANSLATE_NOOP("KroBtnWindow", "Browser Stop") },
    { 35, QT_TRANSLATE_NOOP("KroBtnWindow", "Browser Refresh") },
    { 36, QT_TRANSLATE_NOOP("KroBtnWindow", "Browser Search") },
    { 37, QT_TRANSLATE_NOOP("KroBtnWindow", "Browser Favorite") },
    { 38, QT_TRANSLATE_NOOP("KroBtnWindow", "Mail") },
    { 39, QT_TRANSLATE_NOOP("KroBtnWindow", "Play/Pause") },
    { 40, QT_TRANSLATE_NOOP("KroBtnWindow", "Stop") },
    { 41, QT_TRANSLATE_NOOP("KroBtnWindow", "Previous Track") },
    { 42, QT_TRANSLATE_NOOP("KroBtnWindow", "Next Track") },
    { 43, QT_TRANSLATE_NOOP("KroBtnWindow", "Volume Up") },
    { 44, QT_TRANSLATE_NOOP("KroBtnWindow", "Volume Down") },
    { 45, QT_TRANSLATE_NOOP("KroBtnWindow", "Mute") },
    { 46, QT_TRANSLATE_NOOP("KroBtnWindow", "Media Player") },
    { 47, QT_TRANSLATE_NOOP("KroBtnWindow", "DPI Switch") },
    { 48, QT_TRANSLATE_NOOP("KroBtnWindow", "DPI +") },
    { 49, QT_TRANSLATE_NOOP("KroBtnWindow", "DPI -") },
    { 50, QT_TRANSLATE_NOOP("KroBtnWindow", "Rate +") },
    { 51, QT_TRANSLATE_NOOP("KroBtnWindow", "Rate -") },
    { 52, QT_TRANSLATE_NOOP("KroBtnWindow", "Scroll Up") },
    { 53, QT_TRANSLATE_NOOP("KroBtnWindow", "Scroll Down") },
    { 54, QT_TRANSLATE_NOOP("KroBtnWindow", "Led Switch") },
    { 55, QT_TRANSLATE_NOOP("KroBtnWindow", "SNIPER") },
    { 57, QT_TRANSLATE_NOOP("KroBtnWindow", "Profile +") },
    { 58, QT_TRANSLATE_NOOP("KroBtnWindow", "Profile -") },
    { 59, QT_TRANSLATE_NOOP("KroBtnWindow", "Profile Switch") },
    { 62, QT_TRANSLATE_NOOP("KroBtnWindow", "Boss Key") },
    { 63, QT_TRANSLATE_NOOP("KroBtnWindow", "Rate Switch") },
};

// Fire-key targets that are mouse buttons, and the function whose name they take.
constexpr quint8 FIRE_LEFT = 129;
constexpr quint8 FIRE_RIGHT = 130;
constexpr quint8 FIRE_MIDDLE = 132;
// A combination's key-down entry: the usage in map, this event byte and the press flag.
constexpr quint8 COMBO_EVENT = 5;
constexpr quint8 COMBO_PRESS = 0x80;
constexpr int COMBO_KEYS_MAX = 5;

QString translated(const char* source)
{
    return QCoreApplication::translate(BUTTON_TR_CONTEXT, source);
}

// Modifiers are named as on the keycaps, whichever hand's key is stored.
QString keyText(int keyCode)
{
    switch (keyCode) {
    case 29:
    case 238:
        return QStringLiteral("Ctrl");
    case 42:
    case 54:
        return QStringLiteral("Shift");
    case 56:
    case 239:
        return QStringLiteral("Alt");
    case 91:
    case 92:
        return QStringLiteral("Win");
    default:
        return keyName(keyCode);
    }
}

QString usageText(int usage)
{
    quint8 keyCode = 0;
    return keyForHidUsage(usage, keyCode) ? keyText(keyCode) : QString();
}

QString singleKeyText(const ButtonInfo& button)
{
    const QString key = keyText(button.Res1);
    return key.isEmpty() ? functionName(ButtonFun::SingleKey) : key;
}

// The key-down entries of the event area, in the order they are pressed.
QString comboText(const ButtonInfo& button)
{
    QStringList keys;
    for (const KeyInfo& entry : button.keyInfo) {
        if (entry.map == 0 || keys.size() == COMBO_KEYS_MAX)
            break;
        if (entry.L == COMBO_EVENT && entry.H == COMBO_PRESS)
            keys.append(usageText(entry.map));
    }
    keys.removeAll(QString());
    return keys.isEmpty() ? functionName(ButtonFun::ComboKey) : keys.join(QStringLiteral(" + "));
}

QString fireText(const ButtonInfo& button)
{
    QString target;
    if (button.Res1 == 0 || button.Res1 == FIRE_LEFT)
        target = functionName(ButtonFun::Left);
    else if (button.Res1 == FIRE_RIGHT)
        target = functionName(ButtonFun::Right);
    else if (button.Res1 == FIRE_MIDDLE)
        target = functionName(ButtonFun::Middle);
    else
        target = usageText(button.Res1);
    const QString fire = functionName(ButtonFun::FireKey);
    return target.isEmpty() ? fire : fire + QStringLiteral(": ") + target;
}

// Loop modes as the mouse plays them: a count, while the button is held, until it is pressed again.
QString macroText(const ButtonInfo& button)
{
    const QString& name = button.macroname;
    switch (button.Res1) {
    case 1:
        return translated(QT_TRANSLATE_NOOP("KroBtnWindow", "%1 (hold)")).arg(name);
    case 2:
        return translated(QT_TRANSLATE_NOOP("KroBtnWindow", "%1 (toggle)")).arg(name);
    default:
        return button.LoopNumber > 1 ? QStringLiteral("%1 \u00d7%2").arg(name).arg(button.LoopNumber) : name;
    }
}

} // namespace

const char* functionSourceName(int code)
{
    for (const NamedCode& entry : FUNCTION_NAMES) {
        if (entry.code == code)
            return entry.name;
    }
    return nullptr;
}

QString functionName(int code)
{
    const char* name = functionSourceName(code);
    return name ? translated(name) : QString();
}

QString bindingText(const ButtonInfo& button)
{
    switch (button.Fun) {
    case ButtonFun::SingleKey:
        return singleKeyText(button);
    case ButtonFun::ComboKey:
        return comboText(button);
    case ButtonFun::FireKey:
        return fireText(button);
    case ButtonFun::Macro:
    case ButtonFun::GunFile:
        return macroText(button);
    default:
        return functionName(button.Fun);
    }
}

// Button function words: the codes of the window's menus, and the key, combo, fire and macro forms.
#include "ctl/buttonWords.h"

#include "buttons/ComboKeyState.h"
#include "buttons/buttonFunctions.h"
#include "buttons/keyFunctions.h"
#include "ctl/ctlCommand.h"
#include "ctl/settingNames.h"
#include "store/deviceDescription.h"
#include "store/macroFiles.h"

namespace {

constexpr quint8 HIDDEN_ROW = 255;
constexpr int MACRO_LOOP_MAX = 255;

// Words that read better than the menu entry; the entry's own word is taken too.
struct WordOverride {
    int code;
    const char* word;
};
const WordOverride OVERRIDES[] = { { ButtonFun::ButtonOff, "disable" }, { 47, "dpi-loop" } };

// Combo slots Shift, Ctrl, Win, Alt with the key code the dialog stores for each.
struct Modifier {
    const char* word;
    quint8 left;
    quint8 right;
};
const Modifier MODIFIERS[] = { { "shift", 42, 54 }, { "ctrl", 29, 238 }, { "win", 91, 92 }, { "alt", 56, 239 } };

const char* const MACRO_MODES[] = { "loops", "while-held", "until-pressed" };
const char* const FIRE_BUTTONS[] = { "left", "right", "middle" };

QString plainWord(int code)
{
    for (const WordOverride& o : OVERRIDES) {
        if (o.code == code)
            return QString::fromLatin1(o.word);
    }
    const char* name = functionSourceName(code);
    return name ? commandWord(name) : QString();
}

QVector<int> offeredCodes(int slot)
{
    if (slot == WHEEL_UP_SLOT || slot == WHEEL_DOWN_SLOT)
        return wheelMenuCodes();
    QVector<int> codes;
    for (const MenuEntry& entry : mainMenuLayout(disableMacro() == 0, ledDisable() == 0)) {
        if (entry.subMenu == SubMenu::None)
            codes.append(entry.code);
        else
            codes += subMenuCodes(entry.subMenu);
    }
    return codes;
}

int plainCode(const QString& word, const QVector<int>& codes)
{
    for (int code : codes) {
        if (isPlainFunction(code) && (plainWord(code) == word || commandWord(functionSourceName(code)) == word))
            return code;
    }
    return 0;
}

QString comboWord(const ButtonInfo& button)
{
    ComboKeyState combo;
    combo.prefill(button);
    QStringList parts;
    for (int i = 0; i < COMBO_SLOTS; ++i) {
        if (!combo.comboFlags()[i])
            continue;
        parts << (i < COMBO_KEY_SLOT ? QString::fromLatin1(MODIFIERS[i].word) : keyWord(combo.hotKeyCodes()[i][0]));
    }
    return QStringLiteral("combo:") + parts.join(QLatin1Char('+'));
}

QString fireWord(const ButtonInfo& button)
{
    int mode = 0;
    int key = 0;
    fireModeOfTarget(button.Res1, mode, key);
    const QString target = mode < FIRE_MODE_KEY ? QString::fromLatin1(FIRE_BUTTONS[mode]) : keyWord(key);
    return QStringLiteral("fire:%1:times=%2:delay=%3").arg(target).arg(button.LoopNumber).arg(button.KeyNumber);
}

QString macroWord(const ButtonInfo& button)
{
    const QString mode = button.Res1 == 0 ? QStringLiteral("loops=%1").arg(button.LoopNumber)
                                          : QString::fromLatin1(MACRO_MODES[qMin<int>(button.Res1, 2)]);
    return QStringLiteral("macro:%1:%2").arg(button.macroname, mode);
}

// "name=value" or "name value" of an option word; false when the word is another option.
bool optionValue(const QString& part, const char* name, int low, int high, int& value, QString& error)
{
    const QString prefix = QString::fromLatin1(name);
    if (!part.startsWith(prefix + '=') && !part.startsWith(prefix + ' '))
        return false;
    bool ok = false;
    value = part.mid(prefix.size() + 1).trimmed().toInt(&ok);
    if (!ok || value < low || value > high)
        error = ctlText("%1 takes %2 to %3").arg(prefix).arg(low).arg(high);
    return true;
}

QString applyKey(const QString& arg, ButtonInfo& button)
{
    const int key = keyOfWord(arg);
    if (!key)
        return ctlText("unknown key \"%1\" (keys are named as in the key dialog: A, F5, PageUp, Num+, Space, ...)")
            .arg(arg);
    button.Res1 = quint8(key);
    button.Fun = ButtonFun::SingleKey;
    return QString();
}

QString applyCombo(const QString& arg, ButtonInfo& button)
{
    quint8 flags[COMBO_SLOTS] = {};
    quint8 codes[COMBO_SLOTS][2] = {};
    QString rest = arg;
    for (bool more = true; more;) {
        more = false;
        for (int i = 0; i < COMBO_KEY_SLOT; ++i) {
            const QString prefix = QString::fromLatin1(MODIFIERS[i].word) + '+';
            if (rest.startsWith(prefix, Qt::CaseInsensitive)) {
                flags[i] = 1;
                codes[i][0] = MODIFIERS[i].left;
                codes[i][1] = MODIFIERS[i].right;
                rest = rest.mid(prefix.size());
                more = true;
            }
        }
    }
    const int key = keyOfWord(rest);
    if (!key)
        return ctlText("a combination is modifiers and one key: shift+ctrl+win+alt+KEY, e.g. ctrl+shift+s");
    flags[COMBO_KEY_SLOT] = 1;
    codes[COMBO_KEY_SLOT][0] = quint8(key);
    writeComboKeyInfo(button, flags, codes);
    button.Fun = ButtonFun::ComboKey;
    return QString();
}

QString applyFire(const QString& arg, ButtonInfo& button)
{
    const QStringList parts = arg.split(QLatin1Char(':'));
    int mode = FIRE_MODE_KEY;
    for (int i = 0; i < FIRE_MODE_KEY; ++i) {
        if (parts[0].toLower() == QLatin1String(FIRE_BUTTONS[i]))
            mode = i;
    }
    const int key = mode == FIRE_MODE_KEY ? keyOfWord(parts[0]) : 0;
    if (mode == FIRE_MODE_KEY && !key)
        return ctlText("fire takes left, right, middle or a key, then :times=N (1-255) and :delay=MS (1-255)");
    int times = FIRE_DEFAULT_TIMES;
    int delay = FIRE_DEFAULT_DELAY;
    QString error;
    for (const QString& part : parts.mid(1)) {
        if (!optionValue(part, "times", FIRE_MIN, FIRE_MAX, times, error)
            && !optionValue(part, "delay", FIRE_MIN, FIRE_MAX, delay, error))
            error = ctlText("unknown fire option \"%1\" (times=N, delay=MS)").arg(part);
        if (!error.isEmpty())
            return error;
    }
    button.Res1 = fireTarget(mode, key);
    button.LoopNumber = times;
    button.KeyNumber = delay;
    button.Fun = ButtonFun::FireKey;
    return QString();
}

QString applyMacro(const QString& arg, ButtonInfo& button)
{
    QString name = arg;
    int mode = 0;
    int loops = 1;
    QString error;
    const int colon = arg.lastIndexOf(QLatin1Char(':'));
    if (colon > 0) {
        const QString option = arg.mid(colon + 1);
        bool known = optionValue(option, "loops", 1, MACRO_LOOP_MAX, loops, error);
        for (int m = 1; m < 3; ++m) {
            if (option == QLatin1String(MACRO_MODES[m])) {
                mode = m;
                known = true;
            }
        }
        if (!error.isEmpty())
            return error;
        if (known)
            name = arg.left(colon);
    }
    if (!macroListNames().contains(name) || !macroFileExists(name))
        return ctlText("no macro named \"%1\"; the macros are: %2").arg(name, macroListNames().join(", "));
    button.Fun = ButtonFun::Macro;
    button.LoopNumber = loops;
    button.Res1 = quint8(mode);
    button.macroname = name;
    copyMacroToButton(name, button);
    return QString();
}

} // namespace

QVector<ButtonTarget> buttonTargets()
{
    QVector<ButtonTarget> targets;
    ButtonBytes rows {};
    const int count = qBound(0, readButtonRows(rows), DESCRIPTION_BUTTON_COUNT);
    for (int i = 0; i < count && i < GROUP_SIZE; ++i) {
        if (rows[size_t(i)] != HIDDEN_ROW)
            targets.append({ QString::number(targets.size() + 1), slotOf(GROUP_FRONT, i) });
    }
    targets.append({ QStringLiteral("wheel-up"), WHEEL_UP_SLOT });
    targets.append({ QStringLiteral("wheel-down"), WHEEL_DOWN_SLOT });
    return targets;
}

int slotOfButton(const QString& name)
{
    for (const ButtonTarget& target : buttonTargets()) {
        if (target.name == name)
            return target.slot;
    }
    return -1;
}

QString functionWord(const ButtonInfo& button)
{
    switch (button.Fun) {
    case ButtonFun::SingleKey:
        return QStringLiteral("key:") + keyWord(button.Res1);
    case ButtonFun::ComboKey:
        return comboWord(button);
    case ButtonFun::FireKey:
        return fireWord(button);
    case ButtonFun::Sniper:
        return QStringLiteral("sniper:%1").arg(button.Res1);
    case ButtonFun::Macro:
        return macroWord(button);
    case ButtonFun::GunFile:
        return QStringLiteral("gun:") + button.macroname;
    default:
        break;
    }
    const QString word = plainWord(button.Fun);
    return word.isEmpty() ? QStringLiteral("code:%1").arg(button.Fun) : word;
}

QStringList functionWordsFor(int slot)
{
    QStringList words;
    for (int code : offeredCodes(slot)) {
        if (isPlainFunction(code))
            words << plainWord(code);
        else if (code == ButtonFun::SingleKey)
            words << QStringLiteral("key:KEY");
        else if (code == ButtonFun::ComboKey)
            words << QStringLiteral("combo:MODIFIERS+KEY");
        else if (code == ButtonFun::FireKey)
            words << QStringLiteral("fire:TARGET[:times=N][:delay=MS]");
        else if (code == ButtonFun::Macro)
            words << QStringLiteral("macro:NAME[:loops=N|:while-held|:until-pressed]");
    }
    return words;
}

QString applyFunctionWord(const QString& word, int slot, ProfileData& profile)
{
    const QVector<int> codes = offeredCodes(slot);
    const int colon = word.indexOf(QLatin1Char(':'));
    const QString form = colon < 0 ? QString() : word.left(colon).toLower();
    const QString arg = word.mid(colon + 1);
    const int code = colon < 0           ? plainCode(word.toLower(), codes)
        : form == QLatin1String("key")   ? int(ButtonFun::SingleKey)
        : form == QLatin1String("combo") ? int(ButtonFun::ComboKey)
        : form == QLatin1String("fire")  ? int(ButtonFun::FireKey)
        : form == QLatin1String("macro") ? int(ButtonFun::Macro)
                                         : 0;
    if (!code || !codes.contains(code))
        return ctlText("\"%1\" is not offered for this button; it takes: %2")
            .arg(word, functionWordsFor(slot).join(", "));
    if (leftClickGuardRefuses(profile, slot, code))
        return ctlText("AT LEAST ONE CLICK FUNCTION TO BE RETAINED.");
    ButtonInfo button = profile.buttons[slot];
    QString error;
    if (code == ButtonFun::SingleKey)
        error = applyKey(arg, button);
    else if (code == ButtonFun::ComboKey)
        error = applyCombo(arg, button);
    else if (code == ButtonFun::FireKey)
        error = applyFire(arg, button);
    else if (code == ButtonFun::Macro)
        error = applyMacro(arg, button);
    else
        button.Fun = code;
    if (error.isEmpty())
        profile.buttons[slot] = button;
    return error;
}

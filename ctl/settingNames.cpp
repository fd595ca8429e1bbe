// Command-line words of the setting values, taken from the window's own tables where it has them.
#include "ctl/settingNames.h"

#include "buttons/keyFunctions.h"
#include "panels/lightingEffects.h"
#include "store/keyTable.h"

namespace {
// The sensor mode buttons of the mouse settings panel, in value order.
const char* const SENSOR_MODES[] = { "eco", "standard", "competitive" };
const int RATES_HZ[] = { 125, 250, 500, 1000 };
constexpr int KEY_CODES = 256;
} // namespace

QString commandWord(const char* sourceText)
{
    QString word = QString::fromLatin1(sourceText).toLower();
    word.replace(QLatin1String(" +"), QLatin1String("+"));
    word.replace(QLatin1String(" -"), QLatin1String("-"));
    word.replace(QLatin1Char('/'), QLatin1Char('-'));
    word.replace(QLatin1Char(' '), QLatin1Char('-'));
    return word;
}

int rateHz(int code)
{
    return code == 1 || code == 2 || code == 4 || code == 8 ? 1000 / code : 0;
}

int rateCode(int hz)
{
    for (int rate : RATES_HZ) {
        if (rate == hz)
            return 1000 / hz;
    }
    return 0;
}

QStringList rateWords()
{
    QStringList words;
    for (int rate : RATES_HZ)
        words << QString::number(rate);
    return words;
}

QStringList sensorModeWords()
{
    QStringList words;
    for (const char* mode : SENSOR_MODES)
        words << QString::fromLatin1(mode);
    return words;
}

QString sensorModeWord(int mode)
{
    return mode >= 0 && mode < 3 ? QString::fromLatin1(SENSOR_MODES[mode]) : QStringLiteral("mode %1").arg(mode);
}

QVector<int> offeredEffects()
{
    return QVector<int>(std::begin(EFFECT_MENU_ORDER), std::end(EFFECT_MENU_ORDER));
}

QString effectWord(int effect)
{
    const char* name = effectName(effect);
    return name ? commandWord(name) : QStringLiteral("effect-%1").arg(effect);
}

int effectOfWord(const QString& word)
{
    for (int effect : offeredEffects()) {
        if (effectWord(effect) == word.toLower())
            return effect;
    }
    return -1;
}

QStringList effectWords()
{
    QStringList words;
    for (int effect : offeredEffects())
        words << effectWord(effect);
    return words;
}

QString keyWord(int keyCode)
{
    return keyNameIn(keyCode, false).remove(QLatin1Char(' '));
}

int keyOfWord(const QString& word)
{
    const QString wanted = QString(word).remove(QLatin1Char(' ')).toLower();
    for (int code = 1; code < KEY_CODES; ++code) {
        if (usageOfKey(code) != 0 && keyWord(code).toLower() == wanted)
            return code;
    }
    return 0;
}

bool parseOnOff(const QString& word, bool& on)
{
    if (word != QLatin1String("on") && word != QLatin1String("off"))
        return false;
    on = word == QLatin1String("on");
    return true;
}

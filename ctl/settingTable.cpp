// Each setting's edit, made on the fields the window's pages write, with the ranges their controls have.
#include "ctl/settingTable.h"

#include "ctl/buttonWords.h"
#include "ctl/ctlCommand.h"
#include "ctl/settingNames.h"
#include "panels/lightingEffects.h"
#include "store/deviceDescription.h"
#include "store/settings.h"
#include "store/typedDpi.h"

#include <QColor>
#include <QRegularExpression>

namespace {

constexpr int SCROLL_MIN = 1, SCROLL_MAX = 20; // the scroll-lines box
constexpr int KEY_RESPONSE_MIN = 1, KEY_RESPONSE_MAX = 255; // the key response slider
constexpr int BRIGHTNESS_MIN = 1, BRIGHTNESS_MAX = 3;
constexpr int SPEED_MIN = 1, SPEED_MAX = 5;
constexpr quint8 LIGHT_OFF_UNTICKED = 0xFF;

QString rangeError(const QString& what, int low, int high)
{
    return ctlText("%1 takes %2 to %3").arg(what).arg(low).arg(high);
}

bool toInt(const QString& word, int low, int high, int& value)
{
    bool ok = false;
    value = word.toInt(&ok);
    return ok && value >= low && value <= high;
}

bool always()
{
    return true;
}
bool withSync()
{
    return syncMode() != 0;
}
bool withLighting()
{
    return ledDisable() == 0;
}
bool withLightOff()
{
    return showSleep() != 0;
}

// Switches the panel shows as a ticked box; ticked is stored as `ticked`, unticked as the other value.
QString applySwitch(const QString& word, const char* name, quint8& field, quint8 ticked, quint8 unticked, QString& done)
{
    bool on = false;
    if (!parseOnOff(word, on))
        return ctlText("%1 takes on or off").arg(QLatin1String(name));
    field = on ? ticked : unticked;
    done = QStringLiteral("%1 %2").arg(QLatin1String(name), word);
    return QString();
}

QString stageError(const QString& word, int& stage)
{
    return toInt(word, 1, usableDpiStageCount(), stage) ? QString()
                                                        : rangeError(ctlText("the stage"), 1, usableDpiStageCount());
}

QString applyDpi(const QStringList& v, SettingEdit& e, QString& done)
{
    int stage = 0;
    const QString error = stageError(v[0], stage);
    if (!error.isEmpty())
        return error;
    DpiRange range;
    const int sensor = sensorModel();
    if (!installedDpiRange(range))
        return ctlText("the sensor model %1 is unknown: DPI values cannot be converted").arg(sensor);
    const QRegularExpressionMatch m = QRegularExpression("^(\\d+)(?:x(\\d+))?$").match(v[1]);
    const int low = sensorRawToDpi(range.minimum, sensor);
    const int high = sensorRawToDpi(range.maximum, sensor);
    const int x = m.hasMatch() ? rawForDpiWithin(m.captured(1).toInt(), sensor, range) : -1;
    const int y = m.hasMatch() && !m.captured(2).isEmpty() ? rawForDpiWithin(m.captured(2).toInt(), sensor, range) : x;
    if (x < 0 || y < 0)
        return ctlText("DPI takes %1 to %2, or XDPIxYDPI").arg(low).arg(high);
    DpiStage& s = e.mouse().stages[stage - 1];
    if (x != y) {
        if (!range.showLink)
            return ctlText("this sensor takes one DPI value for both axes");
        s.link = 0;
    }
    setStageValues(s, quint32(x), quint32(y));
    done = x == y
        ? QStringLiteral("dpi %1 %2").arg(stage).arg(displayedDpi(s, sensor))
        : QStringLiteral("dpi %1 %2x%3").arg(stage).arg(sensorRawToDpi(x, sensor)).arg(sensorRawToDpi(y, sensor));
    return QString();
}

QString applyStages(const QStringList& v, SettingEdit& e, QString& done)
{
    int count = 0;
    if (!toInt(v[0], 1, usableDpiStageCount(), count))
        return rangeError(ctlText("stages"), 1, usableDpiStageCount());
    if (e.own().dpi >= count)
        return ctlText("the active stage %1 would be switched off; set the stage first").arg(e.own().dpi + 1);
    for (int i = 0; i < usableDpiStageCount(); ++i)
        e.mouse().stages[i].used = i < count ? 1 : 0;
    done = QStringLiteral("stages %1").arg(count);
    return QString();
}

QString applyStage(const QStringList& v, SettingEdit& e, QString& done)
{
    int stage = 0;
    const QString error = stageError(v[0], stage);
    if (!error.isEmpty())
        return error;
    if (!e.mouse().stages[stage - 1].used)
        return ctlText("stage %1 is switched off").arg(stage);
    e.own().dpi = quint8(stage - 1);
    done = QStringLiteral("stage %1").arg(stage);
    return QString();
}

QString applyRate(const QStringList& v, SettingEdit& e, QString& done)
{
    const int code = rateCode(v[0].toInt());
    if (!code)
        return ctlText("rate takes %1").arg(rateWords().join(", "));
    e.own().pollrate = quint8(code);
    done = QStringLiteral("rate %1").arg(rateHz(code));
    return QString();
}

QString applyLift(const QStringList& v, SettingEdit& e, QString& done)
{
    int lift = 0;
    if (!toInt(v[0], 1, 2, lift))
        return ctlText("lift takes 1 or 2 (mm)");
    e.config.LiftHigh = quint8(lift);
    done = QStringLiteral("lift %1").arg(lift);
    return QString();
}

QString applyScroll(const QStringList& v, SettingEdit& e, QString& done)
{
    int lines = 0;
    if (!toInt(v[0], SCROLL_MIN, SCROLL_MAX, lines))
        return rangeError(ctlText("scroll"), SCROLL_MIN, SCROLL_MAX);
    e.own().scrollspeed = quint8(lines);
    done = QStringLiteral("scroll %1").arg(lines);
    return QString();
}

QString applyAngle(const QStringList& v, SettingEdit& e, QString& done)
{
    return applySwitch(v[0], "angle-snapping", e.config.AngleValue, 0, 1, done);
}
QString applyJitter(const QStringList& v, SettingEdit& e, QString& done)
{
    return applySwitch(v[0], "jitter", e.config.Jitter, 0, 1, done);
}
QString applyWake(const QStringList& v, SettingEdit& e, QString& done)
{
    return applySwitch(v[0], "motion-wake", e.config.Wake, 0, 1, done);
}
QString applySync(const QStringList& v, SettingEdit& e, QString& done)
{
    return applySwitch(v[0], "sync", e.config.Sync, 1, 0, done);
}
QString applyLightOff(const QStringList& v, SettingEdit& e, QString& done)
{
    return applySwitch(v[0], "light-off", e.mouse().LedMoveOFF, 0, LIGHT_OFF_UNTICKED, done);
}

QString applyKeyResponse(const QStringList& v, SettingEdit& e, QString& done)
{
    int value = 0;
    if (!toInt(v[0], KEY_RESPONSE_MIN, KEY_RESPONSE_MAX, value))
        return rangeError(ctlText("key-response"), KEY_RESPONSE_MIN, KEY_RESPONSE_MAX);
    e.config.Debounce = quint8(value);
    done = QStringLiteral("key-response %1").arg(value);
    return QString();
}

QString applySensorMode(const QStringList& v, SettingEdit& e, QString& done)
{
    const int mode = sensorModeWords().indexOf(v[0].toLower());
    if (mode < 0)
        return ctlText("sensor-mode takes %1").arg(sensorModeWords().join(", "));
    e.config.SensorMode = quint8(mode);
    done = QStringLiteral("sensor-mode %1").arg(sensorModeWord(mode));
    return QString();
}

QString applySleep(const QStringList& v, SettingEdit& e, QString& done)
{
    int low = 1, high = 9, minutes = 0;
    sleepRange(low, high);
    if (!toInt(v[0], low, high, minutes))
        return rangeError(ctlText("sleep"), low, high);
    e.mouse().LedSleepTime = quint8(minutes);
    done = QStringLiteral("sleep %1").arg(minutes);
    return QString();
}

// One option of the light setting on the effect's record; the effect must show that control.
QString applyLightOption(const QString& option, const QString& value, int effect, LedModeInfo& info)
{
    const int controls = effectControls(effect);
    const QString name = effectWord(effect);
    int number = 0;
    if (option == QLatin1String("color")) {
        if (!(controls & EFFECT_COLOUR))
            return ctlText("the effect %1 has no colour").arg(name);
        const QString hex = value.startsWith('#') ? value : '#' + value;
        if (!QRegularExpression("^#[0-9a-fA-F]{6}$").match(hex).hasMatch())
            return ctlText("color takes RRGGBB, e.g. ff8000");
        info.RGB = QColor(hex).toRgb();
    } else if (option == QLatin1String("brightness")) {
        if (!(controls & EFFECT_BRIGHTNESS))
            return ctlText("the effect %1 has no brightness").arg(name);
        if (!toInt(value, BRIGHTNESS_MIN, BRIGHTNESS_MAX, number))
            return rangeError(option, BRIGHTNESS_MIN, BRIGHTNESS_MAX);
        info.bright = quint32(number);
    } else {
        if (!(controls & EFFECT_SPEED))
            return ctlText("the effect %1 has no speed").arg(name);
        if (!toInt(value, SPEED_MIN, SPEED_MAX, number))
            return rangeError(option, SPEED_MIN, SPEED_MAX);
        info.breath = quint32(number);
    }
    return QString();
}

QString applyLight(const QStringList& v, SettingEdit& e, QString& done)
{
    const int effect = effectOfWord(v[0]);
    if (effect < 0)
        return ctlText("light takes an effect: %1").arg(effectWords().join(", "));
    LedModeInfo info = e.mouse().lighting[effect];
    for (int i = 1; i + 1 < v.size(); i += 2) {
        const QString error = applyLightOption(v[i], v[i + 1], effect, info);
        if (!error.isEmpty())
            return error;
    }
    e.mouse().LedMode = quint8(effect);
    e.mouse().lighting[effect] = info;
    done = QStringLiteral("light %1").arg(effectWord(effect));
    return QString();
}

QString applyButton(const QStringList& v, SettingEdit& e, QString& done)
{
    const int slot = slotOfButton(v[0]);
    if (slot < 0) {
        QStringList names;
        for (const ButtonTarget& target : buttonTargets())
            names << target.name;
        return ctlText("button takes one of %1").arg(names.join(", "));
    }
    const QString error = applyFunctionWord(v[1], slot, e.mouse());
    if (error.isEmpty())
        done = QStringLiteral("button %1 %2").arg(v[0], functionWord(e.mouse().buttons[slot]));
    return error;
}

} // namespace

const QVector<Setting>& settings()
{
    static const QVector<Setting> table = {
        { "dpi", "STAGE DPI|XDPIxYDPI", 2, always, applyDpi },
        { "stages", "N", 1, always, applyStages },
        { "stage", "N", 1, always, applyStage },
        { "rate", "125|250|500|1000", 1, always, applyRate },
        { "lift", "1|2", 1, always, applyLift },
        { "scroll", "1-20", 1, always, applyScroll },
        { "angle-snapping", "on|off", 1, withSync, applyAngle },
        { "jitter", "on|off", 1, withSync, applyJitter },
        { "motion-wake", "on|off", 1, always, applyWake },
        { "sync", "on|off", 1, withSync, applySync },
        { "key-response", "1-255", 1, always, applyKeyResponse },
        { "sensor-mode", "eco|standard|competitive", 1, always, applySensorMode },
        { "light", "EFFECT [color RRGGBB] [brightness 1-3] [speed 1-5]", 1, withLighting, applyLight },
        { "sleep", "MINUTES", 1, always, applySleep },
        { "light-off", "on|off", 1, withLightOff, applyLightOff },
        { "button", "N FUNCTION", 2, always, applyButton },
    };
    return table;
}

const Setting* findSetting(const QString& name)
{
    for (const Setting& setting : settings()) {
        if (name == QLatin1String(setting.name))
            return &setting;
    }
    return nullptr;
}

QStringList lightOptions()
{
    return { QStringLiteral("color"), QStringLiteral("brightness"), QStringLiteral("speed") };
}

// mousecfgctl get: the saved configuration in the words of set, as aligned text or one JSON object.
#include "ctl/buttonWords.h"
#include "ctl/commandOptions.h"
#include "ctl/ctlCommand.h"
#include "ctl/settingNames.h"

#include "panels/lightingEffects.h"
#include "store/deviceDescription.h"
#include "store/sensors.h"
#include "store/settings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonValue onOff(quint8 value, quint8 on)
{
    return value == on;
}

QJsonObject dpiObject(const MouseConfig& config, const ProfileData& own)
{
    const ProfileData& mouse = mouseProfile(config);
    const int sensor = sensorModel();
    QJsonArray stages;
    int enabled = 0;
    for (int i = 0; i < usableDpiStageCount(); ++i) {
        const DpiStage& s = mouse.stages[i];
        enabled += s.used ? 1 : 0;
        stages.append(QJsonObject { { "stage", i + 1 }, { "enabled", s.used != 0 }, { "dpi", displayedDpi(s, sensor) },
            { "x", sensorRawToDpi(int(s.x), sensor) }, { "y", sensorRawToDpi(int(s.y), sensor) } });
    }
    return { { "stages", stages }, { "count", enabled }, { "active", own.dpi + 1 } };
}

QJsonObject lightingObject(const ProfileData& mouse)
{
    QJsonObject lighting { { "sleep", mouse.LedSleepTime } };
    if (showSleep() != 0)
        lighting["lightOff"] = onOff(mouse.LedMoveOFF, 0);
    if (ledDisable() != 0)
        return lighting;
    const int effect = mouse.LedMode;
    lighting["effect"] = effectWord(effect);
    const int controls = effectControls(effect);
    if (controls < 0)
        return lighting;
    const LedModeInfo& info = mouse.lighting[effect];
    if (controls & EFFECT_COLOUR)
        lighting["color"] = info.RGB.isValid() ? QJsonValue(info.RGB.name()) : QJsonValue();
    if (controls & EFFECT_BRIGHTNESS)
        lighting["brightness"] = int(info.bright);
    if (controls & EFFECT_SPEED)
        lighting["speed"] = int(info.breath);
    return lighting;
}

QJsonArray buttonsArray(const ProfileData& mouse, QStringList& macros)
{
    QJsonArray buttons;
    for (const ButtonTarget& target : buttonTargets()) {
        const ButtonInfo& button = mouse.buttons[target.slot];
        buttons.append(QJsonObject { { "button", target.name }, { "function", functionWord(button) } });
        if (button.Fun == FUN_MACRO && !macros.contains(button.macroname))
            macros << button.macroname;
    }
    return buttons;
}

QJsonObject configurationObject(const MouseConfig& config, int profile)
{
    const ProfileData& own = config.profiles[profile];
    QStringList macros;
    QJsonObject object {
        { "product", productName() },
        { "profile", profile + 1 },
        { "activeProfile", config.activeSlot() + 1 },
        { "mayDiffer", diffFlag() == 1 },
        { "dpi", dpiObject(config, own) },
        { "rate", rateHz(own.pollrate) },
        { "scroll", own.scrollspeed },
        { "lift", config.LiftHigh },
        { "keyResponse", config.Debounce },
        { "motionWake", onOff(config.Wake, 0) },
        { "sensorMode", sensorModeWord(config.SensorMode) },
        { "lighting", lightingObject(mouseProfile(config)) },
        { "buttons", buttonsArray(mouseProfile(config), macros) },
    };
    if (syncMode() != 0) {
        object["sync"] = onOff(config.Sync, 1);
        object["angleSnapping"] = onOff(config.AngleValue, 0);
        object["jitter"] = onOff(config.Jitter, 0);
    }
    object["macros"] = QJsonArray::fromStringList(macros);
    object["profileNames"]
        = QJsonArray::fromStringList(QStringList(config.profileNames, config.profileNames + PROFILE_COUNT));
    return object;
}

QString yesNo(const QJsonValue& value, const char* yes = "on", const char* no = "off")
{
    return QLatin1String(value.toBool() ? yes : no);
}

// The text form: one "name value" line per setting, in the words set takes.
void printText(const QJsonObject& o)
{
    QVector<QPair<QString, QString>> lines;
    auto add = [&](const QString& name, const QString& value) { lines.append({ name, value }); };
    add("product", o["product"].toString());
    QStringList names;
    const QJsonArray profileNames = o["profileNames"].toArray();
    for (int i = 0; i < profileNames.size(); ++i)
        names << QStringLiteral("%1 \"%2\"").arg(i + 1).arg(profileNames[i].toString());
    add("profiles", names.join(", "));
    add("active-profile", QString::number(o["activeProfile"].toInt()));
    add("shown-profile", QString::number(o["profile"].toInt()));
    add("mouse-may-differ", yesNo(o["mayDiffer"], "yes (the next apply sends everything)", "no"));
    const QJsonObject dpi = o["dpi"].toObject();
    for (const QJsonValue& v : dpi["stages"].toArray()) {
        const QJsonObject s = v.toObject();
        const int x = s["x"].toInt(), y = s["y"].toInt();
        add(QStringLiteral("dpi %1").arg(s["stage"].toInt()),
            (x == y ? QString::number(s["dpi"].toInt()) : QStringLiteral("%1x%2").arg(x).arg(y))
                + (s["enabled"].toBool() ? QString() : QStringLiteral("  (off)")));
    }
    add("stages", QString::number(dpi["count"].toInt()));
    add("stage", QString::number(dpi["active"].toInt()));
    add("rate", QString::number(o["rate"].toInt()));
    add("lift", QString::number(o["lift"].toInt()));
    add("scroll", QString::number(o["scroll"].toInt()));
    for (const char* key : { "angleSnapping", "jitter", "sync" }) {
        if (o.contains(key))
            add(key == QLatin1String("angleSnapping") ? "angle-snapping" : key, yesNo(o[key]));
    }
    add("motion-wake", yesNo(o["motionWake"]));
    add("key-response", QString::number(o["keyResponse"].toInt()));
    add("sensor-mode", o["sensorMode"].toString());
    const QJsonObject lighting = o["lighting"].toObject();
    if (lighting.contains("effect")) {
        QString light = lighting["effect"].toString();
        if (lighting["color"].isString())
            light += " color " + lighting["color"].toString().mid(1);
        for (const char* key : { "brightness", "speed" }) {
            if (lighting.contains(key))
                light += QStringLiteral(" %1 %2").arg(QLatin1String(key)).arg(lighting[key].toInt());
        }
        add("light", light);
    }
    add("sleep", QString::number(lighting["sleep"].toInt()));
    if (lighting.contains("lightOff"))
        add("light-off", yesNo(lighting["lightOff"]));
    for (const QJsonValue& v : o["buttons"].toArray())
        add("button " + v["button"].toString(), v["function"].toString());
    add("macros", o["macros"].toVariant().toStringList().join(", "));
    int width = 0;
    for (const auto& line : qAsConst(lines))
        width = qMax(width, line.first.size());
    for (const auto& line : qAsConst(lines))
        ctlOut() << line.first.leftJustified(width + 2) << line.second << "\n";
}

} // namespace

int runGet(const QStringList& arguments)
{
    QStringList args = arguments;
    const bool json = takeFlag(args, "--json");
    MouseConfig config;
    loadAll(config);
    int profile = config.activeSlot();
    QString error;
    if (!takeProfileOption(args, profile, error) || !args.isEmpty()) {
        ctlErr() << (error.isEmpty() ? ctlText("usage: mousecfgctl get [--json] [--profile N]") : error) << "\n";
        return CTL_USAGE;
    }
    const QJsonObject object = configurationObject(config, profile);
    if (json)
        ctlOut() << QJsonDocument(object).toJson(QJsonDocument::Compact) << "\n";
    else
        printText(object);
    return CTL_OK;
}

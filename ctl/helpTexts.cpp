// Help texts: what each command shows, the settings of set and the exit codes.
#include "ctl/helpTexts.h"

#include "ctl/buttonWords.h"
#include "ctl/ctlCommand.h"
#include "ctl/settingNames.h"
#include "ctl/settingTable.h"

#include "store/macroFiles.h"

const char* const STATUS_DETAILS = QT_TRANSLATE_NOOP("mousecfgctl",
    "Asks the mouse for its status once and prints as soon as it answers. Battery, charging and connection come\n"
    "from that answer. Profile, DPI stage and report rate are those last applied, unless the mouse reported a\n"
    "change before it answered (status does not wait for change reports: use watch to follow them).\n"
    "--json prints one object: connected, connection (\"cable\"|\"receiver\"), awake, battery {percent,\n"
    "millivolts} or null, charging, profile, dpiStage, dpi, rate, source (\"reported\"|\"saved\").\n"
    "Exits 5 when the mouse gives no battery data (asleep or off).");

const char* const WATCH_DETAILS = QT_TRANSLATE_NOOP("mousecfgctl",
    "Prints one line at the start and one on every change: a battery step (10%), charging, the mouse waking or\n"
    "falling asleep, the receiver or cable plugged in or pulled, and the profile, DPI stage and report rate the\n"
    "mouse reports when they are changed on the mouse. The battery is asked for every --interval seconds\n"
    "(default 25, as the window does). --json prints one object per line: event (\"start\", \"battery\",\n"
    "\"charging\", \"awake\", \"connection\", \"report\"), connected, and while connected connection, awake,\n"
    "battery {percent, millivolts} or null, charging, profile, dpiStage, dpi, rate.\n"
    "Ctrl+C (SIGINT) or SIGTERM ends it with exit code 0.\n"
    "With MOUSECFG_DEVICE=virtual, lines on standard input drive the virtual mouse: \"report PROFILE STAGE\n"
    "RATE\", \"battery MILLIVOLTS [charging]\", \"plug receiver|cable\", \"unplug receiver|cable\".");

const char* const GET_DETAILS = QT_TRANSLATE_NOOP("mousecfgctl",
    "Shows the configuration as saved, which is what the last apply sent unless mouse-may-differ says yes.\n"
    "Each line is a setting and its value in the words set takes. --profile N shows the report rate, scroll\n"
    "lines and active stage of profile N (default: the active profile); DPI stages, buttons and lighting are\n"
    "the one copy the mouse keeps.\n"
    "--json prints one object: product, profile, activeProfile, profileNames [5], mayDiffer,\n"
    "dpi {count, active, stages [{stage, enabled, dpi, x, y}]}, rate, scroll, lift, keyResponse, motionWake,\n"
    "sensorMode, sync, angleSnapping and jitter (when the model has them), lighting {effect, color, brightness,\n"
    "speed (as the effect has them), sleep, lightOff (when the model has it)}, buttons [{button, function}],\n"
    "macros (names bound to buttons).");

const char* const SET_DETAILS = QT_TRANSLATE_NOOP("mousecfgctl",
    "Every SETTING VALUE pair is checked before anything changes: an unknown setting, a setting this model does\n"
    "not have, or a value out of range exits 64 and names the values allowed, with no file touched. Then the\n"
    "settings are saved as the window saves them and the groups that changed are sent, as Apply does.\n"
    "--no-apply only saves (the next apply then sends everything). --profile N changes the report rate, scroll\n"
    "lines and active stage of profile N instead of the active one. Each changed setting is printed as it\n"
    "became (a DPI is snapped to the nearest step of the sensor).\n"
    "Example: mousecfgctl set dpi 2 1600 stage 2 rate 1000 light breathing color 00ff80 speed 2");

void printExitCodes()
{
    QTextStream& out = ctlOut();
    out << ctlText("Exit codes:") << "\n"
        << "   0  " << ctlText("success") << "\n"
        << "   1  " << ctlText("no receiver or cable found") << "\n"
        << "   2  " << ctlText("a frame was not confirmed by the mouse") << "\n"
        << "   3  " << ctlText("a device was found but cannot be opened (permissions)") << "\n"
        << "   4  " << ctlText("a write to the mouse failed") << "\n"
        << "   5  " << ctlText("the mouse is asleep or switched off") << "\n"
        << "   6  " << ctlText("the file to import is unreadable, holds no configuration or is of another product")
        << "\n"
        << "   7  " << ctlText("a settings or profile file could not be written") << "\n"
        << "   8  " << ctlText("the window is running: set, apply, profile and import leave the files to it") << "\n"
        << "  64  " << ctlText("unknown command, setting or value") << "\n";
}

void printSettingsHelp()
{
    QTextStream& out = ctlOut();
    out << "\n" << ctlText("Settings:") << "\n";
    for (const Setting& setting : settings()) {
        out << "  " << QString::fromLatin1(setting.name).leftJustified(15) << setting.values;
        if (!setting.offered())
            out << "   (" << ctlText("not on this model") << ")";
        out << "\n";
    }
    QStringList buttons;
    for (const ButtonTarget& target : buttonTargets())
        buttons << target.name;
    const QVector<ButtonTarget> targets = buttonTargets();
    out << "\n"
        << ctlText("Buttons:") << " " << buttons.join(", ") << "\n"
        << ctlText("Functions of buttons 1..:") << " " << functionWordsFor(targets.first().slot).join(", ") << "\n"
        << ctlText("Functions of the wheel:") << " " << functionWordsFor(targets.last().slot).join(", ") << "\n"
        << ctlText("Modifiers of combo:") << " shift, ctrl, win, alt\n"
        << ctlText("Targets of fire:") << " left, right, middle, " << ctlText("or a key") << "\n"
        << ctlText("Lighting effects:") << " " << effectWords().join(", ") << "\n"
        << ctlText("Macros:") << " " << macroListNames().join(", ") << "\n";
}

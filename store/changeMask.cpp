// computeChangeMask: which groups of settings differ between the edited and the sent configuration,
// and the edited-macro marks an apply consumes once the mouse has them.
#include "store/MouseConfig.h"

#include "store/iniFile.h"
#include "store/safeNames.h"
#include "store/settings.h"

#include <QSettings>
#include <cstring>

namespace {
const QString WRITE_SIGN_KEY = QStringLiteral("Setting/WriteSign");

// The file of a macro name inside MacroDB; a name leading out of it gives an empty path.
QString macroPath(const QString& macroName)
{
    return safeChildPath(configDir() + QStringLiteral("/MacroDB"), macroName, ".MSMACRO");
}

bool generalDiffers(const MouseConfig& a, const MouseConfig& b)
{
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        if (a.profiles[i].pollrate != b.profiles[i].pollrate || a.profiles[i].scrollspeed != b.profiles[i].scrollspeed)
            return true;
    }
    if (a.AngleValue != b.AngleValue || a.LiftHigh != b.LiftHigh || a.Sync != b.Sync || a.Jitter != b.Jitter
        || a.Debounce != b.Debounce || a.Wake != b.Wake || a.SensorMode != b.SensorMode)
        return true;
    if (a.ProfileID != b.ProfileID)
        return true;
    const ProfileData& pa = a.current();
    const ProfileData& pb = b.current();
    return pa.dpi != pb.dpi || pa.LedMode != pb.LedMode || pa.LedMoveOFF != pb.LedMoveOFF
        || pa.LedSleepTime != pb.LedSleepTime;
}

bool dpiDiffers(const MouseConfig& a, const MouseConfig& b)
{
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        for (int s = 0; s < DPI_STAGE_COUNT; ++s) {
            const DpiStage& x = a.profiles[i].stages[s];
            const DpiStage& y = b.profiles[i].stages[s];
            if (x.used != y.used || x.x != y.x || x.y != y.y)
                return true;
        }
    }
    return false;
}

bool keyInfoDiffers(const ButtonInfo& a, const ButtonInfo& b)
{
    static_assert(sizeof(KeyInfo) == 3, "KeyInfo is compared as a packed block");
    return std::memcmp(a.keyInfo, b.keyInfo, sizeof(a.keyInfo)) != 0;
}

// Setting/WriteSign of a bound macro: the file was edited since it was last sent.
bool macroWriteSignSet(const QString& macroName)
{
    const QString path = macroPath(macroName);
    if (!iniReadable(path))
        return false;
    return intFromVariant(QSettings(path, QSettings::IniFormat).value(WRITE_SIGN_KEY)) != 0;
}

bool slotDiffers(const ButtonInfo& a, const ButtonInfo& b)
{
    if (a.ID != b.ID || a.Fun != b.Fun || a.LoopNumber != b.LoopNumber || a.KeyNumber != b.KeyNumber || a.Res1 != b.Res1
        || a.Res2 != b.Res2 || a.Res3 != b.Res3 || a.Res4 != b.Res4)
        return true;
    if (a.Fun != FUN_MACRO)
        return keyInfoDiffers(a, b);
    if (a.macroname != b.macroname || keyInfoDiffers(a, b))
        return true;
    return macroWriteSignSet(a.macroname);
}

bool buttonsDiffer(const MouseConfig& a, const MouseConfig& b)
{
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        for (int k = 0; k < BUTTON_SLOT_COUNT; ++k) {
            if (slotDiffers(a.profiles[i].buttons[k], b.profiles[i].buttons[k]))
                return true;
        }
    }
    return false;
}

bool lightingDiffers(const MouseConfig& a, const MouseConfig& b)
{
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        const ProfileData& pa = a.profiles[i];
        const ProfileData& pb = b.profiles[i];
        if (pa.LedMode != pb.LedMode)
            return true;
        // An effect number beyond the table has no settings to compare.
        if (pa.LedMode >= LED_MODE_COUNT)
            continue;
        const LedModeInfo& x = pa.lighting[pa.LedMode];
        const LedModeInfo& y = pb.lighting[pa.LedMode];
        if (x.RGB != y.RGB || x.h != y.h || x.s != y.s || x.v != y.v || x.bright != y.bright || x.breath != y.breath)
            return true;
    }
    return false;
}
} // namespace

ChangeMask computeChangeMask(const MouseConfig& current, const MouseConfig& sent)
{
    ChangeMask mask = 0;
    if (generalDiffers(current, sent))
        mask |= CHANGE_GENERAL;
    if (dpiDiffers(current, sent))
        mask |= CHANGE_DPI;
    if (buttonsDiffer(current, sent))
        mask |= CHANGE_BUTTONS;
    if (lightingDiffers(current, sent))
        mask |= CHANGE_LIGHTING;
    return mask;
}

void consumeMacroWriteSigns(const MouseConfig& sent)
{
    for (const ProfileData& profile : sent.profiles) {
        for (const ButtonInfo& button : profile.buttons) {
            if (button.Fun == FUN_MACRO && macroWriteSignSet(button.macroname))
                writeIni(macroPath(button.macroname), [](QSettings& s) { s.setValue(WRITE_SIGN_KEY, 0); });
        }
    }
}

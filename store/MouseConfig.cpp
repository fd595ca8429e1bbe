// The two process-wide configuration records and field-by-field equality of the records.
#include "store/MouseConfig.h"

#include <algorithm>

MouseConfig currentConfig;
MouseConfig sentConfig;

ProfileData& mouseProfile(MouseConfig& config)
{
    return config.profiles[0];
}

const ProfileData& mouseProfile(const MouseConfig& config)
{
    return config.profiles[0];
}

void alignActiveProfile(MouseConfig& config)
{
    const ProfileData& mouse = mouseProfile(config);
    ProfileData& active = config.current();
    active.LedMode = mouse.LedMode;
    active.LedSleepTime = mouse.LedSleepTime;
    active.LedMoveOFF = mouse.LedMoveOFF;
}

namespace {
template <typename T, size_t N> bool sameArray(const T (&a)[N], const T (&b)[N])
{
    return std::equal(std::begin(a), std::end(a), std::begin(b));
}
} // namespace

bool operator==(const DpiStage& a, const DpiStage& b)
{
    return a.used == b.used && a.link == b.link && a.xy == b.xy && a.x == b.x && a.y == b.y;
}

bool operator==(const KeyInfo& a, const KeyInfo& b)
{
    return a.map == b.map && a.L == b.L && a.H == b.H;
}

bool operator==(const ButtonInfo& a, const ButtonInfo& b)
{
    return a.ID == b.ID && a.Fun == b.Fun && a.LoopNumber == b.LoopNumber && a.KeyNumber == b.KeyNumber
        && sameArray(a.keyInfo, b.keyInfo) && a.Res1 == b.Res1 && a.Res2 == b.Res2 && a.Res3 == b.Res3
        && a.Res4 == b.Res4 && a.macroname == b.macroname;
}

bool operator==(const LedModeInfo& a, const LedModeInfo& b)
{
    return a.RGB == b.RGB && a.h == b.h && a.s == b.s && a.v == b.v && a.bright == b.bright && a.breath == b.breath;
}

bool operator==(const ProfileData& a, const ProfileData& b)
{
    return a.pollrate == b.pollrate && a.dpi == b.dpi && a.LedMode == b.LedMode && a.LedMoveOFF == b.LedMoveOFF
        && a.LedSleepTime == b.LedSleepTime && sameArray(a.stages, b.stages) && a.mousespeed == b.mousespeed
        && a.dbclickspeed == b.dbclickspeed && a.scrollispage == b.scrollispage && a.scrollspeed == b.scrollspeed
        && a.accelenable == b.accelenable && a.acee == b.acee && sameArray(a.buttons, b.buttons)
        && sameArray(a.lighting, b.lighting) && a.ProfileName == b.ProfileName && a.ProfilePath == b.ProfilePath;
}

bool operator==(const MouseConfig& a, const MouseConfig& b)
{
    return a.ProfileID == b.ProfileID && sameArray(a.profiles, b.profiles) && a.AngleValue == b.AngleValue
        && a.LiftHigh == b.LiftHigh && a.Sync == b.Sync && a.Count == b.Count && a.Jitter == b.Jitter
        && a.Debounce == b.Debounce && a.Wake == b.Wake && a.SensorMode == b.SensorMode
        && sameArray(a.profileNames, b.profileNames);
}

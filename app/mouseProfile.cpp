// The profile the mouse receives its single-copy settings from.
#include "app/mouseProfile.h"

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

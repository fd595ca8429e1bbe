// Which profile of the configuration holds the settings the mouse receives.
//
// The mouse keeps one set of DPI stages, button functions and lighting (effect, effect records and
// sleep settings): the download takes them from the first profile. Report rate and scroll lines are
// sent for all five profiles, and the active DPI stage goes with the active profile. The pages
// show and edit exactly these, so what the window shows is what an apply sends.
#pragma once

#include "store/MouseConfig.h"

// The profile whose DPI stages, buttons and lighting the mouse receives.
ProfileData& mouseProfile(MouseConfig& config);
const ProfileData& mouseProfile(const MouseConfig& config);

// The general block sends the lighting effect of the active profile, and the change comparison
// looks for new sleep settings there too. Before a send the active profile takes the effect and
// the sleep settings of the mouse profile, so the effect sent is the one the lighting page shows
// and a changed sleep setting is sent even while another slot is active.
void alignActiveProfile(MouseConfig& config);

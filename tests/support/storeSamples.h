// Configuration records filled with distinct values, so a lost or swapped field shows in a comparison.
#pragma once

#include "store/MouseConfig.h"

// Every field of the profile set from seed; colours valid and distinct per effect.
ProfileData storeSampleProfile(int seed);
// Five sample profiles, sensor bytes and names "Sample 1".."Sample 5".
MouseConfig storeSampleConfig(int seed = 1);

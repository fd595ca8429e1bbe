// Connections between panels that show the same setting.
#pragma once

class KroReportRate;
class KroPointSpeed;
class SleepControls;

// Both panels show the lift-off distance: a click on one is shown by the other.
void linkLiftControls(KroReportRate* rate, KroPointSpeed* point);
// The LIGHTING and the DPI page both show the sleep settings: a change on one is shown by the other.
void linkSleepControls(SleepControls* a, SleepControls* b);

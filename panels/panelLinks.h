// Connections between panels of the DPI page that show the same setting.
#pragma once

class KroReportRate;
class KroPointSpeed;

// Both panels show the lift-off distance: a click on one is shown by the other.
void linkLiftControls(KroReportRate* rate, KroPointSpeed* point);

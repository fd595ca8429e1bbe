// Keeps controls of different panels that show one setting in step.
#include "panels/panelLinks.h"

#include "panels/KroPointSpeed.h"
#include "panels/KroReportRate.h"
#include "panels/SleepControls.h"

void linkLiftControls(KroReportRate* rate, KroPointSpeed* point)
{
    QObject::connect(rate, &KroReportRate::RefreshLift, point, &KroPointSpeed::setLift);
    QObject::connect(point, &KroPointSpeed::RefreshLift, rate, &KroReportRate::setLift);
}

void linkSleepControls(SleepControls* a, SleepControls* b)
{
    QObject::connect(a, &SleepControls::changed, b, &SleepControls::refresh);
    QObject::connect(b, &SleepControls::changed, a, &SleepControls::refresh);
}

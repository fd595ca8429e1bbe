// Keeps the lift-off buttons of the report-rate and mouse setting panels in step.
#include "panels/panelLinks.h"

#include "panels/KroPointSpeed.h"
#include "panels/KroReportRate.h"

void linkLiftControls(KroReportRate* rate, KroPointSpeed* point)
{
    QObject::connect(rate, &KroReportRate::RefreshLift, point, &KroPointSpeed::setLift);
    QObject::connect(point, &KroPointSpeed::RefreshLift, rate, &KroReportRate::setLift);
}

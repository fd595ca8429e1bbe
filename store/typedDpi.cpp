// Typed DPI values: the nearest step of the sensor's slider.
#include "store/typedDpi.h"

#include "store/deviceDescription.h"
#include "store/settings.h"

bool installedDpiRange(DpiRange& range)
{
    return dpiRangeFor(sensorModel(), currentProductName(), sensor33254() == 1, range);
}

int rawForDpiWithin(int dpi, int sensor, const DpiRange& range)
{
    const int low = sensorRawToDpi(range.minimum, sensor);
    const int high = sensorRawToDpi(range.maximum, sensor);
    if (low <= 0 || dpi < low || dpi > high)
        return -1;
    return rawForDpi(dpi, sensor, range);
}

void setStageValues(DpiStage& stage, quint32 x, quint32 y)
{
    stage.x = x;
    stage.y = y;
    if (stage.link)
        stage.xy = x;
}

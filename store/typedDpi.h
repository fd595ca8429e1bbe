// A DPI value typed by the user, turned into the raw stage value the sensor's slider would hold.
#pragma once

#include "store/MouseConfig.h"
#include "store/sensors.h"

// The slider range of the installed sensor model, as the DPI page takes it; false for an unknown model.
bool installedDpiRange(DpiRange& range);
// rawForDpi (sensors) for a typed value that must lie within the DPI of the range's ends; -1 when
// it does not.
int rawForDpiWithin(int dpi, int sensor, const DpiRange& range);
// What a move of the stage's slider writes: the X and Y values, and the linked value while linked.
void setStageValues(DpiStage& stage, quint32 x, quint32 y);

// What the program knows per sensor model: slider range, raw stage value to dots per inch, raw value
// to resolution register bytes, the DPI-lock register and the sniper step range.
#pragma once

#include "store/MouseConfig.h"

#include <QString>
#include <array>

struct DpiRange {
    int minimum = 1; // raw slider minimum
    int maximum = 100; // raw slider maximum
    int minDpi = 0; // label at the low end
    int maxDpi = 0; // label at the high end
    bool showLink = false;
};

// Sniper step range of a sensor: the slider range and the value a stored step outside the
// valid range is replaced by.
struct SniperRange {
    int sliderMin;
    int sliderMax;
    int validMin;
    int validMax;
    int fallback;
};

// The two bytes of one resolution register: value and range byte.
using RegisterPair = std::array<quint8, 2>;
// The four stage bytes of a DPI stage in the order they are sent.
using StageRegisters = std::array<quint8, 4>;

// The range of a sensor model. product is the current product name (3327 ranges differ per
// product); has33254 is the description key 33254 (the long 3325 range). False for an unknown
// model: the rows then keep the range they have.
bool dpiRangeFor(int sensor, const QString& product, bool has33254, DpiRange& range);

// Dots per inch of a raw stage value; unknown models give 0.
int sensorRawToDpi(int raw, int sensor);
// A typed resolution snapped to what the sensor can hold: the raw value within range.minimum ..
// range.maximum whose dots per inch are nearest to dpi (the lower one on a tie).
int rawForDpi(int dpi, int sensor, const DpiRange& range);
// The stage bytes of raw X and Y values; modeByte is byte 10 of the last status reply. Unknown
// models give zeros.
StageRegisters stageRegisters(int sensor, quint32 x, quint32 y, quint8 modeByte);
// Register value of the DPI-lock button function for a raw stage value.
quint8 lockRegister(int sensor, quint8 raw);
SniperRange sniperRange(int sensor);

// The dots per inch a stage stands for. A linked stage is shown by its combined slider, which
// holds x (y follows it), and sensors with one register send x for both axes: those give x.
// Otherwise y, the value the stage row names as its DPI. The linked value xy is not used: it is
// only rewritten while the stage is linked, so it goes stale once the link is taken off.
int displayedDpi(const DpiStage& stage, int sensor);

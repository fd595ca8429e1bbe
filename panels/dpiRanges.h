// Slider range and labels of the DPI stage rows per sensor model.
#pragma once

#include <QString>

struct DpiRange {
    int minimum = 1; // raw slider minimum
    int maximum = 100; // raw slider maximum
    int minDpi = 0; // label at the low end
    int maxDpi = 0; // label at the high end
    bool showLink = false;
};

// The range of a sensor model. product is the current product name (3327 ranges differ per
// product); has33254 is the description key 33254 (the long 3325 range). False for an unknown
// model: the rows then keep the range they have.
bool dpiRangeFor(int sensor, const QString& product, bool has33254, DpiRange& range);

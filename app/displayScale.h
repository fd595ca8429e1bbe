// The display scale table: logical DPI of a screen to a scale step and factor.
#pragma once

constexpr int SCALE_STEP_COUNT = 17;
constexpr int LAYOUT_WIDTH = 999;
constexpr int LAYOUT_HEIGHT = 640;

struct DisplayScale {
    int step = 0;
    double factor = 1.0;
};

// Step and factor for a screen's logical DPI (96 = 1.0).
DisplayScale scaleForDpi(double logicalDpi);
// Factor of a step; steps outside 0..16 give 1.0.
double factorForStep(int step);

// The display scale table.
#include "app/displayScale.h"

namespace {
// Upper bounds of the DPI ratio per step; the last step takes everything above.
const double RATIO_BOUNDS[SCALE_STEP_COUNT - 1]
    = { 1.1, 1.4, 1.6, 1.8, 2.1, 2.3, 2.6, 2.8, 3.1, 3.3, 3.6, 3.8, 4.1, 4.3, 4.6, 4.8 };
} // namespace

double factorForStep(int step)
{
    if (step < 0 || step >= SCALE_STEP_COUNT)
        return 1.0;
    return 1.0 + 0.25 * step;
}

DisplayScale scaleForDpi(double logicalDpi)
{
    const double ratio = logicalDpi / 96.0;
    int step = SCALE_STEP_COUNT - 1;
    for (int i = 0; i < SCALE_STEP_COUNT - 1; ++i) {
        if (ratio < RATIO_BOUNDS[i]) {
            step = i;
            break;
        }
    }
    return { step, factorForStep(step) };
}

// Battery level and connection mode.
#include "store/batteryLevel.h"

int batteryMillivolts(quint8 lo, quint8 hi)
{
    const int raw = hi * 256 + lo;
    return 990 * raw / 240;
}

int batteryLevel(quint8 lo, quint8 hi, int fullMillivolts)
{
    if (batteryMillivolts(lo, hi) >= fullMillivolts)
        return 100;
    // Raw bounds of 4100, 4000, 3900, 3800, 3700, 3500, 3400 and 3200 mV.
    static const struct {
        int raw;
        int level;
    } steps[]
        = { { 994, 90 }, { 970, 80 }, { 946, 70 }, { 922, 60 }, { 897, 50 }, { 849, 40 }, { 825, 30 }, { 776, 20 } };
    const int raw = hi * 256 + lo;
    for (const auto& s : steps) {
        if (raw >= s.raw)
            return s.level;
    }
    return 10;
}

int connectionMode(bool cableControl, bool receiverControl, quint8 charging)
{
    if (cableControl)
        return receiverControl ? 1 : 0;
    if (!receiverControl)
        return 3;
    return charging ? 1 : 2;
}

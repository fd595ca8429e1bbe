// Battery level and connection mode computed from the poller's status report.
#pragma once

#include <QtGlobal>

// Millivolts of a raw battery reading (hi * 256 + lo), truncated.
int batteryMillivolts(quint8 lo, quint8 hi);
// Level 10..100 in steps of 10; 100 at or above fullMillivolts.
int batteryLevel(quint8 lo, quint8 hi, int fullMillivolts);

// Which indicators the status corner shows: 0 cable only, 1 charging or cable with receiver,
// 2 receiver on battery, 3 nothing connected.
int connectionMode(bool cableControl, bool receiverControl, quint8 charging);
// Modes below 2 draw the charging battery picture and hide the bar.
inline bool modeShowsBar(int mode)
{
    return mode >= 2;
}
inline bool modeShowsDongle(int mode)
{
    return mode == 1 || mode == 2;
}

// Configuration records filled with distinct values for the store tests.
#include "storeSamples.h"

ProfileData storeSampleProfile(int seed)
{
    ProfileData p;
    p.pollrate = quint8(seed + 1);
    p.dpi = quint8(seed + 2);
    p.LedMode = quint8((seed + 3) % LED_MODE_COUNT);
    p.LedMoveOFF = 255;
    p.LedSleepTime = quint8(seed + 4);
    for (int i = 0; i < DPI_STAGE_COUNT; ++i)
        p.stages[i] = { quint8(i % 2), quint8((i + 1) % 2), quint32(100000 + seed * 10 + i), quint32(200 + i),
            quint32(4000000000u + quint32(i)) };
    p.mousespeed = quint8(seed + 5);
    p.dbclickspeed = quint8(seed + 6);
    p.scrollispage = 1;
    p.scrollspeed = quint8(seed + 7);
    p.accelenable = 1;
    p.acee = quint8(seed + 8);
    for (int k = 0; k < BUTTON_SLOT_COUNT; ++k) {
        ButtonInfo& b = p.buttons[k];
        b.ID = -k - seed;
        b.Fun = k + seed;
        b.LoopNumber = 1000 * k;
        b.KeyNumber = k % 64;
        b.Res1 = quint8(k);
        b.Res2 = quint8(255 - k);
        b.Res3 = quint8(seed);
        b.Res4 = 200;
        b.macroname = QStringLiteral("macro %1 é").arg(k);
        for (int j = 0; j < KEYINFO_COUNT; ++j)
            b.keyInfo[j] = { quint8(j + k), quint8(255 - j), quint8(seed + j) };
    }
    for (int m = 0; m < LED_MODE_COUNT; ++m)
        p.lighting[m] = { QColor(m * 18, 255 - m * 10, seed % 256, 200 + m), quint32(360 - m), quint32(m),
            quint32(m * 2), quint32(1 + m % 3), quint32(1 + m % 5) };
    p.ProfileName = QStringLiteral("Sample %1").arg(seed);
    p.ProfilePath = QStringLiteral("/some/where/Sample %1.prof").arg(seed);
    return p;
}

MouseConfig storeSampleConfig(int seed)
{
    MouseConfig c;
    c.ProfileID = 2;
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        c.profiles[i] = storeSampleProfile(seed + i);
        c.profileNames[i] = QStringLiteral("Sample %1").arg(i + 1);
    }
    c.AngleValue = 1;
    c.LiftHigh = 2;
    c.Sync = 3;
    c.Count = 4;
    c.Jitter = 5;
    c.Debounce = 6;
    c.Wake = 7;
    c.SensorMode = 8;
    return c;
}

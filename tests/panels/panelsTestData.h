// Description and settings files the panel tests start from.
#pragma once

#include "store/MouseConfig.h"
#include "support/TestAppDir.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QWidget>

// Writes DefaultProfile.bin with the given extra PROFILE lines and Configs/Config.ini with the
// sensor model and product name.
inline void writePanelsSetup(
    const TestAppDir& dir, int sensor, const QByteArray& product, const QByteArray& profileLines = QByteArray())
{
    dir.write("DefaultProfile.bin", "[PROFILE]\nProductName=" + product + "\n" + profileLines);
    dir.write("Configs/Config.ini",
        "[Config]\nCurrentProductName=" + product + "\nGColorID=1\n[MouseSenSor]\n1=" + QByteArray::number(sensor)
            + "\n[FONT_LIST]\nFONT_0=DejaVu Sans\nFONT_SIZE_0=12\n");
}

// A profile with distinct, recognisable stage values.
inline ProfileData panelsTestProfile()
{
    ProfileData p;
    p.pollrate = 4;
    p.dpi = 1;
    p.LedMode = 1;
    p.LedSleepTime = 5;
    p.scrollspeed = 3;
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        p.stages[i].used = 1;
        p.stages[i].link = 1;
        p.stages[i].x = p.stages[i].y = p.stages[i].xy = quint32(10 + i * 5);
    }
    for (int m = 0; m < LED_MODE_COUNT; ++m) {
        p.lighting[m].RGB = QColor(255, 0, 0);
        p.lighting[m].bright = 2;
        p.lighting[m].breath = 3;
    }
    return p;
}

// Copies skin pictures of a built installation (MOUSECFG_BIN_DIR) into the test directory, when
// there are any, so screenshots show the real skin.
inline void copyPanelsSkin(const TestAppDir& dir)
{
    const QString bin = QString::fromLocal8Bit(qgetenv("MOUSECFG_BIN_DIR"));
    QDir().mkpath(dir.file("skin"));
    for (const char* name : { "DPI-ON.png", "DPI-OFF.png", "rate.png" })
        QFile::copy(bin + "/skin/" + name, dir.file(QStringLiteral("skin/") + name));
}

// The child of a panel with that object name; the test stops when there is none.
template <typename T> T* panelChild(QWidget* parent, const char* name)
{
    T* c = parent->findChild<T*>(name);
    if (!c)
        qFatal("missing child %s", name);
    return c;
}

// Gun set macros: the event rows of a table of bullets and the macro file they are written to.
#pragma once

#include "store/macroFiles.h"

#include <QVector>

constexpr int GUN_BULLETS = 5;
constexpr int GUN_OFFSET_LIMIT = 100;
constexpr int GUN_DELAY_MIN = 1;
constexpr int GUN_DELAY_MAX = 999;
constexpr int GUN_DELAY_DEFAULT = 100;
// Gun files count delays in fixed 10 ms units, whatever the device's own step is.
constexpr int GUN_DELAY_UNIT = 10;

struct GunBullet {
    int vertical = 0; // positive is down
    int horizontal = 0; // positive is right
    int delay = GUN_DELAY_DEFAULT;
};

// Per bullet: release and press the left button, the moves, then the delay.
QVector<MacroEvent> gunRows(const QVector<GunBullet>& bullets);
// Writes the rows as the macro file of that name, without the edited mark. 0, or -1 for an unusable
// name.
int writeGunFile(const QString& name, const QVector<MacroEvent>& rows);

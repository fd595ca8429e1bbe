// Builds and writes the rows of a gun set macro.
#include "buttons/gunRows.h"

namespace {

constexpr quint8 LEFT_BUTTON_BIT = 1;

// A signed offset as the byte a move row holds (negative values wrap to 256 - d).
quint8 offsetByte(int offset)
{
    const int bounded = qBound(-GUN_OFFSET_LIMIT, offset, GUN_OFFSET_LIMIT);
    return quint8(bounded < 0 ? 256 + bounded : bounded);
}

} // namespace

QVector<MacroEvent> gunRows(const QVector<GunBullet>& bullets)
{
    QVector<MacroEvent> rows;
    for (const GunBullet& bullet : bullets) {
        rows.append({ MAP_BUTTON_UP, 0, LEFT_BUTTON_BIT });
        rows.append({ MAP_BUTTON_DOWN, 0, LEFT_BUTTON_BIT });
        if (bullet.vertical != 0)
            rows.append({ MAP_MOVE, offsetByte(bullet.vertical), 0 });
        if (bullet.horizontal != 0)
            rows.append({ MAP_MOVE, 0, offsetByte(bullet.horizontal) });
        if (bullet.delay != 0) {
            const int count = qBound(0, bullet.delay, GUN_DELAY_MAX) / GUN_DELAY_UNIT;
            rows.append({ MAP_DELAY, quint8((count >> 8) & 0xFF), quint8(count & 0xFF) });
        }
    }
    return rows;
}

int writeGunFile(const QString& name, const QVector<MacroEvent>& rows)
{
    Macro macro;
    macro.delayType = DELAY_RECORDED;
    macro.loopType = LOOP_NONE;
    macro.defaultDelay = QString::number(GUN_DELAY_UNIT);
    macro.loopTime = QStringLiteral("1");
    macro.events = rows;
    return saveMacro(name, macro, MacroMark::None);
}

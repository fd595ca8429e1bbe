// Small skin buttons: button markers, scroll arrows, selectors, profile tools, DPI stage and check boxes.
#include "tools/skingen/paintKit.h"
#include "tools/skingen/skinImages.h"

#include <functional>

namespace {

using Glyph = std::function<void(QPainter&)>;

// A rounded square with a glyph: cut out of the plate (normal) or white on a coloured plate.
QImage toolButton(int size, bool normal, bool accentPlate, const Glyph& glyph)
{
    QImage img = kit::canvas(size, size);
    QPainter p(&img);
    kit::smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(normal ? QColor(80, 80, 90) : accentPlate ? kit::accent : QColor(110, 110, 122));
    p.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), 4, 4);
    if (normal)
        p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.scale(size / 20.0, size / 20.0);
    glyph(p);
    return img;
}

void plusGlyph(QPainter& p)
{
    p.drawLine(QPointF(10, 5), QPointF(10, 15));
    p.drawLine(QPointF(5, 10), QPointF(15, 10));
}
void minusGlyph(QPainter& p)
{
    p.drawLine(QPointF(5, 10), QPointF(15, 10));
}
void copyGlyph(QPainter& p)
{
    p.drawRect(QRectF(5, 7, 7, 8));
    p.drawPolyline(QPolygonF({ QPointF(8, 5), QPointF(15, 5), QPointF(15, 12) }));
}
void resetGlyph(QPainter& p)
{
    p.drawArc(QRectF(5, 5, 10, 10), 60 * 16, 290 * 16);
    p.drawPolyline(QPolygonF({ QPointF(11, 3.5), QPointF(13.5, 5.6), QPointF(11, 7.5) }));
}
void arrowOutGlyph(QPainter& p) // export: arrow leaving a tray
{
    p.drawPolyline(QPolygonF({ QPointF(5, 12), QPointF(5, 15), QPointF(15, 15), QPointF(15, 12) }));
    p.drawLine(QPointF(10, 12), QPointF(10, 4));
    p.drawPolyline(QPolygonF({ QPointF(7, 7), QPointF(10, 4), QPointF(13, 7) }));
}
void arrowInGlyph(QPainter& p) // import: arrow into a tray
{
    p.drawPolyline(QPolygonF({ QPointF(5, 12), QPointF(5, 15), QPointF(15, 15), QPointF(15, 12) }));
    p.drawLine(QPointF(10, 4), QPointF(10, 12));
    p.drawPolyline(QPolygonF({ QPointF(7, 9), QPointF(10, 12), QPointF(13, 9) }));
}
void listGlyph(QPainter& p)
{
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(5, 6 + i * 4), QPointF(15, 6 + i * 4));
}

// Marker of a mouse button on the picture: a ring (selected/hover) or a flat disc (normal).
QImage marker(bool lit)
{
    QImage img = kit::canvas(24, 24);
    QPainter p(&img);
    kit::smooth(p);
    if (lit) {
        p.setPen(QPen(kit::accent, 2));
        p.setBrush(kit::withAlpha(kit::accent, 90));
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 90, 100));
    }
    p.drawEllipse(QRectF(2, 2, 20, 20));
    return img;
}

// Scroll arrows: sets 1/2 are chevrons, sets 3/4 triangles; 2 and 4 are the normal pictures.
QImage scrollArrow(bool up, int set)
{
    QImage img = kit::canvas(24, 20);
    QPainter p(&img);
    kit::smooth(p);
    const bool normal = set == 2 || set == 4;
    const QColor c = normal ? QColor(120, 120, 130) : kit::accent;
    p.setPen(Qt::NoPen);
    p.setBrush(kit::withAlpha(c, normal ? 255 : 60));
    p.drawRoundedRect(QRectF(0.5, 0.5, 23, 19), 4, 4);
    if (up) {
        p.translate(12, 10);
    } else {
        p.translate(12, 10);
        p.rotate(180);
    }
    if (normal)
        p.setCompositionMode(QPainter::CompositionMode_Clear);
    if (set >= 3) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({ QPointF(-6, 4), QPointF(6, 4), QPointF(0, -5) }));
    } else {
        p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({ QPointF(-6, 3), QPointF(0, -3), QPointF(6, 3) }));
    }
    return img;
}

// Drop-down selector field with an arrow on the right.
QImage selector(int w, int h)
{
    QImage img = kit::canvas(w, h);
    QPainter p(&img);
    kit::smooth(p);
    kit::panel(p, QRectF(0, 0, w, h), 5, QColor(50, 50, 58), QColor(32, 32, 38), QColor(96, 96, 108));
    p.fillRect(QRectF(w - h, 4, 1, h - 8), QColor(96, 96, 108));
    p.setPen(Qt::NoPen);
    p.setBrush(kit::accent);
    const qreal cx = w - h / 2.0;
    const qreal cy = h / 2.0;
    p.drawPolygon(QPolygonF({ QPointF(cx - 4, cy - 2), QPointF(cx + 4, cy - 2), QPointF(cx, cy + 3) }));
    return img;
}

// Profile slot indicator: a bar with a status lamp (lit = selected slot).
QImage slotIndicator(bool lit)
{
    QImage img = kit::canvas(120, 20);
    QPainter p(&img);
    kit::smooth(p);
    kit::panel(p, QRectF(0, 0, 120, 20), 5, lit ? QColor(70, 30, 32) : QColor(50, 50, 58),
        lit ? QColor(40, 18, 20) : QColor(34, 34, 40), lit ? kit::accent : QColor(90, 90, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(lit ? kit::accent : QColor(80, 80, 90));
    p.drawEllipse(QRectF(6, 6, 8, 8));
    return img;
}

// DPI stage switch: a pill with a lamp, off grey and on in the accent.
QImage dpiStage(bool on)
{
    QImage img = kit::canvas(44, 28);
    QPainter p(&img);
    kit::smooth(p);
    p.setPen(QPen(on ? kit::accent : QColor(96, 96, 108), 1.5));
    p.setBrush(on ? kit::withAlpha(kit::accent, 70) : QColor(36, 36, 42));
    p.drawRoundedRect(QRectF(1, 1, 42, 26), 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(on ? kit::accent : QColor(110, 110, 120));
    p.drawEllipse(on ? QRectF(21, 5, 18, 18) : QRectF(5, 5, 18, 18));
    return img;
}

QImage checkBox(bool on)
{
    QImage img = kit::canvas(20, 20);
    QPainter p(&img);
    kit::smooth(p);
    p.setPen(QPen(on ? kit::accent : QColor(130, 130, 142), 1.5));
    p.setBrush(QColor(24, 24, 28));
    p.drawRoundedRect(QRectF(1.5, 1.5, 17, 17), 3, 3);
    if (on) {
        p.setPen(Qt::NoPen);
        p.setBrush(kit::accent);
        p.drawRoundedRect(QRectF(5, 5, 10, 10), 2, 2);
    }
    return img;
}

QImage rateButton()
{
    QImage img = selector(120, 26);
    QPainter p(&img);
    kit::smooth(p);
    // A small wave on the left: the report rate.
    p.setPen(QPen(kit::dimText, 1.4));
    QPainterPath wave;
    wave.moveTo(6, 13);
    for (int i = 0; i < 4; ++i)
        wave.lineTo(8 + i * 4, (i % 2) ? 17 : 8);
    wave.lineTo(24, 13);
    p.drawPath(wave);
    return img;
}

} // namespace

SkinList paintButtons()
{
    SkinList out {
        { "skin/btn_2.png", marker(false) },
        { "skin/btn_1.png", marker(true) },
        { "skin/profilesel.png", selector(152, 24) },
        { "skin/bulletsel.png", selector(60, 24) },
        { "skin/rate.png", rateButton() },
        { "skin/profile_edit_name_1.png", slotIndicator(false) },
        { "skin/profile_edit_name_2.png", slotIndicator(true) },
        { "skin/DPI-OFF.png", dpiStage(false) },
        { "skin/DPI-ON.png", dpiStage(true) },
        { "skin/checkbox2-1.png", checkBox(false) },
        { "skin/checkbox2-2.png", checkBox(true) },
    };
    for (int set = 1; set <= 4; ++set) {
        out.append({ QString("skin/btn_up%1.png").arg(set), scrollArrow(true, set) });
        out.append({ QString("skin/btn_down%1.png").arg(set), scrollArrow(false, set) });
    }
    struct Tool {
        const char* name;
        Glyph glyph;
        bool red;
    };
    const Tool tools[] = {
        { "add", plusGlyph, false },
        { "del", minusGlyph, true },
        { "copy", copyGlyph, false },
        { "reset", resetGlyph, true },
        { "import", arrowOutGlyph, false },
    };
    for (const Tool& t : tools) {
        out.append({ QString("skin/profile_%1%2.png").arg(t.name).arg(1), toolButton(20, true, t.red, t.glyph) });
        out.append({ QString("skin/profile_%1%2.png").arg(t.name).arg(2), toolButton(20, false, t.red, t.glyph) });
    }
    // Single-picture tools: the import button uses profile_export1, the name menu profile_apply1.
    out.append({ "skin/profile_export1.png", toolButton(20, true, false, arrowInGlyph) });
    out.append({ "skin/profile_apply1.png", toolButton(20, true, false, listGlyph) });
    return out;
}

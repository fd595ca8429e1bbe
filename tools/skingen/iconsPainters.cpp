// Icons: warning, receivers, macro event icons and the gun set pieces.
#include "tools/skingen/paintKit.h"
#include "tools/skingen/skinImages.h"

#include <functional>

namespace {

QImage warning()
{
    QImage img = kit::canvas(96, 96);
    QPainter p(&img);
    kit::smooth(p);
    QPainterPath tri;
    tri.moveTo(48, 8);
    tri.lineTo(90, 84);
    tri.lineTo(6, 84);
    tri.closeSubpath();
    QLinearGradient g(0, 8, 0, 84);
    g.setColorAt(0, QColor(255, 196, 40));
    g.setColorAt(1, QColor(230, 140, 20));
    p.setPen(QPen(QColor(255, 220, 120), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(tri);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 25, 28));
    p.drawRoundedRect(QRectF(43, 32, 10, 32), 5, 5);
    p.drawEllipse(QRectF(42.5, 68, 11, 11));
    return img;
}

// USB receiver: plug and body; `unplugged` adds a red cross over it.
QImage receiver(int size, bool unplugged)
{
    QImage img = kit::canvas(size, size);
    QPainter p(&img);
    kit::smooth(p);
    p.scale(size / 48.0, size / 48.0);
    p.translate(24, 24);
    p.rotate(-35);
    p.setPen(QPen(QColor(20, 20, 24), 1));
    // Metal plug.
    QLinearGradient metal(-7, 0, 7, 0);
    metal.setColorAt(0, QColor(150, 150, 158));
    metal.setColorAt(0.5, QColor(235, 235, 240));
    metal.setColorAt(1, QColor(140, 140, 148));
    p.setBrush(metal);
    p.drawRect(QRectF(-7, -21, 14, 14));
    p.setBrush(QColor(40, 40, 44));
    p.drawRect(QRectF(-4, -18, 3, 3));
    p.drawRect(QRectF(1, -18, 3, 3));
    // Body with the accent strip.
    QLinearGradient body(-9, 0, 9, 0);
    body.setColorAt(0, QColor(30, 30, 34));
    body.setColorAt(0.5, QColor(70, 70, 78));
    body.setColorAt(1, QColor(26, 26, 30));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(-9, -8, 18, 28), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(kit::accent);
    p.drawRect(QRectF(-5, 12, 10, 2.5));
    p.resetTransform();
    if (unplugged) {
        p.scale(size / 48.0, size / 48.0);
        p.setPen(QPen(kit::accent, 4.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(40, 40));
        p.drawLine(QPointF(40, 8), QPointF(8, 40));
    }
    return img;
}

QImage small(const std::function<void(QPainter&)>& draw)
{
    QImage img = kit::canvas(20, 20);
    QPainter p(&img);
    kit::smooth(p);
    draw(p);
    return img;
}

void clockGlyph(QPainter& p)
{
    p.setPen(QPen(kit::text, 1.6));
    p.drawEllipse(QRectF(2.5, 2.5, 15, 15));
    p.setPen(QPen(kit::accent, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(10, 5.5));
    p.drawLine(QPointF(10, 10), QPointF(13.5, 12));
}

void keyboard(QPainter& p)
{
    p.setPen(QPen(kit::text, 1.4));
    p.drawRoundedRect(QRectF(1.5, 5.5, 17, 10), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kit::text);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 5; ++c)
            p.drawRect(QRectF(3.5 + c * 2.8, 7.5 + r * 2.6, 1.8, 1.6));
    p.setBrush(kit::accent);
    p.drawRect(QRectF(6, 12.6, 8, 1.6));
}

void mouseMove(QPainter& p)
{
    p.setPen(QPen(kit::text, 1.4));
    p.drawRoundedRect(QRectF(7, 5, 6, 10), 3, 3);
    p.setPen(QPen(kit::accent, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Arrows to the four sides.
    p.drawPolyline(QPolygonF({ QPointF(8, 2.5), QPointF(10, 0.8), QPointF(12, 2.5) }));
    p.drawPolyline(QPolygonF({ QPointF(8, 17.5), QPointF(10, 19.2), QPointF(12, 17.5) }));
    p.drawPolyline(QPolygonF({ QPointF(3, 8), QPointF(1, 10), QPointF(3, 12) }));
    p.drawPolyline(QPolygonF({ QPointF(17, 8), QPointF(19, 10), QPointF(17, 12) }));
}

void keyArrow(QPainter& p, bool down)
{
    p.setPen(QPen(kit::text, 1.4));
    p.drawRoundedRect(QRectF(3, down ? 9 : 2, 14, 9), 2, 2);
    p.setPen(QPen(down ? kit::accent : QColor(80, 200, 120), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (down) {
        p.drawLine(QPointF(10, 1), QPointF(10, 7));
        p.drawPolyline(QPolygonF({ QPointF(7, 4.5), QPointF(10, 7.5), QPointF(13, 4.5) }));
    } else {
        p.drawLine(QPointF(10, 19), QPointF(10, 13));
        p.drawPolyline(QPolygonF({ QPointF(7, 15.5), QPointF(10, 12.5), QPointF(13, 15.5) }));
    }
}

QImage bullet()
{
    QImage img = kit::canvas(9, 39);
    QPainter p(&img);
    kit::smooth(p);
    QLinearGradient brass(0, 0, 9, 0);
    brass.setColorAt(0, QColor(150, 110, 40));
    brass.setColorAt(0.45, QColor(240, 200, 110));
    brass.setColorAt(1, QColor(130, 95, 35));
    p.setPen(Qt::NoPen);
    p.setBrush(brass);
    p.drawRect(QRectF(0.5, 14, 8, 23));
    p.drawRect(QRectF(0, 36, 9, 3));
    QLinearGradient tip(0, 0, 9, 0);
    tip.setColorAt(0, QColor(120, 70, 50));
    tip.setColorAt(0.45, QColor(220, 150, 110));
    tip.setColorAt(1, QColor(110, 60, 45));
    p.setBrush(tip);
    QPainterPath head;
    head.moveTo(0.5, 14);
    head.cubicTo(0.5, 5, 3, 0.5, 4.5, 0.5);
    head.cubicTo(6, 0.5, 8.5, 5, 8.5, 14);
    head.closeSubpath();
    p.drawPath(head);
    return img;
}

QImage sliderHandle()
{
    QImage img = kit::canvas(16, 24);
    QPainter p(&img);
    kit::smooth(p);
    p.setPen(QPen(kit::darker(kit::accent, 160), 1));
    p.setBrush(kit::accent);
    p.drawRoundedRect(QRectF(1, 1, 14, 22), 3, 3);
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(5, 8 + i * 4), QPointF(11, 8 + i * 4));
    return img;
}

} // namespace

SkinList paintIcons()
{
    return {
        { "skin/warn.png", warning() },
        { "skin/dongle.png", receiver(48, false) },
        { "skin/dongle2.png", receiver(96, true) },
        { "skin/icondelay.png", small(clockGlyph) },
        { "skin/keybo.png", small(keyboard) },
        { "skin/mouse_move.png", small(mouseMove) },
        { "skin/keydown.png", small([](QPainter& p) { keyArrow(p, true); }) },
        { "skin/keyup.png", small([](QPainter& p) { keyArrow(p, false); }) },
        { "skin/gunset_bullet.png", bullet() },
        { "skin/gunset_slider.png", sliderHandle() },
    };
}

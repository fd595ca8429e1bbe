// Pictures of the example mouse: top view, one top view per button with that button lit, side view,
// and the light zone of the top view that the lighting page tints with the chosen colour.
#include "tools/skingen/paintKit.h"
#include "tools/skingen/skinImages.h"

#include <utility>

namespace {

// Buttons of the layout, numbered as the pictures mouse_1.png ... mouse_8.png.
enum Part { None = 0, LeftButton, RightButton, MiddleButton, Forward, Back, DpiUp, DpiDown, Wheel };

constexpr qreal CX = 229; // the button markers of the window sit around this centre line

QPainterPath bodyOutline()
{
    QPainterPath path;
    path.moveTo(CX, 52);
    path.cubicTo(CX + 52, 52, CX + 70, 90, CX + 68, 150);
    path.cubicTo(CX + 66, 200, CX + 84, 240, CX + 80, 290);
    path.cubicTo(CX + 76, 350, CX + 40, 382, CX, 382);
    path.cubicTo(CX - 40, 382, CX - 76, 350, CX - 80, 290);
    path.cubicTo(CX - 84, 240, CX - 66, 200, CX - 68, 150);
    path.cubicTo(CX - 70, 90, CX - 52, 52, CX, 52);
    return path;
}

QPainterPath mainButton(bool left)
{
    const qreal s = left ? -1 : 1;
    QPainterPath path;
    path.moveTo(CX + s * 3, 54);
    path.cubicTo(CX + s * 50, 56, CX + s * 68, 92, CX + s * 66, 150);
    path.lineTo(CX + s * 64, 176);
    path.cubicTo(CX + s * 40, 182, CX + s * 16, 180, CX + s * 3, 176);
    path.closeSubpath();
    return path;
}

QPainterPath sideButton(bool front)
{
    QPainterPath path;
    const qreal top = front ? 186 : 226;
    path.addRoundedRect(QRectF(CX - 84, top, 14, 34), 6, 6);
    return path;
}

QRectF wheelRect()
{
    return QRectF(CX - 9, 92, 18, 52);
}
QRectF dpiRect(bool up)
{
    return QRectF(CX - 10, up ? 172 : 194, 20, 14);
}

void glow(QPainter& p, const QPainterPath& path)
{
    p.save();
    for (int i = 6; i >= 1; --i) {
        p.setPen(QPen(kit::withAlpha(kit::accent, 26), i * 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
    p.setPen(QPen(kit::accent, 2));
    p.setBrush(kit::withAlpha(kit::accent, 110));
    p.drawPath(path);
    p.restore();
}

QPainterPath lightStrip()
{
    QPainterPath strip;
    strip.moveTo(CX - 46, 330);
    strip.quadTo(CX, 356, CX + 46, 330);
    return strip;
}

// White where the top view's strip shines, with its halo; the program colours it.
QImage lightZone()
{
    QImage img = kit::canvas(450, 400);
    QPainter p(&img);
    kit::smooth(p);
    const QPainterPath strip = lightStrip();
    for (const auto& [width, alpha] : { std::pair<qreal, int> { 14, 110 }, { 8, 200 }, { 4, 255 } }) {
        p.setPen(QPen(QColor(255, 255, 255, alpha), width, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(strip);
    }
    return img;
}

QImage topView(int lit)
{
    QImage img = kit::canvas(450, 400);
    QPainter p(&img);
    kit::smooth(p);
    const QPainterPath body = bodyOutline();
    // Shadow, shell and a soft highlight down the back.
    p.fillPath(body.translated(6, 8), QColor(0, 0, 0, 110));
    QRadialGradient shell(QPointF(CX - 30, 170), 260);
    shell.setColorAt(0, QColor(66, 66, 74));
    shell.setColorAt(0.6, QColor(34, 34, 39));
    shell.setColorAt(1, QColor(16, 16, 19));
    p.fillPath(body, shell);
    p.setPen(QPen(QColor(100, 100, 112), 1.5));
    p.drawPath(body);

    // Side buttons sit on the left flank.
    for (bool front : { true, false }) {
        p.setPen(QPen(QColor(110, 110, 120), 1));
        p.setBrush(QColor(44, 44, 50));
        p.drawPath(sideButton(front));
    }
    // Main buttons with the seam between them.
    for (bool left : { true, false }) {
        QLinearGradient g(0, 54, 0, 180);
        g.setColorAt(0, QColor(56, 56, 64));
        g.setColorAt(1, QColor(36, 36, 42));
        p.fillPath(mainButton(left), g);
    }
    p.setPen(QPen(QColor(8, 8, 10), 2));
    p.drawLine(QPointF(CX, 54), QPointF(CX, 178));
    p.drawPath(mainButton(true));
    p.drawPath(mainButton(false));
    // Wheel with its ribs, DPI buttons behind it.
    p.setPen(QPen(QColor(8, 8, 10), 1.5));
    p.setBrush(QColor(20, 20, 22));
    p.drawRoundedRect(wheelRect().adjusted(-3, -3, 3, 3), 6, 6);
    QLinearGradient rubber(0, 92, 0, 144);
    rubber.setColorAt(0, QColor(60, 60, 66));
    rubber.setColorAt(0.5, QColor(110, 110, 118));
    rubber.setColorAt(1, QColor(50, 50, 56));
    p.setBrush(rubber);
    p.drawRoundedRect(wheelRect(), 6, 6);
    p.setPen(QPen(QColor(30, 30, 34), 1));
    for (int y = 96; y < 142; y += 4)
        p.drawLine(QPointF(CX - 7, y), QPointF(CX + 7, y));
    for (bool up : { true, false }) {
        p.setPen(QPen(QColor(110, 110, 120), 1));
        p.setBrush(QColor(46, 46, 52));
        p.drawRoundedRect(dpiRect(up), 4, 4);
    }
    // Lighting strip and logo mark on the back.
    const QPainterPath strip = lightStrip();
    p.setPen(QPen(kit::withAlpha(kit::accent, 70), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strip);
    p.setPen(QPen(kit::accent, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 120, 130));
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(CX - 13 + i * 10, 262 - (i == 1 ? 6 : 0), 6, 30), 3, 3);

    switch (lit) {
    case LeftButton:
        glow(p, mainButton(true));
        break;
    case RightButton:
        glow(p, mainButton(false));
        break;
    case MiddleButton: {
        QPainterPath w;
        w.addRoundedRect(wheelRect(), 6, 6);
        glow(p, w);
        break;
    }
    case Forward:
        glow(p, sideButton(true));
        break;
    case Back:
        glow(p, sideButton(false));
        break;
    case DpiUp:
    case DpiDown: {
        QPainterPath d;
        d.addRoundedRect(dpiRect(lit == DpiUp), 4, 4);
        glow(p, d);
        break;
    }
    case Wheel: {
        QPainterPath w;
        w.addRoundedRect(wheelRect(), 6, 6);
        glow(p, w);
        // Scroll arrows above and below the wheel.
        p.setPen(Qt::NoPen);
        p.setBrush(kit::accent);
        p.drawPolygon(QPolygonF({ QPointF(CX - 8, 80), QPointF(CX + 8, 80), QPointF(CX, 68) }));
        p.drawPolygon(QPolygonF({ QPointF(CX - 8, 156), QPointF(CX + 8, 156), QPointF(CX, 168) }));
        break;
    }
    default:
        break;
    }
    return img;
}

// Left side, front up: the base along the left, the shell's hump to the right.
QImage sideView()
{
    QImage img = kit::canvas(316, 443);
    QPainter p(&img);
    kit::smooth(p);
    QPainterPath shell;
    shell.moveTo(96, 40);
    shell.cubicTo(150, 34, 196, 70, 214, 130);
    shell.cubicTo(236, 200, 250, 270, 236, 330);
    shell.cubicTo(222, 390, 160, 410, 96, 404);
    shell.closeSubpath();
    p.fillPath(shell.translated(6, 6), QColor(0, 0, 0, 110));
    QLinearGradient g(96, 0, 250, 0);
    g.setColorAt(0, QColor(20, 20, 24));
    g.setColorAt(0.6, QColor(58, 58, 66));
    g.setColorAt(1, QColor(30, 30, 35));
    p.fillPath(shell, g);
    p.setPen(QPen(QColor(100, 100, 112), 1.5));
    p.drawPath(shell);
    // Base plate and skates.
    p.fillRect(QRectF(86, 40, 12, 364), QColor(14, 14, 16));
    p.fillRect(QRectF(82, 60, 5, 60), QColor(200, 200, 205));
    p.fillRect(QRectF(82, 330, 5, 50), QColor(200, 200, 205));
    // Main button seam, wheel edge and grip.
    p.setPen(QPen(QColor(8, 8, 10), 2));
    p.drawLine(QPointF(150, 176), QPointF(232, 190));
    p.setPen(QPen(QColor(8, 8, 10), 1));
    p.setBrush(QColor(100, 100, 108));
    p.drawRoundedRect(QRectF(200, 90, 22, 50), 8, 8);
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (int y = 230; y < 330; y += 7)
        p.drawLine(QPointF(108, y), QPointF(150, y - 20));
    // Side buttons.
    for (int i = 0; i < 2; ++i) {
        p.setPen(QPen(QColor(130, 130, 140), 1));
        p.setBrush(QColor(50, 50, 58));
        p.drawRoundedRect(QRectF(150, 176 + i * 48, 44, 40), 10, 10);
    }
    // Lighting strip along the back.
    QPainterPath strip;
    strip.moveTo(232, 300);
    strip.cubicTo(226, 350, 200, 385, 150, 398);
    p.setPen(QPen(kit::withAlpha(kit::accent, 70), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strip);
    p.setPen(QPen(kit::accent, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strip);
    return img;
}

} // namespace

SkinList paintMousePictures(const QString& product)
{
    const QString dir = QStringLiteral("skin/mouse/") + product;
    SkinList out { { dir + "/Mouse.png", topView(None) } };
    for (int part = LeftButton; part <= Wheel; ++part)
        out.append({ dir + QString("/mouse_%1.png").arg(part), topView(part) });
    out.append({ dir + "_Side.png", sideView() });
    out.append({ dir + "/Light.png", lightZone() });
    return out;
}

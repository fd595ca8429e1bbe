// Window chrome: the shaped main background, tabs, title bar buttons, logo, battery frames, app icon.
#include "tools/skingen/appIcon.h"
#include "tools/skingen/paintKit.h"
#include "tools/skingen/skinImages.h"

namespace {

QImage mainBackground()
{
    QImage img = kit::canvas(999, 640);
    QPainter p(&img);
    kit::smooth(p);
    // The opaque pixels are the window's shape.
    const QRectF outer(40, 8, 950, 626);
    const QPainterPath shape = kit::chamfered(outer, 30);
    QLinearGradient g(0, outer.top(), 0, outer.bottom());
    g.setColorAt(0, QColor(26, 26, 31));
    g.setColorAt(1, QColor(13, 13, 16));
    p.fillPath(shape, g);

    // Fine diagonal texture inside the shape.
    p.save();
    p.setClipPath(shape);
    p.setPen(QPen(QColor(255, 255, 255, 7), 1));
    for (int x = -700; x < 1000; x += 6)
        p.drawLine(x, 640, x + 640, 0);
    p.restore();

    // Title band and the bottom band.
    p.fillRect(QRectF(70, 78, 900, 1), kit::line);
    p.fillRect(QRectF(60, 570, 920, 1), kit::line);
    // Navigation column and content area.
    kit::panel(p, QRectF(58, 84, 178, 478), 14, QColor(30, 30, 36, 230), QColor(20, 20, 24, 230), kit::line);
    kit::panel(p, QRectF(270, 84, 714, 480), 18, QColor(28, 28, 33, 220), QColor(17, 17, 20, 220), kit::line);

    // Edge: grey outline with accent strokes on the two cut corners.
    p.setPen(QPen(kit::line, 1.5));
    p.drawPath(kit::chamfered(outer.adjusted(1, 1, -1, -1), 29));
    QPen accentPen(kit::accent, 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    p.setPen(accentPen);
    p.drawPolyline(QPolygonF({ QPointF(42, 140), QPointF(42, 39), QPointF(71, 10), QPointF(330, 10) }));
    p.drawPolyline(QPolygonF({ QPointF(988, 500), QPointF(988, 602), QPointF(959, 632), QPointF(700, 632) }));
    // Glow under the top accent stroke.
    QLinearGradient glow(0, 10, 0, 40);
    glow.setColorAt(0, kit::withAlpha(kit::accent, 70));
    glow.setColorAt(1, kit::withAlpha(kit::accent, 0));
    p.fillRect(QRectF(72, 11, 258, 30), glow);
    // Small accent ticks beside the navigation and in the footer.
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRectF(62, 96 + i * 34, 3, 10), kit::withAlpha(kit::accent, 200));
    p.fillRect(QRectF(290, 618, 120, 2), kit::withAlpha(kit::accent, 120));
    return img;
}

// Tab pictures: normal (flat shape), hover/selected (accent edge), pressed (accent fill).
QImage tab(int variant)
{
    QImage img = kit::canvas(154, 29);
    QPainter p(&img);
    kit::smooth(p);
    const QRectF r(0, 0, 154, 29);
    if (variant == 1) {
        kit::panel(p, r, 8, QColor(58, 58, 66), QColor(40, 40, 46), QColor(90, 90, 100));
    } else if (variant == 3) {
        QLinearGradient g(0, 0, 154, 0);
        g.setColorAt(0, kit::darker(kit::accent, 140));
        g.setColorAt(1, QColor(40, 20, 22));
        p.fillPath(kit::chamfered(r, 8), g);
        p.setPen(QPen(kit::accent, 1));
        p.drawPath(kit::chamfered(r.adjusted(0.5, 0.5, -0.5, -0.5), 8));
        p.fillRect(QRectF(0, 8, 4, 21), kit::accent);
    } else {
        kit::panel(p, r, 8, kit::darker(kit::accent, 170), kit::darker(kit::accent, 230), kit::accent);
    }
    return img;
}

QImage languageButton()
{
    QImage img = kit::canvas(105, 20);
    QPainter p(&img);
    kit::smooth(p);
    kit::panel(p, QRectF(0, 0, 105, 20), 5, QColor(54, 54, 62), QColor(36, 36, 42), QColor(90, 90, 100));
    // Globe on the left, drop-down mark on the right.
    p.setPen(QPen(kit::dimText, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(5, 4, 12, 12));
    p.drawEllipse(QRectF(8.5, 4, 5, 12));
    p.drawLine(QPointF(5, 10), QPointF(17, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(kit::dimText);
    p.drawPolygon(QPolygonF({ QPointF(93, 8), QPointF(100, 8), QPointF(96.5, 12) }));
    return img;
}

// Title bar buttons: a disc with the glyph cut out (normal) or drawn white on colour.
QImage titleButton(bool close, int variant)
{
    QImage img = kit::canvas(19, 19);
    QPainter p(&img);
    kit::smooth(p);
    const QColor disc = variant == 1 ? QColor(80, 80, 90)
        : close                      ? (variant == 2 ? kit::accent : kit::darker(kit::accent, 150))
                                     : (variant == 2 ? QColor(120, 120, 132) : QColor(70, 70, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(QRectF(0.5, 0.5, 18, 18));
    QPen glyph(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap);
    if (variant == 1)
        p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(glyph);
    if (close) {
        p.drawLine(QPointF(6, 6), QPointF(13, 13));
        p.drawLine(QPointF(13, 6), QPointF(6, 13));
    } else {
        p.drawLine(QPointF(5.5, 10), QPointF(13.5, 10));
    }
    return img;
}

QImage logo()
{
    QImage img = kit::canvas(200, 50);
    QPainter p(&img);
    kit::smooth(p);
    // Three claw strokes as the mark.
    for (int i = 0; i < 3; ++i) {
        QPainterPath claw;
        const qreal x = 6 + i * 10;
        claw.moveTo(x + 10, 8);
        claw.quadTo(x + 2, 24, x + 6, 42);
        claw.lineTo(x + 9, 42);
        claw.quadTo(x + 7, 24, x + 16, 8);
        claw.closeSubpath();
        p.fillPath(claw, i == 1 ? kit::accent : QColor(230, 230, 236));
    }
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(23);
    f.setBold(true);
    f.setItalic(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    p.setFont(f);
    p.setPen(QColor(235, 235, 240));
    const QString first = QStringLiteral("MOUSE");
    p.drawText(QRectF(44, 4, 156, 32), Qt::AlignLeft | Qt::AlignVCenter, first);
    p.setPen(kit::accent);
    const qreal after = 44 + p.fontMetrics().horizontalAdvance(first) + 2;
    p.drawText(QRectF(after, 4, 200 - after, 32), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("CFG"));
    f.setPixelSize(9);
    f.setBold(false);
    f.setItalic(false);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(f);
    p.setPen(kit::dimText);
    p.drawText(QRectF(46, 34, 154, 12), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("GAMING MOUSE"));
    return img;
}

// Battery frame; the bar of the window sits in its body (6, 6, 71, 34). charging adds a bolt.
QImage battery(bool charging)
{
    QImage img = kit::canvas(86, 47);
    QPainter p(&img);
    kit::smooth(p);
    const QRectF body(2, 3, 77, 41);
    p.setPen(QPen(QColor(190, 190, 198), 2.5));
    p.setBrush(QColor(12, 12, 14, 200));
    p.drawRoundedRect(body, 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 190, 198));
    p.drawRoundedRect(QRectF(80, 15, 5, 17), 1.5, 1.5);
    if (charging) {
        QLinearGradient g(0, 0, 80, 0);
        g.setColorAt(0, QColor(40, 150, 70));
        g.setColorAt(1, QColor(70, 200, 100));
        p.setBrush(g);
        p.drawRoundedRect(body.adjusted(5, 5, -5, -5), 3, 3);
        QPolygonF bolt({ QPointF(44, 8), QPointF(30, 26), QPointF(40, 26), QPointF(35, 40), QPointF(52, 20),
            QPointF(42, 20), QPointF(48, 8) });
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(20, 60, 30), 1));
        p.drawPolygon(bolt);
    }
    return img;
}

} // namespace

SkinList paintWindowChrome()
{
    const QImage icon = appIcon(256);
    return {
        { "skin/cfgMainback.png", mainBackground() },
        { "skin/tabbutton-1.png", tab(1) },
        { "skin/tabbutton-3.png", tab(3) },
        { "skin/tabbutton-2.png", tab(2) },
        { "skin/lang.png", languageButton() },
        { "skin/min-1.png", titleButton(false, 1) },
        { "skin/min-2.png", titleButton(false, 2) },
        { "skin/min-3.png", titleButton(false, 3) },
        { "skin/close-1.png", titleButton(true, 1) },
        { "skin/close-2.png", titleButton(true, 2) },
        { "skin/close-3.png", titleButton(true, 3) },
        { "skin/mouselogo.png", logo() },
        { "skin/bat1.png", battery(false) },
        { "skin/bat2.png", battery(true) },
        { "skin/icon.png", icon },
        { "skin/icon.ico", icon },
    };
}

// The resource pictures: the Yes and No button icons and the busy spinner frames.
#include "tools/skingen/paintKit.h"
#include "tools/skingen/skinImages.h"

#include <QtMath>

namespace {

QImage roundIcon(bool yes)
{
    QImage img = kit::canvas(60, 60);
    QPainter p(&img);
    kit::smooth(p);
    const QColor ring = yes ? kit::accent : QColor(150, 150, 160);
    p.setPen(QPen(ring, 5));
    p.setBrush(kit::withAlpha(ring, 40));
    p.drawEllipse(QRectF(5, 5, 50, 50));
    p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (yes) {
        p.drawPolyline(QPolygonF({ QPointF(18, 31), QPointF(27, 40), QPointF(43, 21) }));
    } else {
        p.drawLine(QPointF(21, 21), QPointF(39, 39));
        p.drawLine(QPointF(39, 21), QPointF(21, 39));
    }
    return img;
}

} // namespace

QList<QImage> paintSpinnerFrames()
{
    const int frames = 12;
    QList<QImage> out;
    for (int f = 0; f < frames; ++f) {
        QImage img = kit::canvas(64, 64);
        QPainter p(&img);
        kit::smooth(p);
        p.translate(32, 32);
        for (int i = 0; i < frames; ++i) {
            // The head of the tail is the brightest segment; the others fade behind it.
            const int age = (f - i + frames) % frames;
            QColor c = age == 0 ? kit::accent : QColor(255, 255, 255);
            c.setAlpha(age == 0 ? 255 : qMax(40, 220 - age * 20));
            p.save();
            p.rotate(i * 360.0 / frames);
            p.setPen(QPen(c, 5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(0, -14), QPointF(0, -26));
            p.restore();
        }
        out.append(img);
    }
    return out;
}

SkinList paintResources()
{
    return { { QStringLiteral("yes_Btn.png"), roundIcon(true) }, { QStringLiteral("no_Btn.png"), roundIcon(false) } };
}

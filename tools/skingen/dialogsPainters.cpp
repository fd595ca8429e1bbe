// Dialog backgrounds: message and key dialogs, the gun set dialog and the busy window.
#include "tools/skingen/paintKit.h"
#include "tools/skingen/skinImages.h"

namespace {

// Dark plate with a title band; the dialogs draw their own 2 px accent frame over it.
QImage dialog(int w, int h, int band)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    kit::smooth(p);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(34, 34, 40));
    g.setColorAt(1, QColor(16, 16, 19));
    p.fillRect(img.rect(), g);
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 6), 1));
    for (int x = -h; x < w; x += 6)
        p.drawLine(x, h, x + h, 0);
    p.restore();
    QLinearGradient title(0, 0, w, 0);
    title.setColorAt(0, kit::withAlpha(kit::accent, 60));
    title.setColorAt(0.6, kit::withAlpha(kit::accent, 0));
    p.fillRect(QRectF(0, 0, w, band), title);
    p.fillRect(QRectF(12, band, w - 24, 1), kit::line);
    // Footer band for the buttons.
    p.fillRect(QRectF(0, h - 64, w, 64), QColor(0, 0, 0, 50));
    return img;
}

QImage gunDialog()
{
    QImage img = dialog(619, 400, 56);
    QPainter p(&img);
    kit::smooth(p);
    // Rails under the five bullet places (x = 163 + 66 i, y = 141, 9 x 39).
    for (int i = 0; i < 5; ++i) {
        const qreal x = 163 + 66 * i;
        p.setPen(QPen(kit::line, 1));
        p.setBrush(QColor(10, 10, 12, 160));
        p.drawRoundedRect(QRectF(x - 8, 133, 25, 55), 4, 4);
    }
    // Crosshair watermark.
    p.setPen(QPen(kit::withAlpha(kit::accent, 40), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(560, 60), 36, 36);
    p.drawLine(QPointF(510, 60), QPointF(610, 60));
    p.drawLine(QPointF(560, 10), QPointF(560, 110));
    return img;
}

QImage busyPlate()
{
    QImage img = kit::canvas(128, 128);
    QPainter p(&img);
    kit::smooth(p);
    p.setPen(QPen(kit::line, 2));
    p.setBrush(QColor(20, 20, 24, 235));
    p.drawRoundedRect(QRectF(2, 2, 124, 124), 18, 18);
    p.setPen(QPen(kit::withAlpha(kit::accent, 90), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(24, 24, 80, 80));
    return img;
}

} // namespace

SkinList paintDialogs()
{
    return {
        { "skin/dlg.png", dialog(478, 309, 48) },
        { "skin/dlg_gun.png", gunDialog() },
        { "skin/process.png", busyPlate() },
    };
}

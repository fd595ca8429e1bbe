// Drawing helpers of the skin painters.
#include "tools/skingen/paintKit.h"

namespace kit {

QColor accent(255, 0, 0);

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void smooth(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QPainterPath chamfered(const QRectF& r, qreal cut)
{
    QPainterPath path;
    path.moveTo(r.left() + cut, r.top());
    path.lineTo(r.right(), r.top());
    path.lineTo(r.right(), r.bottom() - cut);
    path.lineTo(r.right() - cut, r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + cut);
    path.closeSubpath();
    return path;
}

QColor darker(const QColor& c, int percent)
{
    return c.darker(percent);
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

void panel(QPainter& p, const QRectF& r, qreal cut, const QColor& top, const QColor& bottom, const QColor& outline)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    const QPainterPath path = chamfered(r.adjusted(0.5, 0.5, -0.5, -0.5), cut);
    p.fillPath(path, g);
    if (outline.alpha() > 0) {
        p.setPen(QPen(outline, 1));
        p.drawPath(path);
    }
}

void label(QPainter& p, const QRectF& r, const QString& s, const QColor& c, int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, s);
}

} // namespace kit

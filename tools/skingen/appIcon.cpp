// The application icon is drawn once on a 256-unit square; every size and the SVG scale that drawing.
#include "tools/skingen/appIcon.h"
#include "tools/skingen/paintKit.h"

#include <QDir>
#include <QSvgGenerator>
#include <cstdio>

namespace {

const qreal UNITS = 256;

void drawAppIcon(QPainter& p)
{
    const QRectF r(8, 8, 240, 240);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(44, 44, 52));
    g.setColorAt(1, QColor(12, 12, 15));
    p.fillPath(kit::chamfered(r, 48), g);
    p.setPen(QPen(kit::accent, 8));
    p.drawPath(kit::chamfered(r.adjusted(4, 4, -4, -4), 44));
    // A mouse outline with a lit wheel.
    QPainterPath body;
    body.addRoundedRect(QRectF(84, 48, 88, 160), 44, 44);
    p.setPen(QPen(QColor(235, 235, 240), 9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.drawLine(QPointF(128, 52), QPointF(128, 118));
    p.drawLine(QPointF(88, 118), QPointF(168, 118));
    p.setPen(Qt::NoPen);
    p.setBrush(kit::accent);
    p.drawRoundedRect(QRectF(120, 70, 16, 30), 8, 8);
}

bool writeSvg(const QString& file)
{
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(UNITS, UNITS));
    svg.setViewBox(QRectF(0, 0, UNITS, UNITS));
    svg.setTitle(QStringLiteral("mousecfg"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    kit::smooth(p);
    drawAppIcon(p);
    return p.end();
}

bool report(bool ok, const QString& file)
{
    if (!ok)
        std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(file));
    return ok;
}

} // namespace

QImage appIcon(int size)
{
    QImage img = kit::canvas(size, size);
    QPainter p(&img);
    kit::smooth(p);
    p.scale(size / UNITS, size / UNITS);
    drawAppIcon(p);
    return img;
}

bool writeIconTheme(const QString& dir, const QString& name)
{
    for (int size : { 16, 22, 24, 32, 48, 64, 128, 256 }) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(dir).arg(size);
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!report(QDir().mkpath(folder) && appIcon(size).save(file, "PNG"), file))
            return false;
    }
    const QString folder = dir + QStringLiteral("/hicolor/scalable/apps");
    const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".svg");
    return report(QDir().mkpath(folder) && writeSvg(file), file);
}

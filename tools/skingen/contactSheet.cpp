// Contact sheet: images in rows on a checker-free mid-dark ground, each with its file name.
#include "tools/skingen/contactSheet.h"

#include <QFileInfo>
#include <QPainter>

QImage contactSheet(const SkinList& images)
{
    const int width = 2000;
    const int gap = 14;
    const int caption = 14;
    // Lay out first to know the height.
    QList<QRect> cells;
    int x = gap;
    int y = gap;
    int rowHeight = 0;
    for (const SkinImage& item : images) {
        const QSize s = item.image.size().boundedTo(QSize(width - 2 * gap, 2000));
        const int cellW = qMax(s.width(), 110);
        if (x + cellW > width - gap) {
            x = gap;
            y += rowHeight + caption + gap;
            rowHeight = 0;
        }
        cells.append(QRect(x, y, s.width(), s.height()));
        x += cellW + gap;
        rowHeight = qMax(rowHeight, s.height());
    }
    QImage sheet(width, y + rowHeight + caption + gap, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(88, 92, 100));
    QPainter p(&sheet);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(10);
    p.setFont(f);
    for (int i = 0; i < images.size(); ++i) {
        const QRect r = cells[i];
        p.drawImage(r, images[i].image);
        p.setPen(QColor(255, 255, 160));
        p.drawText(QRect(r.left(), r.bottom() + 2, qMax(r.width(), 110), caption), Qt::AlignLeft,
            images[i].path.mid(images[i].path.indexOf(QLatin1Char('/')) + 1));
    }
    return sheet;
}

// Colours and drawing helpers shared by every skin painter, so the whole skin has one look.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace kit {

// The dark skin: near-black surfaces, grey lines, white text, the accent for highlights.
extern QColor accent;
const QColor base(18, 18, 21);
const QColor surface(30, 30, 35);
const QColor raised(46, 46, 53);
const QColor line(72, 72, 82);
const QColor text(222, 222, 228);
const QColor dimText(140, 140, 150);

// A transparent ARGB image of the given size with a painter set up for smooth drawing.
QImage canvas(int w, int h);
void smooth(QPainter& p);

// Rectangle with cut (chamfered) corners, the skin's basic shape.
QPainterPath chamfered(const QRectF& r, qreal cut);
QColor darker(const QColor& c, int percent);
QColor withAlpha(QColor c, int alpha);

// Vertical gradient panel with a 1 px outline.
void panel(QPainter& p, const QRectF& r, qreal cut, const QColor& top, const QColor& bottom, const QColor& outline);
// Bold centred text fitted into r.
void label(QPainter& p, const QRectF& r, const QString& s, const QColor& c, int pixelSize, bool bold = true);

} // namespace kit

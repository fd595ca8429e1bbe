// Hue strip: a 17-stop gradient from hue 0 at the bottom round to hue 0 at the top.
#include "panels/HColorArea.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

HColorArea::HColorArea(QWidget* parent, double scale)
    : QWidget(parent)
    , m_scale(scale)
{
    setFixedSize(int(26 * scale) + int(10 * scale), int(128 * scale) + 2 * TOP_MARGIN);
    setCursor(Qt::CrossCursor);
}

int HColorArea::stripHeight() const
{
    return qMax(1, int(128 * m_scale));
}

int HColorArea::hueAt(int y) const
{
    const double f = qBound(0.0, 1.0 - double(y - TOP_MARGIN) / stripHeight(), 1.0);
    return int(f * 360);
}

void HColorArea::setHue(int hue)
{
    m_hue = qBound(0, hue, 360);
    update();
}

void HColorArea::pick(int y)
{
    m_hue = hueAt(y);
    update();
    emit hueChangedSignal(m_hue);
}

void HColorArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pick(event->pos().y());
}

void HColorArea::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        pick(event->pos().y());
}

void HColorArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit mouseReleaseSignal();
}

void HColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int stripWidth = int(26 * m_scale);
    const int h = stripHeight();
    QLinearGradient gradient(0, TOP_MARGIN + h, 0, TOP_MARGIN);
    for (int i = 0; i < 16; ++i)
        gradient.setColorAt(i / 16.0, QColor::fromHsvF(i / 16.0, 1.0, 1.0));
    gradient.setColorAt(1.0, QColor::fromHsvF(0.0, 1.0, 1.0));
    painter.fillRect(QRect(0, TOP_MARGIN, stripWidth, h), gradient);

    const int y = TOP_MARGIN + int((1.0 - m_hue / 360.0) * h);
    const int t = qMax(3, int(5 * m_scale));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::white);
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(
        QPolygon({ QPoint(stripWidth + 1, y), QPoint(stripWidth + 1 + t, y - t), QPoint(stripWidth + 1 + t, y + t) }));
}

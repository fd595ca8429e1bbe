// Saturation/value square: white to the pure hue across, black rising from the bottom.
#include "panels/SVColorArea.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

SVColorArea::SVColorArea(QWidget* parent, double scale)
    : QWidget(parent)
    , m_scale(scale)
{
    setFixedSize(side(), side());
    setCursor(Qt::CrossCursor);
}

int SVColorArea::side() const
{
    return qMax(1, int(128 * m_scale));
}

int SVColorArea::saturationAt(int x) const
{
    return qBound(0, x, side()) * 255 / side();
}

int SVColorArea::valueAt(int y) const
{
    return (side() - qBound(0, y, side())) * 255 / side();
}

void SVColorArea::setHsv(int hue, int saturation, int value)
{
    m_hue = qBound(0, hue, 359);
    m_saturation = qBound(0, saturation, 255);
    m_value = qBound(0, value, 255);
    update();
}

void SVColorArea::hueChangedSlot(int hue)
{
    m_hue = hue >= 360 ? 0 : qMax(0, hue);
    update();
    emit svChangedSignal(m_hue, m_saturation, m_value);
}

void SVColorArea::pick(const QPoint& pos)
{
    m_saturation = saturationAt(pos.x());
    m_value = valueAt(pos.y());
    update();
    emit svChangedSignal(m_hue, m_saturation, m_value);
}

void SVColorArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pick(event->pos());
}

void SVColorArea::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        pick(event->pos());
}

void SVColorArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit mouseReleaseSignal();
}

void SVColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int n = side();
    QLinearGradient across(0, 0, n, 0);
    across.setColorAt(0, Qt::white);
    across.setColorAt(1, QColor::fromHsv(m_hue, 255, 255));
    painter.fillRect(rect(), across);
    QLinearGradient down(0, 0, 0, n);
    down.setColorAt(0, QColor(0, 0, 0, 0));
    down.setColorAt(1, QColor(0, 0, 0, 255));
    painter.fillRect(rect(), down);

    const QPoint centre(m_saturation * n / 255, n - m_value * n / 255);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_value < 128 ? Qt::white : Qt::black, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 6, 6);
}

// Colour swatch that reports a click.
#include "panels/DefaultColorArea.h"

#include <QMouseEvent>
#include <QPainter>

DefaultColorArea::DefaultColorArea(QWidget* parent)
    : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void DefaultColorArea::setColor(const QColor& color)
{
    m_color = color.isValid() ? color : QColor(Qt::black);
    update();
}

void DefaultColorArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        emit ClickedSignal();
}

void DefaultColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    painter.setPen(QColor(150, 150, 150));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

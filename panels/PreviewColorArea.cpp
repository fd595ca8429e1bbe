// Preview swatch of the colour dialog.
#include "panels/PreviewColorArea.h"

#include <QPainter>

PreviewColorArea::PreviewColorArea(QWidget* parent)
    : QWidget(parent)
{
}

void PreviewColorArea::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void PreviewColorArea::svChangedSlot(int hue, int saturation, int value)
{
    setColor(QColor::fromHsv(hue >= 360 ? 0 : qMax(0, hue), qBound(0, saturation, 255), qBound(0, value, 255)));
}

void PreviewColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    painter.setPen(QColor(120, 120, 120));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

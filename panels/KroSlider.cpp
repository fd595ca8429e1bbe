// Slider with a floating value label that follows the handle during a drag.
#include "panels/KroSlider.h"

#include <QLabel>
#include <QMouseEvent>

KroSlider::KroSlider(QWidget* parent)
    : QSlider(Qt::Horizontal, parent)
{
    setSingleStep(1);
    setPageStep(1);
    setTickPosition(QSlider::NoTicks);
    connect(this, &QSlider::valueChanged, this, &KroSlider::followValue);
}

int KroSlider::labelOffset(int value, int minimum, int maximum, int grooveWidth, int labelWidth)
{
    if (maximum <= minimum)
        return 0;
    const int v = qBound(minimum, value, maximum);
    const int travel = qMax(0, grooveWidth - labelWidth);
    return int(qint64(v - minimum) * travel / (maximum - minimum));
}

void KroSlider::mousePressEvent(QMouseEvent* event)
{
    QSlider::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !parentWidget())
        return;
    m_dragging = true;
    if (!m_label) {
        // The label lives in the parent so it can stand above the slider's own rectangle.
        m_label = new QLabel(parentWidget());
        m_label->setObjectName("sliderValueLabel");
        m_label->setAlignment(Qt::AlignCenter);
        m_label->setStyleSheet("color:white;background:rgb(50,50,50);border-radius:3px;");
        m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_label->setFont(font());
    followValue(value());
    m_label->show();
    m_label->raise();
}

void KroSlider::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    if (!m_dragging)
        return;
    m_dragging = false;
    if (m_label)
        m_label->hide();
    emit MouseChange();
}

void KroSlider::followValue(int value)
{
    if (!m_label || !m_dragging)
        return;
    m_label->setText(QString::number(value));
    const int labelWidth = qMax(m_label->fontMetrics().horizontalAdvance(m_label->text()) + 8, height());
    const int labelHeight = qMax(12, height() * 3 / 4);
    m_label->resize(labelWidth, labelHeight);
    const int offset = labelOffset(value, minimum(), maximum(), width(), labelWidth);
    m_label->move(x() + offset, y() - labelHeight);
}

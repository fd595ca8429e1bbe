// Three sliders over one groove: X, Y and the linked one; only the ones of the mode are shown.
#include "panels/KroTwoBarSlider.h"

#include "widgets/skinStyle.h"
#include "panels/panelStyle.h"

#include <QSignalBlocker>
#include <QSlider>

KroTwoBarSlider::KroTwoBarSlider(QWidget* parent, double scale)
    : QWidget(parent)
    , m_x(makeSlider("xSlider"))
    , m_y(makeSlider("ySlider"))
    , m_link(makeSlider("linkSlider"))
    , m_scale(scale)
{
    connect(m_x, &QSlider::valueChanged, this, &KroTwoBarSlider::onXChanged);
    connect(m_y, &QSlider::valueChanged, this, &KroTwoBarSlider::onYChanged);
    connect(m_link, &QSlider::valueChanged, this, &KroTwoBarSlider::onLinkChanged);
    setRange(m_maximum, m_minimum);
    setScale(scale);
    setLinked(true);
}

QSlider* KroTwoBarSlider::makeSlider(const char* name)
{
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::NoTicks);
    return slider;
}

void KroTwoBarSlider::setRange(int maximum, int minimum)
{
    m_minimum = qMin(minimum, maximum);
    m_maximum = qMax(minimum, maximum);
    // A value clamped by the new range is shown clamped but not reported: the data stays as it is.
    for (QSlider* s : { m_x, m_y, m_link }) {
        const QSignalBlocker block(s);
        s->setRange(m_minimum, m_maximum);
    }
}

void KroTwoBarSlider::setLinked(bool bLinked)
{
    m_link->setVisible(bLinked);
    m_x->setVisible(!bLinked);
    m_y->setVisible(!bLinked);
    if (bLinked) {
        const QSignalBlocker block(m_link);
        m_link->setValue(m_x->value());
    }
}

void KroTwoBarSlider::setValues(int x, int y)
{
    const QSignalBlocker bx(m_x), by(m_y), bl(m_link);
    m_x->setValue(x);
    m_y->setValue(y);
    m_link->setValue(x);
}

void KroTwoBarSlider::setScale(double scale)
{
    m_scale = scale;
    setStyleSheet(sliderStyleSheet(scale, skinAccent()));
    layoutSliders();
}

void KroTwoBarSlider::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutSliders();
}

void KroTwoBarSlider::layoutSliders()
{
    const int h = height();
    m_link->setGeometry(0, h / 4, width(), h / 2);
    m_x->setGeometry(0, 0, width(), h / 2);
    m_y->setGeometry(0, h / 2, width(), h - h / 2);
}

void KroTwoBarSlider::onXChanged(int value)
{
    emit SliderChangedSignal(value, m_y->value());
}

void KroTwoBarSlider::onYChanged(int value)
{
    emit SliderChangedSignal(m_x->value(), value);
}

void KroTwoBarSlider::onLinkChanged(int value)
{
    // Keep the hidden sliders in step so a later switch to separate mode starts from here.
    const QSignalBlocker bx(m_x), by(m_y);
    m_x->setValue(value);
    m_y->setValue(value);
    emit SliderChangedSignal(value, value);
}

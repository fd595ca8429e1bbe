// Typed DPI values snapped to the sensor's steps and range.
#include "panels/KroDpiEdit.h"

#include "panels/panelStyle.h"
#include "store/sensors.h"

#include <QSignalBlocker>
#include <QWheelEvent>

namespace {
// Wide enough for any typed value; the snap brings it into the sensor's range.
constexpr int TYPED_MAXIMUM = 99999;
} // namespace

KroDpiEdit::KroDpiEdit(const QString& prefix, QWidget* parent)
    : QSpinBox(parent)
{
    setPrefix(prefix);
    setRange(0, TYPED_MAXIMUM);
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setKeyboardTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    setFrame(false);
    connect(this, &QAbstractSpinBox::editingFinished, this, &KroDpiEdit::commit);
}

void KroDpiEdit::setSensor(int sensor, int rawMinimum, int rawMaximum)
{
    m_sensor = sensor;
    m_rawMinimum = rawMinimum;
    m_rawMaximum = qMax(rawMinimum, rawMaximum);
    // A model without a conversion has nothing to snap to.
    setReadOnly(sensorRawToDpi(m_rawMaximum, sensor) == 0);
    setRaw(m_raw);
}

void KroDpiEdit::setRaw(int raw)
{
    m_raw = raw;
    const QSignalBlocker block(this);
    setValue(qBound(0, sensorRawToDpi(raw, m_sensor), TYPED_MAXIMUM));
}

void KroDpiEdit::setAccent(const QColor& text, const QColor& accent)
{
    // Reads as a label until it is pointed at or typed into.
    setStyleSheet(QStringLiteral("QSpinBox{background:transparent;border:1px solid transparent;color:%1;}"
                                 "QSpinBox:hover,QSpinBox:focus{border-color:%2;background:rgb(20,20,20);}")
                      .arg(rgbText(text), rgbText(accent)));
}

void KroDpiEdit::stepBy(int steps)
{
    report(qBound(m_rawMinimum, m_raw + steps, m_rawMaximum));
}

void KroDpiEdit::wheelEvent(QWheelEvent* event)
{
    // A wheel turned over the page scrolls past the rows, it does not change them.
    if (hasFocus())
        QSpinBox::wheelEvent(event);
    else
        event->ignore();
}

void KroDpiEdit::commit()
{
    // Leaving the field untouched keeps the raw value, even where two values show the same number.
    if (value() == sensorRawToDpi(m_raw, m_sensor))
        return;
    DpiRange range;
    range.minimum = m_rawMinimum;
    range.maximum = m_rawMaximum;
    report(rawForDpi(value(), m_sensor, range));
}

void KroDpiEdit::report(int raw)
{
    const bool changed = raw != m_raw;
    setRaw(raw); // shows what the typed value became
    if (changed)
        emit RawEditedSignal(raw);
}

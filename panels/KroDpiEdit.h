// One axis of a DPI stage as a typed value: shows the axis in dots per inch and snaps what is typed
// to the nearest value the sensor can hold; arrow keys move one sensor step.
#pragma once

#include <QSpinBox>

class KroDpiEdit : public QSpinBox {
    Q_OBJECT
public:
    KroDpiEdit(const QString& prefix, QWidget* parent = nullptr);

    // The sensor and the raw range typed values snap into.
    void setSensor(int sensor, int rawMinimum, int rawMaximum);
    // Shows a raw value without reporting it.
    void setRaw(int raw);
    int raw() const { return m_raw; }
    void setAccent(const QColor& text, const QColor& accent);

    void stepBy(int steps) override;

signals:
    // The user typed or stepped to a new raw value.
    void RawEditedSignal(int raw);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void commit();
    void report(int raw);

    int m_sensor = 0;
    int m_rawMinimum = 1;
    int m_rawMaximum = 100;
    int m_raw = 0;
};

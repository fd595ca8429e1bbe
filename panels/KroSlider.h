// A horizontal slider that shows its value over the handle while it is dragged.
#pragma once

#include <QSlider>

class QLabel;

class KroSlider : public QSlider {
    Q_OBJECT
public:
    explicit KroSlider(QWidget* parent = nullptr);

    // Horizontal offset of the value label over the groove; 0 when the range is empty.
    static int labelOffset(int value, int minimum, int maximum, int grooveWidth, int labelWidth);
    QLabel* valueLabel() const { return m_label; }

signals:
    // The user let go of the handle.
    void MouseChange();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private slots:
    void followValue(int value);

private:
    QLabel* m_label = nullptr;
    bool m_dragging = false;
};

// The colour dialog's saturation/value square for the current hue.
#pragma once

#include <QWidget>

class SVColorArea : public QWidget {
    Q_OBJECT
public:
    explicit SVColorArea(QWidget* parent = nullptr, double scale = 1.0);

    int side() const;
    // Saturation and value (0..255) at a point, clamped to the square.
    int saturationAt(int x) const;
    int valueAt(int y) const;
    int hue() const { return m_hue; }
    int saturation() const { return m_saturation; }
    int value() const { return m_value; }
    // Moves the marker without reporting it.
    void setHsv(int hue, int saturation, int value);

signals:
    void svChangedSignal(int hue, int saturation, int value);
    void mouseReleaseSignal();

public slots:
    void hueChangedSlot(int hue);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pick(const QPoint& pos);

    double m_scale;
    int m_hue = 0;
    int m_saturation = 255;
    int m_value = 255;
};

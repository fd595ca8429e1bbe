// The colour dialog's vertical hue strip with a marker for the current hue.
#pragma once

#include <QWidget>

class HColorArea : public QWidget {
    Q_OBJECT
public:
    explicit HColorArea(QWidget* parent = nullptr, double scale = 1.0);

    static constexpr int TOP_MARGIN = 7;
    int stripHeight() const;
    // Hue (0..360) of a point at height y of the widget.
    int hueAt(int y) const;
    int hue() const { return m_hue; }
    // Moves the marker without reporting it.
    void setHue(int hue);

signals:
    void hueChangedSignal(int hue);
    void mouseReleaseSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pick(int y);

    double m_scale;
    int m_hue = 0;
};

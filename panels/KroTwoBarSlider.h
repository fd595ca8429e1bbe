// The resolution slider of one DPI stage: separate X and Y sliders or one linked slider.
#pragma once

#include <QWidget>

class QSlider;

class KroTwoBarSlider : public QWidget {
    Q_OBJECT
public:
    explicit KroTwoBarSlider(QWidget* parent = nullptr, double scale = 1.0);

    void setRange(int maximum, int minimum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    // Linked: one slider moves X and Y together. Separate: an X and a Y slider.
    void setLinked(bool bLinked);

    // Shows the values without reporting them back.
    void setValues(int x, int y);

    void setScale(double scale);

signals:
    void SliderChangedSignal(int x, int y);

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void onXChanged(int value);
    void onYChanged(int value);
    void onLinkChanged(int value);

private:
    QSlider* makeSlider(const char* name);
    void layoutSliders();

    QSlider* m_x;
    QSlider* m_y;
    QSlider* m_link;
    int m_minimum = 1;
    int m_maximum = 100;
    double m_scale = 1.0;
};

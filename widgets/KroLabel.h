// Text label of the skin, painted in the language font at the display scale.
#pragma once

#include <QLabel>

class KroLabel : public QLabel {
    Q_OBJECT
public:
    explicit KroLabel(QWidget* parent = nullptr);

    // Pixel size at scale 1.0 that replaces the language font's size (0 = none).
    void setFontSize(int pixelSize);
    // Pixels taken off the font size before scaling (0 = none).
    void setFontDecrement(int pixels);
    void setDarkBackground(bool bDark);
    void setNumber(int n);
    // The font the label paints with.
    QFont paintFont() const;

signals:
    void EnterSignal(KroLabel* label);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_fontSize = 0;
    int m_decrement = 0;
    bool m_dark = false;
};

// The colour dialog's preview of the colour being edited.
#pragma once

#include <QColor>
#include <QWidget>

class PreviewColorArea : public QWidget {
    Q_OBJECT
public:
    explicit PreviewColorArea(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

public slots:
    void svChangedSlot(int hue, int saturation, int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color = Qt::red;
};

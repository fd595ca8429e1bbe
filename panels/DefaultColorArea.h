// A clickable colour swatch: the lighting panel's colour and the dialog's presets.
#pragma once

#include <QColor>
#include <QWidget>

class DefaultColorArea : public QWidget {
    Q_OBJECT
public:
    explicit DefaultColorArea(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    // An invalid colour is shown as black.
    void setColor(const QColor& color);

signals:
    void ClickedSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor m_color = Qt::black;
};

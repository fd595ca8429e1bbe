// The skin label: language font, optional dark fill, wrapped or aligned text.
#include "widgets/KroLabel.h"

#include "widgets/skinStyle.h"

#include <QMouseEvent>
#include <QPainter>

KroLabel::KroLabel(QWidget* parent)
    : QLabel(parent)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
}

void KroLabel::setFontSize(int pixelSize)
{
    m_fontSize = pixelSize;
    update();
}

void KroLabel::setFontDecrement(int pixels)
{
    m_decrement = pixels;
    update();
}

void KroLabel::setDarkBackground(bool bDark)
{
    m_dark = bDark;
    update();
}

void KroLabel::setNumber(int n)
{
    setText(QString::number(n));
}

QFont KroLabel::paintFont() const
{
    return skinFont(m_fontSize, m_decrement);
}

void KroLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_dark)
        p.fillRect(rect(), QColor(30, 30, 30));
    p.setFont(paintFont());
    p.setPen(palette().color(foregroundRole()));
    int flags = int(alignment());
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    p.drawText(contentsRect(), flags, text());
}

void KroLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit EnterSignal(this);
    QLabel::mousePressEvent(event);
}

// Progress bar with painted text.
#include "app/widgets/KroProcessbar.h"

#include "app/widgets/skinStyle.h"

#include <QPainter>

KroProcessbar::KroProcessbar(QWidget* parent)
    : QProgressBar(parent)
{
    setTextVisible(false);
}

void KroProcessbar::setText(const QString& text)
{
    m_text = text;
    update();
}

void KroProcessbar::paintEvent(QPaintEvent* event)
{
    QProgressBar::paintEvent(event);
    if (m_text.isEmpty())
        return;
    QPainter p(this);
    p.setFont(skinFont());
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, m_text);
}

// Progress bar with painted text.
#include "widgets/KroProcessbar.h"

#include "widgets/skinStyle.h"

#include <QStyleOptionProgressBar>
#include <QStylePainter>

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

void KroProcessbar::paintEvent(QPaintEvent*)
{
    // text() is overridden to report the painted text, so the base class would draw an empty
    // format; draw the bar with the formatted value ourselves and the own text over it.
    QStylePainter p(this);
    QStyleOptionProgressBar opt;
    initStyleOption(&opt);
    opt.text = QProgressBar::text();
    opt.textVisible = isTextVisible() && m_text.isEmpty();
    p.drawControl(QStyle::CE_ProgressBar, opt);
    if (m_text.isEmpty())
        return;
    p.setFont(skinFont());
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, m_text);
}

// Result line of the main window: light text for what was sent, the warning colour for a failure.
#include "app/ResultLine.h"

#include "app/StatusDisplay.h"

#include <QTimer>

ResultLine::ResultLine(QWidget* parent)
    : KroLabel(parent)
    , m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("resultLine"));
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &QLabel::clear);
}

void ResultLine::showResult(const QString& text, bool failed)
{
    QPalette colours = palette();
    colours.setColor(foregroundRole(), failed ? StatusDisplay::WARNING_COLOUR : QColor(220, 220, 220));
    setPalette(colours);
    setText(text);
    m_timer->start(SHOWN_MS);
}

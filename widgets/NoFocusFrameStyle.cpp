#include "widgets/NoFocusFrameStyle.h"

#include <QApplication>

NoFocusFrameStyle::NoFocusFrameStyle(const QString& baseKey)
    : QProxyStyle(baseKey)
{
}

void NoFocusFrameStyle::install()
{
    QStyle* current = QApplication::style();
    if (qobject_cast<NoFocusFrameStyle*>(current))
        return;
    QApplication::setStyle(new NoFocusFrameStyle(current ? current->objectName() : QString()));
}

void NoFocusFrameStyle::drawPrimitive(
    PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    if (element == PE_FrameFocusRect)
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

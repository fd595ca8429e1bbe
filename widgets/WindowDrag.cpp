// The compositor moves the window where it can (Wayland must, X11 window managers may); otherwise
// the window follows the pointer's displacement since the press.
#include "widgets/WindowDrag.h"

#include "platform/WindowSystem.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowDrag::WindowDrag(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    setObjectName(QStringLiteral("windowDrag"));
    window->installEventFilter(this);
}

void WindowDrag::makeSkinShaped(QWidget* window)
{
    if (windowSystem::isWayland())
        window->setAttribute(Qt::WA_TranslucentBackground);
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::LeftButton)
            break;
        if (windowSystem::startSystemMove(m_window->windowHandle()))
            return true;
        m_dragging = true;
        m_pressAt = press->globalPos();
        m_windowAt = m_window->frameGeometry().topLeft();
        break;
    }
    case QEvent::MouseMove:
        if (m_dragging)
            m_window->move(m_windowAt + static_cast<QMouseEvent*>(event)->globalPos() - m_pressAt);
        break;
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        break;
    default:
        break;
    }
    return false;
}

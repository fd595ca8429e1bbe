// Window system facts from the running Qt platform plugin.
#include "platform/WindowSystem.h"

#include <QGuiApplication>
#include <QWindow>

namespace windowSystem {

bool isWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool startSystemMove(QWindow* window)
{
    return window && window->startSystemMove();
}

} // namespace windowSystem

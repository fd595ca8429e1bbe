// Start-up timing probe.
#include "app/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

void StartupProbe::installIfAsked(QWidget* window)
{
    const QByteArray mode = qgetenv("MOUSECFG_STARTUP_PROBE");
    if (mode.isEmpty())
        return;
    window->installEventFilter(new StartupProbe(window, mode == "quit"));
}

StartupProbe::StartupProbe(QObject* parent, bool quit)
    : QObject(parent)
    , m_quit(quit)
{
}

bool StartupProbe::eventFilter(QObject*, QEvent* event)
{
    // The paint is done when the event loop comes back after it.
    if (event->type() == QEvent::Paint && !m_reported) {
        m_reported = true;
        QTimer::singleShot(0, this, &StartupProbe::report);
    }
    return false;
}

void StartupProbe::report()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(
        stderr, "mousecfg-first-paint-ns=%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::fflush(stderr);
    if (m_quit)
        QCoreApplication::quit();
}

// Start-up timing probe.
#include "app/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {
bool asked()
{
    static const bool on = std::getenv("MOUSECFG_STARTUP_PROBE") != nullptr;
    return on;
}

long long clockNs(clockid_t clock)
{
    timespec now {};
    clock_gettime(clock, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

long long monotonicNs()
{
    return clockNs(CLOCK_MONOTONIC);
}
} // namespace

void StartupProbe::installIfAsked(QWidget* window)
{
    if (!asked())
        return;
    window->installEventFilter(new StartupProbe(window, qgetenv("MOUSECFG_STARTUP_PROBE") == "quit"));
}

void StartupProbe::mark(const char* phase)
{
    if (asked())
        std::fprintf(
            stderr, "mousecfg-phase-ns=%lld %lld %s\n", monotonicNs(), clockNs(CLOCK_THREAD_CPUTIME_ID), phase);
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
        mark("paint event");
        QTimer::singleShot(0, this, &StartupProbe::report);
    }
    return false;
}

void StartupProbe::report()
{
    std::fprintf(stderr, "mousecfg-first-paint-ns=%lld\n", monotonicNs());
    std::fflush(stderr);
    if (m_quit)
        QCoreApplication::quit();
}

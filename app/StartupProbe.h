// Start-up timing for benchmarks: with MOUSECFG_STARTUP_PROBE set, prints the monotonic clock and the
// main thread's CPU time at each phase mark and once the window's first paint is done ("=quit" then ends the program), so a
// launcher can time the start and see how it splits.
#pragma once

#include <QObject>

class QWidget;

class StartupProbe : public QObject {
    Q_OBJECT
public:
    // Watches window when the environment asks for it; does nothing otherwise.
    static void installIfAsked(QWidget* window);
    // Notes the end of a start-up phase (a no-op unless the probe is asked for).
    static void mark(const char* phase);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    StartupProbe(QObject* parent, bool quit);
    void report();

    bool m_quit;
    bool m_reported = false;
};

// Start-up timing for benchmarks: with MOUSECFG_STARTUP_PROBE set, prints the monotonic clock once
// the window's first paint is done ("=quit" then ends the program), so a launcher can time it.
#pragma once

#include <QObject>

class QWidget;

class StartupProbe : public QObject {
    Q_OBJECT
public:
    // Watches window when the environment asks for it; does nothing otherwise.
    static void installIfAsked(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    StartupProbe(QObject* parent, bool quit);
    void report();

    bool m_quit;
    bool m_reported = false;
};

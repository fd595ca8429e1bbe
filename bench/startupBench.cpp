// Start-up: building the whole main window (settings, five profiles, panels, skin, tray) against the
// virtual mouse, and the window's idle cost. Prints medians; never a pass/fail.
#include "app/MousecfgWidget.h"
#include "buildTree.h"
#include "e2eFixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <ctime>
#include <vector>

namespace {
double cpuSeconds()
{
    timespec ts {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main(int argc, char* argv[])
{
    useBuildTree();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int runs = 7;
    std::vector<double> build;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        E2eFixture fixture(true);
        build.push_back(t.nsecsElapsed() / 1e6);
        app.processEvents();
    }
    out << "main window construction (fixture incl. temp install), median of " << runs << ": " << median(build)
        << " ms\n";

    // Idle: the window shown, the poller running, nothing happening for a few seconds. The first
    // second (first paint, the work after it) is start-up, not idle.
    const auto runFor = [&app](qint64 ms) {
        QElapsedTimer wall;
        wall.start();
        while (wall.elapsed() < ms) {
            app.processEvents(QEventLoop::AllEvents, 50);
            QThread::msleep(20);
        }
        return wall.elapsed();
    };
    E2eFixture fixture(true);
    fixture.window().show();
    runFor(1000);
    const double cpu0 = cpuSeconds();
    const qint64 idleMs = runFor(5000);
    out << "idle CPU over " << idleMs / 1000.0 << " s wall: " << (cpuSeconds() - cpu0) * 1000 << " ms\n";
    return 0;
}

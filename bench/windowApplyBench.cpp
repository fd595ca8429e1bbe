// Apply through the window, from the click on Apply to the busy dialog closing, against the virtual
// mouse (1 ms reply latency): a DPI change and a full apply. Prints the median wall time next to the
// protocol's floor (10 ms after each write plus the reply latency of each verified frame).
#include "app/MousecfgWidget.h"
#include "panels/KroDPIWindow.h"
#include "panels/KroSingleDPI.h"
#include "panels/KroTwoBarSlider.h"
#include "store/settings.h"

#include "buildTree.h"
#include "frameFloor.h"
#include "support/e2eFixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSlider>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace {
constexpr int LATENCY_MS = 1;
constexpr int RUNS = 7;

void measure(const char* name, E2eFixture& e2e, const std::function<void(int)>& change)
{
    std::vector<qint64> times;
    FrameFloor figures;
    for (int run = 0; run < RUNS; ++run) {
        change(run);
        e2e.mouse().mouse().clearHistory();
        QElapsedTimer timer;
        timer.start();
        e2e.apply();
        times.push_back(timer.nsecsElapsed());
        figures = frameFloor(e2e.mouse().mouse().receivedFrames(), LATENCY_MS);
    }
    std::sort(times.begin(), times.end());
    const double medianMs = times[times.size() / 2] / 1e6;
    const double floorMs = figures.floorMs;
    QTextStream(stdout) << QString("%1: %2 frames, click to dialog closed: median %3 ms over %4 runs, floor %5 ms, "
                                   "ratio %6 (goal: at most 1.1 x floor + 20 ms = %7 ms)\n")
                               .arg(name)
                               .arg(figures.frames)
                               .arg(medianMs, 0, 'f', 1)
                               .arg(RUNS)
                               .arg(floorMs, 0, 'f', 1)
                               .arg(medianMs / floorMs, 0, 'f', 3)
                               .arg(floorMs * 1.1 + 20, 0, 'f', 1);
}
} // namespace

int main(int argc, char* argv[])
{
    useBuildTree();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    E2eFixture e2e;
    VirtualMouse::Faults faults;
    faults.replyLatencyMs = LATENCY_MS;
    e2e.mouse().mouse().setFaults(faults);
    e2e.window().switchPage(MousecfgWidget::PageDpi);
    QSlider* slider
        = e2e.window().findChild<KroDPIWindow*>("dpiPanel")->row(1)->slider()->findChild<QSlider*>("xSlider");
    measure("DPI change", e2e, [slider](int run) { slider->setValue(100 + run * 7); });
    measure("full apply", e2e, [](int) { setDiffFlag(1); });
    return 0;
}

// Download timing against the virtual mouse with a 1 ms reply latency: a full download of the
// factory configuration with one macro bound, and a DPI-only change. Prints frames, wall time and
// the ratio to the protocol's floor (10 ms per frame plus the reply latency of each verified frame).
#include "device/commandSet.h"
#include "store/deviceDescription.h"
#include "store/macroFiles.h"

#include "buildTree.h"
#include "frameFloor.h"
#include "support/TestAppDir.h"
#include "support/VirtualMouseFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

constexpr int LATENCY_MS = 1;
constexpr int RUNS = 5;

MouseConfig factoryConfig()
{
    MouseConfig c;
    for (ProfileData& p : c.profiles)
        makeDefaultProfile(p);
    Macro macro;
    for (int i = 0; i < 10; ++i)
        macro.events.append(MacroEvent::key(quint8(4 + i / 2), i % 2 == 0));
    saveMacro("bench", macro);
    c.profiles[0].buttons[2].Fun = FUN_MACRO;
    c.profiles[0].buttons[2].macroname = "bench";
    return c;
}

void measure(const char* name, VirtualMouse& mouse, const MouseConfig& config, ChangeMask mask)
{
    std::vector<qint64> times;
    FrameFloor figures;
    for (int run = 0; run < RUNS; ++run) {
        mouse.clearHistory();
        QElapsedTimer timer;
        timer.start();
        const quint8 status = downloadConfig(config, mask);
        times.push_back(timer.nsecsElapsed());
        if (status != SEND_OK)
            QTextStream(stdout) << name << ": download failed with status " << status << "\n";
        figures = frameFloor(mouse.receivedFrames(), LATENCY_MS);
    }
    std::sort(times.begin(), times.end());
    const double medianMs = times[times.size() / 2] / 1e6;
    const double floorMs = figures.floorMs;
    QTextStream(stdout) << QString("%1: %2 frames (%3 verified), median %4 ms over %5 runs, floor %6 ms, "
                                   "ratio %7\n")
                               .arg(name)
                               .arg(figures.frames)
                               .arg(figures.verified)
                               .arg(medianMs, 0, 'f', 1)
                               .arg(RUNS)
                               .arg(floorMs, 0, 'f', 1)
                               .arg(medianMs / floorMs, 0, 'f', 3);
}

} // namespace

int main(int argc, char* argv[])
{
    useBuildTree();
    QCoreApplication app(argc, argv);
    TestAppDir dir(true);
    VirtualMouseFixture fixture(VirtualMouseFixture::ReceiverOnly);
    VirtualMouse::Faults faults;
    faults.replyLatencyMs = LATENCY_MS;
    fixture.mouse().setFaults(faults);

    const MouseConfig config = factoryConfig();
    measure("full download", fixture.mouse(), config, CHANGE_ALL);
    MouseConfig dpiChanged = config;
    dpiChanged.profiles[0].stages[1].x += 10;
    measure("DPI-only change", fixture.mouse(), dpiChanged, CHANGE_DPI);
    return 0;
}

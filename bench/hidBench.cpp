// Figures of the HID link: sendCommand cost per verified frame against the protocol's floor,
// with and without other collections' reports streaming on the control node.
#include "support/VirtualMouseFixture.h"

#include "buildTree.h"
#include "device/HidBackend.h"
#include "device/hidDevices.h"
#include "device/transaction.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace {

constexpr int FRAMES = 100;

void measure(QTextStream& out, const char* label, int latencyMs, int streamMs, bool pump)
{
    VirtualMouseFixture fx;
    if (pump)
        fx.usePumpedControlHandles();
    VirtualMouse::Faults faults;
    faults.replyLatencyMs = latencyMs;
    fx.mouse().setFaults(faults);
    if (streamMs > 0)
        fx.mouse().startStreaming(streamMs);
    const quint8 data[24] = {};
    QElapsedTimer clock;
    clock.start();
    int failures = 0;
    for (int i = 0; i < FRAMES; ++i) {
        const CommandFrame frame = makeFrame(0x03, quint8(i), 0, 24, SEQ_NEXT, data);
        failures += sendCommand(frame) != SEND_OK;
    }
    const double ms = clock.nsecsElapsed() / 1e6;
    fx.mouse().stopStreaming();
    // A verified frame costs at least the 10 ms pause after the write, or the reply latency when longer.
    const double floor = FRAMES * double(qMax(10, latencyMs));
    out << QString("%1  %2 frames  %3 ms  %4 ms/frame  %5x floor  writes %6  failures %7\n")
               .arg(label, -44)
               .arg(FRAMES)
               .arg(ms, 0, 'f', 0)
               .arg(ms / FRAMES, 0, 'f', 2)
               .arg(ms / floor, 0, 'f', 3)
               .arg(fx.mouse().writeCalls())
               .arg(failures);
}

} // namespace

int main(int argc, char* argv[])
{
    useBuildTree();
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    measure(out, "latency 0", 0, 0, false);
    measure(out, "latency 1 ms", 1, 0, false);
    measure(out, "latency 1 ms, 1 kHz reports on the node", 1, 1, false);
    measure(out, "latency 1 ms, pump thread", 1, 0, true);
    measure(out, "latency 1 ms, pump thread, 1 kHz reports", 1, 1, true);
    return 0;
}

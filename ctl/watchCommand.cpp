// mousecfgctl watch: runs until SIGINT or SIGTERM, which end it through a self-pipe (exit 0). With the
// virtual mouse, lines on standard input make that mouse do what a real one does on its own.
#include "ctl/StatusWatch.h"
#include "ctl/commandOptions.h"
#include "ctl/ctlCommand.h"
#include "ctl/settingNames.h"

#include "device/hidDevices.h"
#include "platform/DeviceWatcher.h"
#include "sim/VirtualMouse.h"
#include "sim/backend/VirtualHidBackend.h"

#include <QSocketNotifier>

#include <csignal>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int DEFAULT_INTERVAL_S = 25; // about the window's pace
int g_signalPipe[2] = { -1, -1 };

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}

// SIGINT and SIGTERM quit the event loop from the loop itself, not from the handler.
std::unique_ptr<QSocketNotifier> quitOnSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return nullptr;
    auto notifier = std::make_unique<QSocketNotifier>(g_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[0], &byte, 1);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    return notifier;
}

// "report PROFILE STAGE RATE", "battery MILLIVOLTS [charging]", "plug|unplug receiver|cable".
void driveVirtualMouse(VirtualMouse& mouse, const QStringList& w)
{
    const QString command = w.value(0);
    if (command == QLatin1String("report") && w.size() == 4) {
        mouse.sendChangeReport(quint8(w[1].toInt() - 1), quint8(w[2].toInt() - 1), quint8(rateCode(w[3].toInt())), 0);
    } else if (command == QLatin1String("battery") && w.size() >= 2) {
        // Millivolts are 990 * raw / 240.
        mouse.setBattery(quint16((w[1].toInt() * 240 + 989) / 990), w.value(2) == QLatin1String("charging"));
    } else if ((command == QLatin1String("plug") || command == QLatin1String("unplug")) && w.size() == 2) {
        const VirtualMouse::Side side = w[1] == QLatin1String("cable") ? VirtualMouse::Cable : VirtualMouse::Receiver;
        command == QLatin1String("plug") ? mouse.plug(side) : mouse.unplug(side);
    } else {
        ctlErr() << ctlText("virtual mouse: report P S RATE | battery MV [charging] | plug|unplug receiver|cable")
                 << "\n";
        ctlErr().flush();
    }
}

std::unique_ptr<QSocketNotifier> readVirtualMouseCommands()
{
    if (!installedVirtualMouse())
        return nullptr;
    auto notifier = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
    QSocketNotifier* raw = notifier.get();
    QObject::connect(raw, &QSocketNotifier::activated, [raw] {
        static QByteArray pending;
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            raw->setEnabled(false); // end of input: the watch goes on
            return;
        }
        pending.append(buffer, int(n));
        for (int end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            const QString line = QString::fromUtf8(pending.left(end)).trimmed();
            pending.remove(0, end + 1);
            if (auto mouse = installedVirtualMouse(); mouse && !line.isEmpty())
                driveVirtualMouse(*mouse, line.split(QLatin1Char(' '), Qt::SkipEmptyParts));
        }
    });
    return notifier;
}

} // namespace

int runWatch(const QStringList& arguments)
{
    QStringList args = arguments;
    const bool json = takeFlag(args, "--json");
    int interval = DEFAULT_INTERVAL_S;
    const int at = args.indexOf(QStringLiteral("--interval"));
    bool ok = true;
    if (at >= 0) {
        interval = args.value(at + 1).toInt(&ok);
        args.erase(args.begin() + at, args.begin() + qMin(at + 2, args.size()));
    }
    if (!args.isEmpty() || !ok || interval < 1 || interval > 3600) {
        ctlErr() << "usage: mousecfgctl watch [--json] [--interval SECONDS]\n";
        return CTL_USAGE;
    }
    const auto signalNotifier = quitOnSignals();
    const auto commands = readVirtualMouseCommands();
    StatusWatch watch(json, interval);
    DeviceWatcher watcher;
    startHotplug(watcher, watch);
    watch.start();
    QCoreApplication::exec();
    return CTL_OK;
}

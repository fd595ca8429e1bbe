// The device code the window uses, driven for one command: open, ask, apply, close.
#include "ctl/mouseLink.h"

#include "ctl/ctlCommand.h"
#include "ctl/deviceCommands.h"
#include "device/KroGetBatteryThread.h"
#include "device/KroProcessThread.h"
#include "device/commandSet.h"
#include "device/hidDevices.h"
#include "store/MouseConfig.h"
#include "store/settings.h"

#include <QEventLoop>
#include <QTimer>

namespace {
// A mouse answers a status request within a few ms; a silent one must not hold up the command.
constexpr int STATUS_WAIT_MS = 400;
} // namespace

int openMouse()
{
    QTextStream& err = ctlErr();
    buildDeviceTable();
    if (enumerateDevices() != 0) {
        err << ctlText("The HID library could not be initialised.") << "\n";
        return CTL_NO_DEVICE;
    }
    openDevicesByName(currentProductName());
    if (controlHandle())
        return CTL_OK;
    if (accessDenied()) {
        err << ctlText("The mouse is connected but its device node may not be opened. "
                       "Install the udev rule 70-mousecfg.rules and plug the receiver in "
                       "again, or run as root.")
            << "\n";
        return CTL_NO_ACCESS;
    }
    err << ctlText("No mouse found: neither the receiver nor the cable of %1 "
                   "is connected.")
               .arg(currentProductName())
        << "\n";
    return CTL_NO_DEVICE;
}

void closeMouse()
{
    stopBatteryPoller();
    closeDevices();
}

MouseReport queryMouse()
{
    MouseReport report;
    KroGetBatteryThread poller;
    poller.setPauses(20, 20, 20);
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    // The status reply answers the question; nothing is gained by listening on after it.
    QObject::connect(
        &poller, &KroGetBatteryThread::RefreshBatteryStatus, &loop, [&](quint8 charge, quint8 low, quint8 high) {
            report = MouseReport { true, charge, low, high, report.change };
            loop.quit();
        });
    QObject::connect(
        &poller, &KroGetBatteryThread::RefreshStatus, &loop, [&](quint8 profile, quint8 dpi, quint8 rate, quint8) {
            report.change = std::array<quint8, 3> { profile, dpi, rate };
        });
    QObject::connect(&poller, &QThread::finished, &loop, &QEventLoop::quit);
    deadline.start(STATUS_WAIT_MS);
    poller.start(QThread::InheritPriority);
    loop.exec();
    poller.stop();
    poller.wait();
    return report;
}

bool noBatteryData(const MouseReport& r)
{
    return !r.answered || (r.charge == 0 && r.low == 0 && r.high == 0);
}

void loadSavedConfiguration()
{
    loadAll(sentConfig);
    currentConfig = sentConfig;
}

namespace {
// Only a reply without battery data says the mouse is off; a mouse that says nothing is tried, and the
// transfer itself reports whether it took the frames.
bool reportedOff(const MouseReport& r)
{
    return r.answered && noBatteryData(r);
}
} // namespace

int applySaved(bool fullSend)
{
    QTextStream& err = ctlErr();
    setMouseOff(reportedOff(queryMouse()));
    KroProcessThread worker;
    worker.fullSend = fullSend;
    worker.start(QThread::InheritPriority);
    worker.wait();
    if (!worker.filesSaved)
        err << ctlText("The configuration could not be saved.") << "\n";
    if (worker.result == SEND_MOUSE_OFF) {
        err << ctlText("Mouse is sleeping or not connected.") << "\n";
        return worker.result;
    }
    if (worker.result != SEND_OK) {
        err << ctlText("Send data failed, please try again.") << "\n";
        return worker.result;
    }
    if (!worker.filesSaved)
        return CTL_FILE_NOT_WRITTEN;
    ctlOut() << (worker.sentMask ? ctlText("Configuration sent.")
                                 : ctlText("Nothing to send: the mouse holds the saved configuration "
                                           "(apply --full sends everything)."))
             << "\n";
    return CTL_OK;
}

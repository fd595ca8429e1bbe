// mousecfgctl status, apply, profile and import: the same device code the window uses, on one mouse.
#include "ctl/deviceCommands.h"

#include "device/HidBackend.h"
#include "device/KroGetBatteryThread.h"
#include "device/KroProcessThread.h"
#include "device/commandSet.h"
#include "device/hidDevices.h"
#include "store/appContext.h"
#include "store/batteryLevel.h"
#include "store/deviceDescription.h"
#include "store/profileFiles.h"
#include "store/sensors.h"
#include "store/settings.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QTimer>

#include <optional>

namespace {

// A mouse answers a status request within a few ms; a silent one must not hold up the apply.
constexpr int STATUS_WAIT_MS = 400;
constexpr int LISTEN_AFTER_STATUS_MS = 300;

struct MouseReport {
    bool answered = false; // a status reply, or a failed read of it, was seen
    quint8 charge = 0, low = 0, high = 0;
    std::optional<std::array<quint8, 3>> change; // profile, DPI stage, rate code
};

// Opens the mouse of the current product; prints why not and returns the exit code otherwise.
int openMouse()
{
    QTextStream& err = ctlErr();
    // The device link's traces are for the debug log, not for the terminal.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    buildDeviceTable();
    if (enumerateDevices() != 0) {
        err << ctlText("The HID library could not be initialised.") << "\n";
        return CTL_NO_DEVICE;
    }
    openDevicesByName(currentProductName());
    if (controlHandle())
        return CTL_OK;
    if (accessDenied()) {
        err << QCoreApplication::translate("mousecfgctl",
            "The mouse is connected but its device node may not be opened. "
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

// One status request through the poller, and a short listen for change reports after it.
MouseReport queryMouse()
{
    MouseReport report;
    KroGetBatteryThread poller;
    poller.setPauses(20, 20, 20);
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(
        &poller, &KroGetBatteryThread::RefreshBatteryStatus, &loop, [&](quint8 charge, quint8 low, quint8 high) {
            if (report.answered)
                return;
            report = MouseReport { true, charge, low, high, report.change };
            deadline.start(LISTEN_AFTER_STATUS_MS);
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

QString rateText(int code)
{
    return code == 1 || code == 2 || code == 4 || code == 8 ? QString("%1 Hz").arg(1000 / code)
                                                            : QString("code %1").arg(code);
}

void printStatus(const MouseReport& r)
{
    QTextStream& out = ctlOut();
    out << ctlText("Connection:") << " " << (cableControl ? ctlText("cable") : ctlText("receiver")) << "\n";
    if (noBatteryData(r)) {
        out << ctlText("Battery:") << " " << ctlText("no data (the mouse is asleep or switched off)") << "\n";
    } else {
        out << ctlText("Battery:") << " " << batteryLevel(r.low, r.high, batteryFullMillivolts()) << "% ("
            << batteryMillivolts(r.low, r.high) << " mV)\n";
        out << ctlText("Charging:") << " " << (r.charge ? ctlText("yes") : ctlText("no")) << "\n";
    }
    MouseConfig saved;
    loadAll(saved);
    // The protocol has no read-back: without a change report the values are those last applied.
    const bool reported = r.change.has_value();
    const int profile = reported ? (*r.change)[0] : saved.ProfileID;
    const ProfileData& data = saved.profiles[qBound(0, profile, PROFILE_COUNT - 1)];
    const int stage = reported ? (*r.change)[1] : data.dpi;
    const int rate = reported ? (*r.change)[2] : data.pollrate;
    const QString source = reported ? ctlText("reported by the mouse") : ctlText("as last applied");
    out << ctlText("Active profile:") << " " << profile + 1 << " (" << source << ")\n";
    out << ctlText("DPI stage:") << " " << stage + 1;
    if (stage >= 0 && stage < DPI_STAGE_COUNT) {
        const int dpi = displayedDpi(mouseProfile(saved).stages[stage], sensorModel());
        if (dpi > 0)
            out << " (" << dpi << " DPI)";
    }
    out << "\n" << ctlText("Report rate:") << " " << rateText(rate) << "\n";
}

// What a fresh start of the window would know: the saved configuration, sent as far as the files say.
void loadSavedConfiguration()
{
    loadAll(sentConfig);
    currentConfig = sentConfig;
}

// Only a reply without battery data says the mouse is off; a mouse that says nothing is tried, and the
// transfer itself reports whether it took the frames.
bool reportedOff(const MouseReport& r)
{
    return r.answered && noBatteryData(r);
}

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

} // namespace

int runStatus(const QStringList& args)
{
    QTextStream& err = ctlErr();
    if (!args.isEmpty()) {
        err << "usage: mousecfgctl status\n";
        return CTL_USAGE;
    }
    const int opened = openMouse();
    if (opened != CTL_OK)
        return opened;
    const MouseReport report = queryMouse();
    printStatus(report);
    closeMouse();
    return noBatteryData(report) ? CTL_MOUSE_OFF : CTL_OK;
}

int runApply(const QStringList& args)
{
    QTextStream& err = ctlErr();
    if (args.size() > 1 || (args.size() == 1 && args[0] != "--full")) {
        err << "usage: mousecfgctl apply [--full]\n";
        return CTL_USAGE;
    }
    const int opened = openMouse();
    if (opened != CTL_OK)
        return opened;
    loadSavedConfiguration();
    const int result = applySaved(!args.isEmpty());
    closeMouse();
    return result;
}

int runProfile(const QStringList& args)
{
    QTextStream& out = ctlOut();
    QTextStream& err = ctlErr();
    bool ok = false;
    const int number = args.size() == 1 ? args[0].toInt(&ok) : 0;
    if (!ok || number < 1 || number > PROFILE_COUNT) {
        err << "usage: mousecfgctl profile N   (N = 1.." << PROFILE_COUNT << ")\n";
        return CTL_USAGE;
    }
    const int opened = openMouse();
    if (opened != CTL_OK)
        return opened;
    const quint8 status = switchMouseProfile(number - 1);
    closeMouse();
    if (status != SEND_OK) {
        err << ctlText("Send data failed, please try again.") << "\n";
        return status;
    }
    if (setCurrentProfile(number - 1) != 0) {
        err << ctlText("The configuration could not be saved.") << "\n";
        return CTL_FILE_NOT_WRITTEN;
    }
    out << ctlText("Profile %1 is active.").arg(number) << "\n";
    return CTL_OK;
}

int runImport(const QStringList& args)
{
    QTextStream& err = ctlErr();
    if (args.size() != 1) {
        err << "usage: mousecfgctl import FILE.conf\n";
        return CTL_USAGE;
    }
    const QString path = args[0];
    if (!fileExists(path)) {
        err << ctlText("Cannot read %1.").arg(path) << "\n";
        return CTL_BAD_FILE;
    }
    const QString tag = readProductTag(path);
    if (tag != currentProductName()) {
        err << ctlText("%1 was saved for another product (%2), not for %3.").arg(path, tag, currentProductName())
            << "\n";
        return CTL_BAD_FILE;
    }
    loadSavedConfiguration();
    if (importConfig(currentConfig, path) != 0) {
        err << ctlText("%1 holds no configuration of five profiles; nothing was sent.").arg(path) << "\n";
        return CTL_BAD_FILE;
    }
    const int opened = openMouse();
    if (opened != CTL_OK)
        return opened;
    const int result = applySaved(true);
    closeMouse();
    return result;
}

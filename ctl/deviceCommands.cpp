// mousecfgctl status, apply, profile and import: the same device code the window uses, on one mouse.
#include "ctl/deviceCommands.h"

#include "ctl/commandOptions.h"
#include "ctl/mouseLink.h"
#include "ctl/settingNames.h"

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

#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString rateText(int code)
{
    return rateHz(code) ? QString("%1 Hz").arg(rateHz(code)) : QString("code %1").arg(code);
}

// What status shows: the battery and connection from the reply; profile, stage and rate from a change
// report when one came in before the reply, else as last applied.
struct StatusView {
    bool battery = false;
    int percent = 0, millivolts = 0;
    bool charging = false;
    QString connection;
    bool reported = false;
    int profile = 0, stage = 0, rate = 0, dpi = 0;
};

StatusView statusView(const MouseReport& r)
{
    StatusView v;
    v.connection = cableControl ? QStringLiteral("cable") : QStringLiteral("receiver");
    v.battery = !noBatteryData(r);
    if (v.battery) {
        v.percent = batteryLevel(r.low, r.high, batteryFullMillivolts());
        v.millivolts = batteryMillivolts(r.low, r.high);
        v.charging = r.charge != 0;
    }
    MouseConfig saved;
    loadAll(saved);
    // The protocol has no read-back: without a change report the values are those last applied.
    v.reported = r.change.has_value();
    v.profile = v.reported ? (*r.change)[0] : saved.ProfileID;
    const ProfileData& data = saved.profiles[qBound(0, v.profile, PROFILE_COUNT - 1)];
    v.stage = v.reported ? (*r.change)[1] : data.dpi;
    v.rate = v.reported ? (*r.change)[2] : data.pollrate;
    if (v.stage >= 0 && v.stage < DPI_STAGE_COUNT)
        v.dpi = displayedDpi(mouseProfile(saved).stages[v.stage], sensorModel());
    return v;
}

void printStatus(const StatusView& v)
{
    QTextStream& out = ctlOut();
    out << ctlText("Connection:") << " " << (v.connection == "cable" ? ctlText("cable") : ctlText("receiver")) << "\n";
    if (!v.battery) {
        out << ctlText("Battery:") << " " << ctlText("no data (the mouse is asleep or switched off)") << "\n";
    } else {
        out << ctlText("Battery:") << " " << v.percent << "% (" << v.millivolts << " mV)\n";
        out << ctlText("Charging:") << " " << (v.charging ? ctlText("yes") : ctlText("no")) << "\n";
    }
    const QString source = v.reported ? ctlText("reported by the mouse") : ctlText("as last applied");
    out << ctlText("Active profile:") << " " << v.profile + 1 << " (" << source << ")\n";
    out << ctlText("DPI stage:") << " " << v.stage + 1;
    if (v.dpi > 0)
        out << " (" << v.dpi << " DPI)";
    out << "\n" << ctlText("Report rate:") << " " << rateText(v.rate) << "\n";
}

void printStatusJson(const StatusView& v)
{
    QJsonObject o { { "connected", true }, { "connection", v.connection }, { "awake", v.battery },
        { "source", v.reported ? "reported" : "saved" }, { "profile", v.profile + 1 }, { "dpiStage", v.stage + 1 },
        { "dpi", v.dpi }, { "rate", rateHz(v.rate) } };
    o["battery"] = v.battery ? QJsonValue(QJsonObject { { "percent", v.percent }, { "millivolts", v.millivolts } })
                             : QJsonValue();
    o["charging"] = v.charging;
    ctlOut() << QJsonDocument(o).toJson(QJsonDocument::Compact) << "\n";
}

} // namespace

int runStatus(const QStringList& args)
{
    QTextStream& err = ctlErr();
    QStringList rest = args;
    const bool json = takeFlag(rest, "--json");
    if (!rest.isEmpty()) {
        err << "usage: mousecfgctl status [--json]\n";
        return CTL_USAGE;
    }
    const int opened = openMouse();
    if (opened != CTL_OK) {
        if (json)
            ctlOut() << QJsonDocument(QJsonObject { { "connected", false } }).toJson(QJsonDocument::Compact) << "\n";
        return opened;
    }
    const MouseReport report = queryMouse();
    const StatusView view = statusView(report);
    json ? printStatusJson(view) : printStatus(view);
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

// The watch: the battery poller's signals and the hot-plug sequences, turned into status lines.
#include "ctl/StatusWatch.h"

#include "ctl/ctlCommand.h"
#include "ctl/mouseLink.h"
#include "ctl/settingNames.h"
#include "device/KroGetBatteryThread.h"
#include "device/hidDevices.h"
#include "store/batteryLevel.h"
#include "store/sensors.h"
#include "store/settings.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

namespace {
// The poller asks for the status once every this many listening reads of about 50 ms each.
constexpr int READS_PER_REQUEST = 57;
constexpr int READ_TIMEOUT_MS = 50;
// Hot-plug sequences run their steps this long after the change, as the window's do.
constexpr int SETTLE_MS = 200;
} // namespace

StatusWatch::StatusWatch(bool json, int intervalSeconds)
    : m_json(json)
    , m_afterReadMs(qMax(0, intervalSeconds * 1000 / READS_PER_REQUEST - READ_TIMEOUT_MS))
{
    setPollerFactory([this] {
        auto* poller = new KroGetBatteryThread;
        poller->setPauses(m_afterReadMs, m_afterReadMs, m_afterReadMs);
        connect(poller, &KroGetBatteryThread::RefreshBatteryStatus, this, &StatusWatch::onBattery);
        connect(poller, &KroGetBatteryThread::RefreshStatus, this,
            [this](quint8 profile, quint8 stage, quint8 rate, quint8) { onReport(profile, stage, rate); });
        return poller;
    });
}

StatusWatch::~StatusWatch()
{
    stopBatteryPoller();
    setPollerFactory(nullptr);
    closeDevices();
}

void StatusWatch::start()
{
    buildDeviceTable();
    enumerateDevices();
    openDevicesByName(currentProductName());
    loadSaved();
    m_connected = controlHandle() != nullptr;
    m_connection = cableControl ? QStringLiteral("cable") : QStringLiteral("receiver");
    // The first line already carries the battery: one status request as status makes it.
    if (m_connected) {
        const MouseReport report = queryMouse();
        if (report.answered)
            takeBattery(report.charge, report.low, report.high);
    }
    print("start");
    startBatteryPoller();
}

void StatusWatch::loadSaved()
{
    MouseConfig saved;
    loadAll(saved);
    m_profile = saved.activeSlot();
    m_stage = saved.current().dpi;
    m_rate = saved.current().pollrate;
    m_dpi = stageDpi(saved, m_stage);
}

int StatusWatch::stageDpi(const MouseConfig& config, int stage)
{
    return stage >= 0 && stage < DPI_STAGE_COUNT ? displayedDpi(mouseProfile(config).stages[stage], sensorModel()) : 0;
}

void StatusWatch::scheduleWarnClose()
{
    QTimer::singleShot(SETTLE_MS, this, [this] {
        openDevicesByName(currentProductName());
        startBatteryPoller();
        refreshConnection();
    });
}

void StatusWatch::scheduleWarning()
{
    QTimer::singleShot(SETTLE_MS, this, &StatusWatch::refreshConnection);
}

void StatusWatch::stopPoller()
{
    stopBatteryPoller();
}

void StatusWatch::startPoller()
{
    startBatteryPoller();
}

void StatusWatch::refreshConnection()
{
    const bool connected = controlHandle() != nullptr;
    const QString connection = cableControl ? QStringLiteral("cable") : QStringLiteral("receiver");
    if (connected == m_connected && connection == m_connection)
        return;
    m_connected = connected;
    m_connection = connection;
    // Gone: nothing is known of the battery until the mouse answers again.
    if (!connected) {
        m_awake = false;
        m_charging = false;
        m_percent = -1;
    }
    print("connection");
}

void StatusWatch::onBattery(quint8 charge, quint8 low, quint8 high)
{
    if (const char* event = takeBattery(charge, low, high))
        print(event);
}

const char* StatusWatch::takeBattery(quint8 charge, quint8 low, quint8 high)
{
    const bool awake = charge != 0 || low != 0 || high != 0;
    const int percent = awake ? batteryLevel(low, high, batteryFullMillivolts()) : -1;
    const bool charging = awake && charge != 0;
    m_millivolts = awake ? batteryMillivolts(low, high) : 0;
    // Millivolts wander with every reading; a bar wants the steps.
    if (awake == m_awake && percent == m_percent && charging == m_charging)
        return nullptr;
    const char* event = awake != m_awake ? "awake" : charging != m_charging ? "charging" : "battery";
    m_awake = awake;
    m_percent = percent;
    m_charging = charging;
    return event;
}

void StatusWatch::onReport(quint8 profile, quint8 stage, quint8 rate)
{
    MouseConfig saved;
    loadAll(saved);
    m_profile = profile;
    m_stage = stage;
    m_rate = rate;
    m_dpi = stageDpi(saved, stage);
    print("report");
}

void StatusWatch::print(const char* event)
{
    ctlOut() << (m_json ? jsonLine(event) : line(event)) << "\n";
    ctlOut().flush();
}

QString StatusWatch::line(const char*) const
{
    if (!m_connected)
        return ctlText("disconnected");
    QStringList parts { m_connection };
    if (m_awake) {
        parts << QStringLiteral("%1% (%2 mV)").arg(m_percent).arg(m_millivolts)
              << (m_charging ? ctlText("charging") : ctlText("not charging"));
    } else {
        parts << ctlText("no battery data");
    }
    parts << ctlText("profile %1").arg(m_profile + 1) << ctlText("stage %1 (%2 DPI)").arg(m_stage + 1).arg(m_dpi)
          << QStringLiteral("%1 Hz").arg(rateHz(m_rate));
    return parts.join(QStringLiteral(" | "));
}

QString StatusWatch::jsonLine(const char* event) const
{
    QJsonObject o { { "event", event }, { "connected", m_connected } };
    if (m_connected) {
        o["connection"] = m_connection;
        o["awake"] = m_awake;
        o["battery"] = m_awake ? QJsonValue(QJsonObject { { "percent", m_percent }, { "millivolts", m_millivolts } })
                               : QJsonValue();
        o["charging"] = m_charging;
        o["profile"] = m_profile + 1;
        o["dpiStage"] = m_stage + 1;
        o["dpi"] = m_dpi;
        o["rate"] = rateHz(m_rate);
    }
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

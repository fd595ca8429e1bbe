// Start-up and shutdown of the mouse link, and the low-battery notice from the poller's reports.
#include "app/DeviceSession.h"

#include "device/KroGetBatteryThread.h"
#include "device/hidDevices.h"
#include "platform/DeviceWatcher.h"
#include "platform/Notice.h"
#include "store/appContext.h"
#include "store/batteryLevel.h"
#include "store/settings.h"

DeviceSession::DeviceSession(QObject* parent)
    : QObject(parent)
{
    connect(this, &DeviceSession::RefreshBatteryStatus, this, &DeviceSession::checkLowBattery);
}

DeviceSession::~DeviceSession()
{
    detach();
    closeDevices();
    shutdownHid();
}

void DeviceSession::enumerate()
{
    setMouseCount(0);
    buildDeviceTable();
    enumerateDevices();
}

void DeviceSession::watch(DeviceEvents& events)
{
    if (!m_watcher)
        m_watcher = new DeviceWatcher(this);
    startHotplug(*m_watcher, events);
}

void DeviceSession::open(const QString& productName)
{
    openDevicesByName(productName);
    // The poller's signals are re-emitted here, so listeners never see its short-lived objects.
    setPollerFactory([this] {
        auto* poller = new KroGetBatteryThread;
        connect(poller, &KroGetBatteryThread::RefreshBatteryStatus, this, &DeviceSession::RefreshBatteryStatus);
        connect(poller, &KroGetBatteryThread::RefreshStatus, this, &DeviceSession::RefreshStatus);
        connect(poller, &KroGetBatteryThread::RefreshWriteStatus, this, &DeviceSession::RefreshWriteStatus);
        return poller;
    });
    startBatteryPoller();
}

void DeviceSession::detach()
{
    if (m_detached)
        return;
    m_detached = true;
    stopBatteryPoller();
    setPollerFactory({});
    delete m_watcher;
    m_watcher = nullptr;
}

void DeviceSession::checkLowBattery(quint8 iCharge, quint8 iLowByte, quint8 iHiByte)
{
    if (iCharge == 0 && iLowByte == 0 && iHiByte == 0)
        return; // no mouse answered: nothing is known about its battery
    const int level = batteryLevel(iLowByte, iHiByte, batteryFullValue());
    if (m_lowBattery.report(level, iCharge != 0))
        notice::show(tr("Mouse battery low: %1%").arg(level), accentColour());
}

// The mouse link of one run: enumeration, the opened handles, the battery poller and the hot-plug
// watcher. Created before the main window; the window listens to its signals.
#pragma once

#include "app/LowBatteryAlert.h"

#include <QObject>
#include <QString>

class DeviceEvents;
class DeviceWatcher;

class DeviceSession : public QObject {
    Q_OBJECT
public:
    explicit DeviceSession(QObject* parent = nullptr);
    // Stops the poller and hot-plug (as detach()), closes the handles and shuts the HID library down.
    ~DeviceSession() override;

    // Builds the device table and enumerates the HID devices; the mouse count starts at 0.
    void enumerate();
    // Hot-plug: arrivals and removals are handed to events until detach().
    void watch(DeviceEvents& events);
    // Opens the mouse of that product name and starts the battery poller.
    void open(const QString& productName);
    // Stops the poller for good and forgets the hot-plug listener; the handles stay open.
    void detach();

signals:
    // The poller's reports, on the GUI thread.
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void RefreshWriteStatus(quint8 iStatus);

private:
    void checkLowBattery(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);

    DeviceWatcher* m_watcher = nullptr;
    LowBatteryAlert m_lowBattery;
    bool m_detached = false;
};

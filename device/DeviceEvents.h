// What the hot-plug sequences ask of the main window; the window implements it.
#pragma once

#include <QThread>

class DeviceEvents {
public:
    virtual ~DeviceEvents() = default;
    // The device link has already stored the new mouse count (appContext setMouseCount).
    virtual void rebuildDeviceMenu() = 0;
    // Runs slotWarnClose() 200 ms later: open by name, start the poller, reload, mark connected.
    virtual void scheduleWarnClose() = 0;
    // Sets the warning flag and runs slotWarning() 200 ms later ("Dongle Disconnect!").
    virtual void scheduleWarning() = 0;
    // Stops the battery poller and returns once it has finished.
    virtual void stopPoller() = 0;
    // Starts the battery poller (it ends by itself when no control handle is open).
    virtual void startPoller() = 0;
    // Reloads the configuration into currentConfig and sentConfig and redraws every panel.
    virtual void reloadConfiguration() = 0;
    // Re-evaluates the connection indicator from present2 and present4 of the device table.
    virtual void refreshConnection() = 0;
    // The fixed pauses of the sequences; tests replace it.
    virtual void pause(int milliseconds) { QThread::msleep(ulong(milliseconds)); }
};

// mousecfgctl watch: follows the mouse as the window does (poller and hot-plug) and prints one line
// at the start and one on every change, for status bars.
#pragma once

#include "device/DeviceEvents.h"
#include "store/MouseConfig.h"

#include <QObject>
#include <QString>

class StatusWatch : public QObject, public DeviceEvents {
    Q_OBJECT
public:
    // json: one JSON object per line; intervalSeconds: how often the battery is asked for.
    StatusWatch(bool json, int intervalSeconds);
    ~StatusWatch() override;

    // Opens the mouse, prints the first line and starts following it.
    void start();

    // DeviceEvents: what the hot-plug sequences ask of the window.
    void rebuildDeviceMenu() override { }
    void scheduleWarnClose() override;
    void scheduleWarning() override;
    void stopPoller() override;
    void startPoller() override;
    void reloadConfiguration() override { }
    void refreshConnection() override;

private:
    void onBattery(quint8 charge, quint8 low, quint8 high);
    // Takes a battery reading; the event it makes, or null when no step, charge or sleep changed.
    const char* takeBattery(quint8 charge, quint8 low, quint8 high);
    static int stageDpi(const MouseConfig& config, int stage);
    void onReport(quint8 profile, quint8 stage, quint8 rate);
    void loadSaved();
    void print(const char* event);
    QString line(const char* event) const;
    QString jsonLine(const char* event) const;

    bool m_json;
    int m_afterReadMs;
    bool m_connected = false;
    QString m_connection;
    bool m_awake = false;
    int m_percent = -1;
    int m_millivolts = 0;
    bool m_charging = false;
    int m_profile = 0, m_stage = 0, m_rate = 0, m_dpi = 0;
};

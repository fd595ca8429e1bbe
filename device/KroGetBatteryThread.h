// The battery poller: asks the mouse for its status and listens for the reports it sends on its own.
#pragma once

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <functional>

class HidHandle;

class KroGetBatteryThread : public QThread {
    Q_OBJECT
public:
    explicit KroGetBatteryThread(QObject* parent = nullptr);
    ~KroGetBatteryThread() override;

    // Asks the loop to end; it wakes from its pauses at once and ends within one read time-out.
    void stop();
    bool stopRequested() const;

    // Pause lengths in ms: after a status request, after a listening read, after a failed read.
    // Tests change them; a change applies from the next pause.
    void setPauses(int afterRequestMs, int afterReadMs, int afterErrorMs);

signals:
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void RefreshWriteStatus(quint8 iStatus);

protected:
    void run() override;

private:
    void requestStatus(HidHandle* handle);
    void listenOnce(HidHandle* handle);
    void decodeStatusReply(const quint8* reply);
    // Sleeps up to ms; returns early when stop() is called.
    void pause(int ms);

    // isStop is only read and written under m_mutex, so stop() cannot slip in between the
    // check in pause() and its wait.
    mutable QMutex m_mutex;
    QWaitCondition m_wake;
    bool isStop = false;
    std::atomic<int> m_afterRequestMs { 450 };
    std::atomic<int> m_afterReadMs { 400 };
    std::atomic<int> m_afterErrorMs { 450 };
};

// Byte 10 of the last status reply; the DPI block of one sensor reads it.
quint8 lastModeByte();
void setLastModeByte(quint8 value);

// Set by the main window when a status reply carried no battery data; the apply worker then reports 5.
bool mouseOff();
void setMouseOff(bool off);

// --- the process-wide poller: at most one runs while a mouse is open ---
// Creates a poller and connects its signals; the main window installs one with its slots.
using PollerFactory = std::function<KroGetBatteryThread*()>;
void setPollerFactory(PollerFactory factory);
// Starts a poller when none runs (does nothing without a factory). While a transfer holds the
// poller, the start is kept for the end of the hold.
void startBatteryPoller();
// Stops the running poller and waits until its thread has finished, so no handle is read any more.
void stopBatteryPoller();
bool batteryPollerRunning();

// A transfer's claim on the mouse link: stops the poller and keeps it stopped, even against a
// start from another thread (a hot-plug on the main thread), until the hold ends. The end starts
// the poller again when restart is true or a start was asked for meanwhile.
class BatteryPollerHold {
public:
    BatteryPollerHold();
    ~BatteryPollerHold();
    void restartAtEnd() { m_restart = true; }
    BatteryPollerHold(const BatteryPollerHold&) = delete;
    BatteryPollerHold& operator=(const BatteryPollerHold&) = delete;

private:
    bool m_restart = false;
};

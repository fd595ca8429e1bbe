// The battery poller thread and the process-wide poller that the download stops and restarts.
#include "device/KroGetBatteryThread.h"

#include "device/commandSet.h"
#include "device/hidDevices.h"

#include <QMutexLocker>

#include <atomic>
#include <cstring>

namespace {

constexpr int REPLY_SIZE = 64;
constexpr int READ_TIMEOUT_MS = 50;
constexpr int CYCLES_PER_REQUEST = 57;

std::atomic<quint8> g_lastModeByte { 0 };
std::atomic<bool> g_mouseOff { false };

QMutex g_pollerMutex;
PollerFactory g_factory;
KroGetBatteryThread* g_poller = nullptr;
int g_holds = 0; // transfers holding the poller stopped
bool g_startWanted = false; // a start asked for during a hold

// With g_pollerMutex held.
void startLocked()
{
    if (g_holds > 0) {
        g_startWanted = true;
        return;
    }
    g_startWanted = false;
    if (g_poller && g_poller->isRunning())
        return;
    delete g_poller;
    g_poller = g_factory ? g_factory() : nullptr;
    if (g_poller)
        g_poller->start(QThread::InheritPriority);
}

// With g_pollerMutex held. Returns once the thread has ended, so nothing reads the handle any more.
void stopLocked()
{
    if (!g_poller)
        return;
    g_poller->stop();
    g_poller->wait();
    delete g_poller;
    g_poller = nullptr;
}

} // namespace

quint8 lastModeByte()
{
    return g_lastModeByte.load();
}
void setLastModeByte(quint8 value)
{
    g_lastModeByte.store(value);
}
bool mouseOff()
{
    return g_mouseOff.load();
}
void setMouseOff(bool off)
{
    g_mouseOff.store(off);
}

KroGetBatteryThread::KroGetBatteryThread(QObject* parent)
    : QThread(parent)
{
}

KroGetBatteryThread::~KroGetBatteryThread()
{
    stop();
    wait();
}

void KroGetBatteryThread::stop()
{
    QMutexLocker lock(&m_mutex);
    isStop = true;
    m_wake.wakeAll();
}

bool KroGetBatteryThread::stopRequested() const
{
    QMutexLocker lock(&m_mutex);
    return isStop;
}

void KroGetBatteryThread::setPauses(int afterRequestMs, int afterReadMs, int afterErrorMs)
{
    m_afterRequestMs = afterRequestMs;
    m_afterReadMs = afterReadMs;
    m_afterErrorMs = afterErrorMs;
}

void KroGetBatteryThread::pause(int ms)
{
    QMutexLocker lock(&m_mutex);
    if (!isStop)
        m_wake.wait(&m_mutex, ulong(ms));
}

void KroGetBatteryThread::run()
{
    qDebug("KroGetBatteryThread.");
    int n = 0;
    for (;;) {
        if (stopRequested()) {
            qDebug("KroGetBatteryThread Stop.");
            return;
        }
        // The handle is read anew every cycle: the cable is preferred whenever it is open.
        HidHandle* handle = controlHandle();
        if (!handle)
            return;
        if (n == 0) {
            requestStatus(handle);
            n = 2;
            pause(m_afterRequestMs);
            if (stopRequested())
                continue;
        } else {
            ++n;
        }
        listenOnce(handle);
        if (n == CYCLES_PER_REQUEST)
            n = 0;
    }
}

void KroGetBatteryThread::requestStatus(HidHandle* handle)
{
    const CommandFrame frame = makeFrame(CMD_STATUS, 0, 0, 0, SEQ_NONE);
    if (hidWrite(handle, frame.data(), FRAME_SIZE) < 0)
        qDebug("Unable to send a feature report.");
    QThread::msleep(10);
    quint8 reply[REPLY_SIZE] = {};
    if (hidReadTimeout(handle, reply, FRAME_SIZE, READ_TIMEOUT_MS) < 0) {
        // No reply at all: no battery data, which the window shows as the mouse being off.
        emit RefreshBatteryStatus(0, reply[4], reply[5]);
        return;
    }
    qDebug("Threadread bat - %x %x %x %x %x %x %x %x", reply[0], reply[1], reply[2], reply[3], reply[4], reply[5],
        reply[6], reply[7]);
    if (reply[3] == CMD_STATUS)
        decodeStatusReply(reply);
    else if (reply[3] == CMD_CHANGE_REPORT) // came in before the reply: kept, the reply is read next
        emit RefreshStatus(reply[4], reply[5], reply[6], reply[7]);
}

void KroGetBatteryThread::listenOnce(HidHandle* handle)
{
    quint8 reply[REPLY_SIZE] = {};
    reply[0] = 4;
    if (hidReadTimeout(handle, reply, FRAME_SIZE, READ_TIMEOUT_MS) < 0) {
        qDebug("Unable to read a feature report 1.");
        pause(m_afterErrorMs);
        return;
    }
    if (reply[3] == CMD_CHANGE_REPORT)
        emit RefreshStatus(reply[4], reply[5], reply[6], reply[7]);
    else if (reply[3] == CMD_STATUS)
        decodeStatusReply(reply);
    pause(m_afterReadMs);
}

void KroGetBatteryThread::decodeStatusReply(const quint8* reply)
{
    setLastModeByte(reply[10]);
    emit RefreshBatteryStatus(reply[6], reply[4], reply[5]);
    if (reply[4] != 0 || reply[5] != 0 || reply[6] != 0)
        emit RefreshWriteStatus(reply[7]);
}

void setPollerFactory(PollerFactory factory)
{
    QMutexLocker lock(&g_pollerMutex);
    g_factory = std::move(factory);
}

void startBatteryPoller()
{
    QMutexLocker lock(&g_pollerMutex);
    startLocked();
}

void stopBatteryPoller()
{
    QMutexLocker lock(&g_pollerMutex);
    g_startWanted = false;
    stopLocked();
}

bool batteryPollerRunning()
{
    QMutexLocker lock(&g_pollerMutex);
    return g_poller && g_poller->isRunning();
}

BatteryPollerHold::BatteryPollerHold()
{
    QMutexLocker lock(&g_pollerMutex);
    stopLocked();
    ++g_holds;
}

BatteryPollerHold::~BatteryPollerHold()
{
    QMutexLocker lock(&g_pollerMutex);
    --g_holds;
    if (m_restart || g_startWanted)
        startLocked(); // under another hold this only keeps the wish
}

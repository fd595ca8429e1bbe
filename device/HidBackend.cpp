// The process-wide backend and the report pump of control handles.
#include "device/HidBackend.h"

#include "device/HidapiBackend.h"
#include "device/hidDevices.h"

#include <cerrno>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {

// A control handle on Linux: the node also carries the reports of the interface's other
// collections, and the kernel keeps only 64 of them. A pump thread drains the node all the
// time and keeps only the control collection's reports, so a pointer moving at 1000 Hz can
// neither push an echo out of the kernel's queue nor bury it.
class PumpedHandle : public HidHandle {
public:
    static constexpr int QUEUE_LIMIT = 64;
    static constexpr int PUMP_READ_MS = 20;

    PumpedHandle(HidBackend& backend, HidHandle* raw, int reportId)
        : m_backend(backend)
        , m_raw(raw)
    {
        onlyReportId = reportId;
        m_thread = std::thread([this] { pump(); });
    }

    ~PumpedHandle() override
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_thread.join();
        m_backend.close(m_raw);
    }

    int write(const quint8* data, int length) { return m_backend.write(m_raw, data, length); }

    int read(quint8* data, int length, int timeoutMs)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        auto ready = [this] { return !m_queue.empty() || m_gone; };
        if (timeoutMs < 0)
            m_ready.wait(lock, ready);
        else
            m_ready.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
        if (m_queue.empty())
            return m_gone ? -1 : 0;
        const QByteArray report = m_queue.front();
        m_queue.pop_front();
        const int n = qMin(length, report.size());
        std::copy(report.constBegin(), report.constBegin() + n, data);
        return n;
    }

private:
    void pump()
    {
        quint8 buffer[64];
        for (;;) {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (m_stop)
                    return;
            }
            const int n = m_backend.readTimeout(m_raw, buffer, int(sizeof buffer), PUMP_READ_MS);
            std::lock_guard<std::mutex> lock(m_mutex);
            if (n < 0) {
                m_gone = true; // the node is gone; readers get the error from now on
                m_ready.notify_all();
                return;
            }
            if (n > 0 && buffer[0] == onlyReportId && int(m_queue.size()) < QUEUE_LIMIT) {
                m_queue.emplace_back(reinterpret_cast<const char*>(buffer), n);
                m_ready.notify_all();
            }
        }
    }

    HidBackend& m_backend;
    HidHandle* m_raw;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<QByteArray> m_queue;
    bool m_stop = false;
    bool m_gone = false;
};

// Never destroyed: a handle still open at exit keeps its pump thread running until the process ends,
// and that thread must not find the backend gone.
std::unique_ptr<HidBackend>& g_backend = *new std::unique_ptr<HidBackend>;

} // namespace

HidBackend& hidBackend()
{
    if (!g_backend)
        g_backend = std::make_unique<HidapiBackend>();
    return *g_backend;
}

std::unique_ptr<HidBackend> setHidBackend(std::unique_ptr<HidBackend> backend)
{
    std::unique_ptr<HidBackend> previous = std::move(g_backend);
    g_backend = std::move(backend);
    return previous;
}

int hidInit()
{
    return hidBackend().init();
}

int hidExit()
{
    return hidBackend().exit();
}

QVector<HidDeviceInfo> hidEnumerate(quint16 vendorId, quint16 productId)
{
    return hidBackend().enumerate(vendorId, productId);
}

HidHandle* hidOpenPath(const QByteArray& path, int onlyReportId, HidOpenError* error)
{
    HidBackend& backend = hidBackend();
    HidHandle* handle = backend.openPath(path, onlyReportId, error);
    if (!handle || onlyReportId < 0 || backend.filtersReports()) {
        if (handle)
            handle->onlyReportId = onlyReportId;
        return handle;
    }
    return new PumpedHandle(backend, handle, onlyReportId);
}

void hidClose(HidHandle* handle)
{
    if (auto* pumped = dynamic_cast<PumpedHandle*>(handle)) {
        delete pumped;
        return;
    }
    hidBackend().close(handle);
}

int hidWrite(HidHandle* handle, const quint8* data, int length)
{
    if (auto* pumped = dynamic_cast<PumpedHandle*>(handle))
        return pumped->write(data, length);
    return handle ? hidBackend().write(handle, data, length) : -1;
}

int hidReadTimeout(HidHandle* handle, quint8* data, int length, int timeoutMs)
{
    if (auto* pumped = dynamic_cast<PumpedHandle*>(handle))
        return pumped->read(data, length, timeoutMs);
    return handle ? hidBackend().readTimeout(handle, data, length, timeoutMs) : -1;
}

quint32 hid_get_release_number(const char* path)
{
    if (!path)
        return 0;
    const QByteArray wanted(path);
    for (const HidDeviceInfo& info : hidEnumerate(0, 0)) {
        if (info.path == wanted)
            return info.releaseNumber;
    }
    return 0;
}

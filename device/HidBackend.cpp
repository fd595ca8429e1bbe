// The process-wide backend, the virtual-mouse adapter and the report filter of control handles.
#include "device/HidBackend.h"

#include "device/HidapiBackend.h"
#include "device/hidDevices.h"
#include "sim/VirtualMouse.h"

#include <QElapsedTimer>

#include <cerrno>

namespace {

class VirtualHandle : public HidHandle {
public:
    explicit VirtualHandle(int id)
        : id(id)
    {
    }
    int id;
};

int idOf(HidHandle* handle)
{
    return handle ? static_cast<VirtualHandle*>(handle)->id : -1;
}

class VirtualBackend : public HidBackend {
public:
    explicit VirtualBackend(std::shared_ptr<VirtualMouse> mouse)
        : mouse(std::move(mouse))
    {
    }
    int init() override { return 0; }
    int exit() override { return 0; }
    bool isVirtual() const override { return true; }

    QVector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override
    {
        QVector<HidDeviceInfo> list;
        for (const VirtualCollection& c : mouse->collections()) {
            if ((vendorId && c.vendorId != vendorId) || (productId && c.productId != productId))
                continue;
            HidDeviceInfo info;
            info.path = c.path;
            info.vendorId = c.vendorId;
            info.productId = c.productId;
            info.releaseNumber = c.releaseNumber;
            info.usagePage = c.usagePage;
            info.usage = c.usage;
            info.interfaceNumber = c.interfaceNumber;
            info.product = c.product;
            info.manufacturer = QStringLiteral("mousecfg");
            list.append(info);
        }
        return list;
    }

    HidHandle* openPath(const QByteArray& path, HidOpenError* error) override
    {
        const int id = mouse->open(path);
        if (error) {
            *error = id > 0 ? HidOpenError::None
                            : (id == -EACCES ? HidOpenError::PermissionDenied : HidOpenError::NotFound);
        }
        return id > 0 ? new VirtualHandle(id) : nullptr;
    }

    void close(HidHandle* handle) override
    {
        if (!handle)
            return;
        mouse->close(idOf(handle));
        delete handle;
    }

    int write(HidHandle* handle, const quint8* data, int length) override
    {
        return mouse->write(idOf(handle), data, length);
    }

    int readTimeout(HidHandle* handle, quint8* data, int length, int timeoutMs) override
    {
        return mouse->read(idOf(handle), data, length, timeoutMs);
    }

    std::shared_ptr<VirtualMouse> mouse;
};

std::unique_ptr<HidBackend> g_backend;

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

void installVirtualMouse(std::shared_ptr<VirtualMouse> mouse)
{
    const QByteArray log = qgetenv("MOUSECFG_FRAME_LOG");
    if (!log.isEmpty())
        mouse->setFrameLog(QString::fromLocal8Bit(log));
    setHidBackend(std::make_unique<VirtualBackend>(std::move(mouse)));
}

std::shared_ptr<VirtualMouse> installedVirtualMouse()
{
    if (!g_backend || !g_backend->isVirtual())
        return nullptr;
    return static_cast<VirtualBackend*>(g_backend.get())->mouse;
}

bool installBackendFromEnvironment()
{
    const QByteArray choice = qgetenv("MOUSECFG_DEVICE").trimmed().toLower();
    const bool receiver = choice == "virtual" || choice == "virtual-receiver";
    const bool cable = choice == "virtual" || choice == "virtual-cable";
    if (!receiver && !cable)
        return false;
    // The virtual mouse answers to the identifiers of the installed product.
    const UsbIds ids = readUsbIds();
    VirtualMouse::Ids vids;
    vids.receiverVid = quint16(ids.vid1);
    vids.receiverPid = quint16(ids.pid1);
    vids.cableVid = quint16(ids.vid2);
    vids.cablePid = quint16(ids.pid2);
    auto mouse = std::make_shared<VirtualMouse>(vids);
    if (receiver)
        mouse->plug(VirtualMouse::Receiver);
    if (cable)
        mouse->plug(VirtualMouse::Cable);
    installVirtualMouse(mouse);
    return true;
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
    HidHandle* handle = hidBackend().openPath(path, error);
    if (handle)
        handle->onlyReportId = onlyReportId;
    return handle;
}

void hidClose(HidHandle* handle)
{
    hidBackend().close(handle);
}

int hidWrite(HidHandle* handle, const quint8* data, int length)
{
    return handle ? hidBackend().write(handle, data, length) : -1;
}

int hidReadTimeout(HidHandle* handle, quint8* data, int length, int timeoutMs)
{
    if (!handle)
        return -1;
    if (handle->onlyReportId < 0)
        return hidBackend().readTimeout(handle, data, length, timeoutMs);
    // Drop the reports of the node's other collections; the time-out covers the whole wait.
    // A dropped report never reaches the caller's buffer.
    QByteArray scratch(qMax(length, 1), '\0');
    auto* buffer = reinterpret_cast<quint8*>(scratch.data());
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const int left = timeoutMs < 0 ? -1 : qMax(0, timeoutMs - int(clock.elapsed()));
        const int n = hidBackend().readTimeout(handle, buffer, length, left);
        if (n < 0)
            return n;
        if (n > 0 && buffer[0] == handle->onlyReportId) {
            std::copy(buffer, buffer + n, data);
            return n;
        }
        if (n == 0 || (timeoutMs > 0 && clock.elapsed() >= timeoutMs))
            return 0;
    }
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

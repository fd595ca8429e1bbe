// The virtual mouse behind the HID backend seam, and its installation from the environment.
#include "sim/backend/VirtualHidBackend.h"

#include "device/HidBackend.h"
#include "device/hidDevices.h"
#include "sim/VirtualMouse.h"

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
    VirtualBackend(std::shared_ptr<VirtualMouse> mouse, bool nodeFilter)
        : mouse(std::move(mouse))
        , nodeFilter(nodeFilter)
    {
    }
    int init() override { return 0; }
    int exit() override { return 0; }
    bool isVirtual() const override { return true; }
    bool filtersReports() const override { return nodeFilter; }
    bool setNodeListener(NodeListener listener) override
    {
        mouse->setNodeListener(std::move(listener));
        return true;
    }

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

    HidHandle* openPath(const QByteArray& path, int onlyReportId, HidOpenError* error) override
    {
        const int id = mouse->open(path, nodeFilter ? onlyReportId : -1);
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
    bool nodeFilter;
};

} // namespace

void installVirtualMouse(std::shared_ptr<VirtualMouse> mouse, bool nodeFilter)
{
    const QByteArray log = qgetenv("MOUSECFG_FRAME_LOG");
    if (!log.isEmpty())
        mouse->setFrameLog(QString::fromLocal8Bit(log));
    setHidBackend(std::make_unique<VirtualBackend>(std::move(mouse), nodeFilter));
}

std::shared_ptr<VirtualMouse> installedVirtualMouse()
{
    if (!hidBackend().isVirtual())
        return nullptr;
    return static_cast<VirtualBackend&>(hidBackend()).mouse;
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

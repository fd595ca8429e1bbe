// hidapi forwarding backend.
#include "device/HidapiBackend.h"

#include <hidapi/hidapi.h>

#include <cerrno>
#include <unistd.h>

namespace {

class HidapiHandle : public HidHandle {
public:
    explicit HidapiHandle(hid_device* device)
        : device(device)
    {
    }
    hid_device* device;
};

hid_device* deviceOf(HidHandle* handle)
{
    auto* h = static_cast<HidapiHandle*>(handle);
    return h ? h->device : nullptr;
}

QString fromWide(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

} // namespace

int HidapiBackend::init()
{
    return hid_init();
}

int HidapiBackend::exit()
{
    return hid_exit();
}

QVector<HidDeviceInfo> HidapiBackend::enumerate(quint16 vendorId, quint16 productId)
{
    QVector<HidDeviceInfo> list;
    hid_device_info* all = hid_enumerate(vendorId, productId);
    for (hid_device_info* d = all; d; d = d->next) {
        HidDeviceInfo info;
        info.path = QByteArray(d->path ? d->path : "");
        info.vendorId = d->vendor_id;
        info.productId = d->product_id;
        info.releaseNumber = d->release_number;
        info.usagePage = d->usage_page;
        info.usage = d->usage;
        info.interfaceNumber = d->interface_number;
        info.serialNumber = fromWide(d->serial_number);
        info.manufacturer = fromWide(d->manufacturer_string);
        info.product = fromWide(d->product_string);
        list.append(info);
    }
    hid_free_enumeration(all);
    return list;
}

HidHandle* HidapiBackend::openPath(const QByteArray& path, int onlyReportId, HidOpenError* error)
{
    Q_UNUSED(onlyReportId); // filtered by the seam's pump
    hid_device* device = hid_open_path(path.constData());
    if (device) {
        if (error)
            *error = HidOpenError::None;
        return new HidapiHandle(device);
    }
    if (error) {
        // hidapi does not keep errno reliably; ask the file system why.
        if (::access(path.constData(), F_OK) != 0)
            *error = HidOpenError::NotFound;
        else if (::access(path.constData(), R_OK | W_OK) != 0 && errno == EACCES)
            *error = HidOpenError::PermissionDenied;
        else
            *error = HidOpenError::Failed;
    }
    return nullptr;
}

void HidapiBackend::close(HidHandle* handle)
{
    if (!handle)
        return;
    hid_close(deviceOf(handle));
    delete handle;
}

int HidapiBackend::write(HidHandle* handle, const quint8* data, int length)
{
    hid_device* device = deviceOf(handle);
    return device ? hid_write(device, data, size_t(length)) : -1;
}

int HidapiBackend::readTimeout(HidHandle* handle, quint8* data, int length, int timeoutMs)
{
    hid_device* device = deviceOf(handle);
    return device ? hid_read_timeout(device, data, size_t(length), timeoutMs) : -1;
}

// hidapi's C interface on the virtual mouse, built as a stand-in for libhidapi-hidraw.so.0: the
// unmodified programs run their real hidapi backend against it. It behaves as hidapi 0.13 does on
// hidraw: one enumeration entry per collection with a usage, all collections of an interface on
// one path; reads return every report of the node (pointer, keyboard, consumer and control), 0 on
// a time-out and -1 once the node is gone; writes carry the report id in byte 0.
//
// MOUSECFG_SHIM_DEVICE=receiver|cable|both|none says what is plugged (default both); the mouse
// takes its faults, state file and frame log from the environment (sim/virtualMouseEnvironment.h).
#include "sim/VirtualMouse.h"

// The library is built with hidden symbols; hidapi's own functions are its interface.
#pragma GCC visibility push(default)
#include <hidapi/hidapi.h>
#pragma GCC visibility pop

#include <QByteArray>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <mutex>
#include <string>

#define SHIM_EXPORT extern "C"

struct hid_device_ {
    int handle = -1;
    QByteArray path;
    bool blocking = true;
    hid_device_info* info = nullptr;
    // A reader thread and a writer thread may both report on one device (a pump reading while
    // frames are written), so the last error is kept under a lock.
    std::mutex errorMutex;
    std::wstring error;

    void setError(const std::wstring& text)
    {
        std::lock_guard<std::mutex> lock(errorMutex);
        error = text;
    }
};

namespace {

std::mutex g_errorMutex;
std::wstring g_error; // the last error of a call without a device

void setGlobalError(const std::wstring& text)
{
    std::lock_guard<std::mutex> lock(g_errorMutex);
    g_error = text;
}

std::wstring wide(const QString& text)
{
    return text.toStdWString();
}

// The hardware: plugged once per process and never torn down, since it outlives hid_exit and a
// handle may still be read while the process ends.
VirtualMouse& mouse()
{
    static VirtualMouse* const instance = [] {
        auto* m = new VirtualMouse;
        const QByteArray plugged = qgetenv("MOUSECFG_SHIM_DEVICE").trimmed().toLower();
        const bool both = plugged.isEmpty() || plugged == "both";
        if (both || plugged == "receiver")
            m->plug(VirtualMouse::Receiver);
        if (both || plugged == "cable")
            m->plug(VirtualMouse::Cable);
        return m;
    }();
    return *instance;
}

hid_device_info* makeInfo(const VirtualCollection& c)
{
    auto* info = static_cast<hid_device_info*>(std::calloc(1, sizeof(hid_device_info)));
    info->path = strdup(c.path.constData());
    info->vendor_id = c.vendorId;
    info->product_id = c.productId;
    info->serial_number = wcsdup(L"");
    info->release_number = c.releaseNumber;
    info->manufacturer_string = wcsdup(L"mousecfg");
    info->product_string = wcsdup(wide(c.product).c_str());
    info->usage_page = c.usagePage;
    info->usage = c.usage;
    info->interface_number = c.interfaceNumber;
    info->bus_type = HID_API_BUS_USB;
    return info;
}

int copyString(hid_device* dev, wchar_t* string, size_t maxlen, const wchar_t* (*pick)(const hid_device_info&))
{
    if (!dev || !string || maxlen == 0)
        return -1;
    const hid_device_info* info = hid_get_device_info(dev);
    if (!info)
        return -1;
    std::wcsncpy(string, pick(*info), maxlen);
    string[maxlen - 1] = L'\0';
    return 0;
}

int unsupported(hid_device* dev)
{
    if (dev)
        dev->setError(L"not supported by the device");
    return -1;
}

} // namespace

SHIM_EXPORT int hid_init(void)
{
    mouse();
    return 0;
}

SHIM_EXPORT int hid_exit(void)
{
    return 0;
}

SHIM_EXPORT struct hid_device_info* hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    hid_device_info* first = nullptr;
    hid_device_info** tail = &first;
    for (const VirtualCollection& c : mouse().collections()) {
        if ((vendor_id && c.vendorId != vendor_id) || (product_id && c.productId != product_id))
            continue;
        *tail = makeInfo(c);
        tail = &(*tail)->next;
    }
    setGlobalError(first ? L"" : L"No HID devices found in the system.");
    return first;
}

SHIM_EXPORT void hid_free_enumeration(struct hid_device_info* devs)
{
    while (devs) {
        hid_device_info* next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
}

SHIM_EXPORT hid_device* hid_open_path(const char* path)
{
    if (!path) {
        setGlobalError(L"Failed to open a device: no path");
        return nullptr;
    }
    const int handle = mouse().open(QByteArray(path));
    if (handle <= 0) {
        setGlobalError(L"Failed to open a device with path '" + wide(QString::fromLocal8Bit(path)) + L"': "
            + wide(QString::fromLocal8Bit(std::strerror(-handle))));
        return nullptr;
    }
    setGlobalError(L"");
    auto* dev = new hid_device_;
    dev->handle = handle;
    dev->path = path;
    return dev;
}

SHIM_EXPORT hid_device* hid_open(unsigned short vendor_id, unsigned short product_id, const wchar_t* serial_number)
{
    hid_device_info* all = hid_enumerate(vendor_id, product_id);
    const hid_device_info* found = all;
    while (found && serial_number && std::wcscmp(serial_number, found->serial_number) != 0)
        found = found->next;
    hid_device* dev = found ? hid_open_path(found->path) : nullptr;
    if (!found)
        setGlobalError(L"Device with requested VID/PID/(SerialNumber) not found");
    hid_free_enumeration(all);
    return dev;
}

SHIM_EXPORT void hid_close(hid_device* dev)
{
    if (!dev)
        return;
    mouse().close(dev->handle);
    hid_free_enumeration(dev->info);
    delete dev;
}

SHIM_EXPORT int hid_write(hid_device* dev, const unsigned char* data, size_t length)
{
    if (!dev || !data || length == 0 || length > 64) {
        if (dev)
            dev->setError(L"Invalid write");
        return -1;
    }
    const int n = mouse().write(dev->handle, data, int(length));
    if (n < 0)
        dev->setError(L"Failed to write: " + wide(QString::fromLocal8Bit(std::strerror(EPIPE))));
    return n;
}

SHIM_EXPORT int hid_read_timeout(hid_device* dev, unsigned char* data, size_t length, int milliseconds)
{
    if (!dev || !data)
        return -1;
    const int n
        = mouse().read(dev->handle, data, int(qMin<size_t>(length, 4096)), milliseconds < 0 ? -1 : milliseconds);
    if (n < 0)
        dev->setError(L"hid_read_timeout: unexpected poll error (device disconnected)");
    return n;
}

SHIM_EXPORT int hid_read(hid_device* dev, unsigned char* data, size_t length)
{
    return hid_read_timeout(dev, data, length, dev && dev->blocking ? -1 : 0);
}

SHIM_EXPORT int hid_set_nonblocking(hid_device* dev, int nonblock)
{
    if (!dev)
        return -1;
    dev->blocking = !nonblock;
    return 0;
}

// The mouse has no feature reports and answers no input report requests.
SHIM_EXPORT int hid_send_feature_report(hid_device* dev, const unsigned char*, size_t)
{
    return unsupported(dev);
}

SHIM_EXPORT int hid_get_feature_report(hid_device* dev, unsigned char*, size_t)
{
    return unsupported(dev);
}

SHIM_EXPORT int hid_get_input_report(hid_device* dev, unsigned char*, size_t)
{
    return unsupported(dev);
}

SHIM_EXPORT struct hid_device_info* hid_get_device_info(hid_device* dev)
{
    if (!dev)
        return nullptr;
    if (!dev->info) {
        for (const VirtualCollection& c : mouse().collections()) {
            if (c.path == dev->path) {
                dev->info = makeInfo(c);
                break;
            }
        }
    }
    if (!dev->info)
        dev->setError(L"hid_get_device_info: device disconnected");
    return dev->info;
}

SHIM_EXPORT int hid_get_manufacturer_string(hid_device* dev, wchar_t* string, size_t maxlen)
{
    return copyString(
        dev, string, maxlen, [](const hid_device_info& i) -> const wchar_t* { return i.manufacturer_string; });
}

SHIM_EXPORT int hid_get_product_string(hid_device* dev, wchar_t* string, size_t maxlen)
{
    return copyString(dev, string, maxlen, [](const hid_device_info& i) -> const wchar_t* { return i.product_string; });
}

SHIM_EXPORT int hid_get_serial_number_string(hid_device* dev, wchar_t* string, size_t maxlen)
{
    return copyString(dev, string, maxlen, [](const hid_device_info& i) -> const wchar_t* { return i.serial_number; });
}

SHIM_EXPORT int hid_get_indexed_string(hid_device* dev, int, wchar_t*, size_t)
{
    return unsupported(dev);
}

SHIM_EXPORT const wchar_t* hid_error(hid_device* dev)
{
    if (dev) {
        std::lock_guard<std::mutex> lock(dev->errorMutex);
        return dev->error.empty() ? L"Success" : dev->error.c_str();
    }
    std::lock_guard<std::mutex> lock(g_errorMutex);
    return g_error.empty() ? L"Success" : g_error.c_str();
}

SHIM_EXPORT const struct hid_api_version* hid_version(void)
{
    static const hid_api_version version { HID_API_VERSION_MAJOR, HID_API_VERSION_MINOR, HID_API_VERSION_PATCH };
    return &version;
}

SHIM_EXPORT const char* hid_version_str(void)
{
    return HID_API_VERSION_STR;
}

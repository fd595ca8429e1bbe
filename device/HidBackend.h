// The HID seam: one process-wide backend with the hidapi function set, and the calls the device link uses.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <QtGlobal>

#include <functional>
#include <memory>

// One entry of an enumeration: one top-level collection of one device node.
struct HidDeviceInfo {
    QByteArray path;
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 releaseNumber = 0;
    quint16 usagePage = 0;
    quint16 usage = 0;
    int interfaceNumber = -1;
    QString serialNumber;
    QString manufacturer;
    QString product;
};

// Why an open failed; a device present but not accessible is not the same as a missing one.
enum class HidOpenError { None, NotFound, PermissionDenied, Failed };

// An open device. Backends derive their own handle from it.
class HidHandle {
public:
    virtual ~HidHandle() = default;
    // When >= 0, reads hand on only input reports whose first byte (report id) equals it.
    int onlyReportId = -1;
};

// The hidapi function set. All virtual functions are pure or inline so that the interface
// can be implemented anywhere without linking this library.
class HidBackend {
public:
    virtual ~HidBackend() = default;
    virtual int init() = 0;
    virtual int exit() = 0;
    // vendorId/productId 0 match every device.
    virtual QVector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) = 0;
    // A backend that filtersReports() honours onlyReportId itself; for any other the seam
    // wraps the handle (see hidOpenPath).
    virtual HidHandle* openPath(const QByteArray& path, int onlyReportId, HidOpenError* error) = 0;
    virtual void close(HidHandle* handle) = 0;
    virtual int write(HidHandle* handle, const quint8* data, int length) = 0;
    // Raw read: returns the byte count, 0 on time-out, -1 on error. timeoutMs -1 blocks.
    virtual int readTimeout(HidHandle* handle, quint8* data, int length, int timeoutMs) = 0;
    virtual bool isVirtual() const { return false; }
    virtual bool filtersReports() const { return false; }
    // A backend that announces plug and unplug of its own nodes takes the listener and returns
    // true; hidapi returns false and the udev watcher is used instead.
    using NodeListener = std::function<void(const QByteArray& path, quint16 vid, quint16 pid, bool arrived)>;
    virtual bool setNodeListener(NodeListener) { return false; }
};

// The installed backend; the hidapi backend unless another was installed.
HidBackend& hidBackend();
// Installs a backend for the whole process and returns the previous one. Call only while
// no handle is open.
std::unique_ptr<HidBackend> setHidBackend(std::unique_ptr<HidBackend> backend);
// The calls of the device link, forwarded to the installed backend.
int hidInit();
int hidExit();
QVector<HidDeviceInfo> hidEnumerate(quint16 vendorId = 0, quint16 productId = 0);
// onlyReportId >= 0 makes the handle keep only input reports of that report id: a Linux hidraw
// node carries the reports of all collections of its interface. Such a handle drains its node
// on a thread of its own from open to close.
HidHandle* hidOpenPath(const QByteArray& path, int onlyReportId = -1, HidOpenError* error = nullptr);
void hidClose(HidHandle* handle);
int hidWrite(HidHandle* handle, const quint8* data, int length);
// Reads one report within timeoutMs (0 on time-out, -1 on error or when the device is gone).
int hidReadTimeout(HidHandle* handle, quint8* data, int length, int timeoutMs);

// USB release number (bcdDevice) of the device at path, found by enumeration; 0 when absent.
quint32 hid_get_release_number(const char* path);

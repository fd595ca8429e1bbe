// mousecfgctl devices: what of the receiver and the cable is there, and whether it can be opened.
#include "ctl/ctlCommand.h"

#include "device/HidBackend.h"
#include "device/hidDevices.h"

#include <QMap>
#include <QVector>

namespace {

QString hex4(quint32 value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

QString releaseText(quint16 bcd)
{
    return QStringLiteral("%1.%2").arg(bcd >> 8, 0, 16).arg(bcd & 0xFF, 2, 16, QLatin1Char('0'));
}

QString collectionRole(const HidDeviceInfo& info)
{
    if (info.usagePage == 0x01 && info.usage == 0x02)
        return ctlText("mouse");
    if (info.usagePage == 0x01 && info.usage == 0x00)
        return ctlText("control: settings travel here");
    if (info.usagePage == 0x01 && info.usage == 0x06)
        return ctlText("keyboard");
    if (info.usagePage == 0x0C)
        return ctlText("consumer keys");
    return QString();
}

// Tries to open a node the way the program would; returns the text for it.
HidOpenError tryOpen(const QByteArray& path)
{
    HidOpenError error = HidOpenError::None;
    if (HidHandle* handle = hidOpenPath(path, -1, &error))
        hidClose(handle);
    return error;
}

QString openText(HidOpenError error)
{
    switch (error) {
    case HidOpenError::None:
        return ctlText("can be opened");
    case HidOpenError::PermissionDenied:
        return ctlText("permission denied");
    case HidOpenError::NotFound:
        return ctlText("gone");
    case HidOpenError::Failed:
        break;
    }
    return ctlText("cannot be opened");
}

struct Listing {
    bool found = false;
    bool denied = false;
};

Listing listDevice(const QString& title, quint16 vid, quint16 pid, const QVector<HidDeviceInfo>& all)
{
    QTextStream& out = ctlOut();
    QVector<QByteArray> paths;
    QMap<QByteArray, QVector<HidDeviceInfo>> byPath;
    for (const HidDeviceInfo& info : all) {
        if (info.vendorId != vid || info.productId != pid)
            continue;
        if (!byPath.contains(info.path))
            paths.append(info.path);
        byPath[info.path].append(info);
    }
    out << title << " " << hex4(vid) << ":" << hex4(pid);
    Listing listing;
    if (paths.isEmpty()) {
        out << ": " << ctlText("not found") << "\n";
        return listing;
    }
    listing.found = true;
    const HidDeviceInfo& first = byPath[paths.first()].first();
    out << ", " << ctlText("release %1").arg(releaseText(first.releaseNumber));
    if (!first.product.isEmpty())
        out << ", \"" << first.product << "\"";
    out << "\n";
    bool control = false;
    for (const QByteArray& path : paths) {
        const HidOpenError error = tryOpen(path);
        listing.denied = listing.denied || error == HidOpenError::PermissionDenied;
        const QVector<HidDeviceInfo>& collections = byPath[path];
        out << "  " << QString::fromLocal8Bit(path) << "  "
            << ctlText("interface %1").arg(collections.first().interfaceNumber) << "  " << openText(error) << "\n";
        for (const HidDeviceInfo& info : collections) {
            out << "    " << ctlText("usage page 0x%1, usage 0x%2").arg(hex4(info.usagePage), hex4(info.usage));
            const QString role = collectionRole(info);
            if (!role.isEmpty())
                out << "  (" << role << ")";
            out << "\n";
            control = control || (info.usagePage == 0x01 && info.usage == 0x00);
        }
    }
    if (!control)
        out << "  " << ctlText("no control collection: settings cannot be sent this way") << "\n";
    return listing;
}

} // namespace

int runDevices(const QStringList& arguments)
{
    if (!arguments.isEmpty()) {
        ctlErr() << ctlText("devices takes no arguments") << "\n";
        return CTL_USAGE;
    }
    if (hidInit() != 0) {
        ctlErr() << ctlText("The HID library cannot be initialised.") << "\n";
        return CTL_NO_DEVICE;
    }
    const UsbIds ids = readUsbIds();
    const QVector<HidDeviceInfo> all = hidEnumerate(0, 0);
    const Listing receiver = listDevice(ctlText("Receiver"), quint16(ids.vid1), quint16(ids.pid1), all);
    const Listing cable = listDevice(ctlText("Cable"), quint16(ids.vid2), quint16(ids.pid2), all);
    hidExit();
    if (receiver.denied || cable.denied) {
        ctlOut() << "\n"
                 << ctlText("The device is present but this user may not open it. Install the udev rule "
                            "70-mousecfg.rules (then unplug and plug the receiver or cable again), or run as root.")
                 << "\n";
        return CTL_NO_ACCESS;
    }
    return receiver.found || cable.found ? CTL_OK : CTL_NO_DEVICE;
}

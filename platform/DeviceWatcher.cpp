// udev monitor on the hidraw subsystem, read through a QSocketNotifier on the GUI thread.
#include "platform/DeviceWatcher.h"

#include <QDebug>
#include <QList>
#include <QSocketNotifier>

#include <libudev.h>

namespace {

// The HID_ID of the parent hid device of a hidraw node.
bool idsOfNode(udev_device* device, quint16* vid, quint16* pid)
{
    udev_device* parent = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr);
    if (!parent)
        return false;
    const char* hidId = udev_device_get_property_value(parent, "HID_ID");
    return hidId && DeviceWatcher::parseHidId(QByteArray(hidId), vid, pid);
}

} // namespace

DeviceWatcher::DeviceWatcher(QObject* parent)
    : QObject(parent)
{
}

DeviceWatcher::~DeviceWatcher()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

bool DeviceWatcher::parseHidId(const QByteArray& hidId, quint16* vid, quint16* pid)
{
    const QList<QByteArray> parts = hidId.split(':');
    if (parts.size() != 3)
        return false;
    bool okVid = false;
    bool okPid = false;
    const uint v = parts[1].toUInt(&okVid, 16);
    const uint p = parts[2].toUInt(&okPid, 16);
    if (!okVid || !okPid || v > 0xFFFF || p > 0xFFFF)
        return false;
    *vid = quint16(v);
    *pid = quint16(p);
    return true;
}

bool DeviceWatcher::start()
{
    if (m_monitor)
        return true;
    m_udev = udev_new();
    if (!m_udev)
        return false;
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        qDebug() << "udev monitor unavailable; running without hot-plug";
        if (m_monitor)
            udev_monitor_unref(m_monitor);
        m_monitor = nullptr;
        return false;
    }
    scanExisting();
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read);
    connect(m_notifier, &QSocketNotifier::activated, this, &DeviceWatcher::readEvents);
    return true;
}

void DeviceWatcher::scanExisting()
{
    udev_enumerate* enumerate = udev_enumerate_new(m_udev);
    if (!enumerate)
        return;
    udev_enumerate_add_match_subsystem(enumerate, "hidraw");
    udev_enumerate_scan_devices(enumerate);
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate))
    {
        udev_device* device = udev_device_new_from_syspath(m_udev, udev_list_entry_get_name(entry));
        if (!device)
            continue;
        quint16 vid = 0;
        quint16 pid = 0;
        const char* node = udev_device_get_devnode(device);
        if (node && idsOfNode(device, &vid, &pid))
            m_ids.insert(QByteArray(node), qMakePair(vid, pid));
        udev_device_unref(device);
    }
    udev_enumerate_unref(enumerate);
}

void DeviceWatcher::readEvents()
{
    while (udev_device* device = udev_monitor_receive_device(m_monitor)) {
        const QByteArray action(udev_device_get_action(device) ? udev_device_get_action(device) : "");
        const char* devnode = udev_device_get_devnode(device);
        const QByteArray node(devnode ? devnode : "");
        quint16 vid = 0;
        quint16 pid = 0;
        if (!node.isEmpty() && action == "add") {
            if (idsOfNode(device, &vid, &pid))
                m_ids.insert(node, qMakePair(vid, pid));
            emit hidrawChanged(node, vid, pid, true);
        } else if (!node.isEmpty() && action == "remove") {
            const auto ids = m_ids.take(node);
            emit hidrawChanged(node, ids.first, ids.second, false);
        }
        udev_device_unref(device);
    }
}

void DeviceWatcher::inject(const QByteArray& node, quint16 vid, quint16 pid, bool arrived)
{
    emit hidrawChanged(node, vid, pid, arrived);
}

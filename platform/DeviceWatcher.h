// Arrival and removal of HID device nodes, from udev's hidraw events.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPair>

class QSocketNotifier;
struct udev;
struct udev_monitor;

class DeviceWatcher : public QObject {
    Q_OBJECT
public:
    explicit DeviceWatcher(QObject* parent = nullptr);
    ~DeviceWatcher() override;

    // Starts listening; false when udev is not available (the program then runs without hot-plug).
    bool start();
    bool isRunning() const { return m_monitor != nullptr; }

    // Vendor and product id from a HID_ID value such as "0003:0000248A:0000FA02".
    static bool parseHidId(const QByteArray& hidId, quint16* vid, quint16* pid);

public slots:
    // Reports a change that did not come from udev (the virtual mouse's plug and unplug).
    void inject(const QByteArray& node, quint16 vid, quint16 pid, bool arrived);

signals:
    void hidrawChanged(const QByteArray& node, quint16 vid, quint16 pid, bool arrived);

private:
    void readEvents();
    void scanExisting();

    udev* m_udev = nullptr;
    udev_monitor* m_monitor = nullptr;
    QSocketNotifier* m_notifier = nullptr;
    // The parent's ids are gone by the time a removal arrives; remember them per node.
    QHash<QByteArray, QPair<quint16, quint16>> m_ids;
};

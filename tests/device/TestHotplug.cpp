// Hot-plug sequences: device table, handles and what the main window is asked to do.
#include "support/TestAppDir.h"
#include "support/VirtualMouseFixture.h"

#include "device/DeviceEvents.h"
#include "device/hidDevices.h"
#include "device/transaction.h"
#include "platform/DeviceWatcher.h"
#include "store/appContext.h"
#include "store/settings.h"

#include <QtTest>

namespace {

// Stands in for the main window and records what it was asked.
class RecordingEvents : public DeviceEvents {
public:
    QStringList calls;
    void rebuildDeviceMenu() override { calls << QStringLiteral("menu %1").arg(mouseCount()); }
    void scheduleWarnClose() override { calls << "warnClose"; }
    void scheduleWarning() override { calls << "warning"; }
    void stopPoller() override { calls << "stop"; }
    void startPoller() override { calls << "start"; }
    void reloadConfiguration() override { calls << "reload"; }
    void refreshConnection() override { calls << "connection"; }
    void pause(int ms) override { calls << QStringLiteral("pause %1").arg(ms); }
};

// Tells the device table about both nodes of one side, as the hidraw watcher would.
void notifyNodes(const VirtualMouse& mouse, VirtualMouse::Side side, const QByteArray (&nodes)[2], bool arrived,
    DeviceEvents& events)
{
    for (const QByteArray& node : nodes)
        onHidrawChange(node, mouse.vendorId(side), mouse.productId(side), arrived, events);
}

void plugAndNotify(VirtualMouse& mouse, VirtualMouse::Side side, DeviceEvents& events)
{
    mouse.plug(side);
    notifyNodes(mouse, side, { mouse.nodePath(side, 0), mouse.nodePath(side, 1) }, true, events);
}

void unplugAndNotify(VirtualMouse& mouse, VirtualMouse::Side side, DeviceEvents& events)
{
    // The node paths are gone once the side is unplugged.
    const QByteArray nodes[2] = { mouse.nodePath(side, 0), mouse.nodePath(side, 1) };
    mouse.unplug(side);
    notifyNodes(mouse, side, nodes, false, events);
}

const QStringList TAIL = { "connection", "stop", "start" };

} // namespace

class TestHotplug : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<TestAppDir>(false);
        setDiffFlag(0);
    }
    void cleanup() { m_dir.reset(); }

    void firstReceiverArrivalOpensAndAsksForWarnClose()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::Nothing);
        RecordingEvents events;
        fx.mouse().plug(VirtualMouse::Receiver);
        const quint16 vid = fx.mouse().ids().receiverVid;
        const quint16 pid = fx.mouse().ids().receiverPid;
        onHidrawChange(fx.mouse().nodePath(VirtualMouse::Receiver, 0), vid, pid, true, events);
        QCOMPARE(deviceTable[0].present1, 1u);
        QCOMPARE(deviceTable[0].present2, 0u);
        QVERIFY(!dongleControl);
        events.calls.clear();
        onHidrawChange(fx.mouse().nodePath(VirtualMouse::Receiver, 1), vid, pid, true, events);
        QCOMPARE(events.calls, QStringList({ "menu 1", "warnClose", "stop", "pause 500", "start" }) + TAIL);
        QCOMPARE(deviceTable[0].present2, 1u);
        QVERIFY(dongleMouse && dongleControl);
        QCOMPARE(mouseCount(), 1);
        QCOMPARE(diffFlag(), 1);
        QCOMPARE(int(sendCommand(makeFrame(0x46, 0, 0, 0, 0))), int(SEND_OK));
    }

    void cableArrivingBesideReceiverReopensWithCablePreferred()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::ReceiverOnly);
        RecordingEvents events;
        plugAndNotify(fx.mouse(), VirtualMouse::Cable, events);
        QVERIFY(!events.calls.contains("warnClose"));
        QVERIFY(events.calls.contains("menu 1"));
        QVERIFY(cableControl && dongleControl);
        QCOMPARE(controlHandle(), cableControl);
        // Every reopen stops the poller before closing and starts it afterwards.
        QCOMPARE(events.calls.count("stop"), events.calls.count("start"));
    }

    void pullingTheLastDeviceClosesEverythingAndWarns()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::ReceiverOnly);
        setMouseConnected(true);
        RecordingEvents events;
        unplugAndNotify(fx.mouse(), VirtualMouse::Receiver, events);
        QVERIFY(!dongleMouse && !dongleControl && !cableMouse && !cableControl);
        QCOMPARE(deviceTable[0].present1 + deviceTable[0].present2, 0u);
        QCOMPARE(mouseCount(), 0);
        QVERIFY(!mouseConnected());
        QCOMPARE(events.calls.count("warning"), 1);
        const int warning = events.calls.indexOf("warning");
        QCOMPARE(events.calls.mid(warning - 1), QStringList({ "stop", "warning" }) + TAIL);
        QCOMPARE(diffFlag(), 0);
        QCOMPARE(int(sendCommand(makeFrame(0x46, 0, 0, 0, 0))), int(SEND_NO_DEVICE));
    }

    void controlCollectionLeavingAloneClearsOnlyItsFlag()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::ReceiverOnly);
        RecordingEvents events;
        const DeviceEntry& row = deviceTable[0];
        onCollectionChange(QByteArray(row.path2), quint16(row.vid1), quint16(row.pid1), KIND_CONTROL, false, events);
        QCOMPARE(row.present1, 1u);
        QCOMPARE(row.present2, 0u);
        QCOMPARE(countPresentMice(), 0);
        QVERIFY(!events.calls.contains("warning"));
        // The reopen found no complete side, so no handle is left pointing at the old node.
        QVERIFY(!dongleControl && !dongleMouse);
        QCOMPARE(events.calls, QStringList({ "stop", "pause 500", "start" }) + TAIL);
        // A second removal of the same collection changes nothing.
        events.calls.clear();
        onCollectionChange(QByteArray(row.path2), quint16(row.vid1), quint16(row.pid1), KIND_CONTROL, false, events);
        QCOMPARE(events.calls, TAIL);
    }

    void cablePulledWhileReceiverStaysFallsBackToReceiver()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::Both);
        RecordingEvents events;
        unplugAndNotify(fx.mouse(), VirtualMouse::Cable, events);
        QVERIFY(!cableControl && !cableMouse);
        QVERIFY(dongleControl);
        QVERIFY(!events.calls.contains("warning"));
        QCOMPARE(countPresentMice(), 1);
        QCOMPARE(int(sendCommand(makeFrame(0x46, 0, 0, 0, 0))), int(SEND_OK));
    }

    void unrelatedNodeOnlyRefreshes()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::ReceiverOnly);
        RecordingEvents events;
        HidHandle* before = dongleControl;
        onHidrawChange("/dev/hidraw9", 0x046D, 0xC52B, true, events);
        onHidrawChange("/dev/hidraw9", 0x046D, 0xC52B, false, events);
        QCOMPARE(events.calls, TAIL + TAIL);
        QCOMPARE(dongleControl, before);
        QCOMPARE(deviceTable[0].present2, 1u);
    }

    void sharedMouseAndControlNodeComesAndGoesInOneEvent()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::Nothing);
        fx.mouse().setControlOnMouseNode(VirtualMouse::Receiver, true);
        RecordingEvents events;
        fx.mouse().plug(VirtualMouse::Receiver);
        const QByteArray node = fx.mouse().nodePath(VirtualMouse::Receiver, 0);
        const quint16 vid = fx.mouse().ids().receiverVid;
        const quint16 pid = fx.mouse().ids().receiverPid;
        onHidrawChange(node, vid, pid, true, events);
        QCOMPARE(deviceTable[0].present1 + deviceTable[0].present2, 2u);
        QCOMPARE(events.calls.count("warnClose"), 1);
        QVERIFY(dongleControl);
        // The other node (keyboard and consumer keys) is of no interest.
        events.calls.clear();
        onHidrawChange(fx.mouse().nodePath(VirtualMouse::Receiver, 1), vid, pid, true, events);
        QCOMPARE(events.calls, TAIL);
        fx.mouse().unplug(VirtualMouse::Receiver);
        onHidrawChange(node, vid, pid, false, events);
        QCOMPARE(deviceTable[0].present1 + deviceTable[0].present2, 0u);
        QCOMPARE(events.calls.count("warning"), 1);
        QVERIFY(!dongleControl);
    }

    void windowsStylePathArrives()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::Nothing);
        RecordingEvents events;
        onDeviceChange("hid#vid_248a&pid_fa02&mi_00&col04#7&1&0&0003#{4d1e55b2}", true, events);
        QCOMPARE(deviceTable[0].present2, 1u);
        QVERIFY(QByteArray(deviceTable[0].path2).startsWith("\\\\?\\hid#vid_248a"));
        QCOMPARE(diffFlag(), 1);
    }

    void watcherFeedsVirtualPlugAndUnplug()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::Nothing);
        RecordingEvents events;
        DeviceWatcher watcher;
        startHotplug(watcher, events);
        fx.mouse().plug(VirtualMouse::Receiver);
        QTRY_VERIFY(dongleControl != nullptr);
        QVERIFY(events.calls.contains("warnClose"));
        fx.mouse().unplug(VirtualMouse::Receiver);
        QTRY_VERIFY(events.calls.contains("warning"));
        QVERIFY(!dongleControl);
        fx.mouse().setNodeListener(nullptr);
    }

private:
    std::unique_ptr<TestAppDir> m_dir;
};

QTEST_GUILESS_MAIN(TestHotplug)
#include "TestHotplug.moc"

// Device table, enumeration match, opening by name and the permission state.
#include "support/TestAppDir.h"
#include "support/VirtualMouseFixture.h"

#include "device/HidBackend.h"
#include "sim/backend/VirtualHidBackend.h"
#include "device/hidDevices.h"
#include "platform/DeviceWatcher.h"
#include "store/appContext.h"

#include <QtTest>

class TestDeviceDiscovery : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dir = std::make_unique<TestAppDir>(false); }
    void cleanup() { m_dir.reset(); }

    void tableTakesIdsFromTheDescription()
    {
        m_dir->write("DefaultProfile.bin", "[PROFILE]\nvid1=4660\npid1=22136\n");
        VirtualMouseFixture fx(VirtualMouseFixture::Nothing);
        const DeviceEntry& row = deviceTable[0];
        QCOMPARE(row.vid1, 0x1234u);
        QCOMPARE(row.pid1, 0x5678u);
        QCOMPARE(row.vid2, 0x248Au);
        QCOMPARE(row.pid2, 0xFB01u);
        QCOMPARE(QString::fromUtf8(row.name), VirtualMouseFixture::productName());
        QCOMPARE(row.present1 + row.present2 + row.present3 + row.present4, 0u);
    }

    void receiverOnly()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::ReceiverOnly);
        const DeviceEntry& row = deviceTable[0];
        QCOMPARE(row.present1, 1u);
        QCOMPARE(row.present2, 1u);
        QCOMPARE(row.present3, 0u);
        QCOMPARE(row.present4, 0u);
        QCOMPARE(QByteArray(row.path1), fx.mouse().nodePath(VirtualMouse::Receiver, 0));
        QCOMPARE(QByteArray(row.path2), fx.mouse().nodePath(VirtualMouse::Receiver, 1));
        QVERIFY(dongleMouse && dongleControl);
        QVERIFY(!cableMouse && !cableControl);
        QCOMPARE(cableRelease, 0u);
        QCOMPARE(countPresentMice(), 1);
        QVERIFY(!accessDenied());
    }

    void cableOnly()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::CableOnly);
        const DeviceEntry& row = deviceTable[0];
        QCOMPARE(row.present1 + row.present2, 0u);
        QCOMPARE(row.present3, 1u);
        QCOMPARE(row.present4, 1u);
        QVERIFY(!dongleMouse && !dongleControl);
        QVERIFY(cableMouse && cableControl);
        QCOMPARE(cableRelease, quint32(fx.mouse().ids().cableRelease));
        QCOMPARE(hid_get_release_number(row.path4), quint32(fx.mouse().ids().cableRelease));
        QCOMPARE(controlHandle(), cableControl);
    }

    void both()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::Both);
        QVERIFY(dongleMouse && dongleControl && cableMouse && cableControl);
        QCOMPARE(countPresentMice(), 1);
        closeDevices();
        QVERIFY(!dongleMouse && !dongleControl && !cableMouse && !cableControl);
        QCOMPARE(handleState(4), HandleState::Closed);
    }

    void receiverWithoutControlCollectionIsNotAMouse()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::ReceiverOnly, false);
        fx.mouse().setControlCollectionPresent(VirtualMouse::Receiver, false);
        fx.open();
        QCOMPARE(deviceTable[0].present1, 1u);
        QCOMPARE(deviceTable[0].present2, 0u);
        QVERIFY(!dongleMouse && !dongleControl);
        QCOMPARE(countPresentMice(), 0);
    }

    void otherProductNameOpensNothing()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::Both);
        closeDevices();
        openDevicesByName(QStringLiteral("Another Mouse"));
        QVERIFY(!dongleControl && !cableControl);
    }

    void releaseRangeFiltersCollections()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::Both, false);
        buildDeviceTable();
        deviceTable[0].relMin2 = 0x0200;
        deviceTable[0].relMax2 = 0x0300; // the virtual cable is 1.05
        enumerateDevices();
        QCOMPARE(deviceTable[0].present3 + deviceTable[0].present4, 0u);
        QCOMPARE(deviceTable[0].present2, 1u);
    }

    void overlongPathIsSkippedNotCut()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::Nothing, false);
        fx.mouse().setPathPrefix("/dev/" + QByteArray(260, 'x'));
        fx.mouse().plug(VirtualMouse::Receiver);
        fx.open();
        QCOMPARE(deviceTable[0].present1 + deviceTable[0].present2, 0u);
        QCOMPARE(deviceTable[0].path1[0], '\0');
        QVERIFY(!dongleControl);
        // A path of exactly 254 characters still fits.
        fx.mouse().unplug(VirtualMouse::Receiver);
        fx.mouse().setPathPrefix("/" + QByteArray(252, 'y'));
        fx.mouse().plug(VirtualMouse::Receiver);
        fx.open();
        QCOMPARE(qstrlen(deviceTable[0].path2), 254u);
        QVERIFY(dongleControl);
    }

    void permissionProblemIsKnownAsSuch()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::ReceiverOnly, false);
        fx.mouse().setAccessDenied(VirtualMouse::Receiver, true);
        fx.open();
        QCOMPARE(countPresentMice(), 1);
        QVERIFY(!dongleControl);
        QCOMPARE(handleState(2), HandleState::PermissionDenied);
        QVERIFY(accessDenied());
        fx.mouse().setAccessDenied(VirtualMouse::Receiver, false);
        fx.open();
        QCOMPARE(handleState(2), HandleState::Open);
        QVERIFY(!accessDenied());
    }

    void reopeningDoesNotLeakHandles()
    {
        VirtualMouseFixture fx(VirtualMouseFixture::ReceiverOnly);
        openDevicesByName(VirtualMouseFixture::productName());
        QVERIFY(dongleControl);
        // Only one control handle is open on the node: a change report arrives once.
        fx.mouse().sendChangeReport(1, 2, 3, 4);
        quint8 report[33] = {};
        QVERIFY(hidReadTimeout(dongleControl, report, 33, 500) > 0);
        QCOMPARE(int(report[3]), 0x49);
        QCOMPARE(hidReadTimeout(dongleControl, report, 33, 0), 0);
    }

    void environmentSelectsTheVirtualMouseAndItsFrameLog()
    {
        m_dir->write("DefaultProfile.bin", "[PROFILE]\nvid2=4660\npid2=22136\n");
        const QString log = m_dir->file("frames.log");
        qputenv("MOUSECFG_DEVICE", "virtual-cable");
        qputenv("MOUSECFG_FRAME_LOG", log.toLocal8Bit());
        auto previous = setHidBackend(nullptr);
        QVERIFY(installBackendFromEnvironment());
        std::shared_ptr<VirtualMouse> mouse = installedVirtualMouse();
        QVERIFY(mouse);
        QVERIFY(mouse->isPlugged(VirtualMouse::Cable));
        QVERIFY(!mouse->isPlugged(VirtualMouse::Receiver));
        QCOMPARE(mouse->ids().cableVid, quint16(0x1234));
        buildDeviceTable();
        enumerateDevices();
        openDevicesByName(QString::fromUtf8(deviceTable[0].name));
        QVERIFY(cableControl);
        const quint8 status[33] = { 0x05, 0x24, 0xFA, 0x48 };
        QCOMPARE(hidWrite(cableControl, status, 33), 33);
        closeDevices();
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("> 05 24 fa 48 00"));

        qputenv("MOUSECFG_DEVICE", "hardware");
        QVERIFY(!installBackendFromEnvironment());
        QVERIFY(installedVirtualMouse()); // nothing was replaced
        qunsetenv("MOUSECFG_DEVICE");
        qunsetenv("MOUSECFG_FRAME_LOG");
        setHidBackend(std::move(previous));
    }

    void hidIdsOfUdev()
    {
        quint16 vid = 0;
        quint16 pid = 0;
        QVERIFY(DeviceWatcher::parseHidId("0003:0000248A:0000FA02", &vid, &pid));
        QCOMPARE(vid, quint16(0x248A));
        QCOMPARE(pid, quint16(0xFA02));
        QVERIFY(!DeviceWatcher::parseHidId("0003:0000248A", &vid, &pid));
        QVERIFY(!DeviceWatcher::parseHidId("0003:0001248A:0000FA02", &vid, &pid));
        QVERIFY(!DeviceWatcher::parseHidId("0003:zz:0000FA02", &vid, &pid));
    }

    void windowsPathsAreClassified_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("vid");
        QTest::addColumn<int>("pid");
        QTest::newRow("mouse") << "HID#VID_248A&PID_FA02&MI_00&Col01#7&1a2b&0&0000#{4d1e55b2}" << 1 << 0x248A << 0xFA02;
        QTest::newRow("control") << "HID#VID_248A&PID_FB01&MI_00&Col04#8&2c&0&0003#{4d1e55b2}" << 4 << 0x248A << 0xFB01;
        QTest::newRow("lower case") << "hid#vid_248a&pid_fa02&mi_00&col04#7&1&0&0003#{4d1e55b2}" << 4 << 0x248A
                                    << 0xFA02;
        QTest::newRow("control on another interface") << "HID#VID_248A&PID_FA02&MI_01&Col04#8&2c&0&0003" << 0 << 0 << 0;
        QTest::newRow("keyboard") << "HID#VID_248A&PID_FA02&MI_01&Col02#8&2c&0&0001#{4d1e55b2}" << 0 << 0 << 0;
        QTest::newRow("unrelated") << "USB#VID_046D&PID_C52B#5&1" << 0 << 0 << 0;
    }

    void windowsPathsAreClassified()
    {
        QFETCH(QString, path);
        QFETCH(int, kind);
        QFETCH(int, vid);
        QFETCH(int, pid);
        quint16 v = 1;
        quint16 p = 1;
        QCOMPARE(classifyInterfacePath(path, &v, &p), kind);
        QCOMPARE(int(v), vid);
        QCOMPARE(int(p), pid);
    }

private:
    std::unique_ptr<TestAppDir> m_dir;
};

QTEST_GUILESS_MAIN(TestDeviceDiscovery)
#include "TestDeviceDiscovery.moc"

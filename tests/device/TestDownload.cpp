// The whole download against the virtual mouse: what it holds afterwards, which blocks each change
// group sends, failures ending the download, and the poller around it.
#include "device/KroGetBatteryThread.h"
#include "device/commandSet.h"
#include "device/hidDevices.h"
#include "device/macroDownload.h"
#include "sim/VirtualMouseDecoder.h"
#include "store/macroFiles.h"

#include "support/TestAppDir.h"
#include "support/VirtualMouseFixture.h"

#include <QtTest>

namespace {

constexpr int SENSOR = 3395;

DownloadParams params()
{
    DownloadParams p;
    p.sensor = SENSOR;
    p.stageCount = 6;
    p.buttonCount = 7;
    const quint8 matrix[] = { 0, 1, 2, 3, 4, 6, 5 };
    std::copy(std::begin(matrix), std::end(matrix), p.matrix);
    return p;
}

MouseConfig sampleConfig()
{
    MouseConfig c;
    c.ProfileID = 1;
    c.LiftHigh = 2;
    c.Debounce = 8;
    c.SensorMode = 1;
    c.Wake = 1;
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        ProfileData& p = c.profiles[i];
        p.pollrate = quint8(1 << (i % 4));
        p.scrollspeed = quint8(3 + i);
        p.dpi = quint8(i);
        p.LedMode = quint8(i + 1);
        for (int s = 0; s < DPI_STAGE_COUNT; ++s)
            p.stages[s] = DpiStage { 1, 1, 0, quint32(100 * (s + 1) + i), quint32(100 * (s + 1) + 50) };
        for (int m = 0; m < LED_MODE_COUNT; ++m) {
            p.lighting[m].RGB = QColor(10 * m, 255 - m, 7 * m);
            p.lighting[m].bright = 2;
            p.lighting[m].breath = 3;
        }
    }
    ProfileData& first = c.profiles[0];
    first.LedSleepTime = 5;
    const int funs[] = { 1, 2, 3, 4, 5, 49, FUN_MACRO };
    for (int k = 0; k < 7; ++k)
        first.buttons[k].Fun = funs[k];
    first.buttons[6].macroname = "combo";
    first.buttons[6].LoopNumber = 2;
    first.buttons[40].Fun = 52;
    first.buttons[41].Fun = 53;
    return c;
}

void writeMacro(const QString& name, int events)
{
    Macro m;
    for (int i = 0; i < events; ++i)
        m.events.append(MacroEvent::key(quint8(4 + i), i % 2 == 0));
    QCOMPARE(saveMacro(name, m), 0);
}

QSet<int> commandsSent(const VirtualMouse& mouse)
{
    QSet<int> commands;
    for (const QByteArray& f : mouse.receivedFrames())
        commands.insert(quint8(f[3]));
    return commands;
}

// The command bytes of the frames received, in order, each run of one command written once ("46 01 40 46").
QString blockOrder(const VirtualMouse& mouse)
{
    QStringList order;
    for (const QByteArray& f : mouse.receivedFrames()) {
        const QString command = QString::number(quint8(f[3]), 16).rightJustified(2, '0');
        if (order.isEmpty() || order.last() != command)
            order << command;
    }
    return order.join(' ');
}

} // namespace

class TestDownload : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fullDownloadDecodesToWhatWasSent();
    void eachChangeGroupSendsOnlyItsBlocks_data();
    void eachChangeGroupSendsOnlyItsBlocks();
    void failingFrameEndsTheDownload_data();
    void failingFrameEndsTheDownload();
    void unplugInTheMiddleStopsCleanly();
    void pollerStoppedDuringDownloadAndRestartedAfter();
    void profileSwitch();

private:
    std::unique_ptr<TestAppDir> m_dir;
    std::unique_ptr<VirtualMouseFixture> m_fixture;
    int m_pollersMade = 0;
};

void TestDownload::init()
{
    m_dir = std::make_unique<TestAppDir>();
    m_fixture = std::make_unique<VirtualMouseFixture>(VirtualMouseFixture::ReceiverOnly);
    m_pollersMade = 0;
    setPollerFactory(nullptr);
}

void TestDownload::cleanup()
{
    stopBatteryPoller();
    setPollerFactory(nullptr);
    m_fixture.reset();
    m_dir.reset();
}

void TestDownload::fullDownloadDecodesToWhatWasSent()
{
    writeMacro("combo", 5);
    const MouseConfig c = sampleConfig();
    QCOMPARE(int(downloadConfig(c, CHANGE_ALL, params())), int(SEND_OK));

    VirtualMouse& mouse = m_fixture->mouse();
    const VirtualMouseDecoder d(mouse, SENSOR);
    const DecodedGeneral g = d.general();
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        QCOMPARE(int(g.scrollLines[i]), int(c.profiles[i].scrollspeed));
        QCOMPARE(int(g.reportRates[i]), int(c.profiles[i].pollrate));
    }
    QCOMPARE(int(g.liftByte), 2);
    QCOMPARE(int(g.profileId), 1);
    QCOMPARE(int(g.ledSleepTime), 5);
    QCOMPARE(int(g.debounce), 8);
    QCOMPARE(int(g.sensorMode), 1);
    QVERIFY(g.wake);
    QCOMPARE(int(g.marker), 0x1F);
    QCOMPARE(int(g.dpiStage), 1); // of the active profile (2)
    QCOMPARE(int(g.effectCode), 3); // LedMode 2 of the active profile
    QCOMPARE(d.activeProfile(), 1);

    QCOMPARE(d.stageCount(), 6);
    for (int s = 0; s < DPI_STAGE_COUNT; ++s) {
        const DecodedStage st = d.stage(s);
        QCOMPARE(st.used, s < 6);
        QCOMPARE(st.x, int(c.profiles[0].stages[s].x));
        QCOMPARE(st.y, int(c.profiles[0].stages[s].y));
    }

    QVERIFY(d.buttonBlockFramed());
    QCOMPARE(d.buttonSlot(0), (std::array<quint8, 4> { 0x81, 0, 0, 0 }));
    QCOMPARE(d.buttonSlot(6), (std::array<quint8, 4> { 0x89, 0, 0, 0 })); // UI button 5 sits in slot 6
    QCOMPARE(d.buttonSlot(5), (std::array<quint8, 4> { 0x91, 0, 2, 0 })); // the macro, number 0
    QCOMPARE(d.buttonSlot(22), (std::array<quint8, 4> { 0x8B, 0, 0, 0 }));
    QCOMPARE(d.buttonSlot(23), (std::array<quint8, 4> { 0x8C, 0, 0, 0 }));

    const DecodedLighting l1 = d.lighting(1);
    QCOMPARE(int(l1.red), 10);
    QCOMPARE(int(l1.green), 254);
    QCOMPARE(int(l1.blue), 7);
    QCOMPARE(int(l1.bright), 2);
    QCOMPARE(int(d.lighting(7).speed), 3);

    // Macro 0: five key events with the pauses the mouse needs.
    const auto events = d.macroEvents(0);
    QCOMPARE(events.size(), 7);
    QCOMPARE(int(events[0][0]), 0x84);
    QCOMPARE(int(events[0][1]), 4);
    QCOMPARE(int(events[4][0]), 6);
    QCOMPARE(int(events[6][0]), 6);
    QVERIFY(d.macroEvents(1).isEmpty());

    QCOMPARE(mouse.transfersClosed(), 1);
    QVERIFY(!mouse.transferOpen());
    QCOMPARE(mouse.appliedGroups(), (QVector<quint8> { 0x04, 0x01, 0x02, 0x08, 0x10 }));
    // One write per frame, each accepted.
    QCOMPARE(mouse.acceptedFrames(), 1 + 2 + 7 + 10 + 5 + 5 + 11 + 1);
    QCOMPARE(mouse.writeCalls(), mouse.acceptedFrames());
}

void TestDownload::eachChangeGroupSendsOnlyItsBlocks_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("order");
    // Transfer open, general, buttons, DPI, lighting, the five apply groups, macros, transfer close.
    QTest::newRow("general") << int(CHANGE_GENERAL) << "46 01 40 46";
    QTest::newRow("dpi") << int(CHANGE_DPI) << "46 01 02 40 46";
    QTest::newRow("buttons") << int(CHANGE_BUTTONS) << "46 01 03 40 05 46";
    QTest::newRow("lighting") << int(CHANGE_LIGHTING) << "46 01 04 40 46";
    QTest::newRow("all") << int(CHANGE_ALL) << "46 01 03 02 04 40 05 46";
}

void TestDownload::eachChangeGroupSendsOnlyItsBlocks()
{
    QFETCH(int, mask);
    QFETCH(QString, order);
    writeMacro("combo", 3);
    QCOMPARE(int(downloadConfig(sampleConfig(), mask, params())), int(SEND_OK));
    QCOMPARE(blockOrder(m_fixture->mouse()), order);
    // The transfer is opened first and closed last.
    const QVector<QByteArray> frames = m_fixture->mouse().receivedFrames();
    QCOMPARE(int(quint8(frames.first()[4])), 0);
    QCOMPARE(int(quint8(frames.last()[4])), 1);
}

void TestDownload::failingFrameEndsTheDownload_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("writes");
    // Data echoes corrupted: the transfer opens (header-only check), the general frame fails after three writes.
    QTest::newRow("corrupt data echo") << "corrupt" << int(SEND_VERIFY_FAILED) << 1 + 3;
    QTest::newRow("failed write") << "write" << int(SEND_WRITE_FAILED) << 1;
    // Nothing confirms the transfer's opening frame: three writes and nothing after it.
    QTest::newRow("silent mouse") << "silent" << int(SEND_VERIFY_FAILED) << 3;
    QTest::newRow("all-zero replies") << "zeros" << int(SEND_VERIFY_FAILED) << 3;
    QTest::newRow("no mouse") << "closed" << int(SEND_NO_DEVICE) << 0;
}

void TestDownload::failingFrameEndsTheDownload()
{
    QFETCH(QString, fault);
    QFETCH(int, status);
    QFETCH(int, writes);
    VirtualMouse& mouse = m_fixture->mouse();
    VirtualMouse::Faults f;
    f.corruptDataEchoes = fault == "corrupt" ? -1 : 0;
    f.failWrites = fault == "write" ? -1 : 0;
    f.noReply = fault == "silent";
    f.zeroReplies = fault == "zeros";
    mouse.setFaults(f);
    if (fault == "closed")
        closeDevices();
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(int(downloadConfig(sampleConfig(), CHANGE_ALL, params())), status);
    // A hang check: a mouse that never confirms must not cost a wait per frame of the download.
    QVERIFY(clock.elapsed() < 1500);
    QCOMPARE(mouse.writeCalls(), writes);
    QCOMPARE(mouse.blocksClosed(0x01), 0);
    QCOMPARE(mouse.transfersClosed(), 0);
}

void TestDownload::unplugInTheMiddleStopsCleanly()
{
    VirtualMouse& mouse = m_fixture->mouse();
    int made = 0;
    setPollerFactory([&] {
        ++made;
        auto* poller = new KroGetBatteryThread;
        poller->setPauses(5, 5, 5);
        return poller;
    });
    startBatteryPoller();
    VirtualMouse::Faults f;
    f.unplugAfterFrames = 12;
    mouse.setFaults(f);
    const quint8 status = downloadConfig(sampleConfig(), CHANGE_ALL, params());
    QVERIFY(status != SEND_OK);
    QVERIFY(!mouse.isPlugged(VirtualMouse::Receiver));
    // The poller stays stopped after a failed download: nobody reads the dead handle.
    QVERIFY(!batteryPollerRunning());
    QCOMPARE(made, 1);
    QCOMPARE(mouse.transfersClosed(), 0);
}

void TestDownload::pollerStoppedDuringDownloadAndRestartedAfter()
{
    VirtualMouse& mouse = m_fixture->mouse();
    setPollerFactory([&] {
        ++m_pollersMade;
        auto* poller = new KroGetBatteryThread;
        poller->setPauses(1, 1, 1);
        return poller;
    });
    startBatteryPoller();
    QTRY_VERIFY(commandsSent(mouse).contains(0x48)); // the poller has asked for the status
    QCOMPARE(int(downloadConfig(sampleConfig(), CHANGE_ALL, params())), int(SEND_OK));
    QVERIFY(batteryPollerRunning());
    QCOMPARE(m_pollersMade, 2);
    stopBatteryPoller();

    // No status request between the transfer's open and its close.
    const QVector<QByteArray> frames = mouse.receivedFrames();
    int open = -1, close = -1;
    for (int i = 0; i < frames.size(); ++i) {
        if (quint8(frames[i][3]) == 0x46)
            (quint8(frames[i][4]) == 0 ? open : close) = i;
    }
    QVERIFY(open >= 0 && close > open);
    for (int i = open; i <= close; ++i)
        QVERIFY(quint8(frames[i][3]) != 0x48);
}

void TestDownload::profileSwitch()
{
    VirtualMouse& mouse = m_fixture->mouse();
    QCOMPARE(int(switchMouseProfile(3)), int(SEND_OK));
    QCOMPARE(mouse.activeProfile(), 3);
    QCOMPARE(mouse.appliedGroups(), (QVector<quint8> { 0x01, 0x04, 0x01, 0x02, 0x08, 0x10 }));
}

QTEST_GUILESS_MAIN(TestDownload)
#include "TestDownload.moc"

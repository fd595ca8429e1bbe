// The battery poller's signals, its stop, and the apply worker's results and Config/Diff.
#include "device/KroGetBatteryThread.h"
#include "device/KroProcessThread.h"
#include "device/commandSet.h"
#include "store/settings.h"

#include "support/TestAppDir.h"
#include "support/VirtualMouseFixture.h"

#include <QtTest>

namespace {

// How long a thread may take on a loaded machine before a test gives up on it; never a timing check.
constexpr int LOADED_MACHINE_MS = 60000;

// Lives on the test thread, so the poller's signals reach it queued, as they reach the window.
class Recorder : public QObject {
public:
    QVector<QVector<int>> battery, status, write;
    int processDone = 0;

    void listen(KroGetBatteryThread& poller)
    {
        connect(&poller, &KroGetBatteryThread::RefreshBatteryStatus, this, [this](quint8 c, quint8 lo, quint8 hi) {
            battery.append(QVector<int> { c, lo, hi });
        });
        connect(&poller, &KroGetBatteryThread::RefreshStatus, this, [this](quint8 p, quint8 d, quint8 r, quint8 m) {
            status.append(QVector<int> { p, d, r, m });
        });
        connect(&poller, &KroGetBatteryThread::RefreshWriteStatus, this,
            [this](quint8 s) { write.append(QVector<int> { s }); });
    }
};

// A poller with 1 ms pauses, started at once, whose signals the recorder keeps.
struct QuickPoller {
    KroGetBatteryThread poller;
    Recorder rec;
    QuickPoller()
    {
        poller.setPauses(1, 1, 1);
        rec.listen(poller);
        poller.start();
    }
    bool stop()
    {
        poller.stop();
        const bool ended = poller.wait(LOADED_MACHINE_MS);
        QCoreApplication::processEvents();
        return ended;
    }
};

MouseConfig changedConfig()
{
    MouseConfig c;
    c.profiles[0].pollrate = 2;
    c.profiles[0].stages[0] = DpiStage { 1, 1, 0, 40, 40 };
    c.profileNames[0] = "Work";
    return c;
}

bool dpiBlockSent(const VirtualMouse& mouse)
{
    for (const QByteArray& f : mouse.receivedFrames())
        if (quint8(f[3]) == 0x02)
            return true;
    return false;
}

} // namespace

class TestThreads : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pollerBatterySignals_data();
    void pollerBatterySignals();
    void pollerReportsChangeReports();
    void pollerEndsWithoutHandle();
    void pollerStopsPromptlyAndReadsNoMore();
    void holdKeepsStartsAwayUntilItEnds();
    void applyResults_data();
    void applyResults();
    void applyWithDiffSendsEverything();
    void applyStoppedBeforeRunDoesNothing();
    void unplugDuringApplyThenFullResend();

private:
    std::unique_ptr<TestAppDir> m_dir;
};

void TestThreads::init()
{
    m_dir = std::make_unique<TestAppDir>();
    setMouseOff(false);
    setLastModeByte(0);
    setPollerFactory(nullptr);
}

void TestThreads::cleanup()
{
    stopBatteryPoller();
    m_dir.reset();
}

void TestThreads::pollerBatterySignals_data()
{
    QTest::addColumn<int>("raw");
    QTest::addColumn<bool>("unplugged");
    QTest::addColumn<QVector<int>>("battery");
    QTest::addColumn<bool>("writeStatus");
    QTest::newRow("charging") << 0x0410 << false << QVector<int> { 1, 0x10, 0x04 } << true;
    QTest::newRow("no battery data") << 0 << false << QVector<int> { 0, 0, 0 } << false;
    // The handle stays open while every read fails.
    QTest::newRow("read error") << 0x0410 << true << QVector<int> { 0, 0, 0 } << false;
}

void TestThreads::pollerBatterySignals()
{
    QFETCH(int, raw);
    QFETCH(bool, unplugged);
    QFETCH(QVector<int>, battery);
    QFETCH(bool, writeStatus);
    VirtualMouseFixture fixture;
    fixture.mouse().setBattery(quint16(raw), raw != 0);
    fixture.mouse().setWriteStatus(0);
    fixture.mouse().setModeByte(8);
    if (unplugged)
        fixture.mouse().unplug(VirtualMouse::Receiver);
    QuickPoller run;
    QTRY_VERIFY_WITH_TIMEOUT(!run.rec.battery.isEmpty(), LOADED_MACHINE_MS);
    QVERIFY(run.stop());
    QCOMPARE(run.rec.battery.first(), battery);
    QCOMPARE(run.rec.write, writeStatus ? QVector<QVector<int>> { { 0 } } : QVector<QVector<int>> {});
    QCOMPARE(int(lastModeByte()), unplugged ? 0 : 8);
    QVERIFY(run.rec.status.isEmpty());
}

void TestThreads::pollerReportsChangeReports()
{
    VirtualMouseFixture fixture(VirtualMouseFixture::Both);
    QuickPoller run;
    QTRY_VERIFY_WITH_TIMEOUT(!run.rec.battery.isEmpty(), LOADED_MACHINE_MS);
    fixture.mouse().sendChangeReport(2, 3, 4, 7);
    QTRY_VERIFY_WITH_TIMEOUT(!run.rec.status.isEmpty(), LOADED_MACHINE_MS);
    QCOMPARE(run.rec.status.first(), (QVector<int> { 2, 3, 4, 7 }));
    QVERIFY(run.stop());
}

void TestThreads::pollerEndsWithoutHandle()
{
    VirtualMouseFixture fixture(VirtualMouseFixture::Nothing);
    KroGetBatteryThread poller;
    Recorder rec;
    rec.listen(poller);
    poller.start();
    QVERIFY(poller.wait(LOADED_MACHINE_MS));
    QCoreApplication::processEvents();
    QVERIFY(rec.battery.isEmpty() && rec.status.isEmpty() && rec.write.isEmpty());
    QCOMPARE(fixture.mouse().writeCalls(), 0);
}

void TestThreads::pollerStopsPromptlyAndReadsNoMore()
{
    VirtualMouseFixture fixture;
    int made = 0;
    Recorder rec;
    setPollerFactory([&] {
        ++made;
        auto* poller = new KroGetBatteryThread;
        // Pauses of an hour: only the wake-up from stop() lets the poller end.
        poller->setPauses(3600000, 3600000, 3600000);
        rec.listen(*poller);
        return poller;
    });
    startBatteryPoller();
    startBatteryPoller(); // a second start while one runs makes no second poller
    QCOMPARE(made, 1);
    QTRY_VERIFY_WITH_TIMEOUT(!rec.battery.isEmpty(), LOADED_MACHINE_MS);
    // Once stopBatteryPoller returns the thread has ended: nothing reads any more.
    stopBatteryPoller();
    QVERIFY(!batteryPollerRunning());
    const int reads = fixture.mouse().readCalls();
    QTest::qWait(120);
    QCOMPARE(fixture.mouse().readCalls(), reads);
    QCOMPARE(made, 1);
}

void TestThreads::holdKeepsStartsAwayUntilItEnds()
{
    VirtualMouseFixture fixture;
    int made = 0;
    setPollerFactory([&] {
        ++made;
        auto* poller = new KroGetBatteryThread;
        poller->setPauses(1, 1, 1);
        return poller;
    });
    startBatteryPoller();
    QVERIFY(batteryPollerRunning());
    {
        BatteryPollerHold hold;
        QVERIFY(!batteryPollerRunning());
        const int reads = fixture.mouse().readCalls();
        startBatteryPoller(); // as a hot-plug on the main thread does in the middle of a transfer
        QVERIFY(!batteryPollerRunning());
        QCOMPARE(made, 1);
        QCOMPARE(fixture.mouse().readCalls(), reads);
    }
    // The start asked for during the hold happens at its end.
    QVERIFY(batteryPollerRunning());
    QCOMPARE(made, 2);
    {
        BatteryPollerHold failedTransfer;
    }
    QVERIFY(!batteryPollerRunning());
    {
        BatteryPollerHold outer;
        {
            BatteryPollerHold inner;
            inner.restartAtEnd();
        }
        QVERIFY(!batteryPollerRunning()); // the outer hold still keeps it stopped
    }
    QVERIFY(batteryPollerRunning());
    QCOMPARE(made, 3);
}

void TestThreads::applyResults_data()
{
    QTest::addColumn<int>("plug");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("off");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("diff");
    QTest::addColumn<bool>("sent");
    const int receiver = VirtualMouseFixture::ReceiverOnly;
    QTest::newRow("sent") << receiver << "" << false << true << 0 << 0 << true;
    QTest::newRow("nothing changed") << receiver << "" << false << false << 0 << 0 << false;
    QTest::newRow("no mouse") << int(VirtualMouseFixture::Nothing) << "" << false << true << 1 << 1 << false;
    QTest::newRow("not confirmed") << int(VirtualMouseFixture::CableOnly) << "corrupt" << false << true << 2 << 1
                                   << true;
    QTest::newRow("silent mouse") << receiver << "silent" << false << true << 2 << 1 << true;
    QTest::newRow("all-zero replies") << receiver << "zeros" << false << true << 2 << 1 << true;
    // The files now hold what the mouse did not get: the next apply must send everything.
    QTest::newRow("mouse off") << receiver << "" << true << true << 5 << 1 << false;
    QTest::newRow("mouse off, nothing changed") << receiver << "" << true << false << 5 << 0 << false;
}

void TestThreads::applyResults()
{
    QFETCH(int, plug);
    QFETCH(QString, fault);
    QFETCH(bool, off);
    QFETCH(bool, changed);
    QFETCH(int, result);
    QFETCH(int, diff);
    QFETCH(bool, sent);
    VirtualMouseFixture fixture { VirtualMouseFixture::Plug(plug) };
    VirtualMouse::Faults f;
    f.corruptDataEchoes = fault == "corrupt" ? -1 : 0;
    f.noReply = fault == "silent";
    f.zeroReplies = fault == "zeros";
    fixture.mouse().setFaults(f);
    setMouseOff(off);
    setDiffFlag(0);
    sentConfig = MouseConfig();
    currentConfig = changed ? changedConfig() : MouseConfig();

    KroProcessThread worker;
    Recorder rec;
    connect(&worker, &KroProcessThread::DoProcessDlg, &rec, [&rec] { ++rec.processDone; });
    worker.start();
    QVERIFY(worker.wait(LOADED_MACHINE_MS));
    QTRY_COMPARE_WITH_TIMEOUT(rec.processDone, 1, LOADED_MACHINE_MS);
    QCOMPARE(int(worker.result), result);
    QCOMPARE(diffFlag(), diff);
    QCOMPARE(!fixture.mouse().receivedFrames().isEmpty(), sent);
    // After a send, sent follows current whatever the outcome; without one it is untouched.
    const bool attempted = changed && !off;
    QCOMPARE(sentConfig.profiles[0].pollrate, attempted ? quint8(2) : quint8(0));
    // The configuration was saved before anything else.
    QCOMPARE(QFile::exists(configDir() + "/Profile/Work.prof"), changed);
}

void TestThreads::applyWithDiffSendsEverything()
{
    VirtualMouseFixture fixture;
    setDiffFlag(1);
    currentConfig = sentConfig = MouseConfig();
    KroProcessThread worker;
    worker.start();
    QVERIFY(worker.wait(LOADED_MACHINE_MS));
    QCOMPARE(int(worker.result), 0);
    QCOMPARE(worker.sentMask, int(CHANGE_ALL));
    QVERIFY(dpiBlockSent(fixture.mouse()));
    QCOMPARE(diffFlag(), 0);

    // fullSend does the same without the flag.
    fixture.mouse().clearHistory();
    KroProcessThread full;
    full.fullSend = true;
    full.start();
    QVERIFY(full.wait(LOADED_MACHINE_MS));
    QVERIFY(dpiBlockSent(fixture.mouse()));
}

void TestThreads::applyStoppedBeforeRunDoesNothing()
{
    VirtualMouseFixture fixture;
    currentConfig = changedConfig();
    sentConfig = MouseConfig();
    KroProcessThread worker;
    worker.isStop = true;
    Recorder rec;
    connect(&worker, &KroProcessThread::DoProcessDlg, &rec, [&rec] { ++rec.processDone; });
    worker.start();
    QVERIFY(worker.wait(LOADED_MACHINE_MS));
    QCoreApplication::processEvents();
    QCOMPARE(rec.processDone, 0);
    QCOMPARE(int(worker.result), 0);
    QVERIFY(fixture.mouse().receivedFrames().isEmpty());
}

void TestThreads::unplugDuringApplyThenFullResend()
{
    VirtualMouseFixture fixture;
    VirtualMouse::Faults f;
    f.unplugAfterFrames = 6;
    fixture.mouse().setFaults(f);
    setDiffFlag(0);
    sentConfig = MouseConfig();
    currentConfig = changedConfig();
    currentConfig.profiles[0].stages[0].used = 0; // general and DPI changed only
    quint8 result = applyConfiguration(false);
    QVERIFY(result != SEND_OK);
    QCOMPARE(diffFlag(), 1);
    QVERIFY(!batteryPollerRunning());

    // The mouse comes back: the unchanged configuration is sent in full.
    fixture.clearFaults();
    fixture.mouse().plug(VirtualMouse::Receiver);
    fixture.open();
    fixture.mouse().clearHistory();
    int sentMask = 0;
    QCOMPARE(int(applyConfiguration(false, &sentMask)), 0);
    QCOMPARE(sentMask, int(CHANGE_ALL));
    QVERIFY(dpiBlockSent(fixture.mouse()));
    QCOMPARE(diffFlag(), 0);
}

QTEST_GUILESS_MAIN(TestThreads)
#include "TestThreads.moc"

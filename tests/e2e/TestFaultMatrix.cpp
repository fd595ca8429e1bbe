// Every fault of the virtual mouse against one apply: the status the program reports, the Diff flag
// it leaves, that it ends, and that the next apply without the fault leaves the mouse holding the
// configuration. Run through mousecfgctl on both ways in (backend seam, hidapi stand-in) and
// through the window.
#include "app/MousecfgWidget.h"
#include "device/KroGetBatteryThread.h"
#include "device/commandSet.h"
#include "device/hidDevices.h"
#include "device/transaction.h"
#include "sim/virtualMouseEnvironment.h"
#include "store/settings.h"

#include "TestAppDir.h"
#include "VirtualMouseFixture.h"
#include "ctlRunner.h"
#include "e2eFixture.h"

#include <QSettings>
#include <QTimer>
#include <QtTest>

#include <array>

namespace {

// A hang check, not a timing: the slowest sound row (160 ms per reply) needs about a third of it.
constexpr int HANG_BOUND_MS = 20000;
const QString SEND_FAILED_TEXT = QStringLiteral("Send data failed, please try again.");

using Memory = std::array<QByteArray, 5>;
using WayIn = VirtualMouseFixture::WayIn;

Memory memoryOf(const VirtualMouse& mouse)
{
    Memory m;
    for (int i = 0; i < 5; ++i)
        m[i] = mouse.memory(quint8(i + 1));
    return m;
}

// Empty when the mouse holds the reference; otherwise where it first differs.
QString differences(const VirtualMouse& mouse, const Memory& reference)
{
    if (mouse.transferOpen())
        return QStringLiteral("a transfer is still open");
    const Memory held = memoryOf(mouse);
    for (int block = 0; block < 5; ++block) {
        for (int i = 0; i < held[block].size(); ++i) {
            if (held[block][i] != reference[block][i])
                return QStringLiteral("block %1 differs at %2").arg(block + 1).arg(i);
        }
    }
    return QString();
}

int diffOnDisk(const TestAppDir& dir)
{
    return QSettings(dir.file("Configs/Config.ini"), QSettings::IniFormat).value("Config/Diff").toInt();
}

bool statusAnswered(const VirtualMouse& mouse)
{
    for (const QByteArray& frame : mouse.receivedFrames()) {
        if (quint8(frame[3]) == CMD_STATUS)
            return true;
    }
    return false;
}

void faultTable()
{
    QTest::addColumn<QString>("faults");
    QTest::addColumn<int>("status");
    const int ok = SEND_OK, unconfirmed = SEND_VERIFY_FAILED, writeFailed = SEND_WRITE_FAILED;
    QTest::newRow("none") << "" << ok;
    QTest::newRow("no reply") << "noreply" << unconfirmed;
    QTest::newRow("zero replies") << "zero" << unconfirmed;
    QTest::newRow("wrong echo for 2 reads") << "wrongecho=2" << ok;
    QTest::newRow("wrong echo always") << "wrongecho" << unconfirmed;
    QTest::newRow("corrupt data once") << "corrupt=1" << ok;
    QTest::newRow("corrupt data always") << "corrupt" << unconfirmed;
    QTest::newRow("write fails") << "failwrite=1" << writeFailed;
    QTest::newRow("unplug at the first frame") << "unplug=0" << writeFailed;
    QTest::newRow("unplug after 5 frames") << "unplug=5" << writeFailed;
    QTest::newRow("unplug after 20 frames") << "unplug=20" << writeFailed;
    QTest::newRow("latency 20 ms") << "latency=20" << ok;
    QTest::newRow("latency 160 ms") << "latency=160" << ok;
    QTest::newRow("pointer noise") << "noise=1" << ok;
    QTest::newRow("one frame dropped") << "drop=1" << ok;
    QTest::newRow("frames dropped") << "drop" << unconfirmed;
}

} // namespace

class TestFaultMatrix : public QObject {
    Q_OBJECT

    Memory m_ctlReference, m_windowReference;

    // mousecfgctl apply --full with the faults, then a plain apply without them.
    void throughCtl(WayIn way)
    {
        QFETCH(QString, faults);
        QFETCH(int, status);
        TestAppDir dir(true);
        const QString state = dir.file("mouse.state");
        const QProcessEnvironment env = VirtualMouseFixture::programEnvironment(way, state);
        QProcessEnvironment faulty = env;
        // The status request before the download goes through: the faults meet the download.
        faulty.insert("MOUSECFG_SIM_FAULT", "after=1," + faults);

        const CtlRun run = runCtl(dir, { "apply", "--full" }, faulty, HANG_BOUND_MS);
        QVERIFY2(run.code != -1, "the apply did not end");
        QVERIFY2(run.code == status, qPrintable(QString("exit %1: %2").arg(run.code).arg(run.out)));
        QCOMPARE(diffOnDisk(dir), status == SEND_OK ? 0 : 1);

        const CtlRun recovery = runCtl(dir, { "apply" }, env, HANG_BOUND_MS);
        QVERIFY2(recovery.code == SEND_OK, qPrintable(recovery.out));
        const std::unique_ptr<VirtualMouse> mouse = VirtualMouseFixture::fromStateFile(state);
        QVERIFY(mouse);
        const QString diff = differences(*mouse, m_ctlReference);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }

private slots:
    void initTestCase()
    {
        if (ctlProgram().isEmpty())
            QSKIP("mousecfgctl is not built");
        TestAppDir dir(true);
        const QString state = dir.file("mouse.state");
        const CtlRun run
            = runCtl(dir, { "apply", "--full" }, VirtualMouseFixture::programEnvironment(WayIn::Seam, state));
        QVERIFY2(run.code == 0, qPrintable(run.out));
        const std::unique_ptr<VirtualMouse> mouse = VirtualMouseFixture::fromStateFile(state);
        QVERIFY(mouse);
        m_ctlReference = memoryOf(*mouse);
        QCOMPARE(int(quint8(m_ctlReference[0][16])), 0x1F); // a general block was written

        E2eFixture e2e;
        setDiffFlag(1);
        e2e.apply();
        m_windowReference = memoryOf(e2e.mouse().mouse());
        QCOMPARE(int(quint8(m_windowReference[0][16])), 0x1F);
    }

    void ctlThroughSeam_data() { faultTable(); }
    void ctlThroughSeam() { throughCtl(WayIn::Seam); }

    void ctlThroughHidapi_data() { faultTable(); }
    void ctlThroughHidapi()
    {
        if (VirtualMouseFixture::shimDir().isEmpty())
            QSKIP("the hidapi stand-in is not built");
        throughCtl(WayIn::Hidapi);
    }

    void window_data() { faultTable(); }
    void window()
    {
        QFETCH(QString, faults);
        QFETCH(int, status);
        E2eFixture e2e;
        VirtualMouse& mouse = e2e.mouse().mouse();
        // The poller's first status request is answered before the faults start; then it stops, so
        // that the faults meet the download and not a status request of the poller.
        QTRY_VERIFY_WITH_TIMEOUT(statusAnswered(mouse), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!mouseOff(), 10000);
        e2e.window().stopBatteryThread();
        VirtualMouseSetup setup;
        QVERIFY(parseFaultList(faults, &setup));
        mouse.setFaults(setup.faults);
        if (setup.noiseIntervalMs > 0)
            mouse.startStreaming(setup.noiseIntervalMs);
        // Past the bound the faults are lifted so that the test ends either way.
        bool overran = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [&] {
            overran = true;
            mouse.setFaults(VirtualMouse::Faults());
        });
        watchdog.start(HANG_BOUND_MS);
        setDiffFlag(1); // the mouse may hold anything: everything is sent
        e2e.apply();
        QVERIFY2(!overran, "the apply did not end");
        QCOMPARE(e2eBoxMessages().contains(SEND_FAILED_TEXT), status != SEND_OK);
        QCOMPARE(diffFlag(), status == SEND_OK ? 0 : 1);

        mouse.setFaults(VirtualMouse::Faults());
        mouse.stopStreaming();
        if (!mouse.isPlugged(VirtualMouse::Receiver)) {
            mouse.plug(VirtualMouse::Receiver);
            QTRY_VERIFY_WITH_TIMEOUT(controlHandle() != nullptr && !mouseOff(), 10000);
        }
        e2e.apply();
        QCOMPARE(diffFlag(), 0);
        const QString diff = differences(mouse, m_windowReference);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }
};

QTEST_MAIN(TestFaultMatrix)
#include "TestFaultMatrix.moc"

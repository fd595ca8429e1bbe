// mousecfgctl devices and --help, run as a separate process against the virtual mouse.
#include "support/TestAppDir.h"

#include <QProcess>
#include <QtTest>

namespace {

struct Run {
    int code = -1;
    QString out;
};

Run runCtl(const QStringList& arguments, const QString& device, const QString& appDir)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MOUSECFG_DEVICE", device);
    env.insert("MOUSECFG_APP_DIR", appDir);
    process.setProcessEnvironment(env);
    process.start(qEnvironmentVariable("MOUSECFG_BIN_DIR") + "/mousecfgctl", arguments);
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.code = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    return run;
}

} // namespace

class TestDevicesCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!QFile::exists(qEnvironmentVariable("MOUSECFG_BIN_DIR") + "/mousecfgctl"))
            QSKIP("mousecfgctl is not built");
    }

    void listsVirtualReceiverAndCable()
    {
        TestAppDir dir(true);
        const Run run = runCtl({ "devices" }, "virtual", dir.path());
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.contains(QRegularExpression("Receiver 248a:fa02, release 1\\.00")), qPrintable(run.out));
        QVERIFY(run.out.contains(QRegularExpression("Cable 248a:fb01, release 1\\.05")));
        // Two nodes per device, the control collection with its usage pair, all openable.
        QCOMPARE(run.out.count(QRegularExpression("/dev/hidraw\\d+  interface \\d  can be opened")), 4);
        QCOMPARE(run.out.count("usage page 0x0001, usage 0x0000  (control"), 2);
        QCOMPARE(run.out.count("usage page 0x0001, usage 0x0002  (mouse)"), 2);
    }

    void missingCableIsNamed()
    {
        TestAppDir dir(true);
        const Run run = runCtl({ "devices" }, "virtual-receiver", dir.path());
        QCOMPARE(run.code, 0);
        QVERIFY(run.out.contains("Cable 248a:fb01: not found"));
    }

    void usesTheProductsIdentifiers()
    {
        TestAppDir dir(false);
        dir.write("DefaultProfile.bin", "[PROFILE]\nvid1=4660\npid1=22136\n");
        const Run run = runCtl({ "devices" }, "virtual", dir.path());
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.contains("Receiver 1234:5678, release"), qPrintable(run.out));
    }

    void helpAndUsageErrors()
    {
        TestAppDir dir(true);
        const Run help = runCtl({ "--help" }, "virtual", dir.path());
        QCOMPARE(help.code, 0);
        QVERIFY(help.out.contains("devices"));
        QVERIFY(help.out.contains("MOUSECFG_DEVICE"));
        QCOMPARE(runCtl({ "frobnicate" }, "virtual", dir.path()).code, 2);
        QCOMPARE(runCtl({ "devices", "extra" }, "virtual", dir.path()).code, 2);
    }
};

QTEST_GUILESS_MAIN(TestDevicesCommand)
#include "TestDevicesCommand.moc"

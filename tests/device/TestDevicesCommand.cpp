// mousecfgctl devices and --help, run as a separate process against the virtual mouse.
#include "support/TestAppDir.h"
#include "support/ctlRunner.h"

#include <QtTest>

class TestDevicesCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (ctlProgram().isEmpty())
            QSKIP("mousecfgctl is not built");
    }

    void listsVirtualReceiverAndCable()
    {
        TestAppDir dir(true);
        const CtlRun run = runCtl(dir, { "devices" });
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
        const CtlRun run = runCtl(dir, { "devices" }, "virtual-receiver");
        QCOMPARE(run.code, 0);
        QVERIFY(run.out.contains("Cable 248a:fb01: not found"));
    }

    void usesTheProductsIdentifiers()
    {
        TestAppDir dir(false);
        dir.write("DefaultProfile.bin", "[PROFILE]\nvid1=4660\npid1=22136\n");
        const CtlRun run = runCtl(dir, { "devices" });
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.contains("Receiver 1234:5678, release"), qPrintable(run.out));
    }

    void helpAndUsageErrors()
    {
        TestAppDir dir(true);
        const CtlRun help = runCtl(dir, { "--help" });
        QCOMPARE(help.code, 0);
        QVERIFY(help.out.contains("devices"));
        QVERIFY(help.out.contains("MOUSECFG_DEVICE"));
        QVERIFY2(help.out.contains("  64  unknown command, setting or value"), qPrintable(help.out));
        QVERIFY(help.out.contains("   8  the window is running"));
        // One command's help, asked for either way, lists its settings with what the model lacks.
        for (const QStringList& ask : { QStringList { "help", "set" }, QStringList { "set", "--help" } }) {
            const CtlRun set = runCtl(dir, ask);
            QCOMPARE(set.code, 0);
            QVERIFY2(set.out.contains("sensor-mode    eco|standard|competitive"), qPrintable(set.out));
            QVERIFY(set.out.contains("Refused with exit code 8"));
        }
        QVERIFY(runCtl(dir, { "--version" }).out.startsWith("mousecfgctl "));
        QCOMPARE(runCtl(dir, {}).code, 64);
        QCOMPARE(runCtl(dir, { "frobnicate" }).code, 64);
        QCOMPARE(runCtl(dir, { "devices", "extra" }).code, 64);
    }
};

QTEST_GUILESS_MAIN(TestDevicesCommand)
#include "TestDevicesCommand.moc"

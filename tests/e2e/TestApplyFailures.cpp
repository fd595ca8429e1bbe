// Apply against a mouse that confirms nothing: the window says so, Config/Diff stays 1, and the busy
// dialog cannot be dismissed into a success while the worker runs.
#include "app/KroProcessDialog.h"
#include "device/KroGetBatteryThread.h"
#include "store/settings.h"

#include "VirtualMouseFixture.h"
#include "e2eFixture.h"

#include <QApplication>
#include <QtTest>

class TestApplyFailures : public QObject {
    Q_OBJECT
private slots:
    void silentMouseIsReportedThoughTheBusyDialogIsDismissed()
    {
        E2eFixture e2e;
        VirtualMouse& mouse = e2e.mouse().mouse();
        VirtualMouse::Faults silent;
        silent.noReply = true;
        mouse.setFaults(silent);
        setMouseOff(false);
        setDiffFlag(1); // everything is sent
        // Escape and a close request while the worker talks to the mouse.
        bool stayed = false;
        QTimer::singleShot(50, this, [&stayed] {
            auto* busy = qobject_cast<KroProcessDialog*>(QApplication::activeModalWidget());
            if (!busy)
                return;
            QTest::keyClick(busy, Qt::Key_Escape);
            busy->close();
            stayed = busy->isVisible();
        });
        QElapsedTimer clock;
        clock.start();
        e2e.apply();
        // A hang check: the first unconfirmed frame ends the download.
        QVERIFY(clock.elapsed() < 3000);
        QVERIFY(stayed);
        QVERIFY2(
            e2eBoxMessages().contains("Send data failed, please try again."), qPrintable(e2eBoxMessages().join('|')));
        QCOMPARE(diffFlag(), 1);
        // Nothing past the transfer's opening frame reached the mouse.
        QCOMPARE(mouse.transfersClosed(), 0);
        QCOMPARE(mouse.blocksClosed(0x01), 0);
    }
};

QTEST_MAIN(TestApplyFailures)
#include "TestApplyFailures.moc"

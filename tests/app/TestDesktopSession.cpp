// The window's life on a desktop without a tray (and one that gains a tray later), the hand-over
// from a second start, and the low-battery notice from the mouse link.
#include "app/DeviceSession.h"
#include "app/LowBatteryAlert.h"
#include "app/MousecfgWidget.h"
#include "app/TrayController.h"
#include "device/KroGetBatteryThread.h"
#include "platform/Notice.h"
#include "store/settings.h"
#include "widgets/KroPushButton.h"

#include "TestAppDir.h"
#include "VirtualMouseFixture.h"
#include "e2eFixture.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

class TestDesktopSession : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TrayController::setTrayProbe({}); }

    void trayAppearingLaterTakesTheWindowBack()
    {
        bool tray = false;
        TrayController::setTrayProbe([&tray] { return tray; });
        E2eFixture e2e;
        MousecfgWidget& w = e2e.window();
        auto* poll = w.tray()->findChild<QTimer*>("trayPoll");
        QVERIFY(poll && poll->isActive());

        tray = true;
        w.tray()->checkTray();
        QVERIFY(!poll->isActive());
        QVERIFY(w.tray()->icon()->isVisible());
        w.show();
        e2e.button("closeButton")->click();
        QVERIFY(w.isHidden());

        // A second start brings the hidden window back.
        w.tray()->bringToFront();
        QVERIFY(w.isVisible());
        w.showMinimized();
        w.tray()->bringToFront();
        QVERIFY(!w.isMinimized());
    }

    void lowBatteryLevels_data()
    {
        QTest::addColumn<QVector<int>>("levels");
        QTest::addColumn<QVector<bool>>("charging");
        QTest::addColumn<QVector<bool>>("warned");
        QTest::newRow("falls past 15, then 5") << QVector<int> { 40, 20, 10, 10, 5, 5 } << QVector<bool>(6, false)
                                               << QVector<bool> { false, false, true, false, true, false };
        QTest::newRow("one fall past both warns once")
            << QVector<int> { 50, 0, 0 } << QVector<bool>(3, false) << QVector<bool> { false, true, false };
        QTest::newRow("never while charging")
            << QVector<int> { 10, 5 } << QVector<bool> { true, true } << QVector<bool> { false, false };
        QTest::newRow("a rebound without charging does not re-arm")
            << QVector<int> { 10, 20, 10 } << QVector<bool>(3, false) << QVector<bool> { true, false, false };
        QTest::newRow("charged above the level re-arms it") << QVector<int> { 10, 20,
            10 } << QVector<bool> { false, true, false } << QVector<bool> { true, false, true };
        QTest::newRow("charged only to 10 re-arms 5, not 15") << QVector<int> { 5, 10, 10,
            5 } << QVector<bool> { false, true, false, false } << QVector<bool> { true, false, false, true };
    }

    void lowBatteryLevels()
    {
        QFETCH(QVector<int>, levels);
        QFETCH(QVector<bool>, charging);
        QFETCH(QVector<bool>, warned);
        LowBatteryAlert alert;
        for (int i = 0; i < levels.size(); ++i)
            QCOMPARE(alert.report(levels[i], charging[i]), warned[i]);
    }

    // The mouse's own status reports, through the poller, raise the desktop notice.
    void lowBatteryNoticeOncePerDischarge()
    {
        TestAppDir dir(true);
        VirtualMouseFixture mouse(VirtualMouseFixture::ReceiverOnly, false);
        QStringList notices;
        notice::setSink([&notices](const QString& text, const QColor&) { notices << text; });
        DeviceSession session;
        QSignalSpy reports(&session, &DeviceSession::RefreshBatteryStatus);
        session.enumerate();

        auto report = [&](quint16 raw, bool charging) {
            mouse.mouse().setBattery(raw, charging);
            const int before = reports.count();
            stopBatteryPoller();
            if (before == 0)
                session.open(currentProductName());
            else
                startBatteryPoller(); // a new poller asks for the status at once
            QTRY_VERIFY_WITH_TIMEOUT(reports.count() > before, 10000);
        };
        report(969, false); // about 4.0 V
        QVERIFY(notices.isEmpty());
        report(700, false); // below 3.2 V: 10 %
        QCOMPARE(notices, QStringList { "Mouse battery low: 10%" });
        report(700, false);
        QCOMPARE(notices.size(), 1);
        report(1000, true);
        report(700, false);
        QCOMPARE(notices.size(), 2);
        session.detach();
        notice::setSink({});
    }
};

QTEST_MAIN(TestDesktopSession)
#include "TestDesktopSession.moc"

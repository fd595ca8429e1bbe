// Tests of the battery level steps and the connection mode table.
#include "store/batteryLevel.h"

#include <QtTest>

class TestBatteryLevel : public QObject {
    Q_OBJECT
private slots:
    void levelsAtTheRawBounds_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("full");
        QTest::addColumn<int>("level");
        QTest::newRow("775") << 775 << 4200 << 10;
        QTest::newRow("776") << 776 << 4200 << 20;
        QTest::newRow("993") << 993 << 4200 << 80;
        QTest::newRow("994") << 994 << 4200 << 90;
        QTest::newRow("994 full at 4100") << 994 << 4100 << 100;
        QTest::newRow("994 full just above") << 994 << 4101 << 90;
        QTest::newRow("1040 default full") << 1040 << 4200 << 100;
        QTest::newRow("zero") << 0 << 4200 << 10;
        QTest::newRow("all ones") << 0xFFFF << 4200 << 100;
    }
    void levelsAtTheRawBounds()
    {
        QFETCH(int, raw);
        QFETCH(int, full);
        QFETCH(int, level);
        QCOMPARE(batteryLevel(quint8(raw & 0xFF), quint8(raw >> 8), full), level);
    }

    void millivoltsTruncate()
    {
        QCOMPARE(batteryMillivolts(226, 3), 4100); // 994 * 4.125 = 4100.25
        QCOMPARE(batteryMillivolts(0x10, 0x04), 4290);
        QCOMPARE(batteryMillivolts(0xFF, 0xFF), 270331); // no overflow
    }

    void connectionModeTable()
    {
        QCOMPARE(connectionMode(false, false, 0), 3);
        QCOMPARE(connectionMode(false, false, 1), 3);
        QCOMPARE(connectionMode(false, true, 0), 2);
        QCOMPARE(connectionMode(false, true, 1), 1);
        QCOMPARE(connectionMode(true, true, 0), 1);
        QCOMPARE(connectionMode(true, false, 0), 0);
        QVERIFY(modeShowsBar(2) && modeShowsBar(3) && !modeShowsBar(1) && !modeShowsBar(0));
        QVERIFY(modeShowsDongle(1) && modeShowsDongle(2) && !modeShowsDongle(0) && !modeShowsDongle(3));
    }
};

QTEST_GUILESS_MAIN(TestBatteryLevel)
#include "TestBatteryLevel.moc"

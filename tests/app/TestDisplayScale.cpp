// Tests of the display scale table and the window-width step match.
#include "app/displayScale.h"

#include <QtTest>

class TestDisplayScale : public QObject {
    Q_OBJECT
private slots:
    void dpiPicksStepAtTheBounds_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("step");
        QTest::addColumn<double>("factor");
        QTest::newRow("96") << 96.0 << 0 << 1.0;
        QTest::newRow("just below 1.1") << 105.5 << 0 << 1.0;
        QTest::newRow("just above 1.1") << 105.7 << 1 << 1.25;
        QTest::newRow("120") << 120.0 << 1 << 1.25;
        QTest::newRow("144") << 144.0 << 2 << 1.5;
        QTest::newRow("192") << 192.0 << 4 << 2.0;
        QTest::newRow("4.79") << 459.8 << 15 << 4.75;
        QTest::newRow("huge") << 1000.0 << 16 << 5.0;
    }
    void dpiPicksStepAtTheBounds()
    {
        QFETCH(double, dpi);
        QFETCH(int, step);
        QFETCH(double, factor);
        const DisplayScale s = scaleForDpi(dpi);
        QCOMPARE(s.step, step);
        QCOMPARE(s.factor, factor);
    }

    void windowSizesTruncate()
    {
        QCOMPARE(int(LAYOUT_WIDTH * scaleForDpi(120).factor), 1248);
        QCOMPARE(int(LAYOUT_HEIGHT * scaleForDpi(120).factor), 800);
        QCOMPARE(int(LAYOUT_WIDTH * scaleForDpi(144).factor), 1498);
        QCOMPARE(int(LAYOUT_HEIGHT * scaleForDpi(144).factor), 960);
    }

    void stepsOutsideTheTableGiveOne()
    {
        QCOMPARE(factorForStep(-1), 1.0);
        QCOMPARE(factorForStep(17), 1.0);
    }
};

QTEST_GUILESS_MAIN(TestDisplayScale)
#include "TestDisplayScale.moc"

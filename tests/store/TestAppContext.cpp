// Scaling of layout values.
#include "store/appContext.h"

#include <QtTest>

class TestAppContext : public QObject {
    Q_OBJECT
private slots:
    void scaledTruncates()
    {
        setScaleFactor(1.5);
        QCOMPARE(scaled(999), 1498);
        setScaleFactor(1.25);
        QCOMPARE(scaled(356), 445);
        setScaleFactor(1.0);
    }
};

QTEST_GUILESS_MAIN(TestAppContext)
#include "TestAppContext.moc"

// Tests of the program's entry point: one instance per product.
#include "platform/SingleInstance.h"

#include "TestAppDir.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QUuid>
#include <QtTest>

class TestEntryPoint : public QObject {
    Q_OBJECT

    // A copy of the program in its own installation folder with a product name of its own, so
    // that no instance of the developer's program can interfere.
    QString installCopy(const TestAppDir& dir, const QString& product)
    {
        const QString bin = qEnvironmentVariable("MOUSECFG_BIN_DIR");
        const QString program = dir.file("mousecfg");
        if (!QFile::copy(bin + "/mousecfg", program))
            return QString();
        QSettings(dir.file("DefaultProfile.bin"), QSettings::IniFormat).setValue("PROFILE/ProductName", product);
        return program;
    }

    static QProcessEnvironment environment()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("MOUSECFG_DEVICE", "virtual");
        return env;
    }

private slots:
    void secondInstanceOfAProductExitsWithOne()
    {
        TestAppDir dir(true);
        const QString product = "Entry Test " + QUuid::createUuid().toString(QUuid::WithoutBraces);
        const QString program = installCopy(dir, product);
        if (program.isEmpty())
            QSKIP("the program is not built");

        QProcess first;
        first.setProcessEnvironment(environment());
        first.start(program, QStringList());
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(SingleInstance::lockFilePath(product)), 20000);

        QProcess second;
        second.setProcessEnvironment(environment());
        second.start(program, QStringList());
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 1);
        QCOMPARE(first.state(), QProcess::Running);

        // Another product's copy runs beside it.
        TestAppDir otherDir(true);
        const QString other = installCopy(otherDir, product + " B");
        QProcess third;
        third.setProcessEnvironment(environment());
        third.start(other, QStringList());
        QVERIFY(third.waitForStarted());
        QVERIFY(!third.waitForFinished(1500));
        third.kill();
        third.waitForFinished();
        first.kill();
        first.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestEntryPoint)
#include "TestEntryPoint.moc"

// mousecfgctl watch --json, run as a process on the virtual mouse: a line at the start, one for a
// change report the mouse sends, one for a battery step and charging, one for a pulled cable; SIGTERM
// ends it with exit code 0.
#include "support/TestAppDir.h"
#include "support/ctlRunner.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {

// The next line the watch prints, as JSON; empty when none comes within a few seconds.
QJsonObject nextLine(QProcess& watch)
{
    QElapsedTimer clock;
    clock.start();
    while (!watch.canReadLine() && clock.elapsed() < 5000)
        watch.waitForReadyRead(200);
    return QJsonDocument::fromJson(watch.readLine()).object();
}

} // namespace

class TestCtlWatch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (ctlProgram().isEmpty())
            QSKIP("mousecfgctl is not built");
    }

    void printsEveryChange()
    {
        TestAppDir dir(true);
        QProcess watch;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MOUSECFG_APP_DIR", dir.path());
        env.insert("MOUSECFG_DEVICE", "virtual");
        watch.setProcessEnvironment(env);
        watch.setProcessChannelMode(QProcess::SeparateChannels);
        watch.start(ctlProgram(), { "watch", "--json", "--interval", "1" });
        QVERIFY(watch.waitForStarted());

        QJsonObject line = nextLine(watch);
        QCOMPARE(line["event"].toString(), QString("start"));
        QCOMPARE(line["connection"].toString(), QString("cable"));
        QCOMPARE(line["battery"].toObject()["percent"].toInt(), 70);
        QCOMPARE(line["charging"].toBool(), false);

        watch.write("report 2 3 500\n");
        line = nextLine(watch);
        QCOMPARE(line["event"].toString(), QString("report"));
        QCOMPARE(line["profile"].toInt(), 2);
        QCOMPARE(line["dpiStage"].toInt(), 3);
        QCOMPARE(line["rate"].toInt(), 500);

        watch.write("battery 3600 charging\n");
        line = nextLine(watch);
        QCOMPARE(line["event"].toString(), QString("charging"));
        QCOMPARE(line["battery"].toObject()["percent"].toInt(), 40);
        QCOMPARE(line["charging"].toBool(), true);

        watch.write("unplug cable\n");
        line = nextLine(watch);
        QCOMPARE(line["event"].toString(), QString("connection"));
        QCOMPARE(line["connection"].toString(), QString("receiver"));

        watch.terminate();
        QVERIFY2(watch.waitForFinished(3000), "SIGTERM ends the watch");
        QCOMPARE(watch.exitStatus(), QProcess::NormalExit);
        QCOMPARE(watch.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCtlWatch)
#include "TestCtlWatch.moc"

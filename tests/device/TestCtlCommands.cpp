// mousecfgctl status, apply, profile and import, run as a process against the virtual mouse,
// checked through its frame log.
#include "store/MouseConfig.h"
#include "store/profileFiles.h"
#include "store/settings.h"

#include "support/TestAppDir.h"
#include "support/ctlRunner.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QtTest>

namespace {

// Frames sent to the mouse whose bytes 2.. start with the given hex text ("fa 44 02").
int sentFrames(const CtlRun& run, const QString& afterChecksum)
{
    return run.log.count(QRegularExpression("^> 05 [0-9a-f]{2} " + afterChecksum, QRegularExpression::MultilineOption));
}

void setConfigKey(const TestAppDir& dir, const QString& key, const QVariant& value)
{
    QSettings(dir.file("Configs/Config.ini"), QSettings::IniFormat).setValue(key, value);
}

} // namespace

class TestCtlCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (ctlProgram().isEmpty())
            QSKIP("mousecfgctl is not built");
    }

    void statusShowsBatteryAndConnection()
    {
        TestAppDir dir(true);
        const CtlRun run = runCtl(dir, { "status" });
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.contains("Battery: 70% (3997 mV)"), qPrintable(run.out));
        QVERIFY(run.out.contains("Charging: no"));
        QVERIFY(run.out.contains("Connection: cable"));
        QVERIFY(run.out.contains("Active profile: 1"));
        QCOMPARE(sentFrames(run, "fa 48 00 00 00 00"), 1);
        QVERIFY(runCtl(dir, { "status" }, "virtual-receiver").out.contains("Connection: receiver"));
        const CtlRun json = runCtl(dir, { "status", "--json" });
        const QJsonObject o = QJsonDocument::fromJson(json.out.section('\n', 0, 0).toUtf8()).object();
        QCOMPARE(o["battery"].toObject()["millivolts"].toInt(), 3997);
        QCOMPARE(o["connection"].toString(), QString("cable"));
        QCOMPARE(o["source"].toString(), QString("saved"));
        QCOMPARE(runCtl(dir, { "status", "x" }).code, 64);
    }

    void applySendsOnlyWhenNeeded()
    {
        TestAppDir dir(true);
        setConfigKey(dir, "Config/Diff", 0);
        CtlRun run = runCtl(dir, { "apply" });
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.contains("Nothing to send"), qPrintable(run.out));
        QCOMPARE(sentFrames(run, "fa 46"), 0);

        run = runCtl(dir, { "apply", "--full" });
        QCOMPARE(run.code, 0);
        QCOMPARE(sentFrames(run, "fa 46 00 00 00 00"), 1);
        QCOMPARE(sentFrames(run, "fa 01 00 00 13 d1"), 1);
        QCOMPARE(sentFrames(run, "fa 02 00 00 01 d1"), 1);
        QCOMPARE(sentFrames(run, "fa 03 00 00 02 d1"), 1);
        QCOMPARE(sentFrames(run, "fa 04 00 00 18 d1"), 1);
        QCOMPARE(sentFrames(run, "fa 40 f3"), 5);
        QCOMPARE(sentFrames(run, "fa 46 01 00 00 00"), 1);

        // A failed send marked the mouse as differing: the next apply sends everything.
        setConfigKey(dir, "Config/Diff", 1);
        run = runCtl(dir, { "apply" });
        QCOMPARE(run.code, 0);
        QCOMPARE(sentFrames(run, "fa 02 00 00 01 d1"), 1);
        QCOMPARE(QSettings(dir.file("Configs/Config.ini"), QSettings::IniFormat).value("Config/Diff").toInt(), 0);

        QCOMPARE(runCtl(dir, { "apply", "--fast" }).code, 64);
    }

    void applyWithoutMouse()
    {
        TestAppDir dir(true);
        // No virtual mouse, and no real one on the build machine either.
        const CtlRun run = runCtl(dir, { "apply", "--full" }, "none");
        QCOMPARE(run.code, 1);
        QVERIFY(run.out.contains("No mouse found"));
    }

    void profileSwitchesAndRemembers()
    {
        TestAppDir dir(true);
        const CtlRun run = runCtl(dir, { "profile", "3" });
        QCOMPARE(run.code, 0);
        QCOMPARE(sentFrames(run, "fa 44 02 00 00 00"), 1);
        QCOMPARE(sentFrames(run, "fa 40 f3 01"), 2);
        QCOMPARE(QSettings(dir.file("Configs/Config.ini"), QSettings::IniFormat).value("Config/ProfileID").toInt(), 2);
        for (const char* bad : { "0", "6", "two" })
            QCOMPARE(runCtl(dir, { "profile", bad }).code, 64);
    }

    void failuresExitWithTheirStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("diff");
        QTest::newRow("apply, silent mouse")
            << QStringList { "apply", "--full" } << "noreply" << 2 << "Send data failed" << 1;
        QTest::newRow("apply, all-zero replies")
            << QStringList { "apply", "--full" } << "zero" << 2 << "Send data failed" << 1;
        // The profile switch itself is not confirmed by the mouse; the apply that follows it is.
        QTest::newRow("profile, silent mouse")
            << QStringList { "profile", "3" } << "noreply" << 2 << "Send data failed" << 0;
        QTest::newRow("import without profiles")
            << QStringList { "import", "empty.conf" } << "" << 6 << "holds no configuration" << 0;
    }

    void failuresExitWithTheirStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, fault);
        QFETCH(int, code);
        QFETCH(QString, message);
        QFETCH(int, diff);
        TestAppDir dir(true);
        setConfigKey(dir, "Config/Diff", 0);
        // A file of this product that holds no profile sections.
        writeProductTag(currentProductName(), dir.file("empty.conf"));
        if (arguments.size() == 2 && arguments[1].endsWith(".conf"))
            arguments[1] = dir.file(arguments[1]);
        const CtlRun run = runCtl(dir, arguments, "virtual", fault);
        QVERIFY2(run.code == code, qPrintable(run.out));
        QVERIFY2(run.out.contains(message), qPrintable(run.out));
        QVERIFY(!run.out.contains("Configuration sent."));
        QVERIFY(!run.out.contains("is active"));
        // A hang check: a mouse that never confirms must not cost a wait per frame.
        QVERIFY2(run.elapsedMs < 5000, qPrintable(QString::number(run.elapsedMs)));
        const QSettings ini(dir.file("Configs/Config.ini"), QSettings::IniFormat);
        QCOMPARE(ini.value("Config/Diff").toInt(), diff);
        QCOMPARE(ini.value("Config/ProfileID").toInt(), 0);
        if (code == 6)
            QVERIFY(run.log.isEmpty());
    }

    void importChecksProductAndSendsAll()
    {
        TestAppDir dir(true);
        MouseConfig config;
        config.ProfileID = 1;
        config.profiles[0].stages[0] = DpiStage { 1, 1, 0x123, 0x123, 0x45 };
        for (int i = 0; i < PROFILE_COUNT; ++i)
            config.profiles[i].scrollspeed = quint8(7 + i);
        const QString path = dir.file("mine.conf");
        exportConfig(config, path);
        CtlRun run = runCtl(dir, { "import", path });
        QVERIFY2(run.code == 0, qPrintable(run.out));
        // Sensor 3395 stages are 16-bit little-endian; scroll lines lead the general block.
        QCOMPARE(sentFrames(run, "fa 02 01 00 05 d2 01 23 01 45 00"), 1);
        QCOMPARE(sentFrames(run, "fa 01 00 00 13 d1 07 08 09 0a 0b"), 1);
        QCOMPARE(QSettings(dir.file("Configs/Config.ini"), QSettings::IniFormat).value("Config/ProfileID").toInt(), 1);

        writeProductTag("Another Mouse", path);
        run = runCtl(dir, { "import", path });
        QCOMPARE(run.code, 6);
        QVERIFY(run.out.contains("another product"));
        QVERIFY(run.log.isEmpty());
        QCOMPARE(runCtl(dir, { "import", dir.file("missing.conf") }).code, 6);
    }
};

QTEST_GUILESS_MAIN(TestCtlCommands)
#include "TestCtlCommands.moc"

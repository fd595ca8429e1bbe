// mousecfgctl set and get, run as a process against the virtual mouse: each kind of setting reaches the
// mouse and the files as the window's edit of the record would, bad values change nothing, get's output
// sets the same configuration again, and a running window keeps the files to itself.
#include "platform/SingleInstance.h"
#include "store/MouseConfig.h"
#include "store/deviceDescription.h"
#include "store/macroFiles.h"
#include "store/settings.h"
#include "store/typedDpi.h"

#include "support/TestAppDir.h"
#include "support/VirtualMouseFixture.h"
#include "support/ctlRunner.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSettings>
#include <QtTest>

#include <functional>

namespace {

using Edit = std::function<void(MouseConfig&)>;

ProfileData& mouse(MouseConfig& c)
{
    return mouseProfile(c);
}

quint32 rawOf(int dpi)
{
    DpiRange range;
    installedDpiRange(range);
    return quint32(rawForDpiWithin(dpi, sensorModel(), range));
}

// The factory description shows buttons 1..7 on slots 0..6; the wheel is slots 40 and 41.
struct SetCase {
    const char* name;
    QStringList arguments;
    Edit edit; // the same change made on the record, as the window's page makes it
};

const QVector<SetCase>& setCases()
{
    static const QVector<SetCase> cases = {
        { "dpi", { "dpi", "2", "1650" },
            [](MouseConfig& c) { mouse(c).stages[1].x = mouse(c).stages[1].y = mouse(c).stages[1].xy = rawOf(1650); } },
        { "stage count and active stage", { "stage", "1", "stages", "4" },
            [](MouseConfig& c) {
                c.current().dpi = 0;
                for (int i = 0; i < usableDpiStageCount(); ++i)
                    mouse(c).stages[i].used = i < 4;
            } },
        { "rate, lift, scroll", { "rate", "250", "lift", "2", "scroll", "9" },
            [](MouseConfig& c) {
                c.current().pollrate = 4;
                c.LiftHigh = 2;
                c.current().scrollspeed = 9;
            } },
        { "rate of another profile", { "rate", "125", "--profile", "3" },
            [](MouseConfig& c) { c.profiles[2].pollrate = 8; } },
        { "sensor switches",
            { "angle-snapping", "off", "jitter", "off", "sync", "on", "motion-wake", "off", "key-response", "40",
                "sensor-mode", "competitive" },
            [](MouseConfig& c) {
                c.AngleValue = 1;
                c.Jitter = 1;
                c.Sync = 1;
                c.Wake = 1;
                c.Debounce = 40;
                c.SensorMode = 2;
            } },
        { "lighting", { "light", "breathing", "color", "00ff80", "speed", "2", "sleep", "5", "light-off", "off" },
            [](MouseConfig& c) {
                mouse(c).LedMode = 2;
                mouse(c).lighting[2].RGB = QColor(0, 255, 128);
                mouse(c).lighting[2].breath = 2;
                mouse(c).LedSleepTime = 5;
                mouse(c).LedMoveOFF = 0xFF;
            } },
        { "plain functions", { "button", "6", "volume-up", "button", "wheel-up", "volume-down" },
            [](MouseConfig& c) {
                mouse(c).buttons[5].Fun = 43;
                mouse(c).buttons[40].Fun = 44;
            } },
        { "single key", { "button", "7", "key:F5" },
            [](MouseConfig& c) {
                mouse(c).buttons[6].Fun = 6;
                mouse(c).buttons[6].Res1 = 63;
            } },
        { "combination", { "button", "7", "combo:ctrl+shift+s" },
            [](MouseConfig& c) {
                ButtonInfo& b = mouse(c).buttons[6];
                b.Fun = 7;
                // Shift down, Ctrl down, S down, S up, Ctrl up, Shift up, as HID usages.
                const KeyInfo events[] = { { 225, 5, 0x80 }, { 224, 5, 0x80 }, { 22, 5, 0x80 }, { 22, 5, 0 },
                    { 224, 5, 0 }, { 225, 5, 0 } };
                std::fill(std::begin(b.keyInfo), std::end(b.keyInfo), KeyInfo());
                std::copy(std::begin(events), std::end(events), b.keyInfo);
            } },
        { "fire key", { "button", "5", "fire:right:times=4:delay=20" },
            [](MouseConfig& c) {
                ButtonInfo& b = mouse(c).buttons[4];
                b.Fun = 12;
                b.Res1 = 130;
                b.LoopNumber = 4;
                b.KeyNumber = 20;
            } },
        { "macro", { "button", "4", "macro:Burst:while-held" },
            [](MouseConfig& c) {
                ButtonInfo& b = mouse(c).buttons[3];
                b.Fun = 200;
                b.LoopNumber = 1;
                b.Res1 = 1;
                b.macroname = "Burst";
                copyMacroToButton("Burst", b);
            } },
    };
    return cases;
}

void addMacro()
{
    Macro macro;
    macro.events = { MacroEvent::key(0x04, true), MacroEvent::delay(30, 10), MacroEvent::key(0x04, false) };
    QCOMPARE(saveMacro("Burst", macro), 0);
    QVERIFY(registerMacro("Burst") >= 0);
}

// Every file below the folder with its bytes; macro files (each holds its own path) and the runtime
// folder of the window's lock are left out.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith("frames.log") || path.contains("/MacroDB/") || path.contains("/runtime/"))
            continue;
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.insert(path.mid(folder.size()), file.readAll());
    }
    return files;
}

QProcessEnvironment withState(const QString& stateFile)
{
    return VirtualMouseFixture::programEnvironment(VirtualMouseFixture::WayIn::Seam, stateFile);
}

// What the mouse holds: the five blocks and the active profile.
QByteArray mouseState(const QString& stateFile)
{
    const auto m = VirtualMouseFixture::fromStateFile(stateFile);
    if (!m)
        return QByteArray();
    QByteArray all;
    for (quint8 command = 1; command <= 5; ++command)
        all += m->memory(command);
    return all + char(m->activeProfile());
}

// set arguments that give the configuration a get --json printed.
QStringList setArgumentsOf(const QJsonObject& o)
{
    QStringList args;
    const QJsonObject dpi = o["dpi"].toObject();
    for (const QJsonValue& v : dpi["stages"].toArray()) {
        const QJsonObject s = v.toObject();
        const int x = s["x"].toInt(), y = s["y"].toInt();
        args << "dpi" << QString::number(s["stage"].toInt())
             << (x == y ? QString::number(x) : QStringLiteral("%1x%2").arg(x).arg(y));
    }
    args << "stage" << QString::number(dpi["active"].toInt()) << "stages" << QString::number(dpi["count"].toInt());
    args << "rate" << QString::number(o["rate"].toInt()) << "lift" << QString::number(o["lift"].toInt()) << "scroll"
         << QString::number(o["scroll"].toInt()) << "key-response" << QString::number(o["keyResponse"].toInt())
         << "sensor-mode" << o["sensorMode"].toString();
    auto onOff = [](const QJsonValue& v) { return v.toBool() ? "on" : "off"; };
    args << "motion-wake" << onOff(o["motionWake"]) << "sync" << onOff(o["sync"]) << "angle-snapping"
         << onOff(o["angleSnapping"]) << "jitter" << onOff(o["jitter"]);
    const QJsonObject l = o["lighting"].toObject();
    args << "light" << l["effect"].toString();
    if (l.contains("color"))
        args << "color" << l["color"].toString().mid(1);
    for (const char* key : { "brightness", "speed" }) {
        if (l.contains(key))
            args << key << QString::number(l[key].toInt());
    }
    args << "sleep" << QString::number(l["sleep"].toInt()) << "light-off" << onOff(l["lightOff"]);
    for (const QJsonValue& v : o["buttons"].toArray())
        args << "button" << v["button"].toString() << v["function"].toString();
    return args;
}

} // namespace

class TestCtlSet : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (ctlProgram().isEmpty())
            QSKIP("mousecfgctl is not built");
    }

    void eachKindReachesMouseAndFiles_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < setCases().size(); ++i)
            QTest::newRow(setCases()[i].name) << i;
    }

    // The mouse and the files after set equal those of the window's full apply of the same edit.
    void eachKindReachesMouseAndFiles()
    {
        QFETCH(int, index);
        const SetCase& c = setCases()[index];
        QTemporaryDir states;
        const QString viaSet = states.filePath("set.state");
        const QString viaWindow = states.filePath("window.state");

        TestAppDir dir(true);
        addMacro();
        QCOMPARE(runCtl(dir, { "apply", "--full" }, withState(viaSet)).code, 0);
        MouseConfig expected;
        loadAll(expected);
        c.edit(expected);
        alignActiveProfile(expected);
        const CtlRun run = runCtl(dir, QStringList { "set" } + c.arguments, withState(viaSet));
        QVERIFY2(run.code == 0, qPrintable(run.out));
        MouseConfig actual;
        loadAll(actual);
        QVERIFY(actual == expected);

        TestAppDir window(true);
        addMacro();
        QCOMPARE(saveAll(expected), 0);
        QCOMPARE(runCtl(window, { "apply", "--full" }, withState(viaWindow)).code, 0);
        QCOMPARE(snapshot(dir.path() + "/Configs"), snapshot(window.path() + "/Configs"));
        QCOMPARE(mouseState(viaSet), mouseState(viaWindow));
    }

    void badValuesChangeNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("descriptionKey"); // a model switch set to 1 first
        QTest::addColumn<QString>("names");
        QTest::newRow("rate") << QStringList { "rate", "300" } << ""
                              << "125, 250, 500, 1000";
        QTest::newRow("stage") << QStringList { "dpi", "9", "800" } << ""
                               << "1 to 6";
        QTest::newRow("dpi") << QStringList { "dpi", "1", "99999" } << ""
                             << "50 to 26000";
        QTest::newRow("two axes on a one-value sensor") << QStringList { "dpi", "1", "800x1600" } << ""
                                                        << "one DPI value";
        QTest::newRow("later pair bad") << QStringList { "rate", "1000", "scroll", "21" } << ""
                                        << "1 to 20";
        QTest::newRow("colour of an effect without one") << QStringList { "light", "rainbow", "color", "00ff00" } << ""
                                                         << "no colour";
        QTest::newRow("unknown effect") << QStringList { "light", "disco" } << ""
                                        << "breathing";
        QTest::newRow("last left click") << QStringList { "button", "1", "disable" } << ""
                                         << "AT LEAST ONE CLICK";
        QTest::newRow("not on the wheel menu") << QStringList { "button", "wheel-up", "dpi+" } << ""
                                               << "volume-up";
        QTest::newRow("unknown key") << QStringList { "button", "3", "key:F99" } << ""
                                     << "unknown key";
        QTest::newRow("unknown macro") << QStringList { "button", "3", "macro:nope" } << ""
                                       << "no macro";
        QTest::newRow("hidden button") << QStringList { "button", "8", "left" } << ""
                                       << "wheel-up";
        QTest::newRow("unknown setting") << QStringList { "volume", "3" } << ""
                                         << "Unknown setting";
        QTest::newRow("missing value") << QStringList { "stage" } << ""
                                       << "stage takes N";
        QTest::newRow("model without lighting") << QStringList { "light", "breathing" } << "ledDisable"
                                                << "no light";
        QTest::newRow("model without sync") << QStringList { "sync", "on" } << "SyncMode=0"
                                            << "no sync";
    }

    void badValuesChangeNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, descriptionKey);
        QFETCH(QString, names);
        TestAppDir dir(true);
        if (!descriptionKey.isEmpty()) {
            const QStringList kv = (descriptionKey + "=1").split('=');
            QSettings(dir.file("DefaultProfile.bin"), QSettings::IniFormat).setValue("PROFILE/" + kv[0], kv[1]);
        }
        QCOMPARE(runCtl(dir, { "set", "scroll", "3", "--no-apply" }).code, 0); // files exist from here on
        const auto before = snapshot(dir.path());
        const CtlRun run = runCtl(dir, QStringList { "set" } + arguments);
        QCOMPARE(run.code, 64);
        QVERIFY2(run.out.contains(names), qPrintable(run.out));
        QCOMPARE(snapshot(dir.path()), before);
        QVERIFY2(!run.log.contains("> "), "nothing is sent");
    }

    void getOutputSetsTheSameConfiguration()
    {
        TestAppDir edited(true);
        const CtlRun set = runCtl(edited,
            { "set", "--no-apply", "dpi", "1", "450", "stage", "2", "stages", "3", "rate", "500", "scroll", "4",
                "jitter", "off", "light", "full-lighted", "color", "123456", "brightness", "2", "sleep", "3", "button",
                "5", "combo:alt+Tab", "button", "6", "fire:F5:times=9", "button", "7", "key:PageUp" });
        QVERIFY2(set.code == 0, qPrintable(set.out));
        const CtlRun get = runCtl(edited, { "get", "--json" });
        QCOMPARE(get.code, 0);
        const QJsonObject o = QJsonDocument::fromJson(get.out.section('\n', 0, 0).toUtf8()).object();
        QVERIFY2(!o.isEmpty(), qPrintable(get.out));

        TestAppDir fresh(true);
        const CtlRun again = runCtl(fresh, QStringList { "set", "--no-apply" } + setArgumentsOf(o));
        QVERIFY2(again.code == 0, qPrintable(again.out));
        QCOMPARE(snapshot(fresh.path() + "/Configs"), snapshot(edited.path() + "/Configs"));
    }

    void windowLockKeepsWritersOut()
    {
        TestAppDir dir(true);
        QCOMPARE(runCtl(dir, { "set", "scroll", "3" }).code, 0);
        // The runtime folder the runs of this directory use (ctlRunner).
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.file("runtime")));
        const QString path = SingleInstance::lockFilePath(productName());
        QVERIFY(path.startsWith(dir.file("runtime")));
        const auto before = snapshot(dir.path());
        {
            QLockFile window(path);
            QVERIFY(window.tryLock(0));
            for (const QStringList& writer :
                { QStringList { "set", "scroll", "5" }, QStringList { "apply" }, QStringList { "profile", "2" } }) {
                const CtlRun run = runCtl(dir, writer);
                QCOMPARE(run.code, 8);
                QVERIFY2(run.out.contains("window is running"), qPrintable(run.out));
            }
            QCOMPARE(snapshot(dir.path()), before);
            QCOMPARE(runCtl(dir, { "get" }).code, 0);
            QCOMPARE(runCtl(dir, { "status" }).code, 0);
        }
        // A lock left by a window that died does not keep anyone out.
        QFile stale(path);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("2147480000\nmousecfg\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();
        QCOMPARE(runCtl(dir, { "set", "scroll", "5" }).code, 0);
        QVERIFY(!QFile::exists(path));
        qunsetenv("XDG_RUNTIME_DIR");
    }
};

QTEST_GUILESS_MAIN(TestCtlSet)
#include "TestCtlSet.moc"

// Macro files: event encoding, load/save cycle, dropped rows, registry, naming, import/export.
#include "support/TestAppDir.h"

#include "store/MouseConfig.h"
#include "store/macroFiles.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

namespace {

constexpr int kRowsCount = std::numeric_limits<int>::min();

// Writes rows as a foreign program would; Count is the number of rows unless given.
void writeRows(const QString& path, const QVector<MacroEvent>& rows, int count = kRowsCount)
{
    QSettings s(path, QSettings::IniFormat);
    s.setValue("Setting/Count", count == kRowsCount ? rows.size() : count);
    for (int i = 0; i < rows.size(); ++i) {
        s.setValue(QString("Setting/Map_%1").arg(i), rows[i].map);
        s.setValue(QString("Setting/DataH_%1").arg(i), rows[i].dataH);
        s.setValue(QString("Setting/DataL_%1").arg(i), rows[i].dataL);
    }
}

QVector<MacroEvent> manyKeyRows(int n)
{
    QVector<MacroEvent> rows;
    for (int i = 0; i < n; ++i)
        rows.append(MacroEvent::key(quint8(4 + i % 26), i % 2 == 0));
    return rows;
}

} // namespace

class TestMacroFiles : public QObject {
    Q_OBJECT

private slots:
    void moveRowsReadBothWays_data();
    void moveRowsReadBothWays();
    void moveEncodingClampsDistance();
    void delaysCountInUnitsAndClamp();
    void delayUnitFromDescription();
    void saveLoadCycleKeepsRows();
    void loadDropsUnknownAndDoubleButtonRows();
    void loadKeepsFirst63Rows();
    void hostileCountDoesNotHang();
    void saveDropsStaleRowsAndMarksWriteSign();
    void copyIntoButtonKeepsLaterEntries();
    void refusesNamesLeavingTheFolder();
    void registryFillsHolesAndStopsAt50();
    void renameInRegistryAndOnDisk();
    void newNameTakesFirstFreeNumber();
    void freeNameAppendsSuffix();
    void importCopiesWithoutOverwriting();
    void importRefusesNonMacroAndCutsLongFiles();
    void exportReplacesTargetAndSurvivesSelfCopy();
};

void TestMacroFiles::moveRowsReadBothWays_data()
{
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("l");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("distance");
    QTest::newRow("left 20") << 0 << 236 << int(MoveDirection::Left) << 20;
    QTest::newRow("right 7") << 0 << 7 << int(MoveDirection::Right) << 7;
    QTest::newRow("down 20") << 20 << 0 << int(MoveDirection::Down) << 20;
    QTest::newRow("up 120") << 136 << 0 << int(MoveDirection::Up) << 120;
    QTest::newRow("both axes") << 5 << 5 << int(MoveDirection::Left) << 0;
}

void TestMacroFiles::moveRowsReadBothWays()
{
    QFETCH(int, h);
    QFETCH(int, l);
    QFETCH(int, direction);
    QFETCH(int, distance);
    const MacroMove m = decodeMove({ MAP_MOVE, quint8(h), quint8(l) });
    QCOMPARE(int(m.direction), direction);
    QCOMPARE(m.distance, distance);
    if (distance > 0) // encoding the reading gives the row back
        QCOMPARE(MacroEvent::move(m.direction, m.distance), (MacroEvent { MAP_MOVE, quint8(h), quint8(l) }));
}

void TestMacroFiles::moveEncodingClampsDistance()
{
    QCOMPARE(MacroEvent::move(MoveDirection::Left, 500), (MacroEvent { MAP_MOVE, 0, 136 }));
    QCOMPARE(MacroEvent::move(MoveDirection::Up, 0), (MacroEvent { MAP_MOVE, 0, 0 }));
    QCOMPARE(MacroEvent::move(MoveDirection::Down, -4), (MacroEvent { MAP_MOVE, 0, 0 }));
}

void TestMacroFiles::delaysCountInUnitsAndClamp()
{
    QCOMPARE(MacroEvent::delay(1000, 10), (MacroEvent { MAP_DELAY, 0, 100 }));
    QCOMPARE(MacroEvent::delay(15, 10), (MacroEvent { MAP_DELAY, 0, 1 }));
    QCOMPARE(MacroEvent::delay(5000, 10), (MacroEvent { MAP_DELAY, 1, 244 }));
    QCOMPARE(delayMilliseconds(MacroEvent::delay(5000, 10), 10), 5000);
    // Too long for two bytes: the largest count, not the remainder.
    QCOMPARE(MacroEvent::delay(655360, 10), (MacroEvent { MAP_DELAY, 255, 255 }));
    QCOMPARE(MacroEvent::delay(qint64(1) << 40, 10), (MacroEvent { MAP_DELAY, 255, 255 }));
    QCOMPARE(MacroEvent::delay(-30, 10), (MacroEvent { MAP_DELAY, 0, 0 }));
    QCOMPARE(MacroEvent::delay(30, 0).dataL, quint8(30));
}

void TestMacroFiles::delayUnitFromDescription()
{
    TestAppDir dir;
    QCOMPARE(macroDelayUnit(), 10);
    dir.write("DefaultProfile.bin", "[PROFILE]\nMinDelay=5\n");
    QCOMPARE(macroDelayUnit(), 5);
    // A different size, so the settings cache sees a changed file within the same second.
    dir.write("DefaultProfile.bin", "[PROFILE]\nMinDelay=-30\n");
    QCOMPARE(macroDelayUnit(), 10);
}

void TestMacroFiles::saveLoadCycleKeepsRows()
{
    TestAppDir dir;
    Macro m;
    m.delayType = DELAY_RECORDED;
    m.loopType = LOOP_UNTIL_DOWN;
    m.defaultDelay = "10";
    m.loopTime = "3";
    m.events = { MacroEvent::button(0, true), MacroEvent::delay(30, 10), MacroEvent::button(0, false),
        MacroEvent::key(4, true), MacroEvent::key(4, false), MacroEvent::move(MoveDirection::Left, 20),
        MacroEvent::move(MoveDirection::Up, 3) };
    QCOMPARE(saveMacro("cycle", m), 0);

    Macro loaded;
    QCOMPARE(loadMacro("cycle", loaded), 0);
    QCOMPARE(loaded.events, m.events);
    QCOMPARE(loaded.delayType, int(DELAY_RECORDED));
    QCOMPARE(loaded.loopType, int(LOOP_UNTIL_DOWN));
    QCOMPARE(loaded.defaultDelay, QString("10"));
    QCOMPARE(loaded.loopTime, QString("3"));
    QCOMPARE(loaded.events[0].map, quint8(129));
    QCOMPARE(loaded.events[2].map, quint8(1));

    QCOMPARE(saveMacro("cycle", loaded), 0);
    QCOMPARE(readMacroRows("cycle"), m.events);
    QSettings s(macroFilePath("cycle"), QSettings::IniFormat);
    QCOMPARE(s.value("Setting/MacroFilePath").toString(), macroFilePath("cycle"));
    QCOMPARE(s.value("Setting/Map_5").toString(), QString("2"));
    QCOMPARE(s.value("Setting/DataL_5").toString(), QString("236"));

    Macro missing;
    QCOMPARE(loadMacro("nothing", missing), -1);
    QVERIFY(missing.events.isEmpty());
    QVERIFY(missing.defaultDelay.isEmpty());
}

void TestMacroFiles::loadDropsUnknownAndDoubleButtonRows()
{
    TestAppDir dir;
    QDir().mkpath(macroFolder());
    writeRows(macroFilePath("raw"),
        { { 0x81, 0, 3 }, // two buttons at once
            { 0x81, 7, 2 }, // right press; DataH is not kept
            { 0x09, 1, 1 }, // unknown type
            { 0x82, 5, 5 }, // both axes: a move of 0
            { 0x86, 1, 2 }, // delay, press bit ignored
            { 0x84, 9, 30 }, // key press, DataH cleared
            { 0x01, 0, 32 } }); // button bit out of range
    Macro m;
    QCOMPARE(loadMacro("raw", m), 0);
    const QVector<MacroEvent> expected { { 0x81, 0, 2 }, { MAP_MOVE, 0, 0 }, { MAP_DELAY, 1, 2 }, { 0x84, 0, 30 } };
    QCOMPARE(m.events, expected);
}

void TestMacroFiles::loadKeepsFirst63Rows()
{
    TestAppDir dir;
    QDir().mkpath(macroFolder());
    const QVector<MacroEvent> rows = manyKeyRows(70);
    writeRows(macroFilePath("long"), rows);
    Macro m;
    bool truncated = false;
    QCOMPARE(loadMacro("long", m, &truncated), 0);
    QVERIFY(truncated);
    QCOMPARE(m.events, rows.mid(0, 63));

    writeRows(macroFilePath("exact"), rows.mid(0, 63));
    QCOMPARE(loadMacro("exact", m, &truncated), 0);
    QVERIFY(!truncated);
    QCOMPARE(m.events.size(), 63);

    // Saving never writes more than 63.
    Macro big;
    big.events = rows;
    QCOMPARE(saveMacro("big", big), 0);
    QCOMPARE(QSettings(macroFilePath("big"), QSettings::IniFormat).value("Setting/Count").toInt(), 63);
}

void TestMacroFiles::hostileCountDoesNotHang()
{
    TestAppDir dir;
    QDir().mkpath(macroFolder());
    writeRows(macroFilePath("huge"), { { 0x84, 0, 4 } }, 2000000000);
    Macro m;
    QCOMPARE(loadMacro("huge", m), 0);
    QCOMPARE(m.events.size(), 1);
    QCOMPARE(readMacroRows("huge").size(), 63);

    writeRows(macroFilePath("negative"), { { 0x84, 0, 4 } }, -5);
    QCOMPARE(loadMacro("negative", m), 0);
    QVERIFY(m.events.isEmpty());
    QVERIFY(readMacroRows("negative").isEmpty());

    const char garbage[] = "\x01\x02[[[=\xff\n\n=";
    dir.write("Configs/MacroDB/garbage.MSMACRO", QByteArray(garbage, sizeof garbage - 1));
    QCOMPARE(loadMacro("garbage", m), 0);
    QVERIFY(m.events.isEmpty());
}

void TestMacroFiles::saveDropsStaleRowsAndMarksWriteSign()
{
    TestAppDir dir;
    Macro m;
    m.events = manyKeyRows(10);
    QCOMPARE(saveMacro("shrink", m), 0);
    m.events.resize(2);
    QCOMPARE(saveMacro("shrink", m), 0);
    QSettings s(macroFilePath("shrink"), QSettings::IniFormat);
    QVERIFY(!s.contains("Setting/Map_2"));
    QVERIFY(!s.contains("Setting/DataL_9"));
    QVERIFY(s.contains("Setting/Map_1"));

    QCOMPARE(macroWriteSign("shrink"), 1);
    clearMacroWriteSign("shrink");
    QCOMPARE(macroWriteSign("shrink"), 0);
    clearMacroWriteSign("absent");
    QVERIFY(!macroFileExists("absent"));
    QCOMPARE(macroWriteSign("absent"), 0);
}

void TestMacroFiles::copyIntoButtonKeepsLaterEntries()
{
    TestAppDir dir;
    Macro m;
    m.events = { MacroEvent::key(4, true), MacroEvent::delay(20, 10), MacroEvent::key(4, false),
        MacroEvent::move(MoveDirection::Down, 9), MacroEvent::button(2, true) };
    QCOMPARE(saveMacro("five", m), 0);

    ButtonInfo b;
    for (KeyInfo& k : b.keyInfo)
        k = { 0xEE, 0xEE, 0xEE };
    bool truncated = true;
    QCOMPARE(copyMacroToButton("five", b, &truncated), 0);
    QVERIFY(!truncated);
    QCOMPARE(b.KeyNumber, 5);
    QCOMPARE(b.keyInfo[1].map, quint8(6));
    QCOMPARE(b.keyInfo[1].L, quint8(2));
    QCOMPARE(b.keyInfo[3].H, quint8(9));
    QCOMPARE(b.keyInfo[4].L, quint8(2)); // RIGHT is bit 2, third in the editor's order
    QCOMPARE(b.keyInfo[5].map, quint8(0xEE));

    QDir().mkpath(macroFolder());
    writeRows(macroFilePath("long"), manyKeyRows(70));
    QCOMPARE(copyMacroToButton("long", b, &truncated), 0);
    QVERIFY(truncated);
    QCOMPARE(b.KeyNumber, 63);
    QCOMPARE(copyMacroToButton("missing", b), -1);
    QCOMPARE(b.KeyNumber, 0);
}

void TestMacroFiles::refusesNamesLeavingTheFolder()
{
    TestAppDir dir;
    const QStringList bad { "", "   ", ".", "..", "../escape", "a/b", "a\\b", QString("nul\x01l"), QString(101, 'x') };
    for (const QString& name : bad) {
        QVERIFY2(!isValidMacroName(name), qPrintable(name));
        QCOMPARE(saveMacro(name, Macro()), -1);
        QCOMPARE(deleteMacroFile(name), -1);
    }
    QVERIFY(!QFile::exists(dir.file("Configs/escape.MSMACRO")));
    QVERIFY(isValidMacroName("Fire burst 2"));
    QVERIFY(isValidMacroName(QString::fromUtf8("宏 é")));
    QCOMPARE(saveMacro("ok", Macro()), 0);
    QCOMPARE(renameMacroFile("ok", "../out"), -1);
    QVERIFY(macroFileExists("ok"));
}

void TestMacroFiles::registryFillsHolesAndStopsAt50()
{
    TestAppDir dir;
    for (int i = 0; i < 10; ++i)
        QCOMPARE(registerMacro(QString("m%1").arg(i)), i);
    QCOMPARE(unregisterMacro("m3"), 3);
    QCOMPARE(macroListSlots().at(3), QString());
    QCOMPARE(macroListCount(), 9);
    QCOMPARE(macroListNames().at(3), QString("m4"));
    QCOMPARE(registerMacro("fresh"), 3);
    QCOMPARE(macroListNames().at(3), QString("fresh"));
    QCOMPARE(unregisterMacro("unknown"), -1);

    for (int i = 10; i < MACRO_LIST_SLOTS; ++i)
        registerMacro(QString("m%1").arg(i));
    QCOMPARE(macroListCount(), 50);
    QCOMPARE(registerMacro("one too many"), -1);
    QVERIFY(!macroListNames().contains("one too many"));
}

void TestMacroFiles::renameInRegistryAndOnDisk()
{
    TestAppDir dir;
    registerMacro("a");
    registerMacro("b");
    registerMacro("a");
    renameMacroInList("a", "c");
    QCOMPARE(macroListNames(), (QStringList { "c", "b", "c" }));

    QCOMPARE(saveMacro("old", Macro()), 0);
    QCOMPARE(saveMacro("taken", Macro()), 0);
    QCOMPARE(renameMacroFile("old", "taken"), -1);
    QCOMPARE(renameMacroFile("old", "new"), 0);
    QVERIFY(!macroFileExists("old"));
    QCOMPARE(QSettings(macroFilePath("new"), QSettings::IniFormat).value("Setting/MacroFilePath").toString(),
        macroFilePath("new"));
}

void TestMacroFiles::newNameTakesFirstFreeNumber()
{
    TestAppDir dir;
    QCOMPARE(nextNewMacroName(), QString("name_1"));
    saveMacro("name_1", Macro());
    saveMacro("name_3", Macro());
    QCOMPARE(nextNewMacroName(), QString("name_2"));
}

void TestMacroFiles::freeNameAppendsSuffix()
{
    TestAppDir dir;
    QCOMPARE(freeMacroName("X"), QString("X"));
    saveMacro("X", Macro());
    QCOMPARE(freeMacroName("X"), QString("X_2"));
    saveMacro("X_2", Macro());
    QCOMPARE(freeMacroName("X"), QString("X_3"));
}

void TestMacroFiles::importCopiesWithoutOverwriting()
{
    TestAppDir dir;
    QTemporaryDir outside;
    Macro m;
    m.events = { MacroEvent::key(5, true) };
    const QString src = outside.filePath("shared.MSMACRO");
    writeRows(src, m.events);

    QString name;
    QCOMPARE(importMacroFile(src, &name), IMPORT_OK);
    QCOMPARE(name, QString("shared"));
    QCOMPARE(readMacroRows("shared"), m.events);

    writeRows(src, { MacroEvent::key(6, true) });
    QCOMPARE(importMacroFile(src, &name), IMPORT_EXISTS);
    QCOMPARE(readMacroRows("shared"), m.events);
    QCOMPARE(importMacroFile(outside.filePath("missing.MSMACRO")), IMPORT_UNREADABLE);
}

void TestMacroFiles::importRefusesNonMacroAndCutsLongFiles()
{
    TestAppDir dir;
    QTemporaryDir outside;
    QFile f(outside.filePath("photo.MSMACRO"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(2048, '\x89'));
    f.close();
    QCOMPARE(importMacroFile(f.fileName()), IMPORT_UNREADABLE);
    QVERIFY(!macroFileExists("photo"));

    const QString longFile = outside.filePath("long.MSMACRO");
    writeRows(longFile, manyKeyRows(80));
    bool truncated = false;
    QCOMPARE(importMacroFile(longFile, nullptr, &truncated), IMPORT_OK);
    QVERIFY(truncated);
    int count = 0;
    QCOMPARE(readMacroRows("long", 1000, &count).size(), 63);
    QCOMPARE(count, 63);
    QVERIFY(!QSettings(macroFilePath("long"), QSettings::IniFormat).contains("Setting/Map_63"));
}

void TestMacroFiles::exportReplacesTargetAndSurvivesSelfCopy()
{
    TestAppDir dir;
    QTemporaryDir outside;
    Macro m;
    m.events = { MacroEvent::key(7, true), MacroEvent::key(7, false) };
    QCOMPARE(saveMacro("out", m), 0);
    const QString target = outside.filePath("copy.MSMACRO");
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("stale");
    old.close();
    QCOMPARE(exportMacroFile("out", target), 0);
    QCOMPARE(QSettings(target, QSettings::IniFormat).value("Setting/Count").toInt(), 2);

    QCOMPARE(exportMacroFile("out", macroFilePath("out")), 0);
    QCOMPARE(readMacroRows("out"), m.events);
    QCOMPARE(exportMacroFile("missing", target), -1);
    QVERIFY(QFile::exists(target));
}

QTEST_GUILESS_MAIN(TestMacroFiles)
#include "TestMacroFiles.moc"

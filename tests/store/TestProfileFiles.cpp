// Profile files and whole-configuration files: round trips, missing data, reset, export/import, safety.
#include "support/TestAppDir.h"
#include "support/storeSamples.h"

#include "store/deviceDescription.h"
#include "store/fileProblems.h"
#include "store/iniFile.h"
#include "store/profileFiles.h"
#include "store/settings.h"

#include <QDir>
#include <QSettings>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

class TestProfileFiles : public QObject {
    Q_OBJECT

    static ProfileData factoryProfile()
    {
        ProfileData p;
        makeDefaultProfile(p);
        return p;
    }

    static quint64 inodeOf(const QString& path)
    {
        struct stat st = {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? quint64(st.st_ino) : 0;
    }

private slots:
    void profileRoundTripKeepsEveryField()
    {
        TestAppDir dir;
        const ProfileData written = storeSampleProfile(7);
        const QString path = dir.file("out/p.prof");
        QCOMPARE(writeProfile(written, path), 0);
        ProfileData read;
        QCOMPARE(readProfile(read, path), 0);
        QVERIFY(read == written);
        QCOMPARE(read.lighting[5].RGB, written.lighting[5].RGB);
        QCOMPARE(read.lighting[5].RGB.alpha(), written.lighting[5].RGB.alpha());
        const QSettings s(path, QSettings::IniFormat);
        QCOMPARE(s.allKeys().size(), PROFILE_KEY_COUNT);
        QVERIFY(s.contains("PROFILE/BUTTON_INFO_41_KeyInfo_62_"));
        QVERIFY(s.contains("PROFILE/LedMode/LED_MODE_13_breath"));
        QCOMPARE(s.value("PROFILE/BUTTON_INFO_3_ID").toInt(), -3 - 7);
        QCOMPARE(s.value("PROFILE/DPI_INFO_0_y").toString(), QStringLiteral("4000000000"));
    }

    void invalidColoursSurviveARoundTrip()
    {
        TestAppDir dir;
        const ProfileData blank;
        QCOMPARE(saveProfileFile(blank, "Blank"), 0);
        ProfileData read = storeSampleProfile(1);
        QCOMPARE(loadProfileFile(read, "Blank"), 0);
        QVERIFY(read == blank);
        QVERIFY(!read.lighting[0].RGB.isValid());
    }

    void missingFileReadsAsFactoryAndMissingKeysAsZero()
    {
        TestAppDir dir;
        ProfileData p = storeSampleProfile(2);
        QCOMPARE(loadProfileFile(p, "Nothing here"), -1);
        QVERIFY(p == factoryProfile());
        dir.write("Configs/Profile/Partial.prof",
            "[PROFILE]\ndpi=3\nBUTTON_INFO_2_Fun=abc\nLedMode=12\npollrate=257\nBUTTON_INFO_0_Fun=-5\n");
        p = storeSampleProfile(2);
        QCOMPARE(loadProfileFile(p, "Partial"), 0);
        QCOMPARE(int(p.dpi), 3);
        QCOMPARE(int(p.LedMode), 12);
        QCOMPARE(p.buttons[2].Fun, 0);
        QCOMPARE(int(p.pollrate), 1); // the low byte
        QCOMPARE(p.buttons[0].Fun, -5);
        for (const LedModeInfo& led : p.lighting) {
            QVERIFY(!led.RGB.isValid());
            QCOMPARE(led.h + led.s + led.v + led.bright + led.breath, 0u);
        }
    }

    void setProfileDpiTouchesOnlyDpi()
    {
        TestAppDir dir;
        const ProfileData written = storeSampleProfile(3);
        saveProfileFile(written, "Game");
        QCOMPARE(setProfileDpi("Game", 6), 0);
        ProfileData read;
        loadProfileFile(read, "Game");
        QCOMPARE(int(read.dpi), 6);
        read.dpi = written.dpi;
        QVERIFY(read == written);
    }

    void unsafeNamesNeverLeaveTheFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent") << "..";
        QTest::newRow("empty") << "";
        QTest::newRow("slash") << "../Config";
        QTest::newRow("absolute") << "/tmp/evil";
        QTest::newRow("backslash") << "..\\Config";
        QTest::newRow("control") << "bad\nname";
        QTest::newRow("too long") << QString(300, QChar('a'));
    }

    void unsafeNamesNeverLeaveTheFolder()
    {
        QFETCH(QString, name);
        TestAppDir dir;
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QCOMPARE(workingProfilePath(name), QString());
        QCOMPARE(saveProfileFile(storeSampleProfile(1), name), -1);
        QCOMPARE(setProfileDpi(name, 3), -1);
        ProfileData p = storeSampleProfile(1);
        QCOMPARE(loadProfileFile(p, name), -1);
        QVERIFY(p == factoryProfile());
        QVERIFY(!QFile::exists("/tmp/evil.prof"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        QVERIFY(!QFile::exists(dir.file("Configs/Profile")));
    }

    void libraryPathsFollowTheProduct()
    {
        TestAppDir dir;
        setCurrentProductName("Kestrel M7");
        QCOMPARE(libraryProfilePath("Night"), dir.file("Configs/Kestrel M7/Profile/Night.prof"));
        setCurrentProductName("../..");
        QCOMPARE(libraryProfileDir(), QString());
        QCOMPARE(libraryProfilePath("Night"), QString());
    }

    void writesReplaceTheFileAtomically()
    {
        // A save writes a new file and renames it over the old one: a hard link to the old file
        // keeps the old content, which a write in place (that a crash could truncate) would not.
        TestAppDir dir;
        const ProfileData first = storeSampleProfile(1);
        saveProfileFile(first, "Atomic");
        const QString path = workingProfilePath("Atomic");
        const QString link = dir.file("old-link.prof");
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()), 0);
        const quint64 before = inodeOf(path);
        QCOMPARE(saveProfileFile(storeSampleProfile(2), "Atomic"), 0);
        QVERIFY(inodeOf(path) != before);
        ProfileData old;
        readProfile(old, link);
        QVERIFY(old == first);
        ProfileData now;
        readProfile(now, path);
        QVERIFY(now == storeSampleProfile(2));
        // The same holds for the settings file.
        saveAll(storeSampleConfig());
        const quint64 iniBefore = inodeOf(configIniPath());
        setDiffFlag(1);
        QVERIFY(inodeOf(configIniPath()) != iniBefore);
        QVERIFY(QDir(dir.file("Configs/Profile")).entryList({ "*.lock", "*~", "*.tmp" }, QDir::Files).isEmpty());
    }

    void failedWriteIsReported()
    {
        TestAppDir dir;
        dir.write("Configs/Profile", "x"); // a file where the folder should be
        QCOMPARE(saveProfileFile(storeSampleProfile(1), "Blocker"), -1);
        QCOMPARE(takeFileProblemTexts(),
            QStringList { dir.file("Configs/Profile/Blocker.prof") + " could not be written." });
    }

    void hostileProfileFilesReadWithoutHarm_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("result");
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe[\x00]\n=\n\xff=\xff", 14) << -2;
        QTest::newRow("broken sections") << QByteArray("[PROFILE\n[[PROFILE]]\n]\n[PROFILE]dpi=2\n") << -2;
        QTest::newRow("variant garbage") << QByteArray(
            "[PROFILE]\nBUTTON_INFO_0_Fun=1\nLedMode\\LED_MODE_0_RGB=@Variant(\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xff)"
            "\n"
            "LedMode\\LED_MODE_1_RGB=@Variant(\\0\\0\\0\\f\\xff\\xff\\xff\\xf0)\n"
            "LedMode\\LED_MODE_2_RGB=@ByteArray(\\0\\0)\nProfileName=@Variant(\\0\\0\\0\\n\\x7f\\xff\\xff\\xff)\n"
            "BUTTON_INFO_0_macroname=@Rect(1 2 3)\nBUTTON_INFO_1_macroname=@Invalid()\n")
                                         << 0;
        QTest::newRow("huge numbers") << QByteArray("[PROFILE]\nBUTTON_INFO_0_Fun=1\ndpi=99999999999999999999999\n"
                                                    "DPI_INFO_0_x=-1\nBUTTON_INFO_0_KeyNumber=1e9\n")
                                      << 0;
        QTest::newRow("long line") << QByteArray("[PROFILE]\nBUTTON_INFO_0_Fun=1\nProfileName=")
                + QByteArray(1 << 20, 'x')
                                   << 0;
        QTest::newRow("no button block") << QByteArray("[PROFILE]\ndpi=3\n") << -2;
    }

    void hostileProfileFilesReadWithoutHarm()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, result);
        TestAppDir dir;
        dir.write("Configs/Profile/Hostile.prof", content);
        ProfileData p;
        QCOMPARE(loadProfileFile(p, "Hostile"), result);
        if (result != 0)
            QVERIFY(p == factoryProfile());
        // Overwriting it with a good profile gives a good file.
        QCOMPARE(saveProfileFile(storeSampleProfile(4), "Hostile"), 0);
        ProfileData back;
        loadProfileFile(back, "Hostile");
        QVERIFY(back == storeSampleProfile(4));
    }

    void oversizedFileReadsAsFactory()
    {
        TestAppDir dir;
        QFile f(dir.file("Configs/Profile/Big.prof"));
        QDir().mkpath(dir.file("Configs/Profile"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[PROFILE]\ndpi=3\n");
        f.resize(MAX_INI_BYTES + 1);
        f.close();
        ProfileData p = storeSampleProfile(1);
        QCOMPARE(loadProfileFile(p, "Big"), -2);
        QVERIFY(p == factoryProfile());
    }

    void defaultProfileFileFollowsTheDescription()
    {
        TestAppDir dir(true);
        QCOMPARE(writeDefaultProfileFile(), 0);
        ProfileData fromFile;
        QCOMPARE(readProfile(fromFile, dir.file("Configs/Profile/DefaultProfile.prof")), 0);
        ProfileData expected;
        makeDefaultProfile(expected);
        QVERIFY(fromFile == expected);
    }

    void resetAllResetsFirstProfileAndSensor()
    {
        TestAppDir dir(true);
        MouseConfig c = storeSampleConfig();
        const MouseConfig before = c;
        resetAll(c);
        ProfileData factory;
        makeDefaultProfile(factory);
        QVERIFY(c.profiles[0] == factory);
        for (int i = 1; i < PROFILE_COUNT; ++i)
            QVERIFY(c.profiles[i] == before.profiles[i]);
        QCOMPARE(int(c.ProfileID), 0);
        QCOMPARE(int(c.Count), int(before.Count));
        SensorBytes sensor;
        QCOMPARE(readSensorDefaults(sensor), 0);
        QCOMPARE(c.LiftHigh, sensor[SENSOR_LIFT]);
        QCOMPARE(c.Debounce, sensor[SENSOR_DEBOUNCE]);
        QCOMPARE(c.SensorMode, sensor[SENSOR_MODE]);
        QCOMPARE(int(c.Debounce), 8);
        for (int i = 0; i < PROFILE_COUNT; ++i)
            QCOMPARE(c.profileNames[i], QStringLiteral("Profile %1").arg(i + 1));
    }

    void exportThenImportRestoresTheConfiguration()
    {
        TestAppDir dir;
        setCurrentProductName("Kestrel M7");
        const MouseConfig exported = storeSampleConfig(3);
        const QString path = dir.file("saved.conf");
        QCOMPARE(exportConfig(exported, path), 0);
        QCOMPARE(readProductTag(path), QStringLiteral("Kestrel M7"));

        MouseConfig imported = storeSampleConfig(40);
        const MouseConfig before = imported;
        QCOMPARE(importConfig(imported, path), 0);
        for (int i = 0; i < PROFILE_COUNT; ++i) {
            QCOMPARE(imported.profileNames[i], exported.profileNames[i]);
            // Sleep settings stay as they were in memory; everything else comes from the file.
            QCOMPARE(imported.profiles[i].LedMoveOFF, before.profiles[i].LedMoveOFF);
            QCOMPARE(imported.profiles[i].LedSleepTime, before.profiles[i].LedSleepTime);
            ProfileData expected = exported.profiles[i];
            expected.LedMoveOFF = before.profiles[i].LedMoveOFF;
            expected.LedSleepTime = before.profiles[i].LedSleepTime;
            QVERIFY(imported.profiles[i] == expected);
        }
        QCOMPARE(imported.ProfileID, exported.ProfileID);
        QCOMPARE(imported.Count, exported.Count);
        QCOMPARE(imported.Jitter, exported.Jitter);
        QCOMPARE(imported.SensorMode, exported.SensorMode);
        const QSettings s(path, QSettings::IniFormat);
        QVERIFY(!s.contains("PROFILE_0/LedMoveOFF"));
        QVERIFY(!s.contains("PROFILE_0/LedSleepTime"));
    }

    void exportReplacesTheChosenFile()
    {
        TestAppDir dir;
        dir.write("old.conf", "[Junk]\nkey=1\n[PROFILE_9]\ndpi=1\n");
        QCOMPARE(exportConfig(storeSampleConfig(), dir.file("old.conf")), 0);
        const QSettings s(dir.file("old.conf"), QSettings::IniFormat);
        QVERIFY(!s.contains("Junk/key"));
        QVERIFY(!s.childGroups().contains("PROFILE_9"));
    }

    void emptyExportPathWritesNothing()
    {
        TestAppDir dir;
        QCOMPARE(exportConfig(storeSampleConfig(), QString()), -1);
        QCOMPARE(writeProductTag("x", QString()), -1);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 0);
    }

    void importOfBadFilesLeavesTheRecordAlone()
    {
        TestAppDir dir;
        MouseConfig c = storeSampleConfig();
        const MouseConfig before = c;
        QCOMPARE(importConfig(c, dir.file("missing.conf")), -1);
        dir.write("partial.conf", "[MouseName]\nName=Kestrel M7\n[Config]\nProfileID=1\n[PROFILE_0]\ndpi=2\n");
        QCOMPARE(importConfig(c, dir.file("partial.conf")), -1);
        dir.write("binary.conf",
            QByteArray("\x7f"
                       "ELF\x02\x01\x01\0\0\0",
                10));
        QCOMPARE(importConfig(c, dir.file("binary.conf")), -1);
        QVERIFY(c == before);
    }

    void importRepairsUnsafeNamesAndProfileNumber()
    {
        TestAppDir dir;
        MouseConfig source = storeSampleConfig();
        const QString path = dir.file("hostile.conf");
        exportConfig(source, path);
        {
            QSettings s(path, QSettings::IniFormat);
            s.setValue("Config/ProfileID", 9);
            s.setValue("Config/Profile1", "../../escape");
            s.setValue("Config/Profile2", "");
            s.setValue("PROFILE_1/ProfileName", "Inner Name");
            s.setValue("Config/Profile3", "");
            s.setValue("PROFILE_2/ProfileName", "a/b");
        }
        MouseConfig c;
        QCOMPARE(importConfig(c, path), 0);
        QCOMPARE(int(c.ProfileID), 0);
        QCOMPARE(c.profileNames[0], source.profiles[0].ProfileName);
        QCOMPARE(c.profileNames[1], QStringLiteral("Inner Name"));
        QCOMPARE(c.profileNames[2], QStringLiteral("Profile 3"));
        QCOMPARE(c.profileNames[3], source.profileNames[3]);
    }
};

QTEST_GUILESS_MAIN(TestProfileFiles)
#include "TestProfileFiles.moc"

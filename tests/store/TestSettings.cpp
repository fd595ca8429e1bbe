// The application settings file: load/save sequences, single keys, accent colours and the product lists.
#include "support/TestAppDir.h"
#include "support/storeSamples.h"

#include "store/deviceDescription.h"
#include "store/fileProblems.h"
#include "store/profileFiles.h"
#include "store/settings.h"

#include <QSettings>
#include <QtTest>

#include <sys/stat.h>

class TestSettings : public QObject {
    Q_OBJECT

    static ProfileData factoryProfile(const QString& name)
    {
        ProfileData p;
        makeDefaultProfile(p);
        p.ProfileName = name;
        return p;
    }

    static QVariant iniValue(const TestAppDir& dir, const QString& key)
    {
        const QSettings s(dir.file("Configs/Config.ini"), QSettings::IniFormat);
        return s.value(key);
    }

private slots:
    void freshInstallationLoadsFactoryProfiles()
    {
        TestAppDir dir;
        MouseConfig c = storeSampleConfig();
        loadAll(c);
        for (int i = 0; i < PROFILE_COUNT; ++i) {
            QCOMPARE(c.profileNames[i], QStringLiteral("Profile %1").arg(i + 1));
            QVERIFY(c.profiles[i] == factoryProfile(c.profileNames[i]));
        }
        QCOMPARE(int(c.ProfileID), 0);
        QVERIFY(takeFileProblems().isEmpty()); // nothing to tell on a fresh installation
        QCOMPARE(diffFlag(), 0);
        QCOMPARE(batteryFullMillivolts(), 4200);
        setDiffFlag(1);
        QCOMPARE(diffFlag(), 1);
        QCOMPARE(sensorModel(), 0);
    }

    void saveAllThenLoadAllKeepsTheFirstProfile()
    {
        TestAppDir dir;
        MouseConfig c = storeSampleConfig();
        saveProfileNames(c);
        for (int i = 1; i < PROFILE_COUNT; ++i)
            saveProfileFile(c.profiles[i], c.profileNames[i]);
        c.profiles[0].dpi = 5;
        saveAll(c);
        MouseConfig back;
        loadAll(back);
        QVERIFY(back == c);
    }

    void saveAllWritesEveryNameAndItsFile()
    {
        TestAppDir dir;
        MouseConfig c = storeSampleConfig();
        QCOMPARE(saveProfileNames(c), 0);
        // The names are written after the files they name.
        for (int i = 0; i < PROFILE_COUNT; ++i)
            QVERIFY(QFile::exists(dir.file("Configs/Profile/" + c.profileNames[i] + ".prof")));
        c.profileNames[0] = "First";
        c.profileNames[3] = "Changed";
        QCOMPARE(saveAll(c), 0);
        QCOMPARE(iniValue(dir, "Config/Profile1").toString(), QStringLiteral("First"));
        QCOMPARE(iniValue(dir, "Config/Profile4").toString(), QStringLiteral("Changed"));
        QVERIFY(QFile::exists(dir.file("Configs/Profile/First.prof")));
        QVERIFY(QFile::exists(dir.file("Configs/Profile/Changed.prof")));
        QCOMPARE(iniValue(dir, "Config/Count").toInt(), 4);
        QCOMPARE(iniValue(dir, "Config/SensorMode").toInt(), 8);
        // Saved again unchanged, the settings file is not written (a write is a new file renamed over it).
        const auto inode = [&dir] {
            struct stat st {};
            return ::stat(QFile::encodeName(dir.file("Configs/Config.ini")).constData(), &st) == 0 ? st.st_ino : 0;
        };
        const auto before = inode();
        QCOMPARE(saveAll(c), 0);
        QCOMPARE(inode(), before);
        c.SensorMode = 9;
        QCOMPARE(saveAll(c), 0);
        QVERIFY(inode() != before);
        QCOMPARE(iniValue(dir, "Config/SensorMode").toInt(), 9);
    }

    void loadAllRefreshesTheButtonMatrix()
    {
        TestAppDir dir(true);
        setButtonMatrix(ButtonBytes {});
        MouseConfig c;
        loadAll(c);
        ButtonBytes expected;
        QCOMPARE(readButtonMatrix(expected), 0);
        QCOMPARE(buttonMatrix(), expected);
        QCOMPARE(buttonMatrix()[6], quint8(6));
    }

    void loadAllCopesWithHostileSettings()
    {
        TestAppDir dir;
        dir.write("Configs/Config.ini",
            "[Config]\nProfileID=7\nProfile1=../../../etc/passwd\nProfile2=Profile 2\nProfile3=a\\\\b\n"
            "AngleValue=banana\n");
        dir.write("Configs/Profile/Profile 2.prof", "[PROFILE]\nBUTTON_INFO_0_Fun=1\ndpi=4\n");
        MouseConfig c;
        loadAll(c);
        QCOMPARE(int(c.ProfileID), 0);
        QCOMPARE(int(c.AngleValue), 0);
        // Names that may not become file names are replaced; their profiles load as the factory one.
        QCOMPARE(c.profileNames[0], QStringLiteral("Profile 1"));
        QCOMPARE(c.profileNames[2], QStringLiteral("Profile 3"));
        QVERIFY(c.profiles[0] == factoryProfile("Profile 1"));
        QCOMPARE(int(c.profiles[1].dpi), 4);
        // Saving writes the settings but no file outside Configs/Profile.
        QCOMPARE(saveAll(c), 0);
        QVERIFY(!QFile::exists(dir.path() + "/../etc/passwd.prof"));
        QCOMPARE(iniValue(dir, "Config/ProfileID").toInt(), 0);
    }

    void ledVariantFollowsTheProduct()
    {
        TestAppDir dir;
        dir.write("Configs/Config.ini", "[MouseLEDMode]\nAlpha=2\nBeta%20One=3\n");
        setCurrentProductName("Alpha");
        QCOMPARE(ledVariant(), 2);
        setCurrentProductName("Beta One");
        QCOMPARE(ledVariant(), 3);
        setCurrentProductName("Gamma");
        QCOMPARE(ledVariant(), 0);
    }

    void aValueStoredAlreadyIsNotWrittenAgain()
    {
        TestAppDir dir;
        // A rewrite through QSettings would put the keys in its own order.
        const QByteArray text = "[Config]\nDiff=1\nCurrentProductName=Kestrel M7\n";
        dir.write("Configs/Config.ini", text);
        QCOMPARE(setDiffFlag(1), 0);
        QCOMPARE(setCurrentProductName("Kestrel M7"), 0);
        QFile file(dir.file("Configs/Config.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), text);
        file.close();
        QCOMPARE(setDiffFlag(0), 0);
        QCOMPARE(diffFlag(), 0);
        QCOMPARE(iniValue(dir, "Config/CurrentProductName").toString(), QString("Kestrel M7"));
    }

    void macroCountCountsNonEmptyEntries()
    {
        TestAppDir dir;
        QCOMPARE(macroCount(), 0);
        dir.write("Configs/Config.ini", "[MACRO_LIST]\n0=A\n3=\n7=B\n50=C\n-1=D\n");
        QCOMPARE(macroCount(), 2);
    }

    void accentColourFallsBackToTheFirstEntry_data()
    {
        QTest::addColumn<QByteArray>("id");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("0") << QByteArray("0") << QColor(255, 0, 0);
        QTest::newRow("3") << QByteArray("3") << QColor(219, 200, 182);
        QTest::newRow("6") << QByteArray("6") << QColor(255, 125, 0);
        QTest::newRow("7") << QByteArray("7") << QColor(255, 0, 0);
        QTest::newRow("-1") << QByteArray("-1") << QColor(255, 0, 0);
        QTest::newRow("text") << QByteArray("blue") << QColor(255, 0, 0);
    }

    void accentColourFallsBackToTheFirstEntry()
    {
        QFETCH(QByteArray, id);
        QFETCH(QColor, colour);
        TestAppDir dir;
        dir.write("Configs/Config.ini", "[Config]\nGColorID=" + id + "\n");
        QCOMPARE(accentColour(), colour);
    }

    void productListsRoundTripAndShrink()
    {
        TestAppDir dir;
        setCurrentProductName("Kestrel M7");
        setSavedProfileNames({ "A", "B", "C" });
        setSecondProfileList({ "x" });
        QCOMPARE(savedProfileNames(), QStringList({ "A", "B", "C" }));
        setSavedProfileNames({ "C" });
        QCOMPARE(savedProfileNames(), QStringList({ "C" }));
        QCOMPARE(secondProfileList(), QStringList({ "x" }));
        const QSettings s(dir.file("Configs/Kestrel M7/Config.ini"), QSettings::IniFormat);
        QVERIFY(!s.contains("PROFILE_LIST/2"));
    }

    void productListsOfUnsafeOrHostileProducts()
    {
        TestAppDir dir;
        setCurrentProductName("..");
        setSavedProfileNames({ "A" });
        QVERIFY(!QFile::exists(dir.file("Config.ini")));
        QCOMPARE(savedProfileNames(), QStringList());
        setCurrentProductName("");
        QCOMPARE(productConfigPath(), QString());
        setCurrentProductName("P");
        dir.write("Configs/P/Config.ini", "[PROFILE_LIST]\nCount=2000000000\n1=one\n");
        const QStringList names = savedProfileNames();
        QVERIFY(names.size() <= 1000);
        QCOMPARE(names.value(0), QStringLiteral("one"));
    }

    void shippedSettingsFile()
    {
        TestAppDir dir(true);
        QCOMPARE(currentProductName(), QStringLiteral("Kestrel M7"));
        QCOMPARE(sensorModel(), 3395);
        QCOMPARE(batteryFullMillivolts(), 4200);
        QCOMPARE(ledVariant(), 0);
        const QSettings s(dir.file("Configs/Config.ini"), QSettings::IniFormat);
        QCOMPARE(s.value("FONT_LIST/LANGNUM").toInt(), 5);
        QCOMPARE(s.value("FONT_LIST/LangName_1").toString(), QStringLiteral("Fran\u00e7ais"));
        QCOMPARE(s.value("FONT_LIST/LangName_4").toString(), QStringLiteral("\u7b80\u4f53\u4e2d\u6587"));
        QCOMPARE(s.value("FONT_LIST/FONT_4").toString(), QStringLiteral("Noto Sans CJK SC"));
        MouseConfig c;
        loadAll(c);
        for (int i = 0; i < PROFILE_COUNT; ++i)
            QCOMPARE(c.profileNames[i], QStringLiteral("Profile %1").arg(i + 1));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "TestSettings.moc"

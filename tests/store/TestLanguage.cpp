// Language selection and list from the settings files, the fallbacks, and the language font.
#include "store/appContext.h"
#include "store/language.h"
#include "support/TestAppDir.h"

#include <QtTest>

namespace {

const QByteArray FIVE_LANGUAGES
    = "[FONT_LIST]\n"
      "LANGNUM=5\n"
      "LangName_0=English\nLangFile_0=mousecfg_en\nFONT_0=DejaVu Sans\nFONT_SIZE_0=12\n"
      "LangName_1=Fran\xc3\xa7"
      "ais\nLangFile_1=mousecfg_fr\nFONT_1=DejaVu Sans\nFONT_SIZE_1=12\n"
      "LangName_2=Deutsch\nLangFile_2=mousecfg_de\n"
      "LangName_3=Espa\xc3\xb1ol\nLangFile_3=mousecfg_es\nFONT_3=Nonexistent Family XYZ\n"
      "LangName_4=\xe7\xae\x80\xe4\xbd\x93\xe4\xb8\xad\xe6\x96\x87\nLangFile_4=mousecfg_zh_CN\n"
      "FONT_4=Noto Sans CJK SC\nFONT_SIZE_4=14\n";

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setLanguageIndex(0); }

    void idRoundTripsAndMissingFileIsZero()
    {
        TestAppDir dir;
        dir.write("Configs/Config.ini", FIVE_LANGUAGES);
        QCOMPARE(languageId(), 0);
        setLanguageId(3);
        QCOMPARE(languageId(), 3);
        QVERIFY(QFile::exists(dir.file("Configs/LangConfig.ini")));
    }

    void idOutsideTheListFallsBackToZero_data()
    {
        QTest::addColumn<int>("stored");
        QTest::newRow("negative") << -1;
        QTest::newRow("beyond list") << 5;
        QTest::newRow("above nine") << 12;
    }
    void idOutsideTheListFallsBackToZero()
    {
        QFETCH(int, stored);
        TestAppDir dir;
        dir.write("Configs/Config.ini", FIVE_LANGUAGES);
        dir.write("Configs/LangConfig.ini", "[Config]\nLangID=" + QByteArray::number(stored) + "\n");
        QCOMPARE(languageId(), 0);
    }

    void idAboveNineIsZeroEvenWithALongerList()
    {
        TestAppDir dir;
        dir.write("Configs/Config.ini", "[FONT_LIST]\nLANGNUM=40\n");
        dir.write("Configs/LangConfig.ini", "[Config]\nLangID=10\n");
        QCOMPARE(languageId(), 0);
        QCOMPARE(readLanguageList().count, MAX_LANGUAGES);
    }

    void listReadsNamesAndFiles()
    {
        TestAppDir dir;
        dir.write("Configs/Config.ini", FIVE_LANGUAGES);
        const LanguageList list = readLanguageList();
        QCOMPARE(list.count, 5);
        QCOMPARE(list.names[1],
            QString::fromUtf8("Fran\xc3\xa7"
                              "ais"));
        QCOMPARE(list.names[4], QString::fromUtf8("\xe7\xae\x80\xe4\xbd\x93\xe4\xb8\xad\xe6\x96\x87"));
        QCOMPARE(list.files[4], QString("mousecfg_zh_CN"));
        QVERIFY(list.names[5].isEmpty());
        QCOMPARE(translationFile(list, 2), dir.path() + "/lang/mousecfg_de.qm");
        QVERIFY(translationFile(list, 7).isEmpty());
        QVERIFY(translationFile(list, -1).isEmpty());
        QVERIFY(translationFile(list, 99).isEmpty());
    }

    void translationFileStaysInTheLangFolder()
    {
        TestAppDir dir;
        dir.write("Configs/Config.ini",
            "[FONT_LIST]\nLANGNUM=4\nLangFile_0=../../etc/passwd\nLangFile_1=sub/mousecfg_fr\nLangFile_2=..\n"
            "LangFile_3=\"/tmp/evil\"\n");
        const LanguageList list = readLanguageList();
        for (int i = 0; i < 4; ++i)
            QVERIFY2(translationFile(list, i).isEmpty(), qPrintable(list.files[i]));
        dir.write("Configs/Config.ini", "[FONT_LIST]\nLANGNUM=1\nLangFile_0=mousecfg_en\n");
        dir.plant("lang/mousecfg_en.qm", TestAppDir::Fifo); // a load would wait on it
        QVERIFY(translationFile(readLanguageList(), 0).isEmpty());
    }

    void missingFileGivesEmptyList()
    {
        TestAppDir dir;
        const LanguageList list = readLanguageList();
        QCOMPARE(list.count, 0);
        QCOMPARE(languageId(), 0);
    }

    void fontUsesFamilyAndTruncatedScaledSize()
    {
        TestAppDir dir;
        dir.write("Configs/Config.ini", FIVE_LANGUAGES);
        setLanguageIndex(4);
        const QFont f = languageFont(1.25);
        QCOMPARE(f.family(), QString("Noto Sans CJK SC"));
        QCOMPARE(f.pixelSize(), 17); // int(14 * 1.25)
        QCOMPARE(languageFontFor(0, 1.75).pixelSize(), 21);
        QCOMPARE(languageFontFor(0, 1.0, 20, 2).pixelSize(), 18);
    }

    void hostileFontSizeKeepsTheDefaultSize_data()
    {
        QTest::addColumn<QByteArray>("size");
        QTest::newRow("huge") << QByteArray("100000000");
        QTest::newRow("beyond int") << QByteArray("4294967295");
        QTest::newRow("negative") << QByteArray("-5");
        QTest::newRow("text") << QByteArray("1e9");
    }
    void hostileFontSizeKeepsTheDefaultSize()
    {
        QFETCH(QByteArray, size);
        TestAppDir dir;
        dir.write("Configs/Config.ini", "[FONT_LIST]\nLANGNUM=1\nFONT_SIZE_0=" + size + "\n");
        const QFont font = languageFontFor(0, 5.0);
        QCOMPARE(font.pixelSize(), QFont().pixelSize());
        QCOMPARE(font.pointSizeF(), QFont().pointSizeF());
    }

    void missingFamilyAndSizeKeepDefaults()
    {
        TestAppDir dir;
        dir.write("Configs/Config.ini", FIVE_LANGUAGES);
        const QFont defaults;
        const QFont noSize = languageFontFor(2, 1.5); // no FONT_2, no FONT_SIZE_2
        QCOMPARE(noSize.family(), defaults.family());
        QVERIFY(noSize.pixelSize() != 0);
        QCOMPARE(noSize.pointSizeF(), defaults.pointSizeF());
        const QFont unknownFamily = languageFontFor(3, 1.0);
        QCOMPARE(unknownFamily.pointSizeF(), defaults.pointSizeF());
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "TestLanguage.moc"

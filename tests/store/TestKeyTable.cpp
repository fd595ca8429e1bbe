// Key names in both tables, the choice of table, and both HID mappings over the whole table.
#include "store/appContext.h"
#include "store/keyTable.h"
#include "support/tableData.h"

#include <QSet>
#include <QtTest>

class TestKeyTable : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        setFrenchLanguage(-1);
        setLanguageIndex(0);
    }

    void namesInBothTables_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("french");
        QTest::newRow("A") << 30 << "A"
                           << "q";
        QTest::newRow("Esc") << 1 << "Esc"
                             << "Echap";
        QTest::newRow("2") << 3 << "2" << QString::fromUtf8("\xc3\xa9");
        QTest::newRow("3") << 4 << "3"
                           << "\"";
        QTest::newRow("backslash") << 43 << "\\"
                                   << "*";
        QTest::newRow("grave") << 41 << "`" << QString::fromUtf8("\xc2\xb2");
        QTest::newRow("LCtr") << 29 << "LCtr"
                              << "LCtrl";
        QTest::newRow("Num Del") << 224 << "Num De"
                                 << "Num Del";
        QTest::newRow("RCtr") << 238 << "RCtr"
                              << "RCtrl";
        QTest::newRow("Space") << 57 << "Space"
                               << "espace";
        QTest::newRow("F12") << 88 << "F12"
                             << "F12";
        QTest::newRow("mouse") << 242 << "Middle Button"
                               << "Middle Button";
        QTest::newRow("unnamed 84") << 84 << ""
                                    << "";
        QTest::newRow("unnamed 0") << 0 << ""
                                   << "";
        QTest::newRow("unnamed 150") << 150 << ""
                                     << "";
        QTest::newRow("unnamed 243") << 243 << ""
                                     << "";
        QTest::newRow("negative") << -5 << ""
                                  << "";
    }
    void namesInBothTables()
    {
        QFETCH(int, code);
        QFETCH(QString, english);
        QFETCH(QString, french);
        QCOMPARE(keyNameIn(code, false), english);
        QCOMPARE(keyNameIn(code, true), french);
    }

    void frenchTableOnlyForTheFrenchLanguage()
    {
        setFrenchLanguage(-1);
        setLanguageIndex(0);
        QCOMPARE(keyName(30), QString("A"));
        setFrenchLanguage(1);
        setLanguageIndex(1);
        QCOMPARE(keyName(30), QString("q"));
        setFrenchLanguage(2);
        QCOMPARE(keyName(30), QString("A"));
        // -1 never matches, even against a bogus language index of -1.
        setFrenchLanguage(-1);
        setLanguageIndex(-1);
        QCOMPARE(keyName(30), QString("A"));
    }

    void usageLookups()
    {
        quint8 usage = 77;
        QVERIFY(!hidUsageForKey(240, usage));
        QCOMPARE(usage, quint8(77));
        QVERIFY(hidUsageForKey(28, usage));
        QCOMPARE(usage, quint8(40));
        quint8 code = 5;
        QVERIFY(keyForHidUsage(228, code));
        QCOMPARE(code, quint8(238));
        code = 5;
        QVERIFY(!keyForHidUsage(0, code));
        QVERIFY(!keyForHidUsage(-1, code));
        QVERIFY(!keyForHidUsage(300, code));
        QCOMPARE(code, quint8(5));
    }

    // Every code, named or not, against the reference table: both names and the HID usage.
    void wholeTableMatchesReference()
    {
        QHash<int, QString> reference;
        for (const QStringList& row : tableRows(QStringLiteral("keyTable.tsv")))
            reference.insert(row.value(0).toInt(), row.join(QLatin1Char('\t')));
        QCOMPARE(reference.size(), 107);
        for (int code = -1; code < 300; ++code) {
            quint8 usage = 0;
            const QString usageText = hidUsageForKey(code, usage) ? QString::number(usage) : QStringLiteral("-");
            const QString actual
                = QStringList { QString::number(code), keyNameIn(code, false), keyNameIn(code, true), usageText }.join(
                    QLatin1Char('\t'));
            QCOMPARE(actual, reference.value(code, QStringLiteral("%1\t\t\t-").arg(code)));
        }
    }

    void mappingIsOneToOneOverTheWholeTable()
    {
        int pairs = 0;
        QSet<int> usages;
        for (int code = -1; code < 300; ++code) {
            quint8 usage = 0;
            const bool has = hidUsageForKey(code, usage);
            // Every key with a usage has a name; only the mouse buttons have a name and no usage.
            if (has) {
                QVERIFY2(!keyNameIn(code, false).isEmpty(), qPrintable(QString::number(code)));
                ++pairs;
                QVERIFY2(!usages.contains(usage), "usage used twice");
                usages.insert(usage);
                quint8 back = 0;
                QVERIFY(keyForHidUsage(usage, back));
                QCOMPARE(int(back), code);
            } else if (!keyNameIn(code, false).isEmpty()) {
                QVERIFY2(code >= 240 && code <= 242, qPrintable(QString::number(code)));
            }
            QCOMPARE(keyNameIn(code, false).isEmpty(), keyNameIn(code, true).isEmpty());
        }
        QCOMPARE(pairs, HID_KEY_PAIRS);
        for (int usage = 0; usage < 256; ++usage) {
            quint8 code = 0;
            QCOMPARE(keyForHidUsage(usage, code), usages.contains(usage));
        }
    }
};

QTEST_GUILESS_MAIN(TestKeyTable)
#include "TestKeyTable.moc"

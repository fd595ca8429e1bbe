// The INI text read and written without QSettings must be exactly QSettings': the same bytes for the
// same keys, the same values from the same file, and a refusal (QSettings used instead) for the rest.
#include "store/IniText.h"
#include "store/configKeys.h"
#include "store/profileFiles.h"

#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Texts chosen to hit every escaping rule: quotes, backslashes, a leading '@', control characters,
// non-ASCII followed by hex digits; after UNQUOTED_PIECES the ones that make QSettings quote a value.
const QStringList PIECES = { QStringLiteral("Profile"), QStringLiteral("\""), QStringLiteral("\\"), QStringLiteral("@"),
    QStringLiteral("é"), QStringLiteral("中文"), QStringLiteral("\t"), QStringLiteral("\n"), QStringLiteral("0a"),
    QStringLiteral("F1"), QStringLiteral("x"), QStringLiteral("@Variant("), QStringLiteral(" "), QStringLiteral(","),
    QStringLiteral(";"), QStringLiteral("=") };
constexpr int UNQUOTED_PIECES = 12;

// Fills every visited field with random values; texts that need quotes only when quoting is set.
struct Randomiser {
    QRandomGenerator& r;
    bool quoting;
    void u8(const QString&, quint8& v) { v = quint8(r.bounded(256)); }
    void i32(const QString&, qint32& v) { v = qint32(r.generate()); }
    void u32(const QString&, quint32& v) { v = r.generate(); }
    void text(const QString&, QString& v)
    {
        v.clear();
        for (int n = int(r.bounded(4)); n > 0; --n)
            v += PIECES[int(r.bounded(quoting ? PIECES.size() : UNQUOTED_PIECES))];
    }
    void colour(const QString&, QColor& v)
    {
        v = r.bounded(5) == 0 ? QColor() : QColor::fromRgb(r.generate() | 0xff000000u);
    }
};

template <typename Settings> ProfileData readGroup(Settings& s)
{
    ProfileData p;
    s.beginGroup(QStringLiteral("PROFILE"));
    IniReader reader { s };
    visitProfileKeys(p, reader);
    s.endGroup();
    return p;
}

template <typename Settings> void writeGroup(Settings& s, ProfileData& p)
{
    s.beginGroup(QStringLiteral("PROFILE"));
    IniWriter writer { s };
    visitProfileKeys(p, writer);
    s.endGroup();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}
} // namespace

class TestIniText : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void matchesQSettingsOverRandomRecords()
    {
        QRandomGenerator random(20261208);
        int plainTexts = 0;
        for (int round = 0; round < 40; ++round) {
            ProfileData record;
            Randomiser randomiser { random, round % 2 == 1 };
            visitProfileKeys(record, randomiser);
            const QString path = m_dir.filePath(QStringLiteral("r%1.prof").arg(round));
            {
                QSettings s(path, QSettings::IniFormat);
                writeGroup(s, record);
            }
            const QByteArray written = fileBytes(path);
            IniText text;
            writeGroup(text, record);
            QByteArray ours;
            if (text.toText(&ours)) {
                QCOMPARE(ours, written);
                QVERIFY(IniText::sameKeys(written, ours));
            }

            IniText parsed;
            if (!parsed.parse(written))
                continue;
            ++plainTexts;
            QSettings s(path, QSettings::IniFormat);
            QVERIFY(readGroup(parsed) == readGroup(s));
        }
        QVERIFY2(plainTexts >= 20, qPrintable(QString::number(plainTexts)));
    }

    // Whatever parse() accepts, it reads as QSettings does; what it refuses is left to QSettings.
    void readsAsQSettingsOrRefuses_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("plain");
        QTest::newRow("plain") << QByteArray("[A]\nk=1\nl\\m=x y\n\n[General]\ntop=2\n") << true;
        QTest::newRow("escapes") << QByteArray("[A]\nk=a\\x4e2d\\0\\t\\\\\\\"b\n") << true;
        QTest::newRow("double at") << QByteArray("[A]\nk=@@x\n") << true;
        QTest::newRow("colour") << QByteArray("[A]\nc=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\x12\\x12\\x34\\x34"
                                              "\\x56\\x56\\0\\0)\n")
                                << true;
        QTest::newRow("quoted") << QByteArray("[A]\nk=\" a,b;=\\\"\"\n") << true;
        QTest::newRow("quote inside") << QByteArray("[A]\nk=\"a\"b\"\n") << false;
        QTest::newRow("quotes apart") << QByteArray("[A]\nk=\"a\",\"b\"\n") << false;
        QTest::newRow("list") << QByteArray("[A]\nk=a, b\n") << false;
        QTest::newRow("comment") << QByteArray("; note\n[A]\nk=1\n") << false;
        QTest::newRow("escaped key") << QByteArray("[A]\nk%20x=1\n") << false;
        QTest::newRow("blank around") << QByteArray("[A]\nk = 1\n") << false;
        QTest::newRow("carriage return") << QByteArray("[A]\r\nk=1\r\n") << false;
        QTest::newRow("continued line") << QByteArray("[A]\nk=a\\\nb\n") << false;
        QTest::newRow("raw UTF-8") << QByteArray("[A]\nk=\xc3\xa9\n") << false;
        QTest::newRow("byte array") << QByteArray("[A]\nk=@ByteArray(x)\n") << false;
        QTest::newRow("duplicate key") << QByteArray("[A]\nk=1\nk=2\n") << false;
        QTest::newRow("broken section") << QByteArray("[A\nk=1\n") << false;
        QTest::newRow("no equals") << QByteArray("[A]\nk\n") << false;
    }
    void readsAsQSettingsOrRefuses()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, plain);
        IniText parsed;
        QCOMPARE(parsed.parse(text), plain);
        if (!plain)
            return;
        const QString path = m_dir.filePath(QStringLiteral("t.ini"));
        writeBytes(path, text);
        QSettings s(path, QSettings::IniFormat);
        QCOMPARE(parsed.keys().size(), s.allKeys().size());
        for (const QString& key : s.allKeys())
            QCOMPARE(parsed.value(key), s.value(key));
    }

    // A profile file with keys of another tool keeps them: such a file goes through QSettings' merge.
    void foreignKeysSurviveAProfileWrite()
    {
        const QString path = m_dir.filePath(QStringLiteral("foreign.prof"));
        writeBytes(path, QByteArray("[Other]\nkept=1\n\n[PROFILE]\npollrate=9\n"));
        ProfileData record;
        record.pollrate = 3;
        QCOMPARE(writeProfile(record, path), 0);
        QSettings s(path, QSettings::IniFormat);
        QCOMPARE(s.value(QStringLiteral("Other/kept")).toInt(), 1);
        QCOMPARE(s.value(QStringLiteral("PROFILE/pollrate")).toInt(), 3);
        ProfileData back;
        QCOMPARE(readProfile(back, path), 0);
        QVERIFY(back == record);
    }
};

QTEST_GUILESS_MAIN(TestIniText)
#include "TestIniText.moc"

// Tests of the notice record layout and the notice dispatch.
#include "platform/Notice.h"

#include <QtEndian>
#include <QtTest>

class TestNotice : public QObject {
    Q_OBJECT

    static quint32 intAt(const QByteArray& r, int offset) { return qFromLittleEndian<quint32>(r.constData() + offset); }
    static quint16 charAt(const QByteArray& r, int offset, int i)
    {
        return qFromLittleEndian<quint16>(r.constData() + offset + 2 * i);
    }

private slots:
    void recordHoldsTextColourAndFont()
    {
        const QByteArray r = notice::buildRecord(QStringLiteral("DPI 2:1600"), QColor(255, 125, 0));
        QCOMPARE(r.size(), 1044);
        QCOMPARE(charAt(r, 0, 0), quint16('D'));
        QCOMPARE(charAt(r, 0, 9), quint16('0'));
        QCOMPARE(charAt(r, 0, 10), quint16(0));
        QCOMPARE(intAt(r, 512), 0u);
        QCOMPARE(intAt(r, 516), 1500u);
        QCOMPARE(intAt(r, 520), 0u);
        QCOMPARE(intAt(r, 524), 0x007DFFu); // red low byte, then green, then blue
        QCOMPARE(intAt(r, 528), 60u);
        const QString font = QStringLiteral("Arial");
        for (int i = 0; i < font.size(); ++i)
            QCOMPARE(charAt(r, 532, i), font.at(i).unicode());
        QCOMPARE(charAt(r, 532, font.size()), quint16(0));
    }

    void longTextIsCutAndStaysTerminated()
    {
        const QByteArray r = notice::buildRecord(QString(600, QChar(0x4E2D)), Qt::red);
        QCOMPARE(r.size(), 1044);
        QCOMPARE(charAt(r, 0, 254), quint16(0x4E2D));
        QCOMPARE(charAt(r, 0, 255), quint16(0));
        QCOMPARE(intAt(r, 516), 1500u); // nothing spilled into the fields after the text
    }

    void emptyTextGivesEmptyRecordText()
    {
        const QByteArray r = notice::buildRecord(QString(), Qt::blue);
        QCOMPARE(charAt(r, 0, 0), quint16(0));
        QCOMPARE(intAt(r, 524), 0xFF0000u);
    }

    void sinkReceivesNoticesAndRemovalRestoresTransport()
    {
        QStringList seen;
        notice::setSink([&](const QString& text, const QColor&) { seen << text; });
        notice::show(QStringLiteral("Profile 2"), Qt::red);
        QCOMPARE(seen, QStringList { QStringLiteral("Profile 2") });
        notice::setSink({});
        // Without a notification service the desktop transport drops the notice without blocking.
        notice::show(QStringLiteral("Profile 3"), Qt::red);
        QCoreApplication::processEvents();
        QCOMPARE(seen.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestNotice)
#include "TestNotice.moc"

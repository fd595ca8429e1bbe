// The command set's encoding tables and the raw-to-DPI conversion, checked over their whole range
// against the reference tables in tests/data/tables.
#include "device/commandSet.h"
#include "store/deviceDescription.h"
#include "support/tableData.h"

#include <QtTest>

#include <optional>

namespace {

using Pair = std::array<int, 2>;

// One piece of a sensor's encoding: the values from..to of the axes it names.
struct Piece {
    QString axes;
    quint32 from = 0;
    quint32 to = 0;
    QString table;
    quint32 sub = 0;
    int high = 0;
    bool word = false;
    qint64 limit = -1;
};

class Reference {
public:
    Reference()
    {
        for (const QStringList& row : tableRows(QStringLiteral("sensorTables.tsv"))) {
            QVector<int> values;
            for (const QString& v : row.value(2).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                values.append(v.toInt());
            m_tables.insert(row.value(0), { row.value(1).toInt(), values });
        }
        for (const QStringList& row : tableRows(QStringLiteral("stageEncoding.tsv"))) {
            for (const QString& sensor : row.value(1).split(QLatin1Char(','))) {
                if (row[0] == QLatin1String("rule"))
                    m_pieces[sensor].append(
                        { row[2], row[3].toUInt(), row[4].toUInt(), row[5], row[6].toUInt(), row[7].toInt(),
                            row[8] == QLatin1String("1"), row[9] == QLatin1String("-") ? -1 : row[9].toLongLong() });
                else if (row[0] == QLatin1String("order"))
                    m_order.insert(sensor.toInt(), row[2]);
                else if (row[0] == QLatin1String("sniper"))
                    m_sniper[sensor.toInt()].append(
                        { QString(), row[2].toUInt(), row[3].toUInt(), row[4], row[5].toUInt() });
            }
        }
    }

    // The register byte of a table at index u: "-" is u itself, "=N" the constant N; -1 outside the table.
    int lookup(const QString& table, quint32 u) const
    {
        if (table == QLatin1String("-"))
            return int(u & 0xFF);
        if (table.startsWith(QLatin1Char('=')))
            return table.mid(1).toInt();
        const auto& t = m_tables.value(table);
        const qint64 i = qint64(u) - t.first;
        return i >= 0 && i < t.second.size() ? t.second[int(i)] : -1;
    }

    std::optional<Pair> pair(const QString& sensor, QChar axis, quint32 v) const
    {
        for (const Piece& p : m_pieces.value(sensor)) {
            if (!p.axes.contains(axis) || v < p.from || v > p.to)
                continue;
            const quint32 u = (p.limit >= 0 ? std::min<quint32>(v, quint32(p.limit)) : v) - p.sub;
            return Pair { lookup(p.table, u), p.high | (p.word ? int((u >> 8) & 0xFF) : 0) };
        }
        return std::nullopt;
    }

    QStringList sensors() const { return m_pieces.keys(); }
    const QList<Piece> pieces(const QString& sensor) const { return m_pieces.value(sensor); }
    QString order(int sensor) const { return m_order.value(sensor, QStringLiteral("xy")); }
    const QHash<int, QList<Piece>>& sniper() const { return m_sniper; }

private:
    QHash<QString, QPair<int, QVector<int>>> m_tables;
    QHash<QString, QList<Piece>> m_pieces;
    QHash<int, QString> m_order;
    QHash<int, QList<Piece>> m_sniper;
};

QString bytesText(std::initializer_list<int> bytes)
{
    QStringList parts;
    for (int b : bytes)
        parts << QString::number(b);
    return parts.join(QLatin1Char(' '));
}

} // namespace

class TestEncodingTables : public QObject {
    Q_OBJECT
private slots:
    void referenceTablesAreComplete()
    {
        const Reference ref;
        QCOMPARE(ref.sensors().size(), 21);
        // Spot values of the typed tables, so a shifted column in the data shows up here.
        QCOMPARE(ref.lookup("A", 1), 0);
        QCOMPARE(ref.lookup("A", 120), 143);
        QCOMPARE(ref.lookup("B", 30), 69);
        QCOMPARE(ref.lookup("D", 80), 187);
        QCOMPARE(ref.lookup("E", 160), 188);
        QCOMPARE(ref.lookup("E", 161), -1);
    }

    void stageValuesOfEverySensor()
    {
        const Reference ref;
        QStringList wrong;
        for (const QString& key : ref.sensors()) {
            const int sensor = key.section(QLatin1Char('@'), 0, 0).toInt();
            const quint8 mode = quint8(key.section(QLatin1Char('@'), 1).toInt());
            const QString order = ref.order(sensor);
            QVector<quint32> values;
            for (const Piece& p : ref.pieces(key)) {
                for (quint32 v = p.from; v <= p.to && p.axes.contains(QLatin1Char('x')); ++v)
                    values.append(v);
            }
            // X runs up and Y down the range, so a swap of the axes shows.
            for (int k = 0; k < values.size(); ++k) {
                const quint32 x = values[k];
                const quint32 y = values[values.size() - 1 - k];
                const std::optional<Pair> px = ref.pair(key, QLatin1Char('x'), x);
                const std::optional<Pair> py = order == QLatin1String("xx") ? px : ref.pair(key, QLatin1Char('y'), y);
                QVERIFY2(
                    px && py && (*px)[0] >= 0 && (*py)[0] >= 0, qPrintable(QStringLiteral("%1 %2").arg(key).arg(x)));
                const Pair first = order == QLatin1String("yx") ? *py : *px;
                const Pair second = order == QLatin1String("yx") ? *px : *py;
                const StagePairs got = encodeStage(sensor, x, y, mode);
                const QString expected = bytesText({ first[0], first[1], second[0], second[1] });
                const QString actual = bytesText({ got[0], got[1], got[2], got[3] });
                if (expected != actual)
                    wrong << QStringLiteral("%1 x=%2 y=%3: %4, want %5").arg(key).arg(x).arg(y).arg(actual, expected);
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.mid(0, 10).join(QLatin1Char('\n'))));
    }

    void sniperRegisterOfEverySensor()
    {
        const Reference ref;
        QStringList wrong;
        for (auto it = ref.sniper().constBegin(); it != ref.sniper().constEnd(); ++it) {
            for (const Piece& p : it.value()) {
                for (quint32 r = p.from; r <= p.to; ++r) {
                    const int expected = ref.lookup(p.table, r - p.sub);
                    const int actual = encodeSensorRaw(it.key(), quint8(r));
                    if (expected != actual)
                        wrong << QStringLiteral("%1 r=%2: %3, want %4").arg(it.key()).arg(r).arg(actual).arg(expected);
                }
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.mid(0, 10).join(QLatin1Char('\n'))));
    }

    void buttonCodesOfEveryFunction()
    {
        QHash<int, QString> reference;
        const QList<QStringList> rows = tableRows(QStringLiteral("buttonCodes.tsv"));
        for (const QStringList& row : rows)
            reference.insert(row[0].toInt(), row[1]);
        QCOMPARE(reference.size(), 58);
        QCOMPARE(rows.size(), reference.size());
        // These functions fill bytes 1 to 3 from the button record; their table row gives byte 0.
        const QSet<int> ownBytes { 6, 7, 12, 55, FUN_MACRO, FUN_GUNFILE };
        QStringList wrong;
        for (int fun = -1; fun <= 1100; ++fun) {
            ButtonInfo button;
            button.Fun = fun;
            const SlotBytes got = buttonSlotBytes(button, 0, 0);
            QString actual = QString::asprintf("%02X %02X %02X %02X", got[0], got[1], got[2], got[3]);
            QString expected = reference.value(fun, QStringLiteral("00 00 00 00"));
            if (ownBytes.contains(fun)) {
                actual.truncate(2);
                expected.truncate(2);
            }
            if (expected != actual)
                wrong << QStringLiteral("Fun %1: %2, want %3").arg(fun).arg(actual, expected);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    void dpiOfEveryRawValue()
    {
        const QList<QStringList> rows = tableRows(QStringLiteral("dpiFromRaw.tsv"));
        QCOMPARE(rows.size(), 26);
        QStringList wrong;
        for (const QStringList& row : rows) {
            const int off = row[3].toInt(), mul = row[4].toInt(), div = row[5].toInt(), post = row[6].toInt();
            const int add = row[7].toInt();
            const QStringList exceptions = row[8].split(QLatin1Char(' '));
            for (int sensor : intList(row[0])) {
                for (int raw = row[1].toInt(); raw <= row[2].toInt(); ++raw) {
                    int expected = (raw - off) * mul / div * post + add;
                    for (const QString& e : exceptions) {
                        if (e.startsWith(QLatin1Char('@')) && e.section(QLatin1Char('='), 0, 0).mid(1).toInt() == raw)
                            expected = e.section(QLatin1Char('='), 1).toInt();
                        else if (e.contains(QLatin1Char('>')) && e.section(QLatin1Char('>'), 0, 0).toInt() == expected)
                            expected = e.section(QLatin1Char('>'), 1).toInt();
                    }
                    const int actual = dpiFromRaw(raw, sensor);
                    if (actual != expected)
                        wrong
                            << QStringLiteral("%1 raw %2: %3, want %4").arg(sensor).arg(raw).arg(actual).arg(expected);
                }
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.mid(0, 10).join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestEncodingTables)
#include "TestEncodingTables.moc"

// Macro download: numbering, packing with and without delays, area and number limits, frames.
#include "device/macroDownload.h"

#include "support/TestAppDir.h"

#include <QtTest>

namespace {

KeyInfo ev(int map, int low, int high = 0)
{
    return KeyInfo { quint8(map), quint8(low), quint8(high) };
}

MacroEvents keys(int count)
{
    MacroEvents events;
    for (int i = 0; i < count; ++i)
        events.push_back(ev(i % 2 ? 0x04 : 0x84, 4 + i));
    return events;
}

QByteArray triples(std::initializer_list<KeyInfo> list)
{
    QByteArray out;
    for (const KeyInfo& k : list)
        out.append(char(k.map)).append(char(k.L)).append(char(k.H));
    return out;
}

QByteArray areaPrefix(const MacroArea& area, int bytes)
{
    return QByteArray(reinterpret_cast<const char*>(area.data()), bytes);
}
bool zeroFrom(const MacroArea& area, int from)
{
    return std::all_of(area.begin() + from, area.end(), [](quint8 b) { return b == 0; });
}

void bindMacro(MouseConfig& c, int profile, int slot, const QString& name, int fun = FUN_MACRO)
{
    c.profiles[profile].buttons[slot].Fun = fun;
    c.profiles[profile].buttons[slot].macroname = name;
}

const KeyInfo D = { 6, 1, 0 };
const KeyInfo Z = { 0, 0, 0 };

} // namespace

class TestMacroDownload : public QObject {
    Q_OBJECT
private slots:
    void numbering();
    void packingWithoutDelays();
    void packingLongMacroWithoutDelays();
    void packingWithDelayCopiesAndCuts();
    void memoryOneAreaPerMacroAndLimit();
    void framesForUsedAreas();
    void fileReadCoversEveryStoredRow();
};

void TestMacroDownload::numbering()
{
    clearMacroNumbers();
    QCOMPARE(lookupMacroNumber("a"), -1);
    QCOMPARE(macroNumberFor("a"), 0);
    QCOMPARE(macroNumberFor("b"), 1);
    QCOMPARE(macroNumberFor("a"), 0);
    QCOMPARE(lookupMacroNumber("zzz"), 255);
    forgetMacro("a");
    QCOMPARE(lookupMacroNumber("a"), 255);
    QCOMPARE(lookupMacroNumber("b"), 1);
    forgetMacro("b");
    QCOMPARE(lookupMacroNumber("b"), -1);

    // The button block numbers profile 1's macros in slot order, then the wheel slots.
    MouseConfig c;
    DownloadParams params;
    params.buttonCount = 3;
    params.matrix[0] = 0;
    params.matrix[1] = 1;
    params.matrix[2] = 2;
    bindMacro(c, 0, 0, "m0");
    bindMacro(c, 0, 1, "m1", FUN_GUNFILE);
    bindMacro(c, 0, 2, "m0");
    bindMacro(c, 0, 41, "wheel");
    bindMacro(c, 1, 0, "other"); // profile 2 gets no number
    clearMacroNumbers();
    const ButtonBlock block = buttonBlock(c, params);
    QCOMPARE(int(macroNumbers().size()), 3);
    QCOMPARE(lookupMacroNumber("m0"), 0);
    QCOMPARE(lookupMacroNumber("m1"), 1);
    QCOMPARE(lookupMacroNumber("wheel"), 2);
    QCOMPARE(int(block[2 + 1]), 0);
    QCOMPARE(int(block[2 + 4 + 0]), 0x9D);
    QCOMPARE(int(block[2 + 4 + 1]), 1);
    QCOMPARE(int(block[2 + 8 + 1]), 0);
    QCOMPARE(int(block[2 + 4 * 23 + 1]), 2);
}

void TestMacroDownload::packingWithoutDelays()
{
    const MacroEvents five = keys(5);
    MacroArea a = packMacro(five);
    QCOMPARE(areaPrefix(a, 24), triples({ five[0], five[1], five[2], five[3], D, five[4], D, Z }));
    QVERIFY(zeroFrom(a, 24));

    const MacroEvents four = keys(4);
    a = packMacro(four);
    QCOMPARE(areaPrefix(a, 21), triples({ four[0], four[1], four[2], four[3], D, D, Z }));
    QVERIFY(zeroFrom(a, 21));

    const MacroEvents three = keys(3);
    a = packMacro(three);
    QCOMPARE(areaPrefix(a, 15), triples({ three[0], three[1], three[2], D, D }));
    QVERIFY(zeroFrom(a, 15));

    // An empty macro still carries its closing pause.
    a = packMacro({});
    QCOMPARE(areaPrefix(a, 3), triples({ D }));
    QVERIFY(zeroFrom(a, 3));
}

void TestMacroDownload::packingLongMacroWithoutDelays()
{
    // 7 events: pauses in positions 4 and 9, the final pause in position 8.
    const MacroEvents seven = keys(7);
    const MacroArea a = packMacro(seven);
    QCOMPARE(
        areaPrefix(a, 30), triples({ seven[0], seven[1], seven[2], seven[3], D, seven[4], seven[5], seven[6], D, D }));
    QVERIFY(zeroFrom(a, 30));

    // 63 events expand past the area: the last bytes are simply cut.
    const MacroEvents many = keys(63);
    const MacroArea b = packMacro(many);
    QCOMPARE(areaPrefix(b, 3), triples({ many[0] }));
    QCOMPARE(int(b[3 * 4]), 6);
    QCOMPARE(int(b[3 * 64]), 6); // position 64 (= 5 * 12 + 4) is a pause
    QCOMPARE(int(b[198]), int(many[53].map));
}

void TestMacroDownload::packingWithDelayCopiesAndCuts()
{
    MacroEvents events = keys(5);
    events.insert(events.begin() + 2, ev(6, 0x2C, 0x01));
    MacroArea a = packMacro(events);
    QByteArray expected;
    for (const KeyInfo& k : events)
        expected += triples({ k });
    QCOMPARE(areaPrefix(a, 18), expected);
    QVERIFY(zeroFrom(a, 18));

    // 70 events with delays: 66 whole events and two bytes of the 67th.
    MacroEvents seventy;
    for (int i = 0; i < 70; ++i)
        seventy.push_back(i % 3 == 0 ? ev(6, i, 0) : ev(0x84, i, 0x55));
    a = packMacro(seventy);
    QCOMPARE(int(a[3 * 65]), int(seventy[65].map));
    QCOMPARE(int(a[3 * 66]), int(seventy[66].map));
    QCOMPARE(int(a[3 * 66 + 1]), int(seventy[66].L));
}

void TestMacroDownload::memoryOneAreaPerMacroAndLimit()
{
    MouseConfig c;
    DownloadParams params;
    params.buttonCount = 16;
    for (int k = 0; k < 16; ++k)
        params.matrix[k] = quint8(k);
    // Thirteen different macros on profile 1, one of them on two buttons.
    for (int k = 0; k < 13; ++k)
        bindMacro(c, 0, k, QString("m%1").arg(k));
    bindMacro(c, 0, 13, "m3");
    bindMacro(c, 2, 5, "m5"); // the same macro on another profile is not packed twice
    clearMacroNumbers();
    buttonBlock(c, params);
    QCOMPARE(lookupMacroNumber("m12"), 12);

    QStringList reads;
    const MacroMemory memory = buildMacroMemory(c, [&](const QString& name) {
        reads << name;
        return MacroEvents { ev(0x84, name.mid(1).toInt() + 4) };
    });
    QCOMPARE(reads.size(), 12);
    QCOMPARE(reads.count("m3"), 1);
    QVERIFY(!reads.contains("m12"));
    for (int n = 0; n < 12; ++n) {
        QCOMPARE(int(memory[n * MACRO_AREA_SIZE]), 0x84);
        QCOMPARE(int(memory[n * MACRO_AREA_SIZE + 1]), n + 4);
    }
    QVERIFY(std::all_of(memory.begin() + 12 * MACRO_AREA_SIZE, memory.end(), [](quint8 b) { return b == 0; }));
    // Number 12 stays on its button.
    QCOMPARE(int(macroNumberFor("m12")), 12);
}

void TestMacroDownload::framesForUsedAreas()
{
    MacroMemory memory {};
    QVERIFY(macroFrames(memory).empty());
    memory[0] = 0x84;
    memory[2 * MACRO_AREA_SIZE + 4] = 0x01; // area 2: a non-zero byte among the first five
    memory[5 * MACRO_AREA_SIZE + 5] = 0x01; // area 5: only later bytes, so it counts as unused
    const FrameList frames = macroFrames(memory);
    QCOMPARE(int(frames.size()), 21);
    QCOMPARE(int(frames[0][3]), 0x05);
    QCOMPARE(int(frames[0][7]), 0xD1);
    QCOMPARE(int(frames[0][6]), 20);
    QCOMPARE(int(frames[0][8]), 0x84);
    QCOMPARE(int(frames[1][4]), 20);
    QCOMPARE(int(frames[1][7]), 0xD2);
    // Area 2 starts at 400 = 0x190; its first frame is not the block's first.
    QCOMPARE(int(frames[10][4]), 0x90);
    QCOMPARE(int(frames[10][5]), 0x01);
    QCOMPARE(int(frames[10][7]), 0xD2);
    QCOMPARE(int(frames[10][12]), 0x01);
    QCOMPARE(int(frames[19][4] | frames[19][5] << 8), 400 + 180);
    const CommandFrame& close = frames[20];
    QCOMPARE(int(close[4]), 0xFF);
    QCOMPARE(int(close[5]), 0x0F);
    QCOMPARE(int(close[6]), 1);
    QCOMPARE(int(close[7]), 0xD3);
    QCOMPARE(int(close[8]), 0x1A);

    // Only area 1 used: its first frame still carries 0xD2.
    MacroMemory second {};
    second[MACRO_AREA_SIZE] = 1;
    QCOMPARE(int(macroFrames(second)[0][7]), 0xD2);
}

void TestMacroDownload::fileReadCoversEveryStoredRow()
{
    TestAppDir dir;
    // A huge Count is read up to the last stored row; a delay beyond the area's 67 events still
    // makes the macro a plain copy.
    QByteArray file = "[Setting]\nCount=2147483647\n";
    for (int i = 0; i < 100; ++i)
        file += QByteArray("Map_") + QByteArray::number(i) + (i == 90 ? "=6" : "=132") + "\nDataL_"
            + QByteArray::number(i) + "=" + QByteArray::number(i) + "\nDataH_" + QByteArray::number(i) + "=0\n";
    dir.write("Configs/MacroDB/huge.MSMACRO", file);
    const MacroEvents events = readMacroEvents("huge");
    QCOMPARE(int(events.size()), 100);
    QCOMPARE(int(events[66].L), 66);
    const MacroArea area = packMacro(events);
    QCOMPARE(int(area[3 * 4]), 132);
    QCOMPARE(int(area[3 * 66 + 1]), 66);

    // A short Count with rows missing from the file keeps its zero rows: the closing pause follows them.
    dir.write("Configs/MacroDB/gaps.MSMACRO", "[Setting]\nCount=3\nMap_0=132\nDataL_0=4\n");
    QCOMPARE(areaPrefix(packMacro(readMacroEvents("gaps")), 15), triples({ ev(132, 4), Z, Z, D, D }));

    QVERIFY(readMacroEvents("missing").empty());
    QVERIFY(readMacroEvents("../outside").empty());
    dir.write("Configs/MacroDB/neg.MSMACRO", "[Setting]\nCount=-5\nMap_0=132\n");
    QVERIFY(readMacroEvents("neg").empty());
}

QTEST_GUILESS_MAIN(TestMacroDownload)
#include "TestMacroDownload.moc"

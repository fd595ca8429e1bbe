// Byte-exact block encoders: DPI stage encodings per sensor, general, DPI, button and lighting blocks.
#include "device/commandSet.h"
#include "device/macroDownload.h"

#include <QtTest>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(quint8(v)));
    return out;
}

// Header bytes 2..7 of a frame: magic, command, address low/high, length, tag.
QByteArray header(const CommandFrame& f)
{
    return QByteArray(reinterpret_cast<const char*>(f.data()) + 2, 6);
}
QByteArray frameData(const CommandFrame& f)
{
    return QByteArray(reinterpret_cast<const char*>(f.data()) + 8, f[6]);
}
QByteArray pairs(const StagePairs& p)
{
    return QByteArray(reinterpret_cast<const char*>(p.data()), 4);
}

MouseConfig blankConfig()
{
    return MouseConfig {};
}

} // namespace

class TestCommandSetBlocks : public QObject {
    Q_OBJECT
private slots:
    void stageEncoding_data();
    void stageEncoding();
    void generalBlockCarriesProfilesAndFlags();
    void effectCodes();
    void dpiBlockCountAndStages();
    void dpiBlockUsesSensorEncoding();
    void buttonBlockLayoutAndWheelSwap();
    void buttonSlotFunctions();
    void shortcutSlotFromKeySequence();
    void buttonMatrixOutsideBlockIsIgnored();
    void lightingRecords();
    void singleCommands();
};

void TestCommandSetBlocks::stageEncoding_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("expected");
    // 3104 sends Y before X.
    QTest::newRow("3104 y first") << 3104 << 20 << 120 << 0 << bytes({ 67, 1, 20, 0 });
    QTest::newRow("31042 at 106") << 31042 << 106 << 107 << 0 << bytes({ 54, 1, 106, 0 });
    QTest::newRow("3212 three ranges") << 3212 << 100 << 70 << 0 << bytes({ 37, 2, 38, 1 });
    QTest::newRow("3212 low") << 3212 << 63 << 94 << 0 << bytes({ 63, 0, 62, 1 });
    QTest::newRow("3311 table") << 3311 << 10 << 130 << 0 << bytes({ 11, 0, 83, 1 });
    QTest::newRow("33112 top of range") << 33112 << 120 << 180 << 0 << bytes({ 143, 0, 143, 1 });
    QTest::newRow("3311 beyond table clamps") << 3311 << 255 << 0 << 0 << bytes({ 143, 1, 0, 0 });
    QTest::newRow("3325 raw 80") << 3325 << 80 << 80 << 0 << bytes({ 69, 2, 69, 2 });
    QTest::newRow("33252 mid") << 33252 << 50 << 51 << 0 << bytes({ 115, 0, 59, 1 });
    QTest::newRow("3327 ranges") << 3327 << 61 << 69 << 0 << bytes({ 140, 0, 88, 1 });
    QTest::newRow("3327 high") << 3327 << 100 << 10 << 0 << bytes({ 111, 4, 24, 0 });
    QTest::newRow("3333 ends") << 3333 << 2 << 120 << 0 << bytes({ 4, 0, 187, 1 });
    QTest::newRow("3333 below table clamps") << 3333 << 0 << 85 << 0 << bytes({ 4, 0, 105, 1 });
    QTest::newRow("3335 x serves y") << 3335 << 161 << 5 << 0 << bytes({ 96, 1, 96, 1 });
    QTest::newRow("33352 upper table") << 33352 << 140 << 0 << 0 << bytes({ 167, 0, 167, 0 });
    QTest::newRow("3360") << 3360 << 121 << 50 << 0 << bytes({ 60, 1, 49, 0 });
    QTest::newRow("3370") << 3370 << 201 << 200 << 0 << bytes({ 100, 1, 199, 0 });
    QTest::newRow("3389 raw 400") << 3389 << 400 << 320 << 0 << bytes({ 240, 0x80, 0x40, 0x01 });
    QTest::newRow("3395 plain") << 3395 << 450 << 20 << 0 << bytes({ 0xC2, 0x01, 20, 0 });
    QTest::newRow("3395 mode 8 limits") << 3395 << 450 << 20 << 8 << bytes({ 0x8F, 0x01, 20, 0 });
    QTest::newRow("33952 x and y differ") << 33952 << 520 << 520 << 0 << bytes({ 0x04, 0x81, 0x08, 0x02 });
    QTest::newRow("unknown sensor") << 1234 << 100 << 100 << 0 << bytes({ 0, 0, 0, 0 });
}

void TestCommandSetBlocks::stageEncoding()
{
    QFETCH(int, sensor);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, mode);
    QFETCH(QByteArray, expected);
    QCOMPARE(pairs(encodeStage(sensor, quint32(x), quint32(y), quint8(mode))), expected);
}

void TestCommandSetBlocks::generalBlockCarriesProfilesAndFlags()
{
    MouseConfig c = blankConfig();
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        c.profiles[i].scrollspeed = quint8(i + 1);
        c.profiles[i].pollrate = quint8(10 + i);
    }
    c.ProfileID = 2;
    c.profiles[0].LedMoveOFF = 255;
    c.profiles[0].LedSleepTime = 7;
    c.profiles[2].dpi = 3;
    c.profiles[2].LedMode = 11;
    c.LiftHigh = 2;
    c.Sync = 1;
    c.AngleValue = 0;
    c.Jitter = 5;
    c.Debounce = 20;
    c.SensorMode = 1;
    c.Wake = 1;
    DownloadParams p;
    const FrameList withoutSync = generalFrames(c, p);
    QCOMPARE(int(withoutSync.size()), 2);
    QCOMPARE(header(withoutSync[0]), bytes({ 0xFA, 0x01, 0, 0, 19, 0xD1 }));
    QCOMPARE(
        frameData(withoutSync[0]), bytes({ 1, 2, 3, 4, 5, 2, 2, 255, 7, 20, 0x81, 10, 11, 12, 13, 14, 0x1F, 3, 7 }));
    QCOMPARE(header(withoutSync[1]), bytes({ 0xFA, 0x01, 0x7F, 0, 1, 0xD3 }));
    QCOMPARE(frameData(withoutSync[1]), bytes({ 0x1A }));

    // With the sync switches on, lift-off carries sync on, angle off, jitter off as flags.
    p.syncMode = 1;
    QCOMPARE(generalData(c, p)[5], quint8(2 | 0x80 | 0x40));
    c.Jitter = 0;
    c.Sync = 0;
    c.AngleValue = 1;
    QCOMPARE(generalData(c, p)[5], quint8(2 | 0x20));
}

void TestCommandSetBlocks::effectCodes()
{
    const int expected[LED_MODE_COUNT] = { 1, 2, 3, 4, 5, 6, 6, 6, 6, 6, 8, 7, 9, 10 };
    for (int m = 0; m < LED_MODE_COUNT; ++m)
        QCOMPARE(int(effectCode(quint8(m))), expected[m]);
    QCOMPARE(int(effectCode(20)), 6);
    QCOMPARE(int(effectCode(255)), 6);
}

void TestCommandSetBlocks::dpiBlockCountAndStages()
{
    MouseConfig c = blankConfig();
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        c.profiles[0].stages[i].used = 1;
        c.profiles[0].stages[i].x = quint32(10 + i);
        c.profiles[0].stages[i].y = quint32(20 + i);
    }
    c.profiles[1].stages[0].x = 99; // only profile 1 is sent
    DownloadParams p;
    p.sensor = 3395;
    for (int count : { 0, 9, -1 }) {
        p.stageCount = count;
        QCOMPARE(frameData(dpiFrames(c, p).front()), bytes({ 8 }));
    }
    p.stageCount = 3;
    const FrameList frames = dpiFrames(c, p);
    QCOMPARE(int(frames.size()), 10);
    QCOMPARE(header(frames[0]), bytes({ 0xFA, 0x02, 0, 0, 1, 0xD1 }));
    QCOMPARE(frameData(frames[0]), bytes({ 3 }));
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        QCOMPARE(header(frames[1 + i]), bytes({ 0xFA, 0x02, 5 * i + 1, 0, 5, 0xD2 }));
        // Stages beyond the count are sent unused but with their values.
        QCOMPARE(frameData(frames[1 + i]), bytes({ i < 3 ? 1 : 0, 10 + i, 0, 20 + i, 0 }));
    }
    QCOMPARE(header(frames[9]), bytes({ 0xFA, 0x02, 0x7F, 0, 1, 0xD3 }));
}

void TestCommandSetBlocks::dpiBlockUsesSensorEncoding()
{
    MouseConfig c = blankConfig();
    c.profiles[0].stages[0] = DpiStage { 1, 0, 0, 20, 120 };
    DownloadParams p;
    p.sensor = 3104;
    QCOMPARE(frameData(dpiFrames(c, p)[1]), bytes({ 1, 67, 1, 20, 0 }));
    p.sensor = 3395;
    c.profiles[0].stages[0].x = 500;
    p.modeByte = 8;
    QCOMPARE(frameData(dpiFrames(c, p)[1]), bytes({ 1, 0x8F, 0x01, 120, 0 }));
}

void TestCommandSetBlocks::buttonBlockLayoutAndWheelSwap()
{
    MouseConfig c = blankConfig();
    ProfileData& p0 = c.profiles[0];
    p0.buttons[0].Fun = 1;
    p0.buttons[1].Fun = 2;
    p0.buttons[2].Fun = 3;
    p0.buttons[40].Fun = 52;
    p0.buttons[41].Fun = 53;
    c.profiles[1].buttons[0].Fun = 5; // other profiles are not sent
    DownloadParams params;
    params.buttonCount = 3;
    params.matrix[0] = 0;
    params.matrix[1] = 2;
    params.matrix[2] = 1;
    clearMacroNumbers();
    ButtonBlock block = buttonBlock(c, params);
    QCOMPARE(int(block[0]), 0x0A);
    QCOMPARE(int(block[1]), 0x00);
    auto slot = [&](int s) { return QByteArray(reinterpret_cast<const char*>(block.data()) + 2 + 4 * s, 4); };
    QCOMPARE(slot(0), bytes({ 0x81, 0, 0, 0 }));
    QCOMPARE(slot(2), bytes({ 0x82, 0, 0, 0 }));
    QCOMPARE(slot(1), bytes({ 0x83, 0, 0, 0 }));
    QCOMPARE(slot(3), bytes({ 0, 0, 0, 0 }));
    QCOMPARE(slot(22), bytes({ 0x8B, 0, 0, 0 }));
    QCOMPARE(slot(23), bytes({ 0x8C, 0, 0, 0 }));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(block.data()) + 98, 4), bytes({ 0xFF, 0xFF, 0xFF, 0xFF }));

    params.scrollRev = true;
    block = buttonBlock(c, params);
    QCOMPARE(slot(22), bytes({ 0x8C, 0, 0, 0 }));
    QCOMPARE(slot(23), bytes({ 0x8B, 0, 0, 0 }));

    const FrameList frames = buttonFrames(block);
    QCOMPARE(int(frames.size()), 7);
    QCOMPARE(header(frames[0]), bytes({ 0xFA, 0x03, 0, 0, 2, 0xD1 }));
    const int addresses[] = { 2, 26, 50, 74 };
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(header(frames[1 + i]), bytes({ 0xFA, 0x03, addresses[i], 0, 24, 0xD2 }));
        QCOMPARE(frameData(frames[1 + i]), QByteArray(reinterpret_cast<const char*>(block.data()) + addresses[i], 24));
    }
    QCOMPARE(header(frames[5]), bytes({ 0xFA, 0x03, 0x62, 0, 4, 0xD2 }));
    QCOMPARE(frameData(frames[5]), bytes({ 0xFF, 0xFF, 0xFF, 0xFF }));
    QCOMPARE(header(frames[6]), bytes({ 0xFA, 0x03, 0x7F, 0, 1, 0xD3 }));
}

void TestCommandSetBlocks::buttonSlotFunctions()
{
    auto slot = [](const ButtonInfo& b, int sensor = 0, int number = 0) {
        const SlotBytes s = buttonSlotBytes(b, sensor, number);
        return QByteArray(reinterpret_cast<const char*>(s.data()), 4);
    };
    ButtonInfo b;
    b.Fun = 31;
    QCOMPARE(slot(b), bytes({ 0x8E, 0x01, 0x23, 0x02 }));
    b.Fun = 63;
    QCOMPARE(slot(b), bytes({ 0x97, 0x01, 0, 0 }));
    b.Fun = 11; // no code row
    QCOMPARE(slot(b), bytes({ 0, 0, 0, 0 }));
    b.Fun = 999;
    QCOMPARE(slot(b), bytes({ 0, 0, 0, 0 }));

    b.Fun = FUN_MACRO;
    b.LoopNumber = 0x1234;
    b.Res1 = 0;
    QCOMPARE(slot(b, 0, 3), bytes({ 0x91, 3, 0x34, 0x12 }));
    b.Res1 = 1;
    QCOMPARE(slot(b, 0, 3), bytes({ 0x91, 0x83, 0xFF, 0xFF }));
    b.Res1 = 2;
    QCOMPARE(slot(b, 0, 3), bytes({ 0x91, 0x43, 0xFF, 0xFF }));
    b.Res1 = 3;
    QCOMPARE(slot(b, 0, 3), bytes({ 0x91, 0, 0x34, 0x12 }));
    b.Fun = FUN_GUNFILE;
    b.Res1 = 0;
    QCOMPARE(slot(b, 0, 1), bytes({ 0x9D, 1, 0x34, 0x12 }));

    ButtonInfo fire;
    fire.Fun = 12;
    QCOMPARE(slot(fire), bytes({ 0x99, 0x81, 3, 0 }));
    fire.Res1 = 5;
    fire.LoopNumber = 7;
    fire.KeyNumber = 95;
    QCOMPARE(slot(fire), bytes({ 0x99, 5, 7, 9 }));

    ButtonInfo key;
    key.Fun = 6;
    key.Res1 = 28; // Enter
    QCOMPARE(slot(key), bytes({ 0x90, 0, 40, 0 }));
    key.Res1 = 240; // no HID usage
    QCOMPARE(slot(key), bytes({ 0x90, 0, 0, 0 }));

    ButtonInfo lock;
    lock.Fun = 55;
    lock.Res1 = 30;
    QCOMPARE(slot(lock, 3325), bytes({ 0x9A, 1, 69, 69 }));
    QCOMPARE(slot(lock, 3104), bytes({ 0x9A, 1, 30, 30 }));
    QCOMPARE(slot(lock, 3360), bytes({ 0x9A, 1, 29, 29 }));
    QCOMPARE(slot(lock, 3327), bytes({ 0x9A, 1, 70, 70 }));
    QCOMPARE(slot(lock, 3395), bytes({ 0x9A, 1, 4, 4 }));
    lock.Res1 = 255; // past the table: its last entry, never beyond
    QCOMPARE(slot(lock, 3325), bytes({ 0x9A, 1, 115, 115 }));
}

void TestCommandSetBlocks::shortcutSlotFromKeySequence()
{
    // Ctrl down, S down, S up, Ctrl up: entries hold HID usages (224 left Ctrl, 22 S).
    ButtonInfo b;
    b.Fun = 7;
    const quint8 seq[] = { 224, 22, 22, 224 };
    for (int i = 0; i < 4; ++i)
        b.keyInfo[i].map = seq[i];
    SlotBytes s = buttonSlotBytes(b, 0, 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(s.data()), 4), bytes({ 0x8F, 0x01, 22, 0 }));

    // Ctrl+Alt+Win with two plain keys: the last plain key wins, the mask adds up.
    ButtonInfo c;
    c.Fun = 7;
    const quint8 seq2[] = { 224, 226, 227, 4, 4, 5, 5, 227, 226, 224 };
    for (int i = 0; i < 10; ++i)
        c.keyInfo[i].map = seq2[i];
    s = buttonSlotBytes(c, 0, 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(s.data()), 4), bytes({ 0x8F, 1 + 4 + 8, 5, 0 }));
}

void TestCommandSetBlocks::buttonMatrixOutsideBlockIsIgnored()
{
    MouseConfig c = blankConfig();
    c.profiles[0].buttons[0].Fun = 1;
    c.profiles[0].buttons[1].Fun = 2;
    DownloadParams params;
    params.buttonCount = 99; // more than the matrix holds
    params.matrix[0] = 200; // would address far past the block
    params.matrix[1] = 24;
    const ButtonBlock block = buttonBlock(c, params);
    QCOMPARE(int(block[0]), 0x0A);
    for (int i = 2; i < 98; ++i)
        if (i < 2 + 4 * 22) // slots 22 and 23 carry the wheel functions (0 here)
            QCOMPARE(int(block[i]), 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(block.data()) + 98, 4), bytes({ 0xFF, 0xFF, 0xFF, 0xFF }));
}

void TestCommandSetBlocks::lightingRecords()
{
    MouseConfig c = blankConfig();
    for (int m = 0; m < LED_MODE_COUNT; ++m) {
        c.profiles[0].lighting[m].RGB = QColor(10 + m, 20 + m, 30 + m);
        c.profiles[0].lighting[m].bright = quint32(0x100 + m); // only the low byte is sent
        c.profiles[0].lighting[m].breath = quint32(40 + m);
    }
    c.profiles[1].lighting[1].RGB = Qt::white;
    const LightingBlock block = lightingBlock(c);
    auto record = [&](int r) { return QByteArray(reinterpret_cast<const char*>(block.data()) + 8 * r, 8); };
    QCOMPARE(record(0), bytes({ 0x80, 0, 0, 0, 0, 0, 0, 0 }));
    QCOMPARE(record(1), bytes({ 0x80, 11, 21, 31, 1, 0, 2, 1 }));
    QCOMPARE(record(2), bytes({ 0x80, 12, 22, 32, 1, 42, 4, 3 }));
    QCOMPARE(record(3), bytes({ 0x80, 0, 0, 0, 1, 43, 1, 3 }));
    QCOMPARE(record(4), bytes({ 0x80, 0, 0, 0, 1, 44, 8, 4 }));
    QCOMPARE(record(5), bytes({ 0x80, 0, 0, 0, 5, 49, 1, 9 }));
    QCOMPARE(record(6), bytes({ 0x80, 0, 0, 0, 7, 0, 0, 11 }));
    QCOMPARE(record(7), bytes({ 0x80, 0, 0, 0, 6, 50, 0, 10 }));
    QCOMPARE(record(8), bytes({ 0x80, 0, 0, 0, 8, 52, 0, 12 }));
    QCOMPARE(record(9), bytes({ 0x80, 0, 0, 0, 9, 53, 0, 13 }));

    const FrameList frames = lightingFrames(block);
    QCOMPARE(int(frames.size()), 5);
    QCOMPARE(header(frames[0]), bytes({ 0xFA, 0x04, 0, 0, 24, 0xD1 }));
    QCOMPARE(header(frames[1]), bytes({ 0xFA, 0x04, 24, 0, 24, 0xD2 }));
    QCOMPARE(header(frames[2]), bytes({ 0xFA, 0x04, 48, 0, 24, 0xD2 }));
    QCOMPARE(header(frames[3]), bytes({ 0xFA, 0x04, 72, 0, 8, 0xD2 }));
    QCOMPARE(frameData(frames[3]), record(9));
    QCOMPARE(header(frames[4]), bytes({ 0xFA, 0x04, 0x7F, 0, 1, 0xD3 }));

    // An invalid colour (a blank record) sends zero channels.
    QCOMPARE(lightingBlock(blankConfig())[1], quint8(0));
}

void TestCommandSetBlocks::singleCommands()
{
    QCOMPARE(header(transferFrame(true)), bytes({ 0xFA, 0x46, 0, 0, 0, 0 }));
    QCOMPARE(header(transferFrame(false)), bytes({ 0xFA, 0x46, 1, 0, 0, 0 }));
    const FrameList apply = applyAllFrames();
    const int groups[] = { 0x04, 0x01, 0x02, 0x08, 0x10 };
    QCOMPARE(int(apply.size()), 5);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(header(apply[i]), bytes({ 0xFA, 0x40, 0xF3, groups[i], 0, 0 }));
    const FrameList select = selectProfileFrames(3);
    QCOMPARE(int(select.size()), 2);
    QCOMPARE(header(select[0]), bytes({ 0xFA, 0x44, 3, 0, 0, 0 }));
    QCOMPARE(header(select[1]), bytes({ 0xFA, 0x40, 0xF3, 0x01, 0, 0 }));
    QCOMPARE(header(closingFrame(CMD_MACROS)), bytes({ 0xFA, 0x05, 0xFF, 0x0F, 1, 0xD3 }));
}

QTEST_GUILESS_MAIN(TestCommandSetBlocks)
#include "TestCommandSetBlocks.moc"

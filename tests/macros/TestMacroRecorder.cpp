// Macro recorder: key codes of extended and keypad keys, auto-repeat, delays and row limits.
#include "macros/MacroRecorder.h"
#include "platform/KeyboardCapture.h"

#include <QtTest>

namespace {

constexpr int UP = KEY_FLAG_UP;
constexpr int EXT = KEY_FLAG_EXTENDED;
constexpr int ALT = KEY_FLAG_ALT;

// A recorder whose clock the test moves by hand.
struct Recording {
    MacroRecorder recorder { 10 };
    qint64 now = 1000;
    QVector<MacroEvent> rows;

    explicit Recording()
    {
        recorder.setClock([this] { return now; });
        recorder.start();
    }

    int key(int scan, int flags, int delayType = DELAY_RECORDED, int defaultDelay = 0)
    {
        const QVector<MacroEvent> added = recorder.keyEvent(scan, flags, rows.size(), delayType, defaultDelay);
        rows += added;
        return added.size();
    }
};

} // namespace

class TestMacroRecorder : public QObject {
    Q_OBJECT

private slots:
    void keyCodesOfSharedScanCodes_data();
    void keyCodesOfSharedScanCodes();
    void rowsStoreHidUsages();
    void autoRepeatGivesOnePress();
    void delaysFollowTheClock();
    void defaultDelayAndNoDelay();
    void rowLimits();
    void altHeldKeepsPressAndRelease();
    void unreleasedKeys();
};

void TestMacroRecorder::keyCodesOfSharedScanCodes_data()
{
    QTest::addColumn<int>("scan");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("code");
    QTest::newRow("Enter") << 0x1C << 0 << 28;
    QTest::newRow("keypad Enter") << 0x1C << EXT << 229;
    QTest::newRow("keypad Enter up") << 0x1C << (EXT | UP) << 229;
    QTest::newRow("right Ctrl") << 0x1D << EXT << 238;
    QTest::newRow("left Ctrl") << 0x1D << 0 << 29;
    QTest::newRow("right Alt") << 0x38 << EXT << 239;
    QTest::newRow("keypad /") << 0x35 << EXT << 226;
    QTest::newRow("Num Lock") << 0x45 << EXT << 225;
    QTest::newRow("Pause") << 0x45 << 0 << 69;
    QTest::newRow("keypad 8") << 0x48 << 0 << 236;
    QTest::newRow("keypad 8 up") << 0x48 << UP << 236;
    QTest::newRow("Up arrow") << 0x48 << EXT << 72;
    QTest::newRow("keypad 0") << 0x52 << 0 << 237;
    QTest::newRow("Insert") << 0x52 << EXT << 82;
    QTest::newRow("keypad *") << 0x37 << 0 << 227;
    QTest::newRow("keypad 7 with Alt") << 0x47 << ALT << 235;
    QTest::newRow("plain A") << 0x1E << 0 << 30;
}

void TestMacroRecorder::keyCodesOfSharedScanCodes()
{
    QFETCH(int, scan);
    QFETCH(int, flags);
    QFETCH(int, code);
    QCOMPARE(MacroRecorder::keyCode(scan, MacroRecorder::normalizedFlags(flags)), code);
}

void TestMacroRecorder::rowsStoreHidUsages()
{
    Recording r;
    QCOMPARE(r.key(0x1C, EXT, DELAY_NONE), 1);
    QCOMPARE(r.key(0x1C, 0, DELAY_NONE), 1);
    QCOMPARE(r.key(0x1C, EXT | UP, DELAY_NONE), 1);
    QCOMPARE(r.rows.at(0), (MacroEvent { 0x84, 0, 88 })); // keypad Enter
    QCOMPARE(r.rows.at(1), (MacroEvent { 0x84, 0, 40 })); // Enter
    QCOMPARE(r.rows.at(2), (MacroEvent { 0x04, 0, 88 }));
    // A key without a HID usage (the 102nd key) records nothing.
    QCOMPARE(r.key(0x56, 0, DELAY_NONE), 0);
}

void TestMacroRecorder::autoRepeatGivesOnePress()
{
    Recording r;
    r.key(0x1E, 0, DELAY_NONE);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(r.key(0x1E, 0, DELAY_NONE), 0);
    r.key(0x1E, UP, DELAY_NONE);
    r.key(0x1E, 0, DELAY_NONE); // pressed again after the release: a new row
    QCOMPARE(r.rows.size(), 3);
    QVERIFY(r.rows[0].isPress() && !r.rows[1].isPress() && r.rows[2].isPress());
}

void TestMacroRecorder::delaysFollowTheClock()
{
    Recording r;
    QCOMPARE(r.key(0x1E, 0), 1); // first event: no delay before it
    r.now += 37;
    QCOMPARE(r.key(0x1E, UP), 2);
    QCOMPARE(r.rows.at(1), (MacroEvent { MAP_DELAY, 0, 3 }));
    QCOMPARE(r.key(0x1F, 0), 2); // same millisecond: one unit
    QCOMPARE(r.rows.at(3), (MacroEvent { MAP_DELAY, 0, 1 }));
    r.now += 5000;
    r.key(0x1F, UP);
    QCOMPARE(delayMilliseconds(r.rows.at(5), 10), 5000);
    r.now += 3600 * 1000; // an hour: the largest count, not a wrapped one
    r.key(0x20, 0);
    QCOMPARE(r.rows.at(7), (MacroEvent { MAP_DELAY, 255, 255 }));

    // A new recording starts without a delay again.
    r.recorder.start();
    r.rows.clear();
    r.now += 100;
    QCOMPARE(r.key(0x20, 0), 1);
}

void TestMacroRecorder::defaultDelayAndNoDelay()
{
    Recording r;
    r.key(0x1E, 0, DELAY_DEFAULT, 250);
    r.now += 3;
    r.key(0x1E, UP, DELAY_DEFAULT, 250);
    QCOMPARE(r.rows.at(1), (MacroEvent { MAP_DELAY, 0, 25 }));
    r.key(0x1F, 0, DELAY_NONE); // no delay row when the option is off
    QCOMPARE(r.rows.size(), 4);
    QCOMPARE(r.rows.last().kind(), MacroEventKind::Key);
}

void TestMacroRecorder::rowLimits()
{
    Recording none;
    for (int i = 0; i < 50; ++i)
        none.key(0x1E + (i / 2) % 10, i % 2 ? UP : 0, DELAY_NONE);
    QCOMPARE(none.rows.size(), 40); // the 41st event is dropped

    Recording delays;
    for (int i = 0; i < 50; ++i) {
        delays.now += 20;
        delays.key(0x1E + (i / 2) % 10, i % 2 ? UP : 0, DELAY_RECORDED);
    }
    QCOMPARE(delays.rows.size(), 63); // first event and 31 delay-and-event pairs
    QCOMPARE(delays.rows.last().kind(), MacroEventKind::Key);
}

void TestMacroRecorder::altHeldKeepsPressAndRelease()
{
    Recording r;
    // Right Ctrl pressed while Alt is held is still a press, and its release matches it.
    QCOMPARE(r.key(0x1D, EXT | ALT, DELAY_NONE), 1);
    QCOMPARE(r.key(0x1D, EXT | ALT | UP, DELAY_NONE), 1);
    QCOMPARE(r.rows.at(0), (MacroEvent { 0x84, 0, 228 }));
    QCOMPARE(r.rows.at(1), (MacroEvent { 0x04, 0, 228 }));
    QVERIFY(!MacroRecorder::hasUnreleasedKeys(r.rows));
}

void TestMacroRecorder::unreleasedKeys()
{
    const MacroEvent aDown = MacroEvent::key(4, true);
    const MacroEvent aUp = MacroEvent::key(4, false);
    const MacroEvent bUp = MacroEvent::key(5, false);
    QVERIFY(!MacroRecorder::hasUnreleasedKeys({}));
    QVERIFY(!MacroRecorder::hasUnreleasedKeys({ aDown, MacroEvent::delay(10, 10), aUp }));
    QVERIFY(MacroRecorder::hasUnreleasedKeys({ aDown }));
    QVERIFY(MacroRecorder::hasUnreleasedKeys({ aDown, bUp }));
    QVERIFY(MacroRecorder::hasUnreleasedKeys({ MacroEvent::button(0, true), aDown, aUp }));
    QVERIFY(!MacroRecorder::hasUnreleasedKeys({ MacroEvent::button(0, true), MacroEvent::button(0, false) }));
}

QTEST_GUILESS_MAIN(TestMacroRecorder)
#include "TestMacroRecorder.moc"

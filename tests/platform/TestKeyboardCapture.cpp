// Keyboard capture: evdev to set 1 codes, flags, one report per key, auto-repeat, start/stop.
#include "platform/KeyboardCapture.h"
#include "platform/keyNames.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

namespace {

// Sends a key as the windowing system would: to the window, with the evdev code + 8.
void sendNative(QWidget& w, QEvent::Type type, quint32 evdev, Qt::KeyboardModifiers mods = Qt::NoModifier,
    bool autoRepeat = false, const QString& text = QString())
{
    QKeyEvent ev(type, Qt::Key_unknown, mods, evdev + 8, 0, 0, text, autoRepeat);
    QCoreApplication::sendEvent(w.windowHandle(), &ev);
}

} // namespace

class TestKeyboardCapture : public QObject {
    Q_OBJECT

private slots:
    void mapsEvdevToSet1_data();
    void mapsEvdevToSet1();
    void reportsEachKeyOnceWithFlags();
    void autoRepeatGivesPressesOnly();
    void keysAreNotSwallowedAndStopEnds();
    void keyCapShowsTheLayoutsCharacter_data();
    void keyCapShowsTheLayoutsCharacter();
    void keyWithoutLayoutTextKeepsItsFixedName();
};

void TestKeyboardCapture::mapsEvdevToSet1_data()
{
    QTest::addColumn<int>("evdev");
    QTest::addColumn<bool>("known");
    QTest::addColumn<int>("scan");
    QTest::addColumn<bool>("extended");
    QTest::newRow("Esc") << 1 << true << 0x01 << false;
    QTest::newRow("Enter") << 28 << true << 0x1C << false;
    QTest::newRow("keypad Enter") << 96 << true << 0x1C << true;
    QTest::newRow("left Ctrl") << 29 << true << 0x1D << false;
    QTest::newRow("right Ctrl") << 97 << true << 0x1D << true;
    QTest::newRow("right Alt") << 100 << true << 0x38 << true;
    QTest::newRow("keypad 7") << 71 << true << 0x47 << false;
    QTest::newRow("Home") << 102 << true << 0x47 << true;
    QTest::newRow("keypad .") << 83 << true << 0x53 << false;
    QTest::newRow("Delete") << 111 << true << 0x53 << true;
    QTest::newRow("Num Lock") << 69 << true << 0x45 << true;
    QTest::newRow("Pause") << 119 << true << 0x45 << false;
    QTest::newRow("keypad *") << 55 << true << 0x37 << false;
    QTest::newRow("F12") << 88 << true << 0x58 << false;
    QTest::newRow("left Windows") << 125 << true << 0x5B << true;
    QTest::newRow("unused 84") << 84 << false << 0 << false;
    QTest::newRow("volume up") << 115 << false << 0 << false;
}

void TestKeyboardCapture::mapsEvdevToSet1()
{
    QFETCH(int, evdev);
    QFETCH(bool, known);
    QFETCH(int, scan);
    QFETCH(bool, extended);
    quint8 s = 0xAA;
    bool e = false;
    QCOMPARE(KeyboardCapture::nativeToSet1(quint32(evdev + 8), s, e), known);
    if (known) {
        QCOMPARE(int(s), scan);
        QCOMPARE(e, extended);
    }
    QVERIFY(!KeyboardCapture::nativeToSet1(0, s, e));
    QVERIFY(!KeyboardCapture::nativeToSet1(8, s, e));
}

void TestKeyboardCapture::reportsEachKeyOnceWithFlags()
{
    QWidget w;
    auto* edit = new QLineEdit(&w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    edit->setFocus();
    KeyboardCapture capture;
    QSignalSpy spy(&capture, &KeyboardCapture::KeySignal);
    capture.start();

    sendNative(w, QEvent::KeyPress, 96);
    sendNative(w, QEvent::KeyRelease, 96);
    sendNative(w, QEvent::KeyPress, 30, Qt::AltModifier);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(0), (QVariantList { 0x1C, int(KEY_FLAG_EXTENDED) }));
    QCOMPARE(spy.at(1), (QVariantList { 0x1C, int(KEY_FLAG_EXTENDED | KEY_FLAG_UP) }));
    QCOMPARE(spy.at(2), (QVariantList { 30, int(KEY_FLAG_ALT) }));

    // A key without a set 1 code is not reported.
    sendNative(w, QEvent::KeyPress, 115);
    QCOMPARE(spy.count(), 3);
}

void TestKeyboardCapture::autoRepeatGivesPressesOnly()
{
    QWidget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    KeyboardCapture capture;
    QSignalSpy spy(&capture, &KeyboardCapture::KeySignal);
    capture.start();
    sendNative(w, QEvent::KeyPress, 30);
    sendNative(w, QEvent::KeyRelease, 30, Qt::NoModifier, true);
    sendNative(w, QEvent::KeyPress, 30, Qt::NoModifier, true);
    sendNative(w, QEvent::KeyRelease, 30);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(1).at(1).toInt(), 0);
    QCOMPARE(spy.at(2).at(1).toInt(), int(KEY_FLAG_UP));
}

void TestKeyboardCapture::keysAreNotSwallowedAndStopEnds()
{
    QWidget w;
    auto* edit = new QLineEdit(&w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    edit->setFocus();
    KeyboardCapture capture;
    QSignalSpy spy(&capture, &KeyboardCapture::KeySignal);
    capture.start();
    capture.start();
    sendNative(w, QEvent::KeyPress, 30, Qt::NoModifier, false, "a");
    QCOMPARE(spy.count(), 1);
    QCOMPARE(edit->text(), QString("a"));

    capture.stop();
    QVERIFY(!capture.isActive());
    sendNative(w, QEvent::KeyPress, 31, Qt::NoModifier, false, "s");
    QCOMPARE(spy.count(), 1);
}

void TestKeyboardCapture::keyCapShowsTheLayoutsCharacter_data()
{
    QTest::addColumn<quint32>("unshifted");
    QTest::addColumn<quint32>("shifted");
    QTest::addColumn<QString>("cap");
    QTest::newRow("letter") << 0x61u << 0x41u << "A";
    QTest::newRow("AZERTY 1/&") << 0x26u << 0x31u << "&";
    QTest::newRow("AZERTY 2/é") << 0xe9u << 0x32u << QString::fromUtf8("é");
    QTest::newRow("QWERTY 1") << 0x31u << 0x21u << "1";
    QTest::newRow("German ß") << 0xdfu << 0x3fu << QString::fromUtf8("ß");
    QTest::newRow("Cyrillic letter") << 0x01000444u << 0x01000424u << QString::fromUtf8("Ф");
    QTest::newRow("dead circumflex") << 0xfe52u << 0xfe57u << "^";
    QTest::newRow("space") << 0x20u << 0x20u << "";
    QTest::newRow("Shift") << 0xffe1u << 0xffe1u << "";
}

void TestKeyboardCapture::keyCapShowsTheLayoutsCharacter()
{
    QFETCH(quint32, unshifted);
    QFETCH(quint32, shifted);
    QFETCH(QString, cap);
    QCOMPARE(keyNames::keyCapText(unshifted, shifted), cap);
}

void TestKeyboardCapture::keyWithoutLayoutTextKeepsItsFixedName()
{
    // No X display here: every key keeps the table's name, through translation.
    QCOMPARE(keyNames::keyCapName(2, "1"), QStringLiteral("1"));
    QCOMPARE(keyNames::keyCapName(29, "LCtr"), QStringLiteral("LCtr"));
}

QTEST_MAIN(TestKeyboardCapture)
#include "TestKeyboardCapture.moc"

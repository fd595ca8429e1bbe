// What the event table shows per row: key and button names, press/release, moves and delays.
#include "macros/KroMacroItemDelegate.h"
#include "support/TestAppDir.h"

#include <QtTest>

using D = KroMacroItemDelegate;

class TestMacroItemDelegate : public QObject {
    Q_OBJECT

private slots:
    void cellsOfEachRowType();
};

void TestMacroItemDelegate::cellsOfEachRowType()
{
    TestAppDir dir;
    const MacroEvent keyDown = MacroEvent::key(88, true);
    QCOMPARE(D::cellText(keyDown, D::KeyColumn, 10), QString("Num Enter"));
    QCOMPARE(D::cellText(keyDown, D::ActionColumn, 10), QString("Press"));
    QCOMPARE(D::cellIcon(keyDown, D::KeyColumn), QString("/skin/keybo.png"));
    QCOMPARE(D::cellIcon(keyDown, D::ActionColumn), QString("/skin/keydown.png"));
    QVERIFY(D::cellText(keyDown, D::DelayColumn, 10).isEmpty());

    const MacroEvent middleUp = MacroEvent::button(1, false);
    QCOMPARE(middleUp.dataL, quint8(4));
    QCOMPARE(D::cellText(middleUp, D::KeyColumn, 10), QString("MIDDLE CLICK"));
    QCOMPARE(D::cellText(middleUp, D::ActionColumn, 10), QString("Release"));
    QCOMPARE(D::cellIcon(middleUp, D::ActionColumn), QString("/skin/keyup.png"));

    const MacroEvent left = { MAP_MOVE, 0, 236 };
    QCOMPARE(D::cellText(left, D::KeyColumn, 10), QString("MOVE LEFT"));
    QCOMPARE(D::cellText(left, D::ActionColumn, 10), QString("20"));
    QCOMPARE(D::cellIcon(left, D::KeyColumn), QString("/skin/mouse_move.png"));

    const MacroEvent delay = { MAP_DELAY, 1, 44 };
    QCOMPARE(D::cellText(delay, D::DelayColumn, 10), QString("3000"));
    QCOMPARE(D::cellText(delay, D::DelayColumn, 5), QString("1500"));
    QVERIFY(D::cellText(delay, D::KeyColumn, 10).isEmpty());

    // A key usage outside the table and an unknown row show nothing rather than garbage.
    QVERIFY(D::cellText(MacroEvent::key(0xF0, true), D::KeyColumn, 10).isEmpty());
    QVERIFY(D::cellText({ 0x09, 1, 1 }, D::KeyColumn, 10).isEmpty());
}

QTEST_MAIN(TestMacroItemDelegate)
#include "TestMacroItemDelegate.moc"

// Delay rows: editing bounds and units, label texts, the focus-out/return double call; label and
// progress bar text drawing.
#include "widgets/KroLabel.h"
#include "widgets/KroLineEdit.h"
#include "widgets/KroListItem.h"
#include "widgets/KroProcessbar.h"
#include "store/appContext.h"
#include "support/TestAppDir.h"

#include <QSignalSpy>
#include <QtTest>

class TestKroListItem : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setScaleFactor(1.0); }

    void delayIsClampedAndRoundedDown_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("ms");
        QTest::newRow("below ten") << "3" << 10;
        QTest::newRow("empty") << "" << 10;
        QTest::newRow("ten") << "10" << 10;
        QTest::newRow("rounded down") << "1239" << 1230;
        QTest::newRow("largest below top") << "65529" << 65520;
        QTest::newRow("top") << "65530" << 65530;
        QTest::newRow("above top") << "99999" << 65530;
    }
    void delayIsClampedAndRoundedDown()
    {
        QFETCH(QString, typed);
        QFETCH(int, ms);
        QWidget row;
        auto* item = new KroListItem(&row);
        item->setItem(KroListItem::DelayType, 0, 10);
        row.show();
        item->editPressSlot();
        QCOMPARE(item->editor()->text(), QString("100"));
        QVERIFY(item->editor()->isVisible());
        QVERIFY(!item->label()->isVisible());
        item->editor()->setText(typed);
        item->lostFocusSlot();
        QCOMPARE(item->delayMs(), ms);
        QCOMPARE(item->high() * 256 + item->low(), ms / 10);
        QCOMPARE(item->text(), QString("%1 ms").arg(ms));
        QVERIFY(!item->editor()->isVisible());
        QVERIFY(item->label()->isVisible());
    }

    void validatorRefusesOutOfRangeTyping()
    {
        KroListItem item;
        item.setItem(KroListItem::DelayType, 0, 1);
        item.editPressSlot();
        item.editor()->clear();
        QTest::keyClicks(item.editor(), "123456");
        QCOMPARE(item.editor()->text(), QString("12345"));
        item.editor()->clear();
        QTest::keyClicks(item.editor(), "-5");
        QVERIFY(!item.editor()->text().startsWith('-'));
    }

    void returnThenFocusLossEditsOnce()
    {
        QWidget row;
        auto* item = new KroListItem(&row);
        item->setItem(KroListItem::DelayType, 0, 5);
        row.show();
        QSignalSpy changed(item, &KroListItem::delayChangedSignal);
        item->editPressSlot();
        item->editor()->setText("250");
        emit item->editor()->returnPressed();
        emit item->editor()->kroLostFocus();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(item->delayMs(), 250);
    }

    void nonDelayRowsAreNotEditable()
    {
        KroListItem item;
        item.setItem(1, 0, 1);
        item.setText("LEFT CLICK");
        item.editPressSlot();
        QVERIFY(item.editor()->isHidden());
        item.lostFocusSlot();
        QCOMPARE(item.text(), QString("LEFT CLICK"));
        QCOMPARE(item.low(), quint8(1));
    }

    void rowSizesFollowScale()
    {
        setScaleFactor(1.5);
        KroListItem item;
        QCOMPARE(item.size(), QSize(150, 75));
        QCOMPARE(item.label()->size(), QSize(240, 30));
    }

    void labelFontOverrideAndNumber()
    {
        TestAppDir dir(true);
        setScaleFactor(1.25);
        KroLabel label;
        label.setNumber(42);
        QCOMPARE(label.text(), QString("42"));
        label.setFontSize(16);
        label.setFontDecrement(2);
        QCOMPARE(label.paintFont().pixelSize(), 17); // int((16 - 2) * 1.25)
        QSignalSpy pressed(&label, &KroLabel::EnterSignal);
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(pressed.count(), 1);
    }

    void processbarPaintsItsText()
    {
        TestAppDir dir(true);
        KroProcessbar bar;
        bar.resize(120, 30);
        bar.setStyleSheet("QProgressBar{background:rgb(60,60,60);}"); // the window gives it a dark style
        bar.setRange(0, 100);
        bar.setValue(0);
        const QImage blank = bar.grab().toImage();
        bar.setText("MOUSE OFF");
        QCOMPARE(bar.text(), QString("MOUSE OFF"));
        QVERIFY(bar.grab().toImage() != blank);
    }

    // The battery level is the base bar's own formatted text; the overlay text must not hide it.
    void processbarShowsItsFormattedValue()
    {
        TestAppDir dir(true);
        KroProcessbar bar;
        bar.resize(120, 30);
        bar.setStyleSheet("QProgressBar{background:white; color:black; text-align:center;}"
                          "QProgressBar::chunk{background:white;}");
        bar.setRange(0, 100);
        bar.setValue(60);
        bar.setFormat("%p%");
        const QImage hidden = bar.grab().toImage();
        bar.setTextVisible(true);
        const QImage shown = bar.grab().toImage();
        QVERIFY(shown != hidden);
        QVERIFY(bar.text().isEmpty()); // text() still reports only the painted overlay
        bar.setValue(70);
        QVERIFY(bar.grab().toImage() != shown);
        // With an overlay text the level is not drawn underneath it.
        bar.setText("MOUSE OFF");
        const QImage overlay = bar.grab().toImage();
        bar.setTextVisible(false);
        QCOMPARE(bar.grab().toImage(), overlay);
    }
};

QTEST_MAIN(TestKroListItem)
#include "TestKroListItem.moc"

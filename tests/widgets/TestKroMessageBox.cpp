// Message box: kinds and their buttons, sizes at several scale factors, the test answer hooks,
// the device watch that closes the receiver warning.
#include "store/appContext.h"
#include "support/TestAppDir.h"
#include "widgets/KroFileDialog.h"
#include "widgets/KroLabel.h"
#include "widgets/KroMessageBox.h"
#include "widgets/dialogHook.h"

#include <QMovie>
#include <QToolButton>
#include <QtTest>

class TestKroMessageBox : public QObject {
    Q_OBJECT
private slots:
    void init() { dialogHook::clear(); }
    void cleanup()
    {
        setScaleFactor(1.0);
        setMouseConnected(false);
        dialogHook::clear();
    }

    void kindsHaveTheirButtons_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("first");
        QTest::addColumn<bool>("hasNo");
        QTest::newRow("question") << 1 << "Yes" << true;
        QTest::newRow("warning") << 2 << "Ok" << false;
        QTest::newRow("notice") << 3 << "Ok" << false;
        QTest::newRow("receiver") << 4 << "Ok" << false;
    }
    void kindsHaveTheirButtons()
    {
        QFETCH(int, kind);
        QFETCH(QString, first);
        QFETCH(bool, hasNo);
        TestAppDir dir;
        KroMessageBox box(kind, QString(), "Warning", "Something happened.");
        auto* yes = box.findChild<QToolButton*>("msgBoxYesBtn");
        QVERIFY(yes);
        QCOMPARE(yes->text(), first);
        QCOMPARE(yes->size(), QSize(100, 30));
        auto* no = box.findChild<QToolButton*>("msgBoxNoBtn");
        QCOMPARE(no != nullptr, hasNo);
        if (no)
            QCOMPARE(no->text(), QString("No"));
        QCOMPARE(box.findChild<KroLabel*>("msgBoxInfoLabel1")->text(), QString("Warning"));
        QCOMPARE(box.findChild<KroLabel*>("msgBoxInfoLabel2")->text(), QString("Something happened."));
        QVERIFY(box.windowTitle().isEmpty());
    }

    void buttonsAnswer()
    {
        TestAppDir dir;
        KroMessageBox box(1, QString(), "Warning", "Delete?");
        box.show();
        QTest::mouseClick(box.findChild<QToolButton*>("msgBoxNoBtn"), Qt::LeftButton);
        QCOMPARE(box.result(), int(QDialog::Rejected));
        box.show();
        QTest::mouseClick(box.findChild<QToolButton*>("msgBoxYesBtn"), Qt::LeftButton);
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }

    void sizeFollowsScaleFactor_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<QSize>("button");
        QTest::newRow("1.0") << 1.0 << QSize(478, 309) << QSize(100, 30);
        QTest::newRow("1.25") << 1.25 << QSize(597, 386) << QSize(125, 37);
        QTest::newRow("1.5") << 1.5 << QSize(717, 463) << QSize(150, 45);
        QTest::newRow("2.0") << 2.0 << QSize(956, 618) << QSize(200, 60);
    }
    void sizeFollowsScaleFactor()
    {
        QFETCH(double, factor);
        QFETCH(QSize, box);
        QFETCH(QSize, button);
        TestAppDir dir;
        setScaleFactor(factor);
        KroMessageBox b(2, QString(), "Warning", "Text");
        QCOMPARE(b.size(), box);
        QCOMPARE(b.minimumSize(), box);
        QCOMPARE(b.maximumSize(), box);
        QCOMPARE(b.findChild<QToolButton*>("msgBoxYesBtn")->size(), button);
        QCOMPARE(b.findChild<KroLabel*>("msgBoxInfoLabel1")->geometry(),
            QRect(int(20 * factor), int(20 * factor), int(300 * factor), int(20 * factor)));
    }

    void queuedAnswersReturnWithoutShowing()
    {
        TestAppDir dir;
        dialogHook::answerNext(QDialog::Rejected);
        dialogHook::answerNext(QDialog::Accepted);
        QVERIFY(!KroMessageBox::ask(nullptr, "First?"));
        QVERIFY(KroMessageBox::ask(nullptr, "Second?"));
        dialogHook::answerEvery(dialogHook::Kind::Message, QDialog::Accepted);
        KroMessageBox::warn(nullptr, "Third.");
        const auto shown = dialogHook::history(dialogHook::Kind::Message);
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[0].texts.value(1), QString("First?"));
        QCOMPARE(shown[0].result, int(QDialog::Rejected));
        QCOMPARE(shown[1].boxKind, 1);
        QCOMPARE(shown[2].boxKind, 2);
        QCOMPARE(shown[2].texts.value(0), QString("Warning"));
    }

    void receiverWarningClosesWhenMouseConnects()
    {
        TestAppDir dir;
        setMouseConnected(false);
        KroMessageBox box(4, QString(), "Warning", "Dongle Disconnect!", nullptr, true);
        QTimer::singleShot(250, [] { setMouseConnected(true); });
        QTimer::singleShot(5000, &box, &QDialog::reject); // safety net, never reached when working
        QCOMPARE(box.exec(), int(QDialog::Accepted));
        QVERIFY(box.closedByDevice());
        // A box that really ran without a test hook leaves no history behind.
        QVERIFY(dialogHook::history().isEmpty());
    }

    void fileDialogHookAnswersInOrder()
    {
        dialogHook::answerNextFile("/tmp/a.conf");
        dialogHook::answerNextFile(QString());
        QCOMPARE(KroFileDialog::getSaveFileName(nullptr, "Save", "/tmp", "*.conf"), QString("/tmp/a.conf"));
        QCOMPARE(dialogHook::last().texts.value(0), QString("Save"));
        QCOMPARE(dialogHook::last().texts.value(2), QString("*.conf"));
        QVERIFY(KroFileDialog::getOpenFileName(nullptr, "Open").isEmpty());
        QCOMPARE(dialogHook::last().texts.value(0), QString("Open"));
        QCOMPARE(dialogHook::pendingAnswers(), 0);
    }

    void resourceIconsAreRegistered()
    {
        QVERIFY(!QPixmap(":/yes_Btn").isNull());
        QVERIFY(!QPixmap(":/no_Btn").isNull());
        QMovie movie(":/skin/loading.gif");
        QVERIFY(movie.isValid());
        QVERIFY(movie.frameCount() > 1);
    }
};

QTEST_MAIN(TestKroMessageBox)
#include "TestKroMessageBox.moc"

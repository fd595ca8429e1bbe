// Image button: state pictures, toggling, sticky and disabled drawing, hover and press signals.
#include "store/appContext.h"
#include "store/settings.h"
#include "support/TestAppDir.h"
#include "widgets/KroPushButton.h"
#include "widgets/skinStyle.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// Writes skin/<name>.png filled with one colour (opaque) so each state is recognisable.
void writeImage(const TestAppDir& dir, const QString& name, const QColor& colour)
{
    QImage img(20, 10, QImage::Format_ARGB32);
    img.fill(colour);
    QDir().mkpath(dir.file("skin"));
    QVERIFY(img.save(dir.file("skin/" + name + ".png")));
}

QRgb centre(const QPixmap& pixmap)
{
    return pixmap.toImage().pixel(pixmap.width() / 2, pixmap.height() / 2);
}

} // namespace

class TestKroPushButton : public QObject {
    Q_OBJECT
private:
    TestAppDir* m_dir = nullptr;
    const QStringList three { "/skin/n.png", "/skin/h.png", "/skin/p.png" };

    void enter(QWidget* w)
    {
        QEvent e(QEvent::Enter);
        QApplication::sendEvent(w, &e);
    }
    void leave(QWidget* w)
    {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(w, &e);
    }

private slots:
    void init()
    {
        m_dir = new TestAppDir;
        writeImage(*m_dir, "n", Qt::blue);
        writeImage(*m_dir, "h", Qt::green);
        writeImage(*m_dir, "p", Qt::red);
    }
    void cleanup() { delete m_dir; }

    void hoverPressReleaseCycleThroughPictures()
    {
        KroPushButton b(three);
        b.resize(40, 20);
        QCOMPARE(b.imageCount(), 3);
        QCOMPARE(b.state(), 0);
        enter(&b);
        QCOMPARE(b.state(), 1);
        QCOMPARE(centre(b.currentImage()), QColor(Qt::green).rgb());
        QTest::mousePress(&b, Qt::LeftButton);
        QCOMPARE(b.state(), 2);
        QVERIFY(b.isToggled());
        QCOMPARE(centre(b.currentImage()), QColor(Qt::red).rgb());
        QTest::mouseRelease(&b, Qt::LeftButton);
        QCOMPARE(b.state(), 1);
        // A second press un-toggles and shows the normal picture while held.
        QTest::mousePress(&b, Qt::LeftButton);
        QCOMPARE(b.state(), 0);
        QVERIFY(!b.isToggled());
        QTest::mouseRelease(&b, Qt::LeftButton);
        leave(&b);
        QCOMPARE(b.state(), 0);
    }

    void normalPictureIsTintedSilhouette()
    {
        KroPushButton b(three);
        const QColor normal = QColor::fromRgb(centre(b.currentImage()));
        QVERIFY(normal != QColor(Qt::blue));
        QCOMPARE(normal.alpha(), 255);
    }

    void singleImageNeverChangesPicture()
    {
        KroPushButton b(QStringList { "/skin/h.png" });
        b.resize(40, 20);
        const QImage before = b.currentImage().toImage();
        enter(&b);
        QTest::mousePress(&b, Qt::LeftButton);
        QCOMPARE(b.currentImage().toImage(), before);
        QTest::mouseRelease(&b, Qt::LeftButton);
        leave(&b);
        QCOMPARE(b.currentImage().toImage(), before);
        QCOMPARE(b.state(), 0);
    }

    void twoImagesHaveNoPressedPicture()
    {
        KroPushButton b(QStringList { "/skin/n.png", "/skin/h.png" });
        enter(&b);
        QTest::mousePress(&b, Qt::LeftButton);
        QCOMPARE(b.state(), 1);
    }

    void stickyToggledButtonKeepsHoverAfterLeaveAndEnable()
    {
        KroPushButton b(three);
        b.setSticky(true);
        b.setState(1);
        enter(&b);
        leave(&b);
        QCOMPARE(b.state(), 1);
        b.setEnabled(false);
        QCOMPARE(b.state(), 3);
        QCOMPARE(centre(b.currentImage()), centre(KroPushButton(three).currentImage()));
        b.setEnabled(true);
        QCOMPARE(b.state(), 1);

        KroPushButton plain(three);
        plain.setState(1);
        plain.setEnabled(false);
        plain.setEnabled(true);
        QCOMPARE(plain.state(), 0);
    }

    void disabledButtonIgnoresTheMouse()
    {
        KroPushButton b(three);
        QSignalSpy over(&b, &KroPushButton::OverSignal);
        QSignalSpy press(&b, &KroPushButton::EnterSignal);
        b.setEnabled(false);
        enter(&b);
        QTest::mousePress(&b, Qt::LeftButton);
        QCOMPARE(b.state(), 3);
        QVERIFY(!b.isToggled());
        QCOMPARE(over.count(), 0);
        QCOMPARE(press.count(), 0);
    }

    void disablingTheParentDrawsDisabled()
    {
        QWidget parent;
        auto* b = new KroPushButton(three, &parent);
        parent.setEnabled(false);
        QCOMPARE(b->state(), 3);
        parent.setEnabled(true);
        QCOMPARE(b->state(), 0);
    }

    void signalOrderAndLeaveAfterPressIsSilent()
    {
        KroPushButton b(three);
        b.setIndex(4);
        b.resize(40, 20);
        QStringList order;
        connect(&b, &KroPushButton::OverSignal,
            [&](bool in, int index) { order << QString("over %1 %2").arg(in).arg(index); });
        connect(&b, &KroPushButton::EnterSignal, [&](KroPushButton* who) {
            QCOMPARE(who, &b);
            order << "press";
        });
        connect(&b, &QPushButton::clicked, [&] { order << "clicked"; });
        enter(&b);
        QTest::mouseClick(&b, Qt::LeftButton);
        leave(&b);
        enter(&b);
        leave(&b);
        QCOMPARE(order, QStringList({ "over 1 4", "press", "clicked", "over 1 4", "over 0 4" }));
    }

    void textIsToolTipAndSizeHintFollowsImage()
    {
        KroPushButton b(three);
        b.setText("Apply");
        QCOMPARE(b.text(), QString("Apply"));
        QCOMPARE(b.toolTip(), QString("Apply"));
        QCOMPARE(b.sizeHint(), QSize(20, 10));
    }

    void missingImagesDrawNothingAndDoNotCrash()
    {
        KroPushButton b(QStringList { "/skin/none.png", "/skin/none2.png" });
        b.resize(30, 30);
        enter(&b);
        QVERIFY(b.currentImage().isNull());
        QVERIFY(!b.grab().isNull());
    }

    void maskFollowsResize()
    {
        // A button resized after construction must not stay clipped to its first size.
        QImage shaped(20, 10, QImage::Format_ARGB32);
        shaped.fill(Qt::blue);
        for (int y = 0; y < 10; ++y)
            shaped.setPixel(0, y, qRgba(0, 0, 0, 0));
        QVERIFY(shaped.save(m_dir->file("skin/shaped.png")));
        KroPushButton b(QStringList { "/skin/shaped.png" });
        b.resize(10, 10);
        b.show();
        b.resize(200, 30);
        QCoreApplication::processEvents();
        const QRect covered = b.mask().boundingRect();
        QVERIFY(covered.left() > 0);
        QCOMPARE(covered.right(), 199);
        QCOMPARE(covered.height(), 30);
    }

    void selectedTextReadsOnEveryAccent_data()
    {
        QTest::addColumn<QColor>("accent");
        QTest::addColumn<QColor>("text");
        const QColor black(0, 0, 0);
        const QColor white(255, 255, 255);
        const QColor expected[ACCENT_COLOUR_COUNT] = { black, black, white, black, black, black, black };
        for (int i = 0; i < ACCENT_COLOUR_COUNT; ++i)
            QTest::addRow("%s", qPrintable(ACCENT_COLOURS[i].name())) << ACCENT_COLOURS[i] << expected[i];
    }
    void selectedTextReadsOnEveryAccent()
    {
        QFETCH(QColor, accent);
        QFETCH(QColor, text);
        QCOMPARE(readableTextOn(accent), text);
        QVERIFY(contrastRatio(text, accent) >= KroPushButton::MIN_TEXT_CONTRAST);
        // A button whose selected picture is the accent draws its text in that colour.
        writeImage(*m_dir, "h", accent);
        KroPushButton b(three);
        b.setText("2mm");
        b.setState(1);
        QVERIFY(contrastRatio(b.drawnTextColour(), accent) >= KroPushButton::MIN_TEXT_CONTRAST);
    }

    void maskCoversHolesInThePicture()
    {
        // A ring: the transparent middle is still part of the button, the corners are not.
        QImage ring(20, 20, QImage::Format_ARGB32);
        ring.fill(Qt::transparent);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                const int d = (x - 10) * (x - 10) + (y - 10) * (y - 10);
                if (d <= 81 && d >= 25)
                    ring.setPixel(x, y, qRgba(200, 0, 0, 255));
            }
        QVERIFY(ring.save(m_dir->file("skin/ring.png")));
        KroPushButton b(QStringList { "/skin/ring.png" });
        b.resize(20, 20);
        b.show();
        QCoreApplication::processEvents();
        QVERIFY(b.mask().contains(QPoint(10, 10)));
        QVERIFY(!b.mask().contains(QPoint(0, 0)));
    }
};

QTEST_MAIN(TestKroPushButton)
#include "TestKroPushButton.moc"

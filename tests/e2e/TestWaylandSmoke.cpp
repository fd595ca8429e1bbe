// The program under a Wayland compositor (scripts/wayland-smoke runs it in weston's headless
// backend): the window shows with the skin's own outline, an apply reaches the mouse, and keys
// typed into the focused window are captured. Elsewhere it is skipped.
#include "app/MousecfgWidget.h"
#include "panels/KroDPIWindow.h"
#include "panels/KroSingleDPI.h"
#include "panels/KroTwoBarSlider.h"
#include "platform/KeyboardCapture.h"
#include "platform/WindowSystem.h"

#include "e2eFixture.h"

#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A screenshot of the whole output through weston's screenshooter (weston runs with --debug).
QImage screenshot()
{
    QTemporaryDir dir;
    QProcess shooter;
    shooter.setWorkingDirectory(dir.path());
    shooter.start(QStringLiteral("weston-screenshooter"), QStringList());
    if (!shooter.waitForFinished(10000) || shooter.exitCode() != 0)
        return QImage();
    const QStringList shots = QDir(dir.path()).entryList({ QStringLiteral("*.png") });
    if (shots.isEmpty())
        return QImage();
    const QImage image(dir.path() + QLatin1Char('/') + shots.first());
    image.save(QDir::tempPath() + QStringLiteral("/mousecfg-wayland.png"));
    return image;
}

// The desktop's colour: the one most of the output's corners show (the window covers one at most).
QRgb desktopColour(const QImage& image)
{
    QHash<QRgb, int> votes;
    const int r = image.width() - 1, b = image.height() - 1;
    for (const QPoint& p : { QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b) })
        ++votes[image.pixel(p)];
    QRgb best = 0;
    for (auto it = votes.cbegin(); it != votes.cend(); ++it)
        if (it.value() > votes.value(best))
            best = it.key();
    return best;
}

// Bounding box of everything on the output that is not the desktop.
QRect drawnArea(const QImage& image, QRgb desktop)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != desktop)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestWaylandSmoke : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!windowSystem::isWayland())
            QSKIP("needs a Wayland compositor (scripts/wayland-smoke)");
    }

    void windowKeepsItsOutlineAndApplies()
    {
        E2eFixture e2e(true);
        MousecfgWidget& w = e2e.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::qWait(500); // the compositor's next frame

        const QImage shot = screenshot();
        QVERIFY2(!shot.isNull(), "weston-screenshooter gave no picture");
        const QRgb desktop = desktopColour(shot);
        const QRect area = drawnArea(shot, desktop);
        QVERIFY(area.width() > 600 && area.height() > 400);
        // The skin's cut corners (top left, bottom right) show the desktop, not an opaque frame.
        QCOMPARE(shot.pixel(area.topLeft()), desktop);
        QCOMPARE(shot.pixel(area.bottomRight()), desktop);
        QVERIFY(qGray(shot.pixel(area.left() + 2, area.bottom() - 100)) < 200);

        w.switchPage(MousecfgWidget::PageDpi);
        auto* dpi = w.findChild<KroDPIWindow*>(QStringLiteral("dpiPanel"));
        QVERIFY(dpi && dpi->row(1));
        dpi->row(1)->slider()->findChild<QSlider*>(QStringLiteral("xSlider"))->setValue(300);
        e2e.apply();
        const DecodedStage stage = e2e.decoder().stage(1);
        QCOMPARE(int(stage.bytes[0] | stage.bytes[1] << 8), 300);
    }

    // Keys reach the capture while its window has the focus, with the same codes as on X11.
    void keysOfTheFocusedWindowAreCaptured()
    {
        QLineEdit edit;
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        KeyboardCapture capture;
        QSignalSpy keys(&capture, &KeyboardCapture::KeySignal);
        capture.start();
        // As QtWayland delivers them: the evdev code + 8 (here 30, the A key).
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 30 + 8, 0, 0, QStringLiteral("a"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, 30 + 8, 0, 0, QStringLiteral("a"));
        QCoreApplication::sendEvent(edit.windowHandle(), &press);
        QCoreApplication::sendEvent(edit.windowHandle(), &release);
        QCOMPARE(keys.count(), 2);
        QCOMPARE(keys.at(0), QVariantList({ 0x1E, 0 }));
        QCOMPARE(keys.at(1), QVariantList({ 0x1E, 0x80 }));
        QCOMPARE(edit.text(), QStringLiteral("a"));
    }
};

QTEST_MAIN(TestWaylandSmoke)
#include "TestWaylandSmoke.moc"

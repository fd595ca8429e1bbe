// What the window shows at a glance, driven through the window as a person would: the selected tab,
// the title-bar buttons, SAVE's file name, the battery bar and the result line after an apply.
#include "app/MousecfgWidget.h"
#include "app/StatusDisplay.h"
#include "app/TrayController.h"
#include "device/KroGetBatteryThread.h"
#include "panels/KroDPIWindow.h"
#include "panels/KroPointSpeed.h"
#include "panels/KroSingleDPI.h"
#include "panels/KroTwoBarSlider.h"
#include "store/MouseConfig.h"
#include "store/appContext.h"
#include "store/profileFiles.h"
#include "store/settings.h"
#include "widgets/KroLabel.h"
#include "widgets/KroProcessbar.h"
#include "widgets/KroPushButton.h"

#include "TestAppDir.h"
#include "e2eFixture.h"

#include <QFile>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

namespace {

// The window shown at scale 1.0, so layout pixels are window pixels.
void showAtScaleOne(MousecfgWidget& w)
{
    w.setLogicalDpiOverride(96);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
}

// A click at a point of the window, delivered as the window system does: the widget under the
// point (masks included) gets it.
void clickWindowAt(MousecfgWidget& w, const QPoint& at)
{
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    QCoreApplication::processEvents();
}

QPoint centreOf(MousecfgWidget& w, QWidget* child)
{
    return child->mapTo(&w, child->rect().center());
}

QColor barColourAt(KroProcessbar* bar, int x)
{
    return bar->grab().toImage().pixelColor(x, bar->height() / 2);
}

} // namespace

class TestWindowGlance : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { KroPointSpeed::setSettingsOpenerForTest(nullptr); }

    void tabOfThePageStaysSelectedAfterThePointerLeaves()
    {
        E2eFixture e2e(true);
        MousecfgWidget& w = e2e.window();
        showAtScaleOne(w);
        const char* const tabs[] = { "tabCustomize", "tabDpi", "tabMacro", "tabLighting" };
        for (int i = 0; i < 4; ++i) {
            KroPushButton* tab = e2e.button(tabs[i]);
            clickWindowAt(w, centreOf(w, tab));
            // The pointer moves on to an empty part of the window.
            QTest::mouseMove(w.windowHandle(), QPoint(30, 400));
            QCoreApplication::processEvents();
            for (const char* other : tabs)
                QCOMPARE(e2e.button(other)->state(), other == tabs[i] ? 1 : 0);
        }
        QCOMPARE(w.currentPage(), int(MousecfgWidget::PageLighting));
    }

    void clickOnTheGlyphOfATitleButtonCounts_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("close") << "closeButton";
        QTest::newRow("minimise") << "minimiseButton";
    }
    void clickOnTheGlyphOfATitleButtonCounts()
    {
        QFETCH(QString, button);
        // With a tray the close button hides the window (without one it ends the program).
        TrayController::setTrayProbe([] { return true; });
        E2eFixture e2e(true);
        MousecfgWidget& w = e2e.window();
        showAtScaleOne(w);
        KroPushButton* target = e2e.button(button);
        // The glyph is cut out of the normal picture: its centre is transparent.
        QCOMPARE(qAlpha(target->currentImage().toImage().pixel(target->width() / 2, target->height() / 2)), 0);
        QSignalSpy clicked(target, &QPushButton::clicked);
        clickWindowAt(w, centreOf(w, target));
        QCOMPARE(clicked.count(), 1);
        TrayController::setTrayProbe(nullptr);
        if (button == "closeButton")
            QVERIFY(!w.isVisible());
        else
            QVERIFY(w.windowState() & Qt::WindowMinimized);
    }

    void saveAddsTheConfSuffix_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("no suffix") << "mysetup"
                                   << "mysetup.conf";
        QTest::newRow("with suffix") << "mine.conf"
                                     << "mine.conf";
        QTest::newRow("another suffix kept") << "mine.ini"
                                             << "mine.ini";
    }
    void saveAddsTheConfSuffix()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        E2eFixture e2e;
        dialogHook::answerNextFile(e2e.dir().file(typed));
        e2e.button("saveButton")->click();
        QCOMPARE(readProductTag(e2e.dir().file(written)), currentProductName());
        if (typed != written)
            QVERIFY(!QFile::exists(e2e.dir().file(typed)));
    }

    void saveAsksBeforeReplacingTheCompletedName()
    {
        E2eFixture e2e;
        e2e.dir().write("mysetup.conf", "keep");
        dialogHook::answerNext(QDialog::Rejected);
        dialogHook::answerNextFile(e2e.dir().file("mysetup"));
        e2e.button("saveButton")->click();
        QCOMPARE(e2eBoxMessages().last(), QStringLiteral("mysetup.conf already exists. Do you want to replace it?"));
        QFile kept(e2e.dir().file("mysetup.conf"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("keep"));
    }

    void batteryWithoutAMouseShowsNoLevel()
    {
        E2eFixture e2e(false, VirtualMouseFixture::Nothing);
        auto* bar = e2e.window().findChild<KroProcessbar*>("batteryBar");
        QCOMPARE(bar->value(), 0);
        QVERIFY(!bar->isTextVisible());
        QVERIFY(!bar->text().contains('%'));
        QVERIFY(!mouseOff());
    }

    void batteryFillFollowsTheLevel_data()
    {
        QTest::addColumn<int>("lo");
        QTest::addColumn<int>("hi");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("warning");
        QTest::newRow("70 %") << 178 << 3 << 70 << false; // raw 946
        QTest::newRow("30 %") << 57 << 3 << 30 << false; // raw 825
        QTest::newRow("20 %") << 8 << 3 << 20 << true; // raw 776
        QTest::newRow("10 %") << 7 << 3 << 10 << true; // raw 775
    }
    void batteryFillFollowsTheLevel()
    {
        QFETCH(int, lo);
        QFETCH(int, hi);
        QFETCH(int, level);
        QFETCH(bool, warning);
        E2eFixture e2e;
        MousecfgWidget& w = e2e.window();
        showAtScaleOne(w);
        w.slotRefreshBatteryStatus(0, quint8(lo), quint8(hi));
        auto* bar = w.findChild<KroProcessbar*>("batteryBar");
        QCOMPARE(bar->value(), level);
        QVERIFY(bar->isTextVisible());
        QCOMPARE(barColourAt(bar, 3), warning ? StatusDisplay::WARNING_COLOUR : accentColour());
    }

    void resultLineTellsWhatTheApplyDid_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("line");
        QTest::newRow("changed") << "changed"
                                 << "Sent to the mouse: DPI";
        QTest::newRow("unchanged") << "unchanged"
                                   << "Nothing changed";
        QTest::newRow("failed") << "failed"
                                << "Sending failed";
        QTest::newRow("mouse off") << "off"
                                   << "Not sent: the mouse is sleeping or not connected";
    }
    void resultLineTellsWhatTheApplyDid()
    {
        QFETCH(QString, kind);
        QFETCH(QString, line);
        E2eFixture e2e;
        MousecfgWidget& w = e2e.window();
        // No report of the poller overtakes the state set here.
        w.stopBatteryThread();
        QCoreApplication::processEvents();
        setDiffFlag(0);
        setMouseOff(kind == "off");
        if (kind != "unchanged") {
            w.switchPage(MousecfgWidget::PageDpi);
            auto* dpi = w.findChild<KroDPIWindow*>("dpiPanel");
            dpi->row(1)->slider()->findChild<QSlider*>("xSlider")->setValue(300);
        }
        if (kind == "failed") {
            VirtualMouse::Faults silent;
            silent.noReply = true;
            e2e.mouse().mouse().setFaults(silent);
        }
        e2e.apply();
        QCOMPARE(w.findChild<KroLabel*>("resultLine")->text(), line);
        if (kind == "changed") {
            const DecodedStage stage = e2e.decoder().stage(1);
            QVERIFY(stage.used);
            QCOMPARE(int(stage.bytes[0] | stage.bytes[1] << 8), 300); // the sensor's little-endian X
        }
        // The failure boxes stay as they were.
        QCOMPARE(e2eBoxMessages().isEmpty(), kind == "changed" || kind == "unchanged");
        setMouseOff(false);
    }

    void mousePropertiesWithoutADesktopToolSaysSo()
    {
        E2eFixture e2e;
        KroPointSpeed::setSettingsOpenerForTest([] { return false; });
        e2e.window().switchPage(MousecfgWidget::PageDpi);
        e2e.window().findChild<QPushButton*>("mouseSettingsButton")->click();
        QCOMPARE(e2eBoxMessages(), QStringList { "No mouse settings tool of the desktop was found." });
    }
};

QTEST_MAIN(TestWindowGlance)
#include "TestWindowGlance.moc"

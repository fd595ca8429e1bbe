// Tests of the main window with the virtual mouse: placement, pages, status corner, following the
// mouse, tray, the receiver warning, and an apply end to end.
#include "app/MousecfgWidget.h"
#include "app/StatusDisplay.h"
#include "app/TrayController.h"
#include "buttons/KroBtnWindow.h"
#include "device/KroGetBatteryThread.h"
#include "device/commandSet.h"
#include "device/hidDevices.h"
#include "panels/KroColorWindow.h"
#include "panels/KroDPIWindow.h"
#include "platform/Notice.h"
#include "sim/VirtualMouseDecoder.h"
#include "store/MouseConfig.h"
#include "store/appContext.h"
#include "store/deviceDescription.h"
#include "store/profileFiles.h"
#include "store/settings.h"
#include "widgets/KroMessageBox.h"
#include "widgets/KroProcessbar.h"
#include "widgets/KroPushButton.h"
#include "widgets/dialogHook.h"

#include "TestAppDir.h"
#include "VirtualMouseFixture.h"
#include "e2eFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QScrollArea>
#include <QSettings>
#include <QtTest>

namespace {

// Command bytes of the frames the virtual mouse received, from its frame log.
QList<int> commandsSent(const QString& log)
{
    QList<int> commands;
    QFile f(log);
    if (!f.open(QIODevice::ReadOnly))
        return commands;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (!line.startsWith("> "))
            continue;
        const QList<QByteArray> bytes = line.mid(2).split(' ');
        if (bytes.size() > 3)
            commands << bytes.at(3).toInt(nullptr, 16);
    }
    return commands;
}

// A one-colour picture at the window's mouse picture path of the product.
void writeMousePicture(const QString& file, const QColor& colour)
{
    const QString folder = appDir() + "/skin/mouse/" + currentProductName();
    QDir().mkpath(folder);
    QImage image(450, 400, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(folder + "/" + file));
}

QColor frontPictureColour(const MousecfgWidget& w)
{
    const QPixmap picture = w.findChild<QLabel*>("frontPicture")->pixmap(Qt::ReturnByValue);
    return !picture.isNull() ? picture.toImage().pixelColor(10, 10) : QColor();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestAppDir> m_dir;
    std::unique_ptr<VirtualMouseFixture> m_mouse;
    QStringList m_notices;

    std::unique_ptr<MousecfgWidget> makeWindow(VirtualMouseFixture::Plug plug = VirtualMouseFixture::ReceiverOnly)
    {
        m_mouse.reset(); // the old fixture restores the backend it replaced
        m_mouse = std::make_unique<VirtualMouseFixture>(plug, false);
        e2eWriteFactoryProfiles();
        return std::make_unique<MousecfgWidget>();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<TestAppDir>(true);
        dialogHook::clear();
        dialogHook::answerEvery(dialogHook::Kind::Message, QDialog::Accepted);
        m_notices.clear();
        notice::setSink([this](const QString& text, const QColor&) { m_notices << text; });
        setMouseConnected(false);
    }
    void cleanup()
    {
        notice::setSink({});
        dialogHook::clear();
        m_mouse.reset();
        m_dir.reset();
        setScaleFactor(1.0);
    }

    void placementFollowsTheScale()
    {
        auto w = makeWindow();
        QVERIFY(!w->findChild<QWidget*>("dpiPanel")); // built when first shown
        w->setLogicalDpiOverride(120);
        w->ensurePage(MousecfgWidget::PageDpi);
        auto* dpi = w->findChild<QWidget*>("dpiPanel");
        QVERIFY(dpi);
        QCOMPARE(w->scaleStep(), 1);
        QCOMPARE(w->size(), QSize(1248, 800));
        QCOMPARE(dpi->geometry(), QRect(356, 112, 570, 575));
        w->setLogicalDpiOverride(96);
        QCOMPARE(w->size(), QSize(999, 640));
        QCOMPARE(dpi->geometry(), QRect(285, 90, 456, 460));
        w->setLogicalDpiOverride(144);
        QCOMPARE(w->size(), QSize(1498, 960));
        QCOMPARE(dpi->geometry(), QRect(427, 135, 684, 690));
        QCOMPARE(w->findChild<QWidget*>("applyButton")->geometry(), QRect(895, 882, 114, 45));
        // Collapsed controls stay collapsed at every scale; the slot strip scales with the rest.
        QCOMPARE(w->findChild<QWidget*>("okButton")->size(), QSize(0, 0));
        QCOMPARE(w->findChild<QWidget*>("slotIndicator1")->geometry(), QRect(129, 360, 180, 30));
    }

    void panelsFollowTheScale()
    {
        auto w = makeWindow();
        w->setLogicalDpiOverride(96);
        w->ensurePage(MousecfgWidget::PageDpi);
        w->ensurePage(MousecfgWidget::PageCustomize);
        auto* lighting = w->findChild<KroColorWindow*>("lightingPanel");
        auto* dpi = w->findChild<KroDPIWindow*>("dpiPanel");
        auto* lightingLabel = lighting->findChild<QLabel*>("effectTitle");
        auto* dpiLabel = dpi->findChild<QLabel*>("sleepTitleLabel");
        QVERIFY(lightingLabel && dpiLabel);
        const QFont small = lightingLabel->font();
        const QFont smallDpi = dpiLabel->font();
        w->setLogicalDpiOverride(144);
        QVERIFY(QFontInfo(lightingLabel->font()).pixelSize() > QFontInfo(small).pixelSize());
        QVERIFY(QFontInfo(dpiLabel->font()).pixelSize() > QFontInfo(smallDpi).pixelSize());
        QCOMPARE(lighting->profile(), &currentConfig.profiles[0]); // the lighting the mouse receives
        // The button panel is built again at the new factor, on the same profile.
        auto* buttons = w->findChild<KroBtnWindow*>("buttonPanel");
        QCOMPARE(w->findChild<QScrollArea*>("buttonArea")->widget(), buttons);
        QCOMPARE(buttons->label(0)->width(), int(220 * 1.5));
        QCOMPARE(buttons->profile(), &currentConfig.profiles[0]);
        emit buttons->SelBtnControl(buttons->label(0), true);
        QCOMPARE(w->findChild<KroPushButton*>("frontMarker1")->state(), 0);
    }

    void hoveringALabelShowsItsButtonOnThePicture()
    {
        auto w = makeWindow();
        writeMousePicture("Mouse.png", Qt::white);
        writeMousePicture("mouse_1.png", Qt::red);
        writeMousePicture("mouse_2.png", Qt::blue);
        w->loadPictures();
        w->ensurePage(MousecfgWidget::PageCustomize);
        auto* buttons = w->findChild<KroBtnWindow*>("buttonPanel");
        QCOMPARE(frontPictureColour(*w), QColor(Qt::white));
        const int secondMarker = w->findChild<KroPushButton*>("frontMarker2")->state();
        // The first row is button 1: marker 1 and mouse_1.png.
        emit buttons->SelBtnControl(buttons->label(0), true);
        QCOMPARE(frontPictureColour(*w), QColor(Qt::red));
        QCOMPARE(w->findChild<KroPushButton*>("frontMarker1")->state(), 0);
        QCOMPARE(w->findChild<KroPushButton*>("frontMarker2")->state(), secondMarker);
        emit buttons->SelBtnControl(buttons->label(0), false);
        QCOMPARE(frontPictureColour(*w), QColor(Qt::white));
        QCOMPARE(w->findChild<KroPushButton*>("frontMarker1")->state(), 1);
        emit buttons->SelBtnControl(buttons->label(1), true);
        QCOMPARE(frontPictureColour(*w), QColor(Qt::blue));
        emit buttons->SelBtnControl(buttons->label(1), false);
        // The wheel pair (253, 254) has no marker: the picture stays.
        emit buttons->SelBtnControl(buttons->label(40), true);
        emit buttons->SelBtnControl(buttons->label(41), true);
        QCOMPARE(frontPictureColour(*w), QColor(Qt::white));
    }

    void pagesShowTheirWidgets()
    {
        auto w = makeWindow();
        w->show();
        QCOMPARE(w->currentPage(), int(MousecfgWidget::PageLighting));
        QVERIFY(w->findChild<QWidget*>("lightingPanel")->isVisible());
        QVERIFY(w->findChild<QWidget*>("frontPicture")->isVisible());
        w->switchPage(MousecfgWidget::PageDpi);
        QVERIFY(!w->findChild<QWidget*>("lightingPanel")->isVisible());
        QVERIFY(w->findChild<QWidget*>("dpiPanel")->isVisible());
        QVERIFY(w->findChild<QWidget*>("reportRatePanel")->isVisible());
        QVERIFY(!w->findChild<QWidget*>("buttonArea")); // the CUSTOMIZE page is built when first shown
        QVERIFY(!w->findChild<QWidget*>("frontPicture")->isVisible());
        QCOMPARE(w->findChild<KroPushButton*>("tabDpi")->state(), 1);
        QCOMPARE(w->findChild<KroPushButton*>("tabLighting")->state(), 0);
        w->switchPage(MousecfgWidget::PageCustomize);
        QVERIFY(w->findChild<QWidget*>("buttonArea")->isVisible());
        QVERIFY(w->findChild<QWidget*>("frontPicture")->isVisible());
        w->findChild<KroPushButton*>("sideButton")->click();
        QVERIFY(w->findChild<QWidget*>("sidePicture")->isVisible());
        QVERIFY(!w->findChild<QWidget*>("frontPicture")->isVisible());
        w->switchPage(MousecfgWidget::PageMacro);
        QVERIFY(w->findChild<QWidget*>("macroPanel")->isVisible());
        QVERIFY(!w->findChild<QWidget*>("sidePicture")->isVisible());
    }

    void lightingDisabledStartsOnCustomize()
    {
        QSettings(appDir() + "/DefaultProfile.bin", QSettings::IniFormat).setValue("PROFILE/ledDisable", 1);
        auto w = makeWindow();
        QCOMPARE(w->currentPage(), int(MousecfgWidget::PageCustomize));
        w->switchPage(MousecfgWidget::PageLighting);
        QCOMPARE(w->currentPage(), int(MousecfgWidget::PageCustomize));
        QCOMPARE(w->findChild<QWidget*>("tabLighting")->size(), QSize(0, 0));
    }

    void batteryLevelsAndMouseOff()
    {
        auto w = makeWindow();
        auto* bar = w->findChild<KroProcessbar*>("batteryBar");
        w->slotRefreshBatteryStatus(0, 0, 0);
        QCOMPARE(bar->text(), QStringLiteral("MOUSE OFF"));
        QVERIFY(mouseOff());
        w->slotRefreshBatteryStatus(0, 7, 3); // raw 775
        QVERIFY(!mouseOff());
        QVERIFY(bar->text().isEmpty());
        QCOMPARE(bar->value(), 10);
        w->slotRefreshBatteryStatus(0, 8, 3); // raw 776
        QCOMPARE(bar->value(), 20);
        w->slotRefreshBatteryStatus(0, 226, 3); // raw 994
        QCOMPARE(bar->value(), 90);
        QCOMPARE(batteryPercent(), 90);
        QCOMPARE(w->status()->mode(), 2);
        // Charging on the receiver: the bar gives way to the charging picture.
        w->slotRefreshBatteryStatus(1, 226, 3);
        QCOMPARE(w->status()->mode(), 1);
        QVERIFY(bar->isHidden());
        // With the cable's control collection present the bar reads 100 without a percentage.
        deviceTable[0].present4 = 1;
        w->slotRefreshBatteryStatus(0, 8, 3);
        QCOMPARE(bar->value(), 100);
        QVERIFY(bar->format().isEmpty());
        deviceTable[0].present4 = 0;
    }

    void statusReportSwitchesSlotBeforeComparing()
    {
        auto w = makeWindow();
        currentConfig.ProfileID = 0;
        currentConfig.profiles[0].dpi = 0;
        currentConfig.profiles[0].pollrate = 1;
        currentConfig.profiles[1].dpi = 2;
        currentConfig.profiles[1].pollrate = 2;
        w->slotRefreshStatus(1, 2, 2, 0);
        QCOMPARE(currentConfig.ProfileID, quint8(1));
        QCOMPARE(m_notices, QStringList { QStringLiteral("Profile 2") });
        m_notices.clear();
        w->slotRefreshStatus(1, 3, 8, 0);
        QCOMPARE(currentConfig.profiles[1].dpi, quint8(3));
        QCOMPARE(currentConfig.profiles[1].pollrate, quint8(8));
        QCOMPARE(m_notices.size(), 2);
        QVERIFY(m_notices.at(0).startsWith(QStringLiteral("DPI 4:")));
        QCOMPARE(m_notices.at(1), QStringLiteral("125 HZ"));
        m_notices.clear();
        w->slotRefreshStatus(1, 3, 3, 0);
        QCOMPARE(m_notices, QStringList { QString() });
        // A profile number the mouse cannot have is ignored.
        w->slotRefreshStatus(9, 3, 3, 0);
        QCOMPARE(currentConfig.ProfileID, quint8(1));
    }

    void trayClicksHideAndShow()
    {
        auto w = makeWindow();
        w->show();
        w->iconActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(w->isHidden());
        w->iconActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(w->isVisible());
        w->iconActivated(QSystemTrayIcon::Context);
        QVERIFY(w->isVisible());
        w->tray()->setWarningOpen(true);
        w->iconActivated(QSystemTrayIcon::Trigger);
        QVERIFY(w->isVisible());
        w->tray()->setWarningOpen(false);
    }

    void warningClosesWhenAReceiverArrives()
    {
        auto w = makeWindow(VirtualMouseFixture::Nothing);
        QCOMPARE(mouseCount(), 0);
        dialogHook::answerEvery(dialogHook::Kind::Message, -1); // the box really runs
        QTimer::singleShot(50, this, [this] { m_mouse->mouse().plug(VirtualMouse::Receiver); });
        // Safety net: a box still open after 10 s is rejected, and the checks below fail.
        QTimer::singleShot(10000, this, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                static_cast<QDialog*>(modal)->reject();
        });
        w->showMainWindow();
        QVERIFY(!dialogHook::history(dialogHook::Kind::Message).isEmpty());
        const auto shown = dialogHook::history(dialogHook::Kind::Message).last();
        QCOMPARE(shown.boxKind, 4);
        QCOMPARE(shown.texts.value(1), QStringLiteral("Dongle Disconnect!"));
        QCOMPARE(shown.result, int(QDialog::Accepted));
        QVERIFY(mouseConnected());
        QVERIFY(w->isVisible());
        QVERIFY(!w->warningOpen());
    }

    void applySendsOnlyTheChangedDpiBlock()
    {
        auto w = makeWindow();
        const QString log = m_dir->file("frames.log");
        m_mouse->mouse().setFrameLog(log);
        w->ensurePage(MousecfgWidget::PageDpi);
        auto* dpi = w->findChild<KroDPIWindow*>("dpiPanel");
        const DpiStage before = currentConfig.current().stages[1];
        const quint32 raw = before.x == 20 ? 30 : 20;
        dpi->onLinkChanged(1, 1);
        dpi->onSliderChanged(int(raw), int(raw), 1);
        QCOMPARE(currentConfig.current().stages[1].x, before.x); // nothing reaches the record before Apply
        w->findChild<KroPushButton*>("applyButton")->click();
        QCOMPARE(currentConfig.current().stages[1].x, raw);
        QCOMPARE(sentConfig.current().stages[1].x, raw);
        const QList<int> commands = commandsSent(log);
        // The general block goes with every download; the other blocks only when they changed.
        QVERIFY(commands.contains(CMD_GENERAL));
        QVERIFY(commands.contains(CMD_DPI));
        QVERIFY(!commands.contains(CMD_BUTTONS));
        QVERIFY(!commands.contains(CMD_LIGHTING));
        QVERIFY(dialogHook::history(dialogHook::Kind::Message).isEmpty()); // success shows nothing
        QCOMPARE(diffFlag(), 0);
        const DecodedStage stage = VirtualMouseDecoder(m_mouse->mouse(), sensorModel()).stage(1);
        QVERIFY(stage.used);
        QCOMPARE(stage.x, int(raw));
        QCOMPARE(stage.y, int(raw));
    }
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"

// The main window's own initiatives: battery and connection display, following the mouse's own
// profile, DPI and rate changes, notices, the receiver warning, hot-plug, the device menu and the
// firmware-update prompts.
#include "app/MousecfgWidget.h"

#include "app/ProfileManager.h"
#include "app/StatusDisplay.h"
#include "app/TrayController.h"
#include "device/KroGetBatteryThread.h"
#include "device/hidDevices.h"
#include "panels/KroDPIWindow.h"
#include "panels/KroReportRate.h"
#include "platform/Launcher.h"
#include "platform/Notice.h"
#include "platform/PointerSpeed.h"
#include "store/MouseConfig.h"
#include "store/appContext.h"
#include "store/deviceDescription.h"
#include "store/profileFiles.h"
#include "store/sensors.h"
#include "store/settings.h"
#include "widgets/KroMessageBox.h"
#include "widgets/KroPushButton.h"
#include "widgets/skinStyle.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMenu>
#include <QTimer>

bool MousecfgWidget::cablePresent() const
{
    return deviceTable[0].present4 == 1;
}

bool MousecfgWidget::receiverPresent() const
{
    return deviceTable[0].present2 == 1;
}

void MousecfgWidget::startBatteryThread()
{
    startBatteryPoller();
}

void MousecfgWidget::stopBatteryThread()
{
    stopBatteryPoller();
}

void MousecfgWidget::slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte)
{
    m_status->showBattery(iCharge, iLowByte, iHiByte, cablePresent(), receiverPresent());
}

void MousecfgWidget::updateConnectionIndicator()
{
    m_status->updateConnection(cablePresent(), receiverPresent());
}

void MousecfgWidget::slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode)
{
    Q_UNUSED(iMode);
    // The slot is followed first, so DPI and rate compare against the profile now shown.
    if (iProfile != currentConfig.ProfileID)
        slotRefreshProfile(iProfile);
    if (iDPI != currentConfig.current().dpi)
        slotRefreshDPIStage(iDPI);
    if (iRate != currentConfig.current().pollrate)
        slotRefreshRate(iRate);
}

void MousecfgWidget::slotRefreshProfile(quint8 iProfile)
{
    if (iProfile >= PROFILE_COUNT)
        return; // a report the mouse cannot mean: no slot of that number exists
    keepPanelEdits();
    m_profiles->selectSlot(iProfile, false);
    m_profiles->rebuildSavedProfileMenu();
    PointerSpeed::set(currentConfig.current().mousespeed);
    showOsd(tr("Profile") + QStringLiteral(" %1").arg(iProfile + 1));
}

void MousecfgWidget::slotRefreshDPIStage(quint8 iDPI)
{
    if (iDPI >= DPI_STAGE_COUNT)
        return;
    ProfileData& profile = currentConfig.current();
    profile.dpi = iDPI;
    if (m_dpiPanel)
        m_dpiPanel->setActiveStage(iDPI);
    setProfileDpi(currentConfig.profileNames[currentConfig.activeSlot()], iDPI);
    const int dpi = displayedDpi(mouseProfile(currentConfig).stages[iDPI], sensorModel());
    showOsd(tr("DPI") + QStringLiteral(" %1:%2").arg(iDPI + 1).arg(dpi));
}

void MousecfgWidget::slotRefreshRate(quint8 iRate)
{
    currentConfig.current().pollrate = iRate;
    if (m_ratePanel)
        m_ratePanel->loadProfile(currentConfig.current(), currentConfig.LiftHigh);
    QString text;
    switch (iRate) {
    case 8:
        text = tr("125 HZ");
        break;
    case 4:
        text = tr("250 HZ");
        break;
    case 2:
        text = tr("500 HZ");
        break;
    case 1:
        text = tr("1000 HZ");
        break;
    default:
        break;
    }
    showOsd(text);
}

void MousecfgWidget::slotRefreshWriteStatus(quint8 iStatus)
{
    if (iStatus == 0)
        setDiffFlag(1);
}

void MousecfgWidget::showOsd(const QString& text)
{
    notice::show(text, accentColour());
}

void MousecfgWidget::slotWarning()
{
    showMainWindow();
}

void MousecfgWidget::showMainWindow()
{
    show();
    if (mouseCount() != 0) {
        activateWindow();
        return;
    }
    if (m_tray->warningOpen())
        return; // the box is already up
    m_tray->setWarningOpen(true);
    KroMessageBox box(KroMessageBox::ReceiverWarning, QString(), tr("Warning"), tr("Dongle Disconnect!"), this, true);
    box.setObjectName(QStringLiteral("dongleWarning"));
    const int result = box.exec();
    if (result == QDialog::Accepted && mouseCount() == 0)
        m_tray->putAway();
    m_tray->setWarningOpen(false);
}

void MousecfgWidget::scheduleWarnClose()
{
    QTimer::singleShot(200, this, &MousecfgWidget::slotWarnClose);
}

void MousecfgWidget::scheduleWarning()
{
    // The last mouse went away: its level is no longer known.
    m_status->showUnknown(cablePresent(), receiverPresent());
    if (m_tray)
        m_tray->setWarningOpen(true);
    QTimer::singleShot(200, this, [this] {
        if (m_tray)
            m_tray->setWarningOpen(false);
        slotWarning();
    });
}

void MousecfgWidget::slotWarnClose()
{
    openDevicesByName(currentProductName());
    m_status->showUnknown(cablePresent(), receiverPresent());
    startBatteryThread();
    loadPictures();
    placeWidgets();
    reloadConfiguration();
    m_profiles->loadSavedNames();
    m_profiles->rebuildSavedProfileMenu();
    writeDefaultProfileFile();
    switchPage(PageLighting);
    selectButtonInPanel(0);
    refreshScrollImages();
    refreshPanels();
    setMouseConnected(true);
}

void MousecfgWidget::reloadConfiguration()
{
    loadAll(sentConfig);
    currentConfig = sentConfig;
    const int slot = currentConfig.activeSlot();
    showSlotText(m_profiles->slotText(slot));
    showProfileName(currentConfig.profileNames[slot]);
    refreshPanels();
}

void MousecfgWidget::rebuildDeviceMenu()
{
    m_detectedModels.clear();
    delete m_deviceMenu;
    m_deviceMenu = new QMenu(this);
    m_deviceMenu->setObjectName(QStringLiteral("deviceMenu"));
    for (const DeviceEntry& row : deviceTable) {
        const bool present = (row.present1 == 1 && row.present2 == 1) || (row.present3 == 1 && row.present4 == 1);
        if (!present)
            continue;
        const QString name = QString::fromUtf8(row.name, int(qstrnlen(row.name, DEVICE_NAME_SIZE)));
        m_detectedModels.append(name);
        m_deviceMenu->addAction(name);
    }
    setMouseCount(m_detectedModels.size());
    if (m_detectedModels.size() < 2) {
        m_modelSelector->hide();
        if (m_detectedModels.size() == 1) {
            qDebug() << "RefreshMouseList " << m_detectedModels.first();
            setCurrentProductName(m_detectedModels.first());
        }
        // With none present the product name is kept: it still names the folder of the saved
        // profiles and the mouse expected back.
        return;
    }
    m_modelSelector->show();
    const QString current = currentProductName();
    if (m_detectedModels.contains(current)) {
        m_modelSelector->setText(current);
        setCurrentProductName(current);
    } else {
        // The selector names the model now in use, not the one that went away.
        setCurrentProductName(m_detectedModels.first());
        m_modelSelector->setText(m_detectedModels.first());
    }
    connect(m_deviceMenu, &QMenu::triggered, this, &MousecfgWidget::slot_show_mousename);
    m_modelSelector->setMenu(m_deviceMenu);
    m_deviceMenu->setFixedWidth(scaled(150));
    m_deviceMenu->setStyleSheet(skinMenuStyleSheet());
    m_deviceMenu->setFont(skinFont());
}

void MousecfgWidget::slot_show_mousename(QAction* action)
{
    stopBatteryThread();
    closeDevices();
    setCurrentProductName(action->text());
    m_modelSelector->setText(action->text());
    openDevicesByName(action->text());
    // Pictures and saved profiles live in the model's own folders.
    loadPictures();
    m_profiles->loadSavedNames();
    reloadConfiguration();
    m_profiles->rebuildSavedProfileMenu();
    startBatteryThread();
}

void MousecfgWidget::onFirmwareEnter()
{
    // The press asks first; the click that follows the same press does not ask again.
    m_firmwarePressed = true;
    firmwareUpdate(true);
}

void MousecfgWidget::onFirmwareClicked()
{
    if (m_firmwarePressed) {
        m_firmwarePressed = false;
        return;
    }
    firmwareUpdate(false);
}

// cableVariant: the press variant, which asks when the cable's mouse collection is present and
// starts the cable updater; otherwise the click variant, which needs the cable's release number.
void MousecfgWidget::firmwareUpdate(bool cableVariant)
{
    m_firmwareButton->setState(0);
    const bool cable = cableVariant ? deviceTable[0].present3 == 1 : cableRelease != 0;
    if (!cable) {
        KroMessageBox::warn(this, tr("To update the firmware, please connect to the computer with a cable."));
        return;
    }
    if (!KroMessageBox::ask(this, tr("Do you want to upgrade the firmware?")))
        return;
    stopBatteryThread();
    QString program = QStringLiteral("/skin/mouse/bin/UPDATER-A-VER1.3.exe");
    if (!cableVariant)
        program = languageIndex() != 0 ? QStringLiteral("/skin/mouse/bin/UPDATER-B.exe")
                                       : QStringLiteral("/skin/mouse/bin/UPDATER-B-en.exe");
    if (!Launcher::startDetached(appDir() + program)) {
        // Quitting would leave the user with neither the updater nor this window.
        KroMessageBox::warn(this, tr("The firmware updater could not be started."));
        startBatteryThread();
        return;
    }
    QCoreApplication::exit(0);
}

void MousecfgWidget::slotPopOneClickBox()
{
    KroMessageBox::warn(this, tr("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));
}

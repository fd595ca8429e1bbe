// The settings panels hosted by the main window: creation, places, signals, refresh from the
// configuration, collecting their working values at apply, and the apply transaction.
#include "app/MousecfgWidget.h"

#include "app/KroProcessDialog.h"
#include "widgets/KroPushButton.h"
#include "buttons/KroBtnWindow.h"
#include "buttons/KroGunsetDialog.h"
#include "buttons/buttonFunctions.h"
#include "buttons/dialogRunner.h"
#include "device/KroProcessThread.h"
#include "device/transaction.h"
#include "macros/MacroDialog.h"
#include "panels/KroColorWindow.h"
#include "panels/KroDPIWindow.h"
#include "panels/KroPointSpeed.h"
#include "panels/KroReportRate.h"
#include "panels/SleepControls.h"
#include "panels/panelLinks.h"
#include "store/MouseConfig.h"
#include "store/appContext.h"
#include "store/deviceDescription.h"
#include "store/settings.h"

#include <QScrollArea>

void MousecfgWidget::createPanels()
{
    const double f = scaleFactor();
    m_buttonArea = new QScrollArea(this);
    m_buttonArea->setObjectName(QStringLiteral("buttonArea"));
    m_buttonArea->setFrameShape(QFrame::NoFrame);
    m_buttonArea->setStyleSheet(QStringLiteral("QScrollArea{background:transparent;}"));
    m_buttonArea->viewport()->setAutoFillBackground(false);
    createButtonPanel();
    m_places.append({ m_buttonArea, QRect(285, 90, 332, 442) });

    m_dpiPanel = new KroDPIWindow(this, f);
    m_dpiPanel->setObjectName(QStringLiteral("dpiPanel"));
    m_places.append({ m_dpiPanel, QRect(285, 90, 456, 460) });
    m_speedPanel = new KroPointSpeed(this, f);
    m_speedPanel->setObjectName(QStringLiteral("pointSpeedPanel"));
    m_places.append({ m_speedPanel, QRect(746, 185, 229, 366) });
    m_ratePanel = new KroReportRate(this, f);
    m_ratePanel->setObjectName(QStringLiteral("reportRatePanel"));
    m_places.append({ m_ratePanel, QRect(746, 90, 229, 90) });
    m_lightingPanel = new KroColorWindow(this, f);
    m_lightingPanel->setObjectName(QStringLiteral("lightingPanel"));
    m_places.append({ m_lightingPanel, QRect(285, 90, 351, 440) });
    m_macroPanel = new MacroDialog(this);
    m_macroPanel->setObjectName(QStringLiteral("macroPanel"));
    m_places.append({ m_macroPanel, QRect(285, 90, 665, 467) });
}

// The button panel lays its labels out at the factor it is built with, so a new factor builds it
// again. The old one may be running a menu or dialog of its own, so it goes later.
void MousecfgWidget::createButtonPanel()
{
    if (QWidget* old = m_buttonArea->takeWidget())
        old->deleteLater();
    auto* buttons = new KroBtnWindow(m_buttonArea, &mouseProfile(currentConfig), scaleFactor());
    buttons->setObjectName(QStringLiteral("buttonPanel"));
    m_buttonArea->setWidget(buttons);
    m_buttonPanel = buttons;
    m_buttonPanelFactor = scaleFactor();
    connect(buttons, &KroBtnWindow::SelBtnControl, this, &MousecfgWidget::slotMouseOver);
    connect(buttons, &KroBtnWindow::GotoMacroTab, this, &MousecfgWidget::slotGotoMacro);
    connect(buttons, &KroBtnWindow::PopOneClickBox, this, &MousecfgWidget::slotPopOneClickBox);
}

void MousecfgWidget::connectPanels()
{
    auto* rate = static_cast<KroReportRate*>(m_ratePanel);
    auto* speed = static_cast<KroPointSpeed*>(m_speedPanel);
    connect(rate, &KroReportRate::RefreshLift, this, &MousecfgWidget::slotLiftChange);
    connect(speed, &KroPointSpeed::RefreshLift, this, &MousecfgWidget::slotLiftChange);
    linkLiftControls(rate, speed);
    linkSleepControls(static_cast<KroDPIWindow*>(m_dpiPanel)->sleepControls(),
        static_cast<KroColorWindow*>(m_lightingPanel)->sleepControls());

    auto* macros = static_cast<MacroDialog*>(m_macroPanel);
    connect(macros, &MacroDialog::EnableButtonsSignal, this, &MousecfgWidget::slotEnableButtons);
    connect(macros, &MacroDialog::GunSetSignal, this, [this, macros] {
        KroGunsetDialog dialog(this);
        if (runDialog(&dialog) == QDialog::Accepted)
            macros->addGunSetMacro(dialog.name(), dialog.events());
    });
}

// Report rate and scroll lines follow the active profile; DPI stages, buttons and lighting are the
// mouse's single copy, whatever the slot.
void MousecfgWidget::refreshPanels()
{
    showSlotNames();
    ProfileData& profile = currentConfig.current();
    ProfileData& mouse = mouseProfile(currentConfig);
    if (m_lightingPanel)
        static_cast<KroColorWindow*>(m_lightingPanel)->setProfile(&mouse);
    if (m_buttonPanel)
        static_cast<KroBtnWindow*>(m_buttonPanel)->setProfile(&mouse);
    if (m_speedPanel)
        static_cast<KroPointSpeed*>(m_speedPanel)
            ->loadSettings(&profile, currentConfig.Sync, currentConfig.LiftHigh, currentConfig.AngleValue,
                currentConfig.Jitter, currentConfig.Debounce, currentConfig.Wake, currentConfig.SensorMode);
    if (m_ratePanel)
        static_cast<KroReportRate*>(m_ratePanel)->loadProfile(profile, currentConfig.LiftHigh);
    if (m_dpiPanel) {
        // The stages the mouse holds, with the active profile's stage selected.
        ProfileData shown = mouse;
        shown.dpi = profile.dpi;
        auto* dpi = static_cast<KroDPIWindow*>(m_dpiPanel);
        dpi->setSleepProfile(&mouse);
        dpi->loadProfile(shown, sensorModel());
    }
}

void MousecfgWidget::gatherPanels()
{
    if (m_dpiPanel)
        static_cast<KroDPIWindow*>(m_dpiPanel)->applyTo(mouseProfile(currentConfig), currentConfig.current().dpi);
    if (m_speedPanel)
        static_cast<KroPointSpeed*>(m_speedPanel)->applyTo(currentConfig);
    if (m_ratePanel)
        static_cast<KroReportRate*>(m_ratePanel)->applyTo(currentConfig);
}

// index 0..19: a front marker; SIDE_PAGE_FIRST: the side page; -1 / -2: scroll up / down.
void MousecfgWidget::selectButtonInPanel(int index)
{
    if (!m_buttonPanel)
        return;
    auto* buttons = static_cast<KroBtnWindow*>(m_buttonPanel);
    if (index == SIDE_PAGE_FIRST)
        buttons->setSelection(0, GROUP_SIDE);
    else if (index >= 0)
        buttons->setSelection(quint8(index), GROUP_FRONT);
    else
        buttons->setSelection(quint8(-index - 1), GROUP_WHEEL);
}

int MousecfgWidget::runApplyTransaction(bool gatherPanels, bool fullSend)
{
    if (gatherPanels)
        this->gatherPanels();
    alignActiveProfile(currentConfig);
    KroProcessDialog dialog(this);
    KroProcessThread thread;
    thread.fullSend = fullSend;
    connect(&thread, &KroProcessThread::DoProcessDlg, &dialog, &KroProcessDialog::slotProcessDlg);
    // A worker that ends without its signal must not leave the window blocked.
    connect(&thread, &QThread::finished, &dialog, &KroProcessDialog::slotProcessDlg);
    thread.start(QThread::InheritPriority);
    dialog.exec();
    thread.wait();
    // The worker's result, however the dialog ended.
    return int(thread.result);
}

// Panels built before the first scale was known follow every later factor.
void MousecfgWidget::rescalePanels()
{
    const double f = scaleFactor();
    if (m_buttonArea && f != m_buttonPanelFactor) {
        createButtonPanel();
        if (!m_frontView)
            selectButtonInPanel(SIDE_PAGE_FIRST);
    }
    if (m_lightingPanel)
        static_cast<KroColorWindow*>(m_lightingPanel)->setScale(f);
    if (m_dpiPanel)
        static_cast<KroDPIWindow*>(m_dpiPanel)->setScale(f);
    if (m_speedPanel)
        static_cast<KroPointSpeed*>(m_speedPanel)->setScale(f);
    if (m_ratePanel)
        static_cast<KroReportRate*>(m_ratePanel)->setScale(f);
}

void MousecfgWidget::retranslatePanels()
{
    if (m_lightingPanel)
        static_cast<KroColorWindow*>(m_lightingPanel)->retranslate();
    if (m_buttonPanel)
        static_cast<KroBtnWindow*>(m_buttonPanel)->retranslate();
    if (m_dpiPanel)
        static_cast<KroDPIWindow*>(m_dpiPanel)->retranslate();
    if (m_speedPanel)
        static_cast<KroPointSpeed*>(m_speedPanel)->retranslate();
    if (m_ratePanel)
        static_cast<KroReportRate*>(m_ratePanel)->retranslate();
    if (m_macroPanel)
        static_cast<MacroDialog*>(m_macroPanel)->retranslateTexts();
}

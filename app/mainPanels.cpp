// The settings panels hosted by the main window: creation, places, signals, refresh from the
// configuration, collecting their working values at apply, and the apply transaction.
#include "app/MousecfgWidget.h"

#include "buttons/KroBtnWindow.h"
#include "buttons/KroGunsetDialog.h"
#include "buttons/buttonFunctions.h"
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
#include "widgets/KroPushButton.h"
#include "widgets/SettingsPage.h"
#include "widgets/dialogHook.h"

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
    addPage(m_dpiPanel, m_dpiPanel, QStringLiteral("dpiPanel"), QRect(285, 90, 456, 460));
    m_speedPanel = new KroPointSpeed(this, f);
    addPage(m_speedPanel, m_speedPanel, QStringLiteral("pointSpeedPanel"), QRect(746, 185, 229, 366));
    m_ratePanel = new KroReportRate(this, f);
    addPage(m_ratePanel, m_ratePanel, QStringLiteral("reportRatePanel"), QRect(746, 90, 229, 90));
    m_lightingPanel = new KroColorWindow(this, f);
    addPage(m_lightingPanel, m_lightingPanel, QStringLiteral("lightingPanel"), QRect(285, 90, 351, 440));
    m_macroPanel = new MacroDialog(this);
    addPage(m_macroPanel, m_macroPanel, QStringLiteral("macroPanel"), QRect(285, 90, 665, 467));
    // The order the pages load the record in.
    m_pages = { m_lightingPanel, m_buttonPanel, m_speedPanel, m_ratePanel, m_dpiPanel, m_macroPanel };
}

void MousecfgWidget::addPage(QWidget* widget, SettingsPage* page, const QString& name, const QRect& place)
{
    widget->setObjectName(name);
    m_places.append({ widget, place });
    m_pages.append(page);
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
    const int at = m_pages.indexOf(m_buttonPanel);
    if (at >= 0)
        m_pages[at] = buttons;
    m_buttonPanel = buttons;
    m_buttonPanelFactor = scaleFactor();
    connect(buttons, &KroBtnWindow::SelBtnControl, this, &MousecfgWidget::slotMouseOver);
    connect(buttons, &KroBtnWindow::GotoMacroTab, this, &MousecfgWidget::slotGotoMacro);
    connect(buttons, &KroBtnWindow::PopOneClickBox, this, &MousecfgWidget::slotPopOneClickBox);
}

void MousecfgWidget::connectPanels()
{
    connect(m_ratePanel, &KroReportRate::RefreshLift, this, &MousecfgWidget::slotLiftChange);
    connect(m_speedPanel, &KroPointSpeed::RefreshLift, this, &MousecfgWidget::slotLiftChange);
    linkLiftControls(m_ratePanel, m_speedPanel);
    linkSleepControls(m_dpiPanel->sleepControls(), m_lightingPanel->sleepControls());
    m_lightingPanel->showPreviewOn(m_frontPicture);

    connect(m_macroPanel, &MacroDialog::EnableButtonsSignal, this, &MousecfgWidget::slotEnableButtons);
    connect(m_macroPanel, &MacroDialog::GunSetSignal, this, [this] {
        KroGunsetDialog dialog(this);
        if (dialogHook::exec(&dialog, dialogHook::Kind::Dialog) == QDialog::Accepted)
            m_macroPanel->addGunSetMacro(dialog.name(), dialog.events());
    });
}

// Report rate and scroll lines follow the active profile; DPI stages, buttons and lighting are the
// mouse's single copy, whatever the slot.
void MousecfgWidget::refreshPanels()
{
    showSlotNames();
    const PageRecord record { currentConfig, mouseProfile(currentConfig) };
    for (SettingsPage* page : qAsConst(m_pages))
        page->loadRecord(record);
}

void MousecfgWidget::gatherPanels()
{
    const PageRecord record { currentConfig, mouseProfile(currentConfig) };
    for (SettingsPage* page : qAsConst(m_pages))
        page->applyRecord(record);
}

// index 0..19: a front marker; SIDE_PAGE_FIRST: the side page; -1 / -2: scroll up / down.
void MousecfgWidget::selectButtonInPanel(int index)
{
    if (index == SIDE_PAGE_FIRST)
        m_buttonPanel->setSelection(0, GROUP_SIDE);
    else if (index >= 0)
        m_buttonPanel->setSelection(quint8(index), GROUP_FRONT);
    else
        m_buttonPanel->setSelection(quint8(-index - 1), GROUP_WHEEL);
}

// Panels built before the first scale was known follow every later factor.
void MousecfgWidget::rescalePanels()
{
    const double f = scaleFactor();
    if (f != m_buttonPanelFactor) {
        createButtonPanel();
        if (!m_frontView)
            selectButtonInPanel(SIDE_PAGE_FIRST);
    }
    for (SettingsPage* page : qAsConst(m_pages))
        page->setScale(f);
}

void MousecfgWidget::retranslatePanels()
{
    for (SettingsPage* page : qAsConst(m_pages))
        page->retranslate();
}

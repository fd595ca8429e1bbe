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

#include <initializer_list>

// Pages are built when first shown, so the window comes up with its start page alone. A page built
// later shows the configuration as it stands, at the current scale and language.
void MousecfgWidget::ensurePage(int page)
{
    if (page < 0 || page >= PAGE_COUNT || m_pageBuilt[page])
        return;
    m_pageBuilt[page] = true;
    const int firstPlace = m_places.size();
    const QList<SettingsPage*> built = buildPage(page);
    // The order the pages load the record in.
    m_pages.clear();
    for (SettingsPage* each : std::initializer_list<SettingsPage*> {
             m_lightingPanel, m_buttonPanel, m_speedPanel, m_ratePanel, m_dpiPanel, m_macroPanel }) {
        if (each)
            m_pages.append(each);
    }
    placeFrom(firstPlace);
    const PageRecord record { currentConfig, mouseProfile(currentConfig) };
    for (SettingsPage* each : built) {
        each->loadRecord(record);
        each->retranslate();
    }
    showPageWidgets();
}

QList<SettingsPage*> MousecfgWidget::buildPage(int page)
{
    const double f = scaleFactor();
    switch (page) {
    case PageLighting:
        m_lightingPanel = new KroColorWindow(this, f);
        addPage(m_lightingPanel, QStringLiteral("lightingPanel"), QRect(285, 90, 351, 440));
        m_lightingPanel->showPreviewOn(m_frontPicture);
        linkSleepPages();
        return { m_lightingPanel };
    case PageCustomize:
        buildCustomizeControls();
        retranslateButtons();
        m_buttonArea = new QScrollArea(this);
        m_buttonArea->setObjectName(QStringLiteral("buttonArea"));
        m_buttonArea->setFrameShape(QFrame::NoFrame);
        m_buttonArea->setStyleSheet(QStringLiteral("QScrollArea{background:transparent;}"));
        m_buttonArea->viewport()->setAutoFillBackground(false);
        createButtonPanel();
        m_places.append({ m_buttonArea, QRect(285, 90, 332, 442) });
        loadCustomizePictures();
        return { m_buttonPanel };
    case PageDpi:
        m_dpiPanel = new KroDPIWindow(this, f);
        addPage(m_dpiPanel, QStringLiteral("dpiPanel"), QRect(285, 90, 456, 460));
        m_speedPanel = new KroPointSpeed(this, f);
        addPage(m_speedPanel, QStringLiteral("pointSpeedPanel"), QRect(746, 185, 229, 366));
        m_ratePanel = new KroReportRate(this, f);
        addPage(m_ratePanel, QStringLiteral("reportRatePanel"), QRect(746, 90, 229, 90));
        connect(m_ratePanel, &KroReportRate::RefreshLift, this, &MousecfgWidget::slotLiftChange);
        connect(m_speedPanel, &KroPointSpeed::RefreshLift, this, &MousecfgWidget::slotLiftChange);
        linkLiftControls(m_ratePanel, m_speedPanel);
        linkSleepPages();
        return { m_speedPanel, m_ratePanel, m_dpiPanel };
    default:
        m_macroPanel = new MacroDialog(this);
        addPage(m_macroPanel, QStringLiteral("macroPanel"), QRect(285, 90, 665, 467));
        connect(m_macroPanel, &MacroDialog::EnableButtonsSignal, this, &MousecfgWidget::slotEnableButtons);
        connect(m_macroPanel, &MacroDialog::GunSetSignal, this, [this] {
            KroGunsetDialog dialog(this);
            if (dialogHook::exec(&dialog, dialogHook::Kind::Dialog) == QDialog::Accepted)
                m_macroPanel->addGunSetMacro(dialog.name(), dialog.events());
        });
        return { m_macroPanel };
    }
}

void MousecfgWidget::addPage(QWidget* widget, const QString& name, const QRect& place)
{
    widget->setObjectName(name);
    m_places.append({ widget, place });
}

// The LIGHTING and DPI pages both show the sleep settings; whichever is built second links them.
void MousecfgWidget::linkSleepPages()
{
    if (m_dpiPanel && m_lightingPanel)
        linkSleepControls(m_dpiPanel->sleepControls(), m_lightingPanel->sleepControls());
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
    sizeButtonPanel();
    connect(buttons, &KroBtnWindow::SelBtnControl, this, &MousecfgWidget::slotMouseOver);
    connect(buttons, &KroBtnWindow::GotoMacroTab, this, &MousecfgWidget::slotGotoMacro);
    connect(buttons, &KroBtnWindow::PopOneClickBox, this, &MousecfgWidget::slotPopOneClickBox);
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
    if (!m_buttonPanel)
        return; // the page is not built yet: it starts at the first button
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
    if (m_buttonPanel && f != m_buttonPanelFactor) {
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

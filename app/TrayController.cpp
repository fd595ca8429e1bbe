// Tray icon and tray menu of the main window.
#include "app/TrayController.h"

#include "widgets/KroAction.h"
#include "widgets/KroMenu.h"

#include <QCoreApplication>
#include <QWidget>

TrayController::TrayController(QWidget* window)
    : QObject(window)
    , m_window(window)
    , m_loadAction(new KroAction(tr("&Load Config"), window))
    , m_quitAction(new KroAction(tr("&Quit"), window))
    , m_menu(new KroMenu(window))
    , m_icon(new QSystemTrayIcon(window))
{
    m_loadAction->setObjectName(QStringLiteral("trayLoadAction"));
    m_quitAction->setObjectName(QStringLiteral("trayQuitAction"));
    m_menu->setObjectName(QStringLiteral("trayMenu"));
    m_icon->setObjectName(QStringLiteral("trayIcon"));
    connect(m_loadAction, &QAction::triggered, this, &TrayController::showRequested);
    connect(m_quitAction, &QAction::triggered, qApp, &QCoreApplication::quit);
    m_menu->addAction(m_loadAction);
    m_menu->addAction(m_quitAction);
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, &TrayController::iconActivated);
}

void TrayController::setIcon(const QIcon& icon, const QString& toolTip)
{
    m_icon->setIcon(icon);
    m_icon->setToolTip(toolTip);
    m_icon->setVisible(true);
}

void TrayController::retranslate()
{
    m_loadAction->setText(tr("&Load Config"));
    m_quitAction->setText(tr("&Quit"));
}

void TrayController::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick && reason != QSystemTrayIcon::Trigger)
        return;
    if (m_window->isHidden())
        emit showRequested();
    else if (!m_warningOpen)
        m_window->hide();
}

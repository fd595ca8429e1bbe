// Tray icon and tray menu of the main window, and closing the window with or without a tray.
#include "app/TrayController.h"

#include "store/appContext.h"
#include "widgets/KroAction.h"
#include "widgets/KroMenu.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {
// A tray appears when the user enables one (a shell extension, a panel applet); looking every few
// seconds while there is none costs next to nothing.
constexpr int TRAY_POLL_MS = 3000;

std::function<bool()>& trayProbe()
{
    static std::function<bool()> probe;
    return probe;
}
} // namespace

TrayController::TrayController(QWidget* window)
    : QObject(window)
    , m_window(window)
    , m_loadAction(new KroAction(tr("&Load Config"), window))
    , m_quitAction(new KroAction(tr("&Quit"), window))
    , m_menu(new KroMenu(window))
    , m_icon(new QSystemTrayIcon(window))
    , m_trayPoll(new QTimer(this))
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
    m_trayPoll->setObjectName(QStringLiteral("trayPoll"));
    m_trayPoll->setInterval(TRAY_POLL_MS);
    connect(m_trayPoll, &QTimer::timeout, this, &TrayController::checkTray);
    m_window->installEventFilter(this);
}

bool TrayController::trayAvailable()
{
    return trayProbe() ? trayProbe()() : QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayController::setTrayProbe(std::function<bool()> probe)
{
    trayProbe() = std::move(probe);
}

void TrayController::setIcon(const QIcon& icon, const QString& toolTip)
{
    m_icon->setIcon(icon);
    m_icon->setToolTip(toolTip);
    m_icon->setVisible(true);
    if (!trayAvailable())
        m_trayPoll->start();
}

void TrayController::checkTray()
{
    if (!trayAvailable())
        return;
    m_trayPoll->stop();
    // The icon was made visible while nothing could host it: show it again so it docks now.
    m_icon->setVisible(false);
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

void TrayController::closeWindow()
{
    if (trayAvailable())
        m_window->hide();
    else
        QCoreApplication::quit();
}

void TrayController::putAway()
{
    if (trayAvailable())
        m_window->hide();
    else
        m_window->showMinimized();
}

void TrayController::bringToFront()
{
    // A hidden window with no mouse present comes back with its receiver warning, as from the tray.
    if (m_window->isHidden() && mouseCount() == 0) {
        emit showRequested();
        return;
    }
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

// The window manager's close (a key or a panel's menu) behaves as the close button.
bool TrayController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Close && event->spontaneous() && !trayAvailable()) {
        QCoreApplication::quit();
        return false;
    }
    return QObject::eventFilter(watched, event);
}

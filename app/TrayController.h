// The system tray icon with its menu ("&Load Config", "&Quit"), what a click on it does, and where
// the window goes when it is closed: into the tray, or, on a desktop without one, the program ends.
#pragma once

#include <QObject>
#include <QSystemTrayIcon>

#include <functional>

class KroAction;
class QMenu;
class QTimer;
class QWidget;

class TrayController : public QObject {
    Q_OBJECT
public:
    // window: the main window that the tray shows and hides.
    explicit TrayController(QWidget* window);

    QSystemTrayIcon* icon() const { return m_icon; }
    QMenu* menu() const { return m_menu; }

    void setIcon(const QIcon& icon, const QString& toolTip);
    void retranslate();

    // While the receiver warning is open a click never hides the window.
    void setWarningOpen(bool bOpen) { m_warningOpen = bOpen; }
    bool warningOpen() const { return m_warningOpen; }

    // Whether the desktop has a tray now. Tests replace the probe; an empty one restores the real check.
    static bool trayAvailable();
    static void setTrayProbe(std::function<bool()> probe);

    // The close button: into the tray, or, without a tray, quit as the tray's "&Quit" does.
    void closeWindow();
    // The receiver warning answered with no mouse: into the tray, or minimised so it stays reachable.
    void putAway();
    // Another start of the program asks for the window: shown, raised and activated.
    void bringToFront();

public slots:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    // Shows the icon once a tray has appeared (polled while there is none).
    void checkTray();

signals:
    // The window is to be shown (the tray's "&Load Config" or a click while it is hidden).
    void showRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    KroAction* m_loadAction;
    KroAction* m_quitAction;
    QMenu* m_menu;
    QSystemTrayIcon* m_icon;
    QTimer* m_trayPoll;
    bool m_warningOpen = false;
};

// The system tray icon with its menu ("&Load Config", "&Quit") and what a click on it does.
#pragma once

#include <QObject>
#include <QSystemTrayIcon>

class KroAction;
class QMenu;
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

public slots:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);

signals:
    // The window is to be shown (the tray's "&Load Config" or a click while it is hidden).
    void showRequested();

private:
    QWidget* m_window;
    KroAction* m_loadAction;
    KroAction* m_quitAction;
    QMenu* m_menu;
    QSystemTrayIcon* m_icon;
    bool m_warningOpen = false;
};

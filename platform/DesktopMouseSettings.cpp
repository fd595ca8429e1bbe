// Known mouse-settings tools of Linux desktops and the choice among them.
#include "platform/DesktopMouseSettings.h"

#include "platform/Launcher.h"

#include <QVector>

namespace DesktopMouseSettings {

namespace {

struct Candidate {
    const char* desktop; // token of XDG_CURRENT_DESKTOP, lower case
    Command command;
};

const QVector<Candidate>& candidates()
{
    static const QVector<Candidate> list = {
        { "gnome", { "gnome-control-center", { "mouse" } } },
        { "unity", { "gnome-control-center", { "mouse" } } },
        { "kde", { "systemsettings", { "kcm_mouse" } } },
        { "kde", { "systemsettings5", { "mouse" } } },
        { "kde", { "kcmshell5", { "mouse" } } },
        { "xfce", { "xfce4-mouse-settings", {} } },
        { "mate", { "mate-mouse-properties", {} } },
        { "x-cinnamon", { "cinnamon-settings", { "mouse" } } },
        { "cinnamon", { "cinnamon-settings", { "mouse" } } },
        { "lxqt", { "lxqt-config-input", {} } },
        { "budgie", { "gnome-control-center", { "mouse" } } },
    };
    return list;
}

} // namespace

Command findCommand(const QString& currentDesktop, const std::function<bool(const QString&)>& available)
{
    const QStringList desktops = currentDesktop.toLower().split(':', Qt::SkipEmptyParts);
    for (const QString& desktop : desktops) {
        for (const Candidate& c : candidates()) {
            if (desktop == QLatin1String(c.desktop) && available(c.command.program))
                return c.command;
        }
    }
    for (const Candidate& c : candidates()) {
        if (available(c.command.program))
            return c.command;
    }
    return {};
}

bool open()
{
    const Command command = findCommand(QString::fromLocal8Bit(qgetenv("XDG_CURRENT_DESKTOP")), &Launcher::isAvailable);
    return command.isValid() && Launcher::startDetached(command.program, command.arguments);
}

} // namespace DesktopMouseSettings

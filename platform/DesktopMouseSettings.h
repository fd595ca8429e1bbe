// Opening the desktop's own mouse settings.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace DesktopMouseSettings {

struct Command {
    QString program;
    QStringList arguments;
    bool isValid() const { return !program.isEmpty(); }
};

// The command that opens the mouse settings: the one matching the desktop named in
// XDG_CURRENT_DESKTOP (colon-separated) first, then any known tool that is installed.
// available tells whether a program exists. An invalid command when none is found.
Command findCommand(const QString& currentDesktop, const std::function<bool(const QString&)>& available);

// Opens the mouse settings of the running desktop; false when no tool is installed or it could not
// be started (the caller tells the user).
bool open();

} // namespace DesktopMouseSettings

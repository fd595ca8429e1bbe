// Detached start of helper programs through QProcess.
#include "platform/Launcher.h"

#include <QDebug>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace Launcher {

bool isAvailable(const QString& program)
{
    if (program.isEmpty())
        return false;
    if (program.contains('/')) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable();
    }
    return !QStandardPaths::findExecutable(program).isEmpty();
}

bool startDetached(const QString& program, const QStringList& arguments)
{
    // Checked first so that a missing helper never reaches QProcess and its warnings.
    if (!isAvailable(program)) {
        qDebug() << "launcher: not found" << program;
        return false;
    }
    const bool started = QProcess::startDetached(program, arguments);
    if (!started)
        qDebug() << "launcher: could not start" << program;
    return started;
}

} // namespace Launcher

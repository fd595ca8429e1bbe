// Runs the mousecfgctl program as a separate process against a test application directory.
#include "support/ctlRunner.h"

#include "support/TestAppDir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

namespace {
QString builtPath()
{
    return qEnvironmentVariable("MOUSECFG_BIN_DIR") + "/mousecfgctl";
}
} // namespace

QString ctlProgram()
{
    return QFile::exists(builtPath()) ? builtPath() : QString();
}

CtlRun runCtl(const TestAppDir& dir, const QStringList& arguments, const QString& device, const QString& fault)
{
    QProcessEnvironment env;
    env.insert("MOUSECFG_DEVICE", device);
    env.insert("MOUSECFG_SIM_FAULT", fault);
    return runCtl(dir, arguments, env);
}

CtlRun runCtl(const TestAppDir& dir, const QStringList& arguments, const QProcessEnvironment& extra, int timeoutMs)
{
    const QString logPath = dir.file("frames.log");
    QFile::remove(logPath);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MOUSECFG_APP_DIR", dir.path());
    env.insert("MOUSECFG_FRAME_LOG", logPath);
    // The window's lock lives in the runtime folder: one of the directory's own keeps the runs of
    // tests that go on at the same time apart, unless the caller names one.
    const QString runtime = dir.file("runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.insert("XDG_RUNTIME_DIR", runtime);
    env.insert(extra);
    process.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    process.start(builtPath(), arguments);
    CtlRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.elapsedMs = clock.elapsed();
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    QFile log(logPath);
    if (log.open(QIODevice::ReadOnly))
        run.log = QString::fromLatin1(log.readAll());
    return run;
}

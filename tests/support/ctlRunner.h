// Runs the mousecfgctl program as a separate process against a test application directory.
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class TestAppDir;

struct CtlRun {
    int code = -1; // -1 when the program did not finish
    QString out; // standard output followed by standard error
    QString log; // the virtual mouse's frame log
    qint64 elapsedMs = 0; // from start to exit
};

// The program's path in the build tree; empty when the tests run without it.
QString ctlProgram();

// Runs mousecfgctl with the given arguments against the virtual mouse named by device
// ("virtual", "virtual-receiver", "virtual-cable") in the application directory dir; fault is
// passed as MOUSECFG_SIM_FAULT ("noreply", "zero", "latency=20", ...).
CtlRun runCtl(const TestAppDir& dir, const QStringList& arguments, const QString& device = "virtual",
    const QString& fault = QString());
// The same with the variables of env added to the test's own environment; a run still going
// after timeoutMs is killed.
CtlRun runCtl(
    const TestAppDir& dir, const QStringList& arguments, const QProcessEnvironment& env, int timeoutMs = 60000);

// Runs the mousecfgctl program as a separate process against a test application directory.
#pragma once

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
// passed as MOUSECFG_VIRTUAL_FAULT ("no-reply", ...).
CtlRun runCtl(const TestAppDir& dir, const QStringList& arguments, const QString& device = "virtual",
    const QString& fault = QString());

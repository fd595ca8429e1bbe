// The shape of one mousecfgctl command and the helpers the commands share.
#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

// Exit codes shared by the commands.
enum CtlExit {
    CTL_OK = 0,
    CTL_NO_DEVICE = 1,
    CTL_USAGE = 64, // EX_USAGE; 2 is the send status "frame not confirmed"
    CTL_NO_ACCESS = 3,
    CTL_FILE_NOT_WRITTEN = 7, // a settings or profile file could not be written
    CTL_WINDOW_RUNNING = 8, // the window is running: commands that write leave the files to it
};

struct CtlCommand {
    const char* name;
    const char* arguments; // shown in --help after the name
    const char* summary;
    int (*run)(const QStringList& arguments);
    bool writes; // refused while the window runs
    const char* details; // mousecfgctl help NAME: after the summary
};

inline QString ctlText(const char* text)
{
    return QCoreApplication::translate("mousecfgctl", text);
}

inline QTextStream& ctlOut()
{
    static QTextStream out(stdout);
    return out;
}

inline QTextStream& ctlErr()
{
    static QTextStream err(stderr);
    return err;
}

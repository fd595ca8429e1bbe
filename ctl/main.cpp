// mousecfgctl: command-line companion of the configuration utility.
#include "ctl/WindowLock.h"
#include "ctl/completion.h"
#include "ctl/ctlCommand.h"
#include "ctl/deviceCommands.h"
#include "ctl/helpTexts.h"

#include "device/HidBackend.h"
#include "sim/backend/VirtualHidBackend.h"
#include "store/appContext.h"
#include "store/deviceDescription.h"
#include "store/fileProblems.h"
#include "store/installLayout.h"

#include <QDir>
#include <QLoggingCategory>

int runDevices(const QStringList& arguments);
int runGet(const QStringList& arguments);
int runSet(const QStringList& arguments);
int runWatch(const QStringList& arguments);

namespace {

int runHelp(const QStringList& arguments);

// A new command: declare its run function above and add its row here.
const CtlCommand COMMANDS[] = {
    { "devices", "", "List the receiver and the cable found, their collections and whether they can be opened.",
        runDevices, false, "" },
    { "status", "[--json]", "Battery, charging, connection, and the active profile, DPI stage and report rate.",
        runStatus, false, STATUS_DETAILS },
    { "watch", "[--json] [--interval SECONDS]",
        "Stay running and print a line at the start and on every change of battery step, charging, connection "
        "or what the mouse reports; for status bars.",
        runWatch, false, WATCH_DETAILS },
    { "get", "[--json] [--profile N]", "The saved configuration, in the words set takes.", runGet, false, GET_DETAILS },
    { "set", "SETTING VALUE... [SETTING VALUE...] [--profile N] [--no-apply]",
        "Change settings as the window does, save them and send what changed.", runSet, true, SET_DETAILS },
    { "apply", "[--full]",
        "Send the saved configuration as the Apply button does (--full: everything); exits with the send status: 1 no "
        "mouse, 2 a frame not confirmed, 4 write failed, 5 mouse asleep.",
        runApply, true, "" },
    { "profile", "N", "Make profile N (1-5) active on the mouse; exits with the send status.", runProfile, true, "" },
    { "import", "FILE.conf",
        "Load a configuration file of this product and send all of it; 6 when the file is unreadable, holds no "
        "configuration or is of another product (nothing is sent then).",
        runImport, true, "" },
    { "help", "[COMMAND]", "This text, or the details of one command.", runHelp, false, "" },
};

const CtlCommand* findCommand(const QString& name)
{
    for (const CtlCommand& command : COMMANDS) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

void printUsageLine(const CtlCommand& command)
{
    ctlOut() << "  mousecfgctl " << command.name;
    if (*command.arguments)
        ctlOut() << ' ' << command.arguments;
    ctlOut() << "\n";
}

void printHelp()
{
    QTextStream& out = ctlOut();
    out << ctlText("Usage: mousecfgctl <command> [arguments]   (mousecfgctl help COMMAND for details)") << "\n\n"
        << ctlText("Commands:") << "\n";
    for (const CtlCommand& command : COMMANDS) {
        printUsageLine(command);
        out << "      " << ctlText(command.summary) << "\n";
    }
    out << "\n"
        << ctlText("Environment:") << "\n"
        << "  MOUSECFG_DEVICE=virtual|virtual-receiver|virtual-cable  "
        << ctlText("talk to the built-in virtual mouse instead of the hardware") << "\n"
        << "  MOUSECFG_FRAME_LOG=<file>  " << ctlText("append every frame the virtual mouse receives and sends") << "\n"
        << "  MOUSECFG_SIM_FAULT=noreply,zero,latency=<ms>,...  "
        << ctlText("make the virtual mouse misbehave (comma-separated)") << "\n"
        << "  MOUSECFG_APP_DIR=<dir>  " << ctlText("installation folder (default: the folder of this program)")
        << "\n\n";
    printExitCodes();
}

int runHelp(const QStringList& arguments)
{
    if (arguments.isEmpty()) {
        printHelp();
        return CTL_OK;
    }
    const CtlCommand* command = findCommand(arguments.first());
    if (!command || arguments.size() > 1) {
        ctlErr() << ctlText("Unknown command: %1").arg(arguments.join(' ')) << "\n";
        return CTL_USAGE;
    }
    QTextStream& out = ctlOut();
    out << ctlText("Usage:") << "\n";
    printUsageLine(*command);
    out << "\n" << ctlText(command->summary) << "\n";
    if (*command->details)
        out << "\n" << ctlText(command->details) << "\n";
    if (QLatin1String(command->name) == QLatin1String("set"))
        printSettingsHelp();
    if (command->writes)
        out << "\n"
            << ctlText("Refused with exit code 8 while the window runs: close it first, or use the window.") << "\n";
    out << "\n";
    printExitCodes();
    return CTL_OK;
}

bool asksForHelp(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"));
}

int runCommand(const CtlCommand& command, const QStringList& arguments)
{
    if (asksForHelp(arguments) && QLatin1String(command.name) != QLatin1String("help"))
        return runHelp({ QString::fromLatin1(command.name) });
    std::unique_ptr<WindowLock> lock;
    if (command.writes) {
        lock = std::make_unique<WindowLock>();
        if (lock->windowRunning()) {
            ctlErr() << ctlText("The mousecfg window is running and owns the settings files; close it first, or "
                                "make the change in the window.")
                     << "\n";
            return CTL_WINDOW_RUNNING;
        }
    }
    return command.run(arguments);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The device link's traces are for the debug log, not for the terminal.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    const QByteArray dir = qgetenv("MOUSECFG_APP_DIR");
    // Same state as the window: a read-only installation keeps it in the user's data folder.
    setAppDir(dir.isEmpty() ? resolveAppDir(QCoreApplication::applicationDirPath())
                            : QDir(QString::fromLocal8Bit(dir)).absolutePath());
    installBackendFromEnvironment();

    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty() || arguments.first() == "--help" || arguments.first() == "-h") {
        printHelp();
        ctlOut().flush();
        return arguments.isEmpty() ? CTL_USAGE : CTL_OK;
    }
    if (arguments.first() == "--version") {
        ctlOut() << "mousecfgctl " << MOUSECFG_VERSION << "\n";
        ctlOut().flush();
        return CTL_OK;
    }
    const QString name = arguments.takeFirst();
    if (name == QLatin1String(COMPLETE_COMMAND))
        return runComplete(arguments);
    const CtlCommand* command = findCommand(name);
    if (!command) {
        ctlErr() << ctlText("Unknown command: %1").arg(name) << "\n" << ctlText("Try mousecfgctl --help.") << "\n";
        ctlErr().flush();
        return CTL_USAGE;
    }
    const int code = runCommand(*command, arguments);
    // Files the store could not read or write: told once; an unwritten file fails the command.
    bool writeFailed = false;
    for (const QString& line : takeFileProblemTexts(&writeFailed))
        ctlErr() << line << "\n";
    ctlOut().flush();
    ctlErr().flush();
    return code == CTL_OK && writeFailed ? STORE_WRITE_FAILED : code;
}

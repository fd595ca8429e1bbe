// mousecfgctl: command-line companion of the configuration utility.
#include "ctl/ctlCommand.h"
#include "ctl/deviceCommands.h"

#include "device/HidBackend.h"
#include "sim/backend/VirtualHidBackend.h"
#include "store/appContext.h"
#include "store/fileProblems.h"
#include "store/installLayout.h"

#include <QDir>

int runDevices(const QStringList& arguments);

namespace {

// A new command: declare its run function above and add its row here.
const CtlCommand COMMANDS[] = {
    { "devices", "", "List the receiver and the cable found, their collections and whether they can be opened.",
        runDevices },
    { "status", "", "Battery, charging, connection, and the active profile, DPI stage and report rate.", runStatus },
    { "apply", "[--full]",
        "Send the saved configuration as the Apply button does (--full: everything); exits with the send status: 1 no "
        "mouse, 2 a frame not confirmed, 4 write failed, 5 mouse asleep.",
        runApply },
    { "profile", "N", "Make profile N (1-5) active on the mouse; exits with the send status.", runProfile },
    { "import", "FILE.conf",
        "Load a configuration file of this product and send all of it; 6 when the file is unreadable, holds no "
        "configuration or is of another product (nothing is sent then).",
        runImport },
};

void printHelp()
{
    QTextStream& out = ctlOut();
    out << ctlText("Usage: mousecfgctl <command> [arguments]") << "\n\n" << ctlText("Commands:") << "\n";
    for (const CtlCommand& command : COMMANDS) {
        out << "  " << command.name;
        if (*command.arguments)
            out << ' ' << command.arguments;
        out << "\n      " << ctlText(command.summary) << "\n";
    }
    out << "\n"
        << ctlText("Environment:") << "\n"
        << "  MOUSECFG_DEVICE=virtual|virtual-receiver|virtual-cable  "
        << ctlText("talk to the built-in virtual mouse instead of the hardware") << "\n"
        << "  MOUSECFG_FRAME_LOG=<file>  " << ctlText("append every frame the virtual mouse receives and sends") << "\n"
        << "  MOUSECFG_SIM_FAULT=noreply,zero,latency=<ms>,...  "
        << ctlText("make the virtual mouse misbehave (comma-separated)") << "\n"
        << "  MOUSECFG_APP_DIR=<dir>  " << ctlText("installation folder (default: the folder of this program)")
        << "\n\n"
        << ctlText("Exit codes (commands that send list their own above):") << "\n"
        << "   0  " << ctlText("success") << "\n"
        << "   1  " << ctlText("no receiver or cable found") << "\n"
        << "   3  " << ctlText("a device was found but cannot be opened (permissions)") << "\n"
        << "   7  " << ctlText("a settings or profile file could not be written") << "\n"
        << "  64  " << ctlText("unknown command or wrong arguments") << "\n";
    out.flush();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QByteArray dir = qgetenv("MOUSECFG_APP_DIR");
    // Same state as the window: a read-only installation keeps it in the user's data folder.
    setAppDir(dir.isEmpty() ? resolveAppDir(QCoreApplication::applicationDirPath())
                            : QDir(QString::fromLocal8Bit(dir)).absolutePath());
    installBackendFromEnvironment();

    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty() || arguments.first() == "--help" || arguments.first() == "-h"
        || arguments.first() == "help") {
        printHelp();
        return arguments.isEmpty() ? CTL_USAGE : CTL_OK;
    }
    const QString name = arguments.takeFirst();
    for (const CtlCommand& command : COMMANDS) {
        if (name == QLatin1String(command.name)) {
            const int code = command.run(arguments);
            // Files the store could not read or write: told once; an unwritten file fails the command.
            bool writeFailed = false;
            for (const QString& line : takeFileProblemTexts(&writeFailed))
                ctlErr() << line << "\n";
            ctlOut().flush();
            ctlErr().flush();
            return code == CTL_OK && writeFailed ? STORE_WRITE_FAILED : code;
        }
    }
    ctlErr() << ctlText("Unknown command: %1").arg(name) << "\n" << ctlText("Try mousecfgctl --help.") << "\n";
    ctlErr().flush();
    return CTL_USAGE;
}

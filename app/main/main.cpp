// Entry point: one instance per product, the virtual mouse when asked for, the mouse link, then the
// main window.
#include "app/DeviceSession.h"
#include "app/MousecfgWidget.h"
#include "app/StartupProbe.h"
#include "app/TrayController.h"
#include "device/HidBackend.h"
#include "platform/SessionBus.h"
#include "platform/SingleInstance.h"
#include "sim/backend/VirtualHidBackend.h"
#include "store/appContext.h"
#include "store/deviceDescription.h"
#include "store/installLayout.h"
#include "store/language.h"

#include <QApplication>
#include <QIcon>
#include <QLoggingCategory>
#include <QTranslator>

#include <cstdio>

namespace {
// A later start asks the running copy to show its window, says so in one line and exits with 1.
int handOver(const SingleInstance& instance)
{
    // The line in the user's language: the window, which installs it otherwise, is not made here.
    LanguageList languages;
    readLanguageList(languages);
    QTranslator translator;
    const QString file = translationFile(languages, languageIndex());
    if (!file.isEmpty() && translator.load(file))
        QCoreApplication::installTranslator(&translator);
    const QString line = instance.activateRunning()
        ? QCoreApplication::translate("main", "mousecfg is already running: its window was brought to the front.")
        : QCoreApplication::translate("main", "mousecfg is already running.");
    std::fprintf(stderr, "%s\n", qPrintable(line));
    return 1;
}
} // namespace

int main(int argc, char* argv[])
{
    StartupProbe::mark("process start");
    // Nothing here draws with OpenGL: without the GLX integration no GL driver is loaded at start.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    // All scaling of the layout is the window's own factor; Qt's high-DPI scaling stays off.
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    const std::future<void> bus = sessionBus::connectInBackground();
    StartupProbe::mark("Qt platform");
    // Device traces are for developers: MOUSECFG_DEBUG=1 shows them.
    if (qEnvironmentVariableIsEmpty("MOUSECFG_DEBUG"))
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QApplication::setApplicationName(QStringLiteral("mousecfg"));
    QGuiApplication::setDesktopFileName(QStringLiteral("mousecfg"));
    // Closing the window hides it into the tray; without a tray the window's close ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // A read-only installation keeps its state in the user's data folder.
    setAppDir(resolveAppDir(QCoreApplication::applicationDirPath()));
    const QString product = productName();
    SingleInstance instance(product);
    if (!instance.isOnlyInstance())
        return handOver(instance);

    installBackendFromEnvironment();

    DeviceSession session;
    StartupProbe::mark("single instance");
    auto* window = new MousecfgWidget(&session);
    QObject::connect(&instance, &SingleInstance::activationRequested, window->tray(), &TrayController::bringToFront);
    if (mouseCount() != 0) {
        window->setWindowOpacity(1.0);
        window->show();
    }
    window->setWindowIcon(QIcon(appDir() + QStringLiteral("/skin/icon.ico")));
    window->setWindowTitle(product);
    StartupProbe::installIfAsked(window);
    StartupProbe::mark("window shown");
    const int code = app.exec();
    delete window;
    return code;
}

// Entry point: one instance per product, the virtual mouse when asked for, then the main window.
#include "app/MousecfgWidget.h"
#include "app/StartupProbe.h"
#include "device/HidBackend.h"
#include "platform/SingleInstance.h"
#include "sim/backend/VirtualHidBackend.h"
#include "store/appContext.h"
#include "store/deviceDescription.h"
#include "store/installLayout.h"

#include <QApplication>
#include <QIcon>
#include <QLoggingCategory>

int main(int argc, char* argv[])
{
    // All scaling of the layout is the window's own factor; Qt's high-DPI scaling stays off.
    // Nothing here draws with OpenGL: without the GLX integration no GL driver is loaded at start.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    // Device traces are for developers: MOUSECFG_DEBUG=1 shows them.
    if (qEnvironmentVariableIsEmpty("MOUSECFG_DEBUG"))
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QApplication::setApplicationName(QStringLiteral("mousecfg"));
    QGuiApplication::setDesktopFileName(QStringLiteral("mousecfg"));
    // Closing the window only hides it; the tray's Quit ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // A read-only installation keeps its state in the user's data folder.
    setAppDir(resolveAppDir(QCoreApplication::applicationDirPath()));
    const QString product = productName();
    SingleInstance instance(product);
    if (!instance.isOnlyInstance())
        return 1;

    installBackendFromEnvironment();

    auto* window = new MousecfgWidget;
    if (mouseCount() != 0) {
        window->setWindowOpacity(1.0);
        window->show();
    }
    window->setWindowIcon(QIcon(appDir() + QStringLiteral("/skin/icon.ico")));
    window->setWindowTitle(product);
    StartupProbe::installIfAsked(window);
    const int code = app.exec();
    delete window;
    return code;
}

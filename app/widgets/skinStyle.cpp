// Skin paths, accent colour, menu style sheet and language font shared by the skin widgets.
#include "app/widgets/skinStyle.h"

#include "store/appContext.h"
#include "store/language.h"

#include <QSettings>

void initSkinResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(widgets);
        return true;
    }();
    Q_UNUSED(done);
}

namespace {
// The library is static: registering here ties the resources to every user of a skin widget.
const bool g_resources = (initSkinResources(), true);
} // namespace

QString skinFile(const QString& path)
{
    if (path.startsWith(QLatin1Char(':')))
        return path;
    if (path.startsWith(QLatin1Char('/')))
        return appDir() + path;
    return appDir() + QLatin1Char('/') + path;
}

QPixmap skinPixmap(const QString& path)
{
    if (path.isEmpty())
        return QPixmap();
    return QPixmap(skinFile(path));
}

QColor skinAccent()
{
    static const QColor colours[] = {
        QColor(255, 0, 0),
        QColor(0, 255, 0),
        QColor(0, 0, 255),
        QColor(219, 200, 182),
        QColor(255, 0, 255),
        QColor(0, 255, 255),
        QColor(255, 125, 0),
    };
    const QSettings config(appDir() + QStringLiteral("/Configs/Config.ini"), QSettings::IniFormat);
    const int id = config.value(QStringLiteral("Config/GColorID")).toInt();
    return colours[(id >= 0 && id < 7) ? id : 0];
}

QString skinMenuStyleSheet()
{
    const QColor c = skinAccent();
    return QStringLiteral("QMenu{background-color:rgb(50,50,50);border:0px solid white;}"
                          "QMenu::item{text-align:center;color:white;background-color:rgb(50,50,50);"
                          "margin:0px 0px;padding:0px 20px;border:0px solid white;}"
                          "QMenu::item:selected{background-color:rgb(50,50,50);border:1px solid rgb(%1,%2,%3);}"
                          "QMenu::item:pressed{color:black;background-color:rgb(%1,%2,%3);}")
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue());
}

QFont skinFont(int pixelSizeOverride, int decrement)
{
    return languageFontFor(languageIndex(), scaleFactor(), pixelSizeOverride, decrement);
}

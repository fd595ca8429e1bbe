// Skin paths, accent colour, menu style sheet and language font shared by the skin widgets.
#include "widgets/skinStyle.h"

#include "store/appContext.h"
#include "store/language.h"
#include "store/settings.h"

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
    return accentColour();
}

QString skinMenuStyleSheet()
{
    return menuStyleSheet(accentColour());
}

QFont skinFont(int pixelSizeOverride, int decrement)
{
    return languageFontFor(languageIndex(), scaleFactor(), pixelSizeOverride, decrement);
}

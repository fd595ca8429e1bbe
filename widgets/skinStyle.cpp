// Skin paths, accent colour, menu style sheet and language font shared by the skin widgets.
#include "widgets/skinStyle.h"

#include "store/appContext.h"
#include "store/language.h"
#include "store/settings.h"

#include <QSettings>

#include <cmath>

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

namespace {
double channelLuminance(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor& colour)
{
    return 0.2126 * channelLuminance(colour.red()) + 0.7152 * channelLuminance(colour.green())
        + 0.0722 * channelLuminance(colour.blue());
}
} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor readableTextOn(const QColor& background)
{
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

QString skinMenuStyleSheet()
{
    return menuStyleSheet(accentColour());
}

QFont skinFont(int pixelSizeOverride, int decrement)
{
    return languageFontFor(languageIndex(), scaleFactor(), pixelSizeOverride, decrement);
}

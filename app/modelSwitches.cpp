// Per-model choices of the main window.
#include "app/modelSwitches.h"

namespace {
// Models whose scroll buttons use the images numbered 4 and 3.
bool usesAlternateScrollImages(const QString& product)
{
    static const QStringList models = { QStringLiteral("BRAVEL2"), QStringLiteral("MORREN"), QStringLiteral("QUILLS"),
        QStringLiteral("SOVEL FPS"), QStringLiteral("SOVEL"), QStringLiteral("TARMIN"), QStringLiteral("TARMIN3"),
        QStringLiteral("VANTIR"), QStringLiteral("7401"), QStringLiteral("K340-RGB"), QStringLiteral("7401-P5555"),
        QStringLiteral("GLOWMARE"), QStringLiteral("K215"), QStringLiteral("K216"), QStringLiteral("K220-RGB"),
        QStringLiteral("ZEPHIRA"), QStringLiteral("K221-PRO"), QStringLiteral("K221-RGB"), QStringLiteral("K221-RGB2"),
        QStringLiteral("NIMBRA2"), QStringLiteral("ALTESS2"), QStringLiteral("REGNAR") };
    return models.contains(product);
}

} // namespace

QStringList scrollImagesFor(const QString& product, bool up)
{
    const QString dir = up ? QStringLiteral("up") : QStringLiteral("down");
    const bool alternate = usesAlternateScrollImages(product);
    const QString normal = QStringLiteral("/skin/btn_%1%2.png").arg(dir).arg(alternate ? 4 : 2);
    const QString hover = QStringLiteral("/skin/btn_%1%2.png").arg(dir).arg(alternate ? 3 : 1);
    return { normal, hover, hover };
}

// skingen: paints the skin images of the installation, the resource pictures and a contact sheet.
#include "tools/skingen/appIcon.h"
#include "tools/skingen/contactSheet.h"
#include "tools/skingen/gifWriter.h"
#include "tools/skingen/paintKit.h"
#include "tools/skingen/skinImages.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSettings>
#include <cstdio>

namespace {

bool writeAll(const SkinList& images, const QString& dir)
{
    for (const SkinImage& item : images) {
        const QString target = dir + QLatin1Char('/') + item.path;
        QDir().mkpath(QFileInfo(target).path());
        if (!item.image.save(target, "PNG")) {
            std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(target));
            return false;
        }
    }
    return true;
}

bool writeFile(const QString& target, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(target).path());
    QFile f(target);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size()) {
        std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(target));
        return false;
    }
    return true;
}

QString productName(const QString& profile)
{
    const QString name
        = QSettings(profile, QSettings::IniFormat).value(QStringLiteral("PROFILE/ProductName")).toString();
    // The name becomes a folder: keep it inside skin/mouse.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name == ".."
        || name == ".")
        return QString();
    return name;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Paints the mousecfg skin."));
    parser.addHelpOption();
    const QCommandLineOption outOption(
        QStringLiteral("out"), QStringLiteral("Installation folder (gets skin/)."), QStringLiteral("dir"));
    const QCommandLineOption profileOption(
        QStringLiteral("profile"), QStringLiteral("Device description file."), QStringLiteral("file"));
    const QCommandLineOption resOption(
        QStringLiteral("resources"), QStringLiteral("Write the resource pictures."), QStringLiteral("dir"));
    const QCommandLineOption sheetOption(
        QStringLiteral("contact-sheet"), QStringLiteral("Write every image on one sheet."), QStringLiteral("png"));
    const QCommandLineOption iconsOption(QStringLiteral("icon-theme"),
        QStringLiteral("Write the application icon in the icon theme sizes (gets hicolor/)."), QStringLiteral("dir"));
    parser.addOptions({ outOption, profileOption, resOption, sheetOption, iconsOption });
    parser.process(app);

    const QString product = parser.isSet(profileOption) ? productName(parser.value(profileOption)) : QString();
    bool ok = true;
    if (parser.isSet(resOption)) {
        const QString dir = parser.value(resOption);
        ok = writeAll(paintResources(), dir) && writeFile(dir + "/loading.gif", encodeGif(paintSpinnerFrames(), 8));
    }
    if (ok && parser.isSet(outOption)) {
        ok = writeAll(paintSkin(product), parser.value(outOption));
    }
    if (ok && parser.isSet(iconsOption)) {
        ok = writeIconTheme(parser.value(iconsOption), QStringLiteral("mousecfg"));
    }
    if (ok && parser.isSet(sheetOption)) {
        SkinList all = paintSkin(product.isEmpty() ? QStringLiteral("Example") : product);
        all += paintResources();
        ok = contactSheet(all).save(parser.value(sheetOption), "PNG");
    }
    return ok ? 0 : 1;
}

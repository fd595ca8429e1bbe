// Language selection, language list and language fonts read from the settings files.
#include "store/language.h"

#include "store/appContext.h"
#include "store/iniFile.h"
#include "store/safeNames.h"

#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace {
// Pixel sizes a language font may have at scale 1.0; the shipped files use 12.
constexpr int MAX_FONT_PIXELS = 100;

QString langConfigPath()
{
    return appDir() + QStringLiteral("/Configs/LangConfig.ini");
}
QString configPath()
{
    return appDir() + QStringLiteral("/Configs/Config.ini");
}

// Config.ini read as UTF-8 (language names such as "Français" and "简体中文"), or null when it is
// not a file that can be read without blocking.
std::unique_ptr<QSettings> openConfig()
{
    if (!iniReadable(configPath()))
        return nullptr;
    auto config = std::make_unique<QSettings>(configPath(), QSettings::IniFormat);
    config->setIniCodec("UTF-8");
    return config;
}

QVariant configValue(const QSettings* config, const QString& key)
{
    return config ? config->value(key) : QVariant();
}

int offeredLanguages(const QSettings* config)
{
    return qBound(0, intFromVariant(configValue(config, QStringLiteral("FONT_LIST/LANGNUM"))), MAX_LANGUAGES);
}

} // namespace

int languageId()
{
    const QString path = langConfigPath();
    if (!iniReadable(path))
        return 0;
    const int offered = offeredLanguages(openConfig().get());
    return boundedInt(QSettings(path, QSettings::IniFormat).value(QStringLiteral("Config/LangID")), 0,
        qMin(offered, MAX_LANGUAGES) - 1, 0);
}

int setLanguageId(int id)
{
    return writeIni(langConfigPath(), [id](QSettings& s) { s.setValue(QStringLiteral("Config/LangID"), id); });
}

void readLanguageList(LanguageList& list)
{
    const auto config = openConfig();
    list.count = offeredLanguages(config.get());
    for (int i = 0; i < MAX_LANGUAGES; ++i) {
        list.names[i] = configValue(config.get(), QStringLiteral("FONT_LIST/LangName_%1").arg(i)).toString();
        list.files[i] = configValue(config.get(), QStringLiteral("FONT_LIST/LangFile_%1").arg(i)).toString();
    }
}

LanguageList readLanguageList()
{
    LanguageList list;
    readLanguageList(list);
    return list;
}

QString translationFile(const LanguageList& list, int index)
{
    if (index < 0 || index >= MAX_LANGUAGES)
        return QString();
    // The name comes from the settings file: one that would leave the lang folder loads nothing, and
    // neither does a FIFO or a folder of that name, which a load would wait on.
    const QString path = safeChildPath(appDir() + QStringLiteral("/lang"), list.files[index], QStringLiteral(".qm"));
    const QFileInfo info(path);
    return info.exists() && !info.isFile() ? QString() : path;
}

QFont languageFontFor(int index, double scale, int pixelSizeOverride, int decrement)
{
    const auto config = openConfig();
    QFont font;
    const QString family = configValue(config.get(), QStringLiteral("FONT_LIST/FONT_%1").arg(index)).toString();
    if (!family.isEmpty())
        font.setFamily(family);
    // A size out of range keeps the default size, as a missing one does.
    int size = pixelSizeOverride > 0
        ? pixelSizeOverride
        : boundedInt(
            configValue(config.get(), QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(index)), 1, MAX_FONT_PIXELS, 0);
    if (size > 0)
        size -= decrement;
    const int pixels = int(size * scale);
    if (pixels > 0)
        font.setPixelSize(pixels);
    return font;
}

QFont languageFont(double scale)
{
    return languageFontFor(languageIndex(), scale);
}

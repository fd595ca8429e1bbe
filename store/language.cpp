// Language selection, language list and language fonts read from the settings files.
#include "store/language.h"

#include "store/appContext.h"
#include "store/safeNames.h"

#include <QSettings>

namespace {

QString langConfigPath()
{
    return appDir() + QStringLiteral("/Configs/LangConfig.ini");
}
QString configPath()
{
    return appDir() + QStringLiteral("/Configs/Config.ini");
}

// The settings files are UTF-8 (language names such as "Français" and "简体中文").
void useUtf8(QSettings& settings)
{
    settings.setIniCodec("UTF-8");
}

int offeredLanguages(const QSettings& config)
{
    return qBound(0, config.value(QStringLiteral("FONT_LIST/LANGNUM")).toInt(), MAX_LANGUAGES);
}

} // namespace

int languageId()
{
    const int id = QSettings(langConfigPath(), QSettings::IniFormat).value(QStringLiteral("Config/LangID")).toInt();
    QSettings config(configPath(), QSettings::IniFormat);
    useUtf8(config);
    const int offered = offeredLanguages(config);
    if (id < 0 || id >= MAX_LANGUAGES || id >= offered)
        return 0;
    return id;
}

void setLanguageId(int id)
{
    QSettings settings(langConfigPath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Config/LangID"), id);
}

void readLanguageList(LanguageList& list)
{
    QSettings config(configPath(), QSettings::IniFormat);
    useUtf8(config);
    list.count = offeredLanguages(config);
    for (int i = 0; i < MAX_LANGUAGES; ++i) {
        list.names[i] = config.value(QStringLiteral("FONT_LIST/LangName_%1").arg(i)).toString();
        list.files[i] = config.value(QStringLiteral("FONT_LIST/LangFile_%1").arg(i)).toString();
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
    // The name comes from the settings file: one that would leave the lang folder loads nothing.
    return safeChildPath(appDir() + QStringLiteral("/lang"), list.files[index], QStringLiteral(".qm"));
}

QFont languageFontFor(int index, double scale, int pixelSizeOverride, int decrement)
{
    QSettings config(configPath(), QSettings::IniFormat);
    useUtf8(config);
    QFont font;
    const QString family = config.value(QStringLiteral("FONT_LIST/FONT_%1").arg(index)).toString();
    if (!family.isEmpty())
        font.setFamily(family);
    int size = pixelSizeOverride > 0 ? pixelSizeOverride
                                     : int(config.value(QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(index)).toUInt());
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

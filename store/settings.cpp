// The application settings file, the per-product list file and the load/save sequences.
#include "store/settings.h"

#include "store/IniText.h"
#include "store/appContext.h"
#include "store/configKeys.h"
#include "store/deviceDescription.h"
#include "store/fileProblems.h"
#include "store/profileFiles.h"
#include "store/safeNames.h"

#include <QFileInfo>
#include <QSettings>

namespace {
constexpr int MACRO_LIST_SIZE = 50;
// A list count read from a file is trusted only up to this many entries.
constexpr int MAX_LIST_ENTRIES = 1000;

QVariant configValue(const QString& key, const QVariant& fallback = QVariant())
{
    const QString path = configIniPath();
    if (!iniReadable(path))
        return fallback;
    const QSettings s(path, QSettings::IniFormat);
    return s.value(key, fallback);
}

int configInt(const QString& key, int fallback = 0)
{
    return intFromVariant(configValue(key, fallback));
}

int setConfigValue(const QString& key, const QVariant& value)
{
    // A text or number stored already is not written again (every start names the product it finds).
    // The file is read afresh: QSettings' cache can miss a rewrite within the file system's clock tick.
    // A link is left to the write, which decides what to do with it.
    const QString path = configIniPath();
    const int type = value.userType();
    IniText stored;
    if ((type == QMetaType::QString || type == QMetaType::Int) && !QFileInfo(path).isSymLink()
        && readPlainIni(path, &stored) && stored.contains(key) && stored.value(key).toString() == value.toString())
        return 0;
    return writeIni(path, [&](QSettings& s) { s.setValue(key, value); });
}

QStringList readList(const QString& countKey, const QString& prefix)
{
    QStringList names;
    const QString path = productConfigPath();
    if (!iniReadable(path))
        return names;
    const QSettings s(path, QSettings::IniFormat);
    const int count = qBound(0, intFromVariant(s.value(countKey)), MAX_LIST_ENTRIES);
    for (int i = 1; i <= count; ++i)
        names << s.value(prefix + QString::number(i)).toString();
    return names;
}

// Loads the working profile of slot; one that cannot be read is moved aside and loads as the factory
// profile. listed: the settings file named it, so its absence is worth telling.
void loadWorkingProfile(ProfileData& profile, const QString& name, int slot, bool listed)
{
    const QString path = workingProfilePath(name);
    const int read = readProfile(profile, path); // the factory profile when it cannot be read
    if (read == 0)
        return;
    const bool unusable = read == -2;
    if (unusable)
        moveAside(path);
    else if (listed)
        recordFileProblem(FileProblemKind::Missing, path);
    if (unusable || listed)
        recordFileProblem(FileProblemKind::FactoryLoaded, path, QString::number(slot + 1));
    profile.ProfileName = name;
}

// The files the settings file names are written before it names them, so a crash or a full disk in
// between never leaves it naming a file that is not there. names: the five names as stored.
bool saveNamedProfiles(const MouseConfig& config, QStringList& names)
{
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        names << storedProfileName(config.profileNames[i], i);
        if (saveProfileFile(config.profiles[i], names.last()) != 0)
            return false;
    }
    return true;
}

template <typename Settings> void writeProfileNames(Settings& s, const QStringList& names)
{
    for (int i = 0; i < names.size(); ++i)
        s.setValue(QStringLiteral("Profile%1").arg(i + 1), names[i]);
}

// The sensor settings and profile names of the settings file, through QSettings or IniText.
template <typename Settings>
void writeConfigGroup(Settings& s, const MouseConfig& config, const QStringList& names)
{
    s.beginGroup(QStringLiteral("Config"));
    IniWriter writer { s };
    visitSensorKeys(config, writer);
    writeProfileNames(s, names);
    s.endGroup();
}

// True when the settings file already holds these values as they would be written (read afresh).
bool configHolds(const QString& path, const MouseConfig& config, const QStringList& names)
{
    IniText merged;
    QByteArray old;
    QByteArray text;
    if (QFileInfo(path).isSymLink() || !readPlainIni(path, &merged, &old))
        return false;
    writeConfigGroup(merged, config, names);
    return merged.toText(&text) && text == old;
}

int writeList(const QString& countKey, const QString& prefix, const QStringList& names)
{
    return writeIni(productConfigPath(), [&](QSettings& s) {
        const int oldCount = qBound(0, intFromVariant(s.value(countKey)), MAX_LIST_ENTRIES);
        s.setValue(countKey, names.size());
        for (int i = 0; i < names.size(); ++i)
            s.setValue(prefix + QString::number(i + 1), names[i]);
        for (int i = names.size() + 1; i <= oldCount; ++i)
            s.remove(prefix + QString::number(i));
    });
}
} // namespace

const QColor ACCENT_COLOURS[ACCENT_COLOUR_COUNT] = {
    QColor(255, 0, 0),
    QColor(0, 255, 0),
    QColor(0, 0, 255),
    QColor(219, 200, 182),
    QColor(255, 0, 255),
    QColor(0, 255, 255),
    QColor(255, 125, 0),
};

QString configDir()
{
    return appDir() + QStringLiteral("/Configs");
}
QString configIniPath()
{
    return configDir() + QStringLiteral("/Config.ini");
}
bool fileExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

void loadAll(MouseConfig& config)
{
    MouseConfig c;
    const QString path = configIniPath();
    const IniState state = iniState(path);
    if (state == IniState::Usable) {
        QSettings s(path, QSettings::IniFormat);
        s.beginGroup(QStringLiteral("Config"));
        IniReader reader { s };
        visitSensorKeys(c, reader);
        for (int i = 0; i < PROFILE_COUNT; ++i)
            c.profileNames[i] = s.value(QStringLiteral("Profile%1").arg(i + 1)).toString();
    } else if (state == IniState::Unusable) {
        // Kept for the user; the program goes on as on a fresh installation.
        moveAside(path);
    }
    // Callers index the profiles with it.
    c.clampProfileId();
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        QString& name = c.profileNames[i];
        const bool listed = !name.isEmpty();
        if (listed && !isSafeFileName(name))
            recordFileProblem(FileProblemKind::UnsafeName, path, name);
        name = storedProfileName(name, i);
        loadWorkingProfile(c.profiles[i], name, i, listed);
    }
    ButtonBytes matrix;
    if (readButtonMatrix(matrix) == 0)
        setButtonMatrix(matrix);
    config = c;
}

int saveAll(const MouseConfig& config)
{
    QStringList names;
    if (!saveNamedProfiles(config, names))
        return STORE_WRITE_FAILED;
    // Apply saves every time: a settings file that would not change is not written.
    const QString path = configIniPath();
    if (configHolds(path, config, names))
        return 0;
    const int written
        = writeIni(path, [&config, &names](QSettings& s) { writeConfigGroup(s, config, names); });
    return written == 0 ? 0 : STORE_WRITE_FAILED;
}

int saveProfileNames(const MouseConfig& config)
{
    QStringList names;
    if (!saveNamedProfiles(config, names))
        return -1;
    return writeIni(configIniPath(), [&config, &names](QSettings& s) {
        s.beginGroup(QStringLiteral("Config"));
        s.setValue(QStringLiteral("ProfileID"), uint(config.ProfileID));
        s.setValue(QStringLiteral("Count"), uint(config.Count));
        writeProfileNames(s, names);
    });
}

int setCurrentProfile(int profileId)
{
    return setConfigValue(QStringLiteral("Config/ProfileID"), profileId);
}

int diffFlag()
{
    return configInt(QStringLiteral("Config/Diff"));
}
int setDiffFlag(int diff)
{
    return setConfigValue(QStringLiteral("Config/Diff"), diff);
}

QString currentProductName()
{
    // The name becomes folder and picture paths: one that may not be a file name reads as no product.
    const QString name = configValue(QStringLiteral("Config/CurrentProductName")).toString();
    return isSafeFileName(name) ? name : QString();
}
int setCurrentProductName(const QString& name)
{
    return setConfigValue(QStringLiteral("Config/CurrentProductName"), name);
}

int themeColorId()
{
    return configInt(QStringLiteral("Config/GColorID"));
}

QColor accentColour()
{
    const int id = themeColorId();
    return ACCENT_COLOURS[id >= 0 && id < ACCENT_COLOUR_COUNT ? id : 0];
}

QString menuStyleSheet(const QColor& accent)
{
    const QString rgb = QStringLiteral("rgb(%1,%2,%3)").arg(accent.red()).arg(accent.green()).arg(accent.blue());
    return QStringLiteral("QMenu{background-color:rgb(50,50,50);border:0px solid white;}"
                          "QMenu::item{text-align:center;color:white;background-color:rgb(50,50,50);"
                          "margin:0px 0px;padding:0px 20px;border:0px solid white;}"
                          "QMenu::item:selected{background-color:rgb(50,50,50);border:1px solid %1;}"
                          "QMenu::item:pressed{color:black;background-color:%1;}")
        .arg(rgb);
}

int batteryPercent()
{
    return configInt(QStringLiteral("Config/Battery"));
}
int setBatteryPercent(int percent)
{
    return setConfigValue(QStringLiteral("Config/Battery"), percent);
}
int batteryFullMillivolts()
{
    // The voltage of a full cell; a value no battery has would make every reading full or empty.
    return boundedInt(configValue(QStringLiteral("Config/BatteryFull")), 1000, 10000, 4200);
}
QString modelText()
{
    return configValue(QStringLiteral("Config/Model")).toString();
}
int sensorModel()
{
    return configInt(QStringLiteral("MouseSenSor/1"));
}

int ledVariant()
{
    const QString path = configIniPath();
    if (!iniReadable(path))
        return 0;
    const QSettings s(path, QSettings::IniFormat);
    const QString product = s.value(QStringLiteral("Config/CurrentProductName")).toString();
    // A name holding '/' would address another group; such a product has no variant entry.
    if (product.isEmpty() || product.contains(QLatin1Char('/')) || product.contains(QLatin1Char('\\')))
        return 0;
    return intFromVariant(s.value(QStringLiteral("MouseLEDMode/") + product));
}

int macroCount()
{
    const QString path = configIniPath();
    if (!iniReadable(path))
        return 0;
    const QSettings s(path, QSettings::IniFormat);
    int count = 0;
    for (int i = 0; i < MACRO_LIST_SIZE; ++i) {
        if (!s.value(QStringLiteral("MACRO_LIST/%1").arg(i)).toString().isEmpty())
            ++count;
    }
    return count;
}

QString productConfigPath()
{
    const QString productDir = safeChildPath(configDir(), currentProductName());
    return productDir.isEmpty() ? QString() : productDir + QStringLiteral("/Config.ini");
}

QStringList savedProfileNames()
{
    return readList(QStringLiteral("PROFILE_LIST/Count"), QStringLiteral("PROFILE_LIST/"));
}

int setSavedProfileNames(const QStringList& names)
{
    return writeList(QStringLiteral("PROFILE_LIST/Count"), QStringLiteral("PROFILE_LIST/"), names);
}

QStringList secondProfileList()
{
    return readList(QStringLiteral("PROFILE_LIST/SCount"), QStringLiteral("PROFILE_LIST/S"));
}

int setSecondProfileList(const QStringList& names)
{
    return writeList(QStringLiteral("PROFILE_LIST/SCount"), QStringLiteral("PROFILE_LIST/S"), names);
}

// Reading and writing profile files and whole-configuration files.
#include "store/profileFiles.h"

#include "store/IniEdit.h"
#include "store/IniText.h"
#include "store/configKeys.h"
#include "store/deviceDescription.h"
#include "store/iniFile.h"
#include "store/safeNames.h"
#include "store/settings.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QSettings>

#include <mutex>

namespace {
const QString PROFILE_GROUP = QStringLiteral("PROFILE");
// Every profile file of ours holds its button block; a file without it is not a profile.
const QString PROFILE_REQUIRED_KEY = QStringLiteral("BUTTON_INFO_0_Fun");

QString configProfileGroup(int i)
{
    return QStringLiteral("PROFILE_%1").arg(i);
}

// Names an imported profile: its Config/Profile%d entry, else its own ProfileName, else "Profile N".
QString importedName(const QString& listed, const QString& inProfile, int index)
{
    if (isSafeFileName(listed))
        return listed;
    if (isSafeFileName(inProfile))
        return inProfile;
    return QStringLiteral("Profile %1").arg(index + 1);
}

// Profile files as last read or written here, with the file's size and time then. Writing a profile
// that a file already holds unchanged is skipped: saveAll writes all five files on every apply.
struct KnownFile {
    ProfileData profile;
    qint64 size = -1;
    QDateTime modified;
};
std::mutex g_knownMutex;
QHash<QString, KnownFile> g_known;

bool holdsAlready(const QString& path, const ProfileData& profile)
{
    const QFileInfo info(path);
    std::lock_guard<std::mutex> lock(g_knownMutex);
    const auto it = g_known.constFind(path);
    return it != g_known.constEnd() && info.isFile() && it->size == info.size() && it->modified == info.lastModified()
        && it->profile == profile;
}

// Takes the file's size and time now: before reading it, or after writing it.
KnownFile stamp(const QString& path, const ProfileData& profile)
{
    const QFileInfo info(path);
    return { profile, info.isFile() ? info.size() : -1, info.lastModified() };
}

// The profile group of a file, through QSettings or IniText.
template <typename Settings> void writeProfileGroup(Settings& s, const ProfileData& profile)
{
    s.beginGroup(PROFILE_GROUP);
    IniWriter writer { s };
    visitProfileKeys(profile, writer);
    s.endGroup();
}
template <typename Settings> void readProfileGroup(Settings& s, ProfileData& profile)
{
    s.beginGroup(PROFILE_GROUP);
    IniReader reader { s };
    visitProfileKeys(profile, reader);
    s.endGroup();
}

enum class PlainWrite { Same, Write, NeedsMerge };

// Whether writing fresh over the file at path gives what QSettings' merge would: true when nothing
// readable is there, or the file holds exactly these keys in this order (only values change).
PlainWrite plainWriteOver(const QString& path, const QByteArray& text)
{
    QByteArray old;
    if (iniState(path, QString(), &old) != IniState::Usable)
        return PlainWrite::Write;
    if (old == text)
        return PlainWrite::Same;
    return IniText::sameKeys(old, text) ? PlainWrite::Write : PlainWrite::NeedsMerge;
}

int writeProfileText(const ProfileData& profile, const QString& path)
{
    IniText fresh;
    writeProfileGroup(fresh, profile);
    QByteArray text;
    const PlainWrite how = path.isEmpty() || !fresh.toText(&text) ? PlainWrite::NeedsMerge : plainWriteOver(path, text);
    if (how == PlainWrite::Same)
        return 0;
    if (how == PlainWrite::Write) {
        IniEdit edit(path);
        edit.setText(text);
        return edit.commit();
    }
    return writeIni(path, [&profile](QSettings& s) { writeProfileGroup(s, profile); });
}

void remember(const QString& path, const KnownFile& known)
{
    std::lock_guard<std::mutex> lock(g_knownMutex);
    if (known.size >= 0)
        g_known.insert(path, known);
    else
        g_known.remove(path);
}
} // namespace

QString workingProfileDir()
{
    return configDir() + QStringLiteral("/Profile");
}
QString workingProfilePath(const QString& name)
{
    return safeChildPath(workingProfileDir(), name, ".prof");
}
QString defaultProfilePath()
{
    return workingProfilePath(QStringLiteral("DefaultProfile"));
}

QString storedProfileName(const QString& name, int slot)
{
    return isSafeFileName(name) ? name : QStringLiteral("Profile %1").arg(slot + 1);
}

IniState profileFileState(const QString& path)
{
    return iniState(path, PROFILE_GROUP + QLatin1Char('/') + PROFILE_REQUIRED_KEY);
}

QString libraryProfileDir()
{
    const QString productDir = safeChildPath(configDir(), currentProductName());
    return productDir.isEmpty() ? QString() : productDir + QStringLiteral("/Profile");
}

QString libraryProfilePath(const QString& name)
{
    return safeChildPath(libraryProfileDir(), name, ".prof");
}

int writeProfile(const ProfileData& profile, const QString& path)
{
    if (!path.isEmpty() && holdsAlready(path, profile))
        return 0;
    const int result = writeProfileText(profile, path);
    remember(path, result == 0 ? stamp(path, profile) : KnownFile());
    return result;
}

int readProfile(ProfileData& profile, const QString& path)
{
    KnownFile known = stamp(path, ProfileData());
    IniText plain;
    const bool isPlain = readPlainIni(path, &plain);
    const IniState state = !isPlain                                               ? profileFileState(path)
        : plain.contains(PROFILE_GROUP + QLatin1Char('/') + PROFILE_REQUIRED_KEY) ? IniState::Usable
                                                                                  : IniState::Unusable;
    if (state != IniState::Usable) {
        // Never a record of zeros: that is a mouse without a left click.
        makeDefaultProfile(profile);
        return state == IniState::Missing ? -1 : -2;
    }
    ProfileData p;
    if (isPlain) {
        readProfileGroup(plain, p);
    } else {
        QSettings s(path, QSettings::IniFormat);
        readProfileGroup(s, p);
    }
    known.profile = p;
    remember(path, known);
    profile = p;
    return 0;
}

int saveProfileFile(const ProfileData& profile, const QString& name)
{
    return writeProfile(profile, workingProfilePath(name));
}

int loadProfileFile(ProfileData& profile, const QString& name)
{
    return readProfile(profile, workingProfilePath(name));
}

int setProfileDpi(const QString& name, int dpi)
{
    const QString path = workingProfilePath(name);
    // Only a whole profile file is changed: a file holding the stage alone would load without buttons.
    if (profileFileState(path) != IniState::Usable)
        return -1;
    return writeIni(path, [dpi](QSettings& s) { s.setValue(QStringLiteral("PROFILE/dpi"), dpi); });
}

int writeDefaultProfileFile()
{
    return writeDefaultProfileTo(defaultProfilePath());
}

int writeDefaultProfileTo(const QString& path)
{
    ProfileData profile;
    makeDefaultProfile(profile);
    return writeProfile(profile, path);
}

void resetAll(MouseConfig& config)
{
    SensorBytes sensor = { 0, 0, 20, 0, 0, 1, 0 };
    readSensorDefaults(sensor);
    config.ProfileID = 0;
    config.AngleValue = sensor[SENSOR_ANGLE];
    config.LiftHigh = sensor[SENSOR_LIFT];
    config.Jitter = sensor[SENSOR_JITTER];
    config.Debounce = sensor[SENSOR_DEBOUNCE];
    config.Wake = sensor[SENSOR_WAKE];
    config.SensorMode = sensor[SENSOR_MODE];
    config.Sync = sensor[SENSOR_SYNC];
    makeDefaultProfile(config.profiles[0]);
    for (int i = 0; i < PROFILE_COUNT; ++i)
        config.profileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
}

int exportConfig(const MouseConfig& config, const QString& path)
{
    const MouseConfig copy = config;
    const QString product = currentProductName();
    return replaceIni(path, [&copy, &product](QSettings& s) {
        s.setValue(QStringLiteral("MouseName/Name"), product);
        IniWriter writer { s };
        s.beginGroup(QStringLiteral("Config"));
        visitSensorKeys(copy, writer);
        // The names go with the profiles so that an import restores them.
        for (int i = 0; i < PROFILE_COUNT; ++i)
            s.setValue(QStringLiteral("Profile%1").arg(i + 1), copy.profileNames[i]);
        s.endGroup();
        for (int i = 0; i < PROFILE_COUNT; ++i) {
            s.beginGroup(configProfileGroup(i));
            visitProfileKeys(copy.profiles[i], writer, false);
            s.endGroup();
        }
    });
}

int importConfig(MouseConfig& config, const QString& path)
{
    if (iniState(path) != IniState::Usable)
        return -1;
    QSettings s(path, QSettings::IniFormat);
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        if (!s.contains(configProfileGroup(i) + QLatin1Char('/') + PROFILE_REQUIRED_KEY))
            return -1;
    }
    MouseConfig result = config;
    IniReader reader { s };
    s.beginGroup(QStringLiteral("Config"));
    visitSensorKeys(result, reader);
    QString listed[PROFILE_COUNT];
    for (int i = 0; i < PROFILE_COUNT; ++i)
        listed[i] = s.value(QStringLiteral("Profile%1").arg(i + 1)).toString();
    s.endGroup();
    result.clampProfileId();
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        ProfileData& p = result.profiles[i];
        const quint8 moveOff = p.LedMoveOFF;
        const quint8 sleepTime = p.LedSleepTime;
        p = ProfileData();
        p.LedMoveOFF = moveOff;
        p.LedSleepTime = sleepTime;
        s.beginGroup(configProfileGroup(i));
        visitProfileKeys(p, reader, false);
        s.endGroup();
        result.profileNames[i] = importedName(listed[i], p.ProfileName, i);
    }
    config = result;
    return 0;
}

int exportProfileFile(const ProfileData& profile, const QString& source, const QString& product, const QString& path)
{
    ProfileData p = profile;
    if (profileFileState(source) == IniState::Usable)
        readProfile(p, source);
    return replaceIni(path, [&p, &product](QSettings& s) {
        s.setValue(QStringLiteral("MouseName/Name"), product);
        writeProfileGroup(s, p);
    });
}

int writeProductTag(const QString& name, const QString& path)
{
    return writeIni(path, [&name](QSettings& s) { s.setValue(QStringLiteral("MouseName/Name"), name); });
}

QString readProductTag(const QString& path)
{
    if (!iniReadable(path))
        return QString();
    const QSettings s(path, QSettings::IniFormat);
    return s.value(QStringLiteral("MouseName/Name")).toString();
}

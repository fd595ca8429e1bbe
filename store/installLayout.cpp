// Per-user application directory for a read-only installation.
#include "store/installLayout.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool writableConfigs(const QString& exeDir)
{
    const QFileInfo configs(exeDir + QStringLiteral("/Configs"));
    if (configs.exists())
        return configs.isDir() && configs.isWritable();
    return QFileInfo(exeDir).isWritable();
}

// Links target/name to source/name unless something of that name is already there.
void linkShared(const QString& source, const QString& target, const QString& name)
{
    const QString from = source + "/" + name;
    const QString to = target + "/" + name;
    if (QFileInfo::exists(from) && !QFileInfo(to).isSymLink() && !QFileInfo::exists(to))
        QFile::link(from, to);
}

// Copies the files of the installed Configs template that the user's folder does not have yet.
void copyMissing(const QString& source, const QString& target)
{
    QDirIterator it(source, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString dest = target + file.mid(source.size());
        if (QFileInfo::exists(dest))
            continue;
        QDir().mkpath(QFileInfo(dest).path());
        if (QFile::copy(file, dest))
            QFile::setPermissions(dest, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

} // namespace

bool isInstalledLocation(const QString& exeDir)
{
    static const char* const systemPrefixes[] = { "/usr/", "/opt/", "/snap/", "/app/" };
    const QString path = QDir::cleanPath(exeDir) + QLatin1Char('/');
    for (const char* prefix : systemPrefixes) {
        if (path.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}

QString resolveAppDir(const QString& exeDir, const QString& dataHome)
{
    if (!isInstalledLocation(exeDir) && writableConfigs(exeDir))
        return exeDir;
    return prepareUserAppDir(
        exeDir, dataHome.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) : dataHome);
}

QString prepareUserAppDir(const QString& exeDir, const QString& dataHome)
{
    const QString target = dataHome + QStringLiteral("/mousecfg");
    if (!QDir().mkpath(target + QStringLiteral("/Configs")))
        return exeDir;
    for (const char* name : { "DefaultProfile.bin", "skin", "lang" })
        linkShared(exeDir, target, QString::fromLatin1(name));
    copyMissing(exeDir + QStringLiteral("/Configs"), target + QStringLiteral("/Configs"));
    return target;
}

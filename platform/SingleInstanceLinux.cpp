// Single instance on Linux: a QLockFile in a folder only the user can write, named after the product.
#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

struct SingleInstance::Private {
    explicit Private(const QString& path)
        : path(path)
        , lock(path)
    {
    }
    QString path;
    QLockFile lock;
    bool owned = false;
};

namespace {
// Letters, digits, '-', '_' and '.' are kept; the hash keeps names apart that reduce alike.
QString lockFileName(const QString& productName)
{
    QString readable;
    for (const QChar c : productName.left(64)) {
        const bool plain = c.unicode() < 0x80 && (c.isLetterOrNumber() || c == '-' || c == '_' || c == '.');
        readable += plain ? c : QChar('_');
    }
    const QByteArray hash = QCryptographicHash::hash(productName.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("mousecfg-%1-%2.lock").arg(readable, QString::fromLatin1(hash));
}

// A folder for the lock that only this user can write, so nobody else can hold or plant the lock.
bool isPrivateFolder(const QString& dir)
{
    struct stat st = {};
    return !dir.isEmpty() && ::lstat(QFile::encodeName(dir).constData(), &st) == 0 && S_ISDIR(st.st_mode)
        && st.st_uid == ::geteuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// The runtime folder; without one, a folder of our own with mode 0700 in the user's cache folder.
// Never the shared temporary folder, where another user could create the lock first.
QString lockDir()
{
    const QString runtime = QFile::decodeName(qgetenv("XDG_RUNTIME_DIR"));
    if (isPrivateFolder(runtime))
        return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return QString();
    const QString own = cache + QStringLiteral("/mousecfg");
    QDir().mkpath(own);
    ::chmod(QFile::encodeName(own).constData(), S_IRWXU);
    return isPrivateFolder(own) ? own : QString();
}
} // namespace

SingleInstance::SingleInstance(const QString& productName)
    : d(std::make_unique<Private>(lockFilePath(productName)))
{
    // No private folder at all: run rather than lock the user out.
    if (d->path.isEmpty()) {
        d->owned = true;
        return;
    }
    // The lock is held for the whole run: only a dead owner makes it stale, never its age.
    d->lock.setStaleLockTime(0);
    d->owned = d->lock.tryLock(0);
}

SingleInstance::~SingleInstance()
{
    if (d->owned)
        d->lock.unlock();
}

bool SingleInstance::isOnlyInstance() const
{
    return d->owned;
}

QString SingleInstance::lockFilePath(const QString& productName)
{
    const QString dir = lockDir();
    return dir.isEmpty() ? QString() : dir + QLatin1Char('/') + lockFileName(productName);
}

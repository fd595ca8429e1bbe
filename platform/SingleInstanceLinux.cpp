// Single instance on Linux: a QLockFile in the user's runtime directory, named after the product.
#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

struct SingleInstance::Private {
    explicit Private(const QString& path)
        : lock(path)
    {
    }
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

QString runtimeDir()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? QDir::tempPath() : dir;
}
} // namespace

SingleInstance::SingleInstance(const QString& productName)
    : d(std::make_unique<Private>(lockFilePath(productName)))
{
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
    return runtimeDir() + QLatin1Char('/') + lockFileName(productName);
}

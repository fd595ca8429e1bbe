// Single instance on Linux: a QLockFile in a folder only the user can write, named after the product,
// and a local socket beside it for the hand-over from a later start.
#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

struct SingleInstance::Private {
    Private(const QString& path, const QString& socketPath)
        : path(path)
        , socketPath(socketPath)
        , lock(path)
    {
    }
    QString path;
    QString socketPath;
    QLockFile lock;
    bool owned = false;
    QLocalServer* server = nullptr;
};

namespace {
// What a later start sends, and what the running instance answers once it has acted on it.
constexpr char ACTIVATE[] = "activate\n";
constexpr char ACTIVATED[] = "ok\n";

QByteArray productHash(const QString& productName)
{
    return QCryptographicHash::hash(productName.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
}

// Letters, digits, '-', '_' and '.' are kept; the hash keeps names apart that reduce alike.
QString lockFileName(const QString& productName)
{
    QString readable;
    for (const QChar c : productName.left(64)) {
        const bool plain = c.unicode() < 0x80 && (c.isLetterOrNumber() || c == '-' || c == '_' || c == '.');
        readable += plain ? c : QChar('_');
    }
    return QStringLiteral("mousecfg-%1-%2.lock").arg(readable, QString::fromLatin1(productHash(productName)));
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

SingleInstance::SingleInstance(const QString& productName, QObject* parent)
    : QObject(parent)
    , d(std::make_unique<Private>(lockFilePath(productName), socketPath(productName)))
{
    // No private folder at all: run rather than lock the user out.
    if (d->path.isEmpty()) {
        d->owned = true;
        return;
    }
    // The lock is held for the whole run: only a dead owner makes it stale, never its age.
    d->lock.setStaleLockTime(0);
    d->owned = d->lock.tryLock(0);
    if (d->owned)
        listen();
}

SingleInstance::~SingleInstance()
{
    if (d->server)
        d->server->close();
    if (d->owned)
        d->lock.unlock();
}

bool SingleInstance::isOnlyInstance() const
{
    return d->owned;
}

// Only the lock's owner gets here, so a socket file already there is left over from a run that died.
void SingleInstance::listen()
{
    QLocalServer::removeServer(d->socketPath);
    d->server = new QLocalServer(this);
    d->server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(d->server, &QLocalServer::newConnection, this, &SingleInstance::onConnection);
    if (!d->server->listen(d->socketPath))
        qWarning("No hand-over socket: %s", qPrintable(d->server->errorString()));
}

void SingleInstance::onConnection()
{
    while (QLocalSocket* socket = d->server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            // Answered before the window acts: bringing it up may open a modal box.
            if (socket->readLine(64) == ACTIVATE) {
                socket->write(ACTIVATED);
                QTimer::singleShot(0, this, &SingleInstance::activationRequested);
            }
            socket->disconnectFromServer();
        });
    }
}

bool SingleInstance::activateRunning(int timeoutMs) const
{
    if (d->socketPath.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(d->socketPath);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(ACTIVATE);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    return socket.readLine(64) == ACTIVATED;
}

QString SingleInstance::lockFilePath(const QString& productName)
{
    const QString dir = lockDir();
    return dir.isEmpty() ? QString() : dir + QLatin1Char('/') + lockFileName(productName);
}

// Only the hash in the name: a socket path must stay short (about 100 bytes).
QString SingleInstance::socketPath(const QString& productName)
{
    const QString dir = lockDir();
    return dir.isEmpty() ? QString()
                         : dir + QStringLiteral("/mousecfg-%1.sock").arg(QString::fromLatin1(productHash(productName)));
}

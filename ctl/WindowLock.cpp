// The window's single-instance lock, taken for the length of one writing command.
#include "ctl/WindowLock.h"

#include "platform/SingleInstance.h"
#include "store/deviceDescription.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace {
// Another mousecfgctl holds the lock only while it writes: wait for it rather than fail.
constexpr int OTHER_WRITER_WAIT_MS = 15000;
constexpr int RETRY_MS = 20;

bool heldByAnotherCtl(const QLockFile& lock)
{
    qint64 pid = 0;
    QString host, application;
    return lock.getLockInfo(&pid, &host, &application) && application == QCoreApplication::applicationName();
}
} // namespace

WindowLock::WindowLock()
{
    const QString path = SingleInstance::lockFilePath(productName());
    // Without a private folder the window runs without a lock too: nothing to keep apart.
    if (path.isEmpty())
        return;
    m_lock = std::make_unique<QLockFile>(path);
    // Only a dead owner makes the lock stale, never its age (as the window takes it).
    m_lock->setStaleLockTime(0);
    QElapsedTimer waited;
    waited.start();
    while (!m_lock->tryLock(0)) {
        if (m_lock->error() != QLockFile::LockFailedError)
            return; // the folder cannot be written: the window could not lock it either
        if (!heldByAnotherCtl(*m_lock) || waited.elapsed() > OTHER_WRITER_WAIT_MS) {
            m_running = true;
            return;
        }
        QThread::msleep(RETRY_MS);
    }
}

WindowLock::~WindowLock()
{
    if (m_lock && m_lock->isLocked())
        m_lock->unlock();
}

// The window's single-instance lock, taken for the length of one writing command.
#include "ctl/WindowLock.h"

#include "platform/SingleInstance.h"
#include "store/deviceDescription.h"

WindowLock::WindowLock()
{
    const QString path = SingleInstance::lockFilePath(productName());
    // Without a private folder the window runs without a lock too: nothing to keep apart.
    if (path.isEmpty())
        return;
    m_lock = std::make_unique<QLockFile>(path);
    // Only a dead owner makes the lock stale, never its age (as the window takes it).
    m_lock->setStaleLockTime(0);
    m_running = !m_lock->tryLock(0) && m_lock->error() == QLockFile::LockFailedError;
}

WindowLock::~WindowLock()
{
    if (m_lock && m_lock->isLocked())
        m_lock->unlock();
}

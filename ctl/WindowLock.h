// Keeps mousecfgctl and a running window from writing the same files: the window's instance lock.
#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

class WindowLock {
public:
    // Takes the window's lock of the installed product when no live window holds it; a lock left by
    // a process that died is taken over, and one held by another mousecfgctl is waited for. Held until
    // the object goes, so no window starts meanwhile.
    WindowLock();
    ~WindowLock();
    WindowLock(const WindowLock&) = delete;
    WindowLock& operator=(const WindowLock&) = delete;

    // True when a live window holds the lock: the command must not write.
    bool windowRunning() const { return m_running; }

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_running = false;
};

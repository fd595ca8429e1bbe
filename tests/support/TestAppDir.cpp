// Temporary application directory for tests.
#include "TestAppDir.h"

#include "store/appContext.h"
#include "store/fileProblems.h"
#include "store/iniFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

TestAppDir::TestAppDir(bool withData)
    : m_previous(appDir())
{
    setAppDir(m_dir.path());
    takeFileProblems();
    QDir().mkpath(m_dir.path() + "/Configs");
    if (withData) {
        const QString src = sourceDir() + "/data";
        QFile::copy(src + "/DefaultProfile.bin", file("DefaultProfile.bin"));
        QFile::copy(src + "/Configs/Config.ini", file("Configs/Config.ini"));
        QFile::setPermissions(file("Configs/Config.ini"), QFile::ReadOwner | QFile::WriteOwner);
    }
}

TestAppDir::~TestAppDir()
{
    setAppDir(m_previous);
}

void TestAppDir::write(const QString& relative, const QByteArray& content) const
{
    const QString target = file(relative);
    QDir().mkpath(QFileInfo(target).path());
    QFile f(target);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(content);
}

void TestAppDir::plant(const QString& relative, Hostile kind) const
{
    const QString target = file(relative);
    QFile::remove(target);
    QDir().mkpath(QFileInfo(target).path());
    switch (kind) {
    case Binary: {
        static const char elf[] = "\x7f"
                                  "ELF\x02\x01\x01\0\0\0\x03\0>\0\x01\0\0\0";
        write(relative, QByteArray(elf, sizeof elf - 1));
        break;
    }
    case Oversized: {
        write(relative, "[PROFILE]\nBUTTON_INFO_0_Fun=1\n[Config]\nProfile1=Profile 1\n");
        QFile f(target);
        if (f.open(QIODevice::ReadWrite))
            f.resize(MAX_INI_BYTES + 1);
        break;
    }
    case NotAProfile:
        write(relative, "[Other]\ndpi=3\n");
        break;
    case Fifo:
        ::mkfifo(QFile::encodeName(target).constData(), 0600);
        break;
    case Folder:
        QDir().mkpath(target + "/inside");
        break;
    }
}

bool TestAppDir::runsWithoutBlocking(const std::function<void()>& fn, const std::function<void()>& release) const
{
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    std::atomic<bool> helped { false };
    const QString root = path();
    std::thread watchdog([&] {
        std::unique_lock<std::mutex> lock(mutex);
        while (!ended.wait_for(lock, std::chrono::seconds(5), [&] { return done; })) {
            helped = true;
            if (release) {
                release();
                continue;
            }
            QDirIterator it(root, QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                // Opening the writing end lets a reader blocked in open() go on; it then reads nothing.
                const int fd = ::open(QFile::encodeName(it.next()).constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
            }
        }
    });
    fn();
    {
        std::lock_guard<std::mutex> lock(mutex);
        done = true;
    }
    ended.notify_one();
    watchdog.join();
    return !helped;
}

QString TestAppDir::sourceDir()
{
    const QByteArray env = qgetenv("MOUSECFG_SOURCE_DIR");
    return env.isEmpty() ? QStringLiteral(".") : QString::fromLocal8Bit(env);
}

// Temporary application directory for tests.
#include "TestAppDir.h"

#include "store/appContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestAppDir::TestAppDir(bool withData)
    : m_previous(appDir())
{
    setAppDir(m_dir.path());
    QDir().mkpath(m_dir.path() + "/Configs");
    if (withData) {
        const QString src = sourceDir() + "/data";
        QFile::copy(src + "/DefaultProfile.bin", file("DefaultProfile.bin"));
        QFile::copy(src + "/Configs/Config.ini", file("Configs/Config.ini"));
        QFile::setPermissions(file("Configs/Config.ini"), QFile::ReadOwner | QFile::WriteOwner);
    }
}

TestAppDir::~TestAppDir() { setAppDir(m_previous); }

void TestAppDir::write(const QString& relative, const QByteArray& content) const
{
    const QString target = file(relative);
    QDir().mkpath(QFileInfo(target).path());
    QFile f(target);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(content);
}

QString TestAppDir::sourceDir()
{
    const QByteArray env = qgetenv("MOUSECFG_SOURCE_DIR");
    return env.isEmpty() ? QStringLiteral(".") : QString::fromLocal8Bit(env);
}

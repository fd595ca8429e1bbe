// Skin copy and screenshot helpers of the button page tests.
#include "buttonsSkin.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>

bool buttonsCopySkin(const QString& appDirectory)
{
    const QString source = qEnvironmentVariable("MOUSECFG_BIN_DIR") + "/skin";
    if (!QFileInfo(source).isDir())
        return false;
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = appDirectory + "/skin/" + QDir(source).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
    return true;
}

bool buttonsSaveShot(const QImage& image, const QString& name)
{
    return image.save(QDir::tempPath() + "/buttons-" + name + ".png");
}

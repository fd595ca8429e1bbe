// Build-time tool: writes the five working profile files of a fresh installation into
// <bin dir>/Configs/Profile from the device description there. Existing files are left alone.
#include "store/MouseConfig.h"
#include "store/appContext.h"
#include "store/deviceDescription.h"
#include "store/profileFiles.h"
#include "store/settings.h"

#include <QCoreApplication>
#include <QSettings>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: genprofiles <installation dir>\n");
        return 2;
    }
    setAppDir(QString::fromLocal8Bit(argv[1]));
    const QSettings config(configIniPath(), QSettings::IniFormat);
    int written = 0;
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        QString name = config.value(QStringLiteral("Config/Profile%1").arg(i + 1)).toString();
        if (name.isEmpty())
            name = QStringLiteral("Profile %1").arg(i + 1);
        const QString path = workingProfilePath(name);
        if (path.isEmpty() || fileExists(path))
            continue;
        ProfileData profile;
        makeDefaultProfile(profile);
        profile.ProfileName = name;
        if (writeProfile(profile, path) != 0) {
            std::fprintf(stderr, "genprofiles: cannot write %s\n", qPrintable(path));
            return 1;
        }
        ++written;
    }
    std::printf("genprofiles: %d profile file(s) written\n", written);
    return 0;
}

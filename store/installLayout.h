// Where the program keeps its state: beside the executable when that folder is writable (the build
// folder, a portable copy), else in a per-user folder that mirrors the installation.
#pragma once

#include <QString>

// Returns the application directory to use for an executable in exeDir. When exeDir/Configs cannot
// be written, prepares dataHome/mousecfg (links to the read-only data, a copy of the Configs
// template where files are missing) and returns that. dataHome empty: the user's XDG data folder.
QString resolveAppDir(const QString& exeDir, const QString& dataHome = QString());

// Prepares dataHome/mousecfg for an installation in exeDir and returns it (exeDir on failure).
QString prepareUserAppDir(const QString& exeDir, const QString& dataHome);

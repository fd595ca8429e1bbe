// Where the program keeps its state: beside the executable for a build folder or a portable copy,
// in a per-user folder that mirrors the installation for an installed program (even run as root,
// who could write into the installation) and for a copy whose folder cannot be written.
#pragma once

#include <QString>

// True for the folders a package installs into (/usr, /opt and the like), whoever may write there.
bool isInstalledLocation(const QString& exeDir);

// Returns the application directory to use for an executable in exeDir. When exeDir is an installed
// location or exeDir/Configs cannot be written, prepares dataHome/mousecfg (links to the read-only data, a copy of the
// Configs template where files are missing) and returns that. dataHome empty: the user's XDG data folder.
QString resolveAppDir(const QString& exeDir, const QString& dataHome = QString());

// Prepares dataHome/mousecfg for an installation in exeDir and returns it (exeDir on failure).
QString prepareUserAppDir(const QString& exeDir, const QString& dataHome);

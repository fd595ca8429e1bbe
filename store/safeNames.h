// Decides whether a name taken from a file or the user may become a file name inside a folder.
#pragma once

#include <QString>

// True when name can be used as one file name: not empty, not "." or "..", no '/' or '\\',
// no control characters and not longer than a file system name may be.
bool isSafeFileName(const QString& name);

// dir + "/" + name + suffix, or an empty string when the name is not safe. Every path built from
// a name goes through here; callers treat the empty path as a missing file.
QString safeChildPath(const QString& dir, const QString& name, const QString& suffix = QString());

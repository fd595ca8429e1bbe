// Shared helpers for the INI files of the store.
#pragma once

#include <QColor>
#include <QString>
#include <QVariant>
#include <functional>

class QSettings;

// Larger files are treated as missing: no settings or profile file of ours comes near this.
constexpr qint64 MAX_INI_BYTES = 16 * 1024 * 1024;

// True when path names an existing regular file small enough to parse.
bool iniReadable(const QString& path);

// Writes through one settings object: fill sets the keys, then the file is flushed. QSettings writes
// through QSaveFile (a temporary file renamed over the old one), so a crash never leaves it truncated.
// A malformed file is replaced by what could be read of it plus the new keys.
// 0, or -1 when path is empty or the file could not be written.
int writeIni(const QString& path, const std::function<void(QSettings&)>& fill);

// A colour as QSettings stores it; a colour name ("#ff0000") is accepted too. Anything else is invalid.
QColor colourFromVariant(const QVariant& value);

// Unsigned/signed numbers from a settings value; malformed text reads as 0.
quint32 uintFromVariant(const QVariant& value);
qint32 intFromVariant(const QVariant& value);

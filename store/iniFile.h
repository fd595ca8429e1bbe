// Shared helpers for the INI files of the store.
#pragma once

#include <QColor>
#include <QString>
#include <QVariant>

// Larger files are treated as missing: no settings or profile file of ours comes near this.
constexpr qint64 MAX_INI_BYTES = 16 * 1024 * 1024;

// True when path names an existing regular file small enough to parse.
bool iniReadable(const QString& path);

// A colour as QSettings stores it; a colour name ("#ff0000") is accepted too. Anything else is invalid.
QColor colourFromVariant(const QVariant& value);

// Unsigned/signed numbers from a settings value; malformed text reads as 0.
quint32 uintFromVariant(const QVariant& value);
qint32 intFromVariant(const QVariant& value);

// Shared helpers for the INI files of the store: what may be read, and one way to write.
#pragma once

#include <QColor>
#include <QString>
#include <QVariant>
#include <functional>

class QSettings;

// Larger files are not read: no settings or profile file of ours comes near this.
constexpr qint64 MAX_INI_BYTES = 16 * 1024 * 1024;

// True when path names a readable regular file (after links) small enough to parse. Everything
// else (a folder, a FIFO, a device) is never opened, so a read can never block.
bool iniReadable(const QString& path);

enum class IniState {
    Missing, // nothing there (a dangling link included)
    Usable,
    Unusable, // something there that is not a readable, parsable INI text file of the bound
};
class IniText;
// Reads a file of QSettings' plain shape (see IniText) without QSettings. False when the file is
// missing, unreadable, or beyond that shape: then only QSettings can tell what it holds.
bool readPlainIni(const QString& path, IniText* text, QByteArray* bytes = nullptr);

// requiredKey: a key the file must hold to count as usable (a profile file's button block).
// bytes, when given, receives the text of a usable file.
IniState iniState(const QString& path, const QString& requiredKey = QString(), QByteArray* bytes = nullptr);

// appDir() + "/Configs": the folder the program writes its state into.
QString stateFolder();
// True when path lies inside the state folder (its folders resolved through links).
bool insideStateFolder(const QString& path);

// Renames an unusable file to "<path>.unreadable-<date and time>" so that nothing is ever written
// over it; records the problem. The new path, or an empty string when it could not be moved.
QString moveAside(const QString& path);

// Merges the keys fill sets into the file (see IniEdit). 0, or -1 when path is empty or the file
// could not be written.
int writeIni(const QString& path, const std::function<void(QSettings&)>& fill);
// Writes a file holding exactly the keys fill sets, replacing the old one only once complete.
int replaceIni(const QString& path, const std::function<void(QSettings&)>& fill);

// A colour as QSettings stores it; a colour name ("#ff0000") is accepted too. Anything else is invalid.
QColor colourFromVariant(const QVariant& value);

// Unsigned/signed numbers from a settings value; malformed text reads as 0.
quint32 uintFromVariant(const QVariant& value);
qint32 intFromVariant(const QVariant& value);
// A number from a file bounded to the range its user can take; malformed text gives fallback.
int boundedInt(const QVariant& value, int low, int high, int fallback);

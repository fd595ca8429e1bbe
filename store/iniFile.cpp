// Shared helpers for the INI files of the store.
#include "store/iniFile.h"

#include "store/IniEdit.h"
#include "store/IniText.h"
#include "store/appContext.h"
#include "store/fileProblems.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cstdio>

namespace {
// The absolute path with its longest existing part resolved through links.
QString resolveExisting(const QString& path)
{
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString rest;
    while (!QFileInfo::exists(existing) && !QDir(existing).isRoot()) {
        rest = QLatin1Char('/') + QFileInfo(existing).fileName() + rest;
        existing = QFileInfo(existing).absolutePath();
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    return QDir::cleanPath((canonical.isEmpty() ? existing : canonical) + rest);
}

// A section line without its closing bracket: QSettings reads such a file only in part (and, as it
// caches what it parsed, reports that only the first time it reads it).
bool hasBrokenSection(const QByteArray& text)
{
    for (int start = 0; start < text.size();) {
        int end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        int first = start;
        while (first < end && (text[first] == ' ' || text[first] == '\t'))
            ++first;
        if (first < end && text[first] == '[') {
            const int close = text.indexOf(']', first);
            if (close < 0 || close > end)
                return true;
        }
        start = end + 1;
    }
    return false;
}
} // namespace

bool iniReadable(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && info.isReadable() && info.size() <= MAX_INI_BYTES;
}

bool readPlainIni(const QString& path, IniText* text, QByteArray* bytes)
{
    if (!iniReadable(path))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.read(MAX_INI_BYTES + 1);
    if (file.error() != QFileDevice::NoError || content.size() > MAX_INI_BYTES || !text->parse(content))
        return false;
    if (bytes)
        *bytes = content;
    return true;
}

IniState iniState(const QString& path, const QString& requiredKey, QByteArray* bytes)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return IniState::Missing;
    if (!iniReadable(path))
        return IniState::Unusable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return IniState::Unusable;
    const QByteArray text = file.read(MAX_INI_BYTES + 1);
    // A NUL byte never occurs in a text file: this is a binary file, whatever QSettings makes of it.
    if (text.size() > MAX_INI_BYTES || text.contains('\0') || hasBrokenSection(text))
        return IniState::Unusable;
    if (!requiredKey.isEmpty() && !QSettings(path, QSettings::IniFormat).contains(requiredKey))
        return IniState::Unusable;
    if (bytes)
        *bytes = text;
    return IniState::Usable;
}

QString stateFolder()
{
    return appDir() + QStringLiteral("/Configs");
}

bool insideStateFolder(const QString& path)
{
    if (path.isEmpty() || appDir().isEmpty())
        return false;
    // The file itself may be a link; its folders are resolved.
    const QFileInfo info(path);
    const QString file = resolveExisting(info.absolutePath()) + QLatin1Char('/') + info.fileName();
    return file.startsWith(resolveExisting(stateFolder()) + QLatin1Char('/'));
}

QString moveAside(const QString& path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; QFileInfo(target).exists() || QFileInfo(target).isSymLink(); ++n)
        target = path + QStringLiteral(".unreadable-%1-%2").arg(stamp).arg(n);
    // QFile::rename would copy a file it cannot rename; a plain rename keeps the file as it is.
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(target).constData()) != 0) {
        recordFileProblem(FileProblemKind::WriteFailed, path);
        return QString();
    }
    recordFileProblem(FileProblemKind::MovedAside, path, target);
    return target;
}

int writeIni(const QString& path, const std::function<void(QSettings&)>& fill)
{
    IniEdit edit(path, IniEdit::Merge);
    fill(edit.settings());
    return edit.commit();
}

int replaceIni(const QString& path, const std::function<void(QSettings&)>& fill)
{
    IniEdit edit(path, IniEdit::Replace);
    fill(edit.settings());
    return edit.commit();
}

QColor colourFromVariant(const QVariant& value)
{
    if (value.userType() == QMetaType::QColor)
        return value.value<QColor>();
    if (value.userType() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (!text.isEmpty())
            return QColor(text);
    }
    return QColor();
}

quint32 uintFromVariant(const QVariant& value)
{
    // Written values are decimal; a negative number is kept as its two's complement bits.
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    return ok ? quint32(n) : 0u;
}

qint32 intFromVariant(const QVariant& value)
{
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    return ok ? qint32(n) : 0;
}

int boundedInt(const QVariant& value, int low, int high, int fallback)
{
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    return ok && n >= low && n <= high ? int(n) : fallback;
}

// Shared helpers for the INI files of the store.
#include "store/iniFile.h"

#include <QFileInfo>
#include <QSettings>

bool iniReadable(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && info.size() <= MAX_INI_BYTES;
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

int writeIni(const QString& path, const std::function<void(QSettings&)>& fill)
{
    if (path.isEmpty())
        return -1;
    QSettings s(path, QSettings::IniFormat);
    fill(s);
    s.sync();
    // FormatError: the old file was malformed; QSettings has replaced it with what it could read
    // of it plus our keys.
    return s.status() == QSettings::AccessError ? -1 : 0;
}

// Shared helpers for the INI files of the store.
#include "store/iniFile.h"

#include <QFileInfo>

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

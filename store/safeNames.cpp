// One gate for names that become file names: nothing built from a name leaves its folder.
#include "store/safeNames.h"

namespace {
// Room for the longest suffix we add (".MSMACRO", ".prof") within the usual 255-byte limit.
constexpr int MAX_NAME_BYTES = 240;

bool hasForbiddenChar(const QString& name)
{
    for (const QChar c : name) {
        const ushort u = c.unicode();
        if (u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0))
            return true;
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return true;
    }
    return false;
}
} // namespace

bool isSafeFileName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    if (hasForbiddenChar(name))
        return false;
    return name.toUtf8().size() <= MAX_NAME_BYTES;
}

QString safeChildPath(const QString& dir, const QString& name, const QString& suffix)
{
    if (dir.isEmpty() || !isSafeFileName(name))
        return QString();
    return dir + QLatin1Char('/') + name + suffix;
}

#include "app/PicturePrefetch.h"

void PicturePrefetch::start(const QStringList& paths)
{
    clear();
    m_pending = std::async(std::launch::async, [paths] {
        QHash<QString, QImage> decoded;
        // Decoded straight into the format the screen's pixmaps use, so no copy is made later.
        for (const QString& path : paths)
            decoded.insert(path, QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied));
        return decoded;
    });
}

void PicturePrefetch::join()
{
    if (m_pending.valid())
        m_ready = m_pending.get();
}

QPixmap PicturePrefetch::take(const QString& path)
{
    join();
    const auto it = m_ready.find(path);
    if (it == m_ready.end())
        return QPixmap(path);
    QImage image = std::move(it.value());
    m_ready.erase(it);
    return image.isNull() ? QPixmap() : QPixmap::fromImage(std::move(image));
}

void PicturePrefetch::clear()
{
    join();
    m_ready.clear();
}

// Pictures the first paint needs, decoded on another thread while the window builds itself.
#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QStringList>

#include <future>

class PicturePrefetch {
public:
    // Starts decoding the files at paths (absolute paths).
    void start(const QStringList& paths);
    // The picture at path: the decoded one, taken once, else read here.
    QPixmap take(const QString& path);
    // Drops what was not taken and waits for the decoding to end.
    void clear();

private:
    void join();

    std::future<QHash<QString, QImage>> m_pending;
    QHash<QString, QImage> m_ready;
};

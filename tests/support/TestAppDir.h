// A temporary application directory for one test, optionally seeded with the installation data.
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <functional>

class TestAppDir {
public:
    // Creates the directory and makes it the application directory; pending file problems of
    // earlier tests are dropped.
    // withData: copies DefaultProfile.bin and Configs/Config.ini of the source tree into it.
    explicit TestAppDir(bool withData = false);
    ~TestAppDir();

    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const { return m_dir.path() + "/" + relative; }
    // Writes a text file below the directory, creating folders.
    void write(const QString& relative, const QByteArray& content) const;

    // What a hostile or broken installation may hold where a file of ours should be.
    enum Hostile { Binary, Oversized, NotAProfile, Fifo, Folder };
    // Puts one at relative, replacing a file there.
    void plant(const QString& relative, Hostile kind) const;
    // Runs fn. When it has not ended after 5 s, release runs (by default: every FIFO below the
    // directory is opened for writing, so a reader blocked on one goes on), and again every 5 s.
    // True when fn ended without that help.
    bool runsWithoutBlocking(const std::function<void()>& fn, const std::function<void()>& release = {}) const;

    static QString sourceDir();

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// A temporary application directory for one test, optionally seeded with the installation data.
#pragma once

#include <QString>
#include <QTemporaryDir>

class TestAppDir {
public:
    // Creates the directory and makes it the application directory.
    // withData: copies DefaultProfile.bin and Configs/Config.ini of the source tree into it.
    explicit TestAppDir(bool withData = false);
    ~TestAppDir();

    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const { return m_dir.path() + "/" + relative; }
    // Writes a text file below the directory, creating folders.
    void write(const QString& relative, const QByteArray& content) const;

    static QString sourceDir();

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// One write to an INI file, done so that a full disk, a crash, a hostile file or a link never costs
// the user a file.
#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryFile>

#include <memory>

// Merge: the keys set through settings() are merged into the file, as QSettings does. Before that,
// a file there that cannot be read (not a regular file, too large, binary, unparsable) is moved
// aside, and inside the settings folder a link leading out of it is replaced by a file (a folder
// that leads out is refused). QSettings writes through a temporary file renamed over the old one.
// Replace: the file gets exactly the keys set, for files the user chose: the text is built in a
// private temporary file and then put in place by one rename, so no lock or half-written file is
// ever left beside it and a failed write leaves the old file as it was.
// Every failure is recorded as a file problem.
class IniEdit {
public:
    enum Mode { Merge, Replace };

    explicit IniEdit(const QString& path, Mode mode = Merge);
    // Commits when commit() was not called.
    ~IniEdit();
    IniEdit(const IniEdit&) = delete;
    IniEdit& operator=(const IniEdit&) = delete;

    // Created on first use: a merge reads the file then.
    QSettings& settings();
    // The file gets exactly this text instead of the keys set (a Merge edit whose result the caller
    // built itself), written as a replacement is.
    void setText(const QByteArray& text);
    // 0, or -1 when the file could not be written (or the path was refused).
    int commit();

private:
    bool prepareTarget();
    int commitReplace();
    int writeWhole(const QByteArray& text);

    QString m_path;
    Mode m_mode;
    QTemporaryFile m_scratch;
    std::unique_ptr<QSettings> m_settings;
    QByteArray m_text;
    bool m_hasText = false;
    bool m_usable = false;
    bool m_done = false;
    int m_result = -1;
};

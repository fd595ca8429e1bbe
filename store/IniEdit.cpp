// One safe write to an INI file.
#include "store/IniEdit.h"

#include "store/fileProblems.h"
#include "store/iniFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
bool lexicallyInsideStateFolder(const QString& path)
{
    const QString root = QDir::cleanPath(QFileInfo(stateFolder()).absoluteFilePath());
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath()).startsWith(root + QLatin1Char('/'));
}

// QSettings trusts a file whose size and time it has seen before; a file replaced within the same
// millisecond must not look unchanged to it.
void keepTimestampAhead(const QString& path, const QDateTime& before)
{
    if (!before.isValid() || QFileInfo(path).lastModified() > before)
        return;
    QFile file(path);
    if (file.open(QIODevice::Append))
        file.setFileTime(before.addMSecs(1), QFileDevice::FileModificationTime);
}
} // namespace

IniEdit::IniEdit(const QString& path, Mode mode)
    : m_path(path)
    , m_mode(mode)
{
    m_usable = prepareTarget();
}

QSettings& IniEdit::settings()
{
    if (m_settings)
        return *m_settings;
    if (m_usable && m_mode == Merge) {
        m_settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
        return *m_settings;
    }
    // The text of a replacement is built in a private file; a refused path writes there too, and
    // that file is dropped.
    m_scratch.setFileTemplate(QDir::tempPath() + QStringLiteral("/mousecfg-XXXXXX.ini"));
    if (!m_scratch.open())
        m_usable = false;
    m_scratch.close();
    m_settings = std::make_unique<QSettings>(m_scratch.fileName(), QSettings::IniFormat);
    return *m_settings;
}

void IniEdit::setText(const QByteArray& text)
{
    m_text = text;
    m_hasText = true;
}

IniEdit::~IniEdit()
{
    if (!m_done)
        commit();
}

// Deals with what stands at the path before the write; false when the path is refused.
bool IniEdit::prepareTarget()
{
    if (m_path.isEmpty())
        return false;
    const bool inside = insideStateFolder(m_path);
    if (!inside && lexicallyInsideStateFolder(m_path)) {
        // A folder on the way is a link out of the settings folder: nothing is written through it.
        recordFileProblem(FileProblemKind::LinkRefused, m_path);
        return false;
    }
    const QFileInfo info(m_path);
    if (inside && info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        if (!target.isEmpty() && insideStateFolder(target)) {
            m_path = target;
        } else {
            if (!QFile::remove(m_path)) {
                recordFileProblem(FileProblemKind::WriteFailed, m_path);
                return false;
            }
            recordFileProblem(FileProblemKind::LinkReplaced, m_path);
        }
    }
    if (m_mode == Merge && iniState(m_path) == IniState::Unusable)
        return !moveAside(m_path).isEmpty();
    return true;
}

int IniEdit::commit()
{
    if (m_done)
        return m_result;
    m_done = true;
    if (!m_usable) {
        m_settings.reset();
        return m_result = -1;
    }
    if (m_hasText)
        return m_result = writeWhole(m_text);
    settings();
    if (m_mode == Replace)
        return m_result = commitReplace();
    m_settings->sync();
    // FormatError concerns the read part only (a file that changed since it was checked): QSettings
    // still wrote what it could read of it with our keys.
    const bool ok = m_settings->status() != QSettings::AccessError;
    m_settings.reset();
    if (!ok)
        recordFileProblem(FileProblemKind::WriteFailed, m_path);
    return m_result = ok ? 0 : -1;
}

int IniEdit::commitReplace()
{
    m_settings->sync();
    bool ok = m_settings->status() != QSettings::AccessError;
    m_settings.reset();
    QFile scratch(m_scratch.fileName());
    const QByteArray text = ok && scratch.open(QIODevice::ReadOnly) ? scratch.readAll() : QByteArray();
    ok = ok && scratch.error() == QFileDevice::NoError;
    if (!ok) {
        recordFileProblem(FileProblemKind::WriteFailed, m_path);
        return -1;
    }
    return writeWhole(text);
}

int IniEdit::writeWhole(const QByteArray& text)
{
    const QDateTime before = QFileInfo(m_path).lastModified();
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile out(m_path);
    // Never write in place: a failed write must leave the old file as it was.
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit()) {
        recordFileProblem(FileProblemKind::WriteFailed, m_path);
        return -1;
    }
    keepTimestampAhead(m_path, before);
    return 0;
}

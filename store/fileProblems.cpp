// The pending file problems and their texts.
#include "store/fileProblems.h"

#include "store/iniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <mutex>

namespace {
std::mutex g_mutex;
QVector<FileProblem> g_pending;

// Texts marked with QT_TRANSLATE_NOOP("FileProblems", ...) in the table below.
QString translated(const char* text)
{
    return QCoreApplication::translate("FileProblems", text);
}
} // namespace

void recordFileProblem(FileProblemKind kind, const QString& path, const QString& detail)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    for (const FileProblem& p : qAsConst(g_pending)) {
        if (p.kind == kind && p.path == path)
            return;
    }
    g_pending.append({ kind, path, detail });
}

QVector<FileProblem> takeFileProblems()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    QVector<FileProblem> taken;
    taken.swap(g_pending);
    return taken;
}

QString fileProblemText(const FileProblem& problem)
{
    const QString path = QDir::toNativeSeparators(problem.path);
    switch (problem.kind) {
    case FileProblemKind::MovedAside:
        return QCoreApplication::translate("FileProblems", "%1 could not be read. It was kept as %2.")
            .arg(path, QFileInfo(problem.detail).fileName());
    case FileProblemKind::Missing:
        return QCoreApplication::translate("FileProblems", "%1 is missing.").arg(path);
    case FileProblemKind::UnsafeName:
        return QCoreApplication::translate(
            "FileProblems", "%1 names the profile \"%2\", which cannot be used as a file name.")
            .arg(path, problem.detail);
    case FileProblemKind::WriteFailed:
        return QCoreApplication::translate("FileProblems", "%1 could not be written.").arg(path);
    case FileProblemKind::LinkReplaced:
        return QCoreApplication::translate(
            "FileProblems", "%1 was a link out of the settings folder. A file was written in its place.")
            .arg(path);
    case FileProblemKind::LinkRefused:
        return QCoreApplication::translate(
            "FileProblems", "%1 lies behind a link out of the settings folder. It was not written.")
            .arg(path);
    case FileProblemKind::FactoryLoaded:
        return QCoreApplication::translate("FileProblems", "Profile %1 was loaded with the factory settings.")
            .arg(problem.detail);
    }
    return path;
}

QString fileProblemSummary(const QVector<FileProblem>& problems)
{
    static const struct {
        FileProblemKind kind;
        const char* text;
    } lines[] = {
        { FileProblemKind::MovedAside,
            QT_TRANSLATE_NOOP("FileProblems", "Could not be read (kept as <name>.unreadable-<date>): %1") },
        { FileProblemKind::Missing, QT_TRANSLATE_NOOP("FileProblems", "Missing: %1") },
        { FileProblemKind::UnsafeName,
            QT_TRANSLATE_NOOP("FileProblems", "Profile names that cannot be file names: %1") },
        { FileProblemKind::FactoryLoaded,
            QT_TRANSLATE_NOOP("FileProblems", "Profiles loaded with the factory settings: %1") },
        { FileProblemKind::WriteFailed, QT_TRANSLATE_NOOP("FileProblems", "Could not be written: %1") },
        { FileProblemKind::LinkReplaced,
            QT_TRANSLATE_NOOP("FileProblems", "Links out of the settings folder, replaced by files: %1") },
        { FileProblemKind::LinkRefused,
            QT_TRANSLATE_NOOP("FileProblems", "Not written, behind a link out of the settings folder: %1") },
    };
    const QString folder = stateFolder() + QLatin1Char('/');
    QStringList summary;
    for (const auto& line : lines) {
        QStringList names;
        for (const FileProblem& p : problems) {
            if (p.kind != line.kind)
                continue;
            if (p.kind == FileProblemKind::FactoryLoaded)
                names << p.detail;
            else if (p.kind == FileProblemKind::UnsafeName)
                names << QLatin1Char('"') + p.detail + QLatin1Char('"');
            else
                names << QDir::toNativeSeparators(p.path.startsWith(folder) ? p.path.mid(folder.size()) : p.path);
        }
        names.removeDuplicates();
        if (!names.isEmpty())
            summary << translated(line.text).arg(names.join(QStringLiteral(", ")));
    }
    if (!summary.isEmpty())
        summary << QCoreApplication::translate("FileProblems", "Settings folder: %1")
                       .arg(QDir::toNativeSeparators(stateFolder()));
    return summary.join(QLatin1Char('\n'));
}

QStringList takeFileProblemTexts(bool* writeFailed)
{
    QStringList lines;
    bool failed = false;
    for (const FileProblem& problem : takeFileProblems()) {
        lines << fileProblemText(problem);
        failed = failed || problem.kind == FileProblemKind::WriteFailed || problem.kind == FileProblemKind::LinkRefused;
    }
    if (writeFailed)
        *writeFailed = failed;
    return lines;
}

// The pending file problems and their texts.
#include "store/fileProblems.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <mutex>

namespace {
std::mutex g_mutex;
QVector<FileProblem> g_pending;

QString tr(const char* text)
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
        return tr("%1 could not be read. It was kept as %2.").arg(path, QFileInfo(problem.detail).fileName());
    case FileProblemKind::Missing:
        return tr("%1 is missing.").arg(path);
    case FileProblemKind::UnsafeName:
        return tr("%1 names the profile \"%2\", which cannot be used as a file name.").arg(path, problem.detail);
    case FileProblemKind::WriteFailed:
        return tr("%1 could not be written.").arg(path);
    case FileProblemKind::LinkReplaced:
        return tr("%1 was a link out of the settings folder. A file was written in its place.").arg(path);
    case FileProblemKind::LinkRefused:
        return tr("%1 lies behind a link out of the settings folder. It was not written.").arg(path);
    case FileProblemKind::FactoryLoaded:
        return tr("Profile %1 was loaded with the factory settings.").arg(problem.detail);
    }
    return path;
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

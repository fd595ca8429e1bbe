// Problems with the user's files met while loading or saving, kept until the program tells the
// user once (the window in a message box, mousecfgctl on standard error).
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// mousecfgctl's exit status, and saveAll's result, when a file could not be written.
constexpr int STORE_WRITE_FAILED = 7;

enum class FileProblemKind {
    MovedAside, // existed but could not be read; kept under the name in `detail`
    Missing, // named by the settings file but not there
    UnsafeName, // the settings file names a profile (`detail`) that may not become a file name
    WriteFailed, // could not be written; an older file there is unchanged
    LinkReplaced, // was a link leading out of the settings folder; a file now stands in its place
    LinkRefused, // lies behind a folder link leading out of the settings folder; not written
    FactoryLoaded, // the working profile of slot `detail` (1..5) was loaded with the factory settings
};

struct FileProblem {
    FileProblemKind kind;
    QString path;
    QString detail;
};

// Thread-safe; the same kind and path is kept once until taken.
void recordFileProblem(FileProblemKind kind, const QString& path, const QString& detail = QString());
QVector<FileProblem> takeFileProblems();

// One line for the user.
QString fileProblemText(const FileProblem& problem);
// The problems in a few lines, one per kind, names relative to the settings folder: for a box.
QString fileProblemSummary(const QVector<FileProblem>& problems);
// Takes the problems as lines for the user; writeFailed tells whether a write failed among them.
QStringList takeFileProblemTexts(bool* writeFailed = nullptr);

// File dialogs of the macro page that take several files or a folder, with test answers.
#include "macros/MacroFileDialogs.h"

#include <QFileDialog>
#include <QList>

namespace {
QList<QStringList> g_files;
QStringList g_directories;
} // namespace

QStringList MacroFileDialogs::getOpenFileNames(QWidget* parent, const QString& caption, const QString& filter)
{
    if (!g_files.isEmpty())
        return g_files.takeFirst();
    return QFileDialog::getOpenFileNames(parent, caption, QString(), filter);
}

QString MacroFileDialogs::getExistingDirectory(QWidget* parent, const QString& caption, const QString& dir)
{
    if (!g_directories.isEmpty())
        return g_directories.takeFirst();
    return QFileDialog::getExistingDirectory(parent, caption, dir);
}

void MacroFileDialogs::answerNextFiles(const QStringList& paths)
{
    g_files.append(paths);
}

void MacroFileDialogs::answerNextDirectory(const QString& path)
{
    g_directories.append(path);
}

void MacroFileDialogs::clearTestHooks()
{
    g_files.clear();
    g_directories.clear();
}
